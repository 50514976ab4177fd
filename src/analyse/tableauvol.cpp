// SPDX-License-Identifier: GPL-3.0-or-later
#include "analyse/tableauvol.h"

#include "analyse/energies.h"
#include "core/nombres.h"
#include "sim/animation.h"

#include <cmath>

namespace analyse {

namespace {

constexpr int lignesMax = 100000;

QString date(double t) { return texteDate(t) + QStringLiteral(" s"); }
QString metres(double v) { return texteValeur(v) + QStringLiteral(" m"); }

Ligne ligne(const sim::Vol& vol, double t, Genre genre, int n, std::optional<double> masse, bool repos = false)
{
    sim::EtatVol e = vol.etat(t);
    if (repos)
        e.vx = e.vy = 0.0;
    Ligne l{n, t, e.x, e.y, e.vx, e.vy, std::hypot(e.vx, e.vy), genre};
    if (masse) {
        const Energies en = energies(e, *masse, vol.conditions().g);
        l.ec = en.ec;
        l.epp = en.epp;
        l.em = en.em;
    }
    return l;
}

QStringList sommaire(const sim::Vol& vol, const Conditions& c, const Montage& m, std::optional<double> masse)
{
    // The place's caption gives g already ("Terre ( g = 9,8 N / kg )").
    const bool gDonne = m.lieu.contains(QStringLiteral("g ="));
    QStringList s{QStringLiteral("Lieu : ") + m.lieu +
                      (gDonne ? QString()
                              : QStringLiteral(" ; g = ") + Module1::formate(double(c.g), QStringLiteral("0.0#")) +
                                    QStringLiteral(" N/kg")),
                  QStringLiteral("Projectile : ") + m.projectile +
                      (masse ? QStringLiteral(" ; m = ") + Module1::formate(*masse, QStringLiteral("0.000")) +
                                   QStringLiteral(" kg")
                             : QStringLiteral(" ; masse illisible : énergies non calculées")),
                  QStringLiteral("x0 = ") + m.x0 + QStringLiteral(" m ; y0 = ") + m.y0 + QStringLiteral(" m ; v0 = ") +
                      m.v0 + QStringLiteral(" m/s ; angle = ") + m.angle + QStringLiteral("°"),
                  QStringLiteral("Intervalle entre deux photographies : ") +
                      QString::number(intervalleBorne(c.intervalleMs)) + QStringLiteral(" ms")};
    if (c.trainee > 0)
        s << QStringLiteral("Frottements de l'air : force ½·ρ·Cd·S·v² opposée à la vitesse ; k = ρ·Cd·S/(2m) = ") +
                 QString::number(c.trainee, 'g', 3).replace(QLatin1Char('.'), QLatin1Char(',')) +
                 QStringLiteral(" m⁻¹");
    if (const auto ts = vol.dateSommet()) {
        const sim::EtatVol e = vol.etat(*ts);
        s << QStringLiteral("Sommet : t = ") + date(*ts) + QStringLiteral(" ; x = ") + metres(e.x) +
                 QStringLiteral(" ; h max = ") + metres(e.y);
    } else {
        s << QStringLiteral("Sommet : aucun (le projectile n'est pas lancé vers le haut)");
    }
    if (const auto tc = vol.dateChute()) {
        const sim::EtatVol e = vol.etat(*tc);
        s << QStringLiteral("Chute : t = ") + date(*tc) + QStringLiteral(" ; portée = ") +
                 metres(std::fabs(e.x - double(c.x0))) + QStringLiteral(" (point de chute en x = ") + metres(e.x) +
                 QStringLiteral(")");
    } else {
        s << QStringLiteral("Chute : hors de la scène (le vol s'arrête avant)");
    }
    if (const auto haut = vol.horsDeVueEnHaut())
        s << QStringLiteral("Hors de la vue par le haut de t = ") + date(haut->first) + QStringLiteral(" à t = ") +
                 date(haut->second);
    if (masse)
        s << QStringLiteral("Énergie potentielle de pesanteur mesurée à partir du sol (y = 0)");
    return s;
}

QString fin(const sim::Vol& vol, const Ligne& derniere, int impacts)
{
    const QString ou = QStringLiteral(" à t = ") + date(derniere.t) + QStringLiteral(" (x = ") + metres(derniere.x) +
                       QStringLiteral(")");
    switch (vol.fin()) {
    case sim::FinVol::AucunVol:
        return QStringLiteral("Pas de vol : le projectile part du sol sans être lancé vers le haut.");
    case sim::FinVol::Sol:
        return QStringLiteral("Fin du vol : le projectile touche le sol") + ou + QStringLiteral(".");
    case sim::FinVol::Arret:
        return QStringLiteral("Fin du vol : le ballon ne rebondit plus") + ou + QStringLiteral(", après %1 impacts.").arg(impacts);
    case sim::FinVol::SortieGauche:
    case sim::FinVol::SortieDroite:
        return QStringLiteral("Fin du vol : le projectile sort de la scène par la ") +
               (vol.fin() == sim::FinVol::SortieDroite ? QStringLiteral("droite") : QStringLiteral("gauche")) + ou +
               QStringLiteral(" ; la scène revient à la position initiale (« Initialiser si sortie de l'écran »).");
    }
    return {};
}

}  // namespace

sim::ConditionsVol conditionsVol(const Conditions& c)
{
    return {c.x0,       c.y0,      c.vx,          c.vy,         c.g, c.rebondit, c.sortieInitialise,
            c.echelle, c.ralenti, c.enregistre, intervalleBorne(c.intervalleMs), c.trainee};
}

TableauVol tableauVol(const Conditions& c, const Montage& m)
{
    const sim::Vol vol(conditionsVol(c));
    TableauVol t;
    t.masse = sim::masseLegende(m.projectile);
    t.sommaire = sommaire(vol, c, m, t.masse);
    t.lignes.append(ligne(vol, 0.0, Genre::Lancement, 0, t.masse));
    if (!vol.vole()) {
        t.fin = fin(vol, t.lignes.last(), 0);
        return t;
    }
    // The photograph dates, as the scene takes them, with the apex in its place.
    const double duree = vol.duree();
    const double intervalle = intervalleBorne(c.intervalleMs);
    const std::optional<double> sommet = vol.dateSommet();
    bool sommetPlace = !sommet;
    // A recorded bounce is photographed where the scene took it.
    const QVector<double>& prises = vol.datesPhotos();
    float photo = sim::photoSuivante(0.0f, intervalle);
    for (int n = 1; n < lignesMax; ++n) {
        const double date = prises.isEmpty() ? double(photo) : prises.value(n - 1, duree);
        if (date >= duree)
            break;
        if (!sommetPlace && *sommet <= date) {
            sommetPlace = true;
            if (*sommet < date)
                t.lignes.append(ligne(vol, *sommet, Genre::Sommet, -1, t.masse));
        }
        const bool auSommet = sommet && *sommet == date;
        t.lignes.append(ligne(vol, date, auSommet ? Genre::Sommet : Genre::Photo, n, t.masse));
        photo = sim::photoSuivante(photo, intervalle);
    }
    if (!sommetPlace)
        t.lignes.append(ligne(vol, *sommet, Genre::Sommet, -1, t.masse));
    // Impacts in date order, between the photographs.
    QVector<Ligne> evenements;
    const auto& arcs = vol.arcs();
    const bool sortie = vol.fin() == sim::FinVol::SortieGauche || vol.fin() == sim::FinVol::SortieDroite;
    for (int i = 0; i < arcs.size(); ++i) {
        const bool dernier = i + 1 == arcs.size();
        if (dernier && sortie)
            evenements.append(ligne(vol, arcs[i].tFin, Genre::Sortie, -1, t.masse));
        else if (i == 0)
            evenements.append(ligne(vol, vol.dateChute().value_or(arcs[i].tFin), Genre::Chute, -1, t.masse));
        else
            evenements.append(ligne(vol, arcs[i].tFin, Genre::Impact, -1, t.masse));
    }
    if (vol.fin() == sim::FinVol::Arret)
        evenements.append(ligne(vol, duree, Genre::Arret, -1, t.masse, true));
    QVector<Ligne> toutes;
    toutes.reserve(t.lignes.size() + evenements.size());
    int j = 0;
    for (const Ligne& l : std::as_const(t.lignes)) {
        while (j < evenements.size() && evenements[j].t < l.t)
            toutes.append(evenements[j++]);
        toutes.append(l);
    }
    while (j < evenements.size())
        toutes.append(evenements[j++]);
    t.lignes = toutes;
    t.fin = fin(vol, t.lignes.last(), int(arcs.size()));
    return t;
}

QString texteGenre(Genre g)
{
    switch (g) {
    case Genre::Photo: return QStringLiteral("photo");
    case Genre::Lancement: return QStringLiteral("lancement");
    case Genre::Sommet: return QStringLiteral("sommet");
    case Genre::Chute: return QStringLiteral("chute");
    case Genre::Impact: return QStringLiteral("impact");
    case Genre::Arret: return QStringLiteral("arrêt");
    case Genre::Sortie: return QStringLiteral("sortie");
    }
    return {};
}

QStringList entetesVol()
{
    return entetes() << QStringLiteral("Ec (J)") << QStringLiteral("Epp (J)") << QStringLiteral("Em (J)")
                     << QStringLiteral("point");
}

QStringList cellulesVol(const Ligne& l, bool avecEnergies)
{
    QStringList c = cellules(l);
    if (l.n < 0)
        c[0].clear();
    if (avecEnergies)
        c << texteValeur(l.ec) << texteValeur(l.epp) << texteValeur(l.em);
    else
        c << QString() << QString() << QString();
    c << texteGenre(l.genre);
    return c;
}

QString texteCopieVol(const TableauVol& t)
{
    QString texte = t.sommaire.join(QLatin1Char('\n')) + QLatin1Char('\n');
    texte += entetesVol().join(QLatin1Char('\t')) + QLatin1Char('\n');
    for (const Ligne& l : t.lignes)
        texte += cellulesVol(l, t.masse.has_value()).join(QLatin1Char('\t')) + QLatin1Char('\n');
    return texte + t.fin + QLatin1Char('\n');
}

QByteArray texteCsvVol(const TableauVol& t)
{
    auto cellule = [](QString texte) {
        return QLatin1Char('"') + texte.replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
    };
    QString csv = QChar(0xFEFF);  // tells the spreadsheet the text is UTF-8
    for (const QString& s : t.sommaire)
        csv += cellule(s) + QStringLiteral("\r\n");
    csv += entetesVol().join(QLatin1Char(';')) + QStringLiteral("\r\n");
    for (const Ligne& l : t.lignes)
        csv += cellulesVol(l, t.masse.has_value()).join(QLatin1Char(';')) + QStringLiteral("\r\n");
    csv += cellule(t.fin) + QStringLiteral("\r\n");
    return csv.toUtf8();
}

}  // namespace analyse
