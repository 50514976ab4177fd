// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/description.h"

#include "core/enregistrements.h"
#include "core/nombres.h"

namespace Exercices {

bool estVide(const QString& texte)
{
    // Blank in the old sense: only spaces. Other characters (line breaks in notions) count.
    for (QChar c : texte)
        if (c != QLatin1Char(' '))
            return false;
    return true;
}

QString DescriptionExercice::texte(int n) const
{
    return n >= 1 && n <= nombreEnregistrements ? textes[size_t(n - 1)] : QString();
}

bool DescriptionExercice::abime(int n) const
{
    return n >= 1 && n <= nombreEnregistrements && abimes[size_t(n - 1)];
}

bool DescriptionExercice::lisible(int premier, int dernier) const
{
    for (int n = premier; n <= dernier; ++n)
        if (abime(n))
            return false;
    return true;
}

bool DescriptionExercice::corrige() const
{
    return !estVide(correction()) || !estVide(configurationCorrection());
}

double DescriptionExercice::difficulte() const
{
    return Module1::lisNombre(texte(5));
}

QString DescriptionExercice::notions() const
{
    QString resultat;
    for (int n = 7; n <= 10; ++n)
        if (!estVide(texte(n)))
            resultat += texte(n);
    return resultat;
}

QString DescriptionExercice::titre() const
{
    return texte(11).trimmed();
}

QString DescriptionExercice::classe() const
{
    static const QStringList niveaux = {QStringLiteral("Seconde"), QStringLiteral("Première"),
                                        QStringLiteral("Terminale")};
    const QString t = texte(6).trimmed();
    for (const QString& n : niveaux)
        if (t.compare(n, Qt::CaseInsensitive) == 0)
            return n;
    return QString();
}

DescriptionExercice lisDescription(const QByteArray& octets)
{
    DescriptionExercice d;
    const Enregistrements::Lecteur lecteur(octets);
    for (int n = 1; n <= nombreEnregistrements; ++n) {
        const Enregistrements::Enregistrement e = lecteur.lis(n);
        d.abimes[size_t(n - 1)] = e.etat == Enregistrements::Etat::Endommage;
        if (e.etat == Enregistrements::Etat::Ok)
            d.textes[size_t(n - 1)] = e.texte;
    }
    return d;
}

int marquesAllumees(double difficulte)
{
    int allumees = 0;
    for (int i = 0; i < 3; ++i)
        if (difficulte > i)
            ++allumees;
    return allumees;
}

}  // namespace Exercices
