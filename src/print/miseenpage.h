// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the scene image goes on a printed page, and the printing of its copies.

#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QString>

class QPagedPaintDevice;

namespace impression {

struct Options {
    bool centreH = true;     // "Centrrer l'image horizontalement"
    bool centreV = false;    // "Centrrer l'image verticalement"
    bool miniature = false;  // "Imprimer l'image en miniature": one printer pixel per scene pixel
};

// Scene pixels are screen pixels of 96 per inch.
constexpr double pointsParPouceEcran = 96.0;

// fx, fy: printer pixels per scene pixel. 1 in miniature, otherwise the image's natural
// printed size (the screen inch becomes a printer inch).
QSizeF facteurs(bool miniature, double resolutionX, double resolutionY);

// The image's rectangle on the printable area, in printer pixels: centred or at a tenth of
// the width from the left and a twentieth of the height from the top. At natural size an
// image larger than the area is reduced (keeping its proportions) so that it fits.
QRectF placeImage(const QSizeF& page, const QSizeF& image, const Options& o, double fx, double fy);

// Prints n copies of the image, one page each, as one job. Returns an empty string on
// success, or the French message to show (nothing is printed when the job cannot start).
QString imprimeExemplaires(QPagedPaintDevice& imprimante, const QImage& image, const Options& o, int n,
                           const QString& nomImprimante);

}  // namespace impression
