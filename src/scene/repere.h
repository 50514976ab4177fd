// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The coordinate frame of the scene: one graduation or grid step per metre at the default
// scale; at a smaller one, steps of 2, 5 or 10 m with their values written beside the axes.

#include "sim/echelle.h"

#include <QImage>

class PictureBox;

// Fixes what is drawn so far into the background, then draws the frame in white: a dotted
// grid when `grille`, short graduation ticks otherwise, and the two axes with arrow heads.
void dessineRepere(PictureBox& scene, bool grille, sim::Echelle echelle = {});

// Every how many graduations a value is written, so that the texts never touch: 1, 2, 5 or 10.
int graduationsParEtiquette(double pasPixels, double largeurTexte);

// The place's picture for the scene at a scale: unchanged at the default scale; otherwise
// shrunk about the frame's origin (the ground stays on the ground line), repeated sideways,
// the sky and the ground carried on to the edges.
QImage fondAEchelle(const QImage& image, sim::Echelle echelle);
