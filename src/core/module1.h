// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shared variables of the whole program. Every window reads and writes them directly; all of
// them live on the user-interface thread, so no locking is needed.

#include <QString>
#include <QtGlobal>

// The simulation's run state that every window reads.
struct SimulationState {
    float t = 0.0f;          // current date, s
    float g = 9.8f;          // field strength of the chosen place, N/kg
    float vx = 0.0f;         // horizontal component of the initial velocity, m/s
    float vy = 0.0f;         // vertical component of the initial velocity, m/s
    qint16 rebondActif = 0;  // 0 free flight, 1 first bounce pending, 2 bouncing
};

namespace Module1 {

extern SimulationState etat;

// The historical names, bound to the shared state.
inline float& t = etat.t;
inline float& g = etat.g;
inline float& vx = etat.vx;
inline float& vy = etat.vy;
inline qint16& rebondActif = etat.rebondActif;

// Exercise window flags and paths.
extern qint16 texteModifie;     // 1 when the exercise text was changed
extern qint16 exerciceCorrige;  // 1 when the open exercise has a correction
extern QString dossierExercice;
extern QString cheminConfig;    // configuration last saved or to be loaded

// Calculator memory: outlives the calculator window.
extern double memoire;

// Puts every shared variable back to its start-up value (tests start from a clean slate).
void reinitialise();

}  // namespace Module1
