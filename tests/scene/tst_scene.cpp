// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's scene and animation, driven through its handlers.

#include "core/module1.h"
#include "platform/plateforme_factice.h"
#include "scene/feuillep.h"
#include "widgets/imagecontrol.h"
#include "widgets/picturebox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

namespace {

bool blanc(const QImage& image, int x, int y)
{
    return image.pixel(x, y) == qRgb(255, 255, 255);
}

// Runs ticks until the timer stops (or a bound), as the running timer would.
int anime(feuilleP& f, int maxTicks = 3000)
{
    int n = 0;
    while (f.Timer1->isActive() && n < maxTicks) {
        f.Timer1_Timer();
        ++n;
    }
    return n;
}

}  // namespace

class TstScene : public QObject {
    Q_OBJECT

    std::unique_ptr<AvecPlateformeFactice> plateformeTest;
    PlateformeFactice& rec() { return plateformeTest->factice; }

private Q_SLOTS:
    void init()
    {
        Module1::reinitialise();
        plateformeTest = std::make_unique<AvecPlateformeFactice>();
    }
    void cleanup() { plateformeTest.reset(); }

    void etatAuDemarrage()
    {
        feuilleP f;
        QVERIFY(f.windowTitle().startsWith(QStringLiteral("Baltor")));
        QCOMPARE(f.Combo1->currentIndex(), 0);
        QCOMPARE(f.Combo1->count(), 3);
        QCOMPARE(f.Combo2->currentIndex(), 2);
        QCOMPARE(f.Combo2->itemText(3), QStringLiteral("boule de pétanque ( m = 800 g )"));
        QCOMPARE(f.Text1->text(), QStringLiteral("0,0"));
        QCOMPARE(f.Text2->text(), QStringLiteral("0,0"));
        QCOMPARE(f.Text3->text(), QStringLiteral("14,0"));
        QCOMPARE(f.Text4->text(), QStringLiteral("85,0"));
        QCOMPARE(f.chrono->text(), QStringLiteral("150"));
        QCOMPARE(Module1::g, 9.8f);
        QVERIFY(qAbs(Module1::vx - 1.2202f) < 1e-3f);
        QVERIFY(qAbs(Module1::vy - 13.9467f) < 1e-3f);
        QCOMPARE(f.projectile->left(), 14.0);
        QCOMPARE(f.projectile->top(), 420.0);
        QCOMPARE(f.ombre->left(), 14.0);
        QCOMPARE(f.ombre->top(), 420.0);
        QVERIFY(!f.Check1->isChecked());
        QVERIFY(f.Check3->isChecked());
        QVERIFY(!f.Check3->isEnabled());
        QVERIFY(f.Check2->isChecked());
        QVERIFY(f.Check4->isChecked());
        QVERIFY(!f.speed->isChecked());
        QVERIFY(!f.Timer1->isActive());
        QCOMPARE(f.Timer1->interval(), 40);
        QCOMPARE(f.Timer1->timerType(), Qt::PreciseTimer);
        QCOMPARE(f.info->text(), QStringLiteral("Vous pouvez modifier les paramètres,\r\nouvrir une configuration ou un exercice"));
        QCOMPARE(f.Label2->text(), QStringLiteral("date: t = 0,0 s"));
        QCOMPARE(f.command12->toolTip(), QStringLiteral("Chronophotographie"));
        QVERIFY(rec().sons.contains(QStringLiteral("Open bam.wav")));
        QVERIFY(rec().messages.isEmpty());
        QVERIFY(!f.Picture2->picture().isNull());
        QCOMPARE(f.projectile->picture().size(), QSize(32, 32));
    }

    void imageDeFondManquante()
    {
        QTemporaryDir vide;
        rec().repertoire = vide.path();
        feuilleP f;
        QCOMPARE(rec().messages.size(), 1);
        const MessageEnregistre m = rec().messages.first();
        QCOMPARE(m.titre, QStringLiteral("Erreur fatale"));
        QCOMPARE(m.style, 16);
        QCOMPARE(m.texte, QStringLiteral("Le fichier ") + vide.path() + QStringLiteral("/terre.jpg") +
                              QStringLiteral(" doit se trouver dans le même répertoire que l'application.\r\n"
                                             "Ce n'est pas le cas actuellement: sortie de l'application."));
        QCOMPARE(rec().finProgramme, 1);
    }

    void lignesDuRepere_data()
    {
        QTest::addColumn<bool>("grille");
        QTest::addColumn<int>("lignesH");  // rows with white pixels inside the frame, away from the axes
        QTest::addColumn<int>("lignesV");
        QTest::newRow("graduations") << false << 12 << 11;
        QTest::newRow("grille") << true << 12 << 11;
    }
    void lignesDuRepere()
    {
        QFETCH(bool, grille);
        QFETCH(int, lignesH);
        QFETCH(int, lignesV);
        feuilleP f;
        const QImage avant = f.Picture2->Image();
        f.Check3->setChecked(grille);
        f.Check1->setChecked(true);
        f.Check1_Click();
        QVERIFY(f.Check3->isEnabled());
        const QImage apres = f.Picture2->Image();
        auto trace = [&](int x, int y) { return blanc(apres, x, y) && !blanc(avant, x, y); };
        // Horizontal lines (ticks from 28 to 33, or the grid from 30 to 390) at y = 436 - 36k.
        int h = 0;
        for (int y = 436; y > 39; y -= 36)
            h += (trace(28, y) || trace(29, y)) && !trace(28, y + 2) ? 1 : 0;
        int v = 0;
        for (int x = 30; x <= 390; x += 36)
            v += trace(x, 438) || trace(x, 437) ? 1 : 0;
        if (grille) {
            // The dotted grid runs through the middle of the frame; the ticks stay near the axes.
            // Dotted: one pixel in three.
            QVERIFY(trace(102, 400) || trace(103, 400) || trace(104, 400));
            QVERIFY(trace(102, 200) || trace(102, 201) || trace(102, 202));
            h = 0;
            for (int y = 436; y > 39; y -= 36)
                h += trace(300, y) || trace(301, y) || trace(302, y) ? 1 : 0;
            v = 0;
            for (int x = 30; x <= 390; x += 36)
                v += trace(x, 300) || trace(x, 301) || trace(x, 302) ? 1 : 0;
        } else {
            QVERIFY(!trace(102, 400) && !trace(103, 400) && !trace(200, 200));
            QVERIFY(!trace(35, 400));
        }
        QCOMPARE(h, lignesH);
        QCOMPARE(v, lignesV);
        // Axes and arrow heads.
        QVERIFY(trace(200, 436) && trace(401, 436) && trace(30, 21) && trace(30, 300));
        QVERIFY(trace(398, 438) && trace(398, 434) && trace(32, 24) && trace(28, 24));

        // Unticking removes the frame and disables the grid box, which keeps its value.
        f.Check1->setChecked(false);
        f.Check1_Click();
        QVERIFY(!f.Check3->isEnabled());
        QCOMPARE(f.Check3->isChecked(), grille);
        QCOMPARE(f.Picture2->Image(), avant);
    }

    void volParDefaut()
    {
        feuilleP f;
        f.command15_Click();
        QVERIFY(f.Timer1->isActive());
        QCOMPARE(rec().sonsPrepares, 1);  // the sound gets ready while the balloon flies
        const int ticks = anime(f);
        QVERIFY(!f.Timer1->isActive());
        QVERIFY(ticks > 60 && ticks < 400);
        // The balloon lands, bounces with damping and stops: one sound per impact.
        QVERIFY(rec().sonsJoues() >= 3);
        QCOMPARE(rec().sons.filter(QStringLiteral("Play")).first(), QStringLiteral("Play bam.wav"));
        QCOMPARE(f.projectile->top(), 420.0);
        QCOMPARE(f.ombre->left(), f.projectile->left());
        QCOMPARE(Module1::t, 0.0f);
        QCOMPARE(Module1::rebondActif, qint16(0));
        QVERIFY(f.Label4->text() == QStringLiteral("y = 0,0 m"));
        QVERIFY(f.Check1->isEnabled());
    }

    void pasDeSonSurLaLune()
    {
        feuilleP f;
        f.Combo1->setCurrentIndex(1);
        f.Combo1_Click();
        QCOMPARE(Module1::g, 1.62f);
        f.command15_Click();
        anime(f, 20000);
        QVERIFY(!f.Timer1->isActive());
        QCOMPARE(rec().sonsJoues(), 0);
    }

    void atterrissageSansRebond()
    {
        feuilleP f;
        f.Combo2->setCurrentIndex(0);
        f.Combo2_Click();
        QVERIFY(rec().sons.contains(QStringLiteral("Close bam.wav")));
        QVERIFY(rec().sons.contains(QStringLiteral("Open pom.wav")));
        f.command15_Click();
        const int ticks = anime(f);
        // 2 vy / g = 2,85 s: the 72nd tick is the first below the ground.
        QCOMPARE(ticks, 72);
        QCOMPARE(rec().sonsJoues(), 1);
        QCOMPARE(Module1::t, 0.0f);
        QCOMPARE(f.projectile->top(), 420.0);
        QVERIFY(f.projectile->left() > 14 + 36 * 3.4);  // stays where it landed (x ≈ 3,5 m)
        QCOMPARE(f.Label1->text(), QStringLiteral("x = 3,51 m"));
    }

    void sortieDeLEcran()
    {
        feuilleP f;
        f.Text4->setText(QStringLiteral("150,0"));
        f.voxvoy();
        f.Text1->setText(QStringLiteral("1,0"));
        f.command18_Click();
        f.command15_Click();
        anime(f);
        QVERIFY(!f.Timer1->isActive());
        QCOMPARE(rec().beeps, 1);
        QCOMPARE(f.projectile->left(), 50.0);  // back at x0 = 1 m
        QCOMPARE(f.projectile->top(), 420.0);
        QCOMPARE(f.Label2->text(), QStringLiteral("date: t = 0,0 s"));
    }

    void departImmobile()
    {
        feuilleP f;
        f.Text3->setText(QStringLiteral("0,0"));
        f.voxvoy();
        f.command18_Click();
        QVERIFY(!f.command15->isEnabled());
        f.command15_Click();
        QVERIFY(!f.Timer1->isActive());
    }

    void retourPendantLeVol()
    {
        feuilleP f;
        f.command15_Click();
        for (int i = 0; i < 20; ++i)
            f.Timer1_Timer();
        QVERIFY(f.projectile->top() < 400);
        f.command18_Click();
        QVERIFY(f.Timer1->isActive());  // the flight starts again from the initial position
        QCOMPARE(f.projectile->top(), 420.0);
        QCOMPARE(Module1::t, 0.0f);
        f.command16_Click();
        QVERIFY(!f.Timer1->isActive());
    }

    void photographiesDansLaScene()
    {
        feuilleP f;
        f.chronoActif = 1;
        f.anim.prochainePhoto = 0.0f;
        f.Timer1->start();
        for (int i = 0; i < 12; ++i)
            f.Timer1_Timer();
        // Photographs at 0 s (on the ground) and 0,15 s: the picture stays in the scene.
        const QImage scene = f.Picture2->Image();
        const QImage sansPhoto = [&] {
            feuilleP g;
            return g.Picture2->Image();
        }();
        int differents = 0;
        for (int y = 420; y < 452; ++y)
            for (int x = 14; x < 46; ++x)
                differents += scene.pixel(x, y) != sansPhoto.pixel(x, y) ? 1 : 0;
        QVERIFY(differents > 50);
        f.Combo1_Click();  // a new place erases them
        QCOMPARE(f.Picture2->Image(), sansPhoto);
    }

    void optionsEtMiseANiveau()
    {
        feuilleP f;
        f.Check2->setChecked(false);
        f.Check2_Click();
        QVERIFY(f.Label1->isHidden() && f.Label2->isHidden() && f.Label4->isHidden());
        const QImage fond = f.Picture2->Image();
        f.miseniv();
        const QImage sansTexte = f.Picture2->Image();
        QCOMPARE(f.sauvetage, fond);
        // Only the projectile and its shadow were added.
        for (int y = 0; y < 100; ++y)
            for (int x = 250; x < 410; ++x)
                QCOMPARE(sansTexte.pixel(x, y), fond.pixel(x, y));
        QVERIFY(sansTexte.pixel(30, 436) != fond.pixel(30, 436) || sansTexte.pixel(30, 440) != fond.pixel(30, 440));

        f.Picture2->setPicture(f.sauvetage);
        f.Picture2->Cls();
        f.Check2->setChecked(true);
        f.Check2_Click();
        f.miseniv();
        const QImage avecTexte = f.Picture2->Image();
        int texte = 0;
        for (int y = 0; y < 60; ++y)
            for (int x = 250; x < 410; ++x)
                texte += blanc(avecTexte, x, y) && !blanc(fond, x, y) ? 1 : 0;
        QVERIFY(texte > 100);
    }
};

QTEST_MAIN(TstScene)
#include "tst_scene.moc"
