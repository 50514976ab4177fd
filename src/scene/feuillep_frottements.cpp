// SPDX-License-Identifier: GPL-3.0-or-later
// Air resistance, an option: "Frottements de l'air" in the scene's context menu. The flight
// itself is src/sim's; here the option is kept, shown and announced on the help line.

#include "scene/feuillep.h"

#include "analyse/mesuresscene.h"
#include "core/nombres.h"
#include "sim/animation.h"
#include "sim/frottements.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>

namespace {

const QString texteOption = QStringLiteral("Frottements de l'air");

bool surLaLune(int lieu)
{
    return !(sim::masseVolumiqueAir(lieu) > 0);
}

// "Terre : ρ = 1,2 kg/m³ ; ballon : Cd = 0,25, diamètre 22 cm".
QString donnees(int lieu, const QString& nomLieu, int projectile, const QString& nomProjectile)
{
    QString t = nomLieu.section(QLatin1Char('('), 0, 0).trimmed() + QStringLiteral(" : ρ = ") +
                Module1::formate(sim::masseVolumiqueAir(lieu), QStringLiteral("0.0##")) + QStringLiteral(" kg/m³");
    if (const auto a = sim::aerodynamique(projectile)) {
        const double cm = a->diametre * 100.0;
        t += QStringLiteral(" ; ") + nomProjectile.section(QLatin1Char('('), 0, 0).trimmed() +
             QStringLiteral(" : Cd = ") + Module1::formate(a->cx, QStringLiteral("0.0#")) +
             QStringLiteral(", diamètre ") + (cm >= 100 ? Module1::formate(a->diametre, QStringLiteral("0.0#")) +
                                                              QStringLiteral(" m")
                                                        : Module1::formate(cm, QStringLiteral("0.#")) +
                                                              QStringLiteral(" cm"));
    }
    return t;
}

}  // namespace

void feuilleP::installeFrottements()
{
    frottementsAir = new QAction(texteOption, this);
    frottementsAir->setObjectName(QStringLiteral("frottementsAir"));
    frottementsAir->setCheckable(true);
    frottementsAir->setChecked(frottements_);
    connect(frottementsAir, &QAction::triggered, this, [this](bool actifs) { changeFrottements(actifs); });
    connect(frottementsAir, &QAction::hovered, this, [this] { info->setText(frottementsAir->statusTip()); });
    if (mesuresScene) {
        mesuresScene->menuScene->addAction(frottementsAir);
        connect(mesuresScene->menuScene, &QMenu::aboutToShow, this, [this] { majFrottements(); });
    }
    majFrottements();
}

// The action says what the option does here: nothing on the Moon, which has no air.
void feuilleP::majFrottements()
{
    if (!frottementsAir)
        return;
    const int lieu = Combo1->currentIndex();
    const bool lune = surLaLune(lieu);
    frottementsAir->setText(lune ? texteOption + QStringLiteral(" (sans effet sur la Lune)") : texteOption);
    const QString aide =
        lune ? QStringLiteral("Sur la Lune, il n'y a pas d'air : les frottements n'ont aucun effet sur le mouvement.")
             : QStringLiteral("Force de frottement ½·ρ·Cd·S·v², opposée à la vitesse.\r\n") +
                   donnees(lieu, Combo1->currentText(), Combo2->currentIndex(), Combo2->currentText()) +
                   QStringLiteral(".");
    frottementsAir->setStatusTip(aide);
    frottementsAir->setToolTip(aide);
}

void feuilleP::prendFrottements(bool actifs)
{
    frottements_ = actifs;
    if (frottementsAir)
        frottementsAir->setChecked(actifs);
    majFrottements();
}

void feuilleP::changeFrottements(bool actifs)
{
    if (actifs == frottements_) {
        prendFrottements(actifs);
        return;
    }
    prendFrottements(actifs);
    // The photographs and marks came from the other motion: the scene starts afresh.
    Combo1_Click();
    const int lieu = Combo1->currentIndex();
    if (!actifs)
        info->setText(QStringLiteral("Frottements de l'air désactivés : le mouvement suit la loi sans frottements."));
    else if (surLaLune(lieu))
        info->setText(QStringLiteral("Frottements de l'air activés, sans effet sur la Lune : il n'y a pas d'air."));
    else
        info->setText(QStringLiteral("Frottements de l'air activés.\r\n") +
                      donnees(lieu, Combo1->currentText(), Combo2->currentIndex(), Combo2->currentText()) +
                      QStringLiteral("."));
}
