// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphs/pagegraphes.h"

#include <QPaintDevice>
#include <QPainter>
#include <QRectF>

QList<QPointF> positionsGraphes(const QSizeF& page, qsizetype nombre)
{
    const double gauche = page.width() / 10.0;
    if (nombre == 1)
        return {QPointF(gauche, page.height() / 10.0)};
    QList<QPointF> positions;
    for (qsizetype i = 0; i < nombre; ++i)
        positions.append(QPointF(gauche, double(i) * page.height() / 3.0));
    return positions;
}

QSizeF tailleNaturelle(const QImage& image, const QPaintDevice& appareil)
{
    const double pointsImage = image.dotsPerMeterX() * 0.0254;
    const double pointsAppareil = appareil.logicalDpiX();
    if (pointsImage <= 0.0 || pointsAppareil <= 0.0)
        return QSizeF(image.size());
    const double facteur = pointsAppareil / pointsImage;
    return QSizeF(image.width() * facteur, image.height() * facteur);
}

void composePage(QPainter& peintre, const QSizeF& page, const QList<QImage>& images)
{
    const QList<QPointF> positions = positionsGraphes(page, images.size());
    peintre.setRenderHint(QPainter::SmoothPixmapTransform, false);
    for (qsizetype i = 0; i < images.size(); ++i) {
        const QSizeF taille = peintre.device() ? tailleNaturelle(images[i], *peintre.device())
                                               : QSizeF(images[i].size());
        peintre.drawImage(QRectF(positions[i], taille), images[i]);
    }
}
