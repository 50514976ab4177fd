#pragma once
// The scene's fixed scale: 36 pixels per metre both ways, the frame's origin at pixel (30, 436),
// y upwards. Pictures are placed by their top-left corner, 16 pixels up and left of the point.

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

inline double gaucheDe(float x) { return enTwips(pixelsParMetre * x + decalageGauche); }
inline double hautDe(double y) { return enTwips(double(solHaut) - double(pixelsParMetre) * y); }
inline float xDe(double gauche) { return (float(gauche) - decalageGauche) / pixelsParMetre; }
inline float yDe(double haut) { return (solHaut - float(haut)) / pixelsParMetre; }

}  // namespace sim
