// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/frottements.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace sim {

namespace {

// Sea-level air, 1,2 kg/m³ (ISA standard atmosphere, 1,225 at 15 °C, rounded as school books do);
// Mars, 0,020 kg/m³ at the surface (NASA Mars Fact Sheet); the Moon has no air.
constexpr std::array<double, 3> densites{1.2, 0.0, 0.020};

// One table for the projectiles, in Combo2's order. A smooth sphere below the drag crisis has
// Cd ≈ 0,47 (Hoerner, "Fluid-Dynamic Drag", 1965; the usual textbook figure), which holds for
// the apple, the boule and, taken as spheres of their own volume, the stone and the rock.
constexpr std::array<Aerodynamique, 5> projectiles{{
    // pomme 180 g: an apple of that mass is 7 to 8 cm across (EU marketing standard for apples,
    // sizes by diameter); 7,5 cm.
    {0.180, 0.47, 0.075},
    // pierre 330 g: granite, 2,65 g/cm³, gives 125 cm³, the volume of a 6,2 cm sphere.
    {0.330, 0.47, 0.062},
    // ballon 450 g: a size-5 football, 68 to 70 cm round (FIFA Laws of the Game, Law 2), so
    // 22 cm across; Cd 0,25 measured on filmed kicks (Bray & Kerwin, J. Sports Sci. 21, 2003).
    {0.450, 0.25, 0.22},
    // boule de pétanque 800 g: 70,5 to 80 mm across, 650 to 800 g (FIPJP rules, art. 2); the
    // heaviest boules are the largest, 7,8 cm.
    {0.800, 0.47, 0.078},
    // rocher 1830 kg: granite, 2650 kg/m³, gives 0,69 m³, the volume of a 1,10 m sphere.
    {1830.0, 0.47, 1.10},
}};

EtatVol derivee(const EtatVol& e, double g, double k)
{
    const double v = std::hypot(e.vx, e.vy);
    return {e.vx, e.vy, -k * v * e.vx, -g - k * v * e.vy};
}

EtatVol plus(const EtatVol& e, const EtatVol& d, double h)
{
    return {e.x + h * d.x, e.y + h * d.y, e.vx + h * d.vx, e.vy + h * d.vy};
}

}  // namespace

double masseVolumiqueAir(int lieu)
{
    return lieu >= 0 && lieu < int(densites.size()) ? densites[std::size_t(lieu)] : 0.0;
}

std::optional<Aerodynamique> aerodynamique(int projectile)
{
    if (projectile < 0 || projectile >= int(projectiles.size()))
        return std::nullopt;
    return projectiles[std::size_t(projectile)];
}

double coefficientTrainee(int lieu, int projectile)
{
    const std::optional<Aerodynamique> a = aerodynamique(projectile);
    if (!a)
        return 0.0;
    const double surface = std::numbers::pi * a->diametre * a->diametre / 4.0;
    return masseVolumiqueAir(lieu) * a->cx * surface / (2.0 * a->masse);
}

ArcIntegre::ArcIntegre(double x0, double y0, double vx, double vy, double g, double k) : g_(g), k_(k)
{
    noeuds_.push_back({x0, y0, vx, vy});
}

EtatVol ArcIntegre::etape(const EtatVol& e, double h) const
{
    const EtatVol k1 = derivee(e, g_, k_);
    const EtatVol k2 = derivee(plus(e, k1, h / 2), g_, k_);
    const EtatVol k3 = derivee(plus(e, k2, h / 2), g_, k_);
    const EtatVol k4 = derivee(plus(e, k3, h), g_, k_);
    return {e.x + h / 6 * (k1.x + 2 * k2.x + 2 * k3.x + k4.x), e.y + h / 6 * (k1.y + 2 * k2.y + 2 * k3.y + k4.y),
            e.vx + h / 6 * (k1.vx + 2 * k2.vx + 2 * k3.vx + k4.vx),
            e.vy + h / 6 * (k1.vy + 2 * k2.vy + 2 * k3.vy + k4.vy)};
}

const EtatVol& ArcIntegre::noeud(int n) const
{
    while (noeuds_.size() <= std::size_t(n))
        noeuds_.push_back(etape(noeuds_.back(), pas));
    return noeuds_[std::size_t(n)];
}

EtatVol ArcIntegre::etat(double tau) const
{
    if (!(tau > 0))
        return noeuds_.front();
    const double borne = std::min(tau, dureeMax);
    int n = int(std::floor(borne / pas));
    double reste = borne - n * pas;
    if (reste < 0) {
        --n;
        reste += pas;
    }
    const EtatVol& e = noeud(n);
    return reste > 0 ? etape(e, reste) : e;
}

std::optional<double> ArcIntegre::passage(const std::function<double(const EtatVol&)>& f, double tauMax) const
{
    const double fin = std::min(tauMax, dureeMax);
    const int nMax = int(std::ceil(fin / pas));
    double avant = f(noeud(0));
    for (int n = 0; n < nMax; ++n) {
        const double apres = f(noeud(n + 1));
        if (avant > 0 && !(apres > 0)) {
            // Between the two steps: the partial steps from the first one, bisected.
            double a = 0;
            double b = pas;
            for (int i = 0; i < 60 && b - a > 1e-15; ++i) {
                const double m = (a + b) / 2;
                (f(etape(noeud(n), m)) > 0 ? a : b) = m;
            }
            const double t = n * pas + b;
            return t <= fin ? std::optional<double>(t) : std::nullopt;
        }
        avant = apres;
    }
    return std::nullopt;
}

std::optional<double> ArcIntegre::retourAuSol() const
{
    const EtatVol& e0 = noeuds_.front();
    if ((!(e0.y > 0) && !(e0.vy > 0)) || !(g_ > 0))
        return std::nullopt;  // on the ground (or below) and not thrown upwards
    // From y0 = 0 the first steps go up: the crossing counted is the one coming down.
    return passage([](const EtatVol& e) { return e.y; }, dureeMax);
}

double ArcIntegre::puissanceTrainee(const EtatVol& e) const
{
    const double v = std::hypot(e.vx, e.vy);
    return -k_ * v * v * v;
}

std::shared_ptr<const ArcIntegre> arcIntegre(double x0, double y0, double vx, double vy, double g, double k)
{
    struct Entree {
        std::array<double, 6> cle;
        std::shared_ptr<const ArcIntegre> arc;
    };
    thread_local std::vector<Entree> derniers;
    const std::array<double, 6> cle{x0, y0, vx, vy, g, k};
    for (std::size_t i = 0; i < derniers.size(); ++i)
        if (derniers[i].cle == cle) {
            std::rotate(derniers.begin(), derniers.begin() + long(i), derniers.begin() + long(i) + 1);
            return derniers.front().arc;
        }
    auto arc = std::make_shared<const ArcIntegre>(x0, y0, vx, vy, g, k);
    derniers.insert(derniers.begin(), {cle, arc});
    if (derniers.size() > 8)
        derniers.pop_back();
    return arc;
}

}  // namespace sim
