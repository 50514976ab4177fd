// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene/repere.h"

#include "widgets/picturebox.h"

#include <QtGlobal>

void dessineRepere(PictureBox& scene, bool grille)
{
    const QColor blanc(255, 255, 255);
    scene.fixeDessin();
    qint16 x1, x2, y1, y2;
    if (grille) {
        scene.drawStyle = 2;
        x1 = 30; x2 = 390;   // horizontal lines
        y1 = 40; y2 = 436;   // vertical lines
    } else {
        scene.drawStyle = 0;
        x1 = 28; x2 = 33;
        y1 = 433; y2 = 439;
    }
    for (qint16 y = 436; y > 39; y -= 36)
        scene.Line(QPointF(x1, y), QPointF(x2, y), blanc);
    for (qint16 x = 30; x <= 390; x += 36)
        scene.Line(QPointF(x, y1), QPointF(x, y2), blanc);

    scene.drawStyle = 0;
    scene.Line(QPointF(30, 436), QPointF(402, 436), blanc);
    scene.Line(QPointF(394, 440), QPointF(402, 436), blanc);
    scene.Line(QPointF(394, 432), QPointF(402, 436), blanc);
    scene.Line(QPointF(30, 20), QPointF(30, 436), blanc);
    scene.Line(QPointF(30, 20), QPointF(34, 28), blanc);
    scene.Line(QPointF(30, 20), QPointF(26, 28), blanc);
}
