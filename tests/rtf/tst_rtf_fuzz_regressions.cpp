// SPDX-License-Identifier: GPL-3.0-or-later
// Inputs on which the fuzzer once found a crash, a hang or a sanitizer report: the
// reader and the writer must now take each one in their stride.

#include "outils.h"
#include "rtf/rtf.h"

#include <QTest>
#include <QTextDocument>

class TestRegressionsFuzz : public QObject {
    Q_OBJECT
private slots:
    void entree_data();
    void entree();
};

void TestRegressionsFuzz::entree_data()
{
    QTest::addColumn<QString>("chemin");
    const QString dossier = outils::dossierDonnees() + "/fuzz";
    const QStringList fichiers = outils::fichiersRtf(dossier);
    if (fichiers.isEmpty())
        QSKIP("no fuzzer finding kept");
    for (const QString& f : fichiers)
        QTest::newRow(qPrintable(f)) << dossier + "/" + f;
}

void TestRegressionsFuzz::entree()
{
    QFETCH(QString, chemin);
    const QByteArray donnees = outils::lisFichier(chemin);
    QTextDocument doc;
    if (!Rtf::lis(donnees, &doc))
        return;
    // The same checks as the fuzz target: what we write, we read back with the same text.
    QTextDocument relu;
    QVERIFY(Rtf::lis(Rtf::ecris(doc), &relu));
    QCOMPARE(relu.toPlainText(), doc.toPlainText());
}

QTEST_MAIN(TestRegressionsFuzz)
#include "tst_rtf_fuzz_regressions.moc"
