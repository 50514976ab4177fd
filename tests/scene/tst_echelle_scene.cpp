// SPDX-License-Identifier: GPL-3.0-or-later
// The scene at another scale: its frame, "Ajuster au vol", the drag and the keys.

#include "analyse/mesuresscene.h"
#include "analyse/tableau.h"
#include "core/module1.h"
#include "core/nombres.h"
#include "platform/plateforme_factice.h"
#include "scene/feuillep.h"
#include "widgets/imagecontrol.h"
#include "widgets/picturebox.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QtTest>

namespace {

void saisit(feuilleP& f, QLineEdit* champ, const QString& texte)
{
    champ->setText(texte);
    if (champ == f.Text1)
        f.Text1_LostFocus();
    else if (champ == f.Text2)
        f.Text2_LostFocus();
    else if (champ == f.Text3)
        f.Text3_LostFocus();
    else
        f.Text4_LostFocus();
}

}  // namespace

class TstEchelleScene : public QObject {
    Q_OBJECT

    std::unique_ptr<AvecPlateformeFactice> plateformeTest;

private Q_SLOTS:
    void init()
    {
        Module1::reinitialise();
        plateformeTest = std::make_unique<AvecPlateformeFactice>();
    }
    void cleanup() { plateformeTest.reset(); }

    // Graduation ticks along Ox, one step apart at each scale (36 pixels at the default one).
    void graduations_data()
    {
        QTest::addColumn<float>("echelle");
        QTest::addColumn<QList<int>>("traits");   // x of ticks under the axis
        QTest::addColumn<QList<int>>("absents");  // x where the default scale has one
        QTest::newRow("36") << 36.0f << QList<int>{30, 66, 102, 390} << QList<int>{48, 84};
        QTest::newRow("18: 2 m") << 18.0f << QList<int>{30, 66, 102, 390} << QList<int>{48, 84};
        QTest::newRow("9: 5 m") << 9.0f << QList<int>{75, 120, 390} << QList<int>{66, 102};
        QTest::newRow("4,5: 10 m") << 4.5f << QList<int>{75, 120, 345} << QList<int>{66, 102};
        QTest::newRow("1,8: 10 m") << 1.8f << QList<int>{48, 66, 84, 390} << QList<int>{39, 57};
    }
    void graduations()
    {
        QFETCH(float, echelle);
        QFETCH(QList<int>, traits);
        QFETCH(QList<int>, absents);
        feuilleP f;
        f.changeEchelleScene(sim::Echelle(echelle));
        f.Check3->setChecked(false);
        f.Check1->setChecked(true);
        f.Check1_Click();
        const QImage image = f.Picture2->Image();
        auto blanc = [&](int x) { return image.pixel(x, 438) == qRgb(255, 255, 255); };
        for (int x : traits)
            QVERIFY2(blanc(x), qPrintable(QString::number(x)));
        for (int x : absents)
            QVERIFY2(!blanc(x), qPrintable(QString::number(x)));
    }

    // A 14 m/s throw at 45° on the Moon lands 121 m away: it fits at 1,8 px/m, where its
    // landing mark and the projectile's last place are at the range.
    void ajusteAuVolSurLaLune()
    {
        feuilleP f;
        f.Combo1->setCurrentIndex(1);
        f.Combo1_Click();
        f.Combo2->setCurrentIndex(1);  // a stone: it does not bounce
        f.Combo2_Click();
        saisit(f, f.Text3, "14");
        saisit(f, f.Text4, "45");
        f.findChild<QAction*>("ajusterAuVol")->trigger();
        QCOMPARE(f.echelleScene().pixelsParMetre(), 1.8f);
        QVERIFY(!f.info->text().contains(QStringLiteral("ne tient pas")));
        const analyse::Resume r = analyse::resume(f.entreesMesures().conditions);
        QVERIFY(qAbs(r.portee - 121.0) < 0.1);
        f.mesuresScene->sommetImpact->setChecked(true);
        f.mesuresScene->sommetImpact_Click();
        const QPoint chute = QPointF(30 + 1.8 * r.xChute, 436).toPoint();
        QCOMPARE(QColor(f.Picture2->Image().pixel(chute)), QColor(255, 140, 0));
        f.command15_Click();
        for (int n = 0; f.Timer1->isActive() && n < 1000; ++n)
            f.Timer1_Timer();
        QVERIFY(plateformeTest->factice.beeps == 0);  // it never left the scene
        QVERIFY(qAbs(f.projectile->left() + 16 - chute.x()) < 1.8 * 9.9 * 0.04 + 1);
    }

    // Dragging the picture: x0 and y0 are what the pointer shows at the scale, clamped to the scene.
    void glisser_data()
    {
        QTest::addColumn<float>("echelle");
        QTest::addColumn<int>("dx");
        QTest::addColumn<int>("dy");
        QTest::addColumn<QString>("x0");
        QTest::addColumn<QString>("y0");
        QTest::newRow("36") << 36.0f << 90 << -45 << "2,5" << "1,25";
        QTest::newRow("9") << 9.0f << 90 << -45 << "10,0" << "5,0";
        QTest::newRow("9, au bord") << 9.0f << 500 << -500 << "40,11" << "46,67";
        QTest::newRow("1,8") << 1.8f << 27 << -9 << "15,0" << "5,0";
    }
    void glisser()
    {
        QFETCH(float, echelle);
        QFETCH(int, dx);
        QFETCH(int, dy);
        feuilleP f;
        f.changeEchelleScene(sim::Echelle(echelle));
        saisit(f, f.Text1, "0");
        saisit(f, f.Text2, "0");
        f.projectile_MouseMove(Qt::LeftButton, Qt::NoModifier, 16, 16);
        f.projectile_MouseMove(Qt::LeftButton, Qt::NoModifier, 16 + dx, 16 + dy);
        QTEST(f.Text1->text(), "x0");
        QTEST(f.Text2->text(), "y0");
        // The flight starts where the picture was left.
        f.command18_Click();
        QCOMPARE(f.projectile->left(), f.echelleScene().gaucheInitiale(float(Module1::lisNombre(f.Text1->text()))));
    }

    // + and − on the scene go through the scales, and stop at either end.
    void touches()
    {
        feuilleP f;
        auto touche = [&](Qt::Key k) { QTest::keyClick(f.Picture2, k); };
        touche(Qt::Key_Plus);
        QCOMPARE(f.echelleScene().pixelsParMetre(), 36.0f);
        for (float attendue : {18.0f, 9.0f, 4.5f, 1.8f, 1.8f}) {
            touche(Qt::Key_Minus);
            QCOMPARE(f.echelleScene().pixelsParMetre(), attendue);
        }
        touche(Qt::Key_Plus);
        QCOMPARE(f.echelleScene().pixelsParMetre(), 4.5f);
        QVERIFY(f.info->text().contains(QStringLiteral("4,5 px/m")));
        QVERIFY(f.findChild<QAction*>("echelle_4_5")->isChecked());
    }
};

QTEST_MAIN(TstEchelleScene)
#include "tst_echelle_scene.moc"
