// SPDX-License-Identifier: GPL-3.0-or-later
#include "reponses.h"

#include <QRegularExpression>

namespace exercices {

namespace {

// One writing line: about 13,5 cm of leaders inside the list's indent on an A4 page, in a size
// that spaces the lines as ruled paper does (about 6,5 mm).
const QString ligneReponse = QStringLiteral("<span style=\"font-size:16pt\">") + QString(24, QChar(0x2026))
                             + QStringLiteral("</span>");

QString questionsAvecLignes(const QString& liste)
{
    static const QRegularExpression item(QStringLiteral("<li(?:\\s+lignes=\"(\\d+)\")?>(.*?)</li>"),
                                         QRegularExpression::DotMatchesEverythingOption);
    QString res;
    qsizetype fin = 0;
    for (auto it = item.globalMatch(liste); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        res += liste.mid(fin, m.capturedStart() - fin);
        const int n = m.captured(1).isEmpty() ? 2 : m.captured(1).toInt();
        res += QStringLiteral("<li>") + m.captured(2);
        for (int i = 0; i < n; ++i)
            res += QStringLiteral("<br />") + ligneReponse;
        res += QStringLiteral("</li>");
        fin = m.capturedEnd();
    }
    return res + liste.mid(fin);
}

}  // namespace

QString avecEspacesReponse(const QString& html)
{
    static const QRegularExpression questions(QStringLiteral("(<h2>Questions</h2>\\s*<ol>)(.*?)(</ol>)"),
                                              QRegularExpression::DotMatchesEverythingOption);
    QString res = html;
    const QRegularExpressionMatch m = questions.match(res);
    if (m.hasMatch())
        res.replace(m.capturedStart(2), m.capturedLength(2), questionsAvecLignes(m.captured(2)));
    static const QRegularExpression reste(QStringLiteral("<li\\s+lignes=\"\\d+\">"));
    return res.replace(reste, QStringLiteral("<li>"));
}

}  // namespace exercices
