// SPDX-License-Identifier: GPL-3.0-or-later
// The scene's frame, the display options and the flattening of the scene for output.

#include "scene/feuillep.h"

#include "scene/repere.h"
#include "widgets/imagecontrol.h"
#include "widgets/picturebox.h"

#include <QCheckBox>
#include <QLabel>

void feuilleP::repere()
{
    dessineRepere(*Picture2, Check3->isChecked(), echelleScene_);
}

void feuilleP::Check1_Click()
{
    if (Check1->isChecked()) {
        repere();
        Check3->setEnabled(true);
    } else {
        Picture2->Cls();
        Check3->setEnabled(false);
    }
}

void feuilleP::Check3_Click()
{
    Picture2->Cls();
    repere();
}

void feuilleP::Check2_Click()
{
    const bool visibles = Check2->isChecked();
    for (QLabel* l : {Label1, Label2, Label4})
        l->setVisible(visibles);
}

void feuilleP::miseniv()
{
    const bool repereAffiche = Check1->isChecked();
    if (repereAffiche) {
        Check1->setChecked(false);
        Check1_Click();
    }
    sauvetage = Picture2->ImageSansSurcouche();  // the measuring tools stay apart, as on the screen
    if (repereAffiche) {
        Check1->setChecked(true);
        Check1_Click();
    }
    Picture2->drawStyle = 0;
    if (Check2->isChecked()) {
        for (QLabel* l : {Label1, Label2, Label4}) {
            Picture2->police = l->font();
            Picture2->courant = QPointF(l->x(), l->y());
            Picture2->foreColor = l->palette().color(QPalette::WindowText);
            Picture2->Print(l->text());
        }
    }
    Picture2->PaintPicture(projectile->picture(), QPointF(projectile->left(), projectile->top()));
    Picture2->PaintPicture(ombre->picture(), QPointF(ombre->left(), ombre->top()));
}
