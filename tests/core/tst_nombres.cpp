// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/nombres.h"

#include <QtTest>

#include <cmath>

using Module1::formate;
using Module1::lisNombre;

class TstNombres : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void formats_data()
    {
        QTest::addColumn<double>("valeur");
        QTest::addColumn<QString>("image");
        QTest::addColumn<QString>("texte");
        QTest::newRow("champ entier") << 14.0 << "###0.0#" << "14,0";
        QTest::newRow("champ zéro") << 0.0 << "###0.0#" << "0,0";
        QTest::newRow("champ deux décimales") << 11.666666 << "###0.0#" << "11,67";
        QTest::newRow("champ arrondi à une") << 2.5 << "###0.0#" << "2,5";
        QTest::newRow("champ négatif") << -0.388888 << "###0.0#" << "-0,39";
        QTest::newRow("champ entier sous un") << 0.05 << "###0.0#" << "0,05";
        QTest::newRow("pas de -0,0") << -0.001 << "###0.0#" << "0,0";
        QTest::newRow("coord") << 1.2345 << "#######0.0#" << "1,23";
        QTest::newRow("coord grand") << 123456.7 << "#######0.0#" << "123456,7";
        QTest::newRow("date trois décimales") << 0.15 << "#######0.0##" << "0,15";
        QTest::newRow("date flottant") << double(0.04f * 3) << "#######0.0##" << "0,12";
        QTest::newRow("date arrondie") << 1.23456 << "#######0.0##" << "1,235";
        QTest::newRow("division 0,1") << 0.1 << "################0.0##############" << "0,1";
        QTest::newRow("division 1000") << 1000.0 << "################0.0##############" << "1000,0";
        QTest::newRow("sans décimales") << 150.0 << "0" << "150";
    }
    void formats()
    {
        QFETCH(double, valeur);
        QFETCH(QString, image);
        QFETCH(QString, texte);
        QCOMPARE(formate(valeur, image), texte);
    }

    void lecture_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<double>("valeur");
        QTest::addColumn<int>("lus");
        QTest::newRow("virgule") << "2,5" << 2.5 << 3;
        QTest::newRow("point") << "2.5" << 2.5 << 3;
        QTest::newRow("blancs devant") << "  -3,25" << -3.25 << 7;
        QTest::newRow("vide") << "" << 0.0 << 0;
        QTest::newRow("lettres") << "abc" << 0.0 << 0;
        QTest::newRow("signe seul") << "-" << 0.0 << 0;
        QTest::newRow("s'arrête au texte") << "12abc" << 12.0 << 2;
        QTest::newRow("parenthèse") << "3.5)" << 3.5 << 3;
        QTest::newRow("exposant E") << "1.5E-3" << 0.0015 << 6;
        QTest::newRow("exposant D") << "2D2" << 200.0 << 3;
        QTest::newRow("E sans chiffres") << "2E" << 2.0 << 1;
        QTest::newRow("virgule seule") << "," << 0.0 << 0;
        QTest::newRow("point final") << "7." << 7.0 << 2;
        QTest::newRow("décimales seules") << ".5" << 0.5 << 2;
        QTest::newRow("zéros devant") << "0010" << 10.0 << 4;
        QTest::newRow("dépassement") << "1E999" << qInf() << 5;
        QTest::newRow("infime") << "1E-999" << 0.0 << 6;
        // Far below the smallest double: 0, never infinity.
        const QString infime = QStringLiteral("0,") + QString(323, QLatin1Char('0')) + QStringLiteral("1");
        QTest::newRow("infime sans exposant") << infime << 0.0 << int(infime.size());
        QTest::newRow("infime négatif") << QString(QStringLiteral("-") + infime) << -0.0 << int(infime.size() + 1);
        QTest::newRow("plus petit double") << "4,9406564584124654e-324" << 4.9406564584124654e-324 << 23;
        // Leading zeros of an exponent count for nothing, however many.
        QTest::newRow("exposant à zéros") << "1e0000002" << 100.0 << 9;
        QTest::newRow("exposant négatif à zéros") << "2,5e-0000001" << 0.25 << 12;
        QTest::newRow("exposant très long") << QString(QStringLiteral("3E") + QString(40, QLatin1Char('0')) + QStringLiteral("1")) << 30.0 << 43;
        // Far above the largest double: infinity, never 0, whatever the exponent's sign.
        const QString enorme = QStringLiteral("1") + QString(400, QLatin1Char('0')) + QStringLiteral("e-1");
        QTest::newRow("énorme, exposant négatif") << enorme << qInf() << int(enorme.size());
        QTest::newRow("énorme ramené dans les limites") << QString(QStringLiteral("1") + QString(400, QLatin1Char('0')) + QStringLiteral("e-398")) << 100.0 << 406;
        QTest::newRow("plus grand double") << "1,7976931348623157E308" << 1.7976931348623157e308 << 22;
        QTest::newRow("juste au-delà") << "1,7976931348623159E308" << qInf() << 22;
        // Many digits round once, as the C library reads them.
        QTest::newRow("long arrondi") << QString(QStringLiteral("0,1") + QString(30, QLatin1Char('0')) + QStringLiteral("1")) << 0.1 << 34;
    }
    void lecture()
    {
        QFETCH(QString, texte);
        QFETCH(double, valeur);
        QFETCH(int, lus);
        int n = -1;
        const double lu = lisNombre(texte, &n);
        QCOMPARE(lu, valeur);
        QCOMPARE(std::signbit(lu), std::signbit(valeur));
        QCOMPARE(n, lus);
    }
};

QTEST_GUILESS_MAIN(TstNombres)
#include "tst_nombres.moc"
