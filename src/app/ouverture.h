#pragma once
// A file named on the command line (or double-clicked in a file manager) opened in the window:
// a set-up is loaded as the open dialog loads it, an exercise description opened as "Ouvrir un
// exercice" opens it.

#include <QString>

class feuilleP;

void ouvreFichier(feuilleP& fenetre, const QString& chemin);
