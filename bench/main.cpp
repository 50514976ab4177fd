// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench.h"

#include "platform/plateforme_factice.h"

#include <QApplication>
#include <QTextStream>

#include <algorithm>
#include <map>

namespace {
std::map<QString, FonctionBench>& registre()
{
    static std::map<QString, FonctionBench> r;
    return r;
}
}  // namespace

EnregistreBench::EnregistreBench(const char* nom, FonctionBench f)
{
    registre()[QString::fromLatin1(nom)] = std::move(f);
}

double mediane(std::vector<double> v)
{
    return centile(std::move(v), 0.5);
}

double centile(std::vector<double> v, double p)
{
    if (v.empty())
        return 0.0;
    std::sort(v.begin(), v.end());
    const size_t i = std::min(v.size() - 1, size_t(p * double(v.size() - 1) + 0.5));
    return v[i];
}

int main(int argc, char** argv)
{
    // Runs anywhere, display or not: the figures never depend on a window being shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Message boxes and sounds go to the recorder: a benchmark never waits for a click.
    AvecPlateformeFactice factice;
    QStringList choisis = app.arguments().mid(1);
    QTextStream sortie(stdout);
    for (const auto& [nom, f] : registre()) {
        if (!choisis.isEmpty() && !choisis.contains(nom))
            continue;
        for (const Mesure& m : f())
            sortie << m.nom << ": " << QString::number(m.valeur, 'f', 3) << ' ' << m.unite << Qt::endl;
    }
    return 0;
}
