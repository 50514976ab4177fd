// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The table of positions laid out on pages (a printer, a PDF writer): title, initial
// conditions, summary, then the rows under a repeated header line.

#include "analyse/tableau.h"

#include <QStringList>

class QPagedPaintDevice;

namespace analyse {

// Draws everything; returns the number of pages used (0 when nothing could be drawn).
int imprimeTableau(QPagedPaintDevice& page, const QStringList& entete, const QVector<Ligne>& lignes,
                   const QStringList& resume);

}  // namespace analyse
