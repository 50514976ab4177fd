// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/vol.h"

#include "sim/animation.h"
#include "sim/echelle.h"

#include <QRegularExpression>

#include <cmath>

namespace sim {

namespace {

constexpr int arcsMax = 64;  // the bounces die out long before: 0.7^n of the speed
constexpr int ticksMax = 2000000;  // far beyond the longest flight the fields allow

// Date, after t0, at which the parabola comes back to y = 0; nullopt when it never does.
std::optional<double> retourParabole(const Arc& a, double g)
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
    Arc arc{0.0, double(c.x0), double(c.y0), double(c.vx), double(c.vy), 0.0, 0.0, nullptr};
    if (c.trainee > 0)
        arc.integre = arcIntegre(arc.x0, arc.y0, arc.vx, arc.vy, c.g, c.trainee);
    const std::optional<double> sol = retourAuSol(arc);
    if (!sol)
        return;  // nothing flies: a single state at date 0
    arc.tFin = arc.tPose = arc.tSol = *sol;
    if (sort(arc))
        return;
    chute_ = *sol;
    if (!c.rebondit) {
        arcs_.append(arc);
        fin_ = FinVol::Sol;
        return;
    }
    rebonds(arc);
}

std::optional<double> Vol::retourAuSol(const Arc& a) const
{
    if (!a.integre)
        return retourParabole(a, c_.g);
    const std::optional<double> tau = a.integre->retourAuSol();
    return tau ? std::optional<double>(a.t0 + *tau) : std::nullopt;
}

bool Vol::sort(Arc& a)
{
    if (!c_.sortieInitialise || a.vx == 0)
        return false;
    const double limite = xSortie(a.vx > 0, c_.echelle);
    double tSortie = a.t0 + (limite - a.x0) / a.vx;
    if (a.integre) {
        // Drag slows x down without turning it back: the first crossing of the edge, if any.
        const bool droite = a.vx > 0;
        const auto tau = a.integre->passage(
            [=](const EtatVol& e) { return droite ? limite - e.x : e.x - limite; }, a.tPose - a.t0);
        if (!tau)
            return false;
        tSortie = a.t0 + *tau;
    }
    if (!(tSortie >= a.t0 && tSortie < a.tPose))
        return false;
    a.tFin = a.tPose = tSortie;
    arcs_.append(a);
    fin_ = a.vx > 0 ? FinVol::SortieDroite : FinVol::SortieGauche;
    return true;
}

void Vol::rebonds(Arc arc)
{
    // The scene's run, started at date 0 (by the camera when recorded).
    SimulationState etat;
    etat.g = c_.g;
    etat.vx = c_.vx;
    etat.vy = c_.vy;
    EtatAnimation anim;
    anim.chronoActif = c_.enregistre ? 1 : 0;
    Reglages r;
    r.x0 = c_.x0;
    r.y0 = c_.y0;
    r.lieu = int(Lieu::Lune);  // no sound to ask for
    r.projectile = int(Projectile::Ballon);
    r.ralenti = c_.ralenti;
    r.sortieInitialise = false;  // leaving the scene is cut on each arc, at its exact date
    r.intervalleMs = c_.intervalleMs;
    r.echelle = c_.echelle;
    r.trainee = c_.trainee;
    Placement place;
    place.gauche = r.echelle.gaucheInitiale(r.x0);
    place.haut = r.echelle.hautInitial(r.y0);
    const double g = c_.g;
    for (int i = 0; i < ticksMax; ++i) {
        const qint16 avant = etat.rebondActif;
        const float tRebond = anim.tRebond;
        const ResultatTick res = tick(etat, anim, place, r);
        const bool fin = res.actions.contains(Action::FinDuMouvement);
        if (c_.enregistre && !fin && res.actions.contains(Action::Photo) && etat.t > 0)
            photos_.append(etat.t);
        if (avant == 0 && etat.rebondActif == 1) {
            arc.tPose = etat.t;  // put on the ground by this tick
            continue;
        }
        if (fin || (etat.rebondActif == 2 && (avant == 1 || anim.tRebond != tRebond))) {
            // An impact: the arc ends where the bounce starts, or the balloon stops.
            arc.tFin = anim.tRebond;
            if (avant != 1)
                arc.tPose = arc.tFin;
            if (sort(arc))
                return;
            arcs_.append(arc);
            if (fin || arcs_.size() >= arcsMax) {
                fin_ = FinVol::Arret;
                return;
            }
            arc = Arc{anim.tRebond, anim.xRebond, anim.yRebond, anim.vxRebond, anim.vyRebond, 0.0, 0.0, nullptr};
            if (c_.trainee > 0)
                arc.integre = arcIntegre(arc.x0, arc.y0, arc.vx, arc.vy, g, c_.trainee);
            // Until the next impact, bounded by the law (the tick says where it is seen).
            const std::optional<double> sol = retourAuSol(arc);
            arc.tFin = arc.tPose = sol.value_or(arc.t0);
            if (sol)
                arc.tSol = *sol;
        }
    }
    arcs_.append(arc);
    fin_ = FinVol::Arret;
}

int Vol::arcA(double t) const
{
    for (int i = 0; i < arcs_.size(); ++i)
        if (t <= arcs_[i].tFin)
            return i;
    return int(arcs_.size()) - 1;
}

EtatVol Vol::etatSurArc(int i, double t) const
{
    const Arc& a = arcs_[i];
    const double g = c_.g;
    const double tauPose = std::min(t, a.tPose) - a.t0;
    const double tauVitesse = std::min(t, a.tSol) - a.t0;
    if (a.integre) {
        const EtatVol v = a.integre->etat(tauVitesse);
        const EtatVol p = tauPose == tauVitesse ? v : a.integre->etat(tauPose);
        return {p.x, std::max(p.y, 0.0), v.vx, v.vy};
    }
    EtatVol e{a.x0 + a.vx * tauPose, a.y0 + a.vy * tauPose - 0.5 * g * tauPose * tauPose, a.vx, a.vy - g * tauVitesse};
    if (e.y < 0)
        e.y = 0.0;  // the scene shows it on the ground past the crossing, until its tick puts it there
    return e;
}

EtatVol Vol::etat(double t) const
{
    if (arcs_.isEmpty())
        return etatLibre(c_.x0, c_.y0, c_.vx, c_.vy, c_.g, 0.0);
    const double dateBornee = std::clamp(t, 0.0, duree());
    EtatVol e = etatSurArc(arcA(dateBornee), dateBornee);
    if (t > duree())
        e.vx = e.vy = 0.0;  // at rest where the flight ended
    return e;
}

std::optional<double> Vol::dateChute() const
{
    return chute_;
}

std::optional<double> Vol::dateSommet() const
{
    if (arcs_.isEmpty() || !(c_.vy > 0) || !(c_.g > 0))
        return std::nullopt;
    if (const auto& integre = arcs_.first().integre)
        return integre->passage([](const EtatVol& e) { return e.vy; }, arcs_.first().tFin);
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
    if (a.integre) {
        const double debut = a.y0 >= haut ? 0.0
                                          : a.integre->passage([=](const EtatVol& e) { return haut - e.y; }, a.tFin)
                                                .value_or(a.tFin);
        const double fin =
            a.integre->passage([=](const EtatVol& e) { return e.y - haut; }, a.tFin).value_or(a.tFin);
        if (!(fin > debut))
            return std::nullopt;
        return std::pair{debut, fin};
    }
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
