// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pictures of RTF files: PNG and JPEG are shown; other kinds (WMF, EMF, DIB) cannot be
// decoded by Qt, so they get a placeholder and keep their bytes for the writer.

#include <QByteArray>
#include <QTextFormat>
#include <QTextImageFormat>

class QTextDocument;

namespace Rtf {

// Properties of a QTextImageFormat that keep the file's own picture.
inline constexpr int kProprieteImageDonnees = QTextFormat::UserProperty + 0x5254;  // raw bytes
inline constexpr int kProprieteImageType = QTextFormat::UserProperty + 0x5255;     // e.g. "wmetafile8"
inline constexpr int kProprieteImageTaille = QTextFormat::UserProperty + 0x5256;   // QSize picw, pich

struct ImageRtf {
    QByteArray type;  // control word of the kind, with its parameter: "pngblip", "wmetafile8"
    int picw = 0, pich = 0;
    int picwgoal = 0, pichgoal = 0;  // twips
    int echelleX = 100, echelleY = 100;
    QByteArray donnees;
};

// Registers the picture as a resource of the document and returns the format that shows it.
// budget is what decoded pictures may still take in memory, in bytes, for this file: past
// it a picture keeps its bytes for the writer but shows as a placeholder.
QTextImageFormat ajouteImage(QTextDocument* doc, const ImageRtf& image, qint64& budget);

}  // namespace Rtf
