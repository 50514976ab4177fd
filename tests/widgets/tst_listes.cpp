// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/dirlistbox.h"
#include "widgets/drivelistbox.h"
#include "widgets/filelistbox.h"

#include <QSignalSpy>
#include <QtTest>

class TstListes : public QObject {
    Q_OBJECT
    QTemporaryDir dossier_;

    QString chemin(const QString& relatif) const { return QDir(dossier_.path()).filePath(relatif); }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(dossier_.isValid());
        QDir d(dossier_.path());
        for (const char* s : {"b", "A", "c.d", ".cache"})
            QVERIFY(d.mkpath(QString::fromLatin1(s)));
        for (const char* f : {"essai.p03", "Tir.P03", "notes.txt", "zz.P03.bak", "A/dedans.P03"}) {
            QFile fichier(d.filePath(QString::fromLatin1(f)));
            QVERIFY(fichier.open(QIODevice::WriteOnly));
        }
    }

    void motif_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("motif");
        QTest::addColumn<bool>("retenu");
        QTest::newRow("même casse") << "Tir.P03" << "*.P03" << true;
        QTest::newRow("autre casse") << "essai.p03" << "*.P03" << true;
        QTest::newRow("extension plus longue") << "essai.P03x" << "*.P03" << false;
        QTest::newRow("extension au milieu") << "zz.P03.bak" << "*.P03" << false;
        QTest::newRow("nom seul") << "P03" << "*.P03" << false;
        QTest::newRow("tout, sans point") << "LISEZMOI" << "*.*" << true;
        QTest::newRow("deux motifs") << "ex.e03" << "*.P03; *.E03" << true;
        QTest::newRow("point d'interrogation") << "a1.P03" << "a?.p03" << true;
    }
    void motif()
    {
        QFETCH(QString, nom);
        QFETCH(QString, motif);
        QFETCH(bool, retenu);
        QCOMPARE(FileListBox::correspond(nom, motif), retenu);
    }

    void listeDeFichiers()
    {
        FileListBox f(QStringLiteral("File1"));
        QCOMPARE(f.objectName(), QStringLiteral("File1"));
        QSignalSpy chemins(&f, &FileListBox::pathChange);
        QSignalSpy clics(&f, &FileListBox::click);
        QSignalSpy doubles(&f, &FileListBox::dblClick);
        f.setPattern(QStringLiteral("*.P03"));
        QVERIFY(f.setPath(dossier_.path()));
        QCOMPARE(chemins.count(), 1);
        QVERIFY(f.setPath(dossier_.path() + "/"));  // same folder written differently
        QCOMPARE(chemins.count(), 1);
        QVERIFY(!f.setPath(chemin("absent")));
        QCOMPARE(f.Path(), QDir::cleanPath(dossier_.path()));

        QCOMPARE(f.ListCount(), 2);
        QCOMPARE(f.List(0), QStringLiteral("essai.p03"));
        QCOMPARE(f.List(1), QStringLiteral("Tir.P03"));
        QCOMPARE(f.ListIndex(), -1);
        QCOMPARE(f.FileName(), QString());
        QCOMPARE(clics.count(), 0);  // filling the list is not a click

        f.setFocus();
        QTest::keyClick(&f, Qt::Key_Down);
        QCOMPARE(clics.count(), 1);
        QCOMPARE(f.FileName(), f.List(f.ListIndex()));
        QTest::keyClick(&f, Qt::Key_Return);
        QCOMPARE(doubles.count(), 1);

        f.setPattern(QStringLiteral("*.*"));
        QCOMPARE(f.ListCount(), 4);
        QVERIFY(f.setPath(chemin("A")));
        f.setPattern(QStringLiteral("*.P03"));
        QCOMPARE(f.ListCount(), 1);
        QCOMPARE(f.List(0), QStringLiteral("dedans.P03"));
        QCOMPARE(f.List(5), QString());
    }

    void listeDeDossiers()
    {
        DirListBox d(QStringLiteral("Dir1"));
        QSignalSpy changes(&d, &DirListBox::change);
        QVERIFY(d.setPath(dossier_.path()));
        QCOMPARE(changes.count(), 1);
        QVERIFY(!d.setPath(chemin("essai.p03")));
        QCOMPARE(changes.count(), 1);

        // The open folder is -1, its parent -2; its sub-folders, hidden ones left out, from 0.
        QCOMPARE(d.ListIndex(), -1);
        QCOMPARE(d.List(-1), QDir::cleanPath(dossier_.path()));
        QCOMPARE(d.List(-2), QFileInfo(dossier_.path()).absolutePath());
        QCOMPARE(d.ListCount(), 3);
        QCOMPARE(d.List(0), chemin("A"));
        QCOMPARE(d.List(1), chemin("b"));
        QCOMPARE(d.List(2), chemin("c.d"));
        QCOMPARE(d.List(3), QString());

        // Enter opens the highlighted entry.
        d.setFocus();
        d.setListIndex(2);
        QTest::keyClick(&d, Qt::Key_Return);
        QCOMPARE(d.Path(), chemin("c.d"));
        QCOMPARE(changes.count(), 2);
        QCOMPARE(d.ListCount(), 0);
        d.setListIndex(-2);
        QTest::keyClick(&d, Qt::Key_Enter);
        QCOMPARE(d.Path(), QDir::cleanPath(dossier_.path()));
        QCOMPARE(changes.count(), 3);

        // A typed letter finds the next folder by its name.
        QTest::keyClicks(&d, "b");
        QCOMPARE(d.ListIndex(), 1);
        QTest::keyClick(&d, Qt::Key_Escape);

        // Up to the root, whose own entry has no parent.
        QVERIFY(d.setPath(QDir::rootPath()));
        QCOMPARE(d.List(-1), QDir::rootPath());
        QCOMPARE(d.List(-2), QString());
    }

    void dossierDisparu()
    {
        QVERIFY(QDir(dossier_.path()).mkpath("ephemere"));
        DirListBox d(QStringLiteral("Dir1"));
        QVERIFY(d.setPath(dossier_.path()));
        d.setListIndex(d.ListCount() - 1);
        QCOMPARE(d.List(d.ListIndex()), chemin("ephemere"));
        QVERIFY(QDir(chemin("ephemere")).removeRecursively());
        d.setFocus();
        QTest::keyClick(&d, Qt::Key_Return);
        QCOMPARE(d.Path(), QDir::cleanPath(dossier_.path()));
        QCOMPARE(d.ListCount(), 3);
    }

    void lecteurs()
    {
        DriveListBox l(QStringLiteral("Drive1"));
        QVERIFY(l.racines().contains(QDir::rootPath()));
        QVERIFY(l.racines().contains(QDir::cleanPath(QDir::homePath())));
        QSignalSpy changes(&l, &DriveListBox::change);
        l.setDrive(QDir::homePath() + "/un/dossier");
        QCOMPARE(l.Drive(), QDir::cleanPath(QDir::homePath()));
        const int avant = changes.count();
        l.setDrive(QDir::homePath());
        QCOMPARE(changes.count(), avant);  // no move, no change
        l.setDrive(QDir::rootPath());
        QCOMPARE(l.Drive(), QDir::rootPath());
        QCOMPARE(changes.count(), avant + 1);
    }
};

QTEST_MAIN(TstListes)
#include "tst_listes.moc"
