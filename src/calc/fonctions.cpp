// SPDX-License-Identifier: GPL-3.0-or-later
// The function step and the parenthesis step of the reduction.

#include "calc/calcul.h"
#include "calc/noms.h"

#include <algorithm>
#include <cmath>

namespace Module1 {

namespace {

bool estChiffre(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Arcsine as the calculator computes it; NaN beyond 1 in magnitude.
double arcSinus(double x)
{
    if (x == 1.0)
        return 2.0 * std::atan(1.0);
    if (x == -1.0)
        return -2.0 * std::atan(1.0);
    return std::atan(x / std::sqrt(1.0 - x * x));
}

double valeurFonction(QLatin1String nom, double x, qint16 angles)
{
    const bool degres = angles == ModeAngles::Degres;
    const double pi = valeurPi();
    const double versRadians = pi / 180.0;
    const double versDegres = 180.0 / pi;
    if (nom == QLatin1String("SQR"))
        return std::sqrt(x);
    if (nom == QLatin1String("EXP"))
        return std::exp(x);
    if (nom == QLatin1String("LON"))
        return x > 0.0 ? std::log(x) : std::nan("");
    if (nom == QLatin1String("LOG"))
        return x > 0.0 ? std::log(x) / std::log(10.0) : std::nan("");
    if (nom == QLatin1String("SIN"))
        return std::sin(degres ? x * versRadians : x);
    if (nom == QLatin1String("COS"))
        return std::cos(degres ? x * versRadians : x);
    if (nom == QLatin1String("TAN"))
        return std::tan(degres ? x * versRadians : x);
    double v = 0.0;
    if (nom == QLatin1String("ITA"))
        v = std::atan(x);
    else if (nom == QLatin1String("ISI"))
        v = arcSinus(x);
    else  // "ICO"
        v = 2.0 * std::atan(1.0) - arcSinus(x);
    return degres ? v * versDegres : v;
}

bool contientNomDeFonction(QStringView texte)
{
    // Letters "F" to "Y" belong to function names; "D" and "E" are exponent letters.
    for (const QChar c : texte)
        if (c.unicode() >= 70 && c.unicode() <= 89)
            return true;
    return false;
}

}  // namespace

bool appliqueFonctions(QString& expression, qint16 angles, Jetons& jetons)
{
    qsizetype i = 0;
    while (jetons.nbFonctions > 0 && i < expression.size()) {
        const char* nom = noms::fonctionEn(expression, i);
        const qsizetype debut = i + 4;  // first character of the argument, after the name's blank
        if (!nom || debut >= expression.size() || expression[i + 3] != QLatin1Char(' ')) {
            ++i;
            continue;
        }
        const QChar premier = expression[debut];
        if (!estChiffre(premier) && premier != QLatin1Char('-') && premier != QLatin1Char('.')) {
            ++i;  // a parenthesis or another function: this one waits for its argument
            continue;
        }
        qsizetype fin = debut;
        while (fin < expression.size() && expression[fin] != QLatin1Char(')') && expression[fin] != QLatin1Char(' '))
            ++fin;
        const QStringView argument = QStringView(expression).mid(debut, fin - debut);
        // "-(" or "-SIN": the sign of an argument that is not computed yet.
        if (premier == QLatin1Char('-')
            && (argument.size() < 2 || (!estChiffre(argument[1]) && argument[1] != QLatin1Char('.')))) {
            ++i;
            continue;
        }
        double x = 0.0;
        if (!lisOperande(argument.toString(), x))
            return false;
        const double v = valeurFonction(QLatin1String(nom), x, angles);
        if (!std::isfinite(v))
            return false;
        expression.replace(i, fin - i, ecritNombre(v));
        --jetons.nbFonctions;
        // The scan starts again from the beginning in effect: a function before this one can
        // only have been waiting for this argument if its own argument starts here ("SIN SIN 30")
        // or one sign before ("SIN -SIN 30"), that is at most five positions back.
        i = std::max<qsizetype>(0, i - 5);
    }
    return true;
}

bool reduitParentheses(QString& expression, qint16 /*angles*/, Jetons& jetons, bool afficheVide)
{
    // Each reduction removes the last "(", so the next one is searched for before it. The whole
    // text is normalised once at the end: each inner text is normalised before it is computed,
    // which folds the signs that a reduced value brings, and a value left between plain
    // parentheses is reduced as they are. Normalising after every pair gives the same text and
    // made deep nesting quadratic.
    qsizetype depuis = expression.size() - 1;
    bool ok = true;
    bool reduit = false;
    while (ok) {
        const qsizetype ouvrante = depuis < 0 ? -1 : expression.lastIndexOf(QLatin1Char('('), depuis);
        if (ouvrante < 0)
            break;
        const qsizetype fermante = expression.indexOf(QLatin1Char(')'), ouvrante);
        if (fermante < 0) {
            ok = false;  // ")" before "(": nothing sensible to reduce
            break;
        }
        QString interieur = expression.mid(ouvrante + 1, fermante - ouvrante - 1);
        if (contientNomDeFonction(interieur))
            break;  // the function step must act first
        normaliseExpr(interieur);
        if (!calculeOperateurs(interieur, jetons, afficheVide)) {
            ok = false;
            break;
        }
        interieur = interieur.trimmed();
        // Only a number may replace the parentheses: pieces spliced back without them would be
        // computed with the wrong precedence.
        double v = 0.0;
        if (!lisOperande(interieur, v)) {
            ok = false;
            break;
        }
        expression.replace(ouvrante, fermante - ouvrante + 1, interieur);
        --jetons.nbParentheses;
        reduit = true;
        depuis = ouvrante - 1;
        if (jetons.nbParentheses <= 0)
            break;
    }
    if (reduit)
        normaliseExpr(expression);
    return ok;
}

}  // namespace Module1
