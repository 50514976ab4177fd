// SPDX-License-Identifier: GPL-3.0-or-later
// The main window magnified on a large screen: the content fills the window, the mouse, the
// drag of the projectile and the keyboard work as at design size, and it comes back intact.

#include "core/module1.h"
#include "platform/plateforme_factice.h"
#include "scene/feuillep.h"
#include "widgets/imagecontrol.h"
#include "widgets/picturebox.h"
#include "widgets/projection.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

class TstProjection : public QObject {
    Q_OBJECT

    std::unique_ptr<AvecPlateformeFactice> plateformeTest;

    // The control with the keyboard focus, also inside the magnified view.
    static QString focus()
    {
        QWidget* w = QApplication::focusWidget();
        if (auto* vue = qobject_cast<Projection*>(w))
            w = vue->contenu() ? vue->contenu()->focusWidget() : nullptr;
        return w ? w->objectName() : QString();
    }

private Q_SLOTS:
    void init()
    {
        Module1::reinitialise();
        plateformeTest = std::make_unique<AvecPlateformeFactice>();
        plateformeTest->factice.ecran = QSize(1920, 1080);
    }
    void cleanup() { plateformeTest.reset(); }

    void remplitLaFenetre_data()
    {
        QTest::addColumn<QSize>("taille");
        QTest::addColumn<double>("facteur");
        QTest::addColumn<QPoint>("decalage");  // of the magnified content, centred
        QTest::newRow("double") << QSize(1600, 1200) << 2.0 << QPoint(0, 0);
        QTest::newRow("plein écran HD") << QSize(1920, 1080) << 1.8 << QPoint(240, 0);
        QTest::newRow("plus large que haut") << QSize(1000, 600) << 1.0 << QPoint(0, 0);
    }
    void remplitLaFenetre()
    {
        QFETCH(QSize, taille);
        QFETCH(double, facteur);
        QFETCH(QPoint, decalage);
        feuilleP f;
        f.resize(taille);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        auto* vue = f.findChild<Projection*>();
        QCOMPARE(f.size(), taille);
        QCOMPARE(vue != nullptr, facteur > 1.0);
        if (!vue)
            return;
        QCOMPARE(vue->facteur(), facteur);
        // A pixel of the scene's picture, at its magnified place.
        const QImage ecran = f.grab().toImage();
        const QPoint dansLaScene(200, 150);
        const QColor attendu = f.Picture2->Image().pixelColor(dansLaScene);
        const QPoint ici = decalage + ((f.Picture2->pos() + dansLaScene) * facteur);
        const QColor vu = ecran.pixelColor(ici);
        QVERIFY2(qAbs(vu.red() - attendu.red()) + qAbs(vu.green() - attendu.green()) + qAbs(vu.blue() - attendu.blue()) < 40,
                 qPrintable(QStringLiteral("%1 au lieu de %2").arg(vu.name(), attendu.name())));
    }

    // The scene seen magnified is the design-size scene enlarged: same picture, same place,
    // at the start and after a few ticks of the flight.
    void sceneAgrandieFidele_data()
    {
        QTest::addColumn<int>("ticks");
        QTest::addColumn<bool>("repere");  // the frame drawn over the whole scene
        QTest::addColumn<bool>("chrono");  // photographs painted into the scene as it flies
        QTest::newRow("au départ") << 0 << false << false;
        QTest::newRow("en vol") << 12 << false << false;
        QTest::newRow("repère") << 12 << true << false;
        QTest::newRow("chronophotographie") << 40 << false << true;
    }
    void sceneAgrandieFidele()
    {
        QFETCH(int, ticks);
        QFETCH(bool, repere);
        QFETCH(bool, chrono);
        feuilleP f;
        f.resize(1600, 1200);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QVERIFY(f.findChild<Projection*>());
        if (repere) {
            f.Check1->setChecked(true);
            f.Check1_Click();
        }
        if (chrono)
            f.command12_Click();
        f.Timer1->start();
        for (int i = 0; i < ticks; ++i) {
            f.Timer1_Timer();
            QCoreApplication::processEvents();
        }
        f.Timer1->stop();
        const QRect scene(f.Picture2->pos() * 2, f.Picture2->size() * 2);
        const QImage vu = f.grab().toImage().copy(scene).convertToFormat(QImage::Format_RGB32);
        const QImage attendu = f.Picture2->grab().toImage().convertToFormat(QImage::Format_RGB32)
                                   .scaled(scene.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QCOMPARE(vu.size(), attendu.size());
        qint64 ecart = 0;
        for (int y = 0; y < vu.height(); ++y)
            for (int x = 0; x < vu.width(); ++x) {
                const QRgb a = vu.pixel(x, y);
                const QRgb b = attendu.pixel(x, y);
                ecart += qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b));
            }
        const double moyen = double(ecart) / (vu.width() * vu.height());
        QVERIFY2(moyen < 2.0, qPrintable(QString::number(moyen)));
    }

    // The drag, a click on a field, typing and Tab, through the magnified view.
    void sourisEtClavierAgrandis()
    {
        feuilleP f;
        f.resize(1600, 1200);
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        auto* vue = f.findChild<Projection*>();
        QVERIFY(vue);
        auto versVue = [&](QWidget* w, QPoint p) { return vue->mapFromScene(QPointF(w->mapTo(w->window(), p))); };

        const QPoint projectile(30, 436);  // in the scene
        QTest::mousePress(vue->viewport(), Qt::LeftButton, {}, versVue(f.Picture2, projectile));
        QTest::mouseMove(vue->viewport(), versVue(f.Picture2, projectile + QPoint(72, -36)));
        QTest::mouseRelease(vue->viewport(), Qt::LeftButton, {}, versVue(f.Picture2, projectile + QPoint(72, -36)));
        QCOMPARE(f.Text1->text(), QStringLiteral("2,0"));
        QCOMPARE(f.Text2->text(), QStringLiteral("1,0"));

        QTest::mouseClick(vue->viewport(), Qt::LeftButton, {}, versVue(f.Text3, QPoint(10, 10)));
        QCOMPARE(focus(), QStringLiteral("Text3"));
        f.Text3->selectAll();
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("20"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(focus(), QStringLiteral("Text4"));
        QCOMPARE(f.Text3->text(), QStringLiteral("20,0"));

        // From the last command to the scene, then back to the first control.
        f.Command1->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(focus(), QStringLiteral("Picture2"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(focus(), QStringLiteral("Label6"));

        // Back to the design size: the content returns to the window, focus and all.
        f.Text4->setFocus(Qt::MouseFocusReason);
        QTest::keyClicks(f.Text4, QStringLiteral("3"));
        f.resize(800, 600);
        QVERIFY(!f.findChild<Projection*>());
        QCOMPARE(f.Text4->window(), &f);
        QCOMPARE(f.Text4->text(), QStringLiteral("85,03"));  // not validated by the move
        QTRY_COMPARE(focus(), QStringLiteral("Text4"));
    }

    // Magnified and back: the window is the same, pixel for pixel (its text included).
    void retourALaTailleDeConception()
    {
        feuilleP f;
        f.resize(800, 600);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        const QImage avant = f.grab().toImage();
        f.resize(1024, 768);
        QVERIFY(f.findChild<Projection*>());
        QCoreApplication::processEvents();
        f.resize(800, 600);
        QVERIFY(!f.findChild<Projection*>());
        QCoreApplication::processEvents();
        QCOMPARE(f.grab().toImage(), avant);
    }

    void pleinEcran()
    {
        feuilleP f;
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        f.Text1->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(f.Text1, Qt::Key_F11);
        QTRY_VERIFY(f.isFullScreen());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTRY_VERIFY(!f.isFullScreen());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F11);
        QTRY_VERIFY(f.isFullScreen());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F11);
        QTRY_VERIFY(!f.isFullScreen());
    }

    void fermeeAgrandie()
    {
        // The view hands the content back without a parent: closed magnified, the window must
        // still take its controls with it rather than leave them behind as a stray window.
        auto f = std::make_unique<feuilleP>();
        f->resize(1600, 1200);
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
        auto* vue = f->findChild<Projection*>();
        QVERIFY(vue);
        const QPointer<QWidget> contenu = vue->contenu();
        const QPointer<QLineEdit> champ = f->Text1;
        QVERIFY(contenu && champ);
        f.reset();
        QVERIFY(contenu.isNull());
        QVERIFY(champ.isNull());
    }
};

QTEST_MAIN(TstProjection)
#include "tst_projection.moc"
