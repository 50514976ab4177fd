// SPDX-License-Identifier: GPL-3.0-or-later
// Files written aside: a disk that refuses part-way, or a folder that does not exist, leaves the
// old file exactly as it was and no temporary file behind.

#include "core/ecriture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

class TstEcriture : public QObject {
    Q_OBJECT

    static QByteArray lis(const QString& chemin)
    {
        QFile f(chemin);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
    }

private Q_SLOTS:
    void ecriture_data()
    {
        QTest::addColumn<qint64>("limite");  // largest file the disk accepts, 0: none
        QTest::addColumn<int>("taille");
        QTest::addColumn<bool>("dossierAbsent");
        QTest::addColumn<int>("echec");
        QTest::newRow("petit fichier") << qint64(0) << 300 << false << int(EchecEcriture::Aucun);
        QTest::newRow("fichier vide") << qint64(0) << 0 << false << int(EchecEcriture::Aucun);
        // A small file fits a write buffer: the refusal only shows when it is emptied.
        QTest::newRow("refus d'un petit fichier") << qint64(1000) << 3000 << false << int(EchecEcriture::Ecriture);
        QTest::newRow("refus d'un grand fichier") << qint64(5000) << 200000 << false << int(EchecEcriture::Ecriture);
        QTest::newRow("juste à la limite") << qint64(3000) << 3000 << false << int(EchecEcriture::Aucun);
        QTest::newRow("dossier absent") << qint64(0) << 10 << true << int(EchecEcriture::Creation);
    }
    void ecriture()
    {
        QFETCH(qint64, limite);
        QFETCH(int, taille);
        QFETCH(bool, dossierAbsent);
        QTemporaryDir dossier;
        QVERIFY(dossier.isValid());
        const QString chemin = dossier.filePath(dossierAbsent ? QStringLiteral("nulle/part/f.txt")
                                                              : QStringLiteral("f.txt"));
        const QByteArray ancien("ancien contenu");
        if (!dossierAbsent) {
            QFile f(chemin);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(ancien);
        }
        const QByteArray nouveau(taille, 'n');
        EchecEcriture echec = EchecEcriture::Aucun;
        if (limite > 0) {
#ifdef Q_OS_UNIX
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit avant{};
            getrlimit(RLIMIT_FSIZE, &avant);
            rlimit petit = avant;
            petit.rlim_cur = rlim_t(limite);
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &petit), 0);
            echec = ecritACote(chemin, nouveau);
            setrlimit(RLIMIT_FSIZE, &avant);
#else
            QSKIP("needs a file size limit");
#endif
        } else {
            echec = ecritACote(chemin, nouveau);
        }
        QTEST(int(echec), "echec");
        if (echec == EchecEcriture::Aucun)
            QCOMPARE(lis(chemin), nouveau);
        else if (!dossierAbsent)
            QCOMPARE(lis(chemin), ancien);
        if (!dossierAbsent)
            QCOMPARE(QDir(dossier.path()).entryList(QDir::Files), QStringList{QStringLiteral("f.txt")});
    }
};

QTEST_GUILESS_MAIN(TstEcriture)
#include "tst_ecriture.moc"
