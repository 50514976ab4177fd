// SPDX-License-Identifier: GPL-3.0-or-later
// Not a test: shows the save or open dialog over the main window and saves a picture of the
// screen, to look at them by eye. voir_dialogues <enregistrer|ouvrir|patience> <fichier.png>
// [folder to start in]

#include "config/enregistrer.h"
#include "config/ouvrir.h"
#include "scene/feuillep.h"
#include "widgets/filelistbox.h"

#include <QApplication>
#include <QDir>
#include <QFrame>
#include <QLineEdit>
#include <QScreen>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("Arial"), 9));
    const QString quoi = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("enregistrer");
    const QString sortie = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("dialogue.png");
    if (argc > 3)
        QDir::setCurrent(QString::fromLocal8Bit(argv[3]));
    feuilleP f;
    f.move(10, 10);
    f.show();
    QDialog* d = nullptr;
    if (quoi == QStringLiteral("enregistrer")) {
        auto* e = new enregistrer(f);
        e->Text1->setText(QStringLiteral("essai"));
        d = e;
    } else {
        auto* o = new ouvrir(f);
        o->File1->setListIndex(0);
        if (quoi == QStringLiteral("patience"))
            o->Frame1->show();
        d = o;
    }
    d->show();
    QTimer::singleShot(500, &app, [&] {
        QGuiApplication::primaryScreen()->grabWindow(0).save(sortie);
        QCoreApplication::exit(0);
    });
    return app.exec();
}
