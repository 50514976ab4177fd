// SPDX-License-Identifier: GPL-3.0-or-later
// The RTF writer, document structure: header, frames, tables, paragraphs, lists, pictures.

#include "rtf/ecrivain.h"

#include "rtf/codage.h"
#include "rtf/images.h"

#include <QBuffer>
#include <QImage>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>
#include <QUrl>

#include <cmath>

namespace Rtf {

namespace {

int twips(double px) { return int(std::lround(px * kTwipsParPixel)); }

bool estPuce(QTextListFormat::Style s)
{
    return s == QTextListFormat::ListDisc || s == QTextListFormat::ListCircle || s == QTextListFormat::ListSquare
        || s == QTextListFormat::ListStyleUndefined;
}

}  // namespace

QByteArray Ecrivain::ecris()
{
    const QFont defaut = doc_.defaultFont();
    polices_.append(nomDePolice(defaut.families().value(0, defaut.family())));
    if (polices_.front().isEmpty())
        polices_.front() = QStringLiteral("Arial");
    if (defaut.pointSizeF() > 0)
        tailleDefaut_ = std::max(1, int(std::lround(defaut.pointSizeF() * 2)));
    etat_.police = 0;
    // First pass: every font and colour, so that the tables come before the body.
    for (QTextBlock b = doc_.begin(); b.isValid(); b = b.next()) {
        if (b.length() <= 1)
            formatDe(b.charFormat());
        for (auto it = b.begin(); !it.atEnd(); ++it)
            formatDe(it.fragment().charFormat());
        if (b.textList() && estPuce(b.textList()->format().style()))
            police(QStringLiteral("Symbol"));
        if (b.textList())
            numeroListe(b.textList());
    }
    cadre(doc_.rootFrame());
    QByteArray rtf = entete();
    rtf += sortie_;
    rtf += "}\r\n";
    return rtf;
}

void Ecrivain::nomPolice(QByteArray& a, const QString& nom) const
{
    for (char32_t c : nom.toUcs4()) {
        if (c < 0x80)
            a += char(c);
        else if (const uchar o = vers1252(c))
            a += "\\'" + QByteArray::number(o, 16).rightJustified(2, '0');
        else
            a += '?';
    }
}

QByteArray Ecrivain::entete() const
{
    QByteArray a = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\\deflang1036{\\fonttbl";
    for (qsizetype i = 0; i < polices_.size(); ++i) {
        const bool sym = polices_[i].compare(u"Symbol", Qt::CaseInsensitive) == 0;
        a += "{\\f" + QByteArray::number(i) + (sym ? "\\ftech\\fcharset2 " : "\\fnil\\fcharset0 ");
        nomPolice(a, polices_[i]);
        a += ";}";
    }
    a += "}\r\n{\\colortbl ;";
    for (QRgb c : couleurs_)
        a += "\\red" + QByteArray::number(qRed(c)) + "\\green" + QByteArray::number(qGreen(c)) + "\\blue"
            + QByteArray::number(qBlue(c)) + ";";
    a += "}\r\n";
    a += tableListes();
    a += "{\\*\\generator Baltor;}\\viewkind4\r\n";
    return a;
}

int Ecrivain::numeroListe(const QTextList* l)
{
    qsizetype i = listes_.indexOf(l);
    if (i < 0) {
        listes_.append(l);
        i = listes_.size() - 1;
    }
    return int(i) + 1;
}

namespace {

// One level of Word's list definition: number style, text, indent, and the numbers' size in
// half-points (0: unsaid), which LibreOffice otherwise takes from the end of each item.
QByteArray niveauListe(const QTextListFormat& f, int k, int symbole, int taille)
{
    const QByteArray retrait = "\\fi-360\\li" + QByteArray::number(720 * (k + 1))
                               + (taille > 0 ? "\\fs" + QByteArray::number(taille) : QByteArray());
    if (estPuce(f.style()))
        return "{\\listlevel\\levelnfc23\\leveljc0\\levelfollow0\\levelstartat1{\\leveltext\\'01\\'b7;}"
               "{\\levelnumbers;}\\f"
               + QByteArray::number(std::max(0, symbole)) + retrait + "}";
    int nfc = 0;
    switch (f.style()) {
    case QTextListFormat::ListUpperRoman: nfc = 1; break;
    case QTextListFormat::ListLowerRoman: nfc = 2; break;
    case QTextListFormat::ListUpperAlpha: nfc = 3; break;
    case QTextListFormat::ListLowerAlpha: nfc = 4; break;
    default: break;
    }
    // The level text: its length, the place of this level's number, then the suffix.
    QByteArray suffixe;
    for (QChar c : f.numberSuffix().isEmpty() ? QStringLiteral(".") : f.numberSuffix())
        if (const uchar o = c.unicode() < 0x80 ? uchar(c.unicode()) : vers1252(c.unicode()))
            suffixe += "\\'" + QByteArray::number(o, 16).rightJustified(2, '0');
    const QByteArray longueur = QByteArray::number(1 + suffixe.size() / 4, 16).rightJustified(2, '0');
    return "{\\listlevel\\levelnfc" + QByteArray::number(nfc) + "\\leveljc0\\levelfollow0\\levelstartat1{\\leveltext\\'"
           + longueur + "\\'0" + QByteArray::number(k) + suffixe + ";}{\\levelnumbers\\'01;}" + retrait + "}";
}

}  // namespace

// Word's list table: one list per QTextList, each with its own override, so that every list
// of the document numbers from 1 in the word processors that read it (LibreOffice carries
// the numbering of \pn paragraphs on from one list to the next). A nested list is the deeper
// level of its own definition: levels 0 to indent − 1, its items at the last one.
QByteArray Ecrivain::tableListes() const
{
    if (listes_.isEmpty())
        return {};
    const int symbole = int(polices_.indexOf(QStringLiteral("Symbol")));
    QByteArray listes = "{\\*\\listtable";
    QByteArray surcharges = "{\\*\\listoverridetable";
    for (qsizetype i = 0; i < listes_.size(); ++i) {
        const QByteArray n = QByteArray::number(i + 1);
        const QTextListFormat f = listes_[i]->format();
        const int niveaux = std::clamp(f.indent(), 1, 9);
        // The numbers in the size of the first item's text.
        const QTextBlock premier = listes_[i]->item(0);
        const double points = premier.isValid() && premier.begin() != premier.end()
                                  ? premier.begin().fragment().charFormat().font().pointSizeF()
                                  : doc_.defaultFont().pointSizeF();
        const int taille = points > 0 ? std::clamp(int(std::lround(points * 2)), 2, 3276) : 0;
        listes += "{\\list\\listtemplateid" + n + (niveaux == 1 ? "\\listsimple" : "");
        for (int k = 0; k < niveaux; ++k)
            listes += niveauListe(f, k, symbole, taille);
        listes += "\\listid" + n + "}";
        surcharges += "{\\listoverride\\listid" + n + "\\listoverridecount0\\ls" + n + "}";
    }
    return listes + "}\r\n" + surcharges + "}\r\n";
}

void Ecrivain::cadre(QTextFrame* f)
{
    for (auto it = f->begin(); !it.atEnd(); ++it) {
        if (QTextFrame* enfant = it.currentFrame()) {
            if (auto* t = qobject_cast<QTextTable*>(enfant)) {
                tableau(t);
            } else {
                bool premier = true;
                aPlat(enfant, false, premier);
                motCle("par");
            }
        } else {
            bloc(it.currentBlock(), false);
            motCle("par");
            atome("\r\n");
            colonne_ = 0;
        }
    }
}

// Frames within frames have no RTF form: their paragraphs are written one after another.
void Ecrivain::aPlat(QTextFrame* f, bool dansTableau, bool& premier)
{
    for (QTextBlock b = doc_.findBlock(f->firstPosition()); b.isValid() && b.position() <= f->lastPosition();
         b = b.next()) {
        if (!premier)
            motCle("par");
        bloc(b, dansTableau);
        premier = false;
    }
}

void Ecrivain::tableau(QTextTable* t)
{
    const int colonnes = t->columns();
    const QTextTableFormat format = t->format();
    const QList<QTextLength> largeurs = format.columnWidthConstraints();
    const int marge = std::clamp(twips(format.cellPadding()), 0, 1440);
    // Word processors draw no border that a cell does not declare: each cell says its own,
    // or says it has none.
    const bool bordure = format.border() > 0 && format.borderStyle() != QTextFrameFormat::BorderStyle_None;
    const int epaisseur = std::clamp(twips(format.border()), 1, 255);
    for (int r = 0; r < t->rows(); ++r) {
        motCle("trowd");
        motCle("trgaph", marge);
        for (const char* cote : {"trpaddl", "trpaddr", "trpaddt", "trpaddb"})
            motCle(cote, marge);
        for (const char* cote : {"trpaddfl", "trpaddfr", "trpaddft", "trpaddfb"})
            motCle(cote, 3);  // the paddings are in twips
        int x = 0;
        for (int c = 0; c < colonnes; ++c) {
            for (const char* cote : {"clbrdrt", "clbrdrl", "clbrdrb", "clbrdrr"}) {
                motCle(cote);
                motCle(bordure ? "brdrs" : "brdrnone");
                if (bordure)
                    motCle("brdrw", epaisseur);
            }
            const bool largeurDonnee = largeurs.size() == colonnes;
            const QTextLength::Type type = largeurDonnee ? largeurs[c].type() : QTextLength::VariableLength;
            x += type == QTextLength::FixedLength        ? std::max(1, twips(largeurs[c].rawValue()))
                 : type == QTextLength::PercentageLength ? std::max(1, int(std::lround(9638 * largeurs[c].rawValue() / 100)))
                                                         : 9638 / colonnes;
            motCle("cellx", x);
        }
        for (int c = 0; c < colonnes; ++c) {
            const QTextTableCell cellule = t->cellAt(r, c);
            if (cellule.row() == r && cellule.column() == c) {
                bool premier = true;
                for (auto it = cellule.begin(); !it.atEnd(); ++it) {
                    if (QTextFrame* enfant = it.currentFrame()) {
                        aPlat(enfant, true, premier);
                    } else {
                        if (!premier)
                            motCle("par");
                        bloc(it.currentBlock(), true);
                        premier = false;
                    }
                }
            } else {
                // The covered part of a merged cell.
                motCle("pard");
                motCle("intbl");
            }
            motCle("cell");
        }
        motCle("row");
        atome("\r\n");
        colonne_ = 0;
    }
    motCle("pard");
}

void Ecrivain::bloc(const QTextBlock& b, bool dansTableau)
{
    const QTextBlockFormat f = b.blockFormat();
    motCle("pard");
    if (dansTableau)
        motCle("intbl");
    const Qt::Alignment a = f.alignment() & Qt::AlignHorizontal_Mask;
    if (a & Qt::AlignHCenter)
        motCle("qc");
    else if (a & Qt::AlignRight)
        motCle("qr");
    else if (a & Qt::AlignJustify)
        motCle("qj");
    if (QTextList* l = b.textList()) {
        liste(b, l);
    } else {
        if (twips(f.leftMargin()) != 0)
            motCle("li", twips(f.leftMargin()));
        if (twips(f.textIndent()) != 0)
            motCle("fi", twips(f.textIndent()));
    }
    if (twips(f.rightMargin()) != 0)
        motCle("ri", twips(f.rightMargin()));
    if (twips(f.topMargin()) != 0)
        motCle("sb", twips(f.topMargin()));
    if (twips(f.bottomMargin()) != 0)
        motCle("sa", twips(f.bottomMargin()));
    switch (f.lineHeightType()) {
    case QTextBlockFormat::ProportionalHeight:
        motCle("sl", int(std::lround(f.lineHeight() * 240 / 100)));
        motCle("slmult", 1);
        break;
    case QTextBlockFormat::FixedHeight:
        motCle("sl", -twips(f.lineHeight()));
        motCle("slmult", 0);
        break;
    case QTextBlockFormat::MinimumHeight:
        motCle("sl", twips(f.lineHeight()));
        motCle("slmult", 0);
        break;
    default: break;
    }
    for (const QTextOption::Tab& t : f.tabPositions())
        motCle("tx", twips(t.position));
    if (b.length() <= 1)
        diff(formatDe(b.charFormat()));
    for (auto it = b.begin(); !it.atEnd(); ++it)
        fragment(it.fragment());
    // Word processors draw a list item's number in the format of its paragraph mark: the
    // mark takes the item's first characters' format, not that of the answer lines after them.
    if (b.textList() && b.begin() != b.end())
        diff(formatDe(b.begin().fragment().charFormat()));
    // LibreOffice drops a whole paragraph whose mark is still raised or lowered.
    if (etat_.vertical != Vertical::Normal) {
        motCle("nosupersub");
        etat_.vertical = Vertical::Normal;
    }
}

void Ecrivain::liste(const QTextBlock& b, QTextList* l)
{
    const QTextListFormat lf = l->format();
    const int indent = std::max(1, lf.indent());
    if (estPuce(lf.style())) {
        const int s = police(QStringLiteral("Symbol"));
        atome("{");
        motCle("pntext");
        motCle("f", s);
        atome("\\'b7");
        motCle("tab");
        atome("}{\\*");
        motCle("pn");
        motCle("pnlvlblt");
        motCle("pnf", s);
        motCle("pnindent", 0);
        atome("{");
        motCle("pntxtb");
        atome("\\'b7}}");
    } else {
        const char* genre = "pndec";
        switch (lf.style()) {
        case QTextListFormat::ListLowerAlpha: genre = "pnlcltr"; break;
        case QTextListFormat::ListUpperAlpha: genre = "pnucltr"; break;
        case QTextListFormat::ListLowerRoman: genre = "pnlcrm"; break;
        case QTextListFormat::ListUpperRoman: genre = "pnucrm"; break;
        default: break;
        }
        atome("{");
        motCle("pntext");
        motCle("f", 0);
        texte(l->itemText(b), false);
        motCle("tab");
        atome("}{\\*");
        motCle("pn");
        motCle("pnlvlbody");
        motCle("pnf", 0);
        motCle("pnindent", 0);
        // Every item carries its own number: a reader that starts a new list at each
        // \pn still shows 1, 2, 3.
        motCle("pnstart", l->itemNumber(b) + 1);
        motCle(genre);
        atome("{");
        motCle("pntxta");
        texte(lf.numberSuffix().isEmpty() ? QStringLiteral(".") : lf.numberSuffix(), false);
        atome("}}");
    }
    motCle("fi", -360);
    motCle("li", 720 * indent);
    // After the \pn group, so that a reader of both takes this list's own numbering.
    motCle("ls", numeroListe(l));
    motCle("ilvl", std::clamp(indent, 1, 9) - 1);
}

void Ecrivain::fragment(const QTextFragment& fr)
{
    const QTextCharFormat f = fr.charFormat();
    if (f.isImageFormat()) {
        for (QChar c : fr.text())
            if (c.unicode() == 0xFFFC)
                image(f.toImageFormat());
        return;
    }
    const FormatCar c = formatDe(f);
    const bool symbole = polices_[c.police].compare(u"Symbol", Qt::CaseInsensitive) == 0;
    if (c.lien.isEmpty()) {
        diff(c);
        texte(fr.text(), symbole);
        return;
    }
    // A link is a HYPERLINK field; its result carries the look of the text.
    atome("{");
    motCle("field");
    atome("{\\*");
    motCle("fldinst");
    atome("{");
    texte(QStringLiteral("HYPERLINK \"%1\"").arg(c.lien), false);
    atome("}}{");
    motCle("fldrslt");
    atome("{");
    const FormatCar avant = etat_;
    diff(c);
    texte(fr.text(), symbole);
    etat_ = avant;
    atome("}}}");
}

void Ecrivain::image(const QTextImageFormat& f)
{
    QByteArray donnees = f.property(kProprieteImageDonnees).toByteArray();
    QByteArray type = f.property(kProprieteImageType).toByteArray();
    QSize taille = f.property(kProprieteImageTaille).toSize();
    if (donnees.isEmpty() || type.isEmpty()) {
        // A picture added in the program: PNG of the document's resource.
        const QVariant r = doc_.resource(QTextDocument::ImageResource, QUrl(f.name()));
        QImage img;
        if (r.typeId() == QMetaType::QImage)
            img = r.value<QImage>();
        else if (r.typeId() == QMetaType::QByteArray)
            img.loadFromData(r.toByteArray());
        if (img.isNull())
            return;
        donnees.clear();
        QBuffer tampon(&donnees);
        tampon.open(QIODevice::WriteOnly);
        img.save(&tampon, "PNG");
        type = "pngblip";
        taille = img.size();
    }
    const double largeur = f.width() > 0 ? f.width() : taille.width();
    const double hauteur = f.height() > 0 ? f.height() : taille.height();
    atome("{");
    motCle("pict");
    motCle(type);
    motCle("picw", taille.width() > 0 ? taille.width() : int(largeur));
    motCle("pich", taille.height() > 0 ? taille.height() : int(hauteur));
    motCle("picwgoal", twips(largeur));
    motCle("pichgoal", twips(hauteur));
    const QByteArray hex = donnees.toHex();
    for (qsizetype i = 0; i < hex.size(); i += 128) {
        sortie_ += "\r\n";
        sortie_ += QByteArrayView(hex).sliced(i, std::min<qsizetype>(128, hex.size() - i));
    }
    sortie_ += "\r\n";
    colonne_ = 0;
    atome("}");
}

}  // namespace Rtf
