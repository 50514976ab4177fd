// SPDX-License-Identifier: GPL-3.0-or-later
// Output of the scene (print, copy) and the help and course commands.

#include "scene/feuillep.h"

#include "platform/navigateur_aide.h"
#include "scene/aide_f1.h"
#include "platform/plateforme.h"
#include "print/confimp.h"
#include "widgets/picturebox.h"

#include <QCheckBox>
#include <QLabel>

void feuilleP::Command10_Click()
{
    miseniv();
    {
        confimp fenetre(Picture2, &sauvetage, this);
        fenetre.exec();
    }  // unloaded here at the latest: the scene is back
    if (Check1->isChecked())
        repere();
}

void feuilleP::Command4_Click()
{
    miseniv();
    plateforme().copieImage(Picture2->Image());
    impression::restaureScene(*Picture2, sauvetage);
    if (Check1->isChecked())
        repere();
    info->setText(confirmationCopie);
}

void feuilleP::Command7_Click()
{
    // The scene's background is kept aside while the help is shown and given back after.
    // Only the background: fixing the composite would freeze the frame into the picture, and
    // "Afficher le repère" could no longer take it away.
    sauvetage = Picture2->picture();
    plateforme().afficheAide(this, documentAide(cheminProgramme(QStringLiteral("TUVA.hlp"))));
    if (!sauvetage.isNull())
        Picture2->setPicture(sauvetage);
    sauvetage = QImage();
}

void feuilleP::Command9_Click()
{
    // The course becomes the application's help file: F1 opens it from now on.
    choisitFichierAide(QStringLiteral("Voirlecours.chm"));
    plateforme().afficheAide(this, documentAide(cheminProgramme(fichierAide())));
}
