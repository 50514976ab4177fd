// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Rich text files of the exercise text area: RTF read into a QTextDocument and written
// back from one, in the form WordPad and LibreOffice read.

#include <QByteArray>
#include <QString>

class QTextDocument;

namespace Rtf {

// Replaces the content of doc with the RTF in rtf. Returns false, with a French message
// in erreur and doc untouched, when rtf is not an RTF file; damaged RTF is read as far
// as it makes sense and never fails.
bool lis(const QByteArray& rtf, QTextDocument* doc, QString* erreur = nullptr);

// The whole document as RTF: Windows-1252 text with \uN for the rest.
QByteArray ecris(const QTextDocument& doc);

}  // namespace Rtf
