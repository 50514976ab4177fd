// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Air resistance, an option: a drag force ½·ρ·Cd·S·v² opposite to the velocity. The flight is
// then integrated (classical Runge–Kutta at a fixed step); without it the closed form holds.

#include "sim/mouvement.h"

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace sim {

// Air density of a place in kg/m³ (Combo1's index): 0 on the Moon, where drag does nothing.
double masseVolumiqueAir(int lieu);

// What drag needs of a projectile (Combo2's index): mass, drag coefficient, diameter.
struct Aerodynamique {
    double masse;     // kg, as the projectile's caption gives it
    double cx;        // drag coefficient Cd
    double diametre;  // m
};
std::optional<Aerodynamique> aerodynamique(int projectile);

// The coefficient k = ρ·Cd·S / (2m), in 1/m, such that the drag acceleration is −k·|v|·v;
// 0 where the air does nothing (the Moon, an unknown projectile).
double coefficientTrainee(int lieu, int projectile);

// One arc flown under gravity and drag from (x0, y0) with velocity (vx, vy), integrated on
// demand at fixed steps of `pas` seconds; a date between two steps is reached by one partial
// step from the step before it, so every date is a pure function of the arc.
class ArcIntegre {
public:
    static constexpr double pas = 1e-3;  // s
    static constexpr double dureeMax = 600.0;   // s: the integration stops there

    ArcIntegre(double x0, double y0, double vx, double vy, double g, double k);

    EtatVol etat(double tau) const;  // tau ≥ 0, from the start of the arc

    // First date in (0, tauMax] where f goes from positive to zero or below, found between two
    // steps by bisection; nullopt when it does not happen before tauMax (or dureeMax).
    std::optional<double> passage(const std::function<double(const EtatVol&)>& f, double tauMax) const;
    // Back to y = 0 coming down; nullopt when it never gets there.
    std::optional<double> retourAuSol() const;

    // dEm/dt per kilogram: the power of the drag force, −k·|v|³ (W/kg).
    double puissanceTrainee(const EtatVol& e) const;

private:
    EtatVol etape(const EtatVol& e, double h) const;
    const EtatVol& noeud(int n) const;  // state at n·pas, integrated on first demand

    double g_;
    double k_;
    mutable std::vector<EtatVol> noeuds_;
};

// The integrated arc of these initial values, shared: the scene's tick asks for the same arc
// at every tick, and the flight of the tools asks for the same arcs again.
std::shared_ptr<const ArcIntegre> arcIntegre(double x0, double y0, double vx, double vy, double g, double k);

}  // namespace sim
