// SPDX-License-Identifier: GPL-3.0-or-later
// The chronophotography button.

#include "scene/feuillep.h"

#include "core/module1.h"
#include "core/nombres.h"
#include "widgets/picturebox.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTimer>

void feuilleP::command12_Click()
{
    Picture2->setFocus();
    // The frame cannot be shown while photographs are taken: they are painted into the picture.
    if (Check1->isChecked()) {
        Check1->setChecked(false);
        Check1_Click();
    }
    Check1->setEnabled(false);
    if (chronoActif == 0) {
        chronoActif = 1;
        if (Module1::t == 0.0f)
            photographieDepuisZero_ = true;
        else if (Timer1->isActive())
            photographieDepuisZero_ = false;
        anim.prochainePhoto = Module1::t;
        if (!Timer1->isActive()) {
            const sim::Reglages r = reglages();
            if (r.y0 != 0 || Module1::lisNombre(Text3->text()) != 0) {
                Timer1->start();
                if (MMControl1)
                    MMControl1->prepare();
            }
        }
    } else {
        chronoActif = 0;
        photographieDepuisZero_ = false;
        Check1->setEnabled(true);
    }
    maj12();
}
