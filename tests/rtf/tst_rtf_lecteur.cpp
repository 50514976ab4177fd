// SPDX-License-Identifier: GPL-3.0-or-later
// The reader on small RTF texts: characters, code pages, destinations, formats, lists,
// tables and pictures.

#include "outils.h"
#include "rtf/images.h"
#include "rtf/rtf.h"

#include <QBuffer>
#include <QImage>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextTable>

using namespace Qt::StringLiterals;

namespace {

QString lu(const QByteArray& rtf)
{
    QTextDocument doc;
    if (!Rtf::lis(rtf, &doc))
        return u"<refusé>"_s;
    return outils::texte(doc);
}

QByteArray hexImage(QSize taille, const char* format = "PNG")
{
    QImage img(taille, QImage::Format_RGB32);
    img.fill(Qt::red);
    QByteArray donnees;
    QBuffer b(&donnees);
    b.open(QIODevice::WriteOnly);
    img.save(&b, format, 100);
    return donnees.toHex();
}

QList<QTextImageFormat> images(const QTextDocument& doc)
{
    QList<QTextImageFormat> r;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat())
                for (int i = 0; i < it.fragment().length(); ++i)
                    r << it.fragment().charFormat().toImageFormat();
    return r;
}

}  // namespace

class TestLecteur : public QObject {
    Q_OBJECT
private slots:
    void texte_data();
    void texte();
    void formats_data();
    void formats();
    void refuseCeQuiNEstPasDuRtf_data();
    void refuseCeQuiNEstPasDuRtf();
    void profondeurBornee();
    void tableauxConstruitsDesRangees();
    void imagesPngEtJpeg_data();
    void imagesPngEtJpeg();
    void metafichierGardePourLEcriture();
    void imagesEnMasseSansExploserLaMemoire();
    void tableauxEnMasseDecoupes();
};

void TestLecteur::texte_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("attendu");

    QTest::newRow("windows-1252") << R"({\rtf1\ansi caf\'e9 \'9c\'80\'92\'85 \'ab\'bb})"_ba << u"café œ€’… «»"_s;
    QTest::newRow("octets indéfinis de 1252") << R"({\rtf1\ansi \'81\'8d\'8f\'90\'9d})"_ba << u"\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD"_s;
    QTest::newRow("ansicpg1251") << R"({\rtf1\ansi\ansicpg1251 \'c0\'e1})"_ba << u"Аб"_s;
    QTest::newRow("ansicpg inconnu") << R"({\rtf1\ansi\ansicpg0 \'e9})"_ba << u"é"_s;
    QTest::newRow("non-caractere") << R"({\rtf1\ansi\ansicpg65001 \'ef\'bf\'be})"_ba << u"\uFFFD"_s;
    QTest::newRow("mac") << R"({\rtf1\mac \'8e})"_ba << u"é"_s;
    QTest::newRow("charset de la police") << R"({\rtf1{\fonttbl{\f0\fcharset0 A;}{\f1\fcharset238 B;}}\f1\'e8\f0\'e8})"_ba
                                          << u"čè"_s;
    QTest::newRow("double octet") << R"({\rtf1{\fonttbl{\f0\fcharset134 SimSun;}}\f0\'d6\'d0\'b9\'fa})"_ba << u"中国"_s;
    QTest::newRow("police Symbol") << R"({\rtf1{\fonttbl{\f0 Arial;}{\f1\fcharset2 Symbol;}}\f1 a D W m\'b7\f0  a})"_ba
                                   << u"α Δ Ω μ• a"_s;
    QTest::newRow("Symbol sans charset") << R"({\rtf1{\fonttbl{\f3 Symbol;}}\f3\'b7})"_ba << u"•"_s;
    QTest::newRow("Symbol en \\u prive") << R"({\rtf1{\fonttbl{\f1\fcharset2 Symbol;}}\f1\u-3913?})"_ba << u"•"_s;
    QTest::newRow("\\u et repli") << R"({\rtf1\uc1\u233?t\'e9})"_ba << u"été"_s;
    QTest::newRow("\\u negatif") << R"({\rtf1\u-3913?})"_ba << u"\uF0B7"_s;
    QTest::newRow("\\uc dans un groupe") << R"({\rtf1{\uc2\u228\'E8a}b\u233?})"_ba << u"äbé"_s;
    QTest::newRow("\\uc0") << R"({\rtf1\uc0\u233\'e9})"_ba << u"éé"_s;
    QTest::newRow("repli arrete par accolade") << R"({\rtf1{\uc5\u233 ab}c})"_ba << u"éc"_s;
    QTest::newRow("\\uc borne") << R"({\rtf1\uc99999999999\u233 abcdefghijk})"_ba << u"éijk"_s;
    QTest::newRow("paire de substitution") << R"({\rtf1\u-10179?\u-9047?})"_ba << u"💩"_s;
    QTest::newRow("haut seul") << R"({\rtf1\u-10179?x})"_ba << u"\uFFFDx"_s;
    QTest::newRow("bas seul") << R"({\rtf1\uc0\u-9216 x})"_ba << u"\uFFFDx"_s;
    QTest::newRow("hors limites") << R"({\rtf1\u99999?\u0?})"_ba << u"\uFFFD\uFFFD"_s;
    QTest::newRow("symboles") << R"({\rtf1 a\~b\-c\_d\\\{\}})"_ba << u"a\u00A0b\u00ADc\u2011d\\{}"_s;
    QTest::newRow("mots speciaux") << R"({\rtf1\emdash\endash\bullet\lquote\rquote\ldblquote\rdblquote\tab x})"_ba
                                   << u"—–•‘’“”\tx"_s;
    QTest::newRow("\\line") << R"({\rtf1 a\line b})"_ba << u"a\u2028b"_s;
    QTest::newRow("paragraphes") << "{\\rtf1 a\\par b\\\nc\\par}"_ba << u"a\nb\nc"_s;
    QTest::newRow("CR LF ignores") << "{\\rtf1 a\r\nb}"_ba << u"ab"_s;
    QTest::newRow("octets de controle") << "{\\rtf1 a\x01\x00 b\tc}"_ba << u"a b\tc"_s;
    QTest::newRow("parametre finit a la lettre") << R"({\rtf1foobar})"_ba << u"foobar"_s;
    QTest::newRow("mot trop long") << "{\\rtf1 \\" + QByteArray(100, 'a') + " x}" << u"x"_s;
    QTest::newRow("destinations sans etoile")
        << R"({\rtf1{\info{\title Secret}}{\stylesheet{\s0 Normal;}}{\header H}{\footnote F}Vu})"_ba << u"Vu"_s;
    QTest::newRow("destination etoilee inconnue") << R"({\rtf1{\*\truc abc}\machin Vu})"_ba << u"Vu"_s;
    QTest::newRow("\\bin dans un groupe saute") << R"({\rtf1{\*\x\bin4 }{\}}A})"_ba << u"A"_s;
    QTest::newRow("\\bin negatif ou nu") << R"({\rtf1{\*\x\bin-5 }A{\*\y\bin}B})"_ba << u"AB"_s;
    QTest::newRow("\\bin trop long") << R"({\rtf1 A{\*\x\bin2147483647 xyz}})"_ba << u"A"_s;
    QTest::newRow("champ") << R"({\rtf1{\field{\*\fldinst HYPERLINK "http://a.fr"}{\fldrslt lien}}})"_ba << u"lien"_s;
    QTest::newRow("objet") << R"({\rtf1{\object\objemb{\*\objclass Equation}{\*\objdata 0102}{\result R}}})"_ba << u"R"_s;
    QTest::newRow("upr") << R"({\rtf1{\upr{A}{\*\ud{B}}}})"_ba << u"B"_s;
    QTest::newRow("texte cache") << R"({\rtf1 a{\v b}c})"_ba << u"ac"_s;
    QTest::newRow("marques de liste regenerees") << R"({\rtf1{\pntext 1.\tab}{\listtext -}x})"_ba << u"x"_s;
    QTest::newRow("apres la fin") << "{\\rtf1 ok\\par}\0\0garbage{\\b}"_ba << u"ok"_s;
    QTest::newRow("accolade en trop") << R"({\rtf1 avant\par}}}apr\'e8s})"_ba << u"avant"_s;
    QTest::newRow("groupes jamais fermes") << R"({\rtf1 {\b gras {\i fin)"_ba << u"gras fin"_s;
    QTest::newRow("hex tronque") << R"({\rtf1 caf\'e9 \'4)"_ba << u"café "_s;
    QTest::newRow("table de polices jamais fermee")
        << R"({\rtf1{\fonttbl{\f0\fnil Verdana;} \pard\f0 texte\par}})"_ba << u"texte"_s;
    QTest::newRow("BOM et blancs") << "\xEF\xBB\xBF\r\n{\\rtf1 x}"_ba << u"x"_s;
}

void TestLecteur::texte()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, attendu);
    QCOMPARE(lu(rtf), attendu);
}

void TestLecteur::formats_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("attendu");

    const QByteArray tables = R"({\fonttbl{\f0 Arial;}{\f1 Courier;}}{\colortbl;\red255\green0\blue0;\red0\green0\blue200;})";
    QTest::newRow("gras italique") << R"({\rtf1 {\b a}{\i b}{\b\i0 c\b0 d}})"_ba
                                   << u"[]«a»{pt=12.0,gras}«b»{pt=12.0,italique}«c»{pt=12.0,gras}«d»{pt=12.0}"_s;
    QTest::newRow("soulignes") << R"({\rtf1\ul a\ulnone b\uld c\ul0 d\uldb e})"_ba
                               << u"[]«a»{pt=12.0,souligne=1}«b»{pt=12.0}«c»{pt=12.0,souligne=3}«d»{pt=12.0}«e»{pt=12.0,souligne=1}"_s;
    QTest::newRow("barre et casse") << R"({\rtf1\strike a\strike0\caps b\caps0\scaps c})"_ba
                                    << u"[]«a»{pt=12.0,barre}«b»{pt=12.0,casse=1}«c»{pt=12.0,casse=3}"_s;
    QTest::newRow("police taille couleur") << "{\\rtf1" + tables + R"(\f1\fs36\cf2 a\plain b})"
                                           << u"[]«a»{police=Courier,pt=18.0,couleur=#0000c8}«b»{police=Arial,pt=12.0}"_s;
    QTest::newRow("surlignage") << "{\\rtf1" + tables + R"(\highlight1 a\cb0 b\chcbpat2 c})"
                                << u"[]«a»{police=Arial,pt=12.0,fond=#ff0000}«b»{police=Arial,pt=12.0}«c»{police=Arial,pt=12.0,fond=#0000c8}"_s;
    QTest::newRow("index hors table") << "{\\rtf1" + tables + R"(\f7\cf99\highlight42 a})"
                                      << u"[]«a»{pt=12.0}"_s;
    QTest::newRow("exposant indice") << R"({\rtf1 v\super 2\nosupersub E\sub c\nosupersub H\dn4 2\up0 O s\up6 -2\up0 })"_ba
                                     << u"[]«v»{pt=12.0}«2»{pt=12.0,exposant}«E»{pt=12.0}«c»{pt=12.0,indice}«H»{pt=12.0}«2»{pt=12.0,indice}«O s»{pt=12.0}«-2»{pt=12.0,exposant}"_s;
    QTest::newRow("taille absurde") << R"({\rtf1\fs999999999999 a\fs-4 b})"_ba << u"[]«a»{pt=1638.0}«b»{pt=12.0}"_s;
    QTest::newRow("centre et retraits") << R"({\rtf1\qc\li300\ri150\fi-150\sb60\sa120 a\par\pard b})"_ba
                                        << u"[align=4,gauche=20.0,alinea=-10.0,droite=10.0,avant=4.0,apres=8.0]«a»{pt=12.0}\n[]«b»{pt=12.0}"_s;
    QTest::newRow("droite justifie") << R"({\rtf1\qr a\par\qj b})"_ba
                                     << u"[align=2]«a»{pt=12.0}\n[align=8]«b»{pt=12.0}"_s;
    QTest::newRow("interlignes") << R"({\rtf1\sl360\slmult1 a\par\sl-300\slmult0 b\par\sl300 c})"_ba
                                 << u"[interligne=1:150.0]«a»{pt=12.0}\n[interligne=2:20.0]«b»{pt=12.0}\n[interligne=3:20.0]«c»{pt=12.0}"_s;
    QTest::newRow("puces WordPad")
        << R"({\rtf1{\fonttbl{\f0 Calibri;}{\f1\fcharset2 Symbol;}}\pard{\pntext\f1\'B7\tab}{\*\pn\pnlvlblt\pnf1\pnindent0{\pntxtb\'B7}}\fi-360\li720 un\par{\pntext\f1\'B7\tab}deux\par\pard fin})"_ba
        << u"[liste=-1/1]«un»{police=Calibri,pt=12.0}\n[liste=-1/1]«deux»{police=Calibri,pt=12.0}\n[]«fin»{police=Calibri,pt=12.0}"_s;
    QTest::newRow("numeros WordPad")
        << R"({\rtf1\pard{\pntext 1.\tab}{\*\pn\pnlvlbody\pnindent0\pnstart1\pnlcltr{\pntxta.}}\li720 a\par b\par})"_ba
        << u"[liste=-5/1]«a»{pt=12.0}\n[liste=-5/1]«b»{pt=12.0}"_s;
    QTest::newRow("listes Word")
        << R"({\rtf1{\*\listtable{\list{\listlevel\levelnfc4}{\listlevel\levelnfc23}\listid7}}{\*\listoverridetable{\listoverride\listid7\ls1}}\ls1\ilvl0 a\par\ilvl1 b\par\ilvl0 c\par\pard d})"_ba
        << u"[liste=-5/1]«a»{pt=12.0}\n[liste=-2/2]«b»{pt=12.0}\n[liste=-5/1]«c»{pt=12.0}\n[]«d»{pt=12.0}"_s;
    QTest::newRow("lien") << R"({\rtf1{\field{\*\fldinst{HYPERLINK "http://a.fr/x"}}{\fldrslt{\ul a}}}b})"_ba
                          << u"[]«a»{pt=12.0,souligne=1,lien=http://a.fr/x}«b»{pt=12.0}"_s;
}

void TestLecteur::formats()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, attendu);
    QTextDocument doc;
    QVERIFY(Rtf::lis(rtf, &doc));
    QCOMPARE(outils::resume(doc), attendu);
}

void TestLecteur::refuseCeQuiNEstPasDuRtf_data()
{
    QTest::addColumn<QByteArray>("contenu");
    QTest::newRow("vide") << QByteArray();
    QTest::newRow("texte") << "Ceci n'est pas du RTF.\r\n"_ba;
    QTest::newRow("accolade seule") << "{rtf1 x}"_ba;
}

void TestLecteur::refuseCeQuiNEstPasDuRtf()
{
    QFETCH(QByteArray, contenu);
    QTextDocument doc;
    doc.setPlainText(u"ancien texte"_s);
    QString erreur;
    QVERIFY(!Rtf::lis(contenu, &doc, &erreur));
    QCOMPARE(erreur, u"Ce fichier n'est pas au format RTF."_s);
    QCOMPARE(doc.toPlainText(), u"ancien texte"_s);
}

void TestLecteur::profondeurBornee()
{
    // Far deeper than the stack allows: the deep part is dropped, the rest stays.
    const QByteArray rtf = "{\\rtf1 a" + QByteArray(50000, '{') + "x" + QByteArray(50000, '}') + "b\\par}";
    QCOMPARE(lu(rtf), u"ab"_s);
}

void TestLecteur::tableauxConstruitsDesRangees()
{
    QTextDocument doc;
    // Two rows of unequal width, a \cell with no \trowd and a \row with no cell.
    QVERIFY(Rtf::lis(R"({\rtf1 avant\par\trowd\cellx1500\cellx3000\intbl A\cell B\cell\row\intbl C\cell\row\row\pard apres\par})"_ba,
                     &doc));
    QTextTable* table = nullptr;
    for (auto it = doc.rootFrame()->begin(); !it.atEnd(); ++it)
        if (auto* t = qobject_cast<QTextTable*>(it.currentFrame()))
            table = t;
    QVERIFY(table);
    QCOMPARE(table->rows(), 2);
    QCOMPARE(table->columns(), 2);
    QCOMPARE(table->cellAt(0, 1).firstCursorPosition().block().text(), u"B"_s);
    QCOMPARE(table->cellAt(1, 0).firstCursorPosition().block().text(), u"C"_s);
    QCOMPARE(doc.lastBlock().text(), u"apres"_s);
}

void TestLecteur::imagesPngEtJpeg_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QSizeF>("taille");

    const QByteArray hex = hexImage({8, 6});
    QTest::newRow("png hex, taille voulue") << "{\\rtf1{\\pict\\pngblip\\picw8\\pich6\\picwgoal1500\\pichgoal750 " + hex + "}}"
                                            << QSizeF(100, 50);
    QTest::newRow("png echelle") << "{\\rtf1{\\pict\\pngblip\\picwgoal1500\\pichgoal750\\picscalex50\\picscaley200 " + hex + "}}"
                                 << QSizeF(50, 100);
    QTest::newRow("png sans taille") << "{\\rtf1{\\pict\\pngblip " + hex + "}}" << QSizeF(8, 6);
    const QByteArray png = QByteArray::fromHex(hex);
    QTest::newRow("png \\bin") << "{\\rtf1{\\pict\\pngblip{\\bin" + QByteArray::number(png.size()) + png + "}}}"
                               << QSizeF(8, 6);
    QTest::newRow("jpeg") << "{\\rtf1{\\pict\\jpegblip\\picw8\\pich6 " + hexImage({8, 6}, "JPEG") + "}}" << QSizeF(8, 6);
    QTest::newRow("shppict prefere") << "{\\rtf1{\\*\\shppict{\\pict\\pngblip " + hex + "}}{\\nonshppict{\\pict\\wmetafile8 0102}}}"
                                     << QSizeF(8, 6);
}

void TestLecteur::imagesPngEtJpeg()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QSizeF, taille);
    QTextDocument doc;
    QVERIFY(Rtf::lis(rtf, &doc));
    const auto imgs = images(doc);
    QCOMPARE(imgs.size(), 1);
    QCOMPARE(QSizeF(imgs[0].width(), imgs[0].height()), taille);
    const QImage img = doc.resource(QTextDocument::ImageResource, QUrl(imgs[0].name())).value<QImage>();
    QCOMPARE(img.size(), QSize(8, 6));
    QVERIFY(qRed(img.pixel(3, 3)) > 240 && qGreen(img.pixel(3, 3)) < 16);
}

void TestLecteur::metafichierGardePourLEcriture()
{
    QTextDocument doc;
    QVERIFY(Rtf::lis(R"({\rtf1 a{\pict\wmetafile8\picw2000\pich1000\picwgoal1500\pichgoal750 010203ff}b})"_ba, &doc));
    const auto imgs = images(doc);
    QCOMPARE(imgs.size(), 1);
    QCOMPARE(imgs[0].property(Rtf::kProprieteImageDonnees).toByteArray(), QByteArray::fromHex("010203ff"));
    QCOMPARE(imgs[0].property(Rtf::kProprieteImageType).toByteArray(), "wmetafile8"_ba);
    // A placeholder shown at the picture's size stands in for what Qt cannot draw.
    QCOMPARE(QSizeF(imgs[0].width(), imgs[0].height()), QSizeF(100, 50));
    QVERIFY(!doc.resource(QTextDocument::ImageResource, QUrl(imgs[0].name())).value<QImage>().isNull());
    const QByteArray ecrit = Rtf::ecris(doc);
    QVERIFY(ecrit.contains("\\wmetafile8"));
    QVERIFY(ecrit.contains("\\picw2000"));
    QVERIFY(ecrit.contains("010203ff"));
}

void TestLecteur::imagesEnMasseSansExploserLaMemoire()
{
    // 2000 pictures Qt cannot draw, each claiming to be 1 m wide: one small placeholder.
    QByteArray rtf = "{\\rtf1 ";
    for (int i = 0; i < 2000; ++i)
        rtf += "{\\pict\\emfblip\\picwgoal60000\\pichgoal60000 0102}";
    rtf += "}";
    QTextDocument doc;
    QVERIFY(Rtf::lis(rtf, &doc));
    const auto imgs = images(doc);
    QCOMPARE(imgs.size(), 2000);
    QCOMPARE(imgs.front().name(), imgs.back().name());
    QCOMPARE(imgs.front().width(), 4000.0);
}

void TestLecteur::tableauxEnMasseDecoupes()
{
    // One row of 64 cells, then 10 000 rows of one cell: cut into tables of bounded size.
    QByteArray rtf = "{\\rtf1\\trowd";
    for (int i = 0; i < 64; ++i)
        rtf += "\\intbl x\\cell";
    rtf += "\\row";
    for (int i = 0; i < 10000; ++i)
        rtf += "\\intbl y\\cell\\row";
    rtf += "}";
    QTextDocument doc;
    QVERIFY(Rtf::lis(rtf, &doc));
    int tables = 0;
    int cellules = 0;
    for (auto it = doc.rootFrame()->begin(); !it.atEnd(); ++it)
        if (auto* t = qobject_cast<QTextTable*>(it.currentFrame())) {
            ++tables;
            cellules += t->rows() * t->columns();
            QVERIFY(t->rows() * t->columns() <= 20000 + 64);
        }
    QVERIFY(tables > 1);
    QCOMPARE(doc.toPlainText().count(u'y'), 10000);
    QVERIFY(cellules < 10000 * 64);
}

QTEST_MAIN(TestLecteur)
#include "tst_rtf_lecteur.moc"
