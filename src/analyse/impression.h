// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The table of positions laid out on pages (a printer, a PDF writer): title, the
// set-up and the flight's figures, the rows under a repeated header line, how the flight ended.

#include "analyse/tableauvol.h"

#include <QStringList>

class QPagedPaintDevice;

namespace analyse {

// Draws everything; returns the number of pages used (0 when nothing could be drawn).
int imprimeTableau(QPagedPaintDevice& page, const TableauVol& tableau);

}  // namespace analyse
