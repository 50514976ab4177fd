// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every run of the program sets up once its application object exists: its names, the
// French locale and Qt's French texts whatever the system's settings, its font and its icon.
// The window and the exports share it, so both draw the same pixels.

void preparesApplication();

// First thing in main(): a write past the file size limit (ulimit -f) then fails as on a full
// disk (message, old file kept) instead of ending the program with the pupil's work.
void protegeEcritures();
#include <cstdio>

class QWidget;

// When BALTOR_PREMIERE_IMAGE is set, writes one line "premiere-image" to the standard output
// once the window's first frame is painted, and nothing else: baltor-bench times the start-up
// and reads the memory of a running program from it.
void signalePremiereImage(QWidget& fenetre, std::FILE* sortie = stdout);
