// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The figures an exercise quotes, computed from its set-up with the simulator's own motion law
// and tick, so that the statement and the correction agree with what the program shows.

#include "montage.h"

#include <QList>
#include <QString>

#include <optional>

namespace exercices {

// One photograph of the chronophotography, as the scene paints it.
struct Photo {
    float t;   // date shown in that tick, s
    float x;   // position of the picture, m
    float y;
    int arc;   // 0 before the first contact with the ground, k after the k-th
};

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
    QList<Photo> photos;       // when recording: every photograph, the last one at the stop
};

// The ticks the scene runs from date 0 until the motion ends, started by the camera button when
// the set-up says the pupil records (the dates then fall back onto each photograph's date), by
// the start button otherwise.
Deroulement deroule(const Montage& m);

// The value of a named quantity. Exact values of the motion law (as the summary of the table of
// positions computes them): g, vx, vy, m, duree, xsol, portee, hmax, tsommet, xsommet, vsol,
// x(t), y(t), vy(t), v(t), ec(t), ep(t), em(t). What the scene shows with the set-up's procedure:
// xaffiche, taffiche (the stop), nrebonds, vrebond(k), hrebond(k), trebond(k), xrebond(k),
// photos, tphoto(n), xphoto(n), yphoto(n) (n from 0), hphoto(k) (highest photograph of arc k).
// What a tool shows: marques.portee, marques.hmax (the marks "Sommet et point de chute"),
// tableau.t(n), tableau.x(n), tableau.y(n), tableau.vx(n), tableau.vy(n), tableau.v(n), the Δv
// arrows: deltav.echelle (value of the scale arrow), deltav.x(n), deltav.y(n), deltav.norme(n);
// the curves of the velocity and energy window at date t: graphes.vx(t), graphes.vy(t),
// graphes.v(t), graphes.ec(t), graphes.epp(t), graphes.em(t); what the exported Python script
// prints: python.v(i), python.dv(i), python.attendu (g·2τ), python.points.
// nullopt with a French message for an unknown name.
std::optional<double> grandeur(const Montage& m, const QString& nom, QString* erreur = nullptr);

// What is wrong with a set-up: a field the program would rewrite (clamped or reformatted),
// a projectile that cannot be thrown, or one that leaves the scene. Empty when sound.
QStringList defautsMontage(const Montage& m);

}  // namespace exercices
