// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target over the record files and the reading of a configuration's 11 records, with
// the validation of the five field texts it restores.

#include "cible.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille)
{
    return verifieEntree(verifications::configuration, donnees, taille);
}
