// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Rich text files of the exercise text area: RTF read into a QTextDocument and written
// back from one, in the form WordPad and LibreOffice read.

#include <QByteArray>
#include <QString>

class QTextDocument;

namespace Rtf {

// A text longer than this is refused before anything is laid out: laying out a document
// takes time that grows with its paragraphs and table rows (a million empty paragraphs kept
// the window busy for minutes). A teacher's 5 MB statement stays well below.
constexpr qsizetype kParagraphesMax = 50'000;
constexpr qsizetype kLignesTableauMax = 12'000;

// Replaces the content of doc with the RTF in rtf. Returns false, with a French message
// in erreur and doc untouched, when rtf is not an RTF file or is longer than the limits
// above; damaged RTF is read as far as it makes sense and never fails. When the file stops
// before its last closing brace (cut short), incomplet is set: what is there is read.
bool lis(const QByteArray& rtf, QTextDocument* doc, QString* erreur = nullptr, bool* incomplet = nullptr);

// The whole document as RTF: Windows-1252 text with \uN for the rest.
QByteArray ecris(const QTextDocument& doc);

}  // namespace Rtf
