// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/mouvement.h"

#include "core/nombres.h"

#include <cmath>

namespace sim {

Vitesse voxvoy(float v0, float angleDegres)
{
    const float r = float(double(angleDegres) * piSimulation / 180.0);
    return {float(double(v0) * std::cos(double(r))), float(double(v0) * std::sin(double(r)))};
}

float xLibre(float x0, float vx, float t)
{
    return x0 + vx * t;
}

double yLibre(float y0, float vy, float g, float t)
{
    const double td = t;
    return double(y0) + double(vy) * td - 0.5 * double(g) * td * td;
}

EtatVol etatLibre(float x0, float y0, float vx, float vy, float g, double t)
{
    return {double(x0) + double(vx) * t, double(y0) + double(vy) * t - 0.5 * double(g) * t * t, double(vx),
            double(vy) - double(g) * t};
}

Affichage textesAffichage(float x, float t, double y)
{
    using Module1::formate;
    return {QStringLiteral("x = ") + formate(x, Module1::imageCoord) + QStringLiteral(" m"),
            QStringLiteral("date: t = ") + formate(t, Module1::imageDate) + QStringLiteral(" s"),
            QStringLiteral("y = ") + formate(y >= 0 ? y : 0.0, Module1::imageCoord) + QStringLiteral(" m")};
}

bool plusbouton(float vy, float y0)
{
    return !(vy <= 0 && y0 == 0);
}

}  // namespace sim
