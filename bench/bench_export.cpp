// SPDX-License-Identifier: GPL-3.0-or-later
// The command line's exports timed as a script sees them: the whole process, from its start to
// its exit, the default throw without a file.

#include "bench.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

namespace {

// Median wall time of `n` runs of baltor with these arguments, or -1 when a run fails.
double dureeProcessus(const QStringList& arguments, int n)
{
    std::vector<double> durees;
    for (int i = 0; i < n; ++i) {
        QProcess p;
        QElapsedTimer chrono;
        chrono.start();
        p.start(QCoreApplication::applicationDirPath() + QStringLiteral("/baltor"), arguments);
        if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
            return -1;
        durees.push_back(chrono.nsecsElapsed() / 1.0e6);
    }
    return mediane(durees);
}

}  // namespace

BALTOR_BENCH(export)
{
    QTemporaryDir dossier;
    constexpr int n = 7;
    return {
        {QStringLiteral("export_image_ms"), dureeProcessus({"--image", dossier.filePath("s.png")}, n),
         QStringLiteral("ms")},
        {QStringLiteral("export_graphes_ms"), dureeProcessus({"--graphes", dossier.filePath("g.pdf")}, n),
         QStringLiteral("ms")},
        {QStringLiteral("export_mesures_ms"), dureeProcessus({"--mesures", dossier.filePath("m.csv")}, n),
         QStringLiteral("ms")},
        {QStringLiteral("export_python_ms"), dureeProcessus({"--python", dossier.filePath("v.py")}, n),
         QStringLiteral("ms")},
        {QStringLiteral("export_ods_ms"), dureeProcessus({"--mesures", dossier.filePath("m.ods")}, n),
         QStringLiteral("ms")},
    };
}
