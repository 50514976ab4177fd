// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The exports of the command line: the main window is built without being shown, the set-up is
// loaded and the flight run by the window's own handlers, then the scene, the graphs or the
// table of positions are written. The pictures are the ones the window would give.

#include <QString>

struct Arguments;
class feuilleP;
class PlateformeConsole;

// Runs every export the arguments ask for, in the order image, graphs, table; the messages
// go to the standard error stream. Returns the exit status (CodeSortie).
int exporte(const Arguments& arguments);

// The whole flight of the window's set-up with its chronophotography, as the camera button
// records it; then the frame (with its grid) when asked or when the set-up shows it.
void voleAvecChronophotographie(feuilleP& f, bool repere, bool grille);
