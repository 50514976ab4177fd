// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/saisie.h"

#include "core/nombres.h"

#include <QtGlobal>

#include <cmath>

namespace sim {

QChar filtreTouche(Champ champ, QChar touche)
{
    if (touche == QLatin1Char('.'))
        touche = QLatin1Char(',');
    if (touche == toucheRetour || touche == toucheEntree)
        return touche;
    if (touche.unicode() >= '0' && touche.unicode() <= '9')
        return touche;
    switch (champ) {
    case Champ::X0:
    case Champ::Angle:
        if (touche == QLatin1Char('-') || touche == QLatin1Char(','))
            return touche;
        break;
    case Champ::Y0:
    case Champ::V0:
        if (touche == QLatin1Char(','))
            return touche;
        break;
    case Champ::Chrono:
        break;
    }
    return QChar();
}

namespace {

float lis(const QString& texte)
{
    const double v = Module1::lisNombre(texte);
    // Beyond what a float holds, the clamps below still apply.
    if (!std::isfinite(v))
        return v > 0 ? 1e30f : -1e30f;
    return float(qBound(-1e30, v, 1e30));
}

QString champ(double valeur)
{
    return Module1::formate(valeur, Module1::imageChamp);
}

}  // namespace

QString texteX0(double gauche, Echelle e)
{
    return champ(e.xDe(gauche));
}

QString texteY0(double haut, Echelle e)
{
    return champ(e.yDe(haut));
}

namespace {

// At a smaller scale a twip is centimetres: a value the scene shows is kept as typed (to the
// field's two decimals) rather than read back from the picture; only one outside is clamped.
Position garde(const QString& texte, Echelle e, bool abscisse)
{
    const QString arrondi = champ(lis(texte));
    const float v = lis(arrondi);
    const double coord = abscisse ? e.gaucheDe(v) : e.hautDe(v);
    const double max = abscisse ? gaucheMax : hautMax;
    if (coord >= 0.0 && coord <= max)
        return {coord, arrondi};
    const double borne = qBound(0.0, coord, max);
    return {borne, abscisse ? texteX0(borne, e) : texteY0(borne, e)};
}

}  // namespace

Position valideX0(const QString& texte, Echelle e)
{
    if (!e.parDefaut())
        return garde(texte, e, true);
    const double gauche = qBound(0.0, e.gaucheDe(lis(texte)), gaucheMax);
    return {gauche, texteX0(gauche, e)};
}

Position valideY0(const QString& texte, Echelle e)
{
    if (!e.parDefaut())
        return garde(texte, e, false);
    const double haut = qBound(0.0, e.hautDe(lis(texte)), hautMax);
    return {haut, texteY0(haut, e)};
}

QString valideV0(const QString& texte)
{
    float v = lis(texte);
    if (v < 0)
        v = 0;
    if (v > 100)
        v = 100;
    return champ(v);
}

QString valideAngle(const QString& texte)
{
    float a = lis(texte);
    if (a < -180)
        a = -180;
    if (a > 180)
        a = 180;
    if (std::fabs(a) < 5)
        a = 0;
    return champ(a);
}

QString valideChrono(const QString& texte)
{
    double v = std::floor(Module1::lisNombre(texte));
    if (!(v >= 10))
        v = 10;
    if (v > 5000)
        v = 5000;
    return QString::number(qint64(v));
}

}  // namespace sim
