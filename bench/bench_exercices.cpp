// SPDX-License-Identifier: GPL-3.0-or-later
// Opening a delivered exercise: the description read, the statement loaded into the text
// area, the set-up applied to the main window, and the window repainted.

#include "bench.h"

#include "exercises/fichexo.h"
#include "scene/feuillep.h"
#include "widgets/filelistbox.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLineEdit>

BALTOR_BENCH(exercices)
{
    std::vector<Mesure> mesures;
    feuilleP f;
    Fichexo exo(&f);
    f.show();
    QCoreApplication::processEvents();
    exo.Form_Load();
    if (exo.File1->ListCount() == 0)
        return mesures;
    std::vector<double> ouvertures;
    for (int i = 0; i < 40; ++i) {
        exo.File1->setListIndex(i % exo.File1->ListCount());
        QElapsedTimer chrono;
        chrono.start();
        exo.ouvreur_Click();
        QCoreApplication::processEvents();
        ouvertures.push_back(chrono.nsecsElapsed() / 1e6);
    }
    mesures.push_back({QStringLiteral("exercise_open_ms"), mediane(ouvertures), QStringLiteral("ms")});
    return mesures;
}
