// SPDX-License-Identifier: GPL-3.0-or-later
#include "analyse/vecteurs.h"

#include "analyse/tableauvol.h"
#include "core/module1.h"
#include "sim/animation.h"

#include <cmath>

namespace analyse {

QVector<Vecteur> vecteursVitesse(const QVector<Ligne>& lignes)
{
    QVector<Vecteur> v;
    v.reserve(lignes.size());
    for (const Ligne& l : lignes)
        v.append({QPointF(l.x, l.y), QPointF(l.vx, l.vy)});
    return v;
}

QVector<Vecteur> vecteursDeltaV(const QVector<Ligne>& lignes)
{
    QVector<Vecteur> v;
    for (int i = 1; i + 1 < lignes.size(); ++i) {
        const Ligne& avant = lignes[i - 1];
        const Ligne& apres = lignes[i + 1];
        v.append({QPointF(lignes[i].x, lignes[i].y), QPointF(apres.vx - avant.vx, apres.vy - avant.vy)});
    }
    return v;
}

QVector<QVector<Ligne>> lignesEnVol(const Conditions& c)
{
    if (!c.rebondit)
        return {lignes(c)};
    const sim::Vol vol(conditionsVol(c));
    const TableauVol t = tableauVol(c, Montage{});
    QVector<QVector<Ligne>> series;
    int arc = -1;
    for (const Ligne& l : t.lignes) {
        if (l.n < 0)
            continue;  // not a photograph's date
        const int i = vol.arcs().isEmpty() ? 0 : vol.arcA(l.t);
        const bool auSol = !vol.arcs().isEmpty() &&
                           (l.t >= vol.arcs()[i].tPose || (i == 0 && l.t > vol.dateChute().value_or(l.t)));
        if (auSol && l.t > 0) {
            arc = -1;
            continue;
        }
        // A photograph off the interval (the one a bounce starts with) starts a new run, as on the scene.
        const bool suivante = !series.isEmpty() && !series.last().isEmpty() &&
                              sim::photoSuivante(float(series.last().last().t), intervalleBorne(c.intervalleMs)) == float(l.t);
        if (i != arc || !suivante)
            series.append(QVector<Ligne>());
        arc = i;
        series.last().append(l);
    }
    return series;
}

QPointF versScene(double x, double y, sim::Echelle e)
{
    return e.versScene(x, y);
}

double echelleVitesse(const Conditions& c)
{
    const double vx = c.vx;
    const double vy = c.vy;
    const double vmax = std::sqrt(std::max(0.0, vx * vx + vy * vy + 2.0 * double(c.g) * double(c.y0)));
    return vmax > 0 ? longueurFleche / vmax : 0.0;
}

double echelleDeltaV(const Conditions& c)
{
    const double dv = 2.0 * double(c.g) * intervalleBorne(c.intervalleMs) / 1000.0;
    return dv > 0 ? longueurFleche / dv : 0.0;
}

double valeurRonde(double maximum)
{
    if (!(maximum > 0) || !std::isfinite(maximum))
        return 0.0;
    double puissance = std::pow(10.0, std::floor(std::log10(maximum)));
    for (double m : {5.0, 2.0, 1.0})
        if (m * puissance <= maximum * (1 + 1e-12))
            return m * puissance;
    return puissance / 2.0;
}

QPointF vitesseCourante(const SimulationState& etat, const sim::EtatAnimation& anim)
{
    if (etat.rebondActif == 2)
        return {double(anim.vxRebond), double(anim.vyRebond) - double(etat.g) * double(etat.t - anim.tRebond)};
    return {double(etat.vx), double(etat.vy) - double(etat.g) * double(etat.t)};
}

}  // namespace analyse
