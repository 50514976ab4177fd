// SPDX-License-Identifier: GPL-3.0-or-later
#include "figures.h"

#include "sim/mouvement.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

const QColor bleu(20, 70, 170), rouge(190, 30, 30), vert(20, 130, 60), gris(120, 120, 120), orange(210, 110, 0);

// A drawing in metres: x to the right, y upwards, with margins for the labels.
class Plan {
public:
    Plan(int largeur, int hauteur, double xMax, double yMax, double yMin = 0.0)
        : image(largeur, hauteur, QImage::Format_RGB32)
        , xMax_(xMax)
        , yMax_(yMax)
        , yMin_(yMin)
    {
        image.fill(Qt::white);
        p.begin(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    }
    QPointF px(double x, double y) const
    {
        const double l = image.width() - 90, h = image.height() - 60;
        return {50 + x / xMax_ * l, 20 + (yMax_ - y) / (yMax_ - yMin_) * h};
    }
    void axes(const QString& nomX, const QString& nomY, double pasX, double pasY)
    {
        p.setPen(QPen(Qt::black, 1.2));
        fleche(px(0, 0), px(xMax_ * 1.04, 0), Qt::black);
        fleche(px(0, yMin_), px(0, yMax_ * 1.04), Qt::black);
        p.drawText(px(xMax_ * 1.04, 0) + QPointF(-40, -8), nomX);
        p.drawText(px(0, yMax_ * 1.04) + QPointF(8, 4), nomY);
        p.setFont(QFont(QStringLiteral("DejaVu Sans"), 8));
        for (double x = pasX; x <= xMax_ + 1e-9; x += pasX) {
            p.drawLine(px(x, 0) + QPointF(0, -3), px(x, 0) + QPointF(0, 3));
            p.drawText(QRectF(px(x, 0) + QPointF(-20, 5), QSizeF(40, 14)), Qt::AlignCenter, nombre(x));
        }
        for (double y = pasY; y <= yMax_ + 1e-9; y += pasY) {
            p.drawLine(px(0, y) + QPointF(-3, 0), px(0, y) + QPointF(3, 0));
            p.drawText(QRectF(px(0, y) + QPointF(-46, -7), QSizeF(40, 14)), Qt::AlignRight | Qt::AlignVCenter,
                       nombre(y));
        }
        p.drawText(px(0, 0) + QPointF(-14, 16), QStringLiteral("O"));
        p.setFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    }
    void fleche(QPointF a, QPointF b, const QColor& c, double epaisseur = 1.2)
    {
        p.setPen(QPen(c, epaisseur));
        p.drawLine(a, b);
        const QPointF d = b - a;
        const double n = std::hypot(d.x(), d.y());
        if (n < 1e-6)
            return;
        const QPointF u = d / n, v(-u.y(), u.x());
        QPainterPath pointe;
        pointe.moveTo(b);
        pointe.lineTo(b - 9 * u + 4 * v);
        pointe.lineTo(b - 9 * u - 4 * v);
        pointe.closeSubpath();
        p.fillPath(pointe, c);
    }
    // The free flight from (x0, y0) until it comes back to the ground.
    QList<QPointF> vol(float v0, float angle, float g, float x0 = 0, float y0 = 0) const
    {
        const sim::Vitesse v = sim::voxvoy(v0, angle);
        QList<QPointF> points;
        for (int i = 0;; ++i) {
            const float t = float(i) * 0.005f;
            const double y = sim::yLibre(y0, v.vy, g, t);
            if (y < 0 && i > 0) {
                const double tChute = (v.vy + std::sqrt(double(v.vy) * v.vy + 2.0 * g * y0)) / g;
                points.append(px(x0 + v.vx * tChute, 0));
                break;
            }
            points.append(px(sim::xLibre(x0, v.vx, t), y));
        }
        return points;
    }
    void courbe(const QList<QPointF>& points, const QColor& c, double epaisseur = 2.0, Qt::PenStyle s = Qt::SolidLine)
    {
        p.setPen(QPen(c, epaisseur, s));
        p.drawPolyline(points.data(), int(points.size()));
    }
    void pointilles(QPointF a, QPointF b)
    {
        p.setPen(QPen(gris, 1, Qt::DashLine));
        p.drawLine(a, b);
    }
    void texte(QPointF a, const QString& t, const QColor& c = Qt::black)
    {
        p.setPen(c);
        p.drawText(a, t);
    }
    static QString nombre(double v) { return QString::number(v, 'g', 4).replace(QLatin1Char('.'), QLatin1Char(',')); }

    QImage fin()
    {
        p.end();
        return image;
    }

    QImage image;
    QPainter p;

private:
    double xMax_, yMax_, yMin_;
};

QImage repere()
{
    Plan f(460, 320, 10, 6);
    f.axes(QStringLiteral("x (m)"), QStringLiteral("y (m)"), 1, 1);
    const QPointF m0 = f.px(1, 1.5);
    f.p.setBrush(Qt::black);
    f.p.drawEllipse(m0, 3, 3);
    f.texte(m0 + QPointF(-30, 14), QStringLiteral("M₀"));
    const double a = 50 * M_PI / 180;
    const QPointF bout = f.px(1 + 3 * std::cos(a), 1.5 + 3 * std::sin(a));
    f.fleche(m0, bout, bleu, 2);
    f.texte(bout + QPointF(6, 0), QStringLiteral("v⃗₀"), bleu);
    f.pointilles(m0, f.px(4.5, 1.5));
    f.p.setPen(QPen(bleu, 1));
    f.p.setBrush(Qt::NoBrush);
    f.p.drawArc(QRectF(m0 - QPointF(40, 40), QSizeF(80, 80)), 0, int(50 * 16));
    f.texte(m0 + QPointF(44, -14), QStringLiteral("α"), bleu);
    f.pointilles(m0, f.px(1, 0));
    f.pointilles(m0, f.px(0, 1.5));
    f.texte(f.px(1, 0) + QPointF(-8, 30), QStringLiteral("x₀"));
    f.texte(f.px(0, 1.5) + QPointF(-44, 4), QStringLiteral("y₀"));
    const QPointF gDepart = f.px(7.5, 4.5);
    f.fleche(gDepart, f.px(7.5, 2.5), rouge, 2);
    f.texte(gDepart + QPointF(8, 40), QStringLiteral("g⃗"), rouge);
    f.fleche(f.px(6.0, 4.5), f.px(6.8, 4.5), Qt::black);
    f.fleche(f.px(6.0, 4.5), f.px(6.0, 5.4), Qt::black);
    f.texte(f.px(6.8, 4.5) + QPointF(2, 14), QStringLiteral("i"));
    f.texte(f.px(6.0, 5.4) + QPointF(-16, 6), QStringLiteral("j"));
    return f.fin();
}

// The default throw of the program: v0 = 14 m/s, 85°, from the origin, on the Earth.
QImage trajectoire()
{
    Plan f(460, 420, 4, 11);
    f.axes(QStringLiteral("x (m)"), QStringLiteral("y (m)"), 1, 1);
    f.courbe(f.vol(14, 85, 9.8f), bleu);
    const sim::Vitesse v = sim::voxvoy(14, 85);
    const double tS = v.vy / 9.8, xS = v.vx * tS, yS = v.vy * double(v.vy) / (2 * 9.8);
    const QPointF s = f.px(xS, yS);
    f.pointilles(s, f.px(xS, 0));
    f.pointilles(s, f.px(0, yS));
    f.p.setBrush(rouge);
    f.p.setPen(rouge);
    f.p.drawEllipse(s, 4, 4);
    f.texte(s + QPointF(8, -6), QStringLiteral("S (sommet)"), rouge);
    f.texte(f.px(0, yS) + QPointF(4, -6), QStringLiteral("h = ") + Plan::nombre(std::round(yS * 100) / 100) +
                                              QStringLiteral(" m"), rouge);
    const QPointF p = f.px(2 * xS, 0);
    f.p.setBrush(vert);
    f.p.setPen(vert);
    f.p.drawEllipse(p, 4, 4);
    f.texte(p + QPointF(-28, -10), QStringLiteral("P (chute)"), vert);
    f.texte(f.px(0.25, 0.6), QStringLiteral("portée d = ") + Plan::nombre(std::round(2 * xS * 100) / 100) +
                                QStringLiteral(" m"), vert);
    return f.fin();
}

QImage angles()
{
    Plan f(560, 340, 22, 10);
    f.axes(QStringLiteral("x (m)"), QStringLiteral("y (m)"), 2, 2);
    const QColor couleurs[] = {gris, orange, rouge, vert, bleu};
    int i = 0;
    for (float a : {15.f, 30.f, 45.f, 60.f, 75.f}) {
        const QList<QPointF> points = f.vol(14, a, 9.8f);
        f.courbe(points, couleurs[i], a == 45.f ? 2.6 : 1.6);
        const QPointF haut = *std::min_element(points.begin(), points.end(),
                                               [](QPointF u, QPointF w) { return u.y() < w.y(); });
        f.texte(haut + QPointF(-12, -6), QString::number(int(a)) + QStringLiteral("°"), couleurs[i]);
        ++i;
    }
    return f.fin();
}

QImage lieux()
{
    Plan f(560, 340, 42, 12);
    f.axes(QStringLiteral("x (m)"), QStringLiteral("y (m)"), 5, 2);
    struct L { float g; QString nom; QColor c; };
    for (const L& l : {L{9.8f, QStringLiteral("Terre"), bleu}, L{3.71f, QStringLiteral("Mars"), rouge},
                       L{1.62f, QStringLiteral("Lune"), gris}}) {
        const QList<QPointF> points = f.vol(8, 45, l.g);
        f.courbe(points, l.c);
        f.texte(points.last() + QPointF(-20, -10), l.nom, l.c);
    }
    return f.fin();
}

// Positions every 0,1 s of a throw at 10 m/s and 60°, with the velocity vectors and Δv.
QImage vecteurs()
{
    Plan f(560, 400, 9.5, 5);
    f.axes(QStringLiteral("x (m)"), QStringLiteral("y (m)"), 1, 1);
    const float g = 9.8f, tau = 0.1f;
    const sim::Vitesse v = sim::voxvoy(10, 60);
    const double echelle = 0.15, echelleDv = 0.5;  // metres of drawing per m/s
    QList<QPointF> m;
    for (int i = 0; i <= 17; ++i) {
        const float t = i * tau;
        m.append(QPointF(sim::xLibre(0, v.vx, t), sim::yLibre(0, v.vy, g, t)));
    }
    for (int i = 0; i < m.size(); ++i) {
        const QPointF c = f.px(m[i].x(), m[i].y());
        f.p.setPen(Qt::black);
        f.p.setBrush(Qt::white);
        f.p.drawEllipse(c, 3.5, 3.5);
        if (i % 4 == 0 && i > 0)
            f.texte(c + QPointF(-8, 18), QStringLiteral("M") + QString::number(i));
    }
    for (int i : {4, 12}) {
        // v(i) ≈ (M(i+1) − M(i−1)) / 2τ, drawn from Mi.
        const QPointF vi = (m[i + 1] - m[i - 1]) / (2 * tau);
        const QPointF a = m[i], b = m[i] + vi * echelle;
        f.fleche(f.px(a.x(), a.y()), f.px(b.x(), b.y()), bleu, 2);
        f.texte(f.px(b.x(), b.y()) + QPointF(4, -4), QStringLiteral("v⃗") + QString::number(i), bleu);
    }
    for (int i : {5, 9, 13}) {
        const QPointF dv = (m[i + 2] - m[i]) / (2 * tau) - (m[i] - m[i - 2]) / (2 * tau);
        const QPointF a = m[i], b = m[i] + dv * echelleDv;
        f.fleche(f.px(a.x(), a.y()), f.px(b.x(), b.y()), rouge, 2);
        f.texte(f.px(b.x(), b.y()) + QPointF(4, 12), QStringLiteral("Δv⃗") + QString::number(i), rouge);
    }
    return f.fin();
}

// Energies of the balloon (450 g) along the default throw.
QImage energie()
{
    const double m = 0.45, g = 9.8;
    const sim::Vitesse v = sim::voxvoy(14, 85);
    const double duree = 2 * v.vy / g;
    Plan f(560, 340, 3, 50);
    f.axes(QStringLiteral("t (s)"), QStringLiteral("E (J)"), 0.5, 10);
    QList<QPointF> ec, ep, em;
    for (int i = 0; i <= 300; ++i) {
        const double t = duree * i / 300.0;
        const double vy = v.vy - g * t, y = v.vy * t - g * t * t / 2;
        const double c = m * (double(v.vx) * v.vx + vy * vy) / 2, pp = m * g * y;
        ec.append(f.px(t, c));
        ep.append(f.px(t, pp));
        em.append(f.px(t, c + pp));
    }
    f.courbe(ec, bleu);
    f.courbe(ep, rouge);
    f.courbe(em, vert, 2.4, Qt::DashLine);
    f.texte(f.px(0.08, 40), QStringLiteral("Ec"), bleu);
    f.texte(f.px(0.55, 32), QStringLiteral("Epp"), rouge);
    f.texte(f.px(1.2, 48), QStringLiteral("Em = Ec + Epp"), vert);
    return f.fin();
}

}  // namespace

QList<Figure> figuresCours()
{
    return {{QStringLiteral("repere.png"), repere()},       {QStringLiteral("trajectoire.png"), trajectoire()},
            {QStringLiteral("angles.png"), angles()},       {QStringLiteral("lieux.png"), lieux()},
            {QStringLiteral("vecteurs.png"), vecteurs()},   {QStringLiteral("energie.png"), energie()}};
}
