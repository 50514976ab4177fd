// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the sound module gives the program: one loaded sound file that plays from its start.
// The module (libbaltor-son.so, built with the toolkit's multimedia library) is loaded only when
// a flight first needs a sound, so the program starts without that library and its audio client.

#include <QString>

class EffetSon {
public:
    virtual ~EffetSon() = default;
    virtual void joue() = 0;  // from the beginning, even if it is still playing
    virtual void arrete() = 0;
};

// The module's one entry point: a new sound for a file (never null).
using CreeEffetSon = EffetSon* (*)(const QString& fichier);
inline constexpr const char* nomCreeEffetSon = "baltorCreeEffetSon";
