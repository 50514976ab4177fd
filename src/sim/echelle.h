// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The scene's scale: pixels per metre both ways (36 by default, or one of the smaller scales
// the scene offers), the frame's origin at pixel (30, 436), y upwards. Pictures are placed by
// their top-left corner, 16 pixels up and left of the point; their limits on the scene (left
// 0 … 375, top 0 … 420) and the ground line are pixels and do not depend on the scale.

#include <QPointF>
#include <QString>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace sim {

constexpr float echelleParDefaut = 36.0f;  // pixels per metre
constexpr float decalageGauche = 14.0f;  // left of the picture of a point at x = 0
constexpr float solHaut = 420.0f;        // top of a picture resting on the ground line (y = 0)
constexpr double origineX = 30.0;        // pixel of the frame's origin
constexpr double origineY = 436.0;

// Picture limits of the scene (left 0 … 375, top 0 … 420).
constexpr double gaucheMax = 375.0;
constexpr double hautMax = 420.0;
// The whole picture (32 pixels) within the scene's 410: the farthest right a flight is seen.
constexpr double gaucheVisible = 378.0;

// The scales offered, largest first.
constexpr std::array<float, 5> echellesScene = {echelleParDefaut, 18.0f, 9.0f, 4.5f, 1.8f};

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

class Echelle {
public:
    constexpr Echelle() = default;
    // Only a scale of `echellesScene`; anything else gives the default scale.
    explicit Echelle(float pixelsParMetre)
        : p_(std::find(echellesScene.begin(), echellesScene.end(), pixelsParMetre) != echellesScene.end()
                 ? pixelsParMetre
                 : echelleParDefaut)
    {
    }

    float pixelsParMetre() const { return p_; }
    bool parDefaut() const { return p_ == echelleParDefaut; }
    bool operator==(const Echelle&) const = default;

    // The next scale up (+) or down (−), the same at either end.
    Echelle plusGrande() const;
    Echelle plusPetite() const;

    // The picture's top-left corner for a point in metres, and back.
    double gaucheDe(float x) const { return enTwips(bornePlacement(double(p_ * x + decalageGauche))); }
    double hautDe(double y) const { return enTwips(bornePlacement(double(solHaut) - double(p_) * y)); }
    float xDe(double gauche) const { return (float(gauche) - decalageGauche) / p_; }
    float yDe(double haut) const { return (solHaut - float(haut)) / p_; }

    // The initial position, kept inside the scene: the field bounds are written rounded ("11,67",
    // "-0,39", "10,03"), and read back they would put the picture a fraction of a pixel outside.
    double gaucheInitiale(float x0) const { return std::clamp(gaucheDe(x0), 0.0, gaucheMax); }
    double hautInitial(float y0) const { return std::clamp(hautDe(y0), 0.0, hautMax); }

    // Pixel of the scene of the point (x, y) in metres (the frame's mapping).
    QPointF versScene(double x, double y) const { return {origineX + p_ * x, origineY - p_ * y}; }

    // The frame's graduation (and grid) step in metres: 1, 2, 5 or 10, the smallest at least
    // 30 pixels long (10 m at the smallest scale).
    int pasGraduation() const;

    // "36", "4,5": the scale as the menu and the configuration file write it.
    QString texte() const;
    // The scale a text names (comma or point), or nothing when it names none of the scales.
    static std::optional<Echelle> depuisTexte(const QString& texte);

private:
    float p_ = echelleParDefaut;
};

// The described scale, for the code that has no other.
inline double gaucheDe(float x) { return Echelle().gaucheDe(x); }
inline double hautDe(double y) { return Echelle().hautDe(y); }
inline double gaucheInitiale(float x0) { return Echelle().gaucheInitiale(x0); }
inline double hautInitial(float y0) { return Echelle().hautInitial(y0); }
inline float xDe(double gauche) { return Echelle().xDe(gauche); }
inline float yDe(double haut) { return Echelle().yDe(haut); }

// A throw, as the scene flies it.
struct Lancer {
    float x0 = 0.0f;
    float y0 = 0.0f;
    float vx = 0.0f;
    float vy = 0.0f;
    float g = 9.8f;
    bool rebondit = false;  // the balloon
    bool ralenti = false;   // smaller steps: the landing is seen a little sooner
    double trainee = 0.0;   // air resistance (Reglages::trainee): the integrated flight
};

// The extent of the whole flight in metres: launch, apex and landing (where the scene puts
// the picture, at the first tick past it), every bounce for the balloon.
struct Etendue {
    double xMin, xMax, yMax;
};
Etendue etendueVol(const Lancer& l);

// "Ajuster au vol": the largest scale at which the whole flight keeps the picture within the
// scene (top 0, left 0 to 378); the smallest scale when none does (`tient` false).
struct Ajustement {
    Echelle echelle;
    bool tient = true;
};
Ajustement ajusteAuVol(const Lancer& l);

}  // namespace sim
