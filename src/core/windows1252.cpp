// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/windows1252.h"

#include <QList>

#include <array>

namespace Windows1252 {

namespace {

// Windows-1252 differs from Latin-1 only from 0x80 to 0x9F; French needs most of it (œ € ’ …).
// The undefined bytes keep their own value.
constexpr std::array<char16_t, 32> kHaut = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

char16_t versUnicode(uchar octet)
{
    if (octet >= 0x80 && octet < 0xA0)
        return kHaut[octet - 0x80];
    return char16_t(octet);
}

bool estIndefini(uchar octet)
{
    return octet == 0x81 || octet == 0x8D || octet == 0x8F || octet == 0x90 || octet == 0x9D;
}

std::optional<uchar> versOctet(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return uchar(c);
    for (size_t i = 0; i < kHaut.size(); ++i)
        if (kHaut[i] == c)
            return uchar(0x80 + i);
    return std::nullopt;
}

QString decode(QByteArrayView octets)
{
    QString r(octets.size(), Qt::Uninitialized);
    QChar* d = r.data();
    for (char o : octets)
        *d++ = QChar(versUnicode(uchar(o)));
    return r;
}

std::optional<QByteArray> encode(QStringView texte)
{
    QByteArray r;
    r.reserve(texte.size());
    for (char32_t c : texte.toUcs4()) {
        const auto o = versOctet(c);
        if (!o)
            return std::nullopt;
        r += char(*o);
    }
    return r;
}

}  // namespace Windows1252
