// SPDX-License-Identifier: GPL-3.0-or-later
// Where the projectile's picture goes when the fields hold extreme texts: a flight reads the
// fields live, so whatever they hold must give a place that pixel arithmetic can handle, and the
// initial position always lies inside the scene.

#include "core/module1.h"
#include "platform/plateforme_factice.h"
#include "scene/feuillep.h"
#include "sim/echelle.h"
#include "widgets/imagecontrol.h"
#include "widgets/picturebox.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

#include <cmath>

class TstPlacement : public QObject {
    Q_OBJECT

    std::unique_ptr<AvecPlateformeFactice> plateformeTest;

    static bool borne(double v) { return std::isfinite(v) && std::fabs(v) <= sim::placementLimite; }

private Q_SLOTS:
    void init()
    {
        Module1::reinitialise();
        plateformeTest = std::make_unique<AvecPlateformeFactice>();
    }
    void cleanup() { plateformeTest.reset(); }

    // A text typed in x0 or y0 while the projectile flies (the key filter lets these through);
    // the next ticks place the picture from it.
    void texteTapePendantLeVol_data()
    {
        QTest::addColumn<bool>("x0");            // the field typed in: x0, else y0
        QTest::addColumn<QString>("texte");
        QTest::addColumn<bool>("sortieInitialise");
        QTest::addColumn<bool>("chrono");        // photographs recorded meanwhile
        QTest::addColumn<bool>("sortie");        // the leaving-the-scene reset happens
        const QString quaranteNeufs(40, QLatin1Char('9'));
        QTest::newRow("x0 huit neufs") << true << "99999999" << true << false << true;
        QTest::newRow("x0 huit neufs, photographies") << true << "99999999" << false << true << false;
        QTest::newRow("x0 quarante neufs") << true << quaranteNeufs << true << false << true;
        QTest::newRow("x0 quarante neufs, sans retour") << true << quaranteNeufs << false << false << false;
        QTest::newRow("x0 très négatif") << true << QString(QStringLiteral("-") + quaranteNeufs) << true << false << true;
        QTest::newRow("x0 exposant énorme") << true << "1e999999999" << false << true << false;
        QTest::newRow("y0 huit neufs") << false << "99999999" << true << true << false;
        QTest::newRow("y0 quarante neufs") << false << quaranteNeufs << false << false << false;
    }
    void texteTapePendantLeVol()
    {
        QFETCH(bool, x0);
        QFETCH(QString, texte);
        QFETCH(bool, sortieInitialise);
        QFETCH(bool, chrono);
        QFETCH(bool, sortie);
        feuilleP f;
        f.resize(800, 600);
        f.show();
        f.Check4->setChecked(sortieInitialise);
        f.command15_Click();
        if (chrono)
            f.command12_Click();
        for (int i = 0; i < 5; ++i)
            f.Timer1_Timer();
        (x0 ? f.Text1 : f.Text2)->setText(texte);
        for (int i = 0; i < 10 && f.Timer1->isActive(); ++i) {
            f.Timer1_Timer();
            QVERIFY2(borne(f.projectile->left()), qPrintable(QString::number(f.projectile->left())));
            QVERIFY2(borne(f.projectile->top()), qPrintable(QString::number(f.projectile->top())));
            QVERIFY(borne(f.ombre->left()));
        }
        QCoreApplication::processEvents();  // the repaints the moves asked for
        QCOMPARE(plateformeTest->factice.beeps, sortie ? 1 : 0);
        if (sortie) {
            // Back at the initial position, which the text puts at the scene's edge.
            QVERIFY(!f.Timer1->isActive());
            QVERIFY(f.projectile->left() >= 0.0 && f.projectile->left() <= sim::gaucheMax);
            QVERIFY(f.projectile->top() >= 0.0 && f.projectile->top() <= sim::hautMax);
        }
    }

    // A bound written in a field and read back puts the picture inside the scene, on its edge.
    void positionInitialeDansLaScene_data()
    {
        QTest::addColumn<bool>("x0");
        QTest::addColumn<QString>("saisie");
        QTest::addColumn<QString>("texte");   // the field after it is left
        QTest::addColumn<double>("coord");    // left (x0) or top (y0) of the picture
        QTest::newRow("y0 au plus haut") << false << "12,5" << "11,67" << 0.0;
        QTest::newRow("y0 11,67 tapé") << false << "11,67" << "11,67" << 0.0;
        QTest::newRow("x0 au plus à gauche") << true << "-3" << "-0,39" << 0.0;
        QTest::newRow("x0 au plus à droite") << true << "50" << "10,03" << 375.0;
        QTest::newRow("y0 ordinaire") << false << "5" << "5,0" << 240.0;
    }
    void positionInitialeDansLaScene()
    {
        QFETCH(bool, x0);
        QFETCH(QString, saisie);
        QFETCH(QString, texte);
        QFETCH(double, coord);
        feuilleP f;
        QLineEdit* champ = x0 ? f.Text1 : f.Text2;
        champ->setText(saisie);
        if (x0)
            f.Text1_LostFocus();
        else
            f.Text2_LostFocus();
        QCOMPARE(champ->text(), texte);
        QCOMPARE(x0 ? f.projectile->left() : f.projectile->top(), coord);
        // Back to the initial position later: the same place.
        f.command15_Click();
        f.Timer1_Timer();
        f.command18_Click();
        QCOMPARE(x0 ? f.projectile->left() : f.projectile->top(), coord);
        QCOMPARE(f.ombre->left(), f.projectile->left());
    }
};

QTEST_MAIN(TstPlacement)
#include "tst_placement.moc"
