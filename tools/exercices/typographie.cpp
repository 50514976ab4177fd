// SPDX-License-Identifier: GPL-3.0-or-later
#include "typographie.h"

#include <QRegularExpression>

namespace exercices {

namespace {

constexpr QChar insecable(0x00A0);

// The units the texts use, longest first so that "m/s" wins over "m".
const QString unites = QStringLiteral("N/kg|m/s|km/h|kg|cm|mm|km|ms|N|J|W|m|s|g|h|%");

// Each rule: the breakable space is the first capture group. U+E000 stands for a tag of an HTML
// text (typographieHtml), so that "9,50</i> m" is mended like "9,50 m".
const QList<QRegularExpression>& regles()
{
    static const QList<QRegularExpression> r = {
        // before the high punctuation and a closing guillemet, after an opening one
        QRegularExpression(QStringLiteral("\\S([ \\n\\t]+)[:;?!»]")),
        QRegularExpression(QStringLiteral("«([ \\n\\t]+)\\S")),
        // a number and its unit ("9,8 N/kg", "150 ms", "51 %")
        QRegularExpression(QStringLiteral("\\d\\x{E000}*([ \\n\\t]+)\\x{E000}*(?:%1)(?![\\w/])").arg(unites)),
        // a sign and the number it gives ("x = 4,48 m", "h ≈ 2,6 m"), on both sides
        QRegularExpression(QStringLiteral("\\S([ \\n\\t]+)[=≈][ \\n\\t\\x{00A0}]+[−-]?\\d")),
        QRegularExpression(QStringLiteral("[=≈]([ \\n\\t]+)[−-]?\\d")),
        // groups of thousands ("1 830", "10 000")
        QRegularExpression(QStringLiteral("(?<![\\d,])\\d{1,3}([ \\n\\t]+)\\d{3}(?![\\d,])")),
    };
    return r;
}

}  // namespace

QString typographie(const QString& texte)
{
    QString t = texte;
    for (const QRegularExpression& r : regles()) {
        // Matches may overlap ("1 830 kg"): repeat until nothing is left to mend.
        for (bool encore = true; encore;) {
            encore = false;
            QRegularExpressionMatchIterator it = r.globalMatch(t);
            QList<QPair<qsizetype, qsizetype>> places;
            while (it.hasNext()) {
                const QRegularExpressionMatch m = it.next();
                places.prepend({m.capturedStart(1), m.capturedLength(1)});
            }
            for (const auto& [debut, longueur] : places)
                t.replace(debut, longueur, insecable);
            encore = !places.isEmpty();
        }
    }
    return t;
}

QString typographieHtml(const QString& html)
{
    // Text between tags only; comments, style sheets and scripts are kept as they are.
    static const QRegularExpression balise(
        QStringLiteral("<!--.*?-->|<style.*?</style>|<script.*?</script>|<[^>]*>"),
        QRegularExpression::DotMatchesEverythingOption | QRegularExpression::CaseInsensitiveOption);
    QString resultat;
    qsizetype suite = 0;
    QRegularExpressionMatchIterator it = balise.globalMatch(html);
    QString texte;
    // Text pieces are mended together with the inline tags between them kept in place: a tag
    // is replaced by a private-use character while the rules run.
    constexpr QChar marque(0xE000);
    QStringList balises;
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        texte += html.mid(suite, m.capturedStart() - suite);
        balises << m.captured();
        texte += marque;
        suite = m.capturedEnd();
    }
    texte += html.mid(suite);
    const QString corrige = typographie(texte);
    qsizetype n = 0;
    for (const QChar c : corrige) {
        if (c == marque)
            resultat += balises.at(n++);
        else
            resultat += c;
    }
    return resultat;
}

QStringList espacesSecables(const QString& texte)
{
    QStringList fautes;
    for (const QRegularExpression& r : regles()) {
        QRegularExpressionMatchIterator it = r.globalMatch(texte);
        while (it.hasNext()) {
            const QRegularExpressionMatch m = it.next();
            fautes << texte.mid(std::max<qsizetype>(0, m.capturedStart() - 20), m.capturedLength() + 40).simplified();
        }
    }
    return fautes;
}

}  // namespace exercices
