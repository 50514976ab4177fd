// SPDX-License-Identifier: GPL-3.0-or-later
// Not a test: draws the measurements over a chronophotography and saves a picture of the main
// window, or of the table window, to look at them by eye.
//   voir_mesures <terre|lune|mars|tableau> <fichier.png> [v0 angle y0 chrono]

#include "analyse/mesures.h"
#include "scene/feuillep.h"
#include "widgets/picturebox.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("Arial"), 9));
    const QString lieu = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("terre");
    const QString sortie = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("mesures.png");
    feuilleP f;
    f.show();
    if (argc > 6) {
        f.Text3->setText(QString::fromLocal8Bit(argv[3]));
        f.Text3_LostFocus();
        f.Text4->setText(QString::fromLocal8Bit(argv[4]));
        f.Text4_LostFocus();
        f.Text2->setText(QString::fromLocal8Bit(argv[5]));
        f.Text2_LostFocus();
        f.chrono->setText(QString::fromLocal8Bit(argv[6]));
        f.chrono_LostFocus();
    }
    f.Combo1->setCurrentIndex(lieu == QStringLiteral("lune") ? 1 : lieu == QStringLiteral("mars") ? 2 : 0);
    f.Combo1_Click();
    if (lieu == QStringLiteral("tableau")) {
        QTimer::singleShot(200, [&] {
            if (QWidget* m = QApplication::activeModalWidget()) {
                m->grab().save(sortie);
                m->close();
            }
        });
        f.findChild<QAction*>(QStringLiteral("tableauMesures"))->trigger();
        return 0;
    }
    for (const char* nom : {"vecteursVitesse", "vecteursDeltaV", "traceTrajectoire", "sommetImpact"})
        f.findChild<QAction*>(QString::fromLatin1(nom))->setChecked(true);
    f.findChild<QAction*>(QStringLiteral("sommetImpact"))->trigger();
    f.findChild<QAction*>(QStringLiteral("sommetImpact"))->setChecked(true);
    f.command12_Click();
    for (int i = 0; i < 20000 && f.Timer1->isActive(); ++i)
        f.Timer1_Timer();
    f.grab().save(sortie);
    return 0;
}
