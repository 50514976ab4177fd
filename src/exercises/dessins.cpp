// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/dessins.h"

#include "widgets/picturebox.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace Exercices {

QImage dessineMarque(bool allumee)
{
    QImage image(24, 24, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath etoile;
    const QPointF centre(12.0, 12.5);
    for (int k = 0; k < 10; ++k) {
        const double rayon = k % 2 == 0 ? 11.0 : 4.6;
        const double angle = -std::numbers::pi / 2 + k * std::numbers::pi / 5;
        const QPointF point = centre + QPointF(rayon * std::cos(angle), rayon * std::sin(angle));
        if (k == 0)
            etoile.moveTo(point);
        else
            etoile.lineTo(point);
    }
    etoile.closeSubpath();
    if (allumee) {
        QLinearGradient degrade(0, 0, 0, 24);
        degrade.setColorAt(0.0, QColor(255, 236, 120));
        degrade.setColorAt(1.0, QColor(235, 160, 0));
        p.setBrush(degrade);
        p.setPen(QPen(QColor(170, 100, 0), 1.2));
    } else {
        p.setBrush(QColor(228, 228, 228));
        p.setPen(QPen(QColor(150, 150, 150), 1.2));
    }
    p.drawPath(etoile);
    return image;
}

int bleuDeLettre(int i, int n)
{
    return int(std::lround(155.0 + 100.0 * i / n));
}

void dessineTitre(PictureBox& zone, const QString& texte)
{
    zone.Cls();
    zone.police.setPointSize(24);
    zone.police.setBold(true);
    zone.courant.setX(30);
    const int n = int(texte.size());
    for (int i = 1; i <= n; ++i) {
        zone.foreColor = QColor(255, 255, bleuDeLettre(i, n));
        zone.courant.setY((zone.height() - zone.TextHeight(texte)) / 2 - 2);
        zone.Print(texte.mid(i - 1, 1), false);
    }
}

}  // namespace Exercices
