// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window "Graphes des vitesses et des énergies": vx(t), vy(t), v(t) on one graph and
// Ec(t), Epp(t), Em(t) on the other, through the balloon's bounces, each graph copied or
// printed on its own, and the page of all the graphs of the throw printed. Shown modally.

#include "analyse/tableauvol.h"
#include "graphs/tracegraphe.h"

#include <QDialog>
#include <QRect>
#include <QWidget>

class QLabel;
class QPushButton;

// One graph on the screen, painted from its vector drawing.
class VueGraphe : public QWidget {
    Q_OBJECT
public:
    explicit VueGraphe(const QString& nom, QWidget* parent = nullptr);
    void setGraphe(const Graphe& g);
    const Graphe& graphe() const { return graphe_; }
    // The graph on a white picture of the widget's size (the copy command's bitmap).
    QImage image() const;
    QSize sizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int largeur) const override;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Graphe graphe_;
};

struct EntreesEnergies {
    QString titre;  // the projectile's name
    QRect rectangle;
    analyse::Conditions conditions;
    analyse::Montage montage;
};

class grapheEnergies : public QDialog {
    Q_OBJECT
public:
    explicit grapheEnergies(const EntreesEnergies& entrees, QWidget* parent = nullptr);
    // Builds the window and shows it modally, unless the graphs were refused (the message has
    // then been shown).
    static void affiche(const EntreesEnergies& entrees, QWidget* parent);

    bool refuse = false;

    QLabel* titre = nullptr;
    QLabel* titreVitesses = nullptr;
    QLabel* titreEnergies = nullptr;
    VueGraphe* vitesses = nullptr;
    VueGraphe* energies = nullptr;
    QLabel* note = nullptr;
    QPushButton* copierVitesses = nullptr;
    QPushButton* copierEnergies = nullptr;
    QPushButton* imprimerVitesses = nullptr;
    QPushButton* imprimerEnergies = nullptr;
    QPushButton* imprimerPage = nullptr;
    QPushButton* fermer = nullptr;

public Q_SLOTS:
    void copierVitesses_Click();
    void copierEnergies_Click();
    void imprimerVitesses_Click();
    void imprimerEnergies_Click();
    void imprimerPage_Click();
    void fermer_Click();

private:
    void imprimeGraphes(const QList<Graphe>& graphes, const QString& titreImpression);
    EntreesEnergies entrees_;
};
