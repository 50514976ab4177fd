// SPDX-License-Identifier: GPL-3.0-or-later
// The velocity and energy samples of a long flight (a 10 s throw with the balloon's bounces),
// and the page of the five graphs written as a PDF in memory.

#include "bench.h"

#include "analyse/energies.h"
#include "analyse/tableauvol.h"
#include "graphs/pageimprimee.h"

#include <QElapsedTimer>

namespace {

// About 10 s of flight on Mars, bounces included.
analyse::Conditions volDeDixSecondes()
{
    const sim::Vitesse v = sim::voxvoy(7.0f, 70.0f);
    return {0.0f, 2.0f, v.vx, v.vy, 3.71f, 150.0, true};
}

}  // namespace

BALTOR_BENCH(energies)
{
    const analyse::Conditions c = volDeDixSecondes();
    std::vector<double> durees;
    double duree = 0;
    for (int i = 0; i < 300; ++i) {
        QElapsedTimer chrono;
        chrono.start();
        const sim::Vol vol(analyse::conditionsVol(c));
        const QVector<analyse::EchantillonVol> e = analyse::echantillonsVol(vol, 0.45);
        durees.push_back(chrono.nsecsElapsed() / 1.0e6);
        duree = e.last().t;
    }
    const analyse::Montage m{QStringLiteral("Mars ( g = 3,71 N / kg )"), QStringLiteral("ballon ( m = 450 g )"),
                             "0,0", "2,0", "7,0", "70,0"};
    std::vector<double> pages;
    qsizetype octets = 0;
    for (int i = 0; i < 20; ++i) {
        QElapsedTimer chrono;
        chrono.start();
        octets = pdfPageGraphes(pageDuVol(c, m)).size();
        pages.push_back(chrono.nsecsElapsed() / 1.0e6);
    }
    return {
        {QStringLiteral("energies_samples_ms"), mediane(durees), QStringLiteral("ms")},
        {QStringLiteral("energies.duree_du_vol"), duree, QStringLiteral("s")},
        {QStringLiteral("graphes_page_pdf_ms"), mediane(pages), QStringLiteral("ms")},
        {QStringLiteral("graphes_page_pdf.taille"), double(octets) / 1024.0, QStringLiteral("Kio")},
    };
}
