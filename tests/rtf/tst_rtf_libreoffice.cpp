// SPDX-License-Identifier: GPL-3.0-or-later
// What the writer produces opens in LibreOffice with the same text: every corpus file
// is read, written, converted to plain text by soffice and compared with our text. A
// statement written by LibreOffice and rewritten by us prints from LibreOffice with its
// table's borders and each list numbered from 1, and so do the delivered worksheets.

#include "outils.h"
#include "rtf/rtf.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

// LibreOffice writes a line separator as a new line and drops the marks of lists and
// pictures; what remains must be our text.
QString normalise(QString s)
{
    s.replace(u"\r\n"_s, u"\n"_s);
    s.replace(QChar(0x2028), u'\n');
    s.replace(QChar(0xFEFF), QString());
    s.remove(QChar(0xFFFC));
    QStringList lignes = s.split(u'\n');
    for (QString& l : lignes)
        l = l.trimmed();
    lignes.removeAll(QString());
    return lignes.join(u'\n');
}

}  // namespace

class TestLibreOffice : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void memeTexte_data();
    void memeTexte();
    void allerRetour();
    void fichesImprimees();

private:
    // Converts files with soffice into `format` in the folder `sortie`.
    void convertit(const QStringList& fichiers, const QString& format, const QString& sortie);
    // The PDF's lines and words with their places (pdftotext -bbox-layout); empty without pdftotext.
    QString textePdf(const QString& pdf);

    QTemporaryDir dossier_;
    QString soffice_;
    QStringList noms_;
};

void TestLibreOffice::initTestCase()
{
    soffice_ = QStandardPaths::findExecutable(u"soffice"_s);
    if (soffice_.isEmpty())
        QSKIP("soffice is not installed (Debian package libreoffice-writer-nogui)");
    QVERIFY(dossier_.isValid());
    // Every file written by us goes through one soffice run.
    const QString base = outils::dossierDonnees();
    QStringList chemins;
    for (const QString& f : outils::fichiersRtf(base)) {
        QTextDocument doc;
        if (f.startsWith(u"fuzz/"_s) || !Rtf::lis(outils::lisFichier(base + "/" + f), &doc))
            continue;
        const QString nom = QString(f).replace(u'/', u'_');
        QFile sortie(dossier_.filePath(nom));
        QVERIFY(sortie.open(QIODevice::WriteOnly));
        sortie.write(Rtf::ecris(doc));
        noms_ << nom;
        chemins << sortie.fileName();
    }
    QProcess p;
    const QString profil = QUrl::fromLocalFile(dossier_.filePath(u"profil"_s)).toString();
    p.start(soffice_, QStringList{u"-env:UserInstallation="_s + profil, u"--headless"_s, u"--convert-to"_s,
                                  u"txt:Text (encoded):UTF8"_s, u"--outdir"_s, dossier_.filePath(u"txt"_s)}
                          + chemins);
    QVERIFY(p.waitForFinished(240000));
    QCOMPARE(p.exitCode(), 0);
}

void TestLibreOffice::memeTexte_data()
{
    QTest::addColumn<QString>("nom");
    for (const QString& n : noms_)
        QTest::newRow(qPrintable(n)) << n;
}

void TestLibreOffice::memeTexte()
{
    QFETCH(QString, nom);
    QTextDocument doc;
    QVERIFY(Rtf::lis(outils::lisFichier(dossier_.filePath(nom)), &doc));
    QFile txt(dossier_.filePath(u"txt/"_s + QFileInfo(nom).completeBaseName() + u".txt"_s));
    QVERIFY2(txt.open(QIODevice::ReadOnly), qPrintable(txt.fileName()));
    const QString libre = normalise(QString::fromUtf8(txt.readAll()));
    // LibreOffice writes the list marks into the text.
    QStringList lignes;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        QString ligne = b.text();
        if (QTextList* l = b.textList()) {
            // Bullets keep their shape in LibreOffice's text: disc, circle, square.
            const auto style = l->format().style();
            const QString puce = style == QTextListFormat::ListCircle   ? u"\u25E6 "_s
                                 : style == QTextListFormat::ListSquare ? u"\u25AA "_s
                                                                        : u"\u2022 "_s;
            ligne.prepend(style > QTextListFormat::ListDecimal ? puce : l->itemText(b) + u' ');
        }
        lignes << ligne;
    }
    QString notre = lignes.join(u'\n');
    notre.replace(u'\t', u' ');
    QString leur = libre;
    leur.replace(u'\t', u' ');
    QCOMPARE(leur, normalise(notre));
}

void TestLibreOffice::convertit(const QStringList& fichiers, const QString& format, const QString& sortie)
{
    QProcess p;
    const QString profil = QUrl::fromLocalFile(dossier_.filePath(u"profil"_s)).toString();
    p.start(soffice_, QStringList{u"-env:UserInstallation="_s + profil, u"--headless"_s, u"--convert-to"_s, format,
                                  u"--outdir"_s, sortie}
                          + fichiers);
    QVERIFY(p.waitForFinished(240000));
    QCOMPARE(p.exitCode(), 0);
}

QString TestLibreOffice::textePdf(const QString& pdf)
{
    const QString pdftotext = QStandardPaths::findExecutable(u"pdftotext"_s);
    if (pdftotext.isEmpty())
        return {};
    QProcess p;
    p.start(pdftotext, {u"-bbox-layout"_s, pdf, u"-"_s});
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

namespace {

struct Numero {
    double x;  // points from the page's left edge
    int n;
    double ecart;  // height of the number's box minus that of the word after it, points
};

// Each line of the page as pdftotext -bbox-layout gives it: its left edge and, when it starts
// with "2.", that number (0 otherwise).
QList<Numero> lignes(const QString& bbox)
{
    static const QRegularExpression ligne(
        u"<line xMin=\"([0-9.]+)\"[^>]*>\\s*<word [^>]*yMin=\"([0-9.]+)\" [^>]*yMax=\"([0-9.]+)\">([^<]*)</word>"
        "(?:\\s*<word [^>]*yMin=\"([0-9.]+)\" [^>]*yMax=\"([0-9.]+)\">)?"_s);
    static const QRegularExpression numero(u"^(\\d+)\\.$"_s);
    QList<Numero> l;
    for (auto it = ligne.globalMatch(bbox); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QRegularExpressionMatch n = numero.match(m.captured(4));
        const double ecart = m.capturedLength(5) == 0 ? 0.0
                                                      : (m.captured(3).toDouble() - m.captured(2).toDouble())
                                                            - (m.captured(6).toDouble() - m.captured(5).toDouble());
        l.append({m.captured(1).toDouble(), n.hasMatch() ? n.captured(1).toInt() : 0, ecart});
    }
    return l;
}

QList<int> numeros(const QList<Numero>& l)
{
    QList<int> n;
    for (const Numero& x : l)
        if (x.n > 0)
            n << x.n;
    return n;
}

// A list starts at 1 after any line left of its numbers (a heading, a paragraph), and counts
// on by one while only its own items, their text and the answer lines come between; its
// numbers are as tall as their text.
QString numerotation(const QList<Numero>& l)
{
    QMap<int, int> dernier;  // number column -> last number there, 0 once a line stood left of it
    for (const Numero& x : l) {
        const int colonne = qRound(x.x / 4.0);
        for (auto it = dernier.begin(); it != dernier.end(); ++it)
            if (it.key() > colonne + 1)
                it.value() = 0;
        if (x.n == 0)
            continue;
        const int attendu = dernier.value(colonne) + 1;
        if (x.n != attendu)
            return u"%1. au lieu de %2."_s.arg(x.n).arg(attendu);
        // The number in the size of its item's text.
        if (std::abs(x.ecart) > 1.0)
            return u"%1. plus haut que son texte de %2 pt"_s.arg(x.n).arg(x.ecart);
        dernier[colonne] = x.n;
    }
    return {};
}

}  // namespace

void TestLibreOffice::allerRetour()
{
    QTextDocument doc;
    QVERIFY(Rtf::lis(outils::lisFichier(outils::dossierDonnees() + u"/synthetic/libreoffice-tableau-listes.rtf"_s), &doc));
    const QString chemin = dossier_.filePath(u"retour/enonce.rtf"_s);
    QVERIFY(QDir().mkpath(dossier_.filePath(u"retour"_s)));
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(Rtf::ecris(doc));
    f.close();
    // The table's borders as LibreOffice reads them: every cell framed on its four sides.
    convertit({chemin}, u"fodt"_s, dossier_.filePath(u"retour"_s));
    QFile fodt(dossier_.filePath(u"retour/enonce.fodt"_s));
    QVERIFY(fodt.open(QIODevice::ReadOnly));
    const QString xml = QString::fromUtf8(fodt.readAll());
    static const QRegularExpression styleCellule(u"<style:style style:name=\"([^\"]+)\" style:family=\"table-cell\">(.*?)</style:style>"_s,
                                                 QRegularExpression::DotMatchesEverythingOption);
    int cellules = 0;
    for (auto it = styleCellule.globalMatch(xml); it.hasNext();) {
        const QString proprietes = it.next().captured(2);
        const bool cadre = proprietes.contains(u"fo:border=\"0"_s)
                           || (proprietes.contains(u"fo:border-left=\"0"_s) && proprietes.contains(u"fo:border-right=\"0"_s)
                               && proprietes.contains(u"fo:border-top=\"0"_s) && proprietes.contains(u"fo:border-bottom=\"0"_s));
        QVERIFY2(cadre && !proprietes.contains(u"fo:border=\"none\""_s), qPrintable(proprietes));
        // LibreOffice's own padding (90 twips a cell), not squeezed to nothing.
        static const QRegularExpression marge(u"fo:padding=\"0\\.0[5-9]"_s);
        QVERIFY2(marge.match(proprietes).hasMatch(), qPrintable(proprietes));
        ++cellules;
    }
    QVERIFY(cellules > 0);
    // The printed page numbers the two lists 1, 2 and 1, 2, 3.
    convertit({chemin}, u"pdf"_s, dossier_.filePath(u"retour"_s));
    const QString texte = textePdf(dossier_.filePath(u"retour/enonce.pdf"_s));
    if (texte.isEmpty())
        QSKIP("pdftotext is not installed (Debian package poppler-utils)");
    QCOMPARE(numeros(lignes(texte)), (QList<int>{1, 2, 1, 2, 3}));
    QCOMPARE(numerotation(lignes(texte)), QString());
    QVERIFY(texte.contains(u">0,100<"_s) && texte.contains(u">Comparer<"_s));
}

void TestLibreOffice::fichesImprimees()
{
    // The delivered worksheets, printed from LibreOffice: each list numbered from 1, a name
    // line on every statement.
    // The committed files: a build folder may still hold those of renamed exercises.
    const QDir exercices(QStringLiteral(BALTOR_SOURCE_TESTS "/../data/exercices"));
    QStringList fichiers;
    for (const QString& n : exercices.entryList({u"*.rtf"_s}, QDir::Files, QDir::Name))
        fichiers << exercices.filePath(n);
    QVERIFY(fichiers.size() > 20);
    QVERIFY(QDir().mkpath(dossier_.filePath(u"fiches"_s)));
    convertit(fichiers, u"pdf"_s, dossier_.filePath(u"fiches"_s));
    for (const QString& f : fichiers) {
        const QString nom = QFileInfo(f).completeBaseName();
        const QString texte = textePdf(dossier_.filePath(u"fiches/"_s + nom + u".pdf"_s));
        if (texte.isEmpty())
            QSKIP("pdftotext is not installed (Debian package poppler-utils)");
        const QString erreur = numerotation(lignes(texte));
        QVERIFY2(erreur.isEmpty(), qPrintable(nom + u": "_s + erreur));
        if (!nom.endsWith(u"_corrige"_s) && nom != u"prise_en_main"_s)
            QVERIFY2(texte.contains(u">Nom<"_s) && texte.contains(u">Classe<"_s), qPrintable(nom));
    }
}

QTEST_MAIN(TestLibreOffice)
#include "tst_rtf_libreoffice.moc"
