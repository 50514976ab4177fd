// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// F1 opens the help from any window of the program, at the page about that window.

#include <QString>

class QCoreApplication;
class QWidget;

// The document F1 opens, as the application's help file: "TUVA.hlp" (the help) at start,
// "Voirlecours.chm" (the course) once "Voir le cours" has named it.
void choisitFichierAide(const QString& nomFichier);
QString fichierAide();

// The page about a window (by its name) in the document F1 opens; the document's index for
// a window it does not know.
QString pageAidePour(const QString& nomFenetre);

// Watches the whole application for F1.
void installeAideF1(QCoreApplication& application);
