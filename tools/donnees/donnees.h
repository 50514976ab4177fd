// SPDX-License-Identifier: GPL-3.0-or-later
// Shared helpers of the data generators: reproducible randomness, smooth noise for textures,
// colour mixing and saving. Every picture is drawn from fixed seeds, so running the generator
// twice gives the same files and regenerating does not churn the repository.
#pragma once

#include <QColor>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>

namespace donnees {

// Seeded generator with our own conversions: std::uniform_*_distribution differ between
// standard libraries, the raw mt19937 sequence does not.
class Hasard {
public:
    explicit Hasard(std::uint32_t graine) : moteur_(graine) {}
    double unite() { return moteur_() / 4294967296.0; }
    double entre(double a, double b) { return a + (b - a) * unite(); }
    int entier(int a, int b) { return a + int(unite() * (b - a + 1)); }

private:
    std::mt19937 moteur_;
};

inline double lisse(double t) { return t * t * (3.0 - 2.0 * t); }

inline double pixelHache(int x, int y, std::uint32_t graine)
{
    std::uint32_t h = std::uint32_t(x) * 374761393u + std::uint32_t(y) * 668265263u + graine * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xFFFFFF) / double(0x1000000);
}

// Value noise in [0, 1], smooth between integer lattice points.
inline double bruit(double x, double y, std::uint32_t graine)
{
    const int x0 = int(std::floor(x));
    const int y0 = int(std::floor(y));
    const double fx = lisse(x - x0);
    const double fy = lisse(y - y0);
    const double a = pixelHache(x0, y0, graine), b = pixelHache(x0 + 1, y0, graine);
    const double c = pixelHache(x0, y0 + 1, graine), d = pixelHache(x0 + 1, y0 + 1, graine);
    return (a + (b - a) * fx) * (1 - fy) + (c + (d - c) * fx) * fy;
}

// Fractal sum of noise octaves, still in [0, 1].
inline double fbm(double x, double y, int octaves, std::uint32_t graine)
{
    double somme = 0, poids = 0, amplitude = 1;
    for (int o = 0; o < octaves; ++o) {
        somme += amplitude * bruit(x, y, graine + std::uint32_t(o) * 101u);
        poids += amplitude;
        amplitude *= 0.5;
        x *= 2.03;
        y *= 2.03;
    }
    return somme / poids;
}

inline QColor melange(const QColor& a, const QColor& b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t),
                            float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

inline QColor avecAlpha(QColor c, double alpha)
{
    c.setAlphaF(float(std::clamp(alpha, 0.0, 1.0)));
    return c;
}

inline int borne255(double v) { return std::clamp(int(std::lround(v)), 0, 255); }

// Multiplies the colour of one pixel of an RGB32/ARGB32 picture, keeping its alpha.
inline void module(QImage& img, int x, int y, double facteur, double ajout = 0)
{
    if (x < 0 || y < 0 || x >= img.width() || y >= img.height())
        return;
    QRgb* p = reinterpret_cast<QRgb*>(img.scanLine(y)) + x;
    *p = qRgba(borne255(qRed(*p) * facteur + ajout), borne255(qGreen(*p) * facteur + ajout),
               borne255(qBlue(*p) * facteur + ajout), qAlpha(*p));
}

// Small pictures are drawn four times larger and reduced by area averaging: cleaner
// anti-aliasing than painting at 32 pixels, and room for sub-pixel detail.
constexpr int surEchantillon = 4;

inline QImage grandeToile(int taille)
{
    QImage img(taille * surEchantillon, taille * surEchantillon, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

inline QImage reduit(const QImage& grande)
{
    return grande
        .scaled(grande.width() / surEchantillon, grande.height() / surEchantillon, Qt::IgnoreAspectRatio,
                Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32);
}

struct V3 {
    double x, y, z;
    double scal(const V3& o) const { return x * o.x + y * o.y + z * o.z; }
    V3 norme() const
    {
        const double l = std::sqrt(x * x + y * y + z * z);
        return {x / l, y / l, z / l};
    }
};

// Light from the upper left, as in every picture of the program.
const V3 lumiere = V3{-0.45, -0.65, 0.62}.norme();

// Diffuse and specular shading of a surface of normal n.
QRgb eclaire(const QColor& base, const V3& n, double ambiant, double speculaire, double brillance);

// A rock on a transparent canvas (large x haut pixels, drawn four times larger): a lit height
// field inside an irregular outline with a flattened underside.
QImage roche(int large, int haut, QPointF centre, double rx, double ry, const QColor& clair, const QColor& sombre,
             double rugosite, std::uint32_t graine);

void nuage(QPainter& p, Hasard& h, QPointF centre, double large, double haut);
void arbre(QPainter& p, Hasard& h, QPointF pied, double haut, double large);
// The Earth as seen from the Moon, half lit by a sun on the right, on a transparent canvas.
QImage planete(double rayon);

// A rock resting on the ground at base, half as wide as taille, with its soft shadow thrown to
// the right (the sun is on the left in every picture).
void caillou(QPainter& p, Hasard& h, QPointF base, double taille, const QColor& clair, const QColor& sombre);

// A crater seen in perspective: a bowl with a raised rim, shaded by the slope of its surface.
void cratere(QImage& img, double cx, double cy, double rayon, double aplatissement, double force);

// Writes a picture and says so; a failed write is reported and counted by the caller.
bool enregistre(const QImage& img, const QDir& dossier, const QString& nom, int qualite = -1);

bool genereFonds(const QDir& dossier);
bool genereProjectiles(const QDir& dossier);
bool genereSons(const QDir& dossier);
bool genereIcones(const QDir& dossier);
bool genereApplication(const QDir& dossier);
// The program's icon at the sizes a desktop's icon theme asks for.
bool genereIconesBureau(const QDir& dossier);

}  // namespace donnees
