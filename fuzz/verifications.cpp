// SPDX-License-Identifier: GPL-3.0-or-later
#include "verifications.h"

#include "calc/calcul.h"
#include "config/fichierconfig.h"
#include "core/enregistrements.h"
#include "core/module1.h"
#include "core/nombres.h"
#include "sim/animation.h"
#include "sim/echelle.h"
#include "sim/saisie.h"

#include <QRegularExpression>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

namespace verifications {

namespace {

// Bytes as a field or the calculator holds them: one character each, so that positions match.
QString texteDe(const QByteArray& donnees)
{
    return QString::fromLatin1(donnees);
}

bool memesBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// The number reader's alphabet: within it, strtod and lisNombre must stop at the same place.
bool alphabetDuLecteur(const QString& texte)
{
    for (QChar c : texte)
        if (!QStringLiteral("0123456789+-.,eEdD \t").contains(c))
            return false;
    return true;
}

std::string pourStrtod(const QString& texte)
{
    std::string s;
    s.reserve(size_t(texte.size()));
    for (QChar c : texte) {
        char o = char(c.unicode() < 128 ? c.unicode() : '#');
        if (o == ',')
            o = '.';
        else if (o == 'D' || o == 'd')
            o = 'e';
        s.push_back(o);
    }
    return s;
}

}  // namespace

QString nombre(const QByteArray& donnees)
{
    std::setlocale(LC_NUMERIC, "C");  // strtod with a decimal point, whatever the test's locale
    const QString texte = texteDe(donnees);
    int lus = -1;
    const double v = Module1::lisNombre(texte, &lus);
    if (lus < 0 || lus > texte.size())
        return QStringLiteral("longueur lue hors du texte: %1").arg(lus);
    if (std::isnan(v))
        return QStringLiteral("NaN");
    if (lus == 0)
        return memesBits(v, 0.0) ? QString() : QStringLiteral("rien lu mais %1").arg(v);
    const std::string lu = pourStrtod(texte.left(lus));
    char* fin = nullptr;
    const double attendu = std::strtod(lu.c_str(), &fin);
    if (fin != lu.c_str() + lu.size())
        return QStringLiteral("strtod ne lit que %1 des %2 caractères").arg(fin - lu.c_str()).arg(lus);
    if (!memesBits(v, attendu))
        return QStringLiteral("lu %1, strtod %2").arg(v, 0, 'g', 17).arg(attendu, 0, 'g', 17);
    if (alphabetDuLecteur(texte)) {
        const std::string tout = pourStrtod(texte);
        char* finTout = nullptr;
        std::strtod(tout.c_str(), &finTout);
        if (finTout - tout.c_str() != lus)
            return QStringLiteral("lu %1 caractères, strtod %2").arg(lus).arg(finTout - tout.c_str());
    }
    return {};
}

namespace {

// A text that is one plain number (no blank, no parenthesis): its value as strtod reads it.
bool nombreSeul(const QString& texte, double& valeur)
{
    static const QRegularExpression forme(QStringLiteral("^[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([EeDd][+-]?[0-9]+)?$"));
    if (!forme.match(texte).hasMatch())
        return false;
    const std::string s = pourStrtod(texte);
    char* fin = nullptr;
    valeur = std::strtod(s.c_str(), &fin);
    return fin == s.c_str() + s.size();
}

}  // namespace

QString calcul(const QByteArray& donnees)
{
    if (donnees.isEmpty())
        return {};
    std::setlocale(LC_NUMERIC, "C");
    const qint16 angles = (donnees[0] & 1) ? Module1::ModeAngles::Radians : Module1::ModeAngles::Degres;
    const bool afficheVide = (donnees[0] & 2) != 0;
    const QString saisie = texteDe(donnees.mid(1));
    QString expression = saisie;
    qint16 erreur = -1;
    Module1::calculeExpression(expression, erreur, angles, afficheVide);
    if (erreur < 0 || erreur > 3)
        return QStringLiteral("code %1").arg(erreur);
    // A number typed alone gives its own value, or the failure code when it overflows.
    double attendu = 0.0;
    if (nombreSeul(saisie, attendu)) {
        if (!std::isfinite(attendu))
            return erreur == Module1::CodeCalcul::Impossible ? QString()
                                                             : QStringLiteral("dépassement lu comme \"%1\"").arg(expression.left(80));
        if (erreur != Module1::CodeCalcul::Succes || expression != Module1::ecritNombre(attendu))
            return QStringLiteral("nombre seul: code %1, \"%2\" au lieu de \"%3\"")
                .arg(erreur).arg(expression.left(80), Module1::ecritNombre(attendu));
    }
    if (erreur != Module1::CodeCalcul::Succes)
        return {};
    double v = 0.0;
    if (!Module1::lisOperande(expression, v))
        return QStringLiteral("résultat illisible: \"%1\"").arg(expression.left(80));
    if (!std::isfinite(v))
        return QStringLiteral("résultat non fini");
    if (Module1::ecritNombre(v) != expression)
        return QStringLiteral("\"%1\" ne se relit pas à l'identique").arg(expression.left(80));
    return {};
}

namespace {

struct Bornes {
    double min;
    double max;
};

QString verifieTexte(sim::Champ champ, const QString& texte, Bornes bornes)
{
    for (QChar c : texte)
        if (sim::filtreTouche(champ, c) != c)
            return QStringLiteral("\"%1\": touche refusée par le champ").arg(texte);
    int lus = 0;
    const double v = Module1::lisNombre(texte, &lus);
    if (lus != texte.size())
        return QStringLiteral("\"%1\" ne se lit pas en entier").arg(texte);
    if (!std::isfinite(v) || v < bornes.min || v > bornes.max)
        return QStringLiteral("\"%1\" hors des bornes").arg(texte);
    return {};
}

QString position(bool x0, const QString& texte)
{
    const sim::Position p = x0 ? sim::valideX0(texte) : sim::valideY0(texte);
    const double max = x0 ? sim::gaucheMax : sim::hautMax;
    if (!(p.coord >= 0.0 && p.coord <= max))
        return QStringLiteral("place %1 hors de la scène").arg(p.coord);
    const sim::Position encore = x0 ? sim::valideX0(p.texte) : sim::valideY0(p.texte);
    if (encore.texte != p.texte)
        return QStringLiteral("\"%1\" devient \"%2\"").arg(p.texte, encore.texte);
    const QString e = verifieTexte(x0 ? sim::Champ::X0 : sim::Champ::Y0, p.texte,
                                   x0 ? Bornes{-0.39, 10.03} : Bornes{0.0, 11.67});
    if (!e.isEmpty())
        return e;
    const float lu = float(Module1::lisNombre(p.texte));
    const double initiale = x0 ? sim::gaucheInitiale(lu) : sim::hautInitial(lu);
    if (!(initiale >= 0.0 && initiale <= max))
        return QStringLiteral("position initiale %1 hors de la scène").arg(initiale);
    return {};
}

// The text as a flight reads it, before the field is left.
QString enVol(bool x0, const QString& texte)
{
    SimulationState etat;
    etat.vx = 5.0f;
    etat.vy = 5.0f;
    sim::EtatAnimation anim;
    sim::Placement place;
    sim::Reglages r;
    (x0 ? r.x0 : r.y0) = float(Module1::lisNombre(texte));
    for (int i = 0; i < 3; ++i) {
        sim::tick(etat, anim, place, r);
        for (double c : {place.gauche, place.haut, place.ombreGauche})
            if (!(std::fabs(c) <= sim::placementLimite))
                return QStringLiteral("place %1 en vol").arg(c);
    }
    return {};
}

}  // namespace

// One field's text validated as the field does when it is left: 0 x0, 1 y0, 2 v0, 3 angle, 4 interval.
QString champValide(int champ, const QString& texte)
{
    switch (champ) {
    case 0:
    case 1: {
        const QString e = position(champ == 0, texte);
        return e.isEmpty() ? enVol(champ == 0, texte) : e;
    }
    case 2:
    case 3: {
        const bool v0 = champ == 2;
        const QString valide = v0 ? sim::valideV0(texte) : sim::valideAngle(texte);
        const QString encore = v0 ? sim::valideV0(valide) : sim::valideAngle(valide);
        if (encore != valide)
            return QStringLiteral("\"%1\" devient \"%2\"").arg(valide, encore);
        const QString e = verifieTexte(v0 ? sim::Champ::V0 : sim::Champ::Angle, valide,
                                       v0 ? Bornes{0.0, 100.0} : Bornes{-180.0, 180.0});
        if (!e.isEmpty())
            return e;
        if (!v0) {
            const double a = Module1::lisNombre(valide);
            if (a != 0.0 && std::fabs(a) < 5.0)
                return QStringLiteral("angle %1 sous 5 degrés").arg(valide);
        }
        return {};
    }
    default: {
        const QString valide = sim::valideChrono(texte);
        if (sim::valideChrono(valide) != valide)
            return QStringLiteral("\"%1\" ne se valide pas à l'identique").arg(valide);
        const QString e = verifieTexte(sim::Champ::Chrono, valide, {10.0, 5000.0});
        if (!e.isEmpty())
            return e;
        if (Module1::lisNombre(valide) != std::floor(Module1::lisNombre(valide)))
            return QStringLiteral("intervalle %1 non entier").arg(valide);
        return {};
    }
    }
}

QString saisie(const QByteArray& donnees)
{
    if (donnees.isEmpty())
        return {};
    return champValide((unsigned char)donnees[0] % 5, texteDe(donnees.mid(1)));
}

QString configuration(const QByteArray& donnees)
{
    using Enregistrements::Etat;
    const Enregistrements::Lecteur lecteur(donnees);
    const int nombre = lecteur.nombre();
    for (int n = 1; n <= nombre + 1; ++n) {
        const Enregistrements::Enregistrement e = lecteur.lis(n);
        const qint64 debut = qint64(n - 1) * Enregistrements::kTailleEnregistrement;
        if ((e.etat == Etat::Absent) != (debut >= donnees.size()))
            return QStringLiteral("enregistrement %1: absent à tort").arg(n);
        if (e.etat != Etat::Ok)
            continue;
        // The slot's length and text, written again, are the bytes read.
        const Enregistrements::Ecriture ecrit = Enregistrements::ecris({e.texte});
        if (!ecrit.ok())
            return QStringLiteral("enregistrement %1: ne s'écrit plus").arg(n);
        const qsizetype longueur = 2 + (uchar(ecrit.octets[0]) | (uchar(ecrit.octets[1]) << 8));
        if (donnees.mid(debut, longueur) != ecrit.octets.left(longueur))
            return QStringLiteral("enregistrement %1: relu autrement").arg(n);
    }

    const Config::Lecture l = Config::lis(donnees);
    if (l.valables < 0 || l.valables > Config::kNombreEnregistrements - 1)
        return QStringLiteral("%1 valeurs valables").arg(l.valables);
    if ((l.erreur == Config::ErreurLecture::Aucune) != (l.valables == Config::kNombreEnregistrements - 1))
        return QStringLiteral("lecture complète mais %1 valeurs").arg(l.valables);
    // A refused extra record stops the load before it begins, signature or not.
    if (l.signatureValide != (lecteur.lis(1).etat == Etat::Ok && lecteur.lis(1).texte == Config::signature &&
                              l.erreur != Config::ErreurLecture::NonValide))
        return QStringLiteral("signature mal jugée");
    if (!l.signatureValide && l.valables != 0)
        return QStringLiteral("valeurs lues sans signature");
    const Config::Reglages& r = l.reglages;
    const qint16 entiers[] = {r.lieu, r.projectile, r.options[0], r.options[1], r.options[2]};
    const int minimum[] = {-1, -1, 0, 0, 0};
    const int maximum[] = {2, 4, 2, 2, 2};
    for (int i = 0; i < 5 && i < l.valables; ++i)
        if (entiers[i] < minimum[i] || entiers[i] > maximum[i])
            return QStringLiteral("enregistrement %1: %2 hors des limites").arg(i + 2).arg(entiers[i]);
    // The field texts, applied unchanged, then validated as the fields do.
    for (int i = 0; i < 5 && 5 + i < l.valables; ++i) {
        const QString e = champValide(i, r.champs[size_t(i)]);
        if (!e.isEmpty())
            return QStringLiteral("enregistrement %1: %2").arg(7 + i).arg(e);
    }
    if (l.erreur != Config::ErreurLecture::Aucune)
        return {};
    const Enregistrements::Ecriture ecrit = Config::ecris(r);
    if (!ecrit.ok())
        return QStringLiteral("la configuration lue ne s'écrit pas");
    const Config::Lecture relue = Config::lis(ecrit.octets);
    if (relue.erreur != Config::ErreurLecture::Aucune || relue.reglages.lieu != r.lieu
        || relue.reglages.projectile != r.projectile || relue.reglages.options != r.options
        || relue.reglages.champs != r.champs)
        return QStringLiteral("la configuration écrite ne se relit pas à l'identique");
    return {};
}

}  // namespace verifications
