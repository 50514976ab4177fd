// SPDX-License-Identifier: GPL-3.0-or-later
// The check of the exercise description reader, apart from the others: it needs the exercise
// library only.

#include "verifications.h"

#include "exercises/description.h"

#include <cmath>
#include <utility>

namespace verifications {

namespace {

// Windows-1252 from 0x80 to 0x9F, written out again here rather than taken from the reader's
// table, so that a wrong entry there shows; the five undefined bytes keep their value.
constexpr char16_t haut[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

enum class Attendu { Absent, Abime, Lu };

// What slot n of the file holds, read byte by byte.
Attendu attendu(const QByteArray& octets, int n, QString& texte)
{
    texte.clear();
    const qsizetype debut = qsizetype(n - 1) * 128;
    if (debut >= octets.size())
        return Attendu::Absent;
    if (debut + 2 > octets.size())
        return Attendu::Abime;
    const int longueur = uchar(octets[debut]) + 256 * uchar(octets[debut + 1]);
    if (longueur > 126 || debut + 2 + longueur > octets.size())
        return Attendu::Abime;
    for (int k = 0; k < longueur; ++k) {
        const uchar o = uchar(octets[debut + 2 + k]);
        texte += QChar(o >= 0x80 && o < 0xA0 ? haut[o - 0x80] : char16_t(o));
    }
    return Attendu::Lu;
}

bool blanc(const QString& texte)
{
    return texte.count(QLatin1Char(' ')) == texte.size();
}

bool memes(const Exercices::DescriptionExercice& a, const Exercices::DescriptionExercice& b)
{
    return a.textes == b.textes && a.abimes == b.abimes;
}

}  // namespace

QString description(const QByteArray& donnees)
{
    using Exercices::nombreEnregistrements;
    const Exercices::DescriptionExercice d = Exercices::lisDescription(donnees);
    QString textes[nombreEnregistrements + 1];
    for (int n = 1; n <= nombreEnregistrements; ++n) {
        const Attendu a = attendu(donnees, n, textes[n]);
        if (d.abime(n) != (a == Attendu::Abime))
            return QStringLiteral("enregistrement %1: %2 à tort").arg(n).arg(d.abime(n) ? QStringLiteral("abîmé") : QStringLiteral("lisible"));
        if (d.texte(n) != textes[n])
            return QStringLiteral("enregistrement %1: \"%2\" au lieu de \"%3\"")
                .arg(n).arg(d.texte(n).left(40), textes[n].left(40));
    }
    for (int n : {-1, 0, nombreEnregistrements + 1})
        if (!d.texte(n).isEmpty() || d.abime(n))
            return QStringLiteral("enregistrement %1 hors du fichier lu").arg(n);
    // What the open and correction actions ask before they read records 1 to 4.
    for (const auto& [premier, dernier] : {std::pair{1, 2}, std::pair{3, 4}, std::pair{1, 4}}) {
        bool lisible = true;
        for (int n = premier; n <= dernier; ++n)
            lisible = lisible && attendu(donnees, n, textes[0]) != Attendu::Abime;
        if (d.lisible(premier, dernier) != lisible)
            return QStringLiteral("enregistrements %1 à %2 mal jugés").arg(premier).arg(dernier);
    }

    // The preview's figures.
    if (d.corrige() != (!blanc(textes[3]) || !blanc(textes[4])))
        return QStringLiteral("correction mal jugée");
    const double difficulte = d.difficulte();
    if (std::isnan(difficulte))
        return QStringLiteral("difficulté NaN");
    const int marques = Exercices::marquesAllumees(difficulte);
    if (marques < 0 || marques > 3 || (marques > 0) != (difficulte > 0) || (marques == 3) != (difficulte > 2))
        return QStringLiteral("%1 marques pour une difficulté de %2").arg(marques).arg(difficulte);
    QString notions;
    for (int n = 7; n <= 10; ++n)
        if (!blanc(textes[n]))
            notions += textes[n];
    if (d.notions() != notions)
        return QStringLiteral("notions \"%1\" au lieu de \"%2\"").arg(d.notions().left(40), notions.left(40));
    if (d.titre() != textes[11].trimmed())
        return QStringLiteral("titre \"%1\" au lieu de \"%2\"").arg(d.titre().left(40), textes[11].trimmed().left(40));

    // The exercise window reads the eleven slots and nothing further.
    if (!memes(d, Exercices::lisDescription(donnees.left(nombreEnregistrements * 128))))
        return QStringLiteral("la lecture dépend de ce qui suit le onzième enregistrement");
    return {};
}

}  // namespace verifications
