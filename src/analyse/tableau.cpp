// SPDX-License-Identifier: GPL-3.0-or-later
#include "analyse/tableau.h"
#include "analyse/tableauvol.h"

#include "core/nombres.h"
#include "sim/animation.h"
#include "sim/mouvement.h"
#include "sim/vol.h"

#include <QStringList>

#include <cmath>
#include <numbers>
#include <optional>

namespace analyse {

namespace {

constexpr int lignesMax = 100000;  // far above the longest flight the fields allow at 10 ms

// The free flight to its landing, integrated with air resistance: the first arc alone, neither
// bounced nor cut at the scene's edges.
sim::Vol volFreine(const Conditions& c)
{
    sim::ConditionsVol v = conditionsVol(c);
    v.rebondit = false;
    v.sortieInitialise = false;
    return sim::Vol(v);
}

Ligne ligneA(const Conditions& c, int n, double t, const sim::Vol* freine)
{
    const sim::EtatVol e = freine ? freine->etat(t) : sim::etatLibre(c.x0, c.y0, c.vx, c.vy, c.g, t);
    return {n, t, e.x, e.y, e.vx, e.vy, std::hypot(e.vx, e.vy)};
}

Resume resumeFreine(const Conditions& c)
{
    Resume r;
    r.echelle = c.echelle;
    const sim::Vol vol = volFreine(c);
    r.vol = vol.dateChute().has_value();
    if (!r.vol)
        return r;
    r.duree = *vol.dateChute();
    r.dateSommet = vol.dateSommet().value_or(0.0);
    const sim::EtatVol sommet = vol.etat(r.dateSommet);
    r.hauteurMax = sommet.y;
    r.xSommet = sommet.x;
    const sim::EtatVol chute = vol.etat(r.duree);
    r.xChute = chute.x;
    r.portee = std::fabs(r.xChute - double(c.x0));
    r.vitesseImpact = std::hypot(chute.vx, chute.vy);
    r.angleImpact = std::atan2(chute.vy, chute.vx) * 180.0 / std::numbers::pi;
    return r;
}

QString degres(double a)
{
    return Module1::formate(a, QStringLiteral("0.0")) + QStringLiteral("°");
}

}  // namespace

double intervalleBorne(double intervalleMs)
{
    if (!(intervalleMs >= intervalleMinMs))
        return intervalleMinMs;
    return std::min(intervalleMs, intervalleMaxMs);
}

Resume resume(const Conditions& c)
{
    if (c.trainee > 0)
        return resumeFreine(c);
    Resume r;
    r.echelle = c.echelle;
    const double g = c.g;
    const double vx = c.vx;
    const double vy = c.vy;
    const double y0 = c.y0;
    const double discriminant = vy * vy + 2.0 * g * y0;
    if (g <= 0 || discriminant < 0)
        return r;
    r.duree = (vy + std::sqrt(discriminant)) / g;
    r.vol = r.duree > 0;
    if (!r.vol)
        r.duree = 0;
    if (vy > 0) {
        r.dateSommet = vy / g;
        r.hauteurMax = y0 + vy * vy / (2.0 * g);
    } else {
        r.dateSommet = 0;
        r.hauteurMax = y0;
    }
    r.xSommet = double(c.x0) + vx * r.dateSommet;
    r.xChute = double(c.x0) + vx * r.duree;
    r.portee = std::fabs(r.xChute - double(c.x0));
    const double vyImpact = vy - g * r.duree;
    r.vitesseImpact = std::hypot(vx, vyImpact);
    r.angleImpact = (vx == 0 && vyImpact == 0) ? 0.0 : std::atan2(vyImpact, vx) * 180.0 / std::numbers::pi;
    return r;
}

QVector<Ligne> lignes(const Conditions& c)
{
    const Resume r = resume(c);
    std::optional<sim::Vol> freine;
    if (c.trainee > 0)
        freine.emplace(volFreine(c));
    const sim::Vol* vol = freine ? &*freine : nullptr;
    const double intervalle = intervalleBorne(c.intervalleMs);
    QVector<Ligne> resultat;
    resultat.reserve(int(std::min<double>(lignesMax, r.duree * 1000.0 / intervalle + 2)));
    float date = 0.0f;
    for (int n = 0; n < lignesMax && double(date) <= r.duree; ++n) {
        resultat.append(ligneA(c, n, date, vol));
        date = sim::photoSuivante(date, intervalle);
    }
    if (resultat.isEmpty())
        resultat.append(ligneA(c, 0, 0.0, vol));
    return resultat;
}

QString texteDate(double t)
{
    return Module1::formate(t, QStringLiteral("0.000"));
}

QString texteValeur(double v)
{
    return Module1::formate(v, QStringLiteral("0.00"));
}

QStringList cellules(const Ligne& l)
{
    return {QString::number(l.n), texteDate(l.t),     texteValeur(l.x), texteValeur(l.y),
            texteValeur(l.vx),   texteValeur(l.vy), texteValeur(l.v)};
}

QStringList entetes()
{
    return {QStringLiteral("n"),        QStringLiteral("t (s)"),    QStringLiteral("x (m)"),
            QStringLiteral("y (m)"),    QStringLiteral("vx (m/s)"), QStringLiteral("vy (m/s)"),
            QStringLiteral("v (m/s)")};
}

QString texteCopie(const QVector<Ligne>& lignes)
{
    QString texte = entetes().join(QLatin1Char('\t')) + QLatin1Char('\n');
    for (const Ligne& l : lignes)
        texte += cellules(l).join(QLatin1Char('\t')) + QLatin1Char('\n');
    return texte;
}

QByteArray texteCsv(const QVector<Ligne>& lignes)
{
    QByteArray csv = entetes().join(QLatin1Char(';')).toLatin1() + "\r\n";
    csv.reserve(csv.size() + lignes.size() * 48);
    for (const Ligne& l : lignes)
        csv += cellules(l).join(QLatin1Char(';')).toLatin1() + "\r\n";
    return csv;
}

QStringList texteResume(const Resume& r)
{
    if (!r.vol)
        return {QStringLiteral("Pas de vol : le projectile part du sol sans être lancé vers le haut.")};
    return {QStringLiteral("Durée du vol : ") + texteValeur(r.duree) + QStringLiteral(" s"),
            QStringLiteral("Portée : ") + texteValeur(r.portee) + QStringLiteral(" m (point de chute en x = ") +
                texteValeur(r.xChute) + QStringLiteral(" m)"),
            QStringLiteral("Hauteur maximale : ") + texteValeur(r.hauteurMax) + QStringLiteral(" m à t = ") +
                texteValeur(r.dateSommet) + QStringLiteral(" s"),
            QStringLiteral("Vitesse à l'impact : ") + texteValeur(r.vitesseImpact) +
                QStringLiteral(" m/s, à ") + degres(r.angleImpact) + QStringLiteral(" de l'horizontale")};
}

}  // namespace analyse
