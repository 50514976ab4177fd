// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An exercise as a teacher writes it: a header of "key: value" lines (title, level, notions,
// set-ups, checked figures) followed by the statement and the correction in simple HTML.
//
//   titre: L'angle qui porte le plus loin
//   fichier: angle            base name of the files made from this source
//   description: BALTOR.PEM   name of the description file (default: <fichier>.E03)
//   classe: Seconde           kept in the description, not shown
//   difficulte: 1             0 to 3 marks ("1.5" lights two)
//   notions: Portée           up to four lines, shown one under the other
//   procedure: chronophotographie   how the pupil runs the flight: "chronophotographie" (camera
//                             button, photographs from date 0) or "animation" (start button)
//   outils: marques, tableau  tools of the scene's context menu the pupil uses (figures named
//                             "marques.…", "tableau.…", "deltav.…", "graphes.…" or "python.…" need
//                             theirs listed)
//   lieu: Terre               statement set-up: lieu, projectile, options, x0, y0, v0, angle, chrono,
//                             echelle (the scene's scale in px/m: 36 unless given)
//   correction.angle: 45,0    correction set-up: the statement's, with these changes
//   correction.montage: oui   a correction set-up identical to the statement's
//   enonce.montage: non       no set-up with the statement (the simulator is left as it is)
//   controle: portee[angle=60,0] = 7,16      a figure of the text, checked against the program
//   controle.correction: hmax = 4,51         the same for the correction's set-up
//   === enonce ===
//   <p>…</p>                  under "<h2>Questions</h2>", each <li> prints with two answer
//                             lines; <li lignes="N"> asks for N
//   === correction ===
//   <p>…</p>

#include "montage.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace exercices {

struct Controle {
    int ligne = 0;
    bool correction = false;  // computed on the correction's set-up
    QString expression;       // "portee[angle=60,0]"
    QString valeur;           // "7,16", as written in the text
};

struct SourceExercice {
    QString fichier;
    QString description;
    QString titre;
    QString classe;
    QString difficulte = QStringLiteral("0");
    QStringList notions;
    bool montageEnonce = true;
    Montage enonce;
    std::optional<Montage> correction;  // set-up of the correction
    QString htmlEnonce;
    QString htmlCorrection;             // empty: no correction text
    QList<Controle> controles;
    QStringList outils;                 // "marques", "tableau", "vecteurs", "deltav", "graphes", "python"

    bool corrige() const { return !htmlCorrection.isEmpty() || correction.has_value(); }
};

// Reads a source; on error returns nullopt with "line: message" in erreur.
std::optional<SourceExercice> lisSource(const QString& texte, QString* erreur);

// The set-up with the overrides of an expression ("portee[angle=60,0; lieu=Lune]"); the bare
// quantity name is returned in nom. nullopt when an override is unknown.
std::optional<Montage> avecChangements(const Montage& base, const QString& expression, QString* nom);

// Checks one figure: empty when it agrees to the last decimal written, else a French message.
QString verifie(const SourceExercice& s, const Controle& c);

}  // namespace exercices
