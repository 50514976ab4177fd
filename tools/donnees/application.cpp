// SPDX-License-Identifier: GPL-3.0-or-later
// The application's icon: a chronophotography of a ball on its parabola over a blue-green
// disc, drawn on a 128-unit canvas at any size (the window's icon and the desktop's sizes).
#include "donnees.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace donnees {
namespace {

constexpr int cote = 128;
constexpr double sol = 97;

double trajectoire(double x) { return sol - 68 * (1 - ((x - 62) / 42) * ((x - 62) / 42)); }

void balle(QPainter& p, QPointF c, double r, double opacite)
{
    QRadialGradient g(c, r, c - QPointF(r * 0.4, r * 0.45));
    g.setColorAt(0, QColor(255, 236, 170));
    g.setColorAt(0.35, QColor(255, 150, 40));
    g.setColorAt(1, QColor(190, 60, 10));
    p.setOpacity(opacite);
    p.setPen(QPen(opacite < 1 ? QColor(255, 240, 210, 200) : QColor(120, 36, 6), 0.8));
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    p.setOpacity(1);
}

QImage icone(int taille)
{
    QImage grande = grandeToile(taille);
    QPainter p(&grande);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(surEchantillon * taille / double(cote), surEchantillon * taille / double(cote));
    const QPointF centre(64, 63);
    const double rayon = 59;

    QRadialGradient ombre(centre + QPointF(1.5, 3), rayon + 4);
    ombre.setColorAt(0.9, QColor(0, 0, 0, 90));
    ombre.setColorAt(1, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(ombre);
    p.drawEllipse(centre + QPointF(1.5, 3), rayon + 4, rayon + 4);

    QPainterPath disque;
    disque.addEllipse(centre, rayon, rayon);
    QRadialGradient fond(centre, rayon, centre - QPointF(22, 26));
    fond.setColorAt(0, QColor(130, 226, 214));
    fond.setColorAt(0.5, QColor(34, 150, 164));
    fond.setColorAt(1, QColor(10, 74, 116));
    p.setBrush(fond);
    p.drawPath(disque);

    p.save();
    p.setClipPath(disque);
    QLinearGradient herbe(QPointF(0, sol), QPointF(0, 128));
    herbe.setColorAt(0, QColor(120, 200, 90));
    herbe.setColorAt(1, QColor(30, 110, 50));
    p.setBrush(herbe);
    p.drawRect(QRectF(0, sol + 5, cote, cote));
    p.setPen(QPen(QColor(200, 250, 170, 160), 1.0));
    p.drawLine(QPointF(0, sol + 5.5), QPointF(cote, sol + 5.5));

    QPainterPath courbe(QPointF(16, trajectoire(16)));
    for (double x = 17; x <= 110; x += 1)
        courbe.lineTo(QPointF(x, trajectoire(x)));
    QPen pointille(QColor(255, 255, 255, 170), 1.6, Qt::DashLine, Qt::RoundCap);
    pointille.setDashPattern({2.0, 2.5});
    p.setPen(pointille);
    p.setBrush(Qt::NoBrush);
    p.drawPath(courbe);
    p.restore();

    // Equal time steps give equally spaced abscissas: the photographs thin out at the top.
    for (int k = 0; k < 8; ++k) {
        const double x = 24 + k * 10;
        balle(p, QPointF(x, trajectoire(x)), k == 7 ? 7.5 : 5.5, k == 7 ? 1.0 : 0.72 + 0.03 * k);
    }

    p.setPen(QPen(QColor(4, 52, 84), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, rayon, rayon);
    p.setPen(QPen(QColor(255, 255, 255, 70), 1.2));
    p.drawEllipse(centre, rayon - 1.8, rayon - 1.8);
    QLinearGradient brillant(QPointF(0, centre.y() - rayon), QPointF(0, centre.y()));
    brillant.setColorAt(0, QColor(255, 255, 255, 110));
    brillant.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(brillant);
    p.drawEllipse(QPointF(centre.x(), centre.y() - rayon * 0.45), rayon * 0.8, rayon * 0.5);
    p.end();
    return reduit(grande);
}

}  // namespace

bool genereApplication(const QDir& dossier)
{
    return enregistre(icone(cote), dossier, "baltor.png");
}

bool genereIconesBureau(const QDir& dossier)
{
    bool ok = true;
    for (int taille : {16, 22, 24, 32, 48, 64, 128, 256, 512})
        ok = enregistre(icone(taille), dossier, QStringLiteral("baltor-%1.png").arg(taille)) && ok;
    return ok;
}

}  // namespace donnees
