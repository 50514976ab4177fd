// SPDX-License-Identifier: GPL-3.0-or-later
// The printed page of the graphs: text a reader can select and search, every title, nothing
// drawn within 10 mm of the paper's edges, the same drawing in the PDF and the PNG.

#include "analyse/tableauvol.h"
#include "graphs/pageimprimee.h"

#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(PageGraphes)

namespace {

PageGraphes page(float g, float v0, float angle, float y0, const QString& projectile)
{
    const sim::Vitesse v = sim::voxvoy(v0, angle);
    analyse::Conditions c{0.0f, y0, v.vx, v.vy, g, 150.0, projectile.startsWith(QStringLiteral("ballon"))};
    return pageDuVol(c, {QStringLiteral("Terre ( g = 9,8 N / kg )"), projectile, "0,0", "0,0", "14,0", "85,0"});
}

}  // namespace

class TstPageGraphes : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void contenu_data()
    {
        QTest::addColumn<PageGraphes>("contenu");
        QTest::addColumn<QStringList>("titres");
        QTest::newRow("ballon") << page(9.8f, 14.0f, 85.0f, 0.0f, QStringLiteral("ballon ( m = 450 g )"))
                                << QStringList{"x(t)", "y(t)", "y(x)", "vx(t), vy(t), v(t)", "Ec(t), Epp(t), Em(t)"};
        QTest::newRow("rocher sur la Lune") << page(1.62f, 5.0f, 30.0f, 2.0f, QStringLiteral("rocher ( m = 1830 kg )"))
                                            << QStringList{"x(t)", "y(t)", "y(x)", "vx(t), vy(t), v(t)", "Ec(t), Epp(t), Em(t)"};
        // Without a readable mass the energies are left out, not drawn at 0 J.
        QTest::newRow("masse illisible") << page(9.8f, 14.0f, 85.0f, 0.0f, QStringLiteral("caillou"))
                                         << QStringList{"x(t)", "y(t)", "y(x)", "vx(t), vy(t), v(t)"};
    }
    void contenu()
    {
        QFETCH(PageGraphes, contenu);
        QFETCH(QStringList, titres);
        QStringList lus;
        for (const Graphe& g : contenu.graphes)
            lus << g.titre;
        QCOMPARE(lus, titres);

        // Margins: nothing within 10 mm of the edges of the page at 150 dpi.
        const QImage image = imagePageGraphes(contenu);
        QCOMPARE(image.size(), QSize(1241, 1754));
        const int marge = int(10.0 / 25.4 * resolutionPng);
        int encre = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const bool bord = x < marge || y < marge || x >= image.width() - marge || y >= image.height() - marge;
                if (image.pixel(x, y) != qRgb(255, 255, 255)) {
                    QVERIFY2(!bord, qPrintable(QStringLiteral("encre en %1, %2").arg(x).arg(y)));
                    ++encre;
                }
            }
        QVERIFY(encre > 20000);

        // The PDF holds the text itself.
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("g.pdf"));
        QFile f(chemin);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(pdfPageGraphes(contenu));
        f.close();
        QProcess p;
        p.start(pdftotext, {chemin, QStringLiteral("-")});
        QVERIFY(p.waitForFinished(30000));
        const QString texte = QString::fromUtf8(p.readAllStandardOutput());
        for (const QString& t : titres)
            QVERIFY2(texte.contains(t), qPrintable(t + QStringLiteral(" absent de :\n") + texte));
        QVERIFY(texte.contains(QStringLiteral("1 division correspond à")));
    }
};

QTEST_MAIN(TstPageGraphes)
#include "tst_pagegraphes.moc"
