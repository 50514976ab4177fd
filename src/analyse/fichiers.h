// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Files written aside and then put in place (QSaveFile): a failure leaves an existing file as
// it was. The error comes back as a French sentence for the message box.

#include <QByteArray>
#include <QImage>
#include <QString>

namespace analyse {

// Writes the bytes; false with the reason in `erreur` on failure.
bool enregistreOctets(const QString& chemin, const QByteArray& octets, QString* erreur);

// Autre: another picture format the installed Qt writes (.bmp, .ppm, .webp…), by extension.
enum class FormatImage { Png, Jpeg, Pdf, Svg, Autre, Inconnu };
// From the file's extension, any case: .png, .jpg/.jpeg, .pdf, .svg, then Qt's writers.
FormatImage formatDe(const QString& chemin);
// The path with ".png" added when it has no extension at all.
QString cheminImage(const QString& chemin);
// The extensions an image can be saved under, for the message about any other one.
QStringList extensionsImage();

// The scene's image as PNG, JPEG, a one-page PDF (the image centred, at most the page's
// width) or an SVG holding the picture.
QByteArray octetsImage(const QImage& image, FormatImage format);
bool enregistreImage(const QImage& image, const QString& chemin, QString* erreur);

}  // namespace analyse
