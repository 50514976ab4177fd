// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help line: one fixed sentence for each control the mouse passes over.

#include <QString>

namespace aides {

// The sentence for a control of the main window (by name); empty when the control has none.
QString texte(const QString& nomControle);

// The window background's sentence (also the text at start-up).
QString parDefaut();

// The chronophotography button's sentence, which depends on its tool tip.
QString chronophotographie(const QString& infoBulle);

}  // namespace aides
