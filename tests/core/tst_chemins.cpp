// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/chemins.h"

#include <QtTest>

using Module1::resoudChemin;

class TstChemins : public QObject {
    Q_OBJECT
    QTemporaryDir dossier_;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(dossier_.isValid());
        QDir d(dossier_.path());
        QVERIFY(d.mkpath("Exos/TP.2024"));
        for (const char* f : {"Exos/Tir.P03", "Exos/TP.2024/essai.p03", "racine.e03"}) {
            QFile fichier(d.filePath(f));
            QVERIFY(fichier.open(QIODevice::WriteOnly));
        }
    }

    void resolution_data()
    {
        QTest::addColumn<QString>("chemin");
        QTest::addColumn<QString>("attendu");  // relative to the temporary folder
        QTest::newRow("exact") << "Exos/Tir.P03" << "Exos/Tir.P03";
        QTest::newRow("barres inverses") << "Exos\\Tir.P03" << "Exos/Tir.P03";
        QTest::newRow("autre casse") << "EXOS\\tir.p03" << "Exos/Tir.P03";
        QTest::newRow("dossier à point") << "exos\\tp.2024\\ESSAI.P03" << "Exos/TP.2024/essai.p03";
        QTest::newRow("absent garde le reste") << "exos\\Manque\\x.P03" << "Exos/Manque/x.P03";
        QTest::newRow("dossier seul") << "EXOS" << "Exos";
        QTest::newRow("point-point") << "Exos\\..\\RACINE.E03" << "racine.e03";
    }
    void resolution()
    {
        QFETCH(QString, chemin);
        QFETCH(QString, attendu);
        const QString base = dossier_.path();
        QCOMPARE(resoudChemin(chemin, base), QDir(base).filePath(attendu));
        // The same path written absolute.
        QCOMPARE(resoudChemin(base + "/" + chemin), QDir(base).filePath(attendu));
    }

    void vide() { QCOMPARE(resoudChemin(QString()), QString()); }
};

QTEST_APPLESS_MAIN(TstChemins)
#include "tst_chemins.moc"
