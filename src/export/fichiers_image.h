// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes the page of the graphs to a file whose kind follows the extension. The file is written
// aside and replaces the old one only when complete, so a failure leaves an existing file intact.
// The scene's picture goes through the measurements' writer (analyse::enregistreImage).

#include <QString>

struct PageGraphes;

// The page of the graphs drawn as vectors: PDF (an A4 page, text that can be selected) or PNG
// (the same drawing at 150 dots per inch). Returns an empty string on success, otherwise the reason, in French.
QString enregistrePageGraphes(const PageGraphes& contenu, const QString& chemin);
