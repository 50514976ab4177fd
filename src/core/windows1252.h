// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Windows-1252, the 8-bit text of the record files and of RTF files written on Windows.
// The five bytes Windows leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1
// controls of the same value, as Windows itself converts them, so any byte string decodes
// and encodes back unchanged.

#include <QByteArray>
#include <QString>

#include <optional>

namespace Windows1252 {

// Unicode of one byte; never fails.
char16_t versUnicode(uchar octet);
// True for the five bytes without a character of their own.
bool estIndefini(uchar octet);
// The byte of a character, or nothing when Windows-1252 has none.
std::optional<uchar> versOctet(char32_t c);

QString decode(QByteArrayView octets);
// Nothing when a character has no byte in Windows-1252.
std::optional<QByteArray> encode(QStringView texte);

}  // namespace Windows1252
