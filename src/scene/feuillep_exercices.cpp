// SPDX-License-Identifier: GPL-3.0-or-later
// The "Exercices" button: pops up the exercise window's menu just below itself.

#include "scene/feuillep.h"

#include "core/module1.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>

void feuilleP::btexo_Click()
{
    if (!optionexo && prepareExercices)
        prepareExercices();
    if (!optionexo)
        return;
    if (auto* a = optionexo->findChild<QAction*>(QStringLiteral("opencor")))
        a->setEnabled(Module1::exerciceCorrige == 1);
    if (auto* a = optionexo->findChild<QAction*>(QStringLiteral("Closexo")))
        a->setEnabled(!fich->text().isEmpty());
    optionexo->popup(btexo->mapToGlobal(QPoint(0, btexo->height())));
}
