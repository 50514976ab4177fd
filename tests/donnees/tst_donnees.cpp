// SPDX-License-Identifier: GPL-3.0-or-later
// The data files beside the program: the scene relies on their sizes, on each projectile
// resting on row 26 of its picture, on a calm corner for the date, and on playable clips.
#include <QtTest>

#include <QFile>
#include <QImage>

#include <cmath>
#include <cstring>

namespace {

enum Genre { Fond, Projectile, Ombre, Icone, Son };

QString chemin(const QString& nom) { return QCoreApplication::applicationDirPath() + "/" + nom; }

// The lowest row that holds a clearly opaque pixel, or -1.
int ligneBasse(const QImage& img)
{
    for (int y = img.height() - 1; y >= 0; --y)
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(img.pixel(x, y)) >= 128)
                return y;
    return -1;
}

struct Wav {
    QString erreur;
    int format = 0, canaux = 0, frequence = 0, bits = 0;
    QVector<qint16> echantillons;
};

quint32 lis32(const char* p) { return quint32(quint8(p[0])) | quint32(quint8(p[1])) << 8 | quint32(quint8(p[2])) << 16 | quint32(quint8(p[3])) << 24; }
quint16 lis16(const char* p) { return quint16(quint8(p[0]) | quint8(p[1]) << 8); }

// Walks the RIFF chunks as a player does, rather than trusting a fixed 44-byte header.
Wav lisWav(const QByteArray& octets)
{
    Wav w;
    const char* d = octets.constData();
    if (octets.size() < 12 || std::memcmp(d, "RIFF", 4) != 0 || std::memcmp(d + 8, "WAVE", 4) != 0)
        return w.erreur = "pas un fichier RIFF/WAVE", w;
    if (lis32(d + 4) != quint32(octets.size() - 8))
        return w.erreur = "taille RIFF incohérente", w;
    bool fmt = false;
    for (qsizetype pos = 12; pos + 8 <= octets.size();) {
        const quint32 taille = lis32(d + pos + 4);
        if (pos + 8 + qsizetype(taille) > octets.size())
            return w.erreur = "bloc tronqué", w;
        const char* bloc = d + pos + 8;
        if (std::memcmp(d + pos, "fmt ", 4) == 0 && taille >= 16) {
            w.format = lis16(bloc);
            w.canaux = lis16(bloc + 2);
            w.frequence = int(lis32(bloc + 4));
            w.bits = lis16(bloc + 14);
            fmt = lis32(bloc + 8) == quint32(w.frequence * w.canaux * w.bits / 8) && lis16(bloc + 12) == w.canaux * w.bits / 8;
        } else if (std::memcmp(d + pos, "data", 4) == 0) {
            for (quint32 i = 0; i + 1 < taille; i += 2)
                w.echantillons.append(qint16(lis16(bloc + i)));
        }
        pos += 8 + taille + (taille & 1);
    }
    if (!fmt)
        w.erreur = "bloc fmt absent ou incohérent";
    else if (w.echantillons.isEmpty())
        w.erreur = "bloc data absent";
    return w;
}

}  // namespace

class TstDonnees : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fichiers_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<int>("genre");
        QTest::addColumn<int>("largeur");
        QTest::addColumn<int>("hauteur");
        for (const char* fond : {"terre.jpg", "lune.jpg", "mars.jpg"})
            QTest::newRow(fond) << fond << int(Fond) << 410 << 460;
        for (int i = 1; i <= 5; ++i) {
            const QString p = QString("projectile%1.png").arg(i), o = QString("ombre%1.png").arg(i);
            QTest::newRow(qPrintable(p)) << p << int(Projectile) << 32 << 32;
            QTest::newRow(qPrintable(o)) << o << int(Ombre) << 32 << 32;
        }
        for (const char* icone : {"demarrer", "pause", "retour", "camera", "arret", "stop", "exercices"})
            QTest::newRow(icone) << QString("icones/%1.png").arg(icone) << int(Icone) << 32 << 32;
        for (const char* icone : {"parametres", "options"})
            QTest::newRow(icone) << QString("icones/%1.png").arg(icone) << int(Icone) << 24 << 24;
        QTest::newRow("baltor.png") << "baltor.png" << int(Icone) << 128 << 128;
        for (const char* son : {"pom.wav", "bim.wav", "bam.wav", "boum.wav"})
            QTest::newRow(son) << son << int(Son) << 0 << 0;
    }

    void fichiers()
    {
        QFETCH(QString, nom);
        QFETCH(int, genre);
        QFETCH(int, largeur);
        QFETCH(int, hauteur);
        QVERIFY2(QFile::exists(chemin(nom)), qPrintable(nom + " absent"));
        if (genre == Son) {
            QFile f(chemin(nom));
            QVERIFY(f.open(QIODevice::ReadOnly));
            const Wav w = lisWav(f.readAll());
            QVERIFY2(w.erreur.isEmpty(), qPrintable(w.erreur));
            QCOMPARE(w.format, 1);  // PCM
            QCOMPARE(w.canaux, 1);
            QCOMPARE(w.frequence, 22050);
            QCOMPARE(w.bits, 16);
            const double duree = double(w.echantillons.size()) / w.frequence;
            QVERIFY2(duree >= 0.15 && duree <= 0.6, qPrintable(QString::number(duree)));
            int crete = 0;
            for (qint16 v : w.echantillons)
                crete = std::max(crete, std::abs(int(v)));
            const double dbfs = 20 * std::log10(crete / 32768.0);
            QVERIFY2(dbfs > -4.5 && dbfs < -2.0, qPrintable(QString::number(dbfs)));
            // Starting and ending near silence: no click when the clip starts or is cut.
            QVERIFY(std::abs(w.echantillons.first()) < 330 && std::abs(w.echantillons.last()) < 330);
            return;
        }
        const QImage img = QImage(chemin(nom)).convertToFormat(QImage::Format_ARGB32);
        QVERIFY2(!img.isNull(), qPrintable(nom + " illisible"));
        QCOMPARE(img.size(), QSize(largeur, hauteur));
        if (genre == Projectile) {
            QCOMPARE(ligneBasse(img), 26);
            for (int y = 27; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x)
                    QCOMPARE(qAlpha(img.pixel(x, y)), 0);
            // Centred on column 16: the widest opaque row is balanced around it.
            int meilleure = 0, gauche = 0, droite = 0;
            for (int y = 0; y < img.height(); ++y) {
                int g = -1, d = -1;
                for (int x = 0; x < img.width(); ++x)
                    if (qAlpha(img.pixel(x, y)) >= 128) {
                        if (g < 0)
                            g = x;
                        d = x;
                    }
                if (g >= 0 && d - g + 1 > meilleure)
                    meilleure = d - g + 1, gauche = g, droite = d;
            }
            QVERIFY2(std::abs((gauche + droite + 1) / 2.0 - 16.5) <= 1.0, qPrintable(QString("%1..%2").arg(gauche).arg(droite)));
        } else if (genre == Ombre) {
            double somme = 0, sx = 0, sy = 0;
            int opaque = 0;
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x) {
                    const int a = qAlpha(img.pixel(x, y));
                    somme += a, sx += a * (x + 0.5), sy += a * (y + 0.5);
                    opaque = std::max(opaque, a);
                }
            QVERIFY(somme > 0);
            QVERIFY2(opaque < 255, "une ombre reste transparente");
            QVERIFY(std::abs(sx / somme - 16.5) < 0.5);
            QVERIFY(std::abs(sy / somme - 27.5) < 0.5);
        } else if (genre == Icone) {
            QVERIFY(qAlpha(img.pixel(0, 0)) == 0);  // a transparent corner: the icon is not a square tile
        }
    }

    // The date and coordinates are written in white in the top-right corner of the scene:
    // the place picture must stay plain and dark enough there.
    void coinDuTexte_data()
    {
        QTest::addColumn<QString>("nom");
        for (const char* fond : {"terre.jpg", "lune.jpg", "mars.jpg"})
            QTest::newRow(fond) << fond;
    }

    void coinDuTexte()
    {
        QFETCH(QString, nom);
        const QImage img(chemin(nom));
        QVERIFY(!img.isNull());
        double somme = 0, carres = 0, maximum = 0;
        int n = 0;
        for (int y = 4; y <= 60; ++y)
            for (int x = 250; x <= 405; ++x) {
                const double l = qGray(img.pixel(x, y));
                somme += l, carres += l * l, maximum = std::max(maximum, l), ++n;
            }
        const double moyenne = somme / n, ecart = std::sqrt(carres / n - moyenne * moyenne);
        QVERIFY2(maximum < 190, qPrintable(QString::number(maximum)));
        QVERIFY2(ecart < 8, qPrintable(QString::number(ecart)));
    }
};

QTEST_GUILESS_MAIN(TstDonnees)
#include "tst_donnees.moc"
