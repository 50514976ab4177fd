// SPDX-License-Identifier: GPL-3.0-or-later
// "&Enregistrer" and "&Ouvrir": the configuration windows, once they have been handed over.

#include "scene/feuillep.h"

void feuilleP::Command11_Click()
{
    if (dialogueEnregistrer)
        dialogueEnregistrer(*this);
}

void feuilleP::Command2_Click()
{
    if (dialogueOuvrir)
        dialogueOuvrir(*this);
}
