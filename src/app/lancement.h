// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every run of the program sets up once its application object exists: its names, the
// French locale and Qt's French texts whatever the system's settings, its font and its icon.
// The window and the exports share it, so both draw the same pixels.

void preparesApplication();

// First thing in main(): a write past the file size limit (ulimit -f) then fails as on a full
// disk (message, old file kept) instead of ending the program with the pupil's work.
void protegeEcritures();
