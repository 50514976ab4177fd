// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Splits RTF bytes into tokens in one forward pass. Works on the raw bytes so that
// \binN counts bytes of the file, never decoded characters.

#include <QByteArrayView>

namespace Rtf {

enum class Jeton {
    Fin,       // end of input
    Ouvre,     // {
    Ferme,     // }
    Mot,       // control word, with or without a parameter
    Symbole,   // control symbol such as \~ or \{
    Hex,       // \'hh (valide is false when the two digits are not hex)
    Texte,     // a run of plain bytes (no CR, LF, backslash or brace)
    Binaire,   // the bytes of \binN
};

struct Lexeme {
    Jeton type = Jeton::Fin;
    // Control word name; empty when longer than kLongueurMaxMot (then treated as unknown).
    QByteArrayView mot;
    bool aParam = false;
    int param = 0;
    char symbole = 0;
    unsigned char octet = 0;
    bool valide = true;
    QByteArrayView octets;  // Texte and Binaire
};

class Lexeur {
public:
    static constexpr int kLongueurMaxMot = 32;
    // Parameters are clamped here so that no later arithmetic can overflow.
    static constexpr int kParamMax = 2'000'000'000;

    explicit Lexeur(QByteArrayView donnees) : d_(donnees) {}
    Lexeme suivant();
    qsizetype position() const { return pos_; }

private:
    Lexeme controle();

    QByteArrayView d_;
    qsizetype pos_ = 0;
};

}  // namespace Rtf
