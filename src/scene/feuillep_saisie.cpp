// SPDX-License-Identifier: GPL-3.0-or-later
// Editing the initial conditions: key filters, validation when a field is left, and the
// drag of the projectile on the scene.

#include "scene/feuillep.h"

#include "core/module1.h"
#include "core/nombres.h"
#include "sim/echelle.h"
#include "sim/saisie.h"
#include "widgets/imagecontrol.h"
#include "widgets/picturebox.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace {

// Enter runs the field's validation; a refused key is dropped.
void filtre(sim::Champ champ, QChar& touche)
{
    touche = sim::filtreTouche(champ, touche);
}

}  // namespace

void feuilleP::Text1_KeyPress(QChar& touche)
{
    filtre(sim::Champ::X0, touche);
    if (touche == sim::toucheEntree)
        Text1_LostFocus();
}

void feuilleP::Text2_KeyPress(QChar& touche)
{
    filtre(sim::Champ::Y0, touche);
    if (touche == sim::toucheEntree)
        Text2_LostFocus();
    if (touche == sim::toucheEntree || touche.isNull())
        plusbouton();
}

void feuilleP::Text3_KeyPress(QChar& touche)
{
    filtre(sim::Champ::V0, touche);
    if (touche == sim::toucheEntree)
        Text3_LostFocus();
}

void feuilleP::Text4_KeyPress(QChar& touche)
{
    filtre(sim::Champ::Angle, touche);
    if (touche == sim::toucheEntree)
        Text4_LostFocus();
}

void feuilleP::chrono_KeyPress(QChar& touche)
{
    filtre(sim::Champ::Chrono, touche);
    if (touche == sim::toucheEntree)
        chrono_LostFocus();
}

void feuilleP::arreteEtRevient()
{
    Timer1->stop();
    Check1->setEnabled(true);
    command18_Click();
}

void feuilleP::Text1_LostFocus()
{
    const sim::Position p = sim::valideX0(Text1->text(), echelleScene_);
    projectile->setLeft(p.coord);
    ombre->setLeft(projectile->left());
    Text1->setText(p.texte);
    arreteEtRevient();
}

void feuilleP::Text2_LostFocus()
{
    const sim::Position p = sim::valideY0(Text2->text(), echelleScene_);
    projectile->setTop(p.coord);
    ombre->setLeft(projectile->left());
    Text2->setText(p.texte);
    arreteEtRevient();
}

void feuilleP::Text3_LostFocus()
{
    Text3->setText(sim::valideV0(Text3->text()));
    voxvoy();
    arreteEtRevient();
}

void feuilleP::Text4_LostFocus()
{
    Text4->setText(sim::valideAngle(Text4->text()));
    voxvoy();
    arreteEtRevient();
}

void feuilleP::chrono_LostFocus()
{
    chrono->setText(sim::valideChrono(chrono->text()));
}

void feuilleP::projectile_MouseMove(Qt::MouseButtons boutons, Qt::KeyboardModifiers, double x, double y)
{
    if (Timer1->isActive()) {
        projectile->setCursor(QCursor(Qt::ArrowCursor));
        return;
    }
    projectile->setCursor(QCursor(boutons & Qt::LeftButton ? Qt::ClosedHandCursor : Qt::OpenHandCursor));
    if (boutons == Qt::NoButton) {
        enPrise = 0;
        return;
    }
    if (!(boutons & Qt::LeftButton))
        return;
    Timer1->stop();
    Check1->setEnabled(true);
    Module1::t = 0.0f;
    Module1::rebondActif = 0;
    if (enPrise == 0) {
        prisX = qint16(qRound(x));
        prisY = qint16(qRound(y));
    }
    enPrise = 1;
    const double gauche = qBound(0.0, sim::enTwips(projectile->left() + x - prisX), sim::gaucheMax);
    const double haut = qBound(0.0, sim::enTwips(projectile->top() + y - prisY), sim::hautMax);
    projectile->deplace(gauche, haut);
    ombre->setLeft(projectile->left());
    Text1->setText(sim::texteX0(gauche, echelleScene_));
    Text2->setText(sim::texteY0(haut, echelleScene_));
    ecritAffichage(sim::textesAffichage(echelleScene_.xDe(gauche), Module1::t, echelleScene_.yDe(haut)));
    plusbouton();
}

bool feuilleP::toucheChamp(QObject* objet, QKeyEvent* e)
{
    QChar touche;
    if (e->key() == Qt::Key_Backspace)
        touche = sim::toucheRetour;
    else if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)
        touche = sim::toucheEntree;
    else if (e->text().size() == 1 && e->text()[0].isPrint() && !(e->modifiers() & Qt::ControlModifier))
        touche = e->text()[0];
    else
        return false;  // navigation and editing keys are not characters: the field handles them

    const QChar tapee = touche;
    if (objet == Text1)
        Text1_KeyPress(touche);
    else if (objet == Text2)
        Text2_KeyPress(touche);
    else if (objet == Text3)
        Text3_KeyPress(touche);
    else if (objet == Text4)
        Text4_KeyPress(touche);
    else
        chrono_KeyPress(touche);

    if (touche.isNull() || touche == sim::toucheEntree)
        return true;
    if (touche != tapee) {
        static_cast<QLineEdit*>(objet)->insert(QString(touche));
        return true;
    }
    return false;
}
