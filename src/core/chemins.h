// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Paths stored in files written on Windows: "\" separators and any letter case.

#include <QString>

namespace Module1 {

// The path with "\" read as "/"; a relative path is taken from `base` (the current
// directory when empty). When the exact path names nothing, each missing part is looked up
// in its folder whatever its letter case; the first part found nowhere ends the search and
// the rest is kept as written (so a missing file still gives a path that names nothing).
QString resoudChemin(const QString& chemin, const QString& base = QString());

}  // namespace Module1
