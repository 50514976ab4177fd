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

// True for a name the system gave in bytes that are not UTF-8 (an old Windows "café" copied
// as is): they reach the program as U+FFFD and no longer name the file, which the toolkit
// cannot reach by name. Such a name is refused with its own message rather than "not found".
bool nomHorsUtf8(const QString& chemin);
// What the windows say of such a name.
QString messageNomHorsUtf8(const QString& chemin);

}  // namespace Module1
