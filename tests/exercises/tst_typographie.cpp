// SPDX-License-Identifier: GPL-3.0-or-later
// French typography of the teaching texts: the rules, and every text of data/ (help, course,
// statements, corrections, catalogue entries) free of a breakable space where French puts a
// non-breaking one.

#include "core/enregistrements.h"
#include "exercices/typographie.h"
#include "exercises/description.h"
#include "rtf/rtf.h"

#include <QDir>
#include <QTextDocument>
#include <QtTest>

class TstTypographie : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void regles_data()
    {
        QTest::addColumn<QString>("avant");
        QTest::addColumn<QString>("apres");  // "_" stands for a non-breaking space
        QTest::newRow("ponctuation") << "Pourquoi ? Voici : a ; b !" << "Pourquoi_? Voici_: a_; b_!";
        QTest::newRow("guillemets") << "« Afficher le repère »" << "«_Afficher le repère_»";
        QTest::newRow("unites") << "g = 1,62 N/kg et 150 ms, 51 %" << "g_=_1,62_N/kg et 150_ms, 51_%";
        QTest::newRow("milliers") << "un rocher de 1 830 kg, 10 000 fois" << "un rocher de 1_830_kg, 10_000 fois";
        QTest::newRow("egalites") << "x = 4,48 m et h ≈ −2,6 m, y = h − g" << "x_=_4,48_m et h_≈_−2,6_m, y = h − g";
        QTest::newRow("fin de ligne") << "vaut 9,8\nN/kg" << "vaut 9,8_N/kg";
        QTest::newRow("pas une unite") << "2 secondes, 3 mesures, t = 0 ; 0,1 s" << "2 secondes, 3 mesures, t_=_0_; 0,1_s";
        QTest::newRow("balises") << "<b>portée</b> : <i>9,50</i> m" << "<b>portée</b>_: <i>9,50</i>_m";
        QTest::newRow("style") << "<style>p { a: b; }</style><p>x :</p>" << "<style>p { a: b; }</style><p>x_:</p>";
    }
    void regles()
    {
        QFETCH(QString, avant);
        QFETCH(QString, apres);
        apres.replace('_', QChar(0x00A0));
        QCOMPARE(exercices::typographieHtml(avant), apres);
        QVERIFY(exercices::espacesSecables(exercices::typographie(avant)).isEmpty());
        QVERIFY(!exercices::espacesSecables(avant).isEmpty());
    }

    void donnees_data()
    {
        QTest::addColumn<QString>("fichier");
        const QDir d(BALTOR_SOURCE_DATA);
        for (const QString& dossier : {QStringLiteral("aide"), QStringLiteral("cours"), QStringLiteral("exercices"),
                                       QStringLiteral(".")})
            for (const QString& nom : QDir(d.filePath(dossier))
                                          .entryList({"*.html", "*.rtf", "*.E03", "*.PEM"}, QDir::Files, QDir::Name))
                QTest::newRow(qPrintable(dossier + "/" + nom)) << d.filePath(dossier + "/" + nom);
    }
    void donnees()
    {
        QFETCH(QString, fichier);
        QFile f(fichier);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray octets = f.readAll();
        QString texte;
        QTextDocument doc;
        if (fichier.endsWith(".html")) {
            doc.setHtml(QString::fromUtf8(octets));
            texte = doc.toRawText();
        } else if (fichier.endsWith(".rtf")) {
            QVERIFY(Rtf::lis(octets, &doc));
            texte = doc.toRawText();
        } else {
            const auto d = Exercices::lisDescription(octets);
            texte = d.titre() + "\n" + d.notions();
        }
        QVERIFY(texte.size() > 10);
        const QStringList fautes = exercices::espacesSecables(texte);
        QVERIFY2(fautes.isEmpty(), qPrintable(fautes.join(" | ")));
    }
};

QTEST_MAIN(TstTypographie)
#include "tst_typographie.moc"
