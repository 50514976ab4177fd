// SPDX-License-Identifier: GPL-3.0-or-later
// Pieces of scenery placed on the landscapes: clouds, trees, the Earth in the Moon's sky,
// rocks lying on the ground and craters.
#include "donnees.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <vector>

namespace donnees {

void nuage(QPainter& p, Hasard& h, QPointF centre, double large, double haut)
{
    struct Bulle { QPointF c; double r; };
    std::vector<Bulle> bulles;
    const int n = int(large / 4.5);
    for (int i = 0; i < n; ++i) {
        const double fx = h.entre(-1, 1);
        const double r = haut * (0.4 + 0.45 * (1 - fx * fx)) * h.entre(0.7, 1.05);
        // Puffs sit on a common flat base, as fair-weather clouds do.
        bulles.push_back({QPointF(centre.x() + fx * large * 0.38, centre.y() + haut * 0.5 - r * h.entre(0.85, 1.1)), r});
    }
    p.setPen(Qt::NoPen);
    auto dessous = [&](QPointF c, double r) {
        QRadialGradient g(c + QPointF(0, r * 0.2), r);
        g.setColorAt(0, QColor(172, 190, 212, 170));
        g.setColorAt(0.6, QColor(172, 190, 212, 100));
        g.setColorAt(1, QColor(172, 190, 212, 0));
        p.setBrush(g);
    };
    // The grey-blue underside first: every puff, then the flat base squeezed into an ellipse.
    for (const Bulle& b : bulles) {
        dessous(b.c, b.r);
        p.drawEllipse(b.c + QPointF(0, b.r * 0.2), b.r, b.r);
    }
    const QPointF base(centre.x(), centre.y() + haut * 0.3);
    const double rayonBase = large * 0.46;
    dessous(base, rayonBase);
    p.save();
    p.translate(base);
    p.scale(1, haut * 0.28 / rayonBase);
    p.translate(-base);
    p.drawEllipse(base, rayonBase, rayonBase);
    p.restore();
    // Then the lit puffs over it.
    for (const Bulle& b : bulles) {
        QRadialGradient g(b.c, b.r * 0.95, b.c - QPointF(b.r * 0.3, b.r * 0.4));
        g.setColorAt(0, QColor(252, 252, 254, 200));
        g.setColorAt(0.5, QColor(238, 242, 248, 130));
        g.setColorAt(1, QColor(226, 234, 245, 0));
        p.setBrush(g);
        p.drawEllipse(b.c, b.r * 0.95, b.r * 0.95);
    }
}

void arbre(QPainter& p, Hasard& h, QPointF pied, double haut, double large)
{
    p.setPen(Qt::NoPen);
    QRadialGradient ombre(pied + QPointF(large * 0.15, 0), large * 0.7);
    ombre.setColorAt(0, QColor(15, 40, 10, 120));
    ombre.setColorAt(1, QColor(15, 40, 10, 0));
    p.save();
    p.translate(pied);
    p.scale(1, 0.12);
    p.translate(-pied);
    p.setBrush(ombre);
    p.drawEllipse(pied + QPointF(large * 0.15, 0), large * 0.7, large * 0.7);
    p.restore();

    const double e = haut * 0.05;
    QPainterPath tronc(pied + QPointF(-e, 0));
    tronc.quadTo(pied + QPointF(-e * 0.5, -haut * 0.3), pied + QPointF(-e * 0.55, -haut * 0.62));
    tronc.lineTo(pied + QPointF(e * 0.55, -haut * 0.62));
    tronc.quadTo(pied + QPointF(e * 0.5, -haut * 0.3), pied + QPointF(e * 1.1, 0));
    tronc.closeSubpath();
    QLinearGradient bois(pied + QPointF(-e, 0), pied + QPointF(e, 0));
    bois.setColorAt(0, QColor(128, 98, 66));
    bois.setColorAt(1, QColor(58, 40, 26));
    p.setBrush(bois);
    p.drawPath(tronc);

    const QPointF centre = pied + QPointF(0, -haut * 0.64);
    const double rx = large / 2, ry = haut * 0.36;
    for (int passe = 0; passe < 2; ++passe) {
        for (int i = 0; i < 46; ++i) {
            const double a = h.entre(0, 2 * M_PI), d = std::sqrt(h.unite()) * 0.8;
            const QPointF c = centre + QPointF(std::cos(a) * rx * d, std::sin(a) * ry * d);
            const double r = rx * h.entre(0.22, 0.36) * (passe ? 0.8 : 1.0);
            // Blobs on the upper left catch the light; the others stay in the crown's shade.
            const double lum = std::clamp(0.45 - 0.45 * (c.x() - centre.x()) / rx - 0.5 * (c.y() - centre.y()) / ry, 0.0, 1.0);
            const QColor vert = passe ? melange(QColor(58, 108, 36), QColor(138, 184, 70), lum)
                                      : melange(QColor(26, 62, 22), QColor(60, 108, 40), lum);
            QRadialGradient g(c, r, c - QPointF(r * 0.3, r * 0.35));
            g.setColorAt(0, vert.lighter(112));
            g.setColorAt(0.7, vert);
            g.setColorAt(1, avecAlpha(vert, 0));
            p.setBrush(g);
            p.drawEllipse(c, r, r);
        }
    }
    for (int i = 0; i < 220; ++i) {  // leaf specks give the crown some texture
        const double a = h.entre(0, 2 * M_PI), d = std::sqrt(h.unite()) * 0.95;
        const QPointF c = centre + QPointF(std::cos(a) * rx * d, std::sin(a) * ry * d);
        const double lum = 0.5 - 0.5 * (c.x() - centre.x()) / rx - 0.4 * (c.y() - centre.y()) / ry;
        p.setBrush(h.unite() < std::clamp(lum, 0.1, 0.9) ? QColor(150, 196, 84, 170) : QColor(22, 52, 18, 150));
        p.drawEllipse(c, 0.9, 0.9);
    }
}

QImage planete(double rayon)
{
    const int taille = int(std::ceil(2 * rayon)) + 2;
    QImage img(taille, taille, QImage::Format_ARGB32_Premultiplied);
    const double c = taille / 2.0, lx = 0.99, ly = -0.14;  // sun on the right: the Earth is half lit
    for (int py = 0; py < taille; ++py)
        for (int px = 0; px < taille; ++px) {
            double r = 0, g = 0, b = 0, a = 0;
            for (int s = 0; s < 16; ++s) {
                const double u = (px + (s % 4 + 0.5) / 4 - c) / rayon, v = (py + (s / 4 + 0.5) / 4 - c) / rayon;
                const double rr = u * u + v * v;
                if (rr > 1)
                    continue;
                const double nz = std::sqrt(1 - rr);
                const double lon = std::atan2(u, nz) + 0.8, lat = std::asin(v);
                const double terres = fbm(lon * 2.4 + 3, lat * 2.6 + 1, 4, 5);
                const double nuages = fbm(lon * 4.0 + lat * 2.0, lat * 6.0, 4, 17);
                QColor sol = terres > 0.56 ? melange(QColor(84, 124, 58), QColor(170, 150, 100), (terres - 0.56) * 4)
                                           : melange(QColor(22, 62, 150), QColor(40, 96, 190), nz);
                if (std::abs(lat) > 1.15)
                    sol = QColor(235, 240, 245);
                sol = melange(sol, QColor(250, 252, 255), std::clamp((nuages - 0.5) * 4.5, 0.0, 0.95));
                const double d = u * lx + v * ly;
                const double jour = std::clamp((d + 0.06) / 0.18, 0.0, 1.0) * (0.35 + 0.65 * std::max(d, 0.0)) + 0.05;
                const double halo = std::pow(1 - nz, 3) * 0.6 * jour;
                r += sol.redF() * jour + 0.35 * halo;
                g += sol.greenF() * jour + 0.55 * halo;
                b += sol.blueF() * jour + 1.0 * halo;
                a += 1;
            }
            reinterpret_cast<QRgb*>(img.scanLine(py))[px] =
                qRgba(borne255(r / 16 * 255), borne255(g / 16 * 255), borne255(b / 16 * 255), borne255(a / 16 * 255));
        }
    return img;
}

// A crater seen in perspective: a bowl with a raised rim, shaded by the slope of its surface.
void cratere(QImage& img, double cx, double cy, double rayon, double aplatissement, double force)
{
    const double ry = rayon * aplatissement;
    for (int y = int(cy - ry * 1.6); y <= int(cy + ry * 1.6) + 1; ++y)
        for (int x = int(cx - rayon * 1.6); x <= int(cx + rayon * 1.6) + 1; ++x) {
            const double u = (x + 0.5 - cx) / rayon, v = (y + 0.5 - cy) / ry;
            const double r = std::sqrt(u * u + v * v);
            if (r > 1.6 || r < 1e-6)
                continue;
            const double bord = std::exp(-((r - 1) / 0.22) * ((r - 1) / 0.22));
            const double dhdr = (r < 1 ? 2.0 * 0.5 * r : 0.0) - 0.18 * 2 * (r - 1) / 0.0484 * bord;
            const double hu = dhdr * u / r, hv = dhdr * v / r;
            const double eclairage = std::clamp(1.0 + force * (hu * 0.9 + hv * 0.35), 0.45, 1.6);
            const double fond = r < 0.85 ? 0.93 : 1.0;
            module(img, x, y, eclairage * fond);
        }
}

// An irregular rock with its soft shadow thrown to the right.
void caillou(QPainter& p, Hasard& h, QPointF base, double taille, const QColor& clair, const QColor& sombre)
{
    QRadialGradient ombre(base + QPointF(taille * 0.7, -taille * 0.05), taille * 1.4);
    ombre.setColorAt(0, QColor(20, 10, 5, 90));
    ombre.setColorAt(1, QColor(20, 10, 5, 0));
    p.save();
    p.translate(base + QPointF(taille * 0.7, -taille * 0.05));
    p.scale(1.0, 0.28);
    p.translate(-(base + QPointF(taille * 0.7, -taille * 0.05)));
    p.setPen(Qt::NoPen);
    p.setBrush(ombre);
    p.drawEllipse(base + QPointF(taille * 0.7, -taille * 0.05), taille * 1.4, taille * 1.4);
    p.restore();
    // The rock itself, drawn on its own small canvas and resting on the base point.
    const double rx = taille, ry = taille * h.entre(0.45, 0.65);
    const int large = int(std::ceil(2 * rx * 1.15)) + 2, haut = int(std::ceil(2 * ry * 1.15)) + 2;
    const QImage pierre = reduit(roche(large, haut, QPointF(large / 2.0, haut - ry - 0.5), rx, ry, clair, sombre, 0.6,
                                       std::uint32_t(h.entier(1, 1 << 20))));
    p.drawImage(QPointF(base.x() - large / 2.0, base.y() - haut + 0.5 + ry * 0.1), pierre);
}

}  // namespace donnees
