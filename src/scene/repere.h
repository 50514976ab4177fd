// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The coordinate frame of the scene: one graduation or grid step per metre.

class PictureBox;

// Fixes what is drawn so far into the background, then draws the frame in white: a dotted
// grid when `grille`, short graduation ticks otherwise, and the two axes with arrow heads.
void dessineRepere(PictureBox& scene, bool grille);
