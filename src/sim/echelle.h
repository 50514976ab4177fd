// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The scene's fixed scale: 36 pixels per metre both ways, the frame's origin at pixel (30, 436),
// y upwards. Pictures are placed by their top-left corner, 16 pixels up and left of the point.

#include <algorithm>
#include <cmath>

namespace sim {

constexpr float pixelsParMetre = 36.0f;
constexpr float decalageGauche = 14.0f;  // left of the picture of a point at x = 0
constexpr float solHaut = 420.0f;        // top of a picture resting on the ground line (y = 0)

// Picture limits of the scene (left 0 … 375, top 0 … 420).
constexpr double gaucheMax = 375.0;
constexpr double hautMax = 420.0;

// Positions are kept in whole twips (1/15 pixel), as the scene's picture controls store them,
// so that a picture thrown straight up does not creep sideways by a millionth of a pixel.
inline double enTwips(double pixels)
{
    return std::round(pixels * 15.0) / 15.0;
}

// The farthest a picture is ever placed, either way: a few scene widths off the scene. The fields
// are read live during a flight, so any text they can hold (forty nines, a huge exponent) must
// still give a place whose pixel arithmetic cannot overflow; the leaving-the-scene and ground
// rules see nothing different that far out.
constexpr double placementLimite = 2000.0;

inline double bornePlacement(double pixels)
{
    if (std::isnan(pixels))
        return placementLimite;
    return pixels < -placementLimite ? -placementLimite : (pixels > placementLimite ? placementLimite : pixels);
}

inline double gaucheDe(float x) { return enTwips(bornePlacement(double(pixelsParMetre * x + decalageGauche))); }
inline double hautDe(double y) { return enTwips(bornePlacement(double(solHaut) - double(pixelsParMetre) * y)); }

// The initial position, kept inside the scene: the field bounds are written rounded ("11,67",
// "-0,39", "10,03"), and read back they would put the picture a fraction of a pixel outside.
inline double gaucheInitiale(float x0) { return std::clamp(gaucheDe(x0), 0.0, gaucheMax); }
inline double hautInitial(float y0) { return std::clamp(hautDe(y0), 0.0, hautMax); }
inline float xDe(double gauche) { return (float(gauche) - decalageGauche) / pixelsParMetre; }
inline float yDe(double haut) { return (solHaut - float(haut)) / pixelsParMetre; }

}  // namespace sim
