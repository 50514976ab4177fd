// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target over the calculator's expression engine: any typed text ends in a result
// code, and a success in a finite number that reads back as itself.

#include "cible.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille)
{
    return verifieEntree(verifications::calcul, donnees, taille);
}
