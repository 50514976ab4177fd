// SPDX-License-Identifier: GPL-3.0-or-later
#include "analyse/dessin.h"

#include "analyse/tableauvol.h"
#include "analyse/vecteurs.h"

#include "sim/mouvement.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace analyse {

namespace {

constexpr double longueurPointe = 9.0;
constexpr double demiPointe = 4.5;
const QColor contour(0, 0, 0);
const QColor couleurTrace(255, 255, 255);
const QColor couleurMarque(255, 140, 0);

QFont policeMesures()
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(12);
    f.setBold(true);
    return f;
}

QPolygonF pointe(QPointF origine, QPointF bout)
{
    const QLineF l(origine, bout);
    const double longueur = l.length();
    const double recul = std::min(longueurPointe, longueur * 0.6);
    const QPointF u = (bout - origine) / longueur;
    const QPointF n(-u.y(), u.x());
    const QPointF base = bout - u * recul;
    const double largeur = std::min(demiPointe, recul * 0.55);
    return QPolygonF({bout, base + n * largeur, base - n * largeur});
}

// White text with a black outline: readable on the sky, the ground and in grey.
void texteContour(QPainter& p, QPointF position, const QString& texte)
{
    QPainterPath chemin;
    chemin.addText(position, policeMesures(), texte);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.strokePath(chemin, QPen(contour, 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(chemin, Qt::white);
    p.restore();
}

// Where a label goes beside a point: to the right, or to the left near the right edge; kept
// inside the scene vertically.
QRectF placeTexte(QPointF point, const QString& texte, const QSize& scene, double dessus)
{
    const QFontMetricsF m(policeMesures());
    const double largeur = m.horizontalAdvance(texte) + 4;
    const double hauteur = m.height();
    double x = point.x() + 8;
    if (x + largeur > scene.width() - 2)
        x = point.x() - 8 - largeur;
    x = std::max(2.0, x);
    double y = point.y() - dessus - hauteur;
    y = std::clamp(y, 2.0, std::max(2.0, scene.height() - hauteur - 2));
    return QRectF(x, y, largeur, hauteur);
}

// Centred above the projectile's picture at the point: the photographs of the flight are all
// lower than the apex, so they never cover it.
QRectF placeAuDessus(QPointF point, const QString& texte, const QSize& scene)
{
    const QFontMetricsF m(policeMesures());
    const double largeur = m.horizontalAdvance(texte) + 4;
    const double hauteur = m.height();
    const double x = std::clamp(point.x() - largeur / 2, 2.0, std::max(2.0, scene.width() - largeur - 2));
    const double y = std::clamp(point.y() - 17 - hauteur, 2.0, std::max(2.0, scene.height() - hauteur - 2));
    return QRectF(x, y, largeur, hauteur);
}

void texteDans(QPainter& p, const QRectF& r, const QString& texte)
{
    const QFontMetricsF m(policeMesures());
    texteContour(p, QPointF(r.left() + 2, r.top() + m.ascent()), texte);
}

// A small diamond with an outline.
void losange(QPainter& p, QPointF c)
{
    const QPolygonF forme({c + QPointF(0, -5), c + QPointF(5, 0), c + QPointF(0, 5), c + QPointF(-5, 0)});
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(contour, 1.5));
    p.setBrush(couleurMarque);
    p.drawPolygon(forme);
    p.restore();
}

QPointF pointSommet(const Resume& r)
{
    return versScene(r.xSommet, r.hauteurMax, r.echelle);
}

QPointF pointChute(const Resume& r)
{
    return versScene(r.xChute, 0.0, r.echelle);
}

}  // namespace

QColor couleurFleche(TypeFleche type)
{
    return type == TypeFleche::Vitesse ? QColor(255, 225, 0) : QColor(0, 225, 255);
}

void dessineFleche(QPainter& p, QPointF origine, QPointF bout, TypeFleche type)
{
    if (QLineF(origine, bout).length() < 1.0)
        return;
    const QPolygonF tete = pointe(origine, bout);
    const QPointF base = (tete[1] + tete[2]) / 2;
    const QColor c = couleurFleche(type);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // Outline first, then the colour over it.
    p.setPen(QPen(contour, 4.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(contour);
    p.drawLine(origine, base);
    p.drawPolygon(tete);
    p.setPen(QPen(c, 2.0, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.drawLine(origine, base);
    if (type == TypeFleche::Vitesse) {
        p.setPen(QPen(c, 1.0));
        p.setBrush(c);
    } else {
        p.setPen(QPen(c, 1.5, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        p.setBrush(Qt::NoBrush);
    }
    p.drawPolygon(tete);
    p.restore();
}

QRectF zoneFleche(QPointF origine, QPointF bout)
{
    return QRectF(origine, bout).normalized().adjusted(-8, -8, 8, 8);
}

void dessineTrace(QPainter& p, const QPolygonF& points, int debutContour)
{
    if (points.size() < 2)
        return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 0, 0, 150), 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(points.mid(std::clamp<qsizetype>(debutContour, 0, points.size() - 2)));
    p.setPen(QPen(couleurTrace, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(points);
    p.restore();
}

QRectF zoneTrace(const QPolygonF& points)
{
    return points.boundingRect().adjusted(-3, -3, 3, 3);
}

QString texteSommet(const Resume& r)
{
    return QStringLiteral("h max = ") + texteValeur(r.hauteurMax) + QStringLiteral(" m");
}

QString texteChute(const Resume& r)
{
    return QStringLiteral("portée = ") + texteValeur(r.portee) + QStringLiteral(" m");
}

void dessineSommet(QPainter& p, const Resume& r, const QSize& scene)
{
    const QPointF s = pointSommet(r);
    losange(p, s);
    texteDans(p, placeAuDessus(s, texteSommet(r), scene), texteSommet(r));
}

void dessineChute(QPainter& p, const Resume& r, const QSize& scene)
{
    const QPointF c = pointChute(r);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(contour, 4.0, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(c + QPointF(0, -10), c + QPointF(0, 4));
    p.setPen(QPen(couleurMarque, 2.0, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(c + QPointF(0, -9), c + QPointF(0, 3));
    p.restore();
    losange(p, c);
    texteDans(p, placeTexte(c, texteChute(r), scene, 10), texteChute(r));
}

QRectF zoneSommet(const Resume& r, const QSize& scene)
{
    const QPointF s = pointSommet(r);
    return QRectF(s, s).adjusted(-7, -7, 7, 7).united(placeAuDessus(s, texteSommet(r), scene)).adjusted(-3, -3, 3, 3);
}

QRectF zoneChute(const Resume& r, const QSize& scene)
{
    const QPointF c = pointChute(r);
    return QRectF(c, c).adjusted(-7, -12, 7, 7).united(placeTexte(c, texteChute(r), scene, 10)).adjusted(-3, -3, 3, 3);
}

namespace {

struct LigneEchelle {
    QString titre;
    double valeur;
    double longueur;
    TypeFleche type;
};

QList<LigneEchelle> lignesEchelle(const Echelles& e)
{
    QList<LigneEchelle> l;
    if (e.vitesse > 0) {
        const double v = valeurRonde(longueurFleche / e.vitesse);
        l.append({QStringLiteral("vitesse"), v, v * e.vitesse, TypeFleche::Vitesse});
    }
    if (e.deltaV > 0) {
        const double v = valeurRonde(longueurFleche / e.deltaV);
        l.append({QStringLiteral("Δv"), v, v * e.deltaV, TypeFleche::DeltaV});
    }
    return l;
}

QString texteMs(double v)
{
    QString t = QString::number(v, 'g', 6);
    t.replace(QLatin1Char('.'), QLatin1Char(','));
    return t + QStringLiteral(" m/s");
}

constexpr double marge = 5.0;
constexpr double largeurTitre = 48.0;

}  // namespace

QSizeF tailleEchelles(const Echelles& e)
{
    const QList<LigneEchelle> l = lignesEchelle(e);
    if (l.isEmpty())
        return {};
    const QFontMetricsF m(policeMesures());
    double largeur = 0;
    for (const LigneEchelle& x : l)
        largeur = std::max(largeur, x.longueur + 6 + m.horizontalAdvance(texteMs(x.valeur)));
    return {2 * marge + largeurTitre + largeur, 2 * marge + l.size() * (m.height() + 4)};
}

void dessineEchelles(QPainter& p, QPointF coin, const Echelles& e)
{
    const QList<LigneEchelle> l = lignesEchelle(e);
    if (l.isEmpty())
        return;
    const QFontMetricsF m(policeMesures());
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.0));
    p.setBrush(QColor(0, 0, 0, 170));
    p.drawRoundedRect(QRectF(coin, tailleEchelles(e)).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    p.restore();
    double y = coin.y() + marge;
    for (const LigneEchelle& x : l) {
        const double milieu = y + (m.height() + 4) / 2;
        texteContour(p, QPointF(coin.x() + marge, y + 2 + m.ascent()), x.titre);
        const QPointF debut(coin.x() + marge + largeurTitre, milieu);
        dessineFleche(p, debut, debut + QPointF(x.longueur, 0), x.type);
        texteContour(p, QPointF(debut.x() + x.longueur + 6, y + 2 + m.ascent()), texteMs(x.valeur));
        y += m.height() + 4;
    }
}

QPolygonF trajectoire(const Conditions& c, int points)
{
    const Resume r = resume(c);
    QPolygonF p;
    const int n = std::max(1, points);
    if ((c.rebondit || c.trainee > 0) && r.vol) {
        // Every arc of the balloon, as the scene flies them (the free flight alone, with
        // air resistance, for the other projectiles).
        const sim::Vol vol(conditionsVol(c));
        for (int k = 0; k < vol.arcs().size(); ++k) {
            const sim::Arc& a = vol.arcs()[k];
            for (int i = 0; i <= n; ++i) {
                const sim::EtatVol e = vol.etatSurArc(k, a.t0 + (a.tFin - a.t0) * i / n);
                p.append(versScene(e.x, e.y, c.echelle));
            }
        }
        return p;
    }
    for (int i = 0; i <= n; ++i) {
        const double t = r.duree * i / n;
        const sim::EtatVol e = sim::etatLibre(c.x0, c.y0, c.vx, c.vy, c.g, t);
        p.append(versScene(e.x, e.y, c.echelle));
        if (!r.vol)
            break;
    }
    return p;
}

QPointF coinLibre(const Conditions& c, const QSizeF& taille, const QSize& scene)
{
    const double w = taille.width();
    const double h = taille.height();
    const QList<QPointF> coins = {QPointF(38, 4), QPointF(scene.width() - w - 4, 62),
                                  QPointF(scene.width() - w - 4, 432 - h), QPointF(38, 432 - h)};
    QPolygonF chemin = trajectoire(c, 240);
    const Resume r = resume(c);
    // The label over the apex is in the way too (the balloon's bounces are in the trace).
    for (double dx : {-45.0, 0.0, 45.0})
        chemin.append(versScene(r.xSommet, r.hauteurMax, c.echelle) + QPointF(dx, -30));
    // The corner that the fewest pictures of the flight cross, in that order of preference.
    QPointF meilleur = coins.first();
    qsizetype moins = chemin.size() + 1;
    for (const QPointF& coin : coins) {
        const QRectF zone = QRectF(coin, taille).adjusted(-16, -16, 16, 16);
        const qsizetype n = std::count_if(chemin.cbegin(), chemin.cend(), [&](QPointF pt) { return zone.contains(pt); });
        if (n < moins) {
            moins = n;
            meilleur = coin;
        }
        if (n == 0)
            break;
    }
    return meilleur;
}

void dessineMesures(QPainter& p, const Conditions& c, const OptionsMesures& o, const QSize& scene, const QImage& photo)
{
    const QVector<QVector<Ligne>> series = lignesEnVol(c);
    const Resume r = resume(c);
    if (o.trace && r.vol)
        dessineTrace(p, trajectoire(c));
    if (!photo.isNull())
        for (const QVector<Ligne>& rangs : series)
            for (const Ligne& l : rangs)
                p.drawImage(versScene(l.x, l.y, c.echelle) - QPointF(16, 16), photo);
    Echelles e;
    if (o.vitesse)
        e.vitesse = echelleVitesse(c);
    if (o.deltaV)
        e.deltaV = echelleDeltaV(c);
    for (const QVector<Ligne>& rangs : series) {
        if (o.vitesse)
            for (const Vecteur& v : vecteursVitesse(rangs)) {
                const QPointF a = versScene(v.origine.x(), v.origine.y(), c.echelle);
                dessineFleche(p, a, a + QPointF(v.composantes.x(), -v.composantes.y()) * e.vitesse, TypeFleche::Vitesse);
            }
        if (o.deltaV)
            for (const Vecteur& v : vecteursDeltaV(rangs)) {
                const QPointF a = versScene(v.origine.x(), v.origine.y(), c.echelle);
                dessineFleche(p, a, a + QPointF(v.composantes.x(), -v.composantes.y()) * e.deltaV, TypeFleche::DeltaV);
            }
    }
    if (o.sommetImpact && r.vol) {
        dessineSommet(p, r, scene);
        dessineChute(p, r, scene);
    }
    const QSizeF t = tailleEchelles(e);
    if (!t.isEmpty())
        dessineEchelles(p, coinLibre(c, t, scene), e);
}

}  // namespace analyse
