// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The flight as a ready-to-run Python script (UTF-8, French comments): the photograph dates
// and positions of the table, the set-up and g as named constants; run with matplotlib, it
// draws the positions, the velocity vectors v_i = M(i-1)M(i+1) / 2τ, then the Δv vectors
// beside the expected g·2τ, and saves the figure next to itself.
//
// The pupil's variant leaves the vector computations as marked blanks ("# À compléter"): it
// draws the positions, saves them and stops with a French message where code is missing.

#include "analyse/tableauvol.h"

#include <QByteArray>

namespace analyse {

enum class VarianteScript { Complete, Eleve };

QByteArray scriptPython(const TableauVol& t, const Conditions& c, const Montage& m, VarianteScript variante);

}  // namespace analyse
