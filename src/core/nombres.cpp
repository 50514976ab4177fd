// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/nombres.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

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
    const auto chiffre = [&](int k) { return k < n && texte[k].unicode() >= '0' && texte[k].unicode() <= '9'; };
    while (i < n && (texte[i] == QLatin1Char(' ') || texte[i] == QLatin1Char('\t')))
        ++i;
    if (i < n && (texte[i] == QLatin1Char('+') || texte[i] == QLatin1Char('-')))
        tampon.append(char(texte[i++].unicode()));
    int chiffres = 0;
    while (chiffre(i)) {
        tampon.append(char(texte[i++].unicode()));
        ++chiffres;
    }
    if (i < n && (texte[i] == QLatin1Char(',') || texte[i] == QLatin1Char('.'))) {
        int j = i + 1;
        int decimales = 0;
        QByteArray partie(".");
        while (chiffre(j)) {
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
            const int debut = j;
            while (chiffre(j))
                exposant.append(char(texte[j++].unicode()));
            if (j > debut) {
                tampon.append(exposant);
                i = j;
            }
        }
    }
    if (longueurLue)
        *longueurLue = i;
    return valeurDecimale(std::string_view(tampon.constData(), size_t(tampon.size())));
}

double valeurDecimale(std::string_view texte)
{
    size_t i = 0;
    bool negatif = false;
    if (i < texte.size() && (texte[i] == '+' || texte[i] == '-'))
        negatif = texte[i++] == '-';
    // value = significatifs × 10^puissance, leading zeros dropped.
    std::string significatifs;
    long long puissance = 0;
    bool apresPoint = false;
    for (; i < texte.size() && texte[i] != 'e' && texte[i] != 'E'; ++i) {
        if (texte[i] == '.') {
            apresPoint = true;
            continue;
        }
        if (!significatifs.empty() || texte[i] != '0')
            significatifs.push_back(texte[i]);
        if (apresPoint)
            --puissance;
    }
    if (i < texte.size()) {
        ++i;
        bool exposantNegatif = false;
        if (i < texte.size() && (texte[i] == '+' || texte[i] == '-'))
            exposantNegatif = texte[i++] == '-';
        // Saturated far beyond any range a mantissa of this length could bring back.
        long long exposant = 0;
        for (; i < texte.size(); ++i)
            exposant = std::min(exposant * 10 + (texte[i] - '0'), 1'000'000'000'000'000LL);
        puissance += exposantNegatif ? -exposant : exposant;
    }
    while (!significatifs.empty() && significatifs.back() == '0') {
        significatifs.pop_back();
        ++puissance;
    }
    const double zero = negatif ? -0.0 : 0.0;
    const double infini = negatif ? -HUGE_VAL : HUGE_VAL;
    if (significatifs.empty())
        return zero;
    // The value lies in [10^(ordre-1), 10^ordre).
    const long long ordre = puissance + (long long)significatifs.size();
    if (ordre > 310)
        return infini;
    if (ordre < -330)
        return zero;
    // 800 digits decide the rounding of any double; a sticky 1 stands for the non-zero rest.
    constexpr size_t garde = 800;
    if (significatifs.size() > garde + 1) {
        puissance += (long long)(significatifs.size() - garde - 1);
        significatifs.resize(garde);
        significatifs.push_back('1');
    }
    significatifs += 'e';
    significatifs += std::to_string(puissance);
    // from_chars reads the same in every locale (strtod would want a comma in French settings).
    double v = 0.0;
    const auto r = std::from_chars(significatifs.data(), significatifs.data() + significatifs.size(), v);
    if (r.ec == std::errc::result_out_of_range)
        return ordre > 0 ? infini : zero;
    return negatif ? -v : v;
}

}  // namespace Module1
