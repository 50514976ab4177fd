// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The table of positions of a throw: one row per photograph date from 0 to the landing, the
// flight's summary, and the texts for the clipboard and for CSV files.
//
// The landing is the first return to the ground (y = 0), whatever y0: a projectile thrown from
// a height lands below its start, and the bouncing balloon's table ends at its first impact.
// The range ("portée") is the horizontal distance from the launch point to that landing point.

#include "sim/echelle.h"

#include <QString>
#include <QVector>

namespace analyse {

// The initial conditions, as the scene uses them (32-bit values from the fields and voxvoy).
struct Conditions {
    float x0 = 0.0f;  // m
    float y0 = 0.0f;  // m
    float vx = 0.0f;  // m/s
    float vy = 0.0f;  // m/s
    float g = 9.8f;   // N/kg
    double intervalleMs = 150.0;  // between two photographs (the number in `chrono`)
    bool rebondit = false;        // the balloon: only where its bounces go on the scene depends on it
    bool sortieInitialise = false;  // "Initialiser si sortie de l'écran": leaving sideways ends the flight
    sim::Echelle echelle{};       // the scene's scale, for what is drawn on it
    bool ralenti = false;         // "Ralenti": the balloon's impacts are seen at its smaller steps
    bool enregistre = false;      // photographed from date 0, which moves where the impacts are seen
    double trainee = 0.0;         // air resistance (sim::coefficientTrainee); 0: the closed form
};

// What a row of the table stands for.
enum class Genre { Photo, Lancement, Sommet, Chute, Impact, Arret, Sortie };

struct Ligne {
    int n = 0;
    double t = 0;   // s
    double x = 0;   // m
    double y = 0;   // m
    double vx = 0;  // m/s
    double vy = 0;  // m/s
    double v = 0;   // m/s
    Genre genre = Genre::Photo;
    double ec = 0;   // J
    double epp = 0;  // J, from the ground line
    double em = 0;   // J
};

struct Resume {
    bool vol = false;        // false: on the ground and not thrown upwards, nothing flies
    double duree = 0;        // date of the landing, s
    double xChute = 0;       // abscissa of the landing point, m
    double portee = 0;       // |xChute − x0|, m
    double hauteurMax = 0;   // highest y reached, m (y0 when not thrown upwards)
    double dateSommet = 0;   // s
    double xSommet = 0;      // m
    double vitesseImpact = 0;  // m/s
    double angleImpact = 0;    // degrees from Ox, anticlockwise (negative: downwards)
    sim::Echelle echelle{};    // the scene's scale of the conditions, for the marks
};

// Bounds of the interval, as the `chrono` field enforces them.
constexpr double intervalleMinMs = 10.0;
constexpr double intervalleMaxMs = 5000.0;
double intervalleBorne(double intervalleMs);

Resume resume(const Conditions& c);

// Rows at the photograph dates 0, τ, 2τ … while the date does not pass the landing.
QVector<Ligne> lignes(const Conditions& c);

// Number texts of the table: decimal comma, fixed decimals (3 for dates, 2 otherwise).
QString texteDate(double t);
QString texteValeur(double v);
// The cells of one row, in column order.
QStringList cellules(const Ligne& l);
// Column headers in plain ASCII: "n", "t (s)", "x (m)" …
QStringList entetes();

// Tab-separated rows with a header line, "\n" line ends: pastes into a spreadsheet's cells.
QString texteCopie(const QVector<Ligne>& lignes);
// ";" between columns, decimal comma, ASCII header line, "\r\n" line ends.
QByteArray texteCsv(const QVector<Ligne>& lignes);

// The summary in French sentences, one a line ("Durée du vol : 2,85 s" …).
QStringList texteResume(const Resume& r);

}  // namespace analyse
