// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/calcul.h"

#include "core/nombres.h"

#include <QByteArray>

#include <cmath>

namespace Module1 {

namespace {

bool estChiffre(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

}  // namespace

QString ecritNombre(double valeur)
{
    if (valeur == 0.0)
        return QStringLiteral("0");  // also -0: a sign on zero would only puzzle the pupil
    return QString::number(valeur, 'G', 15);
}

bool lisOperande(const QString& jeton, double& valeur)
{
    valeur = 0.0;
    const int n = jeton.size();
    int i = 0;
    QByteArray tampon;
    if (i < n && (jeton[i] == QLatin1Char('+') || jeton[i] == QLatin1Char('-')))
        tampon.append(char(jeton[i++].unicode()));
    int chiffres = 0;
    while (i < n && estChiffre(jeton[i])) {
        tampon.append(char(jeton[i++].unicode()));
        ++chiffres;
    }
    if (i < n && jeton[i] == QLatin1Char('.')) {
        tampon.append('.');
        ++i;
        while (i < n && estChiffre(jeton[i])) {
            tampon.append(char(jeton[i++].unicode()));
            ++chiffres;
        }
    }
    if (chiffres == 0)
        return false;
    if (i < n && (jeton[i] == QLatin1Char('E') || jeton[i] == QLatin1Char('D') || jeton[i] == QLatin1Char('e')
                  || jeton[i] == QLatin1Char('d'))) {
        ++i;
        QByteArray exposant("e");
        if (i < n && (jeton[i] == QLatin1Char('+') || jeton[i] == QLatin1Char('-')))
            exposant.append(char(jeton[i++].unicode()));
        int chiffresExp = 0;
        while (i < n && estChiffre(jeton[i])) {
            exposant.append(char(jeton[i++].unicode()));
            ++chiffresExp;
        }
        if (chiffresExp > 0)
            tampon.append(exposant);
    }
    if (i != n)
        return false;
    // Too large is an overflow (a failed step), too small is 0, whatever the digits look like.
    const double v = valeurDecimale(std::string_view(tampon.constData(), size_t(tampon.size())));
    if (!std::isfinite(v))
        return false;
    valeur = v;
    return true;
}

QString formateScientifique(double valeur)
{
    if (!std::isfinite(valeur))
        return ecritNombre(valeur);
    if (valeur == 0.0)
        return QStringLiteral("0E+00");
    QString texte = QString::number(valeur, 'E', 7);  // "1.2345679E+02"
    const int e = texte.indexOf(QLatin1Char('E'));
    QString mantisse = texte.left(e);
    QString exposant = texte.mid(e + 1);
    while (mantisse.endsWith(QLatin1Char('0')))
        mantisse.chop(1);
    if (mantisse.endsWith(QLatin1Char('.')))
        mantisse.chop(1);
    // At least two exponent digits, always a sign.
    QChar signe = QLatin1Char('+');
    if (exposant.startsWith(QLatin1Char('+')) || exposant.startsWith(QLatin1Char('-'))) {
        signe = exposant[0];
        exposant.remove(0, 1);
    }
    while (exposant.size() > 2 && exposant.startsWith(QLatin1Char('0')))
        exposant.remove(0, 1);
    while (exposant.size() < 2)
        exposant.prepend(QLatin1Char('0'));
    return mantisse + QLatin1Char('E') + signe + exposant;
}

double valeurPi()
{
    return 4.0 * std::atan(1.0);
}

}  // namespace Module1
