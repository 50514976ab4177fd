// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The page of the graphs for print and files: a title, the set-up in one line, then each graph
// under its title, all drawn as vectors inside margins of 15 mm. The same drawing goes to a
// printer, to a PDF file (text that can be selected and searched) and to a PNG at 150 dpi.

#include "graphs/tracegraphe.h"

#include <QByteArray>
#include <QImage>

class QPagedPaintDevice;

struct PageGraphes {
    QString titre;    // "Graphes du mouvement : ballon ( m = 450 g )"
    QString montage;  // the set-up in one line
    QList<Graphe> graphes;
};

constexpr double margePageMm = 15.0;
constexpr int resolutionPng = 150;

// Draws the page into the device's page rectangle (`dpi`: dots per inch of the device).
void dessinePageGraphes(QPainter& p, const QRectF& page, double dpi, const PageGraphes& contenu);
// Rectangle that everything drawn by dessinePageGraphes stays in (tests check the margins).
QRectF zoneUtile(const QRectF& page, double dpi);

// A4 portrait, one page; empty when it could not be made.
QByteArray pdfPageGraphes(const PageGraphes& contenu);
QImage imagePageGraphes(const PageGraphes& contenu);
// Onto a printer or any paged device already set up; false when painting cannot start.
bool imprimePageGraphes(QPagedPaintDevice& appareil, const PageGraphes& contenu);

namespace analyse {
struct Conditions;
struct Montage;
}  // namespace analyse

// The page of a throw: x(t), y(t), y(x), then the velocities and the energies (when the
// projectile's mass can be read); the graphs the flight cannot give are left out.
PageGraphes pageDuVol(const analyse::Conditions& c, const analyse::Montage& m);
