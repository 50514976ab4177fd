// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphs/tracegraphe.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

constexpr int gris = 7;
constexpr int bleu = 1;
constexpr double limite = 1.0e6;  // keeps absurd inputs finite for the painter

double borne(double v) { return std::clamp(v, -limite, limite); }

// A size in points as on the screen the graph window was made for (96 dots per inch), whatever
// the device: the frame is scaled with the painter, the text with it.
QFont police(const QPainter& p, double taille, bool italique = false)
{
    QFont f(QStringLiteral("Arial"));
    const double dpi = p.device() && p.device()->logicalDpiY() > 0 ? p.device()->logicalDpiY() : 96.0;
    f.setPointSizeF(taille * 96.0 / dpi);
    f.setItalic(italique);
    return f;
}

double largeurTexte(const QPainter& p, const QFont& f, const QString& s)
{
    return QFontMetricsF(f, p.device()).horizontalAdvance(s);
}

double vertical(const Graphe& g, double v)
{
    if (!g.symetrique)
        return g.vertical.versVertical(v);
    return zeroSymetrique - v * 100.0 / g.vertical.pleineEchelle();
}

// Name in italic, then the division text upright, from (x, ligne de base).
void etiquette(QPainter& p, QPointF point, const QString& nom, const QString& texte)
{
    p.setFont(police(p, 8, true));
    p.drawText(point, nom);
    point.rx() += largeurTexte(p, p.font(), nom);
    p.setFont(police(p, 8));
    p.drawText(point, texte);
}

}  // namespace

void dessineGraphe(QPainter& p, const QRectF& cible, const Graphe& g, double epaisseur)
{
    if (!g.horizontal.valide() || !g.vertical.valide())
        return;
    p.save();
    const double facteur = std::min(cible.width() / largeurGraphe, cible.height() / hauteurGraphe);
    p.translate(cible.center() - QPointF(largeurGraphe, hauteurGraphe) * facteur / 2);
    p.scale(facteur, facteur);
    p.setRenderHint(QPainter::Antialiasing);

    // Grid, light grey.
    p.setPen(QPen(couleurConsole(gris), 0.5));
    const int pasH = g.horizontal.pasGrille();
    for (int x = 20; pasH > 0 && x <= 220; x += pasH)
        p.drawLine(QPointF(x, 225), QPointF(x, 25));
    const double pasV = g.symetrique ? 100.0 / g.vertical.m : double(g.vertical.pasGrille());
    for (double y = 25; pasV > 0 && y <= 225.01; y += pasV)
        p.drawLine(QPointF(20, y), QPointF(220, y));

    // Axes and arrowheads, blue; the time axis on the zero line.
    const double zero = g.symetrique ? zeroSymetrique : 225.0;
    p.setPen(QPen(couleurConsole(bleu), 1.0));
    p.drawLine(QPointF(20, 15), QPointF(20, 225));
    p.drawLine(QPointF(20, 15), QPointF(23, 21));
    p.drawLine(QPointF(20, 15), QPointF(17, 21));
    p.drawLine(QPointF(20, zero), QPointF(230, zero));
    p.drawLine(QPointF(224, zero - 3), QPointF(230, zero));
    p.drawLine(QPointF(224, zero + 3), QPointF(230, zero));

    for (const CourbeGraphe& c : g.courbes) {
        if (c.points.isEmpty())
            continue;
        p.setPen(QPen(c.couleur, epaisseur, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPainterPath chemin(c.points.first());
        for (const QPointF& point : c.points)
            chemin.lineTo(point);
        p.drawPath(chemin);
    }

    p.setPen(couleurConsole(0));
    etiquette(p, QPointF(30, 12), g.nomVertical, g.texteVertical);
    const double largeur = [&] {
        return largeurTexte(p, police(p, 8, true), g.nomHorizontal) +
               largeurTexte(p, police(p, 8), g.texteHorizontal);
    }();
    etiquette(p, QPointF(largeurGraphe - largeur, 241), g.nomHorizontal, g.texteHorizontal);

    // Legend of a graph with several curves, top right, each name in its curve's colour.
    if (g.courbes.size() > 1) {
        p.setFont(police(p, 7.5, true));
        double y = 30;
        for (const CourbeGraphe& c : g.courbes) {
            const double l = largeurTexte(p, p.font(), c.nom);
            p.fillRect(QRectF(212 - l - 14, y - 8, l + 16, 11), QColor(255, 255, 255, 220));
            p.setPen(QPen(c.couleur, 2));
            p.drawLine(QPointF(212 - l - 12, y - 3), QPointF(212 - l - 3, y - 3));
            p.setPen(couleurConsole(0));
            p.drawText(QPointF(212 - l, y), c.nom);
            y += 11;
        }
    }
    p.restore();
}

namespace {

Graphe base(const QString& titre, const EchelleAxe& h, const EchelleAxe& v, const QString& nomH, const QString& uniteH,
            const QString& nomV, const QString& uniteV)
{
    Graphe g;
    g.titre = titre;
    g.horizontal = h;
    g.vertical = v;
    g.nomHorizontal = nomH;
    g.texteHorizontal = h.texteDivision(uniteH);
    g.nomVertical = nomV;
    g.texteVertical = v.texteDivision(uniteV);
    return g;
}

}  // namespace

Graphe grapheXT(const VolGraphes& vol)
{
    Graphe g = base(QStringLiteral("x(t)"), vol.echelleT, vol.echelleX, "t", "s", "x", "m");
    g.courbes.append({QStringLiteral("x"), couleurConsole(9), vol.courbeXT()});
    return g;
}

Graphe grapheYT(const VolGraphes& vol)
{
    Graphe g = base(QStringLiteral("y(t)"), vol.echelleT, vol.echelleY, "t", "s", "y", "m");
    g.courbes.append({QStringLiteral("y"), couleurConsole(12), vol.courbeYT()});
    return g;
}

Graphe grapheYX(const VolGraphes& vol)
{
    Graphe g = base(QStringLiteral("y(x)"), vol.echelleX, vol.echelleY, "x", "m", "y", "m");
    g.courbes.append({QStringLiteral("y"), couleurConsole(13), vol.courbeYX()});
    return g;
}

namespace {

struct Grandeur {
    QString nom;
    QColor couleur;
    double (*valeur)(const analyse::EchantillonVol&);
};

Graphe trace(const QString& titre, const QVector<analyse::EchantillonVol>& e, const QList<Grandeur>& grandeurs,
             const QString& nomV, const QString& unite, double diviseur)
{
    if (e.isEmpty())
        return {};
    const double duree = e.last().t;
    double plusGrand = 0;
    bool negatif = false;
    for (const auto& s : e)
        for (const Grandeur& gr : grandeurs) {
            const double v = gr.valeur(s) / diviseur;
            plusGrand = std::max(plusGrand, std::fabs(v));
            negatif = negatif || v < -1e-12;
        }
    Graphe g = base(titre, choisitEchelle(duree > 0 ? duree : 1.0), choisitEchelle(plusGrand > 0 ? plusGrand : 1.0),
                    "t", "s", nomV, unite);
    g.symetrique = negatif;
    if (!g.horizontal.valide() || !g.vertical.valide())
        return g;
    for (const Grandeur& gr : grandeurs) {
        CourbeGraphe c{gr.nom, gr.couleur, {}};
        c.points.reserve(e.size());
        for (const auto& s : e)
            c.points.append(QPointF(borne(g.horizontal.versHorizontal(s.t)), borne(vertical(g, gr.valeur(s) / diviseur))));
        g.courbes.append(c);
    }
    return g;
}

}  // namespace

Graphe grapheDesVitesses(const QVector<analyse::EchantillonVol>& e)
{
    return trace(QStringLiteral("vx(t), vy(t), v(t)"), e,
                 {{QStringLiteral("vx"), couleurConsole(9), [](const analyse::EchantillonVol& s) { return s.vx; }},
                  {QStringLiteral("vy"), couleurConsole(12), [](const analyse::EchantillonVol& s) { return s.vy; }},
                  {QStringLiteral("v"), couleurConsole(2), [](const analyse::EchantillonVol& s) { return s.v; }}},
                 QStringLiteral("v"), QStringLiteral("m/s"), 1.0);
}

Graphe grapheDesEnergies(const QVector<analyse::EchantillonVol>& e)
{
    double plusGrand = 0;
    for (const auto& s : e)
        plusGrand = std::max({plusGrand, s.e.ec, s.e.epp, s.e.em});
    const bool kilo = plusGrand >= 10000.0;
    return trace(QStringLiteral("Ec(t), Epp(t), Em(t)"), e,
                 {{QStringLiteral("Ec"), couleurConsole(9), [](const analyse::EchantillonVol& s) { return s.e.ec; }},
                  {QStringLiteral("Epp"), couleurConsole(12), [](const analyse::EchantillonVol& s) { return s.e.epp; }},
                  {QStringLiteral("Em"), couleurConsole(5), [](const analyse::EchantillonVol& s) { return s.e.em; }}},
                 QStringLiteral("E"), kilo ? QStringLiteral("kJ") : QStringLiteral("J"), kilo ? 1000.0 : 1.0);
}
