// SPDX-License-Identifier: GPL-3.0-or-later
// Not a test: shows the main window full screen with one other window over it, both magnified,
// until it is ended, to take a screenshot of the projector mode.
// voir_agrandissement <Fichexo|graphes|grapheEnergies|mesures|Machine|confimp|ouvrir|enregistrer|aide|cours|menu|message>

#include "calc/machine.h"
#include "config/enregistrer.h"
#include "config/ouvrir.h"
#include "exercises/fichexo.h"
#include "graphs/energiesgraphes.h"
#include "graphs/graphes.h"
#include "platform/plateforme.h"
#include "print/confimp.h"
#include "scene/feuillep.h"

#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString nom = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("Fichexo");
    feuilleP f;
    // The whole screen, as full screen gives (without a window manager, that asks nothing).
    f.setGeometry(f.screen()->geometry());
    f.show();
    QCoreApplication::processEvents();
    std::unique_ptr<QWidget> w;
    // Once the main window fills the screen (the caller takes the picture, then ends the program).
    QTimer::singleShot(1500, &f, [&] {
        if (nom == QLatin1String("Fichexo")) {
            auto e = std::make_unique<Fichexo>(&f);
            e->Form_Load();
            e->Form_Activate();
            w = std::move(e);
        } else if (nom == QLatin1String("graphes")) {
            w = std::make_unique<graphes>(f.entreesGraphes(), &f);
        } else if (nom == QLatin1String("grapheEnergies")) {
            w = std::make_unique<grapheEnergies>(f.entreesEnergies(), &f);
        } else if (nom == QLatin1String("mesures")) {
            w = std::make_unique<mesures>(f.entreesMesures(), &f);
        } else if (nom == QLatin1String("Machine")) {
            w = std::make_unique<Machine>(&f);
        } else if (nom == QLatin1String("confimp")) {
            w = std::make_unique<confimp>(f.Picture2, &f.sauvetage, &f);
        } else if (nom == QLatin1String("ouvrir")) {
            w = std::make_unique<ouvrir>(f);
        } else if (nom == QLatin1String("enregistrer")) {
            w = std::make_unique<enregistrer>(f);
        } else if (nom == QLatin1String("aide") || nom == QLatin1String("cours")) {
            plateforme().afficheAide(&f, plateforme().repertoireProgramme() + QLatin1Char('/') + nom +
                                             QStringLiteral("/index.html"));
        } else if (nom == QLatin1String("menu")) {
            f.menuEchelle->popup(f.geometry().center());
        } else {
            w = std::make_unique<QMessageBox>(QMessageBox::Question, QStringLiteral("Exercice"),
                                              QStringLiteral("Ecraser l'ancien?"), QMessageBox::Yes | QMessageBox::No);
        }
        if (w)
            w->show();
    });
    return app.exec();
}
