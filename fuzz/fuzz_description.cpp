// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target over the exercise description reader (.E03 and BALTOR.PEM): every record
// reads as the bytes of its slot, or blank when missing or damaged.

#include "cible.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille)
{
    return verifieEntree(verifications::description, donnees, taille);
}
