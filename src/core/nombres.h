// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Number texts as the pupil sees them: French decimal comma whatever the system locale,
// and a reader that accepts a comma or a point (files written on other systems).

#include <QString>

#include <string_view>

namespace Module1 {

// Formats with a picture such as "###0.0#", "#######0.0##" or "################0.0##############":
// the number of '0' after the separator is the minimum of decimals, '0' plus '#' the maximum.
// The integer part always shows at least one digit. The separator is a comma.
QString formate(double valeur, const QString& image);

// The three pictures of the program.
inline const QString imageChamp = QStringLiteral("###0.0#");          // fields
inline const QString imageCoord = QStringLiteral("#######0.0#");      // x and y display
inline const QString imageDate = QStringLiteral("#######0.0##");      // date display

// Reads the number at the start of a text like a pocket calculator does: leading blanks,
// an optional sign, digits with a comma or a point, an optional exponent (E or D). It stops
// at the first character that cannot continue the number; no digits gives 0.
double lisNombre(const QString& texte);

// Same, but also says how many characters were read (0 when no number was found).
double lisNombre(const QString& texte, int* longueurLue);

// The value of a decimal text that a reader has already checked: an optional sign, ASCII digits
// with at most one point, then optionally "e", a sign and digits. Any number of digits, in the
// mantissa or the exponent, is read exactly as written and rounded once. A value too large for
// a double is ±infinity, one too small is ±0; never the other way round.
double valeurDecimale(std::string_view texte);

}  // namespace Module1
