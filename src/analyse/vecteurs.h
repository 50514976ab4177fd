// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Velocity and velocity-change vectors at the photograph dates, their scales on the scene and
// the scene's metre-to-pixel mapping of a point.

#include "analyse/tableau.h"
#include "sim/echelle.h"

#include <QPointF>
#include <QVector>

struct SimulationState;
namespace sim {
struct EtatAnimation;
}

namespace analyse {

// A vector drawn from a point of the flight: origin in metres, components in m/s.
struct Vecteur {
    QPointF origine;
    QPointF composantes;
};

// At every row: the velocity from the position.
QVector<Vecteur> vecteursVitesse(const QVector<Ligne>& lignes);
// At every row with a neighbour on each side: Δvi = v(i+1) − v(i−1), from the position Mi.
QVector<Vecteur> vecteursDeltaV(const QVector<Ligne>& lignes);

// The rows where the projectile flies on the scene, one run per arc (the balloon's bounces
// too; not where it lies on the ground after an impact): vectors and Δv follow each run.
QVector<QVector<Ligne>> lignesEnVol(const Conditions& c);

// Pixel of the scene of the point (x, y) in metres, at the scene's scale.
QPointF versScene(double x, double y, sim::Echelle e = {});

// Length of the longest arrow, in pixels.
constexpr double longueurFleche = 60.0;
// Pixels per m/s, so the fastest moment of the flight (the landing, or the launch from the
// ground) gives a 60-pixel arrow; 0 when nothing moves.
double echelleVitesse(const Conditions& c);
// Pixels per m/s for Δv: every Δv of one arc is 2·g·τ long.
double echelleDeltaV(const Conditions& c);
// The round value (1, 2 or 5 times a power of ten) shown by the scale arrow: the largest one
// not above `maximum`.
double valeurRonde(double maximum);

// The velocity of the projectile on the scene at the current tick: free flight from the
// initial conditions, or the arc since the last bounce.
QPointF vitesseCourante(const SimulationState& etat, const sim::EtatAnimation& anim);

}  // namespace analyse
