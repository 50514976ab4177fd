// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// F1 opens the help from any window of the program, at the page about that window.

#include <QString>

class QCoreApplication;
class QWidget;

// The help page about a window (by its name), in the program's help; the help's index for
// a window it does not know.
QString pageAidePour(const QString& nomFenetre);

// Watches the whole application for F1.
void installeAideF1(QCoreApplication& application);
