#include "core/nombres.h"

#include <cmath>

namespace Module1 {

QString formate(double valeur, const QString& image)
{
    const int point = image.indexOf(QLatin1Char('.'));
    int minDecimales = 0;
    int maxDecimales = 0;
    if (point >= 0) {
        for (int i = point + 1; i < image.size(); ++i) {
            if (image[i] == QLatin1Char('0'))
                ++minDecimales;
            if (image[i] == QLatin1Char('0') || image[i] == QLatin1Char('#'))
                ++maxDecimales;
        }
    }
    if (!std::isfinite(valeur))
        return valeur != valeur ? QStringLiteral("0") : (valeur > 0 ? QStringLiteral("+∞") : QStringLiteral("-∞"));

    QString texte = QString::number(valeur, 'f', maxDecimales);
    if (maxDecimales > minDecimales) {
        int fin = texte.size();
        const int decimalesMin = texte.indexOf(QLatin1Char('.')) + 1 + minDecimales;
        while (fin > decimalesMin && texte[fin - 1] == QLatin1Char('0'))
            --fin;
        texte.truncate(fin);
        if (texte.endsWith(QLatin1Char('.')))
            texte.chop(1);
    }
    // A value that rounds to zero is shown without a sign ("0,0", never "-0,0").
    if (texte.startsWith(QLatin1Char('-'))) {
        bool queDesZeros = true;
        for (int i = 1; i < texte.size(); ++i)
            if (texte[i] != QLatin1Char('0') && texte[i] != QLatin1Char('.'))
                queDesZeros = false;
        if (queDesZeros)
            texte.remove(0, 1);
    }
    texte.replace(QLatin1Char('.'), QLatin1Char(','));
    return texte;
}

double lisNombre(const QString& texte)
{
    return lisNombre(texte, nullptr);
}

double lisNombre(const QString& texte, int* longueurLue)
{
    QByteArray tampon;
    const int n = texte.size();
    int i = 0;
    while (i < n && (texte[i] == QLatin1Char(' ') || texte[i] == QLatin1Char('\t')))
        ++i;
    if (i < n && (texte[i] == QLatin1Char('+') || texte[i] == QLatin1Char('-')))
        tampon.append(char(texte[i++].unicode()));
    int chiffres = 0;
    while (i < n && texte[i].isDigit() && texte[i].unicode() < 128) {
        tampon.append(char(texte[i++].unicode()));
        ++chiffres;
    }
    if (i < n && (texte[i] == QLatin1Char(',') || texte[i] == QLatin1Char('.'))) {
        int j = i + 1;
        int decimales = 0;
        QByteArray partie(".");
        while (j < n && texte[j].isDigit() && texte[j].unicode() < 128) {
            partie.append(char(texte[j++].unicode()));
            ++decimales;
        }
        if (chiffres + decimales > 0) {
            tampon.append(partie);
            chiffres += decimales;
            i = j;
        }
    }
    if (chiffres == 0) {
        if (longueurLue)
            *longueurLue = 0;
        return 0.0;
    }
    if (i < n) {
        const QChar e = texte[i].toUpper();
        if (e == QLatin1Char('E') || e == QLatin1Char('D')) {
            int j = i + 1;
            QByteArray exposant("e");
            if (j < n && (texte[j] == QLatin1Char('+') || texte[j] == QLatin1Char('-')))
                exposant.append(char(texte[j++].unicode()));
            int chiffresExp = 0;
            while (j < n && texte[j].isDigit() && texte[j].unicode() < 128 && chiffresExp < 6) {
                exposant.append(char(texte[j++].unicode()));
                ++chiffresExp;
            }
            while (j < n && texte[j].isDigit() && texte[j].unicode() < 128)
                ++j;  // an absurd exponent is read as far as it goes: strtod gives inf or 0
            if (chiffresExp > 0) {
                tampon.append(exposant);
                i = j;
            }
        }
    }
    if (longueurLue)
        *longueurLue = i;
    // QByteArray::toDouble ignores the C locale (strtod would read a comma in French settings).
    bool ok = false;
    const double v = tampon.toDouble(&ok);
    if (ok)
        return v;
    // Out of range: toDouble refuses, the sign and the exponent say which way.
    const bool negatif = tampon.startsWith('-');
    const bool petit = tampon.contains("e-");
    if (petit)
        return negatif ? -0.0 : 0.0;
    return negatif ? -HUGE_VAL : HUGE_VAL;
}

}  // namespace Module1
