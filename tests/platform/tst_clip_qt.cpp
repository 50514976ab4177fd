// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's impact sound: a projectile change switches between clips loaded once, so a
// lesson of a thousand changes loads the four sound files four times, not a thousand; the
// sound module, asked for when a flight starts, has the clip ready before its first impact.

#include "platform/clip_qt.h"
#include "platform/moduleson.h"

#include <QCoreApplication>
#include <QtTest>

class TstClipQt : public QObject {
    Q_OBJECT

    static QString son(const QString& nom) { return QCoreApplication::applicationDirPath() + QLatin1Char('/') + nom; }

    static void attends(ModuleSon& module)
    {
        QTRY_VERIFY_WITH_TIMEOUT(module.etat() != ModuleSon::Etat::Chargement, 20000);
    }

private Q_SLOTS:
    void premierSon_data()
    {
        QTest::addColumn<QString>("module");    // where the sound module is looked for
        QTest::addColumn<QString>("fichier");
        QTest::addColumn<bool>("prepare");      // a flight started before the impact
        QTest::addColumn<bool>("pret");         // the clip plays at once at its first impact
        const QString programme = son(ModuleSon::nomFichier());
        QTest::newRow("vol lancé") << programme << "bam.wav" << true << true;
        QTest::newRow("impact sans lancement") << programme << "pom.wav" << false << true;
        QTest::newRow("fichier manquant") << programme << "absent.wav" << true << false;
        QTest::newRow("module absent") << son(QStringLiteral("absent/") + ModuleSon::nomFichier()) << "bam.wav" << true << false;
        QTest::newRow("module illisible") << son(QStringLiteral("bam.wav")) << "bam.wav" << true << false;
    }
    void premierSon()
    {
        QFETCH(QString, module);
        QFETCH(QString, fichier);
        QFETCH(bool, prepare);
        QFETCH(bool, pret);
        ModuleSon m({module});
        ClipQt clip(m);
        clip.ouvre(son(fichier));
        QVERIFY(!clip.pret());  // nothing loaded before a flight
        if (prepare)
            clip.prepare();
        else
            clip.joue();  // plays once the module is there
        attends(m);
        QCOMPARE(clip.pret(), pret);
        clip.joue();  // silent without a sound device or module; never a crash
        clip.ouvre(son(QStringLiteral("boum.wav")));
        QCOMPARE(clip.pret(), pret && m.etat() == ModuleSon::Etat::Pret);  // the next projectile's at once
    }

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
        ModuleSon::programme().charge();
        attends(ModuleSon::programme());
        QCOMPARE(ModuleSon::programme().etat(), ModuleSon::Etat::Pret);
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
