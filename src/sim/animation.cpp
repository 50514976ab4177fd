// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/animation.h"

#include "sim/frottements.h"

#include <cmath>

namespace sim {

namespace {

double pas(const Reglages& r)
{
    return r.ralenti ? pasRalenti : pasNormal;
}

// The date is a 32-bit float advanced by a 64-bit step, as the display has always shown it.
void avance(SimulationState& etat, const Reglages& r)
{
    etat.t = float(double(etat.t) + pas(r));
}

void impact(const Reglages& r, ResultatTick& res)
{
    if (r.lieu != int(Lieu::Lune))
        res.actions.append(Action::Impact);
}

// End of the motion: the timer stops; a last photograph is taken where the projectile lies
// when recording; recording stops.
void finDuMouvement(EtatAnimation& anim, ResultatTick& res)
{
    res.actions.append(Action::FinDuMouvement);
    if (anim.chronoActif == 1)
        res.actions.append(Action::Photo);
    anim.chronoActif = 0;
    res.actions.append(Action::MajChrono);
}

// Shadow, photograph when due, leaving the scene: the same tail after both kinds of step.
void queue(EtatAnimation& anim, Placement& place, const Reglages& r, ResultatTick& res)
{
    place.ombreGauche = place.gauche;
    if (anim.photoDue == 1)
        res.actions.append(Action::Photo);
    if (r.sortieInitialise && (place.gauche < -16.0 || place.gauche > 400.0))
        res.actions.append(Action::Sortie);
}

// Moves the picture to (x, y) and writes the display; true when the ground was crossed, the
// picture then put back on the ground line and the impact heard.
bool pose(float x, double y, float t, Placement& place, const Reglages& r, ResultatTick& res)
{
    place.gauche = r.echelle.gaucheDe(x);
    res.affichage = textesAffichage(x, t, y);
    place.haut = r.echelle.hautDe(y);
    if (place.haut <= double(solHaut))
        return false;
    place.haut = solHaut;
    impact(r, res);
    return true;
}

// With air resistance: the integrated arc from (x0, y0) with velocity (vx, vy), at date tau.
EtatVol etatFreine(float x0, float y0, float vx, float vy, float g, float tau, const Reglages& r)
{
    return arcIntegre(x0, y0, vx, vy, g, r.trainee)->etat(tau);
}

void volLibre(SimulationState& etat, EtatAnimation& anim, Placement& place, const Reglages& r,
              ResultatTick& res)
{
    float x = 0.0f;
    double y = 0.0;
    if (r.trainee > 0) {
        const EtatVol e = etatFreine(r.x0, r.y0, etat.vx, etat.vy, etat.g, etat.t, r);
        x = float(e.x);
        y = e.y;
    } else {
        x = xLibre(r.x0, etat.vx, etat.t);
        y = yLibre(r.y0, etat.vy, etat.g, etat.t);
    }
    if (pose(x, y, etat.t, place, r, res)) {
        if (r.projectile == int(Projectile::Ballon)) {
            etat.rebondActif = 1;
        } else {
            etat.t = 0.0f;
            finDuMouvement(anim, res);
        }
    }
    queue(anim, place, r, res);
}

}  // namespace

float photoSuivante(float date, double intervalleMs)
{
    return float(double(date) + intervalleMs / 1000.0);
}

ResultatTick tick(SimulationState& etat, EtatAnimation& anim, Placement& place, const Reglages& r)
{
    ResultatTick res;
    avance(etat, r);
    anim.photoDue = 0;
    if (anim.chronoActif == 1 && etat.t >= anim.prochainePhoto) {
        // Back exactly onto the photograph's date, so the photographs are evenly spaced.
        etat.t = anim.prochainePhoto;
        anim.prochainePhoto = photoSuivante(anim.prochainePhoto, r.intervalleMs);
        anim.photoDue = 1;
    }
    if (etat.rebondActif != 0)
        rebond(etat, anim, place, r, res);
    else
        volLibre(etat, anim, place, r, res);
    return res;
}

void rebond(SimulationState& etat, EtatAnimation& anim, Placement& place, const Reglages& r,
            ResultatTick& res)
{
    if (etat.rebondActif == 1) {
        anim.xRebond = r.echelle.xDe(place.gauche);
        anim.yRebond = r.echelle.yDe(place.haut);
        if (r.trainee > 0) {
            const EtatVol e = etatFreine(r.x0, r.y0, etat.vx, etat.vy, etat.g, etat.t, r);
            anim.vxRebond = float(restitution * e.vx);
            anim.vyRebond = float(-restitution * e.vy);
        } else {
            anim.vxRebond = float(restitution * double(etat.vx));
            anim.vyRebond = float(-restitution * double(etat.vy - etat.g * etat.t));
        }
        anim.tRebond = etat.t;
        etat.rebondActif = 2;
        avance(etat, r);
    }
    const float tau = etat.t - anim.tRebond;
    float x = 0.0f;
    double y = 0.0;
    EtatVol freine{};
    if (r.trainee > 0) {
        freine = etatFreine(anim.xRebond, anim.yRebond, anim.vxRebond, anim.vyRebond, etat.g, tau, r);
        x = float(freine.x);
        y = freine.y;
    } else {
        x = xLibre(anim.xRebond, anim.vxRebond, tau);
        y = yLibre(anim.yRebond, anim.vyRebond, etat.g, tau);
    }
    if (pose(x, y, etat.t, place, r, res)) {
        anim.xRebond = r.echelle.xDe(place.gauche);
        anim.yRebond = r.echelle.yDe(place.haut);
        if (r.trainee > 0) {
            anim.vxRebond = float(restitution * freine.vx);
            anim.vyRebond = float(-restitution * freine.vy);
        } else {
            anim.vxRebond = float(restitution * double(anim.vxRebond));
            anim.vyRebond = float(-restitution * double(anim.vyRebond - etat.g * tau));
        }
        anim.tRebond = etat.t;
        etat.rebondActif = 2;
        if (std::fabs(anim.vyRebond) < vitesseArretRebond) {
            etat.rebondActif = 0;
            etat.t = 0.0f;
            finDuMouvement(anim, res);
        }
    }
    queue(anim, place, r, res);
}

}  // namespace sim
