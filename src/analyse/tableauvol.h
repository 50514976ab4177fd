// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The table of the whole flight: the photograph dates, the launch, the apex, the landing and,
// for the balloon, every impact and the stop, each row with its velocity and energies; the
// set-up and the flight's figures above it; how the flight ended below it. The window, its
// copy, its print and its CSV file (and the command line's) all write this one table.

#include "analyse/tableau.h"
#include "sim/vol.h"

#include <QStringList>
#include <QVector>

#include <optional>

namespace analyse {

// The set-up as the panel shows it.
struct Montage {
    QString lieu;        // "Terre ( g = 9,8 N / kg )"
    QString projectile;  // "pomme ( m = 180 g )": the mass is read from it
    QString x0, y0, v0, angle;  // the fields' texts
};

struct TableauVol {
    QStringList sommaire;     // set-up and flight figures, one a line
    QVector<Ligne> lignes;
    QString fin;              // how the flight ended (the last line)
    std::optional<double> masse;  // kg; none: the caption gives none, energies left empty
};

sim::ConditionsVol conditionsVol(const Conditions& c);
TableauVol tableauVol(const Conditions& c, const Montage& m);

QString texteGenre(Genre g);  // "photo", "lancement", "sommet", "chute", "impact", "arrêt", "sortie"
QStringList entetesVol();     // entetes() then "Ec (J)", "Epp (J)", "Em (J)", "point"
QStringList cellulesVol(const Ligne& l, bool energies);

// The window's copy: the summary, the tab-separated rows, the end line.
QString texteCopieVol(const TableauVol& t);
// UTF-8 CSV: each summary line as one quoted cell, then the header and the rows (";",
// decimal comma), then the end line as one quoted cell; "\r\n" line ends.
QByteArray texteCsvVol(const TableauVol& t);

}  // namespace analyse
