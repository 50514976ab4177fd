// SPDX-License-Identifier: GPL-3.0-or-later
// What the writer produces opens in LibreOffice with the same text: every corpus file
// is read, written, converted to plain text by soffice and compared with our text.

#include "outils.h"
#include "rtf/rtf.h"

#include <QDir>
#include <QFile>
#include <QProcess>
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

private:
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

QTEST_MAIN(TestLibreOffice)
#include "tst_rtf_libreoffice.moc"
