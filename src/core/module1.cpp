// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/module1.h"

namespace Module1 {

SimulationState etat;
qint16 texteModifie = 0;
qint16 exerciceCorrige = 0;
QString dossierExercice;
QString cheminConfig;
double memoire = 0.0;

void reinitialise()
{
    etat = SimulationState{};
    texteModifie = 0;
    exerciceCorrige = 0;
    dossierExercice.clear();
    cheminConfig.clear();
    memoire = 0.0;
}

}  // namespace Module1
