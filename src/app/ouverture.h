// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A file named on the command line (or double-clicked in a file manager) opened in the window:
// a set-up is loaded as the open dialog loads it, an exercise description opened as "Ouvrir un
// exercice" opens it.

#include <QString>

class Fichexo;
class feuilleP;

// A name ending in ".E03" (any letter case) goes to the exercise window; anything else to the
// set-up reader, whose messages say what is wrong with it.
void ouvreFichier(feuilleP& fenetre, Fichexo& exercices, const QString& chemin);
