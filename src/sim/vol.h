// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The whole flight of a throw, asked by the table, the energy graphs and the measuring tools:
// free flight from the initial conditions (the parabola, or integrated with air resistance), the balloon's damped bounces, and where it ends
// (on the ground, at rest after the bounces, or leaving the scene sideways when the scene
// resets itself then). Every date of the flight reads the same arcs. The bounces are the
// scene's own: its tick notices each impact at the first tick past the ground and bounces
// from there, so they are built by running that tick.

#include "sim/echelle.h"
#include "sim/frottements.h"
#include "sim/mouvement.h"

#include <QString>
#include <QVector>

#include <limits>
#include <memory>
#include <optional>

namespace sim {

struct ConditionsVol {
    float x0 = 0.0f;  // m
    float y0 = 0.0f;  // m
    float vx = 0.0f;  // m/s
    float vy = 0.0f;  // m/s
    float g = 9.8f;   // N/kg
    bool rebondit = false;          // the balloon
    bool sortieInitialise = false;  // "Initialiser si sortie de l'écran": leaving sideways ends the flight
    Echelle echelle{};              // the scene's scale: where its edges and its top are
    bool ralenti = false;           // "Ralenti": smaller steps, so impacts are seen sooner
    bool enregistre = false;        // photographed from date 0: the dates fall back onto each photograph's
    double intervalleMs = 150.0;    // between two photographs
    double trainee = 0.0;           // air resistance (Reglages::trainee); 0: the closed form
};

// One parabola: from (x0, y0) at date t0 with velocity (vx, vy), until date tFin. From tPose
// on the picture lies on the ground where that tick put it: the scene takes the velocity of a
// bounce from the free flight one tick after it noticed the impact.
struct Arc {
    double t0 = 0;
    double x0 = 0;
    double y0 = 0;
    double vx = 0;
    double vy = 0;
    double tFin = 0;
    double tPose = 0;  // ≤ tFin
    std::shared_ptr<const ArcIntegre> integre;  // with air resistance; none: the parabola
    // Date the free flight meets the ground (≤ tPose). Past it the projectile lies on the
    // ground: its velocity stays the one it met the ground with, until the bounce's tick.
    double tSol = std::numeric_limits<double>::infinity();
};

enum class FinVol {
    AucunVol,  // on the ground and not thrown upwards
    Sol,       // back on the ground
    Arret,     // the balloon stops bouncing
    SortieGauche,
    SortieDroite,
};

class Vol {
public:
    explicit Vol(const ConditionsVol& c);

    const ConditionsVol& conditions() const { return c_; }
    const QVector<Arc>& arcs() const { return arcs_; }
    FinVol fin() const { return fin_; }
    bool vole() const { return fin_ != FinVol::AucunVol; }
    double duree() const { return arcs_.isEmpty() ? 0.0 : arcs_.last().tFin; }

    // Position and velocity at date t (0 ≤ t ≤ duree()); after the last arc the projectile
    // lies where the flight ended, at rest when it stopped.
    EtatVol etat(double t) const;
    // The arc flown at date t: at an impact date, the arc that ends there.
    int arcA(double t) const;
    // Position and velocity at date t on arc i (t0 ≤ t ≤ tFin); never below the ground.
    EtatVol etatSurArc(int i, double t) const;
    // Dates of the photographs after date 0 when the balloon's flight is recorded, as the scene
    // takes them (the bounce starts one step after its photograph's date); empty otherwise.
    const QVector<double>& datesPhotos() const { return photos_; }

    // The first landing (the free flight's return to y = 0), when the flight gets there.
    std::optional<double> dateChute() const;
    // Highest point of the free flight; nullopt when it is not thrown upwards.
    std::optional<double> dateSommet() const;
    // Dates where the picture is above the scene's top edge, when it goes there: the first
    // flight that leaves the view upwards comes back down unseen.
    std::optional<std::pair<double, double>> horsDeVueEnHaut() const;

private:
    // The balloon's bounces, from the scene's ticks; `premier` is the free flight.
    void rebonds(Arc premier);
    // Date at which the arc comes back to y = 0; nullopt when it never does.
    std::optional<double> retourAuSol(const Arc& a) const;
    // Cuts the arc where the picture leaves the scene sideways, when the scene resets itself then.
    bool sort(Arc& a);

    ConditionsVol c_;
    QVector<Arc> arcs_;
    FinVol fin_ = FinVol::AucunVol;
    std::optional<double> chute_;
    QVector<double> photos_;
};

// Mass in kg written in a projectile's caption: "pomme ( m = 180 g )", "rocher ( m = 1830 kg )".
// nullopt when no mass can be read: energies must not be computed from a guess.
std::optional<double> masseLegende(const QString& legende);

}  // namespace sim
