// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// 8-bit text of RTF files: Windows code pages, font charsets and the Symbol font.

#include <QByteArray>
#include <QString>
#include <QStringDecoder>

#include <map>

namespace Rtf {

// Pseudo code pages for fonts whose bytes are glyph numbers, not text.
inline constexpr int kCodePageSymbole = -2;   // Adobe Symbol: 'a' is alpha
inline constexpr int kCodePagePrivee = -3;    // other symbol fonts: U+F000 + byte, as Word does
inline constexpr int kCodePageDefaut = 1252;

// Code page of a font's \fcharset; 0 when the charset defers to the document's code page.
int codePageDuCharset(int charset);
// The code page of \ansicpgN when it is one we can decode, otherwise Windows-1252.
int codePageValide(int codePage);

// Windows-1252 for one byte (0x81, 0x8D, 0x8F, 0x90, 0x9D give U+FFFD).
QChar depuis1252(uchar octet);
// The Windows-1252 byte of a character, or 0 when it has none.
uchar vers1252(char32_t c);
// Adobe Symbol byte to Unicode, and back (0 when the character has no Symbol glyph).
char32_t depuisSymbole(uchar octet);
uchar versSymbole(char32_t c);

// Decodes runs of bytes in a given code page; keeps one decoder per code page, so a
// multi-byte code page (932, 936, 949, 950) gets the whole run at once.
class Decodeur {
public:
    QString decode(const QByteArray& octets, int codePage);

private:
    std::map<int, QStringDecoder> decodeurs_;
};

}  // namespace Rtf
