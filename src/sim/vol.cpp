// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/vol.h"

#include "sim/echelle.h"

#include <QRegularExpression>

#include <cmath>

namespace sim {

namespace {

constexpr int arcsMax = 64;  // the bounces die out long before: 0.7^n of the speed

// Date, after t0, at which the arc comes back to y = 0; nullopt when it never does.
std::optional<double> retourAuSol(const Arc& a, double g)
{
    const double d = a.vy * a.vy + 2.0 * g * a.y0;
    if (g <= 0 || d < 0)
        return std::nullopt;
    const double tau = (a.vy + std::sqrt(d)) / g;
    if (!(tau > 0))
        return std::nullopt;
    return a.t0 + tau;
}

// Abscissas where the picture leaves the scene sideways (its left below −16 or above 400 pixels).
double xSortie(bool droite, const Echelle& e)
{
    const double gauche = droite ? 400.0 : -16.0;
    return (gauche - double(decalageGauche)) / double(e.pixelsParMetre());
}

}  // namespace

Vol::Vol(const ConditionsVol& c) : c_(c)
{
    const double g = c.g;
    Arc arc{0.0, double(c.x0), double(c.y0), double(c.vx), double(c.vy), 0.0};
    for (int n = 0; n < arcsMax; ++n) {
        const std::optional<double> sol = retourAuSol(arc, g);
        if (!sol) {
            if (n == 0)
                return;  // nothing flies: a single state at date 0
            break;
        }
        arc.tFin = *sol;
        // Leaving the scene sideways before the ground, when the scene resets itself then.
        if (c.sortieInitialise && arc.vx != 0) {
            const double limite = xSortie(arc.vx > 0, c_.echelle);
            const double tSortie = arc.t0 + (limite - arc.x0) / arc.vx;
            if (tSortie >= arc.t0 && tSortie < arc.tFin) {
                arc.tFin = tSortie;
                arcs_.append(arc);
                fin_ = arc.vx > 0 ? FinVol::SortieDroite : FinVol::SortieGauche;
                return;
            }
        }
        arcs_.append(arc);
        if (!c.rebondit) {
            fin_ = FinVol::Sol;
            return;
        }
        // The impact: both components times 0.7, the vertical one reversed. The first bounce
        // always happens; after a later impact the balloon stops below 2 m/s upwards.
        const double tau = arc.tFin - arc.t0;
        const double vyAvant = arc.vy - g * tau;
        Arc suivant{arc.tFin, arc.x0 + arc.vx * tau, 0.0, restitution * arc.vx, -restitution * vyAvant, 0.0};
        if (n > 0 && std::fabs(suivant.vy) < vitesseArretRebond) {
            fin_ = FinVol::Arret;
            return;
        }
        arc = suivant;
    }
    fin_ = c.rebondit ? FinVol::Arret : FinVol::Sol;
}

int Vol::arcA(double t) const
{
    for (int i = 0; i < arcs_.size(); ++i)
        if (t <= arcs_[i].tFin)
            return i;
    return int(arcs_.size()) - 1;
}

EtatVol Vol::etat(double t) const
{
    if (arcs_.isEmpty())
        return etatLibre(c_.x0, c_.y0, c_.vx, c_.vy, c_.g, 0.0);
    const double dateBornee = std::clamp(t, 0.0, duree());
    const Arc& a = arcs_[arcA(dateBornee)];
    const double tau = dateBornee - a.t0;
    const double g = c_.g;
    EtatVol e{a.x0 + a.vx * tau, a.y0 + a.vy * tau - 0.5 * g * tau * tau, a.vx, a.vy - g * tau};
    if (e.y < 0 && e.y > -1e-9)
        e.y = 0.0;  // on the ground at an impact, whatever the last bit of the square root
    if (t > duree())
        e.vx = e.vy = 0.0;  // at rest where the flight ended
    return e;
}

std::optional<double> Vol::dateChute() const
{
    const bool sortie = fin_ == FinVol::SortieGauche || fin_ == FinVol::SortieDroite;
    if (arcs_.isEmpty() || (sortie && arcs_.size() == 1))
        return std::nullopt;
    return arcs_.first().tFin;
}

std::optional<double> Vol::dateSommet() const
{
    if (arcs_.isEmpty() || !(c_.vy > 0) || !(c_.g > 0))
        return std::nullopt;
    const double t = double(c_.vy) / double(c_.g);
    if (t > arcs_.first().tFin)
        return std::nullopt;  // the flight ended (left the scene) before its apex
    return t;
}

std::optional<std::pair<double, double>> Vol::horsDeVueEnHaut() const
{
    if (arcs_.isEmpty() || !(c_.g > 0))
        return std::nullopt;
    const Arc& a = arcs_.first();
    const double haut = double(solHaut) / double(c_.echelle.pixelsParMetre());
    const double g = c_.g;
    const double d = a.vy * a.vy - 2.0 * g * (haut - a.y0);
    if (d <= 0)
        return std::nullopt;
    const double debut = std::max(0.0, (a.vy - std::sqrt(d)) / g);
    const double fin = std::min(a.tFin, (a.vy + std::sqrt(d)) / g);
    if (!(fin > debut))
        return std::nullopt;
    return std::pair{debut, fin};
}

std::optional<double> masseLegende(const QString& legende)
{
    static const QRegularExpression motif(
        QStringLiteral("\\bm\\s*=\\s*([0-9]+(?:[.,][0-9]+)?)\\s*(kg|g)\\s*\\)?\\s*$"));
    const QRegularExpressionMatch m = motif.match(legende.trimmed());
    if (!m.hasMatch())
        return std::nullopt;
    bool ok = false;
    const double valeur = m.captured(1).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    if (!ok || !(valeur > 0) || !std::isfinite(valeur))
        return std::nullopt;
    return m.captured(2) == QLatin1String("kg") ? valeur : valeur / 1000.0;
}

}  // namespace sim
