// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printed page of the graphs, painted on any device (printer, PDF, image) so that its
// layout can be checked without a printer.

#include <QImage>
#include <QList>
#include <QPointF>
#include <QSizeF>

class QPainter;

// Top-left corners of the graph images on a page of the given size: one graph a tenth of the
// way in both directions; three graphs stacked in thirds of the page height.
QList<QPointF> positionsGraphes(const QSizeF& page, qsizetype nombre);

// Size on the device of an image painted at its natural size: the same physical size as on
// the screen it was drawn for (a printer has many more dots per inch than a screen).
QSizeF tailleNaturelle(const QImage& image, const QPaintDevice& appareil);

// Paints one or three graph images on the page, at the positions above.
void composePage(QPainter& peintre, const QSizeF& page, const QList<QImage>& images);
