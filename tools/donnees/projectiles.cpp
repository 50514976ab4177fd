// SPDX-License-Identifier: GPL-3.0-or-later
// The five projectile pictures and their shadows, 32 x 32 with transparency. The scene puts a
// picture's top-left corner 16 pixels up and left of the projectile's point and its top at 420
// on the ground, so each object is centred on column 16 and rests on row 26 (scene row 446).
#include "donnees.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <functional>

namespace donnees {
namespace {

constexpr int cote = 32;
constexpr double centre = 16.5;  // middle of column 16
constexpr double sol = 27.0;     // lower edge of row 26
// Fills the big canvas pixel by pixel: couleur returns false outside the object.
void peintPixels(QImage& img, const std::function<bool(double, double, QRgb&)>& couleur)
{
    for (int py = 0; py < img.height(); ++py) {
        QRgb* ligne = reinterpret_cast<QRgb*>(img.scanLine(py));
        for (int px = 0; px < img.width(); ++px) {
            QRgb c;
            if (couleur((px + 0.5) / surEchantillon, (py + 0.5) / surEchantillon, c))
                ligne[px] = c | 0xFF000000u;
        }
    }
}

void sphere(QImage& img, double cx, double cy, double r, const std::function<QRgb(const V3&)>& teinte)
{
    peintPixels(img, [&](double x, double y, QRgb& c) {
        const double u = (x - cx) / r, v = (y - cy) / r, rr = u * u + v * v;
        if (rr > 1)
            return false;
        c = teinte(V3{u, v, std::sqrt(1 - rr)});
        return true;
    });
}

// Moves the drawing so that its lowest pixel lies on the ground row, whatever the rounding of
// its outline: the scene relies on it to show the object resting on the ground.
QImage poseAuSol(const QImage& grande)
{
    int bas = -1;
    for (int y = grande.height() - 1; y >= 0 && bas < 0; --y)
        for (int x = 0; x < grande.width(); ++x)
            if (qAlpha(grande.pixel(x, y)) > 0) {
                bas = y;
                break;
            }
    QImage posee(grande.size(), grande.format());
    posee.fill(Qt::transparent);
    QPainter p(&posee);
    p.drawImage(0, int(sol * surEchantillon) - 1 - bas, grande);
    p.end();
    return reduit(posee);
}

QImage pomme()
{
    QImage img = grandeToile(cote);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(surEchantillon, surEchantillon);
    const double c = centre;
    QPainterPath corps(QPointF(c, 16.3));
    corps.cubicTo(c + 2.2, 14.2, c + 7, 13.9, c + 7, 19.6);
    corps.cubicTo(c + 7, 23.6, c + 4.6, sol, c + 2.3, sol);
    corps.quadTo(c, 26.4, c - 2.3, sol);
    corps.cubicTo(c - 4.6, sol, c - 7, 23.6, c - 7, 19.6);
    corps.cubicTo(c - 7, 13.9, c - 2.2, 14.2, c, 16.3);
    QRadialGradient rouge(QPointF(c - 1, 20), 8.5, QPointF(c - 3.2, 17.5));
    rouge.setColorAt(0, QColor(255, 118, 96));
    rouge.setColorAt(0.35, QColor(218, 36, 32));
    rouge.setColorAt(0.8, QColor(160, 14, 22));
    rouge.setColorAt(1, QColor(104, 8, 16));
    p.setPen(QPen(QColor(92, 8, 14), 0.35));
    p.setBrush(rouge);
    p.drawPath(corps);
    p.setClipPath(corps);
    p.setPen(Qt::NoPen);
    Hasard h(5);
    for (int i = 0; i < 14; ++i) {  // the fine yellow streaks of a ripe apple
        const double x = c + h.entre(-6, 6);
        p.setPen(QPen(QColor(255, 190, 90, 26), 0.45));
        p.drawLine(QPointF(x, 15), QPointF(x + (x - c) * 0.25, 27));
    }
    p.setPen(Qt::NoPen);
    QRadialGradient reflet(QPointF(c - 3.4, 17.6), 2.2);
    reflet.setColorAt(0, QColor(255, 255, 255, 210));
    reflet.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(reflet);
    p.drawEllipse(QPointF(c - 3.4, 17.6), 1.6, 2.2);
    p.setClipping(false);

    QPainterPath queue(QPointF(c, 16.2));
    queue.quadTo(c + 0.1, 13, c + 1.3, 11.2);
    p.setPen(QPen(QColor(96, 62, 30), 1.0, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(queue);
    QPainterPath feuille(QPointF(c + 0.8, 13.2));
    feuille.cubicTo(c + 2.5, 10.2, c + 6.2, 10.6, c + 7.4, 12.4);
    feuille.cubicTo(c + 5.6, 14.6, c + 2.6, 14.8, c + 0.8, 13.2);
    QLinearGradient vert(QPointF(c + 2, 10.5), QPointF(c + 5, 14.5));
    vert.setColorAt(0, QColor(140, 204, 72));
    vert.setColorAt(1, QColor(46, 120, 36));
    p.setPen(QPen(QColor(34, 88, 26), 0.3));
    p.setBrush(vert);
    p.drawPath(feuille);
    p.setPen(QPen(QColor(200, 236, 140, 160), 0.3));
    p.drawLine(QPointF(c + 1.2, 13.1), QPointF(c + 6.6, 12.4));
    p.end();
    return poseAuSol(img);
}

QImage ballon()
{
    QImage img = grandeToile(cote);
    const std::array<QColor, 6> quartiers{QColor(226, 38, 40), QColor(252, 252, 250), QColor(250, 198, 30),
                                          QColor(36, 112, 222), QColor(252, 252, 250), QColor(44, 170, 84)};
    const double inclinaison = 0.55, rotation = 0.35;
    sphere(img, centre, sol - 10.5, 10.5, [&](const V3& n) {
        // Turn the ball so that its pole leans toward the viewer and the gores curve.
        const double y1 = n.y * std::cos(inclinaison) - n.z * std::sin(inclinaison);
        const double z1 = n.y * std::sin(inclinaison) + n.z * std::cos(inclinaison);
        const double x2 = n.x * std::cos(rotation) - y1 * std::sin(rotation);
        const double y2 = n.x * std::sin(rotation) + y1 * std::cos(rotation);
        const double lat = std::asin(std::clamp(-y2, -1.0, 1.0));
        const double lon = std::atan2(x2, z1) + M_PI;
        const double secteur = lon / (2 * M_PI / 6);
        QColor base = quartiers[std::size_t(secteur) % 6];
        const double couture = std::abs(secteur - std::round(secteur)) * std::cos(lat);
        if (std::abs(lat) > 1.22)
            base = std::abs(lat) > 1.38 ? QColor(222, 40, 40) : QColor(250, 250, 248);
        else if (couture < 0.035)
            base = base.darker(125);
        return eclaire(base, n, 0.34, 0.55, 40);
    });
    return poseAuSol(img);
}

QImage boule()
{
    QImage img = grandeToile(cote);
    const V3 axe = V3{0.8, -0.35, 0.5}.norme();
    sphere(img, centre, sol - 8, 8, [&](const V3& n) {
        // Polished steel mirrors a pale sky above and a dark ground below.
        const double ry = 2 * n.z * n.y;
        const double horizon = std::clamp((ry + 0.1) / 0.6, 0.0, 1.0);
        QColor env = melange(QColor(218, 226, 236), QColor(128, 124, 120), horizon);
        env = melange(env, QColor(150, 156, 166), 0.25 * (1 - n.z));
        const double q = n.scal(axe);
        double strie = 1.0;
        for (double g : {-0.42, 0.0, 0.42}) {
            const double d = q - g;
            if (std::abs(d) < 0.045)
                strie = std::min(strie, d < -0.018 ? 1.3 : 0.45);
        }
        QRgb c = eclaire(env, n, 0.55, 0.85, 90);
        return qRgb(borne255(qRed(c) * strie), borne255(qGreen(c) * strie), borne255(qBlue(c) * strie));
    });
    return poseAuSol(img);
}

// A soft flat shadow centred on column 16, row 27, as wide as the projectile.
QImage ombre(double large, double haut)
{
    QImage img = grandeToile(cote);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(surEchantillon, surEchantillon);
    p.translate(centre, 27.5);
    p.scale(large / 2, haut / 2);
    QRadialGradient g(QPointF(0, 0), 1);
    g.setColorAt(0, QColor(0, 0, 0, 150));
    g.setColorAt(0.55, QColor(0, 0, 0, 105));
    g.setColorAt(1, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(QPointF(0, 0), 1.0, 1.0);
    p.end();
    return reduit(img);
}

}  // namespace

bool genereProjectiles(const QDir& dossier)
{
    const QImage images[] = {
        pomme(), poseAuSol(roche(cote, cote, {centre, 21.8}, 7.2, 5.2, QColor(200, 198, 192), QColor(92, 92, 94), 0.15, 3)),
        ballon(), boule(),
        poseAuSol(roche(cote, cote, {centre, 15.8}, 15, 11.2, QColor(182, 164, 140), QColor(84, 74, 64), 0.6, 8))};
    const double largeurs[] = {14, 15, 21, 16, 30};
    bool ok = true;
    for (int i = 0; i < 5; ++i) {
        ok = enregistre(images[i], dossier, QString("projectile%1.png").arg(i + 1)) && ok;
        ok = enregistre(ombre(largeurs[i], i == 4 ? 4.2 : 3.5), dossier, QString("ombre%1.png").arg(i + 1)) && ok;
    }
    return ok;
}

}  // namespace donnees
