// SPDX-License-Identifier: GPL-3.0-or-later
// The operator step: powers, then divisions, multiplications, subtractions and additions,
// each chain from left to right.

#include "calc/calcul.h"

#include <cmath>

namespace Module1 {

namespace {

double opere(QChar op, double a, double b)
{
    switch (op.unicode()) {
    case '^':
        return std::pow(a, b);
    case '/':
        return a / b;
    case '*':
        return a * b;
    case '-':
        return a - b;
    default:
        return a + b;
    }
}

}  // namespace

bool calculeOperateurs(QString& expression, Jetons& jetons, bool afficheVide)
{
    if (afficheVide)
        return true;  // the calculator evaluates nothing on a blank display
    normaliseExpr(expression);
    static const QChar ordre[] = {QLatin1Char('^'), QLatin1Char('/'), QLatin1Char('*'), QLatin1Char('-'), QLatin1Char('+')};
    int k = 0;
    while (k < 5 && jetons.nbOperateurs > 0) {
        const QChar op = ordre[k];
        const QString motif = QStringLiteral(" ") + op + QLatin1Char(' ');
        bool change = false;
        // The leftmost occurrence each time: a chain is computed from left to right
        // (2 ^ 3 ^ 2 gives 64). Nothing before the last result can match again, since a
        // result holds no blank, so the search resumes where that result starts.
        qsizetype depart = 2;
        while (jetons.nbOperateurs > 0) {
            const qsizetype p = expression.indexOf(motif, depart);
            if (p < 0)
                break;
            const qsizetype debutGauche = expression.lastIndexOf(QLatin1Char(' '), p - 1) + 1;
            const qsizetype debutDroite = p + 3;
            qsizetype finDroite = expression.indexOf(QLatin1Char(' '), debutDroite);
            if (finDroite < 0)
                finDroite = expression.size();
            double a = 0.0;
            double b = 0.0;
            if (!lisOperande(expression.mid(debutGauche, p - debutGauche), a)
                || !lisOperande(expression.mid(debutDroite, finDroite - debutDroite), b))
                return false;
            const double r = opere(op, a, b);
            if (!std::isfinite(r))
                return false;  // division by zero, overflow, root of a negative number
            expression.replace(debutGauche, finDroite - debutGauche, ecritNombre(r));
            --jetons.nbOperateurs;
            change = true;
            depart = std::max<qsizetype>(2, debutGauche);
        }
        // After a change the sweep starts again with the powers.
        k = change ? 0 : k + 1;
    }
    return true;
}

}  // namespace Module1
