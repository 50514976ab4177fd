// SPDX-License-Identifier: GPL-3.0-or-later
// Figures of the measurements: the table of a long flight (5000 rows: 10 ms on the Moon, a
// throw straight up at 40,5 m/s), the window opening with it, and what the vectors add to a
// tick that takes a photograph.

#include "bench.h"

#include "analyse/mesures.h"
#include "analyse/mesuresscene.h"
#include "analyse/tableau.h"
#include "core/module1.h"
#include "scene/feuillep.h"
#include "sim/mouvement.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTimer>

namespace {

EntreesMesures volLunaire()
{
    EntreesMesures e;
    const sim::Vitesse v = sim::voxvoy(40.5f, 90.0f);
    e.conditions = {0.0f, 0.0f, v.vx, v.vy, 1.62f, 10.0};
    e.entete = {QStringLiteral("Lieu : Lune ( g = 1,62 N / kg )")};
    return e;
}

// Median tick (with its repaint) over photographs taken at every tick, and the median time the
// vectors take in those ticks, measured where they are drawn (a difference of two noisy
// medians could come out below zero).
std::pair<double, double> ticksAvecPhotos(bool repeint)
{
    feuilleP f;
    f.show();
    f.chrono->setText(QStringLiteral("40"));
    QCoreApplication::processEvents();
    for (const char* nom : {"vecteursVitesse", "vecteursDeltaV"})
        f.findChild<QAction*>(QString::fromLatin1(nom))->setChecked(true);
    std::vector<double> ticks;
    std::vector<double> vecteurs;
    for (int i = 0; i < 1500; ++i) {
        if (!f.Timer1->isActive()) {
            f.Combo1_Click();  // a clean scene, as "&Effacer" gives
            f.command12_Click();
        }
        QElapsedTimer chrono;
        chrono.start();
        f.Timer1_Timer();
        if (repeint)
            QCoreApplication::processEvents();
        ticks.push_back(chrono.nsecsElapsed() / 1e6);
        vecteurs.push_back(f.mesuresScene->dureeVecteursMs());
    }
    f.Timer1->stop();
    return {mediane(ticks), mediane(vecteurs)};
}

}  // namespace

BALTOR_BENCH(mesures)
{
    std::vector<Mesure> figures;
    const EntreesMesures e = volLunaire();
    {
        std::vector<double> durees;
        qsizetype lignes = 0;
        for (int i = 0; i < 20; ++i) {
            QElapsedTimer chrono;
            chrono.start();
            const QVector<analyse::Ligne> l = analyse::lignes(e.conditions);
            const analyse::Resume r = analyse::resume(e.conditions);
            durees.push_back(chrono.nsecsElapsed() / 1e6);
            lignes = l.size() + (r.vol ? 0 : 1);
        }
        figures.push_back({QStringLiteral("mesures_table_ms"), mediane(durees), QStringLiteral("ms")});
        figures.push_back({QStringLiteral("mesures_table_rows"), double(lignes), QStringLiteral("rows")});
    }
    {
        std::vector<double> durees;
        for (int i = 0; i < 10; ++i) {
            QElapsedTimer chrono;
            chrono.start();
            mesures fenetre(e);
            fenetre.show();
            fenetre.repaint();
            QCoreApplication::processEvents();
            durees.push_back(chrono.nsecsElapsed() / 1e6);
        }
        figures.push_back({QStringLiteral("mesures_window_ms"), mediane(durees), QStringLiteral("ms")});
    }
    {
        std::vector<double> durees;
        for (int i = 0; i < 20; ++i) {
            QElapsedTimer chrono;
            chrono.start();
            const QByteArray csv = analyse::texteCsv(analyse::lignes(e.conditions));
            durees.push_back(chrono.nsecsElapsed() / 1e6);
            Q_UNUSED(csv);
        }
        figures.push_back({QStringLiteral("mesures_csv_ms"), mediane(durees), QStringLiteral("ms")});
    }
    const auto [tick, vecteurs] = ticksAvecPhotos(true);
    figures.push_back({QStringLiteral("tick_photo_ms"), tick, QStringLiteral("ms")});
    figures.push_back({QStringLiteral("tick_photo_vectors_ms"), vecteurs, QStringLiteral("ms")});
    // The same without the repaint: the drawing alone.
    const auto [tickSansRepeint, vecteursSansRepeint] = ticksAvecPhotos(false);
    Q_UNUSED(tickSansRepeint);
    figures.push_back({QStringLiteral("tick_photo_vectors_draw_ms"), vecteursSansRepeint, QStringLiteral("ms")});
    return figures;
}
