// SPDX-License-Identifier: GPL-3.0-or-later
#include "rtf/lexeur.h"

namespace Rtf {

namespace {

bool estLettre(char c) { return c >= 'a' && c <= 'z'; }
bool estChiffre(char c) { return c >= '0' && c <= '9'; }

int valeurHex(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

}  // namespace

Lexeme Lexeur::suivant()
{
    const qsizetype n = d_.size();
    // Bare CR and LF carry no meaning in RTF.
    while (pos_ < n && (d_[pos_] == '\r' || d_[pos_] == '\n'))
        ++pos_;
    Lexeme l;
    if (pos_ >= n)
        return l;
    const char c = d_[pos_];
    if (c == '{') {
        ++pos_;
        l.type = Jeton::Ouvre;
        return l;
    }
    if (c == '}') {
        ++pos_;
        l.type = Jeton::Ferme;
        return l;
    }
    if (c == '\\')
        return controle();
    const qsizetype debut = pos_;
    while (pos_ < n) {
        const char x = d_[pos_];
        if (x == '\\' || x == '{' || x == '}' || x == '\r' || x == '\n')
            break;
        ++pos_;
    }
    l.type = Jeton::Texte;
    l.octets = d_.sliced(debut, pos_ - debut);
    return l;
}

Lexeme Lexeur::controle()
{
    const qsizetype n = d_.size();
    Lexeme l;
    ++pos_;  // the backslash
    if (pos_ >= n)
        return l;  // a lone backslash at the end: nothing more
    const char c = d_[pos_];
    if (!estLettre(c)) {
        ++pos_;
        if (c == '\'') {
            l.type = Jeton::Hex;
            int valeur = 0;
            int chiffres = 0;
            while (chiffres < 2 && pos_ < n) {
                const int h = valeurHex(d_[pos_]);
                if (h < 0)
                    break;
                valeur = valeur * 16 + h;
                ++chiffres;
                ++pos_;
            }
            l.valide = chiffres == 2;
            l.octet = static_cast<unsigned char>(valeur);
            return l;
        }
        l.type = Jeton::Symbole;
        l.symbole = c;
        return l;
    }
    const qsizetype debut = pos_;
    while (pos_ < n && estLettre(d_[pos_]))
        ++pos_;
    l.type = Jeton::Mot;
    if (pos_ - debut <= kLongueurMaxMot)
        l.mot = d_.sliced(debut, pos_ - debut);
    // Optional signed parameter, accumulated in 64 bits and clamped.
    bool negatif = false;
    if (pos_ + 1 < n && d_[pos_] == '-' && estChiffre(d_[pos_ + 1])) {
        negatif = true;
        ++pos_;
    }
    if (pos_ < n && estChiffre(d_[pos_])) {
        qint64 v = 0;
        while (pos_ < n && estChiffre(d_[pos_])) {
            if (v <= kParamMax)
                v = v * 10 + (d_[pos_] - '0');
            ++pos_;
        }
        if (v > kParamMax)
            v = kParamMax;
        l.aParam = true;
        l.param = static_cast<int>(negatif ? -v : v);
    }
    if (pos_ < n && d_[pos_] == ' ')
        ++pos_;
    if (l.mot == "bin") {
        // The count is in bytes of the file; never trust it beyond what is left.
        qsizetype compte = l.aParam && l.param > 0 ? l.param : 0;
        if (compte > n - pos_)
            compte = n - pos_;
        l.type = Jeton::Binaire;
        l.octets = d_.sliced(pos_, compte);
        pos_ += compte;
    }
    return l;
}

}  // namespace Rtf
