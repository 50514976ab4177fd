// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Drawing of the measurements onto any paint device (the scene's drawing layer, an exported
// image, a printer, the tests' images): arrows, apex and landing marks, the trajectory's trace
// and the labelled scale arrows. Every drawing has a dark or light outline, so it stays
// readable on the three landscapes and in a black-and-white print.

#include "analyse/tableau.h"
#include "analyse/vecteurs.h"

#include <QColor>
#include <QImage>
#include <QPolygonF>
#include <QRectF>
#include <QSize>

class QPainter;

namespace analyse {

enum class TypeFleche {
    Vitesse,  // yellow, filled head
    DeltaV,   // cyan, open head
};

QColor couleurFleche(TypeFleche type);

// An arrow from `origine` to `bout` (pixels). Nothing is drawn below a pixel.
void dessineFleche(QPainter& p, QPointF origine, QPointF bout, TypeFleche type);
// Rectangle an arrow may cover, outline included.
QRectF zoneFleche(QPointF origine, QPointF bout);

// A piece of the trajectory's trace (pixels). The dark outline starts at point `debutContour`:
// a piece that continues the previous one redraws that one's end without darkening it.
void dessineTrace(QPainter& p, const QPolygonF& points, int debutContour = 0);
QRectF zoneTrace(const QPolygonF& points);

// "h max = 9,92 m" beside a mark at the apex; "portée = 3,47 m" beside a mark at the landing
// point. Texts stay inside a scene of the given size.
void dessineSommet(QPainter& p, const Resume& r, const QSize& scene);
void dessineChute(QPainter& p, const Resume& r, const QSize& scene);
QRectF zoneSommet(const Resume& r, const QSize& scene);
QRectF zoneChute(const Resume& r, const QSize& scene);
QString texteSommet(const Resume& r);  // "h max = 9,92 m"
QString texteChute(const Resume& r);   // "portée = 3,47 m"

// The labelled scale arrows ("vitesse" and "Δv"), in a small dark box. A zero scale leaves its
// line out.
struct Echelles {
    double vitesse = 0;  // pixels per m/s, 0: no velocity arrows
    double deltaV = 0;   // pixels per m/s, 0: no Δv arrows
};
QSizeF tailleEchelles(const Echelles& e);
void dessineEchelles(QPainter& p, QPointF coin, const Echelles& e);
// The first corner of the scene that the flight's pictures do not cross (top left, top right
// under the date display, bottom right, bottom left), or the one they cross least.
QPointF coinLibre(const Conditions& c, const QSizeF& taille, const QSize& scene);

// Centres of the projectile along the whole free flight (pixels), for the trace of a throw.
QPolygonF trajectoire(const Conditions& c, int points = 200);

// Everything at once, computed from the motion law, for an image made without a window: the
// photographs at the rows' dates (when a picture is given), the trace, the vectors, the marks
// and the scale arrows.
struct OptionsMesures {
    bool vitesse = false;
    bool deltaV = false;
    bool trace = false;
    bool sommetImpact = false;
};
void dessineMesures(QPainter& p, const Conditions& c, const OptionsMesures& o, const QSize& scene,
                    const QImage& photo = QImage());

}  // namespace analyse
