// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads back what the program printed into a PDF file: its pages and, on each, where images
// were drawn (printer pixels of the printable area, as the painter placed them).

#include <QList>
#include <QRectF>
#include <QString>

struct PagePdf {
    QList<QRectF> images;
};

// The pages of a PDF written by Qt's PDF engine, in order; empty when the file is unreadable.
QList<PagePdf> lisPdf(const QString& chemin);
