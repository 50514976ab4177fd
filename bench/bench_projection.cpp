// SPDX-License-Identifier: GPL-3.0-or-later
// The main window magnified on a full-HD projector: one animation tick and the repaint it
// causes, the content drawn at 2.4 times its design size.

#include "bench.h"

#include "platform/plateforme_factice.h"
#include "scene/feuillep.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

BALTOR_BENCH(projection)
{
    // A recording stand-in for the desktop, with a full-HD screen.
    AvecPlateformeFactice plateformeTest;
    plateformeTest.factice.ecran = QSize(1920, 1080);
    feuilleP f;
    f.resize(1920, 1080);
    f.show();
    QCoreApplication::processEvents();
    f.repaint();
    std::vector<double> ticks;
    for (int i = 0; i < 1000; ++i) {
        if (!f.Timer1->isActive()) {
            f.command18_Click();
            f.Timer1->start();
        }
        QElapsedTimer chrono;
        chrono.start();
        f.Timer1_Timer();
        QCoreApplication::processEvents();
        ticks.push_back(chrono.nsecsElapsed() / 1e6);
    }
    f.Timer1->stop();
    return {{QStringLiteral("tick_fullhd_ms"), mediane(ticks), QStringLiteral("ms")},
            {QStringLiteral("tick_fullhd_p99_ms"), centile(ticks, 0.99), QStringLiteral("ms")}};
}
