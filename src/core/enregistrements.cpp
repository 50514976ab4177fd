// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/enregistrements.h"

#include "core/windows1252.h"

namespace Enregistrements {

Enregistrement Lecteur::lis(int n) const
{
    if (n < 1)
        return {Etat::Absent, {}};
    const qint64 debut = qint64(n - 1) * kTailleEnregistrement;
    const qint64 taille = octets_.size();
    if (debut >= taille)
        return {Etat::Absent, {}};
    if (debut + 2 > taille)
        return {Etat::Endommage, {}};
    const int longueur = uchar(octets_[debut]) | (uchar(octets_[debut + 1]) << 8);
    if (longueur > kLongueurMax || debut + 2 + longueur > taille)
        return {Etat::Endommage, {}};
    return {Etat::Ok, Windows1252::decode(QByteArrayView(octets_).sliced(debut + 2, longueur))};
}

int Lecteur::nombre() const
{
    return int((octets_.size() + kTailleEnregistrement - 1) / kTailleEnregistrement);
}

Ecriture ecris(const QStringList& textes)
{
    Ecriture r;
    r.octets = QByteArray(textes.size() * kTailleEnregistrement, '\0');
    for (qsizetype i = 0; i < textes.size(); ++i) {
        const auto octets = Windows1252::encode(textes[i]);
        if (!octets || octets->size() > kLongueurMax) {
            r.erreur = octets ? ErreurEcriture::TexteTropLong : ErreurEcriture::CaractereInconnu;
            r.enregistrement = int(i + 1);
            r.octets.clear();
            return r;
        }
        char* slot = r.octets.data() + i * kTailleEnregistrement;
        slot[0] = char(octets->size() & 0xFF);
        slot[1] = char(octets->size() >> 8);
        std::copy(octets->begin(), octets->end(), slot + 2);
    }
    return r;
}

}  // namespace Enregistrements
