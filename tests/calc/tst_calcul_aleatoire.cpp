// SPDX-License-Identifier: GPL-3.0-or-later
// Thousands of generated expressions, with a fixed seed: typed garbage must always end with a
// code and never crash or hang; well-formed chains must give the value that an independent
// evaluation (on a list of numbers, same precedence rules) gives.

#include "calc/calcul.h"

#include <QtTest>

#include <cmath>
#include <random>
#include <vector>

using namespace Module1;

namespace {

constexpr int nbGarbage = 6000;
constexpr int nbLongs = 20;
constexpr int nbBienFormees = 6000;

// A well-formed expression and its value, computed apart from the engine.
struct Genere {
    QString texte;
    double valeur = 0.0;
    double plusGrand = 0.0;  // largest magnitude met on the way: it sets the rounding tolerance
    bool fini = true;        // every value met on the way was finite (pow(1, NaN) hides a NaN)
};

class Generateur {
public:
    explicit Generateur(unsigned graine) : alea_(graine) {}

    int entier(int min, int max) { return std::uniform_int_distribution<int>(min, max)(alea_); }
    bool pile() { return entier(0, 1) == 0; }

    QString blanc() { return entier(0, 3) == 0 ? QStringLiteral(" ") : QString(); }

    // Garbage: pieces of what a user might type, in any order.
    QString garbage(int nbPieces)
    {
        static const char* pieces[] = {"0", "1", "2", "7", "9", ".", "E", "e", "D", "+", "-", "*", "/", "^", "(", ")",
                                       " ", "sin", "COS", "tan", "inv", "ln", "LON", "log", "exp", "sqr", "INVSIN",
                                       "A", "Z", "x", ",", "#", "\t", "1E400", "9^9^9", "--", "E-", "0.5", "(("};
        QString s;
        for (int i = 0; i < nbPieces; ++i) {
            // Half of the pieces from digits and operators, so that some texts make sense.
            const int k = pile() ? entier(0, 15) : entier(0, int(std::size(pieces)) + 2);
            if (k == int(std::size(pieces)))
                s += QChar(0x00F9);  // ù
            else if (k == int(std::size(pieces)) + 1)
                s += QChar(0x00E9);  // é
            else if (k == int(std::size(pieces)) + 2)
                s += QChar(char16_t(entier(1, 0x2FF)));
            else
                s += QLatin1String(pieces[k]);
        }
        return s;
    }

    Genere operande(int profondeur)
    {
        const int choix = profondeur > 0 ? entier(0, 9) : 0;
        if (choix <= 5)
            return nombre();
        Genere g = chaine(profondeur - 1);
        if (choix <= 7) {
            g.texte = QLatin1Char('(') + blanc() + g.texte + blanc() + QLatin1Char(')');
            return g;
        }
        static const char* noms[] = {"sin", "COS", "tan", "sqr", "ln", "Log", "exp", "invsin", "invcos", "INVTAN"};
        const int f = entier(0, int(std::size(noms)) - 1);
        g.texte = QLatin1String(noms[f]) + blanc() + QLatin1Char('(') + g.texte + QLatin1Char(')');
        g.valeur = fonction(f, g.valeur);
        g.plusGrand = std::max(g.plusGrand, std::abs(g.valeur));
        g.fini = g.fini && std::isfinite(g.valeur);
        return g;
    }

    // Operands joined by operators, computed with the calculator's order: all powers, then
    // divisions, multiplications, subtractions, additions, each from left to right.
    Genere chaine(int profondeur)
    {
        const int n = entier(1, 5);
        std::vector<Genere> termes;
        std::vector<char> ops;
        QString texte;
        double plusGrand = 0.0;
        bool fini = true;
        for (int i = 0; i < n; ++i) {
            if (i > 0) {
                const char op = "+-*/+-*/+-*/^"[entier(0, 12)];
                ops.push_back(op);
                texte += blanc() + QLatin1Char(op) + blanc();
            }
            termes.push_back(operande(profondeur));
            texte += termes.back().texte;
            plusGrand = std::max(plusGrand, termes.back().plusGrand);
            fini = fini && termes.back().fini;
        }
        std::vector<double> v;
        for (const Genere& t : termes)
            v.push_back(t.valeur);
        for (const char op : {'^', '/', '*', '-', '+'}) {
            for (size_t i = 0; i < ops.size();) {
                if (ops[i] != op) {
                    ++i;
                    continue;
                }
                const double a = v[i];
                const double b = v[i + 1];
                const double r = op == '^' ? std::pow(a, b) : op == '/' ? a / b : op == '*' ? a * b : op == '-' ? a - b : a + b;
                v[i] = r;
                v.erase(v.begin() + long(i) + 1);
                ops.erase(ops.begin() + long(i));
                plusGrand = std::max(plusGrand, std::abs(r));
                fini = fini && std::isfinite(r);
            }
        }
        return {texte, v[0], plusGrand, fini};
    }

private:
    Genere nombre()
    {
        Genere g;
        switch (entier(0, 5)) {
        case 0:
            g.valeur = entier(0, 9) + entier(0, 9) / 10.0;
            g.texte = QString::number(g.valeur, 'f', 1);
            break;
        case 1:
            g.valeur = entier(1, 9) * 1e-3;
            g.texte = QStringLiteral("%1E-3").arg(g.valeur * 1e3, 0, 'f', 0);
            break;
        case 2:
            g.valeur = -entier(1, 9);  // a sign glued to its number
            g.texte = QString::number(g.valeur, 'f', 0);
            break;
        default:
            g.valeur = entier(0, 12);
            g.texte = QString::number(g.valeur, 'f', 0);
        }
        g.plusGrand = std::abs(g.valeur);
        return g;
    }

    static double fonction(int f, double x)
    {
        const double pi = 4 * std::atan(1.0);
        const auto asin = [](double y) {
            return y == 1 ? 2 * std::atan(1.0) : y == -1 ? -2 * std::atan(1.0) : std::atan(y / std::sqrt(1 - y * y));
        };
        switch (f) {
        case 0: return std::sin(x * (pi / 180));
        case 1: return std::cos(x * (pi / 180));
        case 2: return std::tan(x * (pi / 180));
        case 3: return std::sqrt(x);
        case 4: return x > 0 ? std::log(x) : std::nan("");
        case 5: return x > 0 ? std::log(x) / std::log(10.0) : std::nan("");
        case 6: return std::exp(x);
        case 7: return asin(x) * (180 / pi);
        case 8: return (2 * std::atan(1.0) - asin(x)) * (180 / pi);
        default: return std::atan(x) * (180 / pi);
        }
    }

    std::mt19937 alea_;
};

}  // namespace

class TstCalculAleatoire : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void saisiesQuelconques()
    {
        Generateur gen(20240517);
        QElapsedTimer chrono;
        chrono.start();
        int parCode[4] = {0, 0, 0, 0};
        for (int k = 0; k < nbGarbage + nbLongs; ++k) {
            const QString saisie = gen.garbage(k < nbGarbage ? gen.entier(0, 40) : gen.entier(1000, 3000));
            QString texte = saisie;
            qint16 erreur = -1;
            calculeExpression(texte, erreur, qint16(gen.entier(0, 1)));
            if (erreur < 0 || erreur > 3)
                QFAIL(qPrintable(QStringLiteral("code %1 for \"%2\"").arg(erreur).arg(saisie)));
            ++parCode[erreur];
            if (erreur == 0) {
                double v = 0.0;
                if (!lisOperande(texte, v) || ecritNombre(v) != texte)
                    QFAIL(qPrintable(QStringLiteral("\"%1\" gave the non-number \"%2\"").arg(saisie, texte)));
            }
        }
        qInfo("%d typed texts: codes 0/1/2/3 = %d/%d/%d/%d in %lld ms", nbGarbage + nbLongs, parCode[0], parCode[1],
              parCode[2], parCode[3], chrono.elapsed());
        // The generator must reach every outcome, or it tests less than it seems.
        for (int c = 0; c < 4; ++c)
            QVERIFY(parCode[c] > 0);
    }

    void expressionsBienFormees()
    {
        Generateur gen(7041995);
        QElapsedTimer chrono;
        chrono.start();
        int verifiees = 0;
        for (int k = 0; k < nbBienFormees; ++k) {
            const Genere g = gen.chaine(3);
            QString texte = g.texte;
            qint16 erreur = -1;
            calculeExpression(texte, erreur, ModeAngles::Degres);
            const bool calculable = g.fini && g.plusGrand < 1e12;
            if (!calculable) {
                // Rounding to 15 digits may move a value across a pole: 0 or 1, never 2 or 3.
                if (erreur != 0 && erreur != 1)
                    QFAIL(qPrintable(QStringLiteral("code %1 for \"%2\"").arg(erreur).arg(g.texte)));
                continue;
            }
            if (erreur != 0)
                QFAIL(qPrintable(QStringLiteral("code %1 for \"%2\" (expected %3)").arg(erreur).arg(g.texte).arg(g.valeur)));
            double v = 0.0;
            QVERIFY(lisOperande(texte, v));
            // Each intermediate result keeps 15 digits; steep functions (a power of tan) can
            // magnify that rounding a few million times, never to a wrong leading digit.
            const double tolerance = 1e-7 * (1.0 + std::abs(g.valeur)) + 1e-9 * g.plusGrand;
            if (std::abs(v - g.valeur) > tolerance)
                QFAIL(qPrintable(QStringLiteral("\"%1\" gave %2, expected %3").arg(g.texte, texte).arg(g.valeur, 0, 'g', 17)));
            ++verifiees;
        }
        qInfo("%d well-formed expressions, %d checked against their value, in %lld ms", nbBienFormees, verifiees,
              chrono.elapsed());
        QVERIFY(verifiees > nbBienFormees / 2);
    }
};

QTEST_GUILESS_MAIN(TstCalculAleatoire)
#include "tst_calcul_aleatoire.moc"
