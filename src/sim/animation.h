// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One tick of the animation, as pure code: it advances the date, moves the two pictures and
// says, in order, what the window must do (sound, stop the timer, photograph, beep …).

#include "core/module1.h"
#include "sim/echelle.h"
#include "sim/mouvement.h"

#include <QList>

namespace sim {

constexpr double pasNormal = 0.04;   // s per tick: real time with a 40 ms timer
constexpr double pasRalenti = 0.02;  // slow motion

enum class Lieu { Terre = 0, Lune = 1, Mars = 2 };
enum class Projectile { Pomme = 0, Pierre = 1, Ballon = 2, Boule = 3, Rocher = 4 };

// The main window's own run state.
struct EtatAnimation {
    qint16 chronoActif = 0;     // 1 while photographs are recorded
    float prochainePhoto = 0.0f;
    qint16 photoDue = 0;
    float xRebond = 0.0f;
    float yRebond = 0.0f;
    float vxRebond = 0.0f;
    float vyRebond = 0.0f;
    float tRebond = 0.0f;
};

// Placement of the projectile and its shadow (the shadow's top never changes).
struct Placement {
    double gauche = 14.0;
    double haut = 420.0;
    double ombreGauche = 14.0;
};

// What the tick reads from the window's controls.
struct Reglages {
    float x0 = 0.0f;
    float y0 = 0.0f;
    int lieu = 0;            // Combo1 index
    int projectile = 2;      // Combo2 index
    bool ralenti = false;    // "Ralenti"
    bool sortieInitialise = true;  // "Initialiser si sortie de l'écran"
    double intervalleMs = 150.0;   // number in `chrono`
    Echelle echelle;               // the scene's scale
    double trainee = 0.0;          // air resistance, k = ρ·Cd·S/(2m) in 1/m; 0: the closed form
};

enum class Action {
    Impact,            // play the projectile's impact sound
    FinDuMouvement,    // the timer stops and the frame box is enabled again
    Photo,             // paint the projectile's picture into the scene (then the frame over it)
    MajChrono,         // refresh the chronophotography button
    Sortie,            // pause, back to the initial position, beep
};

struct ResultatTick {
    Affichage affichage;
    QList<Action> actions;
};

// Date of the photograph after the one at `date`: the dates are 32-bit floats advanced by the
// interval, so every reader of the photograph dates finds the ones the scene takes.
float photoSuivante(float date, double intervalleMs);

// Timer1_Timer without the window: everything but the drawing.
ResultatTick tick(SimulationState& etat, EtatAnimation& anim, Placement& place, const Reglages& r);

// The bounce step (called by tick when a bounce is under way).
void rebond(SimulationState& etat, EtatAnimation& anim, Placement& place, const Reglages& r,
            ResultatTick& resultat);

}  // namespace sim
