// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target over lisNombre, the number reader behind every field and record, against the C library's strtod.

#include "cible.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille)
{
    return verifieEntree(verifications::nombre, donnees, taille);
}
