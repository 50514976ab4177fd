// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One experiment set-up of an exercise, as the configuration file keeps it: the list indexes,
// the three display options and the five field texts exactly as the fields show them.

#include "sim/echelle.h"

#include <QString>

namespace exercices {

struct Montage {
    int lieu = 0;        // Combo1: 0 Terre, 1 Lune, 2 Mars
    int projectile = 2;  // Combo2: 0 pomme, 1 pierre, 2 ballon, 3 boule, 4 rocher
    int repere = 1;      // Check1 "Afficher le repère"
    int dates = 1;       // Check2 "Date et coordonnées"
    int grille = 0;      // Check3 "Afficher la grille"
    QString x0 = QStringLiteral("0,0");
    QString y0 = QStringLiteral("0,0");
    QString v0 = QStringLiteral("14,0");
    QString angle = QStringLiteral("85,0");
    QString chrono = QStringLiteral("150");
    QString echelle = QStringLiteral("36");  // the scene's scale in px/m (the file's record 12)
    bool frottements = false;  // "Frottements de l'air" (the file's record 13)
    // What the pupil does, not kept in the configuration file: true when the flight is run by
    // the camera button (photographs from date 0), false when by the start button.
    bool enregistre = false;

    // Sets one value from its source key ("lieu", "x0", "options", "procedure" …); false for an
    // unknown key or value.
    bool regle(const QString& cle, const QString& valeur);
    sim::Echelle echelleScene() const { return sim::Echelle::depuisTexte(echelle).value_or(sim::Echelle()); }
};

// The place's field strength as the program stores it (32-bit).
float gDuLieu(int lieu);
// The projectile's mass in kg, as its list entry gives it.
double masseDuProjectile(int projectile);
// The list entries, as the panel shows them ("Terre ( g = 9,8 N / kg )", "pomme ( m = 180 g )").
QString texteDuLieu(int lieu);
QString texteDuProjectile(int projectile);

}  // namespace exercices
