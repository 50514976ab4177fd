// SPDX-License-Identifier: GPL-3.0-or-later
// The scene's context menu: measurements drawn over the chronophotography, the table of
// positions and the saving of the scene's image. The drawing and the window live in
// src/analyse; here the main window hands them its state.

#include "scene/feuillep.h"

#include "analyse/mesuresscene.h"
#include "analyse/vecteurs.h"
#include "core/module1.h"
#include "core/nombres.h"
#include "sim/echelle.h"
#include "widgets/imagecontrol.h"
#include "widgets/picturebox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTimer>

namespace {

// The picture's centre is 16 pixels right of and below its top-left corner.
constexpr double demiImage = 16.0;

}  // namespace

EntreesMesures feuilleP::entreesMesures() const
{
    EntreesMesures e;
    const sim::Reglages r = reglages();
    e.conditions = {r.x0, r.y0, Module1::vx, Module1::vy, Module1::g, r.intervalleMs,
                    r.projectile == int(sim::Projectile::Ballon), r.sortieInitialise, r.echelle};
    // The step and the photographs decide where the scene sees the balloon's impacts.
    e.conditions.ralenti = r.ralenti;
    e.conditions.enregistre = anim.chronoActif == 1 || photographieDepuisZero_;
    e.conditions.trainee = r.trainee;
    e.entete = {QStringLiteral("Lieu : ") + Combo1->currentText() + QStringLiteral(" ; projectile : ") +
                    Combo2->currentText(),
                QStringLiteral("x0 = ") + Text1->text() + QStringLiteral(" m ; y0 = ") + Text2->text() +
                    QStringLiteral(" m ; v0 = ") + Text3->text() + QStringLiteral(" m/s ; angle = ") +
                    Text4->text() + QStringLiteral("° ; intervalle = ") +
                    QString::number(analyse::intervalleBorne(r.intervalleMs)) + QStringLiteral(" ms")};
    e.rebondit = r.projectile == int(sim::Projectile::Ballon);
    e.montage = {Combo1->currentText(), Combo2->currentText(), Text1->text(), Text2->text(), Text3->text(),
                 Text4->text()};
    return e;
}

EntreesEnergies feuilleP::entreesEnergies() const
{
    const EntreesMesures m = entreesMesures();
    return {Combo2->currentText(), geometry(), m.conditions, m.montage};
}

void feuilleP::installeMesures()
{
    LienScene lien;
    lien.scene = Picture2;
    lien.conditions = [this] { return entreesMesures().conditions; };
    lien.entrees = [this] { return entreesMesures(); };
    lien.energies = [this](const EntreesMesures& vol) {
        grapheEnergies::affiche({vol.montage.projectile, geometry(), vol.conditions, vol.montage}, this);
    };
    // Flattened and restored as the copy command does.
    lien.imageAplatie = [this] {
        miseniv();
        const QImage image = Picture2->Image();
        Picture2->Cls();
        Picture2->setPicture(sauvetage);
        sauvetage = QImage();
        if (Check1->isChecked())
            repere();
        return image;
    };
    mesuresScene = new MesuresScene(lien, this);
    // The help line over the scene keeps its own sentence; the tools are announced beside it.
    Picture2->setToolTip(QStringLiteral("Clic droit : outils de mesure (vecteurs, trajectoire, sommet, tableau, "
                                        "graphes des vitesses et des énergies)"));
    // Hiding the frame or changing its kind clears the drawing layer.
    connect(Check1, &QCheckBox::clicked, mesuresScene, [this](bool coche) {
        if (!coche)
            mesuresScene->oublieMarques();
    });
    connect(Check3, &QCheckBox::clicked, mesuresScene, &MesuresScene::oublieMarques);
}

namespace {

InstantScene instant(const feuilleP& f)
{
    InstantScene i;
    i.t = Module1::t;
    i.rebondActif = Module1::rebondActif;
    i.tRebond = f.anim.tRebond;
    i.enCours = f.Timer1->isActive();
    i.centre = QPointF(f.projectile->left() + demiImage, f.projectile->top() + demiImage);
    i.vitesse = analyse::vitesseCourante(Module1::etat, f.anim);
    const float x0 = float(Module1::lisNombre(f.Text1->text()));
    const float y0 = float(Module1::lisNombre(f.Text2->text()));
    i.centreInitial = QPointF(f.echelleScene().gaucheDe(x0) + demiImage, f.echelleScene().hautDe(y0) + demiImage);
    return i;
}

}  // namespace

void feuilleP::mesuresPhoto()
{
    if (mesuresScene)
        mesuresScene->photo(instant(*this));
}

void feuilleP::mesuresTick()
{
    if (mesuresScene)
        mesuresScene->tick(instant(*this));
}

void feuilleP::mesuresEfface()
{
    if (mesuresScene)
        mesuresScene->efface();
}
