// SPDX-License-Identifier: GPL-3.0-or-later
// The driver: normalise, check, then repeat the reduction steps until one number is left.

#include "calc/calcul.h"

namespace Module1 {

namespace {

// Enough for any sensible nesting of functions and parentheses; beyond it, or when no step
// can make progress, the expression is declared impossible.
constexpr int iterationsMax = 100;

// Each iteration depends on the text alone: one that ends on the normal text it started from
// would repeat itself up to the bound, a hundred passes over a long text for nothing.
bool avance(const QString& expression, QString& precedent, qint16& erreur)
{
    if (expression == precedent) {
        QString normal = expression;
        normaliseExpr(normal);
        if (normal == expression) {
            erreur = CodeCalcul::Impossible;
            return false;
        }
    }
    precedent = expression;
    return true;
}

}  // namespace

void calculeExpression(QString& expression, qint16& erreur, qint16 angles, bool afficheVide)
{
    erreur = CodeCalcul::Succes;
    normaliseExpr(expression);
    verifieExpr(expression, erreur);
    if (erreur != CodeCalcul::Succes)
        return;
    Jetons jetons = compteJetons(expression);
    QString precedent;
    int iterations = 0;
    for (;;) {
        if (expression == precedent)
            normaliseExpr(expression);
        if (++iterations > iterationsMax) {
            erreur = CodeCalcul::Impossible;
            return;
        }
        if (jetons.nbFonctions > 0) {
            if (!appliqueFonctions(expression, angles, jetons)) {
                erreur = CodeCalcul::Impossible;
                return;
            }
            normaliseExpr(expression);
        }
        if (jetons.nbParentheses > 0 && !reduitParentheses(expression, angles, jetons, afficheVide)) {
            erreur = CodeCalcul::Impossible;
            return;
        }
        jetons = compteJetons(expression);
        if (jetons.nbFonctions > 0 || jetons.nbParentheses > 0) {
            if (!avance(expression, precedent, erreur))
                return;
            continue;
        }
        if (jetons.nbOperateurs > 0) {
            if (!calculeOperateurs(expression, jetons, afficheVide)) {
                erreur = CodeCalcul::Impossible;
                return;
            }
            jetons = compteJetons(expression);
            if (jetons.nbOperateurs > 0) {
                if (!avance(expression, precedent, erreur))
                    return;
                continue;
            }
        }
        expression = expression.trimmed();
        // Pieces that no step could combine, or a text that is no number at all ("ABC", an
        // empty expression): nothing to show as a result.
        double valeur = 0.0;
        if (expression.contains(QLatin1Char(' ')) || !lisOperande(expression, valeur)) {
            erreur = CodeCalcul::Impossible;
            return;
        }
        expression = ecritNombre(valeur);
        return;
    }
}

}  // namespace Module1
