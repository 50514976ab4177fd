// SPDX-License-Identifier: GPL-3.0-or-later
// How long "&Graphes" takes before the window can appear: the sampling and scales alone, then
// the whole load (controls, three drawings, labels).

#include "bench.h"

#include "graphs/calculgraphes.h"
#include "graphs/graphes.h"

#include <QElapsedTimer>

#include <cmath>

namespace {

EntreesGraphes lancerParDefaut()
{
    const double a = 85.0 * M_PI / 180.0;
    return EntreesGraphes{QStringLiteral("ballon ( m = 450 g )"), QRect(0, 0, 800, 600), 9.8f,
                          float(14 * std::cos(a)), float(14 * std::sin(a)), QStringLiteral("0,0"),
                          QStringLiteral("0,0")};
}

}  // namespace

BALTOR_BENCH(graphes)
{
    const EntreesGraphes e = lancerParDefaut();
    std::vector<double> calculs;
    qsizetype points = 0;
    int refus = 0;
    for (int i = 0; i < 2000; ++i) {
        QElapsedTimer chrono;
        chrono.start();
        const VolGraphes v = calculeVol(e.g, e.vx, e.vy, 0.0f, 0.0f);
        points = v.courbeYX().size();
        calculs.push_back(chrono.nsecsElapsed() / 1000.0);
    }
    std::vector<double> chargements;
    for (int i = 0; i < 30; ++i) {
        QElapsedTimer chrono;
        chrono.start();
        graphes fenetre(e);
        refus += fenetre.grapheImpossible;
        chargements.push_back(chrono.nsecsElapsed() / 1.0e6);
    }
    return {
        {QStringLiteral("graphes.calcul.mediane"), mediane(calculs), QStringLiteral("µs")},
        {QStringLiteral("graphes.calcul.p99"), centile(calculs, 0.99), QStringLiteral("µs")},
        {QStringLiteral("graphes.chargement.mediane"), mediane(chargements), QStringLiteral("ms")},
        {QStringLiteral("graphes.chargement.p99"), centile(chargements, 0.99), QStringLiteral("ms")},
        {QStringLiteral("graphes.points_par_courbe"), double(points), QStringLiteral("points")},
        {QStringLiteral("graphes.refus_sur_30_chargements"), double(refus), QStringLiteral("refus")},
    };
}
