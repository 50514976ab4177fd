// SPDX-License-Identifier: GPL-3.0-or-later
#include "analyse/energies.h"

#include <cmath>

namespace analyse {

Energies energies(const sim::EtatVol& e, double masse, double g)
{
    Energies r;
    r.ec = 0.5 * masse * (e.vx * e.vx + e.vy * e.vy);
    r.epp = masse * g * e.y;
    r.em = r.ec + r.epp;
    return r;
}

QVector<EchantillonVol> echantillonsVol(const sim::Vol& vol, double masse, int parArc)
{
    QVector<EchantillonVol> r;
    const double g = vol.conditions().g;
    const int n = std::max(1, parArc);
    auto ajoute = [&](double t, const sim::EtatVol& e) {
        r.append({t, e.vx, e.vy, std::hypot(e.vx, e.vy), energies(e, masse, g)});
    };
    if (vol.arcs().isEmpty()) {
        ajoute(0.0, vol.etat(0.0));
        return r;
    }
    r.reserve(int(vol.arcs().size()) * (n + 1) + 1);
    for (int k = 0; k < vol.arcs().size(); ++k) {
        const sim::Arc& a = vol.arcs()[k];
        const double duree = a.tFin - a.t0;
        for (int i = 0; i <= n; ++i)
            ajoute(i == n ? a.tFin : a.t0 + duree * i / n, vol.etatSurArc(k, i == n ? a.tFin : a.t0 + duree * i / n));
    }
    // Once at rest after the bounces: nothing moves any more.
    if (vol.fin() == sim::FinVol::Arret)
        ajoute(vol.duree(), vol.etat(vol.duree() + 1.0));
    return r;
}

}  // namespace analyse
