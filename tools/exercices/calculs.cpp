// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculs.h"

#include "analyse/dessin.h"
#include "analyse/energies.h"
#include "analyse/scriptpython.h"
#include "analyse/tableauvol.h"
#include "analyse/tableau.h"
#include "analyse/vecteurs.h"
#include "core/nombres.h"
#include "sim/animation.h"
#include "sim/echelle.h"
#include "sim/frottements.h"
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
    // The camera button, pressed with the flight at date 0: the first photograph at date 0.
    anim.chronoActif = m.enregistre ? 1 : 0;
    anim.prochainePhoto = 0.0f;
    sim::Placement place;
    const sim::Echelle echelle = m.echelleScene();
    place.gauche = echelle.gaucheDe(d.x0);
    place.haut = echelle.hautDe(d.y0);
    place.ombreGauche = place.gauche;
    sim::Reglages r;
    r.x0 = d.x0;
    r.y0 = d.y0;
    r.lieu = m.lieu;
    r.projectile = m.projectile;
    r.intervalleMs = Module1::lisNombre(m.chrono);
    r.echelle = echelle;
    r.trainee = m.frottements ? sim::coefficientTrainee(m.lieu, m.projectile) : 0.0;

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
        const bool fin = tick.actions.contains(sim::Action::FinDuMouvement);
        if (fin && m.projectile == int(sim::Projectile::Ballon))
            res.impacts.append({anim.tRebond, anim.xRebond, anim.vyRebond});
        // A balloon that has just touched the ground starts its first arc at the next tick.
        const int arc = int(res.impacts.size()) + (etat.rebondActif == 1 || (fin && m.projectile != int(sim::Projectile::Ballon)) ? 1 : 0);
        if (tick.actions.contains(sim::Action::Photo))
            res.photos.append({float(Module1::lisNombre(tick.affichage.date.mid(10))), echelle.xDe(place.gauche),
                               echelle.yDe(place.haut), arc});
        if (fin) {
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

namespace {

analyse::Conditions conditions(const Montage& m)
{
    const Donnees d = donnees(m);
    analyse::Conditions c;
    c.x0 = d.x0;
    c.y0 = d.y0;
    c.vx = d.vx;
    c.vy = d.vy;
    c.g = d.g;
    c.intervalleMs = Module1::lisNombre(m.chrono);
    c.rebondit = m.projectile == int(sim::Projectile::Ballon);
    c.echelle = m.echelleScene();
    c.trainee = m.frottements ? sim::coefficientTrainee(m.lieu, m.projectile) : 0.0;
    // A flight photographed from date 0 stays so for the tools opened after it: they see the
    // balloon's bounces where the photographs put them.
    c.enregistre = m.enregistre;
    return c;
}

// The number of a text the program shows ("portée = 9,50 m" gives 9.5).
double nombreDuTexte(const QString& texte)
{
    static const QRegularExpression nombre(QStringLiteral("-?\\d+(,\\d+)?"));
    return Module1::lisNombre(nombre.match(texte).captured());
}

std::optional<double> photo(const Deroulement& r, const QString& n, int k)
{
    if (n == QLatin1String("hphoto")) {
        std::optional<double> haut;
        for (const Photo& p : r.photos)
            if (p.arc == k)
                haut = std::max(haut.value_or(p.y), double(p.y));
        return haut;
    }
    if (k < 0 || k >= r.photos.size())
        return std::nullopt;
    const Photo& p = r.photos.at(k);
    return n == QLatin1String("tphoto") ? p.t : n == QLatin1String("xphoto") ? p.x : p.y;
}

// A curve of the velocity and energy window at date t, as drawn: straight between its samples;
// at an impact, where the date repeats, the value just before it.
std::optional<double> courbe(const Montage& m, const QString& n, double t)
{
    static const QStringList noms = {QStringLiteral("vx"), QStringLiteral("vy"), QStringLiteral("v"),
                                     QStringLiteral("ec"), QStringLiteral("epp"), QStringLiteral("em")};
    const qsizetype k = noms.indexOf(n.mid(8));
    if (k < 0)
        return std::nullopt;
    const sim::Vol vol(analyse::conditionsVol(conditions(m)));
    const QVector<analyse::EchantillonVol> e = analyse::echantillonsVol(vol, masseDuProjectile(m.projectile));
    const auto valeur = [k](const analyse::EchantillonVol& s) {
        const double v[] = {s.vx, s.vy, s.v, s.e.ec, s.e.epp, s.e.em};
        return v[k];
    };
    for (qsizetype i = 0; i + 1 < e.size(); ++i) {
        const analyse::EchantillonVol &a = e.at(i), &b = e.at(i + 1);
        if (a.t <= t && t <= b.t && b.t > a.t)
            return valeur(a) + (valeur(b) - valeur(a)) * (t - a.t) / (b.t - a.t);
    }
    return std::nullopt;
}

// What the exported Python script prints, computed as it does from the lists it holds:
// python.v(i) at M_i, python.dv(i) at M_i, python.attendu (g·2τ), python.points.
std::optional<double> python(const Montage& m, const QString& n, int i)
{
    const analyse::Conditions c = conditions(m);
    const analyse::Montage textes{texteDuLieu(m.lieu), texteDuProjectile(m.projectile), m.x0, m.y0, m.v0, m.angle};
    const QString script = QString::fromUtf8(
        analyse::scriptPython(analyse::tableauVol(c, textes), c, textes, analyse::VarianteScript::Complete));
    const auto liste = [&](const QString& nom) {
        const QRegularExpression re(QStringLiteral("\\n") + nom + QStringLiteral(" = \\[([^\\]]*)\\]"));
        QVector<double> v;
        for (const QString& s : re.match(script).captured(1).split(QLatin1Char(','), Qt::SkipEmptyParts))
            v << s.trimmed().toDouble();
        return v;
    };
    const auto constante = [&](const QString& nom) {
        return QRegularExpression(QStringLiteral("\\n") + nom + QStringLiteral(" = ([-0-9.]+)")).match(script).captured(1).toDouble();
    };
    const QVector<double> x = liste(QStringLiteral("x")), y = liste(QStringLiteral("y"));
    const double tau = constante(QStringLiteral("TAU"));
    if (n == QLatin1String("python.attendu"))
        return constante(QStringLiteral("G")) * 2 * tau;
    if (n == QLatin1String("python.points"))
        return x.size();
    const auto vitesse = [&](int j) {  // v_j = M(j-1)M(j+1) / 2τ
        return QPointF((x.at(j + 1) - x.at(j - 1)) / (2 * tau), (y.at(j + 1) - y.at(j - 1)) / (2 * tau));
    };
    if (n == QLatin1String("python.v") && i >= 1 && i + 1 < x.size())
        return std::hypot(vitesse(i).x(), vitesse(i).y());
    if (n == QLatin1String("python.dv") && i >= 2 && i + 2 < x.size()) {
        const QPointF dv = vitesse(i + 1) - vitesse(i - 1);
        return std::hypot(dv.x(), dv.y());
    }
    return std::nullopt;
}

std::optional<double> outil(const Montage& m, const QString& n, double arg)
{
    if (n.startsWith(QLatin1String("graphes.")))
        return courbe(m, n, arg);
    if (n.startsWith(QLatin1String("python.")))
        return python(m, n, int(arg));
    const analyse::Conditions c = conditions(m);
    if (n == QLatin1String("marques.portee"))
        return nombreDuTexte(analyse::texteChute(analyse::resume(c)));
    if (n == QLatin1String("marques.hmax"))
        return nombreDuTexte(analyse::texteSommet(analyse::resume(c)));
    if (n == QLatin1String("deltav.echelle"))  // the value written beside the scale arrow
        return analyse::valeurRonde(analyse::longueurFleche / analyse::echelleDeltaV(c));
    if (n == QLatin1String("deltav.x") || n == QLatin1String("deltav.y") || n == QLatin1String("deltav.norme")) {
        // The arrow drawn from photograph n (n from 1: the first has no neighbour before it).
        const QVector<analyse::Vecteur> dv = analyse::vecteursDeltaV(analyse::lignes(c));
        const int k = int(arg) - 1;
        if (k < 0 || k >= dv.size())
            return std::nullopt;
        const QPointF v = dv.at(k).composantes;
        return n.endsWith(QLatin1String(".x")) ? v.x() : n.endsWith(QLatin1String(".y")) ? v.y() : std::hypot(v.x(), v.y());
    }
    static const QStringList colonnes = {QStringLiteral("t"),  QStringLiteral("x"),  QStringLiteral("y"),
                                         QStringLiteral("vx"), QStringLiteral("vy"), QStringLiteral("v")};
    const qsizetype colonne = colonnes.indexOf(n.mid(8));
    const QVector<analyse::Ligne> lignes = analyse::lignes(c);
    const int rang = int(arg);
    if (!n.startsWith(QLatin1String("tableau.")) || colonne < 0 || rang < 0 || rang >= lignes.size())
        return std::nullopt;
    // The cell as the table writes it.
    return Module1::lisNombre(analyse::cellules(lignes.at(rang)).at(colonne + 1));
}

}  // namespace

std::optional<double> grandeur(const Montage& m, const QString& nom, QString* erreur)
{
    const Donnees d = donnees(m);
    static const QRegularExpression appel(QStringLiteral("^([\\w.]+)\\(([^)]*)\\)$"));
    const QRegularExpressionMatch f = appel.match(nom.trimmed());
    const QString n = f.hasMatch() ? f.captured(1) : nom.trimmed();
    const double arg = f.hasMatch() ? Module1::lisNombre(f.captured(2)) : 0.0;
    const double masse = masseDuProjectile(m.projectile);
    const analyse::Resume vol = analyse::resume(conditions(m));

    if (n.startsWith(QLatin1String("marques.")) || n.startsWith(QLatin1String("tableau."))
        || n.startsWith(QLatin1String("deltav.")) || n.startsWith(QLatin1String("graphes."))
        || n.startsWith(QLatin1String("python."))) {
        if (const auto v = outil(m, n, arg))
            return v;
    } else if (!f.hasMatch()) {
        if (n == QLatin1String("g"))
            return d.g;
        if (n == QLatin1String("vx"))
            return d.vx;
        if (n == QLatin1String("vy"))
            return d.vy;
        if (n == QLatin1String("m"))
            return masse;
        if (n == QLatin1String("duree"))
            return vol.duree;
        if (n == QLatin1String("xsol"))
            return vol.xChute;
        if (n == QLatin1String("portee"))
            return vol.portee;
        if (n == QLatin1String("tsommet"))
            return vol.dateSommet;
        if (n == QLatin1String("hmax"))
            return vol.hauteurMax;
        if (n == QLatin1String("xsommet"))
            return vol.xSommet;
        if (n == QLatin1String("vsol"))
            return vol.vitesseImpact;
        if (n == QLatin1String("xaffiche"))
            return deroule(m).xAffiche;
        if (n == QLatin1String("taffiche"))
            return deroule(m).tAffiche;
        if (n == QLatin1String("nrebonds"))
            return deroule(m).impacts.size();
        if (n == QLatin1String("photos"))
            return deroule(m).photos.size();
    } else {
        // The free flight at date arg: the parabola, or the integrated flight with air resistance.
        sim::EtatVol e{double(d.x0) + double(d.vx) * arg, double(d.y0) + double(d.vy) * arg - 0.5 * d.g * arg * arg,
                       double(d.vx), vyA(d, arg)};
        if (m.frottements)
            e = sim::arcIntegre(d.x0, d.y0, d.vx, d.vy, d.g, conditions(m).trainee)->etat(arg);
        const double v = m.frottements ? std::hypot(e.vx, e.vy) : vA(d, arg);
        if (n == QLatin1String("x"))
            return m.frottements ? e.x : double(d.x0 + d.vx * arg);
        if (n == QLatin1String("y"))
            return e.y;
        if (n == QLatin1String("vy"))
            return e.vy;
        if (n == QLatin1String("v"))
            return v;
        if (n == QLatin1String("ec"))
            return 0.5 * masse * v * v;
        if (n == QLatin1String("ep"))
            return masse * d.g * e.y;
        if (n == QLatin1String("em"))
            return 0.5 * masse * v * v + masse * d.g * e.y;
        const int k = int(arg);
        if (n == QLatin1String("tphoto") || n == QLatin1String("xphoto") || n == QLatin1String("yphoto")
            || n == QLatin1String("hphoto")) {
            if (const auto v = photo(deroule(m), n, k))
                return v;
            if (erreur)
                *erreur = QStringLiteral("pas de photographie %1 (%2)").arg(k).arg(nom);
            return std::nullopt;
        }
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
