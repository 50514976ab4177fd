// SPDX-License-Identifier: GPL-3.0-or-later
// Replays the inputs on which a fuzz target once found a crash, a sanitizer report or a wrong
// result (tests/data/fuzz/TARGET/), and the seed corpora (fuzz/corpus/TARGET/, and the exercises
// delivered in data/ for the description reader), through the checks the targets make.

#include "verifications.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <functional>

using Verification = std::function<QString(const QByteArray&)>;
Q_DECLARE_METATYPE(Verification)

class TstRegressionsFuzz : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void entree_data()
    {
        QTest::addColumn<QString>("chemin");
        QTest::addColumn<Verification>("verification");
        const QList<QPair<QString, Verification>> cibles{
            {QStringLiteral("nombre"), verifications::nombre},
            {QStringLiteral("calcul"), verifications::calcul},
            {QStringLiteral("saisie"), verifications::saisie},
            {QStringLiteral("configuration"), verifications::configuration},
            {QStringLiteral("description"), verifications::description},
        };
        int trouvees = 0;
        for (const auto& [cible, verification] : cibles) {
            for (const QString& racine : {QStringLiteral(BALTOR_SOURCE "/tests/data/fuzz/"),
                                          QStringLiteral(BALTOR_SOURCE "/fuzz/corpus/")}) {
                const QDir dossier(racine + cible);
                for (const QString& f : dossier.entryList(QDir::Files, QDir::Name)) {
                    QTest::newRow(qPrintable(dossier.dirName() + QLatin1Char('/') + f))
                        << dossier.filePath(f) << verification;
                    trouvees += racine.contains(QLatin1String("tests/data")) ? 1 : 0;
                }
            }
        }
        const QDir livres(QStringLiteral(BALTOR_SOURCE "/data"));
        const QStringList descriptions =
            livres.entryList({QStringLiteral("*.E03"), QStringLiteral("BALTOR.PEM")}, QDir::Files, QDir::Name);
        QVERIFY(descriptions.size() > 1);
        for (const QString& f : descriptions)
            QTest::newRow(qPrintable(QStringLiteral("data/") + f)) << livres.filePath(f) << Verification(verifications::description);
        // The findings kept must be found: an empty regression corpus would pass unseen.
        QVERIFY(trouvees > 0);
    }
    void entree()
    {
        QFETCH(QString, chemin);
        QFETCH(Verification, verification);
        QFile f(chemin);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString erreur = verification(f.readAll());
        QVERIFY2(erreur.isEmpty(), qPrintable(erreur));
    }
};

QTEST_GUILESS_MAIN(TstRegressionsFuzz)
#include "tst_fuzz_regressions.moc"
