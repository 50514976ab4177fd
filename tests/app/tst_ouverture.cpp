// SPDX-License-Identifier: GPL-3.0-or-later
// A file given on the command line opens in the window as its own command opens it.

#include "app/ouverture.h"
#include "config/configuration.h"
#include "config/ouvrir.h"
#include "widgets/filelistbox.h"
#include "core/enregistrements.h"
#include "core/module1.h"
#include "exercises/fichexo.h"
#include "platform/plateforme_factice.h"
#include "scene/feuillep.h"

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

#include <unistd.h>

class TstOuverture : public QObject {
    Q_OBJECT
    QTemporaryDir dossier_;

private Q_SLOTS:
    void init() { Module1::reinitialise(); }

    void configuration_data()
    {
        QTest::addColumn<QString>("nomEcrit");
        QTest::addColumn<QString>("nomDonne");
        QTest::newRow("nom exact") << "lune.P03" << "lune.P03";
        QTest::newRow("extension en minuscules") << "tir.p03" << "tir.p03";
        // Written on Windows: "\" separators and another letter case.
        QTest::newRow("chemin Windows") << "Sous/Mars.P03" << "sous\\MARS.p03";
    }
    void configuration()
    {
        QFETCH(QString, nomEcrit);
        QFETCH(QString, nomDonne);
        QVERIFY(QDir(dossier_.path()).mkpath(QStringLiteral("Sous")));
        Config::Reglages r;
        r.lieu = 1;
        r.projectile = 4;
        r.options = {0, 1, 0};
        r.champs = {QStringLiteral("1,5"), QStringLiteral("2,0"), QStringLiteral("8,0"), QStringLiteral("45,0"),
                    QStringLiteral("200")};
        const QString ecrit = dossier_.filePath(nomEcrit);
        QCOMPARE(Config::ecritFichier(ecrit, r), Config::ResultatEcriture::Ok);

        AvecPlateformeFactice factice;
        feuilleP f;
        Fichexo exercices(&f);
        QVERIFY(QDir::setCurrent(dossier_.path()));
        ouvreFichier(f, exercices, nomDonne);
        QVERIFY2(factice.factice.messages.isEmpty(), qPrintable(factice.factice.messages.value(0).texte));
        QCOMPARE(f.Combo1->currentIndex(), 1);
        QCOMPARE(f.Combo2->currentIndex(), 4);
        QCOMPARE(f.Text4->text(), QStringLiteral("45,0"));
        QCOMPARE(f.chrono->text(), QStringLiteral("200"));
        QCOMPARE(f.windowTitle(), QStringLiteral("Baltor - ") + QFileInfo(ecrit).absoluteFilePath());
    }

    void fichierIllisible_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QByteArray>("contenu");
        QTest::addColumn<QString>("titre");
        QTest::newRow("absent") << "absent.P03" << QByteArray() << "Fichier non valide";
        QTest::newRow("vide") << "vide.P03" << QByteArray("") << "Fichier non valide";
        QTest::newRow("texte") << "notes.txt" << QByteArray("Bonjour\n") << "Erreur lors du chargement du fichier";
    }
    void fichierIllisible()
    {
        QFETCH(QString, nom);
        QFETCH(QByteArray, contenu);
        const QString chemin = dossier_.filePath(nom);
        if (!contenu.isNull()) {
            QFile f(chemin);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(contenu);
        }
        AvecPlateformeFactice factice;
        feuilleP f;
        Fichexo exercices(&f);
        const QString titre = f.windowTitle();
        const QString v0 = f.Text3->text();
        ouvreFichier(f, exercices, chemin);
        // The message of the set-up reader, then the window as it was.
        QCOMPARE(factice.factice.messages.size(), 1);
        QTEST(factice.factice.messages.first().titre, "titre");
        QCOMPARE(f.windowTitle(), titre);
        QCOMPARE(f.Text3->text(), v0);
        QVERIFY(!QFileInfo::exists(dossier_.filePath("absent.P03")));  // never created
    }

    // A delivered exercise opens with its statement, its path and its set-up, whatever the
    // letter case the file manager or the terminal gives.
    void exercice_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::newRow("nom exact") << "04_trois_astres.E03";
        QTest::newRow("autre casse") << "04_TROIS_ASTRES.e03";
    }
    void exercice()
    {
        QFETCH(QString, nom);
        const QString programme = QCoreApplication::applicationDirPath();
        AvecPlateformeFactice factice;
        feuilleP f;
        Fichexo exercices(&f);
        QVERIFY(QDir::setCurrent(programme));
        ouvreFichier(f, exercices, nom);
        QVERIFY2(factice.factice.messages.isEmpty(), qPrintable(factice.factice.messages.value(0).texte));
        QCOMPARE(f.fich->text(), QDir(programme).filePath(QStringLiteral("04_trois_astres.E03")));
        QVERIFY(!f.supertext->document()->isEmpty());
        QVERIFY(!f.supertext->isReadOnly());
        QVERIFY(f.windowTitle().endsWith(QStringLiteral(".P03"), Qt::CaseInsensitive));
        QCOMPARE(Module1::texteModifie, qint16(0));
    }

    void exerciceIllisible_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QByteArray>("contenu");
        QTest::addColumn<QString>("titre");
        QTest::newRow("absent") << "absent.E03" << QByteArray() << "Lecture impossible";
        QTest::newRow("tronqué") << "court.e03" << QByteArray("\x06\x00" "BAL", 5) << "Lecture impossible";
        // Records readable, but the statement they name is not there.
        QTest::newRow("énoncé absent") << "sans_enonce.E03" << Enregistrements::ecris({QStringLiteral("perdu.rtf")}).octets
                                       << "Fichier absent";
    }
    void exerciceIllisible()
    {
        QFETCH(QString, nom);
        QFETCH(QByteArray, contenu);
        const QString chemin = dossier_.filePath(nom);
        if (!contenu.isNull()) {
            QFile fichier(chemin);
            QVERIFY(fichier.open(QIODevice::WriteOnly));
            fichier.write(contenu);
        }
        AvecPlateformeFactice factice;
        feuilleP f;
        Fichexo exercices(&f);
        const QString titre = f.windowTitle();
        const QString texte = f.supertext->toPlainText();
        ouvreFichier(f, exercices, chemin);
        QCOMPARE(factice.factice.messages.size(), 1);
        QTEST(factice.factice.messages.first().titre, "titre");
        QCOMPARE(f.windowTitle(), titre);
        QCOMPARE(f.supertext->toPlainText(), texte);
        QVERIFY(f.fich->text().isEmpty());
    }

    // Each message names the file and the real reason; the longest statement is refused
    // before it is laid out, within a bound the pupil does not notice.
    void raisons_data()
    {
        QTest::addColumn<QString>("nom");          // given to the window
        QTest::addColumn<QByteArray>("contenu");   // of the file named by the .E03, or of the file itself
        QTest::addColumn<QString>("message");      // both fragments in the one message
        QTest::addColumn<QString>("raison");
        QTest::newRow("énoncé qui n'est pas du RTF") << "a.E03" << QByteArray("Bonjour\n") << "enonce.rtf"
                                                    << "n'est pas au format RTF";
        QTest::newRow("énoncé coupé") << "b.E03" << QByteArray("{\\rtf1\\ansi Le d\\'e9but {\\b du") << "enonce.rtf"
                                      << "est incomplet";
        QTest::newRow("un million de paragraphes") << "c.E03" << QByteArray("{\\rtf1 ") + QByteArray("\\par ").repeated(1'000'000) + "}"
                                                  << "enonce.rtf" << "trop long";
        QTest::newRow("description vide") << "vide.E03" << QByteArray() << "vide.E03" << "ne désigne aucun énoncé";
        QTest::newRow("nom hors UTF-8") << QFile::decodeName("caf\xe9.P03") << QByteArray() << "caf" << "UTF-8";
    }
    void raisons()
    {
        QFETCH(QString, nom);
        QFETCH(QByteArray, contenu);
        QFETCH(QString, message);
        QFETCH(QString, raison);
        if (nom.contains(QChar::ReplacementCharacter)) {
            // The file is there, under bytes the toolkit cannot name.
            const QByteArray brut = QFile::encodeName(dossier_.path()) + "/caf\xe9.P03";
            QFile f;
            QVERIFY(f.open(fopen(brut.constData(), "w"), QIODevice::WriteOnly, QFileDevice::AutoCloseHandle));
        } else {
            QFile description(dossier_.filePath(nom));
            QVERIFY(description.open(QIODevice::WriteOnly));
            if (!contenu.isEmpty()) {
                description.write(Enregistrements::ecris({QStringLiteral("enonce.rtf")}).octets);
                QFile enonce(dossier_.filePath(QStringLiteral("enonce.rtf")));
                QVERIFY(enonce.open(QIODevice::WriteOnly));
                enonce.write(contenu);
            }
        }
        AvecPlateformeFactice factice;
        feuilleP f;
        Fichexo exercices(&f);
        QElapsedTimer duree;
        duree.start();
        ouvreFichier(f, exercices, dossier_.filePath(nom));
        QVERIFY2(duree.elapsed() < 2000, qPrintable(QString::number(duree.elapsed())));
        QCOMPARE(factice.factice.messages.size(), 1);
        const QString texte = factice.factice.messages.first().texte;
        unlink((QFile::encodeName(dossier_.path()) + "/caf\xe9.P03").constData());
        QVERIFY2(texte.contains(message) && texte.contains(raison), qPrintable(texte));
    }

    // The open dialog lists such a file too, and choosing it says why it does not open.
    void dialogueNomHorsUtf8()
    {
        QTemporaryDir dossier;
        const QByteArray brut = QFile::encodeName(dossier.path()) + "/caf\xe9.P03";
        QFile fichier;
        QVERIFY(fichier.open(fopen(brut.constData(), "w"), QIODevice::WriteOnly, QFileDevice::AutoCloseHandle));
        fichier.close();
        AvecPlateformeFactice factice;
        QVERIFY(QDir::setCurrent(dossier.path()));
        feuilleP f;
        ouvrir d(f);
        QCOMPARE(d.File1->ListCount(), 1);
        d.File1->setFocus();
        const QString titre = f.windowTitle();
        QTest::keyClick(d.File1, Qt::Key_Down);
        QTest::keyClick(d.File1, Qt::Key_Return);
        QCOMPARE(factice.factice.messages.size(), 1);
        unlink(brut.constData());
        QVERIFY(factice.factice.messages.first().texte.contains(QStringLiteral("n'est pas écrit en UTF-8")));
        QCOMPARE(f.windowTitle(), titre);
    }
};

QTEST_MAIN(TstOuverture)
#include "tst_ouverture.moc"
