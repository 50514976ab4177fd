// SPDX-License-Identifier: GPL-3.0-or-later
// The program's start as a teacher sees it: the process started on the offscreen platform and
// timed until its window's first frame is painted; then the memory that process holds for
// itself alone: the pages it wrote (heap, pictures, relocated data). Clean pages of libraries
// and of the program are left out: they are read from the files and shared with any other
// process mapping them.

#include "bench.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

namespace {

// Private_Dirty of a running process, in kB; -1 when unreadable.
double memoirePrivee(qint64 pid)
{
    QFile f(QStringLiteral("/proc/%1/smaps_rollup").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    double total = 0;
    for (const QByteArray& ligne : f.readAll().split('\n'))
        if (ligne.startsWith("Private_Dirty:"))
            total += ligne.split(':').value(1).trimmed().split(' ').value(0).toDouble();
    return total;
}

}  // namespace

BALTOR_BENCH(demarrage)
{
    std::vector<double> durees;
    std::vector<double> memoires;
    for (int i = 0; i < 7; ++i) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("BALTOR_PREMIERE_IMAGE"), QStringLiteral("1"));
        p.setProcessEnvironment(env);
        p.setProcessChannelMode(QProcess::SeparateChannels);
        QElapsedTimer chrono;
        chrono.start();
        p.start(QCoreApplication::applicationDirPath() + QStringLiteral("/baltor"), QStringList());
        bool peinte = false;
        while (!peinte && p.waitForReadyRead(30000))
            peinte = p.readAllStandardOutput().contains("premiere-image");
        if (!peinte)
            return {{QStringLiteral("startup_process_ms"), -1, QStringLiteral("ms")}};
        durees.push_back(chrono.nsecsElapsed() / 1.0e6);
        memoires.push_back(memoirePrivee(p.processId()));
        p.kill();
        p.waitForFinished(10000);
    }
    return {{QStringLiteral("startup_process_ms"), mediane(durees), QStringLiteral("ms")},
            {QStringLiteral("private_memory_kb"), mediane(memoires), QStringLiteral("kB")}};
}
