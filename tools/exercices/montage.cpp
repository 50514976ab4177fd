// SPDX-License-Identifier: GPL-3.0-or-later
#include "montage.h"

#include "sim/echelle.h"

#include <QStringList>

namespace exercices {

namespace {

int indexDe(const QStringList& noms, const QString& valeur)
{
    for (int i = 0; i < noms.size(); ++i)
        if (valeur.compare(noms.at(i), Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

}  // namespace

bool Montage::regle(const QString& cle, const QString& valeur)
{
    const QString v = valeur.trimmed();
    if (cle == QLatin1String("lieu")) {
        lieu = indexDe({QStringLiteral("Terre"), QStringLiteral("Lune"), QStringLiteral("Mars")}, v);
        return lieu >= 0;
    }
    if (cle == QLatin1String("projectile")) {
        projectile = indexDe({QStringLiteral("pomme"), QStringLiteral("pierre"), QStringLiteral("ballon"),
                              QStringLiteral("boule"), QStringLiteral("rocher")},
                             v);
        return projectile >= 0;
    }
    if (cle == QLatin1String("procedure")) {
        enregistre = v == QLatin1String("chronophotographie");
        return enregistre || v == QLatin1String("animation");
    }
    if (cle == QLatin1String("echelle")) {
        echelle = v;
        return sim::Echelle::depuisTexte(v).has_value();
    }
    if (cle == QLatin1String("frottements")) {
        frottements = v == QLatin1String("oui");
        return frottements || v == QLatin1String("non");
    }
    if (cle == QLatin1String("options")) {
        repere = dates = grille = 0;
        for (const QString& o : v.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            const QString mot = o.trimmed();
            if (mot == QLatin1String("repere"))
                repere = 1;
            else if (mot == QLatin1String("dates"))
                dates = 1;
            else if (mot == QLatin1String("grille"))
                grille = 1;
            else
                return false;
        }
        return true;
    }
    if (cle == QLatin1String("echelle")) {
        const auto e = sim::Echelle::depuisTexte(v);
        if (!e)
            return false;
        echelle = e->texte();
        return true;
    }
    QString* champ = cle == QLatin1String("x0")       ? &x0
                     : cle == QLatin1String("y0")     ? &y0
                     : cle == QLatin1String("v0")     ? &v0
                     : cle == QLatin1String("angle")  ? &angle
                     : cle == QLatin1String("chrono") ? &chrono
                                                      : nullptr;
    if (!champ)
        return false;
    *champ = v;
    return true;
}

float gDuLieu(int lieu)
{
    switch (lieu) {
    case 1:
        return 1.62f;
    case 2:
        return 3.71f;
    default:
        return 9.8f;
    }
}

double masseDuProjectile(int projectile)
{
    static constexpr double masses[] = {0.180, 0.330, 0.450, 0.800, 1830.0};
    return projectile >= 0 && projectile < 5 ? masses[projectile] : 0.0;
}

QString texteDuLieu(int lieu)
{
    static const QStringList lieux = {QStringLiteral("Terre ( g = 9,8 N / kg )"), QStringLiteral("Lune ( g = 1,62 N / kg )"),
                                      QStringLiteral("Mars ( g = 3,71 N / kg )")};
    return lieux.value(lieu);
}

QString texteDuProjectile(int projectile)
{
    static const QStringList projectiles = {QStringLiteral("pomme ( m = 180 g )"), QStringLiteral("pierre ( m = 330 g )"),
                                            QStringLiteral("ballon ( m = 450 g )"), QStringLiteral("boule de pétanque ( m = 800 g )"),
                                            QStringLiteral("rocher ( m = 1830 kg )")};
    return projectiles.value(projectile);
}

}  // namespace exercices
