// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The graphs x(t), y(t) and y(x) of the whole flight, side by side, each one copied or printed
// on its own, or the three printed on one page. Shown modally from the main window.

#include "graphs/calculgraphes.h"

#include <QDialog>
#include <QList>
#include <QRect>
#include <QString>

#include <functional>

class PictureBox;
class QLabel;
class QPushButton;

// What the main window hands over when "&Graphes" is pressed.
struct EntreesGraphes {
    QString titre;     // name of the chosen projectile
    QRect rectangle;   // geometry of the main window, covered exactly
    float g;
    float vx;
    float vy;
    QString texteX0;   // fields as typed: comma or point
    QString texteY0;
    double trainee = 0.0;  // air resistance: the integrated flight
};

class graphes : public QDialog {
    Q_OBJECT
public:
    explicit graphes(const EntreesGraphes& entrees, QWidget* parent = nullptr);

    // Builds the window and shows it modally, unless the graphs were refused (the message has
    // then been shown and nothing else appears).
    static void affiche(const EntreesGraphes& entrees, QWidget* parent,
                        const std::function<void(QWidget*)>& energies = {});
    // A button beside the described ones that opens the velocity and energy graphs.
    void ajouteEnergies(const std::function<void(QWidget*)>& energies);

    // 1 when the load refused the graphs; such a window never becomes visible.
    qint16 grapheImpossible = 0;

    const VolGraphes& vol() const { return vol_; }

    PictureBox* Picture1 = nullptr;  // x(t)
    PictureBox* Picture2 = nullptr;  // y(t)
    PictureBox* Picture3 = nullptr;  // y(x)
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* Command6 = nullptr;
    QPushButton* Command7 = nullptr;
    QPushButton* Command8 = nullptr;
    QPushButton* Command9 = nullptr;
    QPushButton* vitessesEnergies = nullptr;  // beside the described buttons, bottom right

    // Units of the picture boxes: the 235 x 235 drawing area, plus a strip under it where the
    // horizontal axis label (printed at 230) is not cut off.
    static constexpr double largeurUnites = 235.0;
    static constexpr double hauteurUnites = 248.0;

public Q_SLOTS:
    void Form_Activate();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void Command9_Click();
    void vitessesEnergies_Click();

    int exec() override;

public:
    void setVisible(bool visible) override;

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    void construitControles(const QRect& rectangle);
    void Form_Load(const EntreesGraphes& entrees);
    void dessineGraphe(PictureBox* boite, const EchelleAxe& horizontal, const EchelleAxe& vertical,
                       const QVector<QPointF>& courbe, const QColor& couleur);
    void etiquettes(PictureBox* boite, const QString& nomVertical, const QString& texteVertical,
                    const QString& nomHorizontal, const QString& texteHorizontal);
    void imprime(const QList<const PictureBox*>& boites, const QString& titre);

    VolGraphes vol_;
    std::function<void(QWidget*)> energies_;
};
