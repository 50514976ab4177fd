// SPDX-License-Identifier: GPL-3.0-or-later
// Syntax checks made once before any reduction, and the token count that steers the driver.

#include "calc/calcul.h"
#include "calc/noms.h"

namespace Module1 {

void verifieExpr(const QString& expression, qint16& erreur)
{
    if (expression.count(QLatin1Char('(')) != expression.count(QLatin1Char(')'))) {
        erreur = CodeCalcul::Parentheses;
        return;
    }
    // "*", "/" and "^" need a number after them; "+" and "-" may be signs, so they are not
    // tested. In the normal form a blank two places on means another operator comes next.
    const qsizetype n = expression.size();
    for (qsizetype i = 0; i + 2 < n; ++i) {
        const QChar c = expression[i];
        if ((c == QLatin1Char('*') || c == QLatin1Char('/') || c == QLatin1Char('^'))
            && expression[i + 2] == QLatin1Char(' ')) {
            erreur = CodeCalcul::Operateurs;
            return;
        }
    }
}

Jetons compteJetons(const QString& expression)
{
    Jetons j;
    const QStringView texte(expression);
    const qsizetype n = texte.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = texte[i];
        if (c == QLatin1Char('(')) {
            ++j.nbParentheses;
        } else if (c == QLatin1Char(' ')) {
            if (i + 2 < n && texte[i + 2] == QLatin1Char(' ')) {
                const QChar op = texte[i + 1];
                if (op == QLatin1Char('+') || op == QLatin1Char('-') || op == QLatin1Char('*')
                    || op == QLatin1Char('/') || op == QLatin1Char('^'))
                    ++j.nbOperateurs;
            }
        } else if (noms::fonctionEn(texte, i)) {
            ++j.nbFonctions;
        }
    }
    return j;
}

}  // namespace Module1
