// SPDX-License-Identifier: GPL-3.0-or-later
// Not a test: shows the main window full screen with one other window over it, both magnified,
// until it is ended, to take a screenshot of the projector mode.
// voir_agrandissement <Fichexo|graphes|grapheEnergies|mesures|Machine|confimp|ouvrir|enregistrer|aide|cours|menu|message>

#include "fenetres_programme.h"

#include <QApplication>
#include <QMenu>
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
        if (nom == QLatin1String("menu"))
            f.menuEchelle->popup(f.geometry().center());
        else
            w = ouvreFenetre(nom, f);
        if (w)
            w->show();
    });
    return app.exec();
}
