// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The scene's context menu `menuScene` and what it draws: velocity and Δv vectors at each
// photograph, the trajectory's trace, the apex and landing marks, the table of positions, the
// velocity and energy graphs and the saving of the scene's image. The tools are drawn on the
// scene's overlay, over the photographs: during a flight as it goes, and for the last flight
// as soon as one is ticked or unticked. The overlay is printed and copied with the scene and
// goes with "&Effacer".

#include "analyse/mesures.h"

#include <QObject>
#include <QPointF>
#include <QSet>
#include <QString>

#include <functional>
#include <optional>

class PictureBox;
class QAction;
class QMenu;

// What the controller needs from the main window.
struct LienScene {
    PictureBox* scene = nullptr;
    std::function<analyse::Conditions()> conditions;  // the current initial conditions
    std::function<EntreesMesures()> entrees;  // the same with their texts, for the table
    std::function<QImage()> imageAplatie;     // the scene flattened as the copy command does, then restored
    std::function<void(const EntreesMesures&)> energies;  // opens the velocity and energy graphs
};

// The state of the animation when a photograph is drawn or a tick ends.
struct InstantScene {
    float t = 0;
    qint16 rebondActif = 0;
    float tRebond = 0;
    bool enCours = false;      // the timer runs
    QPointF centre;            // centre of the projectile's picture, pixels
    QPointF vitesse;           // m/s, y upwards
    QPointF centreInitial;     // centre of the picture at the initial position
};

class MesuresScene : public QObject {
    Q_OBJECT
public:
    MesuresScene(const LienScene& lien, QWidget* fenetre);

    QMenu* menuScene = nullptr;
    QAction* vecteursVitesse = nullptr;
    QAction* vecteursDeltaV = nullptr;
    QAction* traceTrajectoire = nullptr;
    QAction* sommetImpact = nullptr;
    QAction* tableauMesures = nullptr;
    QAction* grapheEnergies = nullptr;
    QAction* enregistrerImage = nullptr;

    // Opens the menu at a point of the screen (right click, Menu key, Shift+F10).
    void montreMenu(const QPoint& global);

    // Hooks of the main window: a photograph was just drawn; a tick has ended; the scene was
    // cleared (new place, "&Effacer").
    void photo(const InstantScene& i);
    // How long the last photograph's vectors took to draw (ms), for the benchmarks.
    double dureeVecteursMs() const { return dureeVecteursMs_; }
    void tick(const InstantScene& i);
    void efface();
    // The drawing layer was cleared without a new background (the frame hidden or redrawn): the
    // marks drawn since the frame was shown are gone and may be drawn again.
    void oublieMarques();

public Q_SLOTS:
    void vecteursVitesse_Click();
    void vecteursDeltaV_Click();
    void traceTrajectoire_Click();
    void sommetImpact_Click();
    void tableauMesures_Click();
    void grapheEnergies_Click();
    void enregistrerImage_Click();

protected:
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    struct Prise {
        float t;
        qint16 rebondActif;
        float tRebond;
        QPointF centre;
        QPointF vitesse;
    };
    void peint(const QRectF& zone, const std::function<void(QPainter&)>& dessin);
    void echelle(const analyse::Conditions& c, bool deltaV);
    // Draws the marks not yet on the scene, or all of them again on top (`dessus`).
    void marques(const analyse::Conditions& c, bool sommet, bool chute, bool dessus = false);
    bool dejaDessine(const QString& cle);
    // The overlay drawn again for the last flight with the tools ticked now.
    void redessine();
    // The flight on the scene, or the current set-up when none has flown since the scene was cleared.
    EntreesMesures volAffiche() const;

    LienScene lien_;
    QWidget* fenetre_;
    QList<Prise> serie_;       // the last photographs, consecutive ones only
    QSet<QString> dessines_;   // marks and scale arrows already on the scene since it was cleared
    double decalageEchelles_ = 0;
    double derniereEchelle_[2] = {0, 0};  // the velocity and Δv scales drawn last
    QPointF coinEchelles_;
    bool precedentValide_ = false;
    InstantScene precedent_;
    QPointF avantDernier_;            // start of the last piece of trace drawn
    bool avantDernierValide_ = false;
    QImage surcouche_;
    std::optional<EntreesMesures> dernierVol_;
    double dureeVecteursMs_ = 0.0;
};
