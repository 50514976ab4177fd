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

Etendue etendueVol(const Lancer& l)
{
    Etendue e{l.x0, l.x0, l.y0};
    if (!plusbouton(l.vy, l.y0))
        return e;  // it does not fly
    if (!(l.g > 0))
        return {-1e30, 1e30, 1e30};
    // The flight the scene flies, bounces and air resistance included: each arc sampled
    // finely, its end where the scene puts the picture (the first tick past the ground).
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
    for (int k = 0; k < vol.arcs().size(); ++k) {
        const Arc& a = vol.arcs()[k];
        for (int i = 0; i <= 400; ++i) {
            const EtatVol s = vol.etatSurArc(k, a.t0 + (a.tFin - a.t0) * i / 400);
            e.xMin = std::min(e.xMin, s.x);
            e.xMax = std::max(e.xMax, s.x);
            e.yMax = std::max(e.yMax, s.y);
        }
        // The arc's own apex, which the samples may straddle.
        if (!a.integre && a.vy > 0 && a.t0 + a.vy / l.g < a.tFin)
            e.yMax = std::max(e.yMax, a.y0 + a.vy * a.vy / (2.0 * l.g));
    }
    if (const auto ts = vol.dateSommet())
        e.yMax = std::max(e.yMax, vol.etat(*ts).y);
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
