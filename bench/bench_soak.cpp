// SPDX-License-Identifier: GPL-3.0-or-later
// Soak of the main window: 100 000 ticks of flights with the chronophotography recording, the
// place and the projectile changed after each flight, the impact sounds on the desktop's real
// clip. The resident memory must stay flat once every place, projectile and sound has been met.

#include "bench.h"

#include "core/module1.h"
#include "platform/clip_qt.h"
#include "platform/plateforme_factice.h"
#include "scene/feuillep.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>

namespace {

// The recorder, but with the real sound clip: the clips loaded and switched are part of the soak,
// and the recorder's list of sounds does not grow with every impact.
class PlateformeSoak : public PlateformeFactice {
public:
    std::unique_ptr<ClipSon> nouveauClip() override { return std::make_unique<ClipQt>(); }
    void beep() override {}
};

// Resident memory in KB, from the kernel's view of the process (-1 where it cannot be read).
double memoireResidenteKo()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1.0;
    for (const QByteArray& ligne : f.readAll().split('\n'))
        if (ligne.startsWith("VmRSS:"))
            return ligne.mid(6).trimmed().split(' ').value(0).toDouble();
    return -1.0;
}

}  // namespace

BALTOR_BENCH(soak)
{
    constexpr int ticks = 100000;
    constexpr int echauffement = 10000;  // every place and projectile met several times
    Plateforme* avant = &plateforme();
    PlateformeSoak soak;
    installePlateforme(&soak);

    double memoireApresEchauffement = 0.0;
    double memoireFin = 0.0;
    double dureeTicksNs = 0.0;
    int vols = 0;
    {
        feuilleP f;
        f.show();
        QCoreApplication::processEvents();
        QElapsedTimer chrono;
        for (int i = 0; i < ticks; ++i) {
            if (!f.Timer1->isActive()) {
                // A flight ended: next place and projectile, then record the next one.
                ++vols;
                f.Combo1->setCurrentIndex(vols % 3);
                f.Combo1_Click();
                f.Combo2->setCurrentIndex(vols % 5);
                f.Combo2_Click();
                f.command12_Click();
            }
            chrono.start();
            f.Timer1_Timer();
            QCoreApplication::processEvents();
            if (i >= echauffement)
                dureeTicksNs += double(chrono.nsecsElapsed());
            if (i + 1 == echauffement)
                memoireApresEchauffement = memoireResidenteKo();
        }
        memoireFin = memoireResidenteKo();
        f.Timer1->stop();
    }
    installePlateforme(avant);

    return {
        {QStringLiteral("soak_flights"), double(vols), QStringLiteral("flights")},
        {QStringLiteral("soak_tick_us"), dureeTicksNs / double(ticks - echauffement) / 1000.0, QStringLiteral("us")},
        {QStringLiteral("soak_rss_growth_kb"), memoireFin - memoireApresEchauffement, QStringLiteral("KB")},
    };
}
