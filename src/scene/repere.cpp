// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene/repere.h"

#include "widgets/picturebox.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QtGlobal>

namespace {

constexpr double xDroite = 390.0;  // last vertical line of the frame
constexpr double yHaut = 39.0;     // horizontal lines while below it

// The values beside the axes, white with a dark outline so they read on every landscape.
void etiquettes(PictureBox& scene, sim::Echelle echelle, double pas)
{
    QFont police(QStringLiteral("Arial"));
    police.setPixelSize(10);
    police.setBold(true);
    const QFontMetricsF fm(police);
    const int pasMetres = echelle.pasGraduation();
    const double plusLarge = fm.horizontalAdvance(QString::number(int((xDroite - sim::origineX) / pas) * pasMetres));
    const int k = graduationsParEtiquette(pas, std::max(plusLarge, fm.height()));

    QPainterPath textes;
    auto texte = [&](const QString& t, QPointF centre) {
        textes.addText(centre - QPointF(fm.horizontalAdvance(t) / 2, -fm.ascent() / 2 + 1), police, t);
    };
    for (int i = k; sim::origineX + i * pas <= xDroite + 0.5; i += k)
        texte(QString::number(i * pasMetres), QPointF(qRound(sim::origineX + i * pas), 448));
    for (int i = k; sim::origineY - i * pas > yHaut; i += k) {
        const QString t = QString::number(i * pasMetres);
        texte(t, QPointF(26 - fm.horizontalAdvance(t) / 2, qRound(sim::origineY - i * pas)));
    }
    texte(QStringLiteral("0"), QPointF(20, 448));

    QImage calque(scene.size(), QImage::Format_ARGB32_Premultiplied);
    calque.fill(Qt::transparent);
    {
        QPainter p(&calque);
        p.setRenderHint(QPainter::Antialiasing);
        p.strokePath(textes, QPen(QColor(20, 20, 20), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.fillPath(textes, Qt::white);
    }
    scene.PaintPicture(calque, QPointF(0, 0));
}

QColor couleurMoyenne(const QImage& image, int y)
{
    double r = 0, v = 0, b = 0;
    for (int x = 0; x < image.width(); ++x) {
        const QRgb c = image.pixel(x, y);
        r += qRed(c);
        v += qGreen(c);
        b += qBlue(c);
    }
    const double n = std::max(1, image.width());
    return QColor(qRound(r / n), qRound(v / n), qRound(b / n));
}

}  // namespace

int graduationsParEtiquette(double pasPixels, double largeurTexte)
{
    for (int k : {1, 2, 5})
        if (k * pasPixels >= largeurTexte + 6)
            return k;
    return 10;
}

void dessineRepere(PictureBox& scene, bool grille, sim::Echelle echelle)
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
    // One step is a whole number of metres: 36 pixels at the default scale.
    const double pas = echelle.pasGraduation() * double(echelle.pixelsParMetre());
    for (int i = 0; sim::origineY - i * pas > yHaut; ++i) {
        const double y = qRound(sim::origineY - i * pas);
        scene.Line(QPointF(x1, y), QPointF(x2, y), blanc);
    }
    for (int i = 0; sim::origineX + i * pas <= xDroite + 0.5; ++i) {
        const double x = qRound(sim::origineX + i * pas);
        scene.Line(QPointF(x, y1), QPointF(x, y2), blanc);
    }

    scene.drawStyle = 0;
    scene.Line(QPointF(30, 436), QPointF(402, 436), blanc);
    scene.Line(QPointF(394, 440), QPointF(402, 436), blanc);
    scene.Line(QPointF(394, 432), QPointF(402, 436), blanc);
    scene.Line(QPointF(30, 20), QPointF(30, 436), blanc);
    scene.Line(QPointF(30, 20), QPointF(34, 28), blanc);
    scene.Line(QPointF(30, 20), QPointF(26, 28), blanc);
    if (!echelle.parDefaut())
        etiquettes(scene, echelle, pas);
}

QImage fondAEchelle(const QImage& image, sim::Echelle echelle)
{
    if (echelle.parDefaut() || image.isNull())
        return image;
    const double f = double(echelle.pixelsParMetre()) / double(sim::echelleParDefaut);
    const QImage petite = image.scaled(qMax(1, qRound(image.width() * f)), qMax(1, qRound(image.height() * f)),
                                       Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // Where the shrunk picture goes: the frame's origin stays where it is.
    const double gauche = sim::origineX * (1 - f);
    const double haut = sim::origineY * (1 - f);
    QImage fond(image.size(), QImage::Format_RGB32);
    const int largeur = petite.width();
    const int h = qRound(haut);
    // The sky above and the ground below in the mean colour of the picture's top and bottom
    // rows (a star of the top row would otherwise become a streak).
    fond.fill(couleurMoyenne(image, 0));
    {
        QPainter p(&fond);
        p.fillRect(QRect(0, h + petite.height() - 1, fond.width(), fond.height()),
                   couleurMoyenne(image, image.height() - 1));
        int x = qRound(gauche);
        while (x > 0)
            x -= largeur;
        for (; x < fond.width(); x += largeur)
            p.drawImage(QPoint(x, h), petite);
    }
    return fond;
}
