#pragma once
// Writes a picture or a page to a file whose kind follows the extension. Each file is written
// aside and replaces the old one only when complete, so a failure leaves an existing file intact.

#include <QImage>
#include <QList>
#include <QString>

// PNG, JPEG, PDF (one page the size of the picture) or SVG. Returns an empty string on success,
// otherwise the reason, in French.
QString enregistreImage(const QImage& image, const QString& chemin);

// The page of the three graphs, as the graph window prints it: PDF (an A4 page) or PNG (the same
// page at 150 dots per inch).
QString enregistrePageGraphes(const QList<QImage>& graphes, const QString& chemin);
