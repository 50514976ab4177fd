// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One graph drawn with a painter onto any device, as vectors: the grid, the axes with their
// arrowheads, the curves and the labels of the graph window, in its 235 × 248 frame scaled
// into a target rectangle. The velocity and energy graphs and the printed page use it, so the
// screen, the clipboard, the printer and PDF files show one drawing.

#include "analyse/energies.h"
#include "graphs/calculgraphes.h"

#include <QColor>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QVector>

class QPainter;

struct CourbeGraphe {
    QString nom;  // "vx", "Ec" …: named in the legend when the graph holds more than one curve
    QColor couleur;
    QVector<QPointF> points;  // frame units
};

struct Graphe {
    QString titre;  // "x(t)", "v(t)"…
    EchelleAxe horizontal;
    EchelleAxe vertical;
    // The vertical axis from −full scale to +full scale, zero in the middle (velocities that
    // change sign); otherwise from 0 upwards as in the graph window.
    bool symetrique = false;
    QString nomHorizontal, texteHorizontal;  // "t", " : 1 division correspond à 0,5 s"
    QString nomVertical, texteVertical;
    QList<CourbeGraphe> courbes;
};

// Frame units: the graph window's 235 × 248 area.
constexpr double largeurGraphe = 235.0;
constexpr double hauteurGraphe = 248.0;
// Height of the zero line of a symmetric vertical axis.
constexpr double zeroSymetrique = 125.0;

// Draws the graph into `cible` (its 235 × 248 frame scaled to fit, centred). `epaisseur` is
// the width of the curves in frame units.
void dessineGraphe(QPainter& p, const QRectF& cible, const Graphe& g, double epaisseur = 1.0);

// The three graphs of the graph window.
Graphe grapheXT(const VolGraphes& vol);
Graphe grapheYT(const VolGraphes& vol);
Graphe grapheYX(const VolGraphes& vol);

// vx(t), vy(t), v(t) on one graph; Ec(t), Epp(t), Em(t) on the other. The energies are in kJ
// when they reach 10 000 J. An empty graph (no scale) when the samples cannot be drawn.
Graphe grapheDesVitesses(const QVector<analyse::EchantillonVol>& e);
Graphe grapheDesEnergies(const QVector<analyse::EchantillonVol>& e);
