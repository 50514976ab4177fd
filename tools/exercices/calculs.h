// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The figures an exercise quotes, computed from its set-up with the simulator's own motion law
// and tick, so that the statement and the correction agree with what the program shows.

#include "montage.h"

#include <QList>
#include <QString>

#include <optional>

namespace exercices {

// One impact of a bouncing balloon, as the bounce step records it.
struct Impact {
    float t;    // date of the impact, s
    float x;    // abscissa of the impact point, m
    float vy;   // vertical velocity after the impact, m/s (upwards > 0)
};

// What the animation shows from the start until the motion ends.
struct Deroulement {
    bool sortie = false;       // the projectile left the scene sideways (automatic reset)
    bool fin = false;          // the motion ended on the ground
    float xAffiche = 0;        // x shown in the tick the motion ended
    float tAffiche = 0;        // date shown in that tick
    float hautMin = 420;       // highest point reached by the picture (smallest top)
    QList<Impact> impacts;     // balloon: every impact after the first landing
};

Deroulement deroule(const Montage& m);

// The value of a named quantity: g, vx, vy, duree, xsol, portee, hmax, tsommet, xsommet, vsol,
// xaffiche, taffiche, m, x(t), y(t), vy(t), v(t), ec(t), ep(t), em(t), vrebond(k), hrebond(k),
// trebond(k), nrebonds. nullopt with a French message for an unknown name.
std::optional<double> grandeur(const Montage& m, const QString& nom, QString* erreur = nullptr);

// What is wrong with a set-up: a field the program would rewrite (clamped or reformatted),
// a projectile that cannot be thrown, or one that leaves the scene. Empty when sound.
QStringList defautsMontage(const Montage& m);

}  // namespace exercices
