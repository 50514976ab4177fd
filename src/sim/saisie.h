// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Entry of the initial conditions: which keys each field accepts, and how a value is
// clamped and rewritten when the field is left.

#include "sim/echelle.h"

#include <QChar>
#include <QString>

namespace sim {

enum class Champ { X0, Y0, V0, Angle, Chrono };

constexpr QChar toucheRetour = QChar(8);   // backspace
constexpr QChar toucheEntree = QChar(13);  // Enter

// The key as the field takes it: a full stop becomes a comma; a refused key gives a null QChar.
QChar filtreTouche(Champ champ, QChar touche);

// A position field left: the picture's place after clamping, and the field's new text.
struct Position {
    double coord;  // left (x0) or top (y0) of the picture
    QString texte;
};
// The field's range follows the scale: the picture stays within the scene.
Position valideX0(const QString& texte, Echelle e = {});
Position valideY0(const QString& texte, Echelle e = {});

// A velocity field left: the field's new text.
QString valideV0(const QString& texte);
QString valideAngle(const QString& texte);

// The photograph interval: an integer number of milliseconds, 10 to 5000.
QString valideChrono(const QString& texte);

// The field texts of a picture placed at (left, top) by a drag.
QString texteX0(double gauche, Echelle e = {});
QString texteY0(double haut, Echelle e = {});

}  // namespace sim
