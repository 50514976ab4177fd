// SPDX-License-Identifier: GPL-3.0-or-later
// Not a test: shows the main window in a given state and saves a picture of it, to look at
// the window by eye. voir_fenetre <depart|saisie|chrono|lune> <fichier.png>

#include "scene/feuillep.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("Arial"), 9));
    const QString etat = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("depart");
    const QString sortie = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("fenetre.png");
    feuilleP f;
    f.show();
    auto tick = [&](int n) {
        for (int i = 0; i < n && f.Timer1->isActive(); ++i)
            f.Timer1_Timer();
    };
    if (etat == QStringLiteral("saisie")) {
        f.Text1->setText(QStringLiteral("1.5"));
        f.Text1_LostFocus();
        f.Text2->setText(QStringLiteral("4"));
        f.Text2_LostFocus();
        f.Text3->setText(QStringLiteral("9"));
        f.Text3_LostFocus();
        f.Text4->setText(QStringLiteral("30"));
        f.Text4_LostFocus();
        f.Check1->setChecked(true);
        f.Check1_Click();
        f.command15_Click();
        tick(20);
        f.command16_Click();
    } else if (etat == QStringLiteral("chrono")) {
        f.command12_Click();
        tick(5000);
    } else if (etat == QStringLiteral("lune")) {
        f.Combo1->setCurrentIndex(1);
        f.Combo1_Click();
        f.Combo2->setCurrentIndex(4);
        f.Combo2_Click();
        f.Check3->setChecked(false);
        f.Check1->setChecked(true);
        f.Check1_Click();
        f.Check3_Click();
        f.chrono->setText(QStringLiteral("400"));
        f.command12_Click();
        tick(5000);
    }
    QTimer::singleShot(300, &app, [&] {
        f.grab().save(sortie);
        QCoreApplication::exit(0);  // quit() would ask the closing questions
    });
    return app.exec();
}
