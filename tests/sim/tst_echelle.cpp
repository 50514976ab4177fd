// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/echelle.h"
#include "sim/mouvement.h"
#include "sim/saisie.h"

#include <QtTest>

using namespace sim;

class TstEchelle : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Graduation steps, the keys' next scale, the menu's text, and a position field's range.
    void echelles_data()
    {
        QTest::addColumn<float>("p");
        QTest::addColumn<int>("pas");
        QTest::addColumn<float>("plus");
        QTest::addColumn<float>("moins");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("x0Max");  // "50" typed in x0
        QTest::addColumn<QString>("y0Max");  // "500" typed in y0
        QTest::newRow("36") << 36.0f << 1 << 36.0f << 18.0f << "36" << "10,03" << "11,67";
        QTest::newRow("18") << 18.0f << 2 << 36.0f << 9.0f << "18" << "20,06" << "23,33";
        QTest::newRow("9") << 9.0f << 5 << 18.0f << 4.5f << "9" << "40,11" << "46,67";
        QTest::newRow("4,5") << 4.5f << 10 << 9.0f << 1.8f << "4,5" << "50,0" << "93,33";
        QTest::newRow("1,8") << 1.8f << 10 << 4.5f << 1.8f << "1,8" << "50,0" << "233,33";
    }
    void echelles()
    {
        QFETCH(float, p);
        const Echelle e(p);
        QCOMPARE(e.pixelsParMetre(), p);
        QTEST(e.pasGraduation(), "pas");
        QTEST(e.plusGrande().pixelsParMetre(), "plus");
        QTEST(e.plusPetite().pixelsParMetre(), "moins");
        QTEST(e.texte(), "texte");
        QVERIFY(Echelle::depuisTexte(e.texte()) == e);
        QTEST(valideX0(QStringLiteral("50"), e).texte, "x0Max");
        QTEST(valideY0(QStringLiteral("500"), e).texte, "y0Max");
        // A value the scene shows is kept as typed, not read back from the picture's twips.
        QCOMPARE(valideX0(QStringLiteral("3,5"), e).texte, QStringLiteral("3,5"));
    }

    void textesRefuses()
    {
        for (const char* t : {"", "12", "36 px", "abc", "0", "-18", "4,6"})
            QVERIFY2(!Echelle::depuisTexte(QString::fromUtf8(t)), t);
        QVERIFY(Echelle::depuisTexte(QStringLiteral(" 4.5 ")) == Echelle(4.5f));
    }

    // The largest scale at which the whole flight stays in the scene.
    void ajuste_data()
    {
        QTest::addColumn<float>("g");
        QTest::addColumn<float>("v0");
        QTest::addColumn<float>("angle");
        QTest::addColumn<float>("x0");
        QTest::addColumn<float>("y0");
        QTest::addColumn<bool>("ballon");
        QTest::addColumn<float>("attendue");
        QTest::addColumn<bool>("tient");
        QTest::newRow("défaut, ballon à 14 m/s, 85°") << 9.8f << 14.0f << 85.0f << 0.0f << 0.0f << true << 36.0f << true;
        QTest::newRow("Terre 14 m/s 45°: 20 m") << 9.8f << 14.0f << 45.0f << 0.0f << 0.0f << false << 18.0f << true;
        QTest::newRow("Mars 14 m/s 45°: 53 m") << 3.71f << 14.0f << 45.0f << 0.0f << 0.0f << false << 4.5f << true;
        QTest::newRow("Lune 14 m/s 45°: 121 m") << 1.62f << 14.0f << 45.0f << 0.0f << 0.0f << false << 1.8f << true;
        QTest::newRow("le sommet compte") << 9.8f << 16.0f << 90.0f << 0.0f << 0.0f << false << 18.0f << true;
        QTest::newRow("ballon: ses rebonds comptent") << 9.8f << 10.0f << 45.0f << 0.0f << 0.0f << true << 9.0f << true;
        QTest::newRow("vers la gauche") << 9.8f << 10.0f << 135.0f << 9.0f << 0.0f << false << 9.0f << true;
        QTest::newRow("au sol sans élan") << 9.8f << 0.0f << 0.0f << 2.0f << 0.0f << false << 36.0f << true;
        QTest::newRow("Lune 100 m/s vers le haut") << 1.62f << 100.0f << 90.0f << 0.0f << 0.0f << false << 1.8f << false;
    }
    void ajuste()
    {
        QFETCH(float, g);
        QFETCH(float, v0);
        QFETCH(float, angle);
        QFETCH(float, x0);
        QFETCH(float, y0);
        QFETCH(bool, ballon);
        const Vitesse v = voxvoy(v0, angle);
        const Ajustement a = ajusteAuVol({x0, y0, v.vx, v.vy, g, ballon, false});
        QTEST(a.echelle.pixelsParMetre(), "attendue");
        QTEST(a.tient, "tient");
    }
};

QTEST_APPLESS_MAIN(TstEchelle)
#include "tst_echelle.moc"
