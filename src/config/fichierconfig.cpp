// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/fichierconfig.h"

#include "core/nombres.h"

#include <QStringList>

#include <cmath>

namespace Config {

namespace {

// Records 2 to 6: the number at the start of the text, rounded to a 16-bit integer (half to
// even); nothing when it does not fit.
std::optional<qint16> entier(const QString& texte)
{
    const double v = std::nearbyint(Module1::lisNombre(texte));
    if (!std::isfinite(v) || v < -32768.0 || v > 32767.0)
        return std::nullopt;
    return qint16(v);
}

// What an extra record's text is to this program.
enum class Lu {
    Pris,     // its value, taken
    Etranger, // not written by this program (the rest of an older, longer file): it and the
              // records after it are left unread, as the first 11 alone always counted
    Refuse,   // its kind of value, but none this program can take: the file is not valid
};

// The extra records, in file order. Each one has its text, says whether the set-up needs it
// (a file stops after the last one needed, so a set-up with the defaults is written exactly as
// an 11-record file), and takes its text back when read. A record added later goes at the end.
struct Supplement {
    QString (*texte)(const Reglages&);
    bool (*utile)(const Reglages&);
    Lu (*lis)(const QString&, Reglages&);
};

// A number: comma or point, blanks around.
bool estNombre(const QString& texte)
{
    bool ok = false;
    QString(texte).trimmed().replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    return ok;
}

const Supplement supplements[] = {
    {[](const Reglages& r) { return r.echelle.texte(); }, [](const Reglages& r) { return !r.echelle.parDefaut(); },
     [](const QString& t, Reglages& r) {
         if (!estNombre(t))
             return Lu::Etranger;
         const std::optional<sim::Echelle> e = sim::Echelle::depuisTexte(t);
         if (!e)
             return Lu::Refuse;
         r.echelle = *e;
         return Lu::Pris;
     }},
    // Air resistance: "1" on, "0" off.
    {[](const Reglages& r) { return QString::number(r.frottements ? 1 : 0); },
     [](const Reglages& r) { return r.frottements; },
     [](const QString& t, Reglages& r) {
         if (!estNombre(t))
             return Lu::Etranger;
         const double v = Module1::lisNombre(t);
         if (v != 0.0 && v != 1.0)
             return Lu::Refuse;
         r.frottements = v == 1.0;
         return Lu::Pris;
     }},
};
constexpr int nombreSupplements = int(std::size(supplements));

// Absent, damaged or foreign extra records keep their defaults; false when one is refused.
bool lisSupplements(const Enregistrements::Lecteur& lecteur, Reglages& r)
{
    for (int i = 0; i < nombreSupplements; ++i) {
        const Enregistrements::Enregistrement e = lecteur.lis(kNombreEnregistrements + 1 + i);
        if (e.etat != Enregistrements::Etat::Ok)
            return true;
        const Lu lu = supplements[i].lis(e.texte, r);
        if (lu == Lu::Refuse)
            return false;
        if (lu == Lu::Etranger)
            return true;
    }
    return true;
}

}  // namespace

qint64 tailleLue()
{
    return qint64(kNombreEnregistrements + nombreSupplements) * Enregistrements::kTailleEnregistrement;
}

QString texteEntier(int valeur)
{
    return valeur < 0 ? QString::number(valeur) : u' ' + QString::number(valeur);
}

Enregistrements::Ecriture ecris(const Reglages& r)
{
    QStringList textes{signature, texteEntier(r.lieu), texteEntier(r.projectile)};
    for (qint16 o : r.options)
        textes << texteEntier(o);
    for (const QString& c : r.champs)
        textes << c;
    int derniere = 0;
    for (int i = 0; i < nombreSupplements; ++i)
        if (supplements[i].utile(r))
            derniere = i + 1;
    for (int i = 0; i < derniere; ++i)
        textes << supplements[i].texte(r);
    return Enregistrements::ecris(textes);
}

Lecture lis(const QByteArray& octets, const Limites& limites)
{
    using Enregistrements::Etat;
    const Enregistrements::Lecteur lecteur(octets);
    Lecture l;
    const Enregistrements::Enregistrement premier = lecteur.lis(1);
    if (premier.etat == Etat::Endommage) {
        l.erreur = ErreurLecture::Illisible;
        return l;
    }
    if (premier.texte != signature) {
        l.erreur = ErreurLecture::NonValide;
        return l;
    }
    if (!lisSupplements(lecteur, l.reglages)) {
        l.erreur = ErreurLecture::NonValide;
        return l;
    }
    l.signatureValide = true;
    for (int n = 2; n <= kNombreEnregistrements; ++n) {
        const Enregistrements::Enregistrement e = lecteur.lis(n);
        if (e.etat != Etat::Ok) {
            l.erreur = ErreurLecture::Illisible;
            return l;
        }
        if (n >= 7) {
            l.reglages.champs[n - 7] = e.texte;
        } else {
            const std::optional<qint16> v = entier(e.texte);
            const int max = n == 2 ? limites.lieux - 1 : n == 3 ? limites.projectiles - 1 : 2;
            const int min = n <= 3 ? -1 : 0;
            if (!v || *v < min || *v > max) {
                l.erreur = ErreurLecture::Illisible;
                return l;
            }
            if (n == 2)
                l.reglages.lieu = *v;
            else if (n == 3)
                l.reglages.projectile = *v;
            else
                l.reglages.options[n - 4] = *v;
        }
        ++l.valables;
    }
    return l;
}

}  // namespace Config
