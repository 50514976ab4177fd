// SPDX-License-Identifier: GPL-3.0-or-later
// Shows the graph window for a given throw, to look at it under Xvfb, or prints the three
// graphs to a PDF file through the recording platform to look at the page.
//   voir_graphes <g> <v0> <angle> <x0> <y0> [title]
//   voir_graphes --pdf <file> <g> <v0> <angle> <x0> <y0>
//   voir_graphes --energies <file.png> <g> <v0> <angle> <x0> <y0> [projectile]: the velocity
//   and energy window, grabbed into a picture

#include "graphs/energiesgraphes.h"
#include "graphs/graphes.h"
#include "platform/plateforme_factice.h"

#include <QApplication>

#include <cmath>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QStringList a = app.arguments();
    QString pdf;
    QString energies;
    if (a.size() > 2 && a[1] == QStringLiteral("--pdf")) {
        pdf = a[2];
        a.remove(1, 2);
    } else if (a.size() > 2 && a[1] == QStringLiteral("--energies")) {
        energies = a[2];
        a.remove(1, 2);
    }
    auto nombre = [&](int i, double defaut) { return a.size() > i ? a[i].toDouble() : defaut; };
    const double angle = nombre(3, 85) * M_PI / 180.0;
    const double v0 = nombre(2, 14);
    const EntreesGraphes entrees{a.size() > 6 ? a[6] : QStringLiteral("ballon ( m = 450 g )"),
                                 QRect(0, 0, 800, 600),
                                 float(nombre(1, 9.8)),
                                 float(v0 * std::cos(angle)),
                                 float(v0 * std::sin(angle)),
                                 a.size() > 4 ? a[4] : QStringLiteral("0"),
                                 a.size() > 5 ? a[5] : QStringLiteral("0")};
    if (!energies.isEmpty()) {
        AvecPlateformeFactice f;
        const QString projectile = a.size() > 6 ? a[6] : QStringLiteral("ballon ( m = 450 g )");
        const analyse::Conditions c{float(a.value(4, "0").toDouble()), float(a.value(5, "0").toDouble()),
                                    entrees.vx, entrees.vy, entrees.g, 150.0,
                                    projectile.startsWith(QStringLiteral("ballon"))};
        grapheEnergies fenetre({projectile, QRect(0, 0, 800, 600), c,
                                {QStringLiteral("Terre ( g = 9,8 N / kg )"), projectile, a.value(4, "0"),
                                 a.value(5, "0"), a.value(2, "14"), a.value(3, "85")}});
        fenetre.show();
        QApplication::processEvents();
        return fenetre.grab().save(energies) ? 0 : 1;
    }
    if (!pdf.isEmpty()) {
        AvecPlateformeFactice f;
        f.factice.sortiePdf = pdf;
        graphes fenetre(entrees);
        fenetre.Command8_Click();
        return fenetre.grapheImpossible;
    }
    graphes::affiche(entrees, nullptr, [](QWidget*) {});  // the energies button, for the look
    return 0;
}
