// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The body of a libFuzzer target built on one of the checks of verifications.h: a failed check
// is reported and aborts, so that libFuzzer keeps the input as a finding.

#include "verifications.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

inline int verifieEntree(QString (*verification)(const QByteArray&), const uint8_t* donnees, size_t taille)
{
    const QString erreur = verification(QByteArray(reinterpret_cast<const char*>(donnees), qsizetype(taille)));
    if (!erreur.isEmpty()) {
        std::fprintf(stderr, "%s\n", erreur.toUtf8().constData());
        std::abort();
    }
    return 0;
}
