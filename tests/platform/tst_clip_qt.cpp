// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's impact sound: a projectile change switches between clips loaded once, so a
// lesson of a thousand changes loads the four sound files four times, not a thousand.

#include "platform/clip_qt.h"

#include <QCoreApplication>
#include <QtTest>

class TstClipQt : public QObject {
    Q_OBJECT

    static QString son(const QString& nom) { return QCoreApplication::applicationDirPath() + QLatin1Char('/') + nom; }

private Q_SLOTS:
    void changements_data()
    {
        QTest::addColumn<QStringList>("fichiers");  // opened in turn, the whole list repeated
        QTest::addColumn<int>("tours");
        QTest::addColumn<int>("effets");            // sound effects made in all
        QTest::newRow("les cinq projectiles, mille changements")
            << QStringList{"pom.wav", "bim.wav", "bam.wav", "bam.wav", "boum.wav"} << 200 << 4;
        QTest::newRow("le même clip rouvert") << QStringList{"bam.wav"} << 50 << 1;
        QTest::newRow("fichier manquant") << QStringList{"absent.wav"} << 20 << 0;
        QTest::newRow("même fichier, autre chemin") << QStringList{"bam.wav", "./bam.wav"} << 10 << 1;
    }
    void changements()
    {
        QFETCH(QStringList, fichiers);
        QFETCH(int, tours);
        QFETCH(int, effets);
        const int avant = ClipQt::effetsCrees();
        ClipQt clip;
        for (int i = 0; i < tours; ++i)
            for (const QString& f : fichiers) {
                clip.ferme();
                clip.ouvre(son(f));
                QCOMPARE(clip.fichier(), son(f));
                clip.joue();  // silent without a sound device; never a crash
            }
        QCOMPARE(ClipQt::effetsCrees() - avant, effets);
    }
};

QTEST_MAIN(TstClipQt)
#include "tst_clip_qt.moc"
