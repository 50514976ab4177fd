// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The table of the whole flight as an OpenDocument spreadsheet: the summary above, a header
// row with units, typed number cells (the values the table shows, read as numbers by a
// spreadsheet in any language), the end line below, columns wide enough for their texts.

#include "analyse/tableauvol.h"

#include <QByteArray>

namespace analyse {

// The .ods file's bytes; empty if the archive could not be made (no memory).
QByteArray classeurOds(const TableauVol& t);

// The sheet alone (content.xml).
QByteArray contenuOds(const TableauVol& t);

}  // namespace analyse
