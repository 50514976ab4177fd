// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Loading and saving the main window's set-up in a configuration file.

#include "config/fichierconfig.h"

#include <QString>

class feuilleP;
class QWidget;

namespace Module1 {

// Loads the file named by cheminConfig into the main window: the place, the projectile, the
// options and the fields, then runs the window's own selection and validation handlers so the
// simulation state is rebuilt as if the user had entered the set-up. `dialogueOuvert`, when
// given, is the open dialog: repainted first (its waiting notice shows), closed on success.
// A refused or damaged file gets its message box; a damaged one keeps what was applied.
void chargeConfig(feuilleP& feuille, QWidget* dialogueOuvert = nullptr);

}  // namespace Module1

namespace Config {

// The set-up as the main window's controls show it now.
Reglages reglagesDe(const feuilleP& feuille);

// Applies the first `nombre` values (records 2 onwards) to the controls, running a list's or a
// check box's own action when its value changes.
void applique(feuilleP& feuille, const Reglages& r, int nombre);

enum class ResultatEcriture { Ok, TexteInvalide, Disque };

// Writes the file aside and puts it in place only once complete, so a failure leaves any
// existing file untouched.
ResultatEcriture ecritFichier(const QString& chemin, const Reglages& r);

// Saves the main window's set-up to cheminConfig; on success the window's title names it.
// False after a failure, when nothing was changed on disk.
bool enregistreConfig(feuilleP& feuille);

// Connects the main window's "&Enregistrer" and "&Ouvrir" to the dialogs.
void installe(feuilleP& feuille);

}  // namespace Config
