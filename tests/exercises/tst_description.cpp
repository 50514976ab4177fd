// SPDX-License-Identifier: GPL-3.0-or-later
// The exercise description reader: records from bytes, short and damaged files, the preview's
// figures (correction, difficulty marks, notions, title).

#include "exercises/description.h"

#include <QtTest>

namespace {

// One 128-byte slot holding a text (Latin-1 here, a subset of Windows-1252).
QByteArray slot(const QByteArray& texte, int longueurDeclaree = -1)
{
    QByteArray s(128, '\0');
    const int l = longueurDeclaree < 0 ? int(texte.size()) : longueurDeclaree;
    s[0] = char(l & 0xff);
    s[1] = char((l >> 8) & 0xff);
    s.replace(2, texte.size(), texte);
    return s.left(128);
}

QByteArray fichier(const QList<QByteArray>& textes)
{
    QByteArray f;
    for (const QByteArray& t : textes)
        f += slot(t);
    return f;
}

}  // namespace

class TstDescription : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void enregistrements_data()
    {
        QTest::addColumn<QByteArray>("octets");
        QTest::addColumn<QStringList>("attendus");  // records 1 to 11
        QTest::addColumn<QList<int>>("abimes");

        const QList<QByteArray> complet = {"enonce.rtf", "enonce.P03", "corrige.rtf", "corrige.P03", "2",
                                           "Seconde", "A", "B", "C", "D", "Titre"};
        QStringList tous;
        for (const QByteArray& t : complet)
            tous << QString::fromLatin1(t);
        QTest::newRow("complet") << fichier(complet) << tous << QList<int>{};
        QTest::newRow("vide") << QByteArray() << QStringList(11, QString()) << QList<int>{};
        QStringList deux = QStringList(11, QString());
        deux[0] = QStringLiteral("enonce.rtf");
        deux[1] = QStringLiteral("enonce.P03");
        QTest::newRow("deux enregistrements") << fichier(complet.mid(0, 2)) << deux << QList<int>{};
        // The file ends inside the text of record 3: damaged, the others read.
        QByteArray coupe = fichier(complet.mid(0, 2)) + slot("corrige.rtf").left(6);
        QTest::newRow("coupé dans le texte") << coupe << deux << QList<int>{3};
        QTest::newRow("coupé dans la longueur") << fichier(complet.mid(0, 2)) + QByteArray(1, '\x05') << deux
                                                << QList<int>{3};
        QByteArray tropLong = fichier(complet);
        tropLong.replace(2 * 128, 128, slot("x", 200));
        QStringList sans3 = tous;
        sans3[2].clear();
        QTest::newRow("longueur au-delà de l'enregistrement") << tropLong << sans3 << QList<int>{3};
        // The last slot may stop right after its text.
        QByteArray court = fichier(complet);
        court.chop(128 - 2 - 5);
        QTest::newRow("dernier enregistrement court") << court << tous << QList<int>{};
        QStringList accents = QStringList(11, QString());
        accents[10] = QStringLiteral("Énergie : « vol » – été");
        QList<QByteArray> titre(11, QByteArray());
        titre[10] = QByteArray("\xc9nergie : \xab vol \xbb \x96 \xe9t\xe9");
        QTest::newRow("Windows-1252") << fichier(titre) << accents << QList<int>{};
    }
    void enregistrements()
    {
        QFETCH(QByteArray, octets);
        QFETCH(QStringList, attendus);
        QFETCH(QList<int>, abimes);
        const Exercices::DescriptionExercice d = Exercices::lisDescription(octets);
        for (int n = 1; n <= 11; ++n) {
            QCOMPARE(d.texte(n), attendus.at(n - 1));
            QCOMPARE(d.abime(n), abimes.contains(n));
        }
        QCOMPARE(d.texte(0), QString());
        QCOMPARE(d.texte(12), QString());
    }

    void corrige_data()
    {
        QTest::addColumn<QByteArray>("r3");
        QTest::addColumn<QByteArray>("r4");
        QTest::addColumn<bool>("corrige");
        QTest::newRow("aucun") << QByteArray() << QByteArray() << false;
        QTest::newRow("espaces seulement") << QByteArray("   ") << QByteArray(" ") << false;
        QTest::newRow("texte seul") << QByteArray("c.rtf") << QByteArray() << true;
        QTest::newRow("configuration seule") << QByteArray() << QByteArray("c.P03") << true;
        QTest::newRow("les deux") << QByteArray("c.rtf") << QByteArray("c.P03") << true;
    }
    void corrige()
    {
        QFETCH(QByteArray, r3);
        QFETCH(QByteArray, r4);
        QFETCH(bool, corrige);
        QCOMPARE(Exercices::lisDescription(fichier({"e.rtf", "", r3, r4})).corrige(), corrige);
    }

    void difficulte_data()
    {
        QTest::addColumn<QByteArray>("texte");
        QTest::addColumn<int>("allumees");
        QTest::newRow("0") << QByteArray("0") << 0;
        QTest::newRow("1") << QByteArray("1") << 1;
        QTest::newRow("1,5") << QByteArray("1,5") << 2;
        QTest::newRow("1.5") << QByteArray("1.5") << 2;
        QTest::newRow("2") << QByteArray("2") << 2;
        QTest::newRow("3") << QByteArray("3") << 3;
        QTest::newRow("7") << QByteArray("7") << 3;
        QTest::newRow("négatif") << QByteArray("-1") << 0;
        QTest::newRow("espaces") << QByteArray("  2 ") << 2;
        QTest::newRow("pas un nombre") << QByteArray("facile") << 0;
        QTest::newRow("absent") << QByteArray() << 0;
    }
    void difficulte()
    {
        QFETCH(QByteArray, texte);
        QFETCH(int, allumees);
        const auto d = Exercices::lisDescription(fichier({"", "", "", "", texte}));
        QCOMPARE(Exercices::marquesAllumees(d.difficulte()), allumees);
    }

    void notions_data()
    {
        QTest::addColumn<QList<QByteArray>>("pieces");  // records 7 to 10
        QTest::addColumn<QString>("attendu");
        QTest::newRow("deux lignes, blancs entre") << QList<QByteArray>{"Chute libre\r\n", "", "   ", "Port\xe9" "e"}
                                                   << QStringLiteral("Chute libre\r\nPortée");
        QTest::newRow("pièces collées") << QList<QByteArray>{"a", "b", "c", "d"} << QStringLiteral("abcd");
        QTest::newRow("espaces gardés") << QList<QByteArray>{" a ", "", "", ""} << QStringLiteral(" a ");
        QTest::newRow("rien") << QList<QByteArray>{} << QString();
    }
    void notions()
    {
        QFETCH(QList<QByteArray>, pieces);
        QFETCH(QString, attendu);
        QList<QByteArray> textes = {"", "", "", "", "", ""};
        textes += pieces;
        QCOMPARE(Exercices::lisDescription(fichier(textes)).notions(), attendu);
    }

    void titre()
    {
        QList<QByteArray> textes(11, QByteArray());
        textes[10] = "   Les rebonds  ";
        QCOMPARE(Exercices::lisDescription(fichier(textes)).titre(), QStringLiteral("Les rebonds"));
    }
};

QTEST_APPLESS_MAIN(TstDescription)
#include "tst_description.moc"
