// SPDX-License-Identifier: GPL-3.0-or-later
// Where the scene image lands on the page.

#include "print/miseenpage.h"

#include <QtTest>

class TstMiseEnPage : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void placeImage_data()
    {
        QTest::addColumn<bool>("centreH");
        QTest::addColumn<bool>("centreV");
        QTest::addColumn<bool>("miniature");
        QTest::addColumn<double>("resolution");
        QTest::addColumn<QSizeF>("page");
        QTest::addColumn<QRectF>("attendu");
        // A 410 x 460 scene on an A4 printable area at 1200 dpi (9 720 x 13 728 pixels).
        const QSizeF a4(9720, 13728);
        const double l = 410 * 12.5, h = 460 * 12.5;  // natural size: 96 dpi -> 1200 dpi
        QTest::newRow("par défaut: centrée, un vingtième du haut")
            << true << false << false << 1200.0 << a4 << QRectF((9720 - l) / 2, 13728 / 20.0, l, h);
        QTest::newRow("centrée dans les deux sens: au milieu de la page")
            << true << true << false << 1200.0 << a4 << QRectF((9720 - l) / 2, (13728 - h) / 2, l, h);
        QTest::newRow("sans centrage: un dixième de la largeur")
            << false << false << false << 1200.0 << a4 << QRectF(972, 686.4, l, h);
        QTest::newRow("verticale seule") << false << true << false << 1200.0 << a4
                                         << QRectF(972, (13728 - h) / 2, l, h);
        QTest::newRow("miniature: un point d'imprimante par pixel")
            << true << false << true << 1200.0 << a4 << QRectF((9720 - 410) / 2.0, 686.4, 410, 460);
        QTest::newRow("miniature centrée") << true << true << true << 600.0 << QSizeF(4860, 6864)
                                           << QRectF(2225, 3202, 410, 460);
        QTest::newRow("300 dpi") << true << true << false << 300.0 << QSizeF(2430, 3432)
                                 << QRectF((2430 - 1281.25) / 2, (3432 - 1437.5) / 2, 1281.25, 1437.5);
        // Natural size wider than a small page: reduced to the width, proportions kept.
        QTest::newRow("trop grande: réduite") << true << true << false << 1200.0 << QSizeF(4100, 20000)
                                              << QRectF(0, (20000 - 4600) / 2.0, 4100, 4600);
    }
    void placeImage()
    {
        QFETCH(bool, centreH);
        QFETCH(bool, centreV);
        QFETCH(bool, miniature);
        QFETCH(double, resolution);
        QFETCH(QSizeF, page);
        QFETCH(QRectF, attendu);
        const QSizeF f = impression::facteurs(miniature, resolution, resolution);
        const QRectF r = impression::placeImage(page, QSizeF(410, 460), {centreH, centreV, miniature}, f.width(),
                                                f.height());
        QVERIFY2(qAbs(r.x() - attendu.x()) < 1e-6 && qAbs(r.y() - attendu.y()) < 1e-6 &&
                     qAbs(r.width() - attendu.width()) < 1e-6 && qAbs(r.height() - attendu.height()) < 1e-6,
                 qPrintable(QStringLiteral("%1 %2 %3 %4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height())));
        if (centreH && centreV)
            QCOMPARE(r.center(), QPointF(page.width() / 2, page.height() / 2));
    }
};

QTEST_GUILESS_MAIN(TstMiseEnPage)
#include "tst_miseenpage.moc"
