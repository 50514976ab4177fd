// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The calculator's expression engine. It rewrites the expression text, step after step, until
// one number is left. Pure code: no widgets, no message boxes; failures are result codes.
//
// Normal form of the text: upper case; binary operators spaced " + ", " - ", " * ", " / ", " ^ ";
// signs glued to their number; each function a three-letter name, one blank, its argument;
// one blank at each end.

#include <QString>
#include <QtGlobal>

namespace Module1 {

// Result codes of calculeExpression.
namespace CodeCalcul {
constexpr qint16 Succes = 0;
constexpr qint16 Impossible = 1;     // arithmetic or conversion failure, no progress, pieces left
constexpr qint16 Parentheses = 2;    // as many "(" as ")" are needed
constexpr qint16 Operateurs = 3;     // "*", "/" or "^" directly followed by another operator
}  // namespace CodeCalcul

// Angle modes, as the calculator window passes them.
namespace ModeAngles {
constexpr qint16 Degres = 0;
constexpr qint16 Radians = 1;
}  // namespace ModeAngles

// The three counters that steer the driver, recomputed by compteJetons and decremented by the
// step that consumes a token. Ints rather than 16-bit: a long typed text must not wrap them.
struct Jetons {
    int nbParentheses = 0;
    int nbFonctions = 0;
    int nbOperateurs = 0;
};

// The driver: evaluates the expression in place. On success (erreur = 0) the text holds the
// result written with a decimal point. afficheVide says the calculator's display is blank,
// which stops the operator step (the calculator never evaluates a blank display).
void calculeExpression(QString& expression, qint16& erreur, qint16 angles, bool afficheVide = false);

// Brings any typed expression into the normal form (ends with espaceExpr).
void normaliseExpr(QString& expression);
// Spacing pass: operators and function names get their blanks.
void espaceExpr(QString& expression);

// Syntax checks: sets erreur to 2 or 3, leaves it untouched when the text passes.
void verifieExpr(const QString& expression, qint16& erreur);
Jetons compteJetons(const QString& expression);

// Reduction steps. Each returns false on an arithmetic or conversion failure (code 1).
bool appliqueFonctions(QString& expression, qint16 angles, Jetons& jetons);
bool reduitParentheses(QString& expression, qint16 angles, Jetons& jetons, bool afficheVide = false);
bool calculeOperateurs(QString& expression, Jetons& jetons, bool afficheVide = false);

// --- number texts of the calculator ---

// Writes a value back into the expression: up to 15 significant digits, a point, an exponent
// ("1E+20", "1E-05") for large or small magnitudes. Never "-0".
QString ecritNombre(double valeur);

// Reads a whole token as a number: optional sign, digits with a point, optional exponent with
// "E" or "D". An exponent letter left without digits ("2E", typed before its exponent) counts
// for nothing. False when the token is not a number (letters, two points, no digit) or when
// the value is out of range.
bool lisOperande(const QString& jeton, double& valeur);

// The calculator's scientific display: one digit, up to seven decimals, a signed exponent of
// at least two digits ("1.2345679E+02", "6E+00"), always with a point.
QString formateScientifique(double valeur);

// π as the calculator computes it: 4 × arctan(1).
double valeurPi();

}  // namespace Module1
