// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The whole free flight sampled from the initial conditions, and one scale per axis.
// Positions are in the graphs' own frame: origin (20, 225), axes 200 units long, y downwards.

#include <QColor>
#include <QPointF>
#include <QString>
#include <QVector>

// One axis: full scale m·10^e shown as m divisions of 10^e. m == 0 when no scale fits.
struct EchelleAxe {
    qint16 m = 0;
    qint16 e = 0;

    bool valide() const { return m != 0; }
    double pleineEchelle() const;
    double division() const;
    // Distance between two grid lines, in frame units.
    int pasGrille() const;
    // " : 1 division correspond à 0,1 m"
    QString texteDivision(const QString& unite) const;
    double versHorizontal(double v) const;
    double versVertical(double v) const;
};

// The largest full scale accepted; a quantity above it cannot be drawn.
constexpr double echelleMaximale = 2000000.0;

// The smallest of 0.5, 1, 2, 5, 10, 20 … 2 000 000 that is not below the quantity.
EchelleAxe choisitEchelle(double quantite);

enum class RefusGraphes {
    aucun,
    dureeNulle,   // no flight time: thrown downwards from the ground, or never at level 0
    sansMontee,   // the projectile never rises above level 0
    horsEchelle,  // a quantity above the largest scale
};

struct Echantillon {
    double t = 0;
    double x = 0;
    double y = 0;
};

struct VolGraphes {
    double T = 0;                     // flight time, s
    QVector<Echantillon> echantillons;  // every T/200 from 0, 200 or 201 of them
    Echantillon arrivee;              // exactly at T, back on level 0
    double xmax = 0;
    double ymax = 0;
    EchelleAxe echelleX;
    EchelleAxe echelleY;
    EchelleAxe echelleT;
    RefusGraphes refus = RefusGraphes::aucun;

    bool refuse() const { return refus != RefusGraphes::aucun; }

    // Curve points in frame units: every sample, then the landing.
    QVector<QPointF> courbeXT() const;
    QVector<QPointF> courbeYT() const;
    QVector<QPointF> courbeYX() const;
};

// x0 and y0 as read from their fields; g, vx, vy from the shared state.
// With air resistance (trainee > 0, sim::coefficientTrainee) the flight is the integrated one.
VolGraphes calculeVol(float g, float vx, float vy, float x0, float y0, double trainee = 0.0);

// The 16 console colours by number (7 light grey, 9 light blue, 12 light red …).
QColor couleurConsole(int numero);
