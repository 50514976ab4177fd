// SPDX-License-Identifier: GPL-3.0-or-later
// The scene's scale: the "Échelle" submenu of the scene's context menu, the + and − keys on
// the scene, and "Ajuster au vol".

#include "scene/feuillep.h"

#include "analyse/mesuresscene.h"
#include "core/module1.h"
#include "sim/echelle.h"

#include <QAction>
#include <QActionGroup>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>

namespace {

// "9 px/m (40 m × 44 m)": the scale and what the frame then spans.
QString texteEchelle(sim::Echelle e)
{
    const double p = e.pixelsParMetre();
    QString t = e.texte() + QStringLiteral(" px/m (%1 m × %2 m)").arg(qRound(360 / p)).arg(qRound(396 / p));
    if (e.parDefaut())
        t += QStringLiteral(", par défaut");
    return t;
}

}  // namespace

void feuilleP::installeEchelle()
{
    menuEchelle = new QMenu(QStringLiteral("Échelle"), this);
    menuEchelle->setObjectName(QStringLiteral("menuEchelle"));
    auto* groupe = new QActionGroup(menuEchelle);
    for (float p : sim::echellesScene) {
        const sim::Echelle e(p);
        QAction* a = menuEchelle->addAction(texteEchelle(e));
        a->setObjectName(QStringLiteral("echelle_") + e.texte().replace(QLatin1Char(','), QLatin1Char('_')));
        a->setCheckable(true);
        a->setChecked(e == echelleScene_);
        a->setData(double(p));
        groupe->addAction(a);
        connect(a, &QAction::triggered, this, [this, e] { changeEchelleScene(e); });
    }
    menuEchelle->addSeparator();
    QAction* ajuste = menuEchelle->addAction(QStringLiteral("Ajuster au vol"));
    ajuste->setObjectName(QStringLiteral("ajusterAuVol"));
    connect(ajuste, &QAction::triggered, this, [this] { ajusteAuVol(); });
    if (mesuresScene) {
        mesuresScene->menuScene->addSeparator();
        mesuresScene->menuScene->addMenu(menuEchelle);
    }
}

void feuilleP::prendEchelleScene(sim::Echelle e)
{
    echelleScene_ = e;
    if (menuEchelle)
        for (QAction* a : menuEchelle->actions())
            if (a->isCheckable())
                a->setChecked(float(a->data().toDouble()) == e.pixelsParMetre());
}

void feuilleP::changeEchelleScene(sim::Echelle e)
{
    if (e == echelleScene_)
        return;
    prendEchelleScene(e);
    // The photographs and marks were drawn at the old scale: the scene starts afresh, as for a
    // new place, and the initial position is kept within what the new scale shows.
    Combo1_Click();
    Text1_LostFocus();
    Text2_LostFocus();
    annonceEchelle();
}

bool feuilleP::ajusteAuVol()
{
    const sim::Reglages r = reglages();
    const sim::Ajustement a = sim::ajusteAuVol(
        {r.x0, r.y0, Module1::vx, Module1::vy, Module1::g, r.projectile == int(sim::Projectile::Ballon), r.ralenti,
         r.trainee});
    changeEchelleScene(a.echelle);
    annonceEchelle(a.tient);
    return a.tient;
}

void feuilleP::annonceEchelle(bool tient)
{
    QString t = QStringLiteral("Échelle de la scène : ") + texteEchelle(echelleScene_) +
                QStringLiteral(". Touches + et − sur la scène, ou clic droit : « Échelle ».");
    if (!tient)
        t = QStringLiteral("Le vol ne tient pas entier dans la scène, même à la plus petite échelle. ") + t;
    info->setText(t);
}

bool feuilleP::toucheEchelle(QKeyEvent* e)
{
    const bool plus = e->key() == Qt::Key_Plus || e->key() == Qt::Key_Equal;
    const bool moins = e->key() == Qt::Key_Minus || e->key() == Qt::Key_Underscore;
    if (!plus && !moins)
        return false;
    if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    // + shows more detail (more pixels per metre), − a wider view.
    const sim::Echelle voulue = plus ? echelleScene_.plusGrande() : echelleScene_.plusPetite();
    if (voulue == echelleScene_) {
        annonceEchelle();
        return true;
    }
    changeEchelleScene(voulue);
    return true;
}
