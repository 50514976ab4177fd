// SPDX-License-Identifier: GPL-3.0-or-later
// The RTF writer: Windows-1252 header, font and colour tables, then the body with only
// the format changes between runs, lists in WordPad's \pn form.

#include "rtf/ecrivain.h"

#include "rtf/codage.h"
#include "rtf/rtf.h"

#include <QTextDocument>

#include <cctype>
#include <cmath>

namespace Rtf {

namespace {

constexpr int kLigneMax = 200;  // a CRLF after this many characters keeps lines short

QString famille(const QTextCharFormat& f)
{
    const QStringList familles = f.fontFamilies().toStringList();
    if (!familles.isEmpty() && !familles.front().isEmpty())
        return familles.front();
    return f.property(QTextFormat::FontFamily).toString();
}

}  // namespace

void Ecrivain::atome(QByteArrayView a)
{
    if (colonne_ >= kLigneMax) {
        sortie_ += "\r\n";
        colonne_ = 0;
    }
    sortie_ += a;
    colonne_ += int(a.size());
    motOuvert_ = false;
}

void Ecrivain::motCle(QByteArrayView mot, int param)
{
    QByteArray a = "\\" + mot.toByteArray();
    if (param != INT_MIN)
        a += QByteArray::number(param);
    atome(a);
    motOuvert_ = true;
}

void Ecrivain::caractere(char32_t c, bool symbole)
{
    auto brut = [this](QByteArrayView a) {
        // Only a letter, digit, space or minus would run into the control word.
        const char premier = a.front();
        if (motOuvert_ && (std::isalnum(uchar(premier)) || premier == ' ' || premier == '-')) {
            sortie_ += ' ';
            ++colonne_;
        }
        atome(a);
    };
    auto hex = [&](uchar o) { brut(QByteArray("\\'") + QByteArray::number(o, 16).rightJustified(2, '0')); };
    switch (c) {
    case '\t': motCle("tab"); return;
    case 0x2028:
    case 0x2029: motCle("line"); return;
    case 0x00A0: brut("\\~"); return;
    case 0x00AD: brut("\\-"); return;
    case 0x2011: brut("\\_"); return;
    case 0xFFFC: return;  // object marks stand for pictures, written apart
    default: break;
    }
    if (c < 0x20)
        return;
    if (symbole) {
        // In a Symbol font every byte is a glyph, escaped ones too: only what has a
        // glyph there goes as a byte, so a Latin 'a' stays an 'a' and an alpha an alpha.
        if (const uchar o = versSymbole(c)) {
            hex(o);
            return;
        }
    } else if (c == '\\' || c == '{' || c == '}') {
        const char a[] = {'\\', char(c)};
        brut(QByteArrayView(a, 2));
        return;
    } else if (c < 0x80) {
        const char a = char(c);
        brut(QByteArrayView(&a, 1));
        return;
    } else if (const uchar o = vers1252(c)) {
        hex(o);
        return;
    }
    auto unite = [&](char16_t u) {
        motCle("u", u > 0x7FFF ? int(u) - 65536 : int(u));
        brut("?");
    };
    if (c > 0xFFFF) {
        unite(QChar::highSurrogate(c));
        unite(QChar::lowSurrogate(c));
    } else {
        unite(char16_t(c));
    }
}

void Ecrivain::texte(const QString& s, bool symbole)
{
    for (char32_t c : s.toUcs4())
        caractere(c, symbole);
}

int Ecrivain::police(const QString& nom)
{
    const QString n = nom.isEmpty() ? polices_.front() : nomDePolice(nom);
    qsizetype i = polices_.indexOf(n);
    if (i < 0) {
        polices_.append(n);
        i = polices_.size() - 1;
    }
    return int(i);
}

int Ecrivain::couleur(const QBrush& b)
{
    if (b.style() == Qt::NoBrush)
        return 0;
    const QRgb rgb = b.color().rgb();
    qsizetype i = couleurs_.indexOf(rgb);
    if (i < 0) {
        couleurs_.append(rgb);
        i = couleurs_.size() - 1;
    }
    return int(i) + 1;
}

FormatCar Ecrivain::formatDe(const QTextCharFormat& f)
{
    FormatCar c;
    c.police = police(famille(f));
    if (f.hasProperty(QTextFormat::FontPointSize))
        c.taille = std::max(1, int(std::lround(f.fontPointSize() * 2)));
    else if (f.hasProperty(QTextFormat::FontPixelSize))
        c.taille = std::max(1, int(std::lround(f.intProperty(QTextFormat::FontPixelSize) * 1.5)));
    else
        c.taille = tailleDefaut_;
    c.gras = f.fontWeight() >= QFont::DemiBold;
    c.italique = f.fontItalic();
    c.souligne = f.underlineStyle();
    if (c.souligne == QTextCharFormat::NoUnderline && f.fontUnderline())
        c.souligne = QTextCharFormat::SingleUnderline;
    if (c.souligne == QTextCharFormat::SpellCheckUnderline)
        c.souligne = QTextCharFormat::WaveUnderline;
    c.barre = f.fontStrikeOut();
    c.majuscules = f.fontCapitalization() == QFont::AllUppercase;
    c.petitesMajuscules = f.fontCapitalization() == QFont::SmallCaps;
    c.couleur = f.hasProperty(QTextFormat::ForegroundBrush) ? couleur(f.foreground()) : 0;
    c.fond = f.hasProperty(QTextFormat::BackgroundBrush) ? couleur(f.background()) : 0;
    if (f.verticalAlignment() == QTextCharFormat::AlignSuperScript)
        c.vertical = Vertical::Exposant;
    else if (f.verticalAlignment() == QTextCharFormat::AlignSubScript)
        c.vertical = Vertical::Indice;
    if (f.isAnchor())
        c.lien = f.anchorHref();
    return c;
}

void Ecrivain::diff(const FormatCar& v)
{
    FormatCar& e = etat_;
    if (v.police != e.police) motCle("f", v.police);
    if (v.taille != e.taille) motCle("fs", v.taille);
    if (v.gras != e.gras) v.gras ? motCle("b") : motCle("b", 0);
    if (v.italique != e.italique) v.italique ? motCle("i") : motCle("i", 0);
    if (v.souligne != e.souligne) {
        switch (v.souligne) {
        case QTextCharFormat::NoUnderline: motCle("ulnone"); break;
        case QTextCharFormat::DotLine: motCle("uld"); break;
        case QTextCharFormat::DashUnderline: motCle("uldash"); break;
        case QTextCharFormat::DashDotLine: motCle("uldashd"); break;
        case QTextCharFormat::DashDotDotLine: motCle("uldashdd"); break;
        case QTextCharFormat::WaveUnderline: motCle("ulwave"); break;
        default: motCle("ul"); break;
        }
    }
    if (v.barre != e.barre) v.barre ? motCle("strike") : motCle("strike", 0);
    if (v.majuscules != e.majuscules) v.majuscules ? motCle("caps") : motCle("caps", 0);
    if (v.petitesMajuscules != e.petitesMajuscules) v.petitesMajuscules ? motCle("scaps") : motCle("scaps", 0);
    if (v.couleur != e.couleur) motCle("cf", v.couleur);
    if (v.fond != e.fond) motCle("highlight", v.fond);
    if (v.vertical != e.vertical)
        motCle(v.vertical == Vertical::Exposant ? "super" : v.vertical == Vertical::Indice ? "sub" : "nosupersub");
    const QString lien = e.lien;
    e = v;
    e.lien = lien;
}

QByteArray ecris(const QTextDocument& doc)
{
    return Ecrivain(doc).ecris();
}

}  // namespace Rtf
