// SPDX-License-Identifier: GPL-3.0-or-later
// Shading shared by the projectiles and the landscapes, and the rocks both of them show.
#include "donnees.h"


namespace donnees {

QRgb eclaire(const QColor& base, const V3& n, double ambiant, double speculaire, double brillance)
{
    const double d = std::max(0.0, n.scal(lumiere));
    const V3 mi = V3{lumiere.x, lumiere.y, lumiere.z + 1}.norme();
    const double s = speculaire * std::pow(std::max(0.0, n.scal(mi)), brillance) * 255;
    const double f = ambiant + (1 - ambiant) * d;
    return qRgb(borne255(base.red() * f + s), borne255(base.green() * f + s), borne255(base.blue() * f + s));
}

QImage roche(int large, int haut, QPointF centre, double rx, double ry, const QColor& clair, const QColor& sombre,
             double rugosite, std::uint32_t graine)
{
    QImage img(large * surEchantillon, haut * surEchantillon, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    const double cx = centre.x(), cy = centre.y();
    auto forme = [&](double x, double y) {
        const double dx = (x - cx) / rx, dy = (y - cy) / ry;
        const double a = std::atan2(dy, dx);
        const double r = 1 + 0.22 * (fbm(std::cos(a) * 1.4 + 5, std::sin(a) * 1.4 + 5, 3, graine) - 0.5);
        const double p = dy > 0 ? 3.2 : 2.0;  // flatter underneath: the rock sits on the ground
        return std::pow(std::pow(std::abs(dx), p) + std::pow(std::abs(dy), p), 1 / p) / r;
    };
    // Noise is sampled in the rock's own units, so a small rock looks like a big one reduced.
    const double echelle = rx / 15.0;
    auto hauteur = [&](double x, double y) {
        const double rho = forme(x, y);
        const double u = (x - cx) / echelle, v = (y - cy) / echelle;
        const double dome = std::sqrt(std::max(0.0, 1 - rho * rho)) * 15 * 0.55;
        const double facettes = std::abs(fbm(u / 7.0, v / 7.0, 2, graine + 2) - 0.5) * 15 * 0.8;
        return dome + rugosite * (fbm(u / 2.4, v / 2.4, 3, graine + 1) - 0.5) * 1.2 - facettes * rugosite;
    };
    for (int py = 0; py < img.height(); ++py) {
        QRgb* ligne = reinterpret_cast<QRgb*>(img.scanLine(py));
        for (int px = 0; px < img.width(); ++px) {
            const double x = (px + 0.5) / surEchantillon, y = (py + 0.5) / surEchantillon;
            if (forme(x, y) >= 1)
                continue;
            const double e = 0.25 * echelle;
            const double hx = (hauteur(x + e, y) - hauteur(x - e, y)) / (2 * e) * echelle;
            const double hy = (hauteur(x, y + e) - hauteur(x, y - e)) / (2 * e) * echelle;
            const V3 n = V3{-std::clamp(hx, -3.0, 3.0), -std::clamp(hy, -3.0, 3.0), 1}.norme();
            const double u = (x - cx) / echelle, v = (y - cy) / echelle;
            QColor base = melange(sombre, clair, 0.25 + fbm(u / 2.2, v / 2.2, 3, graine + 3));
            if (fbm(u / 1.1, v / 3.0, 2, graine + 4) > 0.78 + std::max(0.0, 0.6 - rugosite) * 0.3)  // a few dark cracks
                base = base.darker(150);
            const double pied = std::clamp((v - (ry / echelle - 3.5)) / 3.5, 0.0, 1.0);  // own shade near the ground
            ligne[px] = eclaire(melange(base, sombre.darker(130), pied * 0.6), n, 0.32, 0.08, 12) | 0xFF000000u;
        }
    }
    return img;
}

}  // namespace donnees
