// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/saisie.h"

#include <QtTest>

using namespace sim;

Q_DECLARE_METATYPE(sim::Champ)

class TstSaisie : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void touches_data()
    {
        QTest::addColumn<Champ>("champ");
        QTest::addColumn<QString>("tapees");
        QTest::addColumn<QString>("acceptees");  // what reaches the field
        QTest::newRow("x0") << Champ::X0 << "-1.5a+e" << "-1,5";
        QTest::newRow("y0: pas de moins") << Champ::Y0 << "-12.5x" << "12,5";
        QTest::newRow("v0: pas de moins") << Champ::V0 << "-2.5 " << "2,5";
        QTest::newRow("angle") << Champ::Angle << "-45,5°" << "-45,5";
        QTest::newRow("intervalle: chiffres seuls") << Champ::Chrono << "1a5.0-" << "150";
    }
    void touches()
    {
        QFETCH(Champ, champ);
        QFETCH(QString, tapees);
        QFETCH(QString, acceptees);
        QString resultat;
        for (QChar c : tapees)
            if (const QChar k = filtreTouche(champ, c); !k.isNull())
                resultat += k;
        QCOMPARE(resultat, acceptees);
        for (Champ c : {Champ::X0, Champ::Y0, Champ::V0, Champ::Angle, Champ::Chrono}) {
            QCOMPARE(filtreTouche(c, toucheRetour), toucheRetour);
            QCOMPARE(filtreTouche(c, toucheEntree), toucheEntree);
        }
    }

    void positions_data()
    {
        QTest::addColumn<bool>("abscisse");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<double>("coord");
        QTest::addColumn<QString>("resultat");
        QTest::newRow("x0 ordinaire") << true << "2,5" << 104.0 << "2,5";
        QTest::newRow("x0 point") << true << "1.23" << 58.2667 << "1,23";
        QTest::newRow("x0 trop à gauche") << true << "-3" << 0.0 << "-0,39";
        QTest::newRow("x0 trop à droite") << true << "50" << 375.0 << "10,03";
        QTest::newRow("x0 vide") << true << "" << 14.0 << "0,0";
        QTest::newRow("y0 ordinaire") << false << "5" << 240.0 << "5,0";
        QTest::newRow("y0 trop haut") << false << "12,5" << 0.0 << "11,67";
        QTest::newRow("y0 énorme") << false << "1e40" << 0.0 << "11,67";
        QTest::newRow("y0 négatif") << false << "-1" << 420.0 << "0,0";
    }
    void positions()
    {
        QFETCH(bool, abscisse);
        QFETCH(QString, texte);
        QFETCH(double, coord);
        QFETCH(QString, resultat);
        const Position p = abscisse ? valideX0(texte) : valideY0(texte);
        QVERIFY2(qAbs(p.coord - coord) < 1e-3, qPrintable(QString::number(p.coord)));
        QCOMPARE(p.texte, resultat);
    }

    void vitesses_data()
    {
        QTest::addColumn<bool>("angle");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("resultat");
        QTest::newRow("v0 ordinaire") << false << "2,5" << "2,5";
        QTest::newRow("v0 arrondi") << false << "12,345" << "12,35";
        QTest::newRow("v0 trop grand") << false << "250" << "100,0";
        QTest::newRow("v0 vide") << false << "" << "0,0";
        QTest::newRow("angle petit: zéro") << true << "3" << "0,0";
        QTest::newRow("angle -4,9: zéro") << true << "-4,9" << "0,0";
        QTest::newRow("angle 5 gardé") << true << "5" << "5,0";
        QTest::newRow("angle trop négatif") << true << "-200" << "-180,0";
        QTest::newRow("angle trop grand") << true << "720" << "180,0";
        QTest::newRow("angle décimal") << true << "45,25" << "45,25";
    }
    void vitesses()
    {
        QFETCH(bool, angle);
        QFETCH(QString, texte);
        QFETCH(QString, resultat);
        QCOMPARE(angle ? valideAngle(texte) : valideV0(texte), resultat);
    }

    void intervalle_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("resultat");
        QTest::newRow("trop court") << "5" << "10";
        QTest::newRow("trop long") << "9999" << "5000";
        QTest::newRow("zéros devant") << "0150" << "150";
        QTest::newRow("vide") << "" << "10";
        QTest::newRow("bornes") << "5000" << "5000";
        QTest::newRow("énorme") << "99999999999999999999" << "5000";
    }
    void intervalle()
    {
        QFETCH(QString, texte);
        QFETCH(QString, resultat);
        QCOMPARE(valideChrono(texte), resultat);
    }
};

QTEST_GUILESS_MAIN(TstSaisie)
#include "tst_saisie.moc"
