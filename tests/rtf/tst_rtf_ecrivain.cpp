// SPDX-License-Identifier: GPL-3.0-or-later
// The writer: header and tables, character escapes, and documents that come back
// unchanged through the reader.

#include "outils.h"
#include "rtf/rtf.h"

#include <QBuffer>
#include <QImage>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QTextTable>

using namespace Qt::StringLiterals;

namespace {

QByteArray ecritTexte(const QString& texte)
{
    QTextDocument doc;
    QTextCursor(&doc).insertText(texte);
    return Rtf::ecris(doc);
}

QTextCharFormat format(std::initializer_list<std::function<void(QTextCharFormat&)>> reglages)
{
    QTextCharFormat f;
    for (const auto& r : reglages)
        r(f);
    return f;
}

// The welcome text's kinds of formatting, plus lists, a table, a link and a picture.
void remplis(QTextDocument& doc, const QString& cas)
{
    QTextCursor c(&doc);
    if (cas == "titre") {
        QTextBlockFormat b;
        b.setAlignment(Qt::AlignHCenter);
        c.setBlockFormat(b);
        c.insertText(u"Baltor"_s, format({[](auto& f) { f.setFontFamilies({u"Arial"_s}); },
                                          [](auto& f) { f.setFontPointSize(18); },
                                          [](auto& f) { f.setForeground(QColor(0, 0, 200)); }}));
        QTextBlockFormat retrait;
        retrait.setLeftMargin(20);
        c.insertBlock(retrait);
        c.insertText(u"Cette application permet d'étudier le mouvement "_s,
                     format({[](auto& f) { f.setFontFamilies({u"Arial"_s}); }, [](auto& f) { f.setFontPointSize(10); }}));
        c.insertText(u"déplacer le projectile, "_s, format({[](auto& f) { f.setFontPointSize(10); },
                                                           [](auto& f) { f.setForeground(QColor(0, 0, 200)); }}));
    } else if (cas == "attributs") {
        c.insertText(u"g"_s, format({[](auto& f) { f.setFontWeight(QFont::Bold); }}));
        c.insertText(u"i"_s, format({[](auto& f) { f.setFontItalic(true); }}));
        c.insertText(u"s"_s, format({[](auto& f) { f.setFontUnderline(true); }}));
        c.insertText(u"b"_s, format({[](auto& f) { f.setFontStrikeOut(true); }}));
        c.insertText(u"2"_s, format({[](auto& f) { f.setVerticalAlignment(QTextCharFormat::AlignSuperScript); }}));
        c.insertText(u"c"_s, format({[](auto& f) { f.setVerticalAlignment(QTextCharFormat::AlignSubScript); }}));
        c.insertText(u"f"_s, format({[](auto& f) { f.setBackground(QColor(255, 255, 0)); }}));
        c.insertText(u"K"_s, format({[](auto& f) { f.setFontCapitalization(QFont::SmallCaps); }}));
    } else if (cas == "symbole") {
        c.insertText(u"a = "_s);
        c.insertText(u"a"_s, format({[](auto& f) { f.setFontFamilies({u"symbol"_s}); }}));
        // Escaped bytes are glyphs too in a Symbol font: \\ would come back as a therefore sign.
        c.insertText(u"αΔ\\{}"_s, format({[](auto& f) { f.setFontFamilies({u"Symbol"_s}); }}));
    } else if (cas == "caracteres") {
        c.insertText(u"é œ € « » ’ … α ≈ 😀 \\{} \t\u00A0x\u00ADy\u2011z a\u2028b"_s);
    } else if (cas == "listes") {
        QTextBlockFormat b;
        c.insertText(u"avant"_s);
        c.insertBlock(b);
        c.createList(QTextListFormat::ListDisc);
        c.insertText(u"puce 1"_s);
        c.insertBlock();
        c.insertText(u"puce 2"_s);
        c.insertBlock(b);
        c.insertText(u"entre"_s);
        for (auto style : {QTextListFormat::ListDecimal, QTextListFormat::ListLowerAlpha, QTextListFormat::ListUpperRoman}) {
            c.insertBlock(b);
            c.createList(style);
            c.insertText(u"premier"_s);
            c.insertBlock();
            c.insertText(u"second"_s);
            c.insertBlock(b);
            c.insertText(u"apres"_s);
        }
    } else if (cas == "tableau") {
        c.insertText(u"avant"_s);
        QTextTable* t = c.insertTable(2, 3);
        for (int r = 0; r < 2; ++r)
            for (int k = 0; k < 3; ++k)
                t->cellAt(r, k).firstCursorPosition().insertText(QStringLiteral("c%1%2").arg(r).arg(k));
        t->cellAt(1, 1).lastCursorPosition().insertBlock();
        t->cellAt(1, 1).lastCursorPosition().insertText(u"deuxieme ligne"_s);
    } else if (cas == "lien") {
        QTextCharFormat f;
        f.setAnchor(true);
        f.setAnchorHref(u"https://exemple.fr/a?b=1"_s);
        f.setFontUnderline(true);
        c.insertText(u"voir "_s);
        c.insertText(u"le cours"_s, f);
        c.insertText(u" ici"_s, QTextCharFormat());
    } else if (cas == "image") {
        QImage img(12, 7, QImage::Format_RGB32);
        img.fill(Qt::blue);
        doc.addResource(QTextDocument::ImageResource, QUrl(u"figure"_s), img);
        QTextImageFormat f;
        f.setName(u"figure"_s);
        f.setWidth(24);
        f.setHeight(14);
        c.insertText(u"avant "_s);
        c.insertImage(f);
        c.insertText(u" apres"_s);
    } else if (cas == "paragraphes") {
        QTextBlockFormat b;
        b.setAlignment(Qt::AlignRight);
        b.setTopMargin(4);
        b.setBottomMargin(8);
        b.setRightMargin(10);
        b.setLineHeight(150, QTextBlockFormat::ProportionalHeight);
        c.setBlockFormat(b);
        c.insertText(u"droite"_s);
        QTextBlockFormat j;
        j.setAlignment(Qt::AlignJustify);
        j.setLeftMargin(40);
        j.setTextIndent(-20);
        c.insertBlock(j);
        c.insertText(u"justifie"_s);
        c.insertBlock(QTextBlockFormat());
        c.insertBlock(QTextBlockFormat());
        c.insertText(u"apres deux vides"_s);
    }
}

}  // namespace

class TestEcrivain : public QObject {
    Q_OBJECT
private slots:
    void entete();
    void caracteres_data();
    void caracteres();
    void allerRetour_data();
    void allerRetour();
    void lignesCourtes();
    void listesSousFormeWordPad();
    void chaqueListeRepartDeUn();
    void exposantFermeAvantLeParagraphe();
    void cadreDesTableaux_data();
    void cadreDesTableaux();
};

void TestEcrivain::entete()
{
    QTextDocument doc;
    remplis(doc, u"titre"_s);
    const QByteArray rtf = Rtf::ecris(doc);
    QVERIFY(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1"));
    QVERIFY(rtf.contains("{\\fonttbl{\\f0"));
    QVERIFY(rtf.contains(" Arial;}"));
    // Entry 0 of the colour table is "automatic".
    QVERIFY(rtf.contains("{\\colortbl ;\\red0\\green0\\blue200;}"));
    QVERIFY(rtf.trimmed().endsWith('}'));
}

void TestEcrivain::caracteres_data()
{
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QByteArray>("attendu");
    QTest::newRow("latin-1") << u"é"_s << R"(\'e9)"_ba;
    QTest::newRow("oe") << u"œ"_s << R"(\'9c)"_ba;
    QTest::newRow("euro") << u"€"_s << R"(\'80)"_ba;
    QTest::newRow("guillemets") << u"«x»"_s << R"(\'abx\'bb)"_ba;
    QTest::newRow("alpha") << u"α"_s << R"(\u945?)"_ba;
    QTest::newRow("au-dela de 32767") << u"\uF0B7"_s << R"(\u-3913?)"_ba;
    QTest::newRow("hors plan de base") << u"😀"_s << R"(\u-10179?\u-8704?)"_ba;
    QTest::newRow("accolades") << u"{a}"_s << R"(\{a\})"_ba;
    QTest::newRow("barre oblique") << u"a\\b"_s << R"(a\\b)"_ba;
    QTest::newRow("tabulation") << u"a\tb"_s << R"(a\tab b)"_ba;
    QTest::newRow("espace insecable") << u"a\u00A0b"_s << R"(a\~b)"_ba;
    QTest::newRow("retour a la ligne") << u"a\u2028b"_s << R"(a\line b)"_ba;
}

void TestEcrivain::caracteres()
{
    QFETCH(QString, texte);
    QFETCH(QByteArray, attendu);
    const QByteArray rtf = ecritTexte(texte);
    QVERIFY2(rtf.contains(attendu), rtf.constData());
    // Nothing but 7-bit ASCII: the code page cannot be misread.
    for (char c : rtf)
        QVERIFY(uchar(c) < 0x80);
}

void TestEcrivain::allerRetour_data()
{
    QTest::addColumn<QString>("cas");
    for (const char* c : {"titre", "attributs", "symbole", "caracteres", "listes", "tableau", "lien", "image", "paragraphes"})
        QTest::newRow(c) << QString::fromLatin1(c);
}

void TestEcrivain::allerRetour()
{
    QFETCH(QString, cas);
    QTextDocument doc;
    remplis(doc, cas);
    const QByteArray rtf = Rtf::ecris(doc);
    QTextDocument relu;
    QVERIFY(Rtf::lis(rtf, &relu));
    relu.setDefaultFont(doc.defaultFont());
    QCOMPARE(outils::resume(relu, true), outils::resume(doc, true));
    // Writing what was read gives the same bytes again.
    QCOMPARE(Rtf::ecris(relu), rtf);
}

void TestEcrivain::lignesCourtes()
{
    const QByteArray rtf = ecritTexte(QString(5000, u'é') + QString(5000, u'x'));
    for (const QByteArray& ligne : rtf.split('\n'))
        QVERIFY2(ligne.size() <= 220, ligne.left(60).constData());
    QTextDocument relu;
    QVERIFY(Rtf::lis(rtf, &relu));
    QCOMPARE(relu.toPlainText(), QString(5000, u'é') + QString(5000, u'x'));
}

void TestEcrivain::listesSousFormeWordPad()
{
    QTextDocument doc;
    remplis(doc, u"listes"_s);
    const QByteArray rtf = Rtf::ecris(doc);
    QVERIFY(rtf.contains(R"({\pntext\f1\'b7\tab}{\*\pn\pnlvlblt\pnf1\pnindent0{\pntxtb\'b7}})"));
    QVERIFY(rtf.contains(R"({\pntext\f0 2.\tab}{\*\pn\pnlvlbody\pnf0\pnindent0\pnstart2\pndec{\pntxta.}})"));
    QVERIFY(rtf.contains("\\pnlcltr"));
    QVERIFY(rtf.contains("\\pnucrm"));
    QVERIFY(rtf.contains("{\\f1\\ftech\\fcharset2 Symbol;}"));
}

// Two numbered lists with a paragraph between them: each has its own list definition and
// override, so word processors number the second from 1 too, and so does the reader.
void TestEcrivain::chaqueListeRepartDeUn()
{
    QTextDocument doc;
    QTextCursor c(&doc);
    for (const QString& texte : {u"L'expérience"_s, u"Questions"_s}) {
        c.insertText(texte);
        c.insertBlock(QTextBlockFormat());
        c.createList(QTextListFormat::ListDecimal);
        c.insertText(u"un"_s);
        c.insertBlock();
        c.insertText(u"deux"_s);
        c.insertBlock(QTextBlockFormat());
    }
    const QByteArray rtf = Rtf::ecris(doc);
    QVERIFY(rtf.contains(R"({\list\listtemplateid2\listsimple{\listlevel\levelnfc0)"));
    QVERIFY(rtf.contains(R"({\listoverride\listid2\listoverridecount0\ls2})"));
    QVERIFY(rtf.contains("\\ls1\\ilvl0") && rtf.contains("\\ls2\\ilvl0"));
    QTextDocument relu;
    QVERIFY(Rtf::lis(rtf, &relu));
    QList<int> numeros;
    for (QTextBlock b = relu.begin(); b.isValid(); b = b.next())
        if (b.textList())
            numeros << b.textList()->itemNumber(b);
    QCOMPARE(numeros, QList<int>({0, 1, 0, 1}));
}

void TestEcrivain::exposantFermeAvantLeParagraphe()
{
    // LibreOffice loses a paragraph whose mark is still raised.
    QTextDocument doc;
    QTextCursor c(&doc);
    c.insertText(u"m.s"_s);
    QTextCharFormat f;
    f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    c.insertText(u"-2"_s, f);
    c.insertBlock();
    c.insertText(u"suite"_s, QTextCharFormat());
    const QByteArray rtf = Rtf::ecris(doc);
    QVERIFY2(rtf.contains(R"(\super -2\nosupersub\par)"), rtf.constData());
}

QTEST_MAIN(TestEcrivain)
// A table keeps its borders, padding and widths when read, then written and read again.
void TestEcrivain::cadreDesTableaux_data()
{
    QTest::addColumn<QByteArray>("rangee");
    QTest::addColumn<double>("bordure");
    QTest::addColumn<double>("marge");
    QTest::addColumn<double>("largeur");  // of the first column, pixels
    const QByteArray trait = "\\clbrdrt\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw10\\clbrdrb\\brdrs\\brdrw10"
                             "\\clbrdrr\\brdrs\\brdrw10";
    QTest::newRow("traitement de texte") << "\\trowd\\trgaph108\\trpaddl108\\trpaddr108\\trpaddfl3\\trpaddfr3" + trait
                                                + "\\cellx1500" + trait + "\\cellx3000"
                                         << 10 / 15.0 << 108 / 15.0 << 100.0;
    // LibreOffice pads each cell and leaves its row at 0.
    QTest::newRow("marge des cellules") << "\\trowd\\trpaddl0\\trpaddfl3\\clpadl90\\clpadfl3" + trait + "\\cellx1500"
                                               + "\\clpadl90\\clpadfl3" + trait + "\\cellx3000"
                                        << 10 / 15.0 << 90 / 15.0 << 100.0;
    QTest::newRow("trait sans epaisseur") << QByteArray("\\trowd\\clbrdrt\\brdrs\\cellx1500\\cellx3000") << 1.0
                                          << 2.0 << 100.0;
    QTest::newRow("sans bordure") << QByteArray("\\trowd\\clbrdrt\\brdrnone\\clbrdrl\\brdrnone\\cellx750\\cellx3000")
                                  << 0.0 << 2.0 << 50.0;
    // Older files and WordPad's say nothing of the borders: a thin one, as always.
    QTest::newRow("rien de dit") << QByteArray("\\trowd\\trgaph108\\cellx1500\\cellx3000") << 1.0 << 2.0 << 100.0;
    QTest::newRow("bordure demesuree") << QByteArray("\\trowd\\clbrdrt\\brdrs\\brdrw99999\\trpaddl99999\\cellx1500\\cellx3000")
                                       << 255 / 15.0 << 1440 / 15.0 << 100.0;
    // A paragraph border inside the row is not the cell's.
    QTest::newRow("bordure de paragraphe") << QByteArray("\\trowd\\brdrt\\brdrs\\brdrw60\\cellx1500\\cellx3000")
                                           << 1.0 << 2.0 << 100.0;
}

void TestEcrivain::cadreDesTableaux()
{
    QFETCH(QByteArray, rangee);
    QFETCH(double, bordure);
    QFETCH(double, marge);
    QFETCH(double, largeur);
    const QByteArray rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}" + rangee + "\\pard\\intbl a\\cell b\\cell\\row\\pard fin\\par}";
    QTextDocument lu;
    QVERIFY(Rtf::lis(rtf, &lu));
    QTextDocument relu;
    QVERIFY(Rtf::lis(Rtf::ecris(lu), &relu));
    for (QTextDocument* doc : {&lu, &relu}) {
        QTextTable* table = QTextCursor(doc).currentTable();
        for (QTextCursor c(doc); !table && !c.atEnd(); c.movePosition(QTextCursor::NextBlock))
            table = c.currentTable();
        QVERIFY(table);
        const QTextTableFormat f = table->format();
        QCOMPARE(f.border(), bordure);
        QCOMPARE(f.cellPadding(), marge);
        QCOMPARE(f.columnWidthConstraints().value(0).rawValue(), largeur);
    }
}

#include "tst_rtf_ecrivain.moc"
