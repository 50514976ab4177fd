// SPDX-License-Identifier: GPL-3.0-or-later
// Real RTF files from other programs and limit cases: each one loads, reads as its
// author saw it, and survives a write and a second read.

#include "outils.h"
#include "rtf/rtf.h"

#include <QTest>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace {

// Text that no reader should ever produce: unpaired surrogates, control characters.
QString defautDeTexte(const QString& s)
{
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c.isHighSurrogate()) {
            if (i + 1 >= s.size() || !s[i + 1].isLowSurrogate())
                return QStringLiteral("demi-paire haute en %1").arg(i);
            ++i;
        } else if (c.isLowSurrogate()) {
            return QStringLiteral("demi-paire basse en %1").arg(i);
        } else if (c.unicode() < 0x20 && c != u'\t' && c != u'\n') {
            return QStringLiteral("caractère de contrôle %1 en %2").arg(c.unicode()).arg(i);
        }
    }
    return {};
}

}  // namespace

class TestCorpus : public QObject {
    Q_OBJECT
private slots:
    void chaqueFichier_data();
    void chaqueFichier();
    void contenu_data();
    void contenu();
};

void TestCorpus::chaqueFichier_data()
{
    QTest::addColumn<QString>("chemin");
    const QString dossier = outils::dossierDonnees();
    const QStringList fichiers = outils::fichiersRtf(dossier + "/third_party") + outils::fichiersRtf(dossier + "/synthetic");
    QVERIFY(fichiers.size() >= 43);
    for (const QString& f : outils::fichiersRtf(dossier))
        if (!f.startsWith(u"fuzz/"))
            QTest::newRow(qPrintable(f)) << dossier + "/" + f;
}

void TestCorpus::chaqueFichier()
{
    QFETCH(QString, chemin);
    const QByteArray rtf = outils::lisFichier(chemin);
    QVERIFY(!rtf.isEmpty());
    QTextDocument doc;
    QString erreur;
    const bool lu = Rtf::lis(rtf, &doc, &erreur);
    QCOMPARE(lu, !chemin.endsWith(u"not-rtf.rtf"_s));
    if (!lu)
        return;
    QVERIFY2(defautDeTexte(doc.toPlainText()).isEmpty(), qPrintable(defautDeTexte(doc.toPlainText())));

    // Read, write, read: same text and formats.
    const QByteArray ecrit = Rtf::ecris(doc);
    QTextDocument relu;
    QVERIFY(Rtf::lis(ecrit, &relu));
    relu.setDefaultFont(doc.defaultFont());
    QCOMPARE(outils::resume(relu, true), outils::resume(doc, true));
    // And writing again changes nothing.
    QCOMPARE(Rtf::ecris(relu), ecrit);
}

void TestCorpus::contenu_data()
{
    QTest::addColumn<QString>("fichier");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QStringList>("absent");

    QTest::newRow("accents") << u"third_party/pandoc/accent.rtf"_s << QStringList{u"le café où on ne fume pas"_s}
                             << QStringList{};
    QTest::newRow("\\bin dans une destination sautee") << u"third_party/libreoffice/bin-skipping.rtf"_s
                                                       << QStringList{u"text"_s} << QStringList{u"MUST NOT IMPORT"_s};
    QTest::newRow("repli apres \\u") << u"third_party/striprtf/french.rtf"_s
                                     << QStringList{u"10‘000"_s, u"10´000"_s} << QStringList{u"‘‘"_s, u"‘?"_s};
    QTest::newRow("symboles") << u"third_party/striprtf/specialchars.rtf"_s
                              << QStringList{u"non\u00A0breaking"_s, u"hyphen\u00ADfoo"_s, u"hyphen\u2011foo"_s}
                              << QStringList{};
    QTest::newRow("surrogates") << u"third_party/pandoc/unicode_surrogates.rtf"_s
                                << QStringList{u"αä"_s, u"\U0001D43B"_s, u"\uFFFDunpaired"_s} << QStringList{u"?"_s};
    QTest::newRow("emoji") << u"third_party/rtf.js/pile-of-poo.rtf"_s << QStringList{u"Iñtërnâtiônàlizætiøn☃💩"_s}
                           << QStringList{u"?"_s};
    QTest::newRow("unicode invalide") << u"third_party/tika/testRTFInvalidUnicode.rtf"_s
                                      << QStringList{u"Unpaired hi \uFFFD here"_s, u"pair \uFFFD\uFFFD here"_s}
                                      << QStringList{};
    QTest::newRow("charset par police") << u"third_party/rtfparserkit/testUnicode.rtf"_s
                                        << QStringList{u"Strauß"_s, u"België\tRené"_s, u"中国"_s, u"Česká"_s}
                                        << QStringList{};
    QTest::newRow("mots speciaux") << u"third_party/rtfparserkit/testSpecialChars.rtf"_s
                                   << QStringList{u"Emdash: —"_s, u"CR A\nB"_s, u"LF A\nB"_s, u"break.\u2028Here"_s}
                                   << QStringList{};
    QTest::newRow("champ") << u"third_party/rtfparserkit/testNegativeUnicode.rtf"_s
                           << QStringList{u"From: http://unicode-table.com/en/#private-use-area"_s, u"F700\uF700"_s}
                           << QStringList{u"HYPERLINK"_s};
    QTest::newRow("table des polices non fermee") << u"third_party/RtfPipe/Issue49.rtf"_s
                                                  << QStringList{u"5% Auf Patronen"_s} << QStringList{};
    QTest::newRow("WordPad francais") << u"synthetic/wordpad-style-fr.rtf"_s
                                      << QStringList{u"L'énergie cinétique"_s, u"g ≈ 9,81 m·s-2"_s, u"\u03B1 = α"_s,
                                                     u"€ € œŒ « guillemets »"_s, u"masse ≠ poids"_s}
                                      << QStringList{u"·\t"_s, u"?"_s};
    QTest::newRow("apres la fin") << u"synthetic/trailing-garbage.rtf"_s << QStringList{u"ok"_s}
                                  << QStringList{u"garbage"_s};
    QTest::newRow("accolades en trop") << u"synthetic/extra-close.rtf"_s << QStringList{u"avant"_s}
                                       << QStringList{u"après"_s};
    QTest::newRow("index hors table") << u"synthetic/index-out-of-range.rtf"_s << QStringList{u"été"_s}
                                      << QStringList{};
    QTest::newRow("groupes ouverts") << u"synthetic/unclosed-groups.rtf"_s << QStringList{u"gras gras-italique été"_s}
                                     << QStringList{};
    QTest::newRow("hors limites \\u") << u"synthetic/u-range.rtf"_s << QStringList{u"💩\uFFFDx"_s}
                                      << QStringList{u"?"_s};
}

void TestCorpus::contenu()
{
    QFETCH(QString, fichier);
    QFETCH(QStringList, present);
    QFETCH(QStringList, absent);
    QTextDocument doc;
    QVERIFY(Rtf::lis(outils::lisFichier(outils::dossierDonnees() + "/" + fichier), &doc));
    const QString texte = outils::texte(doc);
    for (const QString& p : present)
        QVERIFY2(texte.contains(p), qPrintable(p + u" manque dans: "_s + texte.left(300)));
    for (const QString& a : absent)
        QVERIFY2(!texte.contains(a), qPrintable(a + u" présent dans: "_s + texte.left(300)));
}

QTEST_MAIN(TestCorpus)
#include "tst_rtf_corpus.moc"
