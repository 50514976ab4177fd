// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator's evaluation time for a long typed expression.

#include "bench.h"

#include "calc/calcul.h"

#include <QElapsedTimer>
#include <QStringList>

namespace {

// An expression of at least n tokens (numbers, operators, functions, parentheses), built from
// pieces that each use every kind of token once in a while.
QString expressionDe(int n, int* jetons)
{
    struct Morceau {
        const char* texte;
        int jetons;
    };
    static const Morceau morceaux[] = {
        {"sin(30) * 2", 6},            // sin ( 30 ) * 2
        {"(1.5 + 2.25) ^ 2 / 3", 9},   // ( 1.5 + 2.25 ) ^ 2 / 3
        {"ln(2 * (3 + 4))", 10},       // ln ( 2 * ( 3 + 4 ) )
        {"sqr(16) - 1E-3", 6},         // sqr ( 16 ) - 1E-3
        {"invtan(1) / 45", 6},         // invtan ( 1 ) / 45
        {"2 ^ 3 ^ 2 - 8 / 2 / 2", 11}, // 2 ^ 3 ^ 2 - 8 / 2 / 2
    };
    QString texte;
    int total = 0;
    for (int i = 0; total < n; ++i) {
        const Morceau& m = morceaux[i % std::size(morceaux)];
        if (!texte.isEmpty()) {
            texte += QStringLiteral(" + ");
            ++total;
        }
        texte += QLatin1String(m.texte);
        total += m.jetons;
    }
    *jetons = total;
    return texte;
}

double dureeMs(const QString& expression, int repetitions)
{
    std::vector<double> durees;
    for (int i = 0; i < repetitions; ++i) {
        QString texte = expression;
        qint16 erreur = 0;
        QElapsedTimer chrono;
        chrono.start();
        Module1::calculeExpression(texte, erreur, Module1::ModeAngles::Degres);
        durees.push_back(chrono.nsecsElapsed() / 1e6);
    }
    return mediane(durees);
}

}  // namespace

BALTOR_BENCH(calc)
{
    int jetons200 = 0;
    const QString e200 = expressionDe(200, &jetons200);
    int jetons2000 = 0;
    const QString e2000 = expressionDe(2000, &jetons2000);
    // Texts that once cost far more than their length: signs nested in parentheses (one pass
    // of the normalisation per level), and a function that never gets a number to act on (a
    // hundred idle iterations).
    const QString signes = QStringLiteral("(-").repeated(2000) + QLatin1Char('1') + QStringLiteral(")").repeated(2000);
    const QString bloque = QStringLiteral("sin(").repeated(40) + QLatin1Char('x') + QStringLiteral(")").repeated(40);
    return {
        {QStringLiteral("calc_200_tokens_ms"), dureeMs(e200, 50), QStringLiteral("ms")},
        {QStringLiteral("calc_2000_tokens_ms"), dureeMs(e2000, 5), QStringLiteral("ms")},
        {QStringLiteral("calc_2000_signs_nested_ms"), dureeMs(signes, 5), QStringLiteral("ms")},
        {QStringLiteral("calc_stuck_200_chars_ms"), dureeMs(bloque, 50), QStringLiteral("ms")},
    };
}
