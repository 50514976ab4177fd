// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// French typography of the teaching texts: a non-breaking space before : ; ? ! » and after «,
// between a number and its unit, around = and ≈ before a number, and between groups of
// thousands, so that a printed or narrow page never leaves "1,62" at the end of a line and
// "N/kg" at the start of the next.

#include <QString>
#include <QStringList>

namespace exercices {

// The text with its breakable spaces (and line breaks) in those places made non-breaking.
QString typographie(const QString& texte);
// The same in the text of an HTML page, leaving tags, comments and style sheets alone.
QString typographieHtml(const QString& html);
// Each place of a plain text where a breakable space stands in one of those places, as a short
// excerpt around it; empty when the text is right.
QStringList espacesSecables(const QString& texte);

}  // namespace exercices
