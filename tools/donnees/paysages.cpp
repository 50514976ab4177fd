// SPDX-License-Identifier: GPL-3.0-or-later
// The three place pictures behind the scene (410 x 460). The scene draws its frame in white
// over them and writes the date in the top-right corner, so the skies stay deep enough for
// white to show, the corner stays plain and the landscape keeps low. Objects rest on row 446.
#include "donnees.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <array>
#include <functional>
#include <vector>

namespace donnees {
namespace {

constexpr int largeur = 410;
constexpr int hauteur = 460;

bool dansLeCoinDuTexte(double x, double y) { return x > 232 && y < 74; }

// How a landform is coloured: from haut at its crest to bas epaisseur pixels lower, lit by the
// slope of its crest (faces turned to the left are brighter), textured, with optional dark
// patches of woods and horizontal rock strata.
struct Relief {
    QColor haut, bas;
    double epaisseur, ombrage, texture;
    std::uint32_t graine;
    double bois = 0, strates = 0;
    double portee = 10;  // half-width over which the crest's slope is measured
    double rugueux = 0;  // light and shade of smaller bumps below the crest
};

void relief(QImage& img, const std::function<double(double)>& crete, const Relief& r)
{
    for (int x = 0; x < img.width(); ++x) {
        const double sommet = crete(x + 0.5);
        const double pente = (crete(x + 0.5 + r.portee) - crete(x + 0.5 - r.portee)) / (2 * r.portee);
        const double lumiere = std::clamp(1.0 - r.ombrage * pente, 0.65, 1.35);
        for (int y = std::max(0, int(std::floor(sommet))); y < img.height(); ++y) {
            const double couverture = std::clamp(y + 1 - sommet, 0.0, 1.0);
            const double t = (y - sommet) / r.epaisseur;
            QColor c = melange(r.haut, r.bas, t);
            if (r.bois > 0)
                c = melange(c, r.bas.darker(150), r.bois * std::clamp((fbm(x / 14.0, y / 5.0, 3, r.graine + 5) - 0.55) * 8, 0.0, 1.0));
            const double bosses = fbm((x + 2) / 18.0, y / 7.0, 3, r.graine + 11) - fbm((x - 2) / 18.0, y / 7.0, 3, r.graine + 11);
            const double l = 1.0 + (lumiere - 1.0) * std::exp(-(y - sommet) / r.epaisseur) + r.rugueux * bosses;
            double f = l * (1.0 + r.texture * (fbm(x / 4.0, y / 4.0, 3, r.graine) - 0.5));
            if (r.strates > 0) {  // layered cliffs: strata, a paler cap rock, gullies cut by erosion
                f *= 1.0 + r.strates * (fbm(x / 40.0, y / 2.5, 2, r.graine + 7) - 0.5);
                f *= y - sommet < 1.5 ? 1.08 : 1.0 - 0.07 * std::clamp((fbm(x / 2.5, y / 10.0, 2, r.graine + 9) - 0.55) * 5, 0.0, 1.0);
            }
            QRgb* p = reinterpret_cast<QRgb*>(img.scanLine(y)) + x;
            *p = qRgb(borne255(qRed(*p) + (c.red() * f - qRed(*p)) * couverture),
                      borne255(qGreen(*p) + (c.green() * f - qGreen(*p)) * couverture),
                      borne255(qBlue(*p) + (c.blue() * f - qBlue(*p)) * couverture));
        }
    }
}

double bosse(double x, double centre, double largeur) { return std::exp(-((x - centre) / largeur) * ((x - centre) / largeur)); }

// Fine per-pixel grain, so flat areas do not look computer-made.
void grain(QImage& img, int y0, int y1, double force, std::uint32_t graine)
{
    for (int y = std::max(0, y0); y < std::min(img.height(), y1); ++y)
        for (int x = 0; x < img.width(); ++x)
            module(img, x, y, 1.0 + force * (pixelHache(x, y, graine) - 0.5));
}

// A flat plain seen in perspective from the horizon down: patches shrink toward the horizon
// and fade into the haze there.
void plaine(QImage& img, double horizon, const QColor& loin, const QColor& pres, const QColor& clair,
            const QColor& sombre, double taches, std::uint32_t graine)
{
    for (int y = int(horizon); y < img.height(); ++y) {
        const double d = y + 0.5 - horizon + 3.0;
        const double proximite = std::clamp((y - horizon) / (img.height() - horizon), 0.0, 1.0);
        const double brume = std::clamp(1.0 - d / 30.0, 0.0, 1.0);
        const QColor fond = melange(loin, pres, proximite);
        QRgb* ligne = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const double gx = (x - 205.0) / d * 6.0, gz = 420.0 / d;
            const double n = fbm(gx * 0.35, gz * 0.35, 4, graine) - 0.5;
            const QColor tache = n > 0 ? melange(fond, clair, n * 2 * taches * (1 - brume))
                                       : melange(fond, sombre, -n * 2 * taches * (1 - brume));
            ligne[x] = qRgb(tache.red(), tache.green(), tache.blue());
        }
    }
}

QImage terre()
{
    QImage img(largeur, hauteur, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient ciel(0, 0, 0, 400);
    ciel.setColorAt(0, QColor(58, 116, 188));
    ciel.setColorAt(0.55, QColor(100, 158, 212));
    ciel.setColorAt(1, QColor(156, 199, 230));
    p.fillRect(img.rect(), ciel);

    Hasard h(1789);
    nuage(p, h, QPointF(96, 98), 130, 30);
    nuage(p, h, QPointF(218, 184), 84, 21);
    nuage(p, h, QPointF(336, 254), 104, 24);
    nuage(p, h, QPointF(62, 276), 70, 15);
    p.end();

    relief(img, [](double x) {
        return 380 - 24 * bosse(x, 70, 80) - 30 * bosse(x, 250, 75) - 14 * bosse(x, 400, 45) - 8 * fbm(x / 45.0, 3.1, 3, 7);
    }, {QColor(128, 170, 172), QColor(116, 158, 146), 40, 0.9, 0.06, 11, 0.12});
    relief(img, [](double x) {
        return 404 - 12 * bosse(x, 30, 60) - 17 * bosse(x, 185, 70) - 9 * bosse(x, 320, 45) - 4 * fbm(x / 35.0 + 9, 1.7, 3, 21);
    }, {QColor(100, 152, 80), QColor(82, 134, 60), 30, 3.0, 0.12, 23, 0.55});
    relief(img, [](double x) { return 416 - 4 * fbm(x / 50.0, 4.2, 2, 31); },
           {QColor(132, 176, 74), QColor(106, 156, 54), 30, 1.0, 0.16, 33});
    relief(img, [](double x) { return 446 - 0.6 * fbm(x / 9.0, 0.5, 2, 41); },
           {QColor(78, 136, 42), QColor(46, 92, 26), 14, 0.0, 0.45, 43});
    grain(img, 404, hauteur, 0.07, 5);

    p.begin(&img);
    p.setRenderHint(QPainter::Antialiasing);
    Hasard fleurs(12);
    for (int i = 0; i < 160; ++i) {  // meadow flowers, tiny in the distance
        const double y = fleurs.entre(416, 444);
        p.setPen(Qt::NoPen);
        p.setBrush(fleurs.unite() < 0.6 ? QColor(250, 246, 220, 190) : QColor(250, 214, 70, 190));
        p.drawEllipse(QPointF(fleurs.entre(0, largeur), y), 0.35 + (y - 416) / 60, 0.35 + (y - 416) / 60);
    }
    Hasard foret(77);
    arbre(p, foret, QPointF(350, 431), 50, 34);
    arbre(p, foret, QPointF(392, 442), 88, 58);
    Hasard herbe(99);
    for (int i = 0; i < 1400; ++i) {
        const double x = herbe.entre(-2, largeur + 2), y = herbe.entre(446.5, 462);
        const double l = herbe.entre(2, 5.5) * (y < 448 ? 0.7 : 1.0);
        p.setPen(QPen(melange(QColor(40, 86, 22), QColor(122, 176, 64), herbe.unite()), herbe.entre(0.7, 1.1)));
        p.drawLine(QPointF(x, y), QPointF(x + herbe.entre(-1.6, 1.6), y - l));
    }
    return img;
}

QImage lune()
{
    QImage img(largeur, hauteur, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient ciel(0, 0, 0, 400);
    ciel.setColorAt(0, QColor(0, 0, 0));
    ciel.setColorAt(1, QColor(10, 10, 16));
    p.fillRect(img.rect(), ciel);

    const QPointF terreDansLeCiel(112, 118);
    Hasard h(1969);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 330; ++i) {
        const double x = h.entre(0, largeur), y = h.entre(0, 396), eclat = std::pow(h.unite(), 3.2);
        const QColor teinte = std::array<QColor, 3>{QColor(255, 255, 255), QColor(205, 218, 255), QColor(255, 236, 212)}[h.entier(0, 2)];
        if (dansLeCoinDuTexte(x, y) || std::hypot(x - terreDansLeCiel.x(), y - terreDansLeCiel.y()) < 24)
            continue;
        if (eclat > 0.55) {
            QRadialGradient halo(QPointF(x, y), 2.5 + 2 * eclat);
            halo.setColorAt(0, avecAlpha(teinte, 0.45 * eclat));
            halo.setColorAt(1, avecAlpha(teinte, 0));
            p.setBrush(halo);
            p.drawEllipse(QPointF(x, y), 2.5 + 2 * eclat, 2.5 + 2 * eclat);
        }
        p.setBrush(avecAlpha(teinte, 0.22 + 0.78 * eclat));
        p.drawEllipse(QPointF(x, y), 0.42 + 0.75 * eclat, 0.42 + 0.75 * eclat);
    }
    QRadialGradient atmosphere(terreDansLeCiel + QPointF(2.5, -0.5), 21);
    atmosphere.setColorAt(0.6, QColor(90, 150, 255, 70));
    atmosphere.setColorAt(1, QColor(90, 150, 255, 0));
    p.setBrush(atmosphere);
    p.drawEllipse(terreDansLeCiel + QPointF(2.5, -0.5), 21, 21);
    const QImage disque = planete(13.5);
    p.drawImage(terreDansLeCiel - QPointF(disque.width() / 2.0, disque.height() / 2.0), disque);
    p.end();

    relief(img, [](double x) {
        return 394 - 22 * bosse(x, 60, 50) - 30 * bosse(x, 150, 38) - 16 * bosse(x, 290, 60) - 10 * fbm(x / 30.0, 2.2, 3, 3);
    }, {QColor(130, 130, 132), QColor(92, 92, 96), 22, 2.5, 0.10, 61, 0, 0, 10, 2.0});
    plaine(img, 398, QColor(108, 108, 110), QColor(132, 131, 129), QColor(150, 149, 146), QColor(90, 90, 94), 0.8, 71);
    relief(img, [](double x) { return 398.5 - 1.6 * fbm(x / 30.0, 1.0, 3, 81); },
           {QColor(100, 100, 102), QColor(108, 108, 110), 4, 1.0, 0.1, 83});
    Hasard cr(2024);
    for (int i = 0; i < 34; ++i) {
        const double y = 401 + std::pow(cr.unite(), 0.8) * 66;
        const double s = (y - 394) / 66;
        const double rayon = s * cr.entre(3, 14) * (cr.unite() < 0.15 ? 2.2 : 1.0);
        cratere(img, cr.entre(-10, largeur + 10), y, rayon, 0.16 + 0.2 * s, 0.6);
    }
    grain(img, 392, hauteur, 0.16, 9);

    p.begin(&img);
    p.setRenderHint(QPainter::Antialiasing);
    Hasard cailloux(3);
    for (int i = 0; i < 60; ++i) {
        const double y = 404 + std::pow(cailloux.unite(), 0.6) * 58;
        const double s = (y - 396) / 64;
        const int gris = cailloux.entier(170, 205);
        caillou(p, cailloux, QPointF(cailloux.entre(0, largeur), y), s * cailloux.entre(0.8, 3.0),
                QColor(gris, gris, gris - 3), QColor(gris * 2 / 5, gris * 2 / 5, gris * 2 / 5 + 2));
    }
    return img;
}

QImage mars()
{
    QImage img(largeur, hauteur, QImage::Format_RGB32);
    QPainter p(&img);
    QLinearGradient ciel(0, 0, 0, 395);
    ciel.setColorAt(0, QColor(128, 80, 50));
    ciel.setColorAt(0.5, QColor(182, 128, 80));
    ciel.setColorAt(1, QColor(220, 170, 118));
    p.fillRect(img.rect(), ciel);
    // A small pale sun in the dusty sky, far from the corner where the date is written.
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF soleil(92, 132);
    QRadialGradient halo(soleil, 60);
    halo.setColorAt(0, QColor(255, 236, 200, 110));
    halo.setColorAt(0.25, QColor(250, 214, 160, 45));
    halo.setColorAt(1, QColor(240, 190, 130, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(soleil, 60, 60);
    QRadialGradient disque(soleil, 4.5);
    disque.setColorAt(0, QColor(255, 252, 240));
    disque.setColorAt(0.7, QColor(255, 244, 220));
    disque.setColorAt(1, QColor(255, 236, 200, 0));
    p.setBrush(disque);
    p.drawEllipse(soleil, 4.5, 4.5);
    p.end();

    // Flat-topped mesas: a gentle talus at the foot, then a steep cliff up to the table.
    struct Mesa { double x0, x1, h, talus; };
    const std::vector<Mesa> mesas{{-30, 112, 26, 16}, {146, 176, 11, 7}, {238, 288, 17, 9}, {322, 440, 22, 14}};
    auto silhouette = [&](double x) {
        double haut = 0;
        for (const Mesa& m : mesas) {
            const double bord = std::min(x - m.x0, m.x1 - x) + 7 * (fbm(x / 9.0, m.h, 3, 13) - 0.5);
            const double profil = 0.38 * lisse(std::clamp(bord / m.talus, 0.0, 1.0)) +
                                  0.62 * lisse(std::clamp((bord - m.talus) / 4.5, 0.0, 1.0));
            haut = std::max(haut, m.h * profil * (0.94 + 0.1 * fbm(x / 14.0, 1, 3, 19)));
        }
        return 395 - haut - 2.0 * fbm(x / 40.0, 5, 3, 29);
    };
    relief(img, silhouette, {QColor(196, 136, 100), QColor(178, 114, 78), 28, 1.2, 0.10, 51, 0, 0.25, 3});
    plaine(img, 395, QColor(190, 116, 74), QColor(156, 76, 40), QColor(200, 126, 78), QColor(124, 58, 32), 0.9, 53);
    relief(img, [](double x) { return 395.5 - 1.5 * fbm(x / 25.0, 3, 3, 57); },
           {QColor(188, 116, 76), QColor(190, 116, 74), 4, 1.0, 0.1, 59});
    grain(img, 396, hauteur, 0.10, 17);

    p.begin(&img);
    p.setRenderHint(QPainter::Antialiasing);
    Hasard h(1976);
    std::vector<std::pair<QPointF, double>> pierres;
    for (int i = 0; i < 110; ++i) {
        const double y = 400 + std::pow(h.unite(), 0.6) * 62;
        const double s = (y - 392) / 68;
        pierres.push_back({QPointF(h.entre(-5, largeur + 5), y), s * h.entre(2.0, 7.0) * (h.unite() < 0.1 ? 1.7 : 1.0)});
    }
    std::sort(pierres.begin(), pierres.end(), [](const auto& a, const auto& b) { return a.first.y() < b.first.y(); });
    for (const auto& [pos, taille] : pierres) {
        const double nuance = h.entre(0.85, 1.1);
        caillou(p, h, pos, taille, QColor(borne255(236 * nuance), borne255(150 * nuance), borne255(100 * nuance)),
                QColor(borne255(120 * nuance), borne255(58 * nuance), borne255(32 * nuance)));
    }
    return img;
}

}  // namespace

bool genereFonds(const QDir& dossier)
{
    bool ok = enregistre(terre(), dossier, "terre.jpg", 92);
    ok = enregistre(lune(), dossier, "lune.jpg", 92) && ok;
    ok = enregistre(mars(), dossier, "mars.jpg", 92) && ok;
    return ok;
}

}  // namespace donnees
