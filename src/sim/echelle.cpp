// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/echelle.h"

#include "sim/animation.h"
#include "sim/mouvement.h"
#include "sim/vol.h"

namespace sim {

namespace {

qsizetype rang(float p)
{
    return std::find(echellesScene.begin(), echellesScene.end(), p) - echellesScene.begin();
}

// Half a pixel of slack: the field bounds are written rounded ("-0,39" puts the picture at
// -0.04, which the scene clamps to 0).
constexpr double tolerance = 0.5;

// Landing date of an arc from height y with vertical speed vy (the root after the start).
double dateSol(double y, double vy, double g)
{
    return (vy + std::sqrt(std::max(0.0, vy * vy + 2.0 * g * y))) / g;
}

}  // namespace

Echelle Echelle::plusGrande() const
{
    const qsizetype i = rang(p_);
    return i > 0 ? Echelle(echellesScene[i - 1]) : *this;
}

Echelle Echelle::plusPetite() const
{
    const qsizetype i = rang(p_);
    return i + 1 < qsizetype(echellesScene.size()) ? Echelle(echellesScene[i + 1]) : *this;
}

int Echelle::pasGraduation() const
{
    for (int pas : {1, 2, 5})
        if (pas * double(p_) >= 30.0)
            return pas;
    return 10;
}

QString Echelle::texte() const
{
    return QString::number(double(p_), 'g', 3).replace(QLatin1Char('.'), QLatin1Char(','));
}

std::optional<Echelle> Echelle::depuisTexte(const QString& texte)
{
    bool ok = false;
    const double v = QString(texte).trimmed().replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    if (!ok)
        return std::nullopt;
    for (float p : echellesScene)
        if (float(v) == p)
            return Echelle(p);
    return std::nullopt;
}

namespace {

// With air resistance: every arc of the flight the scene flies, sampled finely.
Etendue etendueFreinee(const Lancer& l)
{
    ConditionsVol c;
    c.x0 = l.x0;
    c.y0 = l.y0;
    c.vx = l.vx;
    c.vy = l.vy;
    c.g = l.g;
    c.rebondit = l.rebondit;
    c.ralenti = l.ralenti;
    c.trainee = l.trainee;
    const Vol vol(c);
    Etendue e{l.x0, l.x0, l.y0};
    for (int k = 0; k < vol.arcs().size(); ++k) {
        const Arc& a = vol.arcs()[k];
        for (int i = 0; i <= 400; ++i) {
            const EtatVol s = vol.etatSurArc(k, a.t0 + (a.tFin - a.t0) * i / 400);
            e.xMin = std::min(e.xMin, s.x);
            e.xMax = std::max(e.xMax, s.x);
            e.yMax = std::max(e.yMax, s.y);
        }
    }
    if (const auto ts = vol.dateSommet())
        e.yMax = std::max(e.yMax, vol.etat(*ts).y);
    return e;
}

}  // namespace

Etendue etendueVol(const Lancer& l)
{
    if (l.trainee > 0 && l.g > 0 && plusbouton(l.vy, l.y0))
        return etendueFreinee(l);
    Etendue e{l.x0, l.x0, l.y0};
    const double g = l.g;
    if (!plusbouton(l.vy, l.y0))
        return e;  // it does not fly
    if (!(g > 0))
        return {-1e30, 1e30, 1e30};
    // The scene sees a landing at the first tick past it, and the projectile lies there.
    const double pas = l.ralenti ? pasRalenti : pasNormal;
    auto arc = [&](double x, double y, double vx, double vy) {
        const double duree = (std::floor(dateSol(y, vy, g) / pas) + 1) * pas;
        if (vy > 0)
            e.yMax = std::max(e.yMax, y + vy * vy / (2.0 * g));
        const double xSol = x + vx * duree;
        e.xMin = std::min(e.xMin, xSol);
        e.xMax = std::max(e.xMax, xSol);
        return std::pair{xSol, duree};
    };
    auto [x, duree] = arc(l.x0, l.y0, l.vx, l.vy);
    if (!l.rebondit)
        return e;
    // The balloon: each bounce keeps 70 % of both components; the first one always flies (from
    // the velocity one tick after the landing, as the scene takes it), the next ones while the
    // vertical speed is 2 m/s or more.
    double vx = restitution * double(l.vx);
    double vy = -restitution * (double(l.vy) - g * (duree + pas));
    for (int n = 0; n < 100; ++n) {
        const auto [xSol, tau] = arc(x, 0.0, vx, vy);
        x = xSol;
        vx *= restitution;
        vy = -restitution * (vy - g * tau);
        if (std::fabs(vy) < vitesseArretRebond)
            break;
    }
    return e;
}

Ajustement ajusteAuVol(const Lancer& l)
{
    const Etendue e = etendueVol(l);
    for (float p : echellesScene) {
        const double gaucheMin = decalageGauche + double(p) * e.xMin;
        const double gaucheMaxVol = decalageGauche + double(p) * e.xMax;
        const double hautMin = solHaut - double(p) * e.yMax;
        if (gaucheMin >= -tolerance && gaucheMaxVol <= gaucheVisible + tolerance && hautMin >= -tolerance)
            return {Echelle(p), true};
    }
    return {Echelle(echellesScene.back()), false};
}

}  // namespace sim
