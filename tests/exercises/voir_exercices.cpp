// SPDX-License-Identifier: GPL-3.0-or-later
// Not a test: saves pictures of the exercise window and of the main window with an exercise
// open, to look at them by eye. voir_exercices <dossier de sortie> [numéro de l'exercice]

#include "exercises/fichexo.h"
#include "scene/feuillep.h"
#include "widgets/filelistbox.h"

#include <QApplication>
#include <QDir>
#include <QMenu>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("Arial"), 9));
    const QDir sortie(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    const int numero = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 0;
    feuilleP f;
    Fichexo exo(&f);
    f.show();
    exo.Form_Load();
    exo.show();
    exo.File1->setListIndex(numero);
    QApplication::processEvents();
    exo.grab().save(sortie.filePath(QStringLiteral("fichexo.png")));
    exo.ouvreur_Click();
    QApplication::processEvents();
    f.grab().save(sortie.filePath(QStringLiteral("exercice.png")));
    f.btexo_Click();
    QApplication::processEvents();
    exo.optionexo->grab().save(sortie.filePath(QStringLiteral("menu.png")));
    exo.optionexo->hide();
    exo.opencor_Click();
    QApplication::processEvents();
    f.grab().save(sortie.filePath(QStringLiteral("correction.png")));
    return 0;
}
