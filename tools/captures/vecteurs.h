// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The vector symbols of the course pages (v, a, g, P, F, i, j, Δv, their subscripted forms and
// M(i−1)M(i+1)): letters with an arrow drawn over them, in the style of the running text and of
// the formulas.

#include "figures.h"

#include <QStringList>

// The pictures, named "vecteur_<symbol>[_f].png"; balises gets the <img> tag of each.
QList<Figure> vecteursCours(QStringList* balises = nullptr);
