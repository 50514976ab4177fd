// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target over the validators of the five fields: what they write is a valid text of
// the field, inside its bounds, and the picture never goes beyond the placement limit.

#include "cible.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille)
{
    return verifieEntree(verifications::saisie, donnees, taille);
}
