// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fixed captions of the parameter panel, drawn once into its persistent image.

class PictureBox;

// Quantity captions right-aligned on x = 152 with italic letters, subscripts and the m·s⁻¹
// exponent; section titles in dark blue.
void dessinePanneau(PictureBox& panneau);
