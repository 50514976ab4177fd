// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The exercise window's own pictures: the difficulty mark (lit or unlit) and the heading.

#include <QImage>
#include <QString>

class PictureBox;

namespace Exercices {

// A 24 × 24 star: gold when lit, pale grey when unlit.
QImage dessineMarque(bool allumee);

// The heading: 24-point bold letters from x = 30, each coloured from pale yellow (first)
// to white (last), centred vertically two pixels above the middle.
void dessineTitre(PictureBox& zone, const QString& texte);

// Blue component of letter i (1-based) out of n: 155 + 100·i/n, rounded.
int bleuDeLettre(int i, int n);

}  // namespace Exercices
