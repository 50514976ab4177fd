// SPDX-License-Identifier: GPL-3.0-or-later
// The animation: the timer's tick applies what the simulation core computed; the buttons
// start, pause and reset it.

#include "scene/feuillep.h"

#include "core/module1.h"
#include "core/nombres.h"
#include "scene/aides.h"
#include "sim/echelle.h"
#include "widgets/imagecontrol.h"
#include "widgets/picturebox.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QToolButton>
#include <QPushButton>

sim::Placement feuilleP::placement() const
{
    return {projectile->left(), projectile->top(), ombre->left()};
}

void feuilleP::placeImages(const sim::Placement& p)
{
    projectile->deplace(p.gauche, p.haut);
    ombre->setLeft(p.ombreGauche);
}

void feuilleP::ecritAffichage(const sim::Affichage& a)
{
    Label1->setText(a.x);
    Label2->setText(a.date);
    Label4->setText(a.y);
    nommeScene(a);
}

void feuilleP::photo()
{
    Picture2->PaintPicture(projectile->picture(), QPointF(projectile->left(), projectile->top()));
    mesuresPhoto();
    if (Check1->isChecked())
        repere();
}

void feuilleP::Timer1_Timer()
{
    sim::Placement place = placement();
    const sim::ResultatTick r = sim::tick(Module1::etat, anim, place, reglages());
    placeImages(place);
    ecritAffichage(r.affichage);
    for (sim::Action a : r.actions) {
        switch (a) {
        case sim::Action::Impact:
            if (MMControl1)
                MMControl1->joue();
            break;
        case sim::Action::FinDuMouvement:
            Timer1->stop();
            Check1->setEnabled(true);
            break;
        case sim::Action::Photo:
            photo();
            break;
        case sim::Action::MajChrono:
            maj12();
            break;
        case sim::Action::Sortie:
            command16_Click();
            command18_Click();
            plateforme().beep();
            break;
        }
    }
    mesuresTick();
}

void feuilleP::command15_Click()
{
    Picture2->setFocus();
    if (chronoActif != 0)
        photographieDepuisZero_ = false;
    chronoActif = 0;
    Check1->setEnabled(true);
    maj12();
    const sim::Reglages r = reglages();
    if (r.y0 != 0 || Module1::lisNombre(Text3->text()) != 0) {
        Timer1->start();
        if (MMControl1)
            MMControl1->prepare();  // the impact sound, ready before the landing
    }
}

void feuilleP::command16_Click()
{
    Picture2->setFocus();
    if (chronoActif != 0)
        photographieDepuisZero_ = false;
    chronoActif = 0;
    Check1->setEnabled(true);
    maj12();
    Timer1->stop();
}

void feuilleP::command18_Click()
{
    if (!quitteChamp_)
        Picture2->setFocus();
    Module1::t = 0.0f;
    Module1::rebondActif = 0;
    chronoActif = 0;
    photographieDepuisZero_ = false;
    const sim::Reglages r = reglages();
    projectile->deplace(echelleScene_.gaucheInitiale(r.x0), echelleScene_.hautInitial(r.y0));
    ombre->setLeft(projectile->left());
    ecritAffichage(sim::textesAffichage(r.x0, 0.0f, r.y0));
    maj12();
    plusbouton();
}

void feuilleP::voxvoy()
{
    const sim::Vitesse v = sim::voxvoy(float(Module1::lisNombre(Text3->text())),
                                       float(Module1::lisNombre(Text4->text())));
    Module1::vx = v.vx;
    Module1::vy = v.vy;
}

void feuilleP::plusbouton()
{
    const bool actifs = sim::plusbouton(Module1::vy, reglages().y0);
    for (QWidget* b : std::initializer_list<QWidget*>{command12, Command14, command15, command16, command18})
        b->setEnabled(actifs);
}

void feuilleP::maj12()
{
    const bool enregistre = chronoActif != 0;
    command12->setIcon(QIcon(enregistre ? Image6->pixmap() : Image5->pixmap()));
    const QString avant = aides::chronophotographie(command12->toolTip());
    command12->setToolTip(enregistre ? QStringLiteral("Arrêter la chronophotographie")
                                     : QStringLiteral("Chronophotographie"));
    command12->setAccessibleName(command12->toolTip());
    // The help line follows the button's state while it speaks of the button.
    if (command12->underMouse() || info->text() == avant)
        info->setText(aides::chronophotographie(command12->toolTip()));
}
