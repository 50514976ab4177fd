// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers of the RTF tests: a normalised dump of a document, to compare documents
// by text and formats, and the files of the test corpus.

#include <QByteArray>
#include <QString>
#include <QStringList>

class QTextDocument;

namespace outils {

// One line per paragraph: its format, then each run as «text» with the formats that
// differ from plain text. Tables and pictures are marked. With sansDefauts, a font family
// or size equal to the document's default counts as unset: the writer has to name the
// default font where the text names none.
QString resume(const QTextDocument& doc, bool sansDefauts = false);

// The paragraphs' text only, separated by '\n'.
QString texte(const QTextDocument& doc);

// Folder of the RTF test files (tests/data/rtf).
QString dossierDonnees();
QByteArray lisFichier(const QString& chemin);
// Every .rtf file under the folder, relative paths, sorted.
QStringList fichiersRtf(const QString& dossier);

}  // namespace outils
