// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line: open a file in the window, or write the scene, the graphs or the table of
// positions without a window. Pure: no window, no message box, French texts for the terminal.

#include <QString>
#include <QStringList>

struct Arguments {
    enum class Mode { Fenetre, Aide, Version, Export, Erreur };
    Mode mode = Mode::Fenetre;

    QString fichier;        // .P03 or .E03 to open (optional)
    QString image;          // --image
    QString graphes;        // --graphes
    QString mesures;        // --mesures: .csv, or .ods for a spreadsheet
    QString python;         // --python
    bool pythonEleve = false;  // --python-eleve: the pupil's script, computations left blank
    int chronoMs = -1;      // --chrono; -1: the set-up's own interval
    bool repere = false;    // --repere
    bool grille = false;    // --grille
    bool vecteurs = false;     // --vecteurs
    bool deltaV = false;       // --deltav
    bool trajectoire = false;  // --trajectoire
    bool sommet = false;       // --sommet
    int taille = 1;            // --taille: 1 to 4, the picture enlarged, overlays and texts drawn at that size
    float echelle = 0;      // --echelle in pixels per metre; 0: the set-up's own scale
    bool ajuster = false;   // --echelle ajuster: the largest scale that shows the whole flight
    bool frottements = false;  // --frottements: air resistance on, in the window or the exports

    QString erreur;         // Mode::Erreur: the message for the standard error stream

    bool exporte() const { return !image.isEmpty() || !graphes.isEmpty() || !mesures.isEmpty() || !python.isEmpty(); }
};

// Reads the arguments (the program's name first, as in argv).
Arguments analyseArguments(const QStringList& arguments);

// What --help prints, and --version.
QString texteAide(const QString& nomProgramme);
QString texteVersion();

// Exit statuses of the command line.
namespace CodeSortie {
constexpr int Succes = 0;
constexpr int Fichier = 1;     // a file that cannot be read or written
constexpr int Arguments = 2;   // bad arguments
}  // namespace CodeSortie
