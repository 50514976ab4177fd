// SPDX-License-Identifier: GPL-3.0-or-later
// Saving the table and the scene's image: the formats, and a failing write that leaves the
// file already there as it was.

#include "analyse/fichiers.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

using namespace analyse;

namespace {

QByteArray lis(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QImage scene()
{
    QImage image(410, 460, QImage::Format_RGB32);
    image.fill(QColor(40, 90, 160));
    for (int x = 0; x < 410; ++x)
        image.setPixel(x, 436, qRgb(255, 255, 255));
    return image;
}

}  // namespace

class TstFichiersMesures : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void formats_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QByteArray>("debut");
        QTest::newRow("png") << "scene.png" << QByteArray("\x89PNG");
        QTest::newRow("PNG majuscules") << "SCENE.PNG" << QByteArray("\x89PNG");
        QTest::newRow("jpeg") << "scene.jpeg" << QByteArray("\xFF\xD8\xFF");
        QTest::newRow("jpg") << "scene.jpg" << QByteArray("\xFF\xD8\xFF");
        QTest::newRow("pdf") << "scene.pdf" << QByteArray("%PDF");
        QTest::newRow("svg") << "scene.svg" << QByteArray("<?xml");
        QTest::newRow("sans extension: png") << "scene" << QByteArray("\x89PNG");
        QTest::newRow("bmp, que Qt sait écrire") << "scene.bmp" << QByteArray("BM");
    }
    void formats()
    {
        QFETCH(QString, nom);
        QFETCH(QByteArray, debut);
        QTemporaryDir dossier;
        const QString chemin = cheminImage(dossier.filePath(nom));
        QString erreur;
        QVERIFY(enregistreImage(scene(), chemin, &erreur));
        const QByteArray octets = lis(chemin);
        QVERIFY2(octets.startsWith(debut), octets.left(8).toHex().constData());
        if (formatDe(chemin) == FormatImage::Png || formatDe(chemin) == FormatImage::Jpeg) {
            const QImage relue(chemin);
            QCOMPARE(relue.size(), QSize(410, 460));
        }
    }

    // An extension no writer knows is refused with the list of those it can take.
    void extensionInconnue()
    {
        QTemporaryDir dossier;
        const QString chemin = cheminImage(dossier.filePath(QStringLiteral("scene.xyz")));
        QString erreur;
        QVERIFY(!enregistreImage(scene(), chemin, &erreur));
        QVERIFY(!QFileInfo::exists(chemin));
        QVERIFY2(erreur.contains(QStringLiteral("png")) && erreur.contains(QStringLiteral("bmp")), qPrintable(erreur));
    }

    void svgContientLImage()
    {
        const QByteArray s = octetsImage(scene(), FormatImage::Svg);
        QVERIFY(s.contains("width=\"410\" height=\"460\""));
        const int debut = s.indexOf("base64,") + 7;
        const QByteArray png = QByteArray::fromBase64(s.mid(debut, s.indexOf('"', debut) - debut));
        QImage image;
        QVERIFY(image.loadFromData(png, "PNG"));
        QCOMPARE(image.pixel(5, 436), qRgb(255, 255, 255));
    }

    void dossierAbsent()
    {
        QTemporaryDir dossier;
        QString erreur;
        QVERIFY(!enregistreOctets(dossier.filePath(QStringLiteral("absent/mesures.csv")), "n;t (s)\r\n", &erreur));
        QVERIFY(!erreur.isEmpty());
    }

    void remplaceUnFichier()
    {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("mesures.csv"));
        QVERIFY(enregistreOctets(chemin, "ancien\r\n", nullptr));
        QVERIFY(enregistreOctets(chemin, "nouveau\r\n", nullptr));
        QCOMPARE(lis(chemin), QByteArray("nouveau\r\n"));
    }

#ifdef Q_OS_UNIX
    // A disk that refuses more bytes (a file size limit, as a full disk would): the old file stays.
    void ecritureQuiEchoue()
    {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("mesures.csv"));
        QVERIFY(enregistreOctets(chemin, "ancien contenu\r\n", nullptr));
        rlimit avant{};
        getrlimit(RLIMIT_FSIZE, &avant);
        const auto signalAvant = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limite = avant;
        limite.rlim_cur = 64;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limite), 0);
        QString erreur;
        const bool ok = enregistreOctets(chemin, QByteArray(100000, 'x'), &erreur);
        setrlimit(RLIMIT_FSIZE, &avant);
        std::signal(SIGXFSZ, signalAvant);
        QVERIFY(!ok);
        QVERIFY(erreur.contains(QStringLiteral("disque plein")));
        QCOMPARE(lis(chemin), QByteArray("ancien contenu\r\n"));
        QCOMPARE(QDir(dossier.path()).entryList(QDir::Files), QStringList{QStringLiteral("mesures.csv")});
    }
#endif
};

QTEST_MAIN(TstFichiersMesures)
#include "tst_fichiers_mesures.moc"
