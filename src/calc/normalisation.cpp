// SPDX-License-Identifier: GPL-3.0-or-later
// Normal form of the expression text: signs folded, plain numbers freed of their parentheses,
// operators and function names spaced.

#include "calc/calcul.h"

#include "calc/noms.h"

#include <QList>

namespace Module1 {

namespace {

bool estSigne(QChar c)
{
    return c == QLatin1Char('+') || c == QLatin1Char('-');
}

// What may end the left operand of a binary operator.
bool finitOperande(QChar c)
{
    return (c.isDigit() && c.unicode() < 128) || c == QLatin1Char('.') || c == QLatin1Char(')');
}

// "(" followed by a plain number up to its ")": an optional sign first, then digits and
// points, at least one character.
bool estNombreSimple(QStringView contenu)
{
    if (contenu.isEmpty())
        return false;
    for (qsizetype i = 0; i < contenu.size(); ++i) {
        const QChar c = contenu[i];
        if (i == 0 && estSigne(c))
            continue;
        if (!(c.isDigit() && c.unicode() < 128) && c != QLatin1Char('.'))
            return false;
    }
    return true;
}

// A "-" that is the sign of a number raised to a power, behind a binary operator:
// "1 - -2 ^ 2" is 1 - (-2)^2. Folding the two signs would give 1 + 2^2, so this pair stays.
bool signeDUnePuissance(const QString& sortie, const QString& texte, qsizetype i)
{
    if (texte[i] != QLatin1Char('-') || sortie.size() < 2)
        return false;
    if (!finitOperande(sortie[sortie.size() - 2]))
        return false;
    const qsizetype n = texte.size();
    qsizetype j = i + 1;
    const qsizetype debut = j;
    while (j < n && ((texte[j].isDigit() && texte[j].unicode() < 128) || texte[j] == QLatin1Char('.')))
        ++j;
    if (j == debut)
        return false;
    if (j < n && (texte[j] == QLatin1Char('E') || texte[j] == QLatin1Char('D'))) {
        ++j;
        if (j < n && estSigne(texte[j]))
            ++j;
        while (j < n && texte[j].isDigit() && texte[j].unicode() < 128)
            ++j;
    }
    return j < n && texte[j] == QLatin1Char('^');
}

QChar signeDe(QChar a, QChar b)
{
    return a == b ? QLatin1Char('+') : QLatin1Char('-');
}

// One pass of the sign and parenthesis rules: "--" "++" give "+", "+-" "-+" give "-" (chains
// fold as they come), a leading "+" goes, and a "(" with a plain number up to its ")" loses
// its parentheses. A stack of the open "(" frees nested plain numbers in the same pass, and the
// sign a freed number brings folds at once with a sign before it ("-(-(-1))" in one pass, not
// one pass per level). When a number or another sign stands before that sign, the pair may be
// the sign of a power ("1-(-2)^2") or part of a longer chain: the next pass decides, as before.
QString passeSignesParentheses(const QString& texte)
{
    QString sortie;
    sortie.reserve(texte.size());
    QList<qsizetype> ouvertes;  // positions of the open "(" in sortie
    for (qsizetype i = 0; i < texte.size(); ++i) {
        const QChar c = texte[i];
        if (c == QLatin1Char('(')) {
            ouvertes.append(sortie.size());
            sortie.append(c);
        } else if (c == QLatin1Char(')') && !ouvertes.isEmpty()) {
            const qsizetype debut = ouvertes.takeLast();
            if (estNombreSimple(QStringView(sortie).mid(debut + 1))) {
                sortie.remove(debut, 1);
                if (debut >= 1 && debut < sortie.size() && estSigne(sortie[debut]) && estSigne(sortie[debut - 1])
                    && (debut < 2 || !(finitOperande(sortie[debut - 2]) || estSigne(sortie[debut - 2])))) {
                    sortie[debut - 1] = signeDe(sortie[debut - 1], sortie[debut]);
                    sortie.remove(debut, 1);
                }
            } else
                sortie.append(c);
        } else if (estSigne(c) && !sortie.isEmpty() && estSigne(sortie.back())
                   && !signeDUnePuissance(sortie, texte, i)) {
            sortie.back() = signeDe(sortie.back(), c);
        } else {
            sortie.append(c);
        }
    }
    if (sortie.startsWith(QLatin1Char('+')))
        sortie.remove(0, 1);
    return sortie;
}

bool commencePar(const QString& texte, qsizetype i, const char* motif)
{
    return noms::en(texte, i, motif);
}

void retireBlancs(QString& texte)
{
    texte.remove(QLatin1Char(' '));
}

}  // namespace

void espaceExpr(QString& expression)
{
    QString texte = expression.toUpper();
    retireBlancs(texte);
    if (texte.startsWith(QLatin1Char('+')))
        texte.remove(0, 1);

    QString sortie;
    sortie.reserve(texte.size() * 2 + 2);
    sortie.append(QLatin1Char(' '));
    const qsizetype n = texte.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = texte[i];
        if (c.isDigit() && c.unicode() < 128) {
            sortie.append(c);  // the bulk of any text: nothing to decide
            ++i;
            continue;
        }
        // The square-root key's "ù" (upper-cased to "Ù" by then) reads as "SQR".
        if (c == QChar(0x00F9) || c == QChar(0x00D9)) {
            sortie.append(QLatin1String("SQR "));
            ++i;
        } else if (commencePar(texte, i, "LN")) {
            sortie.append(QLatin1String("LON "));
            i += 2;
        } else if (commencePar(texte, i, "INV") && (commencePar(texte, i + 3, "SIN") || commencePar(texte, i + 3, "COS")
                                                    || commencePar(texte, i + 3, "TAN"))) {
            const QChar f = texte[i + 3];
            sortie.append(f == QLatin1Char('S') ? QLatin1String("ISI ")
                                                : f == QLatin1Char('C') ? QLatin1String("ICO ") : QLatin1String("ITA "));
            i += 6;
        } else if (const char* nom = noms::fonctionEn(texte, i)) {
            // "LON" is among the names: once a parenthesis has been reduced behind it, "LON5"
            // must get its blank back like "SIN5" does.
            sortie.append(QLatin1String(nom));
            sortie.append(QLatin1Char(' '));
            i += 3;
        } else if (c == QLatin1Char('^') || c == QLatin1Char('*') || c == QLatin1Char('/')) {
            sortie.append(QLatin1Char(' '));
            sortie.append(c);
            sortie.append(QLatin1Char(' '));
            ++i;
        } else if (c == QLatin1Char('+')) {
            const QChar avant = sortie.back();
            // After an exponent letter it is the exponent's sign.
            if (avant == QLatin1Char('E') || avant == QLatin1Char('D'))
                sortie.append(c);
            else
                sortie.append(QLatin1String(" + "));
            ++i;
        } else if (c == QLatin1Char('-')) {
            const QChar avant = sortie.back();
            // A sign glued to its number: exponent sign, after "(", at the start, after an
            // operator or a function name.
            if (avant == QLatin1Char('E') || avant == QLatin1Char('D') || avant == QLatin1Char('(')
                || avant == QLatin1Char(' '))
                sortie.append(c);
            else
                sortie.append(QLatin1String(" - "));
            ++i;
        } else {
            sortie.append(c);
            ++i;
        }
    }
    sortie.append(QLatin1Char(' '));
    expression = sortie;
}

void normaliseExpr(QString& expression)
{
    QString texte = expression.toUpper();
    retireBlancs(texte);
    for (;;) {
        QString suivant = passeSignesParentheses(texte);
        if (suivant == texte)
            break;
        texte = suivant;
    }
    espaceExpr(texte);
    expression = texte;
}

}  // namespace Module1
