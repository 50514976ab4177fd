// SPDX-License-Identifier: GPL-3.0-or-later
#include "rtf/lecteur.h"

#include <QTextDocument>

#include <algorithm>

namespace Rtf {

Lecteur::Lecteur(QTextDocument* doc) : doc_(doc), constructeur_(std::make_unique<Constructeur>(doc, tables_)) {}

Lecteur::~Lecteur() = default;

void Lecteur::lis(QByteArrayView rtf)
{
    Lexeur lex(rtf);
    pile_.reserve(64);
    while (!fini_) {
        const Lexeme l = lex.suivant();
        if (l.type == Jeton::Fin)
            break;
        if (excedent_ > 0) {
            if (l.type == Jeton::Ouvre)
                ++excedent_;
            else if (l.type == Jeton::Ferme)
                --excedent_;
            continue;
        }
        if (l.type == Jeton::Ouvre) {
            ouvreGroupe();
            continue;
        }
        if (l.type == Jeton::Ferme) {
            if (!fermeGroupe())
                fini_ = true;
            continue;
        }
        if (pile_.empty())
            continue;  // nothing counts before the first brace
        if (aSauter_ > 0) {
            // \uc fallback: one byte, one \'hh, one control word or one \bin is one unit.
            if (l.type == Jeton::Texte && l.octets.size() > aSauter_) {
                const qsizetype n = aSauter_;
                aSauter_ = 0;
                texte(l.octets.sliced(n));
            } else {
                aSauter_ -= l.type == Jeton::Texte ? int(l.octets.size()) : 1;
            }
            continue;
        }
        switch (l.type) {
        case Jeton::Texte: texte(l.octets); break;
        case Jeton::Hex:
            if (l.valide)
                hex(l.octet);
            break;
        case Jeton::Symbole: symbole(l.symbole); break;
        case Jeton::Mot: mot(l); break;
        case Jeton::Binaire:
            if (etat().dest == Dest::Image) {
                image_.donnees.append(l.octets.data(), l.octets.size());
                demiOctet_ = -1;
            }
            break;
        default: break;
        }
    }
    // Unclosed groups end with the input.
    while (!fini_ && !pile_.empty())
        if (!fermeGroupe())
            break;
    constructeur_->termine();
}

void Lecteur::ouvreGroupe()
{
    videOctets();
    aSauter_ = 0;
    if (pile_.size() >= kProfondeurMax) {
        excedent_ = 1;
        return;
    }
    if (pile_.empty()) {
        pile_.push_back(Etat{});
        return;
    }
    Etat e = pile_.back();
    e.etoile = false;
    pile_.push_back(std::move(e));
}

bool Lecteur::fermeGroupe()
{
    videOctets();
    aSauter_ = 0;
    if (pile_.empty())
        return false;
    const Dest d = pile_.back().dest;
    if (d == Dest::Polices)
        validePolice();
    if (pile_.size() == 1) {
        // The document's last paragraph may have no \par.
        if (!courant_.segments.empty())
            finParagraphe(false);
        pile_.pop_back();
        fini_ = true;
        return false;
    }
    const Dest parent = pile_[pile_.size() - 2].dest;
    if (d == Dest::Image && parent != Dest::Image)
        finImage();
    if (d == Dest::Pn && parent != Dest::Pn) {
        pile_.pop_back();
        finPn();
        return true;
    }
    pile_.pop_back();
    return true;
}

int Lecteur::codePageCourant() const
{
    const int numero = pile_.back().car.police < 0 ? deff_ : pile_.back().car.police;
    auto it = tables_.polices.constFind(numero);
    if (it == tables_.polices.constEnd() || it->codePage == 0)
        return codePageDoc_;
    return it->codePage;
}

bool Lecteur::policeSymbole() const
{
    return codePageCourant() == kCodePageSymbole;
}

void Lecteur::texte(QByteArrayView octets)
{
    switch (etat().dest) {
    case Dest::Texte: {
        const int cp = codePageCourant();
        if (!octets_.isEmpty() && cp != codePageOctets_)
            videOctets();
        codePageOctets_ = cp;
        octets_.append(octets.data(), octets.size());
        break;
    }
    case Dest::Polices:
    case Dest::Couleurs: texteTable(octets); break;
    case Dest::Image:
        for (char c : octets) {
            int h = -1;
            if (c >= '0' && c <= '9')
                h = c - '0';
            else if (c >= 'a' && c <= 'f')
                h = c - 'a' + 10;
            else if (c >= 'A' && c <= 'F')
                h = c - 'A' + 10;
            if (h < 0)
                continue;
            if (demiOctet_ < 0) {
                demiOctet_ = h;
            } else {
                image_.donnees.append(char(demiOctet_ * 16 + h));
                demiOctet_ = -1;
            }
        }
        break;
    case Dest::ChampInst:
        if (instruction_.size() < 4096)
            instruction_.append(octets.data(), std::min<qsizetype>(octets.size(), 4096));
        break;
    default: break;
    }
}

void Lecteur::hex(uchar octet)
{
    const char c = char(octet);
    texte(QByteArrayView(&c, 1));
}

void Lecteur::symbole(char c)
{
    switch (c) {
    case '\\':
    case '{':
    case '}': texte(QByteArrayView(&c, 1)); return;
    case '*': etat().etoile = true; return;
    case '\r':
    case '\n':
        if (etat().dest == Dest::Texte)
            finParagraphe(false);
        return;
    default: break;
    }
    if (etat().dest != Dest::Texte)
        return;
    switch (c) {
    case '~': ajouteCaractere(0x00A0); break;
    case '-': ajouteCaractere(0x00AD); break;
    case '_': ajouteCaractere(0x2011); break;
    case '\t': ajouteCaractere('\t'); break;
    default: break;  // \: \| and unknown symbols show nothing
    }
}

void Lecteur::unicode(int n)
{
    aSauter_ = etat().uc;
    if (etat().dest != Dest::Texte)
        return;
    videOctets();
    if (n < -32768 || n > 65535 || n == 0) {
        ajouteCaractere(0xFFFD);
        return;
    }
    if (n < 0)
        n += 65536;
    if (n >= 0xD800 && n <= 0xDBFF) {
        if (haut_ != 0)
            ajouteCaractere(0xFFFD);
        haut_ = char16_t(n);
        return;
    }
    if (n >= 0xDC00 && n <= 0xDFFF) {
        if (haut_ == 0) {
            ajouteCaractere(0xFFFD);
            return;
        }
        const char32_t c = 0x10000 + ((char32_t(haut_) - 0xD800) << 10) + (char32_t(n) - 0xDC00);
        haut_ = 0;
        ajouteCaractere(c);
        return;
    }
    char32_t c = char32_t(n);
    // Word writes Symbol glyphs as private-use U+F0xx.
    if (c >= 0xF020 && c <= 0xF0FF && policeSymbole())
        c = depuisSymbole(uchar(c - 0xF000));
    if (c == 0xFFFE || c == 0xFFFF)
        c = 0xFFFD;
    ajouteCaractere(c);
}

void Lecteur::ajouteCaractere(char32_t c)
{
    videOctets();
    ajoute(QString::fromUcs4(&c, 1));
}

void Lecteur::videOctets()
{
    if (octets_.isEmpty())
        return;
    const QString s = decodeur_.decode(octets_, codePageOctets_);
    octets_.clear();
    ajoute(s);
}

void Lecteur::ajoute(const QString& brut)
{
    if (pile_.empty())
        return;
    const FormatCar& car = pile_.back().car;
    if (haut_ != 0) {
        haut_ = 0;
        ajoute(QString(QChar(0xFFFD)));
    }
    if (car.cache || brut.isEmpty())
        return;
    QString s = brut;
    // Control characters are not text; a tab is. Qt gives the object mark and the frame
    // marks a meaning of its own, and would split blocks at a paragraph separator.
    s.removeIf([](QChar c) {
        const char16_t u = c.unicode();
        return (u < 0x20 && u != u'\t') || u == 0xFFFC || u == 0xFDD0 || u == 0xFDD1;
    });
    s.replace(QChar(0x2029), QChar(0x2028));
    s.replace(QChar(0xFFFE), QChar(0xFFFD));
    s.replace(QChar(0xFFFF), QChar(0xFFFD));
    if (s.isEmpty())
        return;
    auto& segs = courant_.segments;
    QString police = tables_.nomPolice(tables_.numeroPolice(car));
    if (!segs.empty() && !segs.back().estImage && segs.back().car == car && segs.back().police == police)
        segs.back().texte += s;
    else
        segs.push_back(Segment{s, car, std::move(police), false, {}});
}

void Lecteur::finParagraphe(bool cellule)
{
    videOctets();
    if (haut_ != 0)
        ajouteCaractere(0xFFFD);
    if (pile_.empty())
        return;
    const Etat& e = pile_.back();
    courant_.par = e.par;
    courant_.carFin = e.car;
    courant_.liste = listeDe(e.par);
    if (cellule) {
        courant_.par.dansTableau = true;
        constructeur_->cellule(std::move(courant_));
    } else {
        constructeur_->paragraphe(std::move(courant_));
    }
    courant_ = Paragraphe{};
}

}  // namespace Rtf
