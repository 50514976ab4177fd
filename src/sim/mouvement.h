// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Motion law of the projectile: velocity components, free flight, bounce constants.

#include <QString>

namespace sim {

constexpr double piSimulation = 3.1415927;
constexpr double restitution = 0.7;   // both velocity components, at each impact
constexpr double vitesseArretRebond = 2.0;  // m/s: below it the balloon stops bouncing

struct Vitesse {
    float vx;
    float vy;
};

// vx = v0·cos a, vy = v0·sin a, a in degrees from Ox, positive anticlockwise.
Vitesse voxvoy(float v0, float angleDegres);

// Free flight at date t: x in 32-bit, y in 64-bit.
float xLibre(float x0, float vx, float t);
double yLibre(float y0, float vy, float g, float t);

// The same law in 64-bit for measurements: position and velocity of the free flight at date t,
// from the 32-bit inputs the scene uses.
struct EtatVol {
    double x;
    double y;
    double vx;
    double vy;
};
EtatVol etatLibre(float x0, float y0, float vx, float vy, float g, double t);

// The three display texts of the scene: "x = … m", "date: t = … s", "y = … m"
// (y is shown as 0 when below the ground).
struct Affichage {
    QString x;
    QString date;
    QString y;
};
Affichage textesAffichage(float x, float t, double y);

// The five animation buttons are available unless the projectile lies on the ground and is
// not thrown upwards.
bool plusbouton(float vy, float y0);

}  // namespace sim
