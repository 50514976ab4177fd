// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The name field of the save dialog: from what the user typed to the full path of the file.

#include <QString>

namespace Config {

// Either the path to save to (".P03" appended), or empty when the field holds no name.
struct NomEnregistrement {
    QString chemin;
    bool vide() const { return chemin.isEmpty(); }
};

// Blanks at both ends are dropped and the file name (after the last "/" or "\") loses
// everything from its first "." on; a folder's dot is kept. A bare name goes in `dossier`;
// a field with a separator is a path, a relative one taken from `dossier`. "\" reads as "/".
NomEnregistrement nomEnregistrement(const QString& champ, const QString& dossier);

// What follows the last "/" or "\" of a name field: the bare name.
QString nomSeul(const QString& champ);

}  // namespace Config
