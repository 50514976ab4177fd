// SPDX-License-Identifier: GPL-3.0-or-later
#include "lecturepdf.h"

#include <QFile>
#include <QRegularExpression>

namespace {

QByteArray decompresse(const QByteArray& flux)
{
    // qUncompress wants the expected size in front (big-endian); an upper bound will do.
    const quint32 borne = quint32(flux.size()) * 64 + 4096;
    QByteArray entete(4, 0);
    entete[0] = char(borne >> 24);
    entete[1] = char(borne >> 16);
    entete[2] = char(borne >> 8);
    entete[3] = char(borne);
    return qUncompress(entete + flux);
}

}  // namespace

QList<PagePdf> lisPdf(const QString& chemin)
{
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray d = f.readAll();
    // Page contents are the Flate streams that draw; each one is a page, in order.
    static const QRegularExpression debut(QStringLiteral("/FlateDecode\\s*>>\\s*stream\\r?\\n"));
    // "a 0 0 d e f cm" then the image's own unit square "w 0 0 -h 0 h cm /ImN Do".
    static const QRegularExpression dessin(QStringLiteral(
        "([-\\d.]+) 0 0 ([-\\d.]+) ([-\\d.]+) ([-\\d.]+) cm\\s+(\\d+) 0 0 -(\\d+) 0 \\d+ cm\\s*/Im\\d+\\s+Do"));
    const QString latin = QString::fromLatin1(d);
    QList<PagePdf> pages;
    for (auto it = debut.globalMatch(latin); it.hasNext();) {
        const auto m = it.next();
        const qsizetype fin = d.indexOf("endstream", m.capturedEnd());
        if (fin < 0)
            break;
        const QString contenu = QString::fromLatin1(decompresse(d.mid(m.capturedEnd(), fin - m.capturedEnd())));
        if (!contenu.contains(QStringLiteral(" cm")))
            continue;  // not a page (fonts, images)
        PagePdf page;
        for (auto j = dessin.globalMatch(contenu); j.hasNext();) {
            const auto c = j.next();
            const double a = c.captured(1).toDouble(), dd = c.captured(2).toDouble();
            page.images.append(QRectF(c.captured(3).toDouble(), c.captured(4).toDouble(),
                                      a * c.captured(5).toDouble(), dd * c.captured(6).toDouble()));
        }
        pages.append(page);
    }
    return pages;
}
