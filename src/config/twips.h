// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Control positions given in twips (1/15 pixel on this desktop).

#include <QRect>

namespace Config {

constexpr int pixels(int twips)
{
    return (twips + 7) / 15;
}

constexpr QRect twips(int gauche, int haut, int largeur, int hauteur)
{
    return QRect(pixels(gauche), pixels(haut), pixels(largeur), pixels(hauteur));
}

}  // namespace Config
