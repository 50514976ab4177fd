// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculs.h"

#include "core/nombres.h"
#include "sim/animation.h"
#include "sim/echelle.h"
#include "sim/mouvement.h"
#include "sim/saisie.h"

#include <QRegularExpression>

#include <cmath>

namespace exercices {

namespace {

struct Donnees {
    float g, x0, y0, vx, vy;
};

Donnees donnees(const Montage& m)
{
    const float v0 = float(Module1::lisNombre(m.v0));
    const float a = float(Module1::lisNombre(m.angle));
    const sim::Vitesse v = sim::voxvoy(v0, a);
    return {gDuLieu(m.lieu), float(Module1::lisNombre(m.x0)), float(Module1::lisNombre(m.y0)), v.vx, v.vy};
}

// Date at which the free flight comes back to y = 0.
double dureeVol(const Donnees& d)
{
    return (double(d.vy) + std::sqrt(double(d.vy) * d.vy + 2.0 * d.g * d.y0)) / d.g;
}

double vyA(const Donnees& d, double t) { return double(d.vy) - double(d.g) * t; }
double vA(const Donnees& d, double t) { return std::hypot(double(d.vx), vyA(d, t)); }

}  // namespace

Deroulement deroule(const Montage& m)
{
    const Donnees d = donnees(m);
    SimulationState etat;
    etat.g = d.g;
    etat.vx = d.vx;
    etat.vy = d.vy;
    sim::EtatAnimation anim;
    sim::Placement place;
    place.gauche = sim::gaucheDe(d.x0);
    place.haut = sim::hautDe(d.y0);
    place.ombreGauche = place.gauche;
    sim::Reglages r;
    r.x0 = d.x0;
    r.y0 = d.y0;
    r.lieu = m.lieu;
    r.projectile = m.projectile;
    r.intervalleMs = Module1::lisNombre(m.chrono);

    Deroulement res;
    res.hautMin = float(place.haut);
    float tRebond = -1.0f;
    for (int i = 0; i < 100000; ++i) {
        const sim::ResultatTick tick = sim::tick(etat, anim, place, r);
        res.hautMin = std::min(res.hautMin, float(place.haut));
        if (etat.rebondActif == 2 && anim.tRebond != tRebond) {
            tRebond = anim.tRebond;
            res.impacts.append({anim.tRebond, anim.xRebond, anim.vyRebond});
        }
        if (tick.actions.contains(sim::Action::FinDuMouvement)) {
            if (m.projectile == int(sim::Projectile::Ballon))
                res.impacts.append({anim.tRebond, anim.xRebond, anim.vyRebond});
            res.fin = true;
            res.xAffiche = float(Module1::lisNombre(tick.affichage.x.mid(4)));
            res.tAffiche = float(Module1::lisNombre(tick.affichage.date.mid(10)));
            return res;
        }
        if (tick.actions.contains(sim::Action::Sortie)) {
            res.sortie = true;
            return res;
        }
    }
    return res;
}

std::optional<double> grandeur(const Montage& m, const QString& nom, QString* erreur)
{
    const Donnees d = donnees(m);
    static const QRegularExpression appel(QStringLiteral("^(\\w+)\\(([^)]*)\\)$"));
    const QRegularExpressionMatch f = appel.match(nom.trimmed());
    const QString n = f.hasMatch() ? f.captured(1) : nom.trimmed();
    const double arg = f.hasMatch() ? Module1::lisNombre(f.captured(2)) : 0.0;
    const double masse = masseDuProjectile(m.projectile);
    const double T = dureeVol(d);

    if (!f.hasMatch()) {
        if (n == QLatin1String("g"))
            return d.g;
        if (n == QLatin1String("vx"))
            return d.vx;
        if (n == QLatin1String("vy"))
            return d.vy;
        if (n == QLatin1String("m"))
            return masse;
        if (n == QLatin1String("duree"))
            return T;
        if (n == QLatin1String("xsol"))
            return d.x0 + d.vx * T;
        if (n == QLatin1String("portee"))
            return d.vx * T;
        if (n == QLatin1String("tsommet"))
            return d.vy > 0 ? d.vy / d.g : 0.0;
        if (n == QLatin1String("hmax"))
            return d.vy > 0 ? d.y0 + double(d.vy) * d.vy / (2.0 * d.g) : d.y0;
        if (n == QLatin1String("xsommet"))
            return d.x0 + (d.vy > 0 ? double(d.vx) * d.vy / d.g : 0.0);
        if (n == QLatin1String("vsol"))
            return vA(d, T);
        if (n == QLatin1String("xaffiche"))
            return deroule(m).xAffiche;
        if (n == QLatin1String("taffiche"))
            return deroule(m).tAffiche;
        if (n == QLatin1String("nrebonds"))
            return deroule(m).impacts.size();
    } else {
        const double y = double(d.y0) + double(d.vy) * arg - 0.5 * d.g * arg * arg;
        if (n == QLatin1String("x"))
            return d.x0 + d.vx * arg;
        if (n == QLatin1String("y"))
            return y;
        if (n == QLatin1String("vy"))
            return vyA(d, arg);
        if (n == QLatin1String("v"))
            return vA(d, arg);
        if (n == QLatin1String("ec"))
            return 0.5 * masse * vA(d, arg) * vA(d, arg);
        if (n == QLatin1String("ep"))
            return masse * d.g * y;
        if (n == QLatin1String("em"))
            return 0.5 * masse * vA(d, arg) * vA(d, arg) + masse * d.g * y;
        const int k = int(arg);
        if (n == QLatin1String("vrebond") || n == QLatin1String("hrebond") || n == QLatin1String("trebond")
            || n == QLatin1String("xrebond")) {
            const QList<Impact> impacts = deroule(m).impacts;
            if (k < 1 || k > impacts.size()) {
                if (erreur)
                    *erreur = QStringLiteral("pas de rebond numéro %1").arg(k);
                return std::nullopt;
            }
            const Impact& i = impacts.at(k - 1);
            if (n == QLatin1String("vrebond"))
                return i.vy;
            if (n == QLatin1String("trebond"))
                return i.t;
            if (n == QLatin1String("xrebond"))
                return i.x;
            return double(i.vy) * i.vy / (2.0 * d.g);
        }
    }
    if (erreur)
        *erreur = QStringLiteral("grandeur inconnue : %1").arg(nom);
    return std::nullopt;
}

QStringList defautsMontage(const Montage& m)
{
    QStringList defauts;
    const auto verifie = [&](const QString& nom, const QString& texte, const QString& valide) {
        if (texte != valide)
            defauts << QStringLiteral("%1 « %2 » serait affiché « %3 »").arg(nom, texte, valide);
    };
    verifie(QStringLiteral("x0"), m.x0, sim::valideX0(m.x0).texte);
    verifie(QStringLiteral("y0"), m.y0, sim::valideY0(m.y0).texte);
    verifie(QStringLiteral("v0"), m.v0, sim::valideV0(m.v0));
    verifie(QStringLiteral("angle"), m.angle, sim::valideAngle(m.angle));
    verifie(QStringLiteral("chrono"), m.chrono, sim::valideChrono(m.chrono));
    const Donnees d = donnees(m);
    if (!sim::plusbouton(d.vy, d.y0))
        defauts << QStringLiteral("le projectile ne peut pas être lancé");
    const Deroulement r = deroule(m);
    if (r.sortie)
        defauts << QStringLiteral("le projectile sort de la scène");
    else if (!r.fin)
        defauts << QStringLiteral("le mouvement ne s'arrête pas");
    if (r.hautMin < 0)
        defauts << QStringLiteral("le projectile monte au-dessus de la scène");
    return defauts;
}

}  // namespace exercices
