// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Velocity and energies along the whole flight: kinetic Ec = ½·m·v², potential of weight
// Epp = m·g·y measured from the ground line (y = 0), mechanical Em = Ec + Epp. The samples
// follow each arc of the flight; at an impact the date repeats, before then after the bounce,
// so a curve drawn through them shows the energy lost there.

#include "sim/vol.h"

#include <QVector>

namespace analyse {

struct Energies {
    double ec = 0;   // J
    double epp = 0;  // J
    double em = 0;   // J
};
Energies energies(const sim::EtatVol& e, double masse, double g);

struct EchantillonVol {
    double t = 0;
    double vx = 0;
    double vy = 0;
    double v = 0;
    Energies e;
};

// `parArc` intervals on each arc (the free flight and every bounce), both ends included.
QVector<EchantillonVol> echantillonsVol(const sim::Vol& vol, double masse, int parArc = 200);

}  // namespace analyse
