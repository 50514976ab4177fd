// SPDX-License-Identifier: GPL-3.0-or-later
// The icons of the main window's picture buttons. One style for the whole set: light from the
// upper left, a gradient in each colour with a darker outline of the same hue, and a soft drop
// shadow below right. The animation and recording controls sit on the same glossy button.
#include "donnees.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <vector>

namespace donnees {
namespace {

struct Teinte { QColor clair, fonce; };
const Teinte vert{QColor(132, 224, 96), QColor(24, 128, 36)};
const Teinte bleu{QColor(118, 176, 252), QColor(26, 76, 176)};
const Teinte rouge{QColor(255, 118, 104), QColor(178, 18, 20)};

// A painter on a canvas four times larger, drawing in the icon's own pixel units.
struct Toile {
    explicit Toile(int taille) : image(grandeToile(taille)), p(&image)
    {
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(surEchantillon, surEchantillon);
    }
    QImage image;
    QPainter p;
};

// Adds the soft drop shadow shared by every icon, then reduces to the final size.
QImage finit(Toile& t)
{
    t.p.end();
    const QImage& dessin = t.image;
    const int w = dessin.width(), h = dessin.height(), rayon = 4, dx = 2, dy = 3;
    std::vector<double> alpha(std::size_t(w * h), 0.0), flou(alpha.size(), 0.0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            alpha[std::size_t(y * w + x)] = qAlpha(dessin.pixel(x, y)) / 255.0;
    for (int y = 0; y < h; ++y)  // box blur of the outline, shifted down and to the right
        for (int x = 0; x < w; ++x) {
            double s = 0;
            int n = 0;
            for (int j = -rayon; j <= rayon; ++j)
                for (int i = -rayon; i <= rayon; ++i, ++n) {
                    const int sx = x - dx + i, sy = y - dy + j;
                    if (sx >= 0 && sy >= 0 && sx < w && sy < h)
                        s += alpha[std::size_t(sy * w + sx)];
                }
            flou[std::size_t(y * w + x)] = s / n;
        }
    QImage resultat(dessin.size(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            resultat.setPixel(x, y, qPremultiply(qRgba(0, 0, 0, borne255(flou[std::size_t(y * w + x)] * 95))));
    QPainter p(&resultat);
    p.drawImage(0, 0, dessin);
    p.end();
    return reduit(resultat);
}

// A coloured shape: vertical gradient, outline of the same hue, a gloss on its upper half.
void forme(QPainter& p, const QPainterPath& chemin, const Teinte& t, double trait = 0.7)
{
    const QRectF r = chemin.boundingRect();
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, t.clair);
    g.setColorAt(1, t.fonce);
    p.setPen(QPen(t.fonce.darker(135), trait, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(g);
    p.drawPath(chemin);
    p.save();
    p.setClipPath(chemin);
    QLinearGradient brillant(r.topLeft(), QPointF(r.left(), r.center().y()));
    brillant.setColorAt(0, QColor(255, 255, 255, 120));
    brillant.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(brillant);
    p.drawRect(QRectF(r.left(), r.top(), r.width(), r.height() / 2));
    p.restore();
}

void bouton(QPainter& p)
{
    const QRectF r(1.5, 1.0, 29, 29);
    QLinearGradient corps(r.topLeft(), r.bottomLeft());
    corps.setColorAt(0, QColor(252, 253, 255));
    corps.setColorAt(0.5, QColor(226, 231, 238));
    corps.setColorAt(1, QColor(188, 197, 210));
    p.setPen(QPen(QColor(108, 120, 140), 0.8));
    p.setBrush(corps);
    p.drawRoundedRect(r, 6.5, 6.5);
    QLinearGradient reflet(r.topLeft(), QPointF(r.left(), r.center().y()));
    reflet.setColorAt(0, QColor(255, 255, 255, 230));
    reflet.setColorAt(1, QColor(255, 255, 255, 40));
    p.setPen(Qt::NoPen);
    p.setBrush(reflet);
    p.drawRoundedRect(r.adjusted(1.3, 1.1, -1.3, -r.height() / 2), 5.2, 5.2);
}

QPainterPath triangle(QPointF a, QPointF b, QPointF c)
{
    QPainterPath t(a);
    t.lineTo(b);
    t.lineTo(c);
    t.closeSubpath();
    return t;
}

QPainterPath arrondi(QRectF r, double rayon)
{
    QPainterPath c;
    c.addRoundedRect(r, rayon, rayon);
    return c;
}

QImage demarrer()
{
    Toile t(32);
    bouton(t.p);
    forme(t.p, triangle({11.5, 8.5}, {24.5, 16}, {11.5, 23.5}), vert, 1.0);
    return finit(t);
}

QImage pause()
{
    Toile t(32);
    bouton(t.p);
    forme(t.p, arrondi(QRectF(9.5, 8.5, 5, 15), 1.2), bleu);
    forme(t.p, arrondi(QRectF(17.5, 8.5, 5, 15), 1.2), bleu);
    return finit(t);
}

QImage retour()
{
    Toile t(32);
    bouton(t.p);
    forme(t.p, arrondi(QRectF(8.5, 8.5, 3.6, 15), 1.0), bleu);
    forme(t.p, triangle({23.5, 8.5}, {12.8, 16}, {23.5, 23.5}), bleu, 1.0);
    return finit(t);
}

QImage arret()
{
    Toile t(32);
    bouton(t.p);
    forme(t.p, arrondi(QRectF(9.5, 9, 13, 13), 1.8), rouge);
    return finit(t);
}

QImage camera()
{
    Toile t(32);
    bouton(t.p);
    QPainter& p = t.p;
    const Teinte boitier{QColor(112, 118, 128), QColor(30, 32, 38)};
    forme(p, arrondi(QRectF(11.5, 8.2, 8, 4.5), 1.2), boitier);
    forme(p, arrondi(QRectF(6.5, 11, 19, 12.5), 2.2), boitier);
    QRadialGradient bague(QPointF(15.2, 16.2), 5.2);
    bague.setColorAt(0, QColor(235, 238, 242));
    bague.setColorAt(1, QColor(120, 126, 136));
    p.setPen(QPen(QColor(20, 22, 28), 0.6));
    p.setBrush(bague);
    p.drawEllipse(QPointF(16, 17.2), 4.6, 4.6);
    QRadialGradient verre(QPointF(16, 17.2), 3.3, QPointF(14.9, 16.1));
    verre.setColorAt(0, QColor(120, 170, 255));
    verre.setColorAt(0.45, QColor(30, 60, 140));
    verre.setColorAt(1, QColor(8, 12, 30));
    p.setBrush(verre);
    p.drawEllipse(QPointF(16, 17.2), 3.2, 3.2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(QPointF(14.9, 16.0), 0.9, 0.7);
    forme(p, QPainterPath([] { QPainterPath c; c.addEllipse(QPointF(22.3, 13.6), 1.3, 1.3); return c; }()), rouge, 0.4);
    return finit(t);
}

QImage stop()
{
    Toile t(32);
    QPainter& p = t.p;
    auto octogone = [](double r) {
        QPainterPath c;
        for (int i = 0; i < 8; ++i) {
            const double a = M_PI / 8 + i * M_PI / 4;
            const QPointF s(16 + r * std::cos(a), 15.5 + r * std::sin(a));
            i ? c.lineTo(s) : c.moveTo(s);
        }
        c.closeSubpath();
        return c;
    };
    p.setPen(QPen(QColor(120, 10, 12), 0.7));
    p.setBrush(QColor(250, 250, 250));
    p.drawPath(octogone(15));
    forme(p, octogone(13.4), rouge, 0.5);
    QFont police("DejaVu Sans", 1, QFont::Bold);
    police.setPixelSize(40);
    QPainterPath texte;
    texte.addText(0, 0, police, "STOP");
    const QRectF b = texte.boundingRect();
    p.save();
    p.translate(16, 15.5);
    p.scale(20.5 / b.width(), 8.0 / b.height());
    p.translate(-b.center());
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(texte);
    p.restore();
    return finit(t);
}

QImage exercices()
{
    Toile t(32);
    QPainter& p = t.p;
    auto page = [](double cote) {  // one page, from the spine outwards, gently curved
        QPainterPath c(QPointF(16, 10.5));
        c.cubicTo(QPointF(16 + cote * 4, 7.5), QPointF(16 + cote * 9, 7.5), QPointF(16 + cote * 13, 8.5));
        c.lineTo(QPointF(16 + cote * 13, 24));
        c.cubicTo(QPointF(16 + cote * 9, 23), QPointF(16 + cote * 4, 23), QPointF(16, 26));
        c.closeSubpath();
        return c;
    };
    QPainterPath couverture(QPointF(16, 27.5));
    couverture.cubicTo(QPointF(11, 24.5), QPointF(6, 24.5), QPointF(1.8, 25.8));
    couverture.lineTo(QPointF(1.8, 10));
    couverture.lineTo(QPointF(30.2, 10));
    couverture.lineTo(QPointF(30.2, 25.8));
    couverture.cubicTo(QPointF(26, 24.5), QPointF(21, 24.5), QPointF(16, 27.5));
    forme(p, couverture, bleu, 0.6);
    for (double cote : {-1.0, 1.0}) {
        QLinearGradient papier(QPointF(16, 0), QPointF(16 + cote * 13, 0));
        papier.setColorAt(0, QColor(214, 214, 206));
        papier.setColorAt(0.25, QColor(252, 252, 246));
        papier.setColorAt(1, QColor(240, 240, 232));
        p.setPen(QPen(QColor(128, 128, 120), 0.45));
        p.setBrush(papier);
        p.drawPath(page(cote));
        p.setPen(QPen(QColor(120, 140, 170, 190), 0.5));
        for (int l = 0; l < 5; ++l) {  // lines of the exercise text follow the page's curve
            const double y = 12 + l * 2.4;
            QPainterPath ligne(QPointF(16 + cote * 2.2, y + 0.6));
            ligne.quadTo(QPointF(16 + cote * 6, y - 1.4), QPointF(16 + cote * (l == 4 ? 7.5 : 11), y - 1.2));
            p.setBrush(Qt::NoBrush);
            p.drawPath(ligne);
        }
    }
    // A pencil lying across the right page.
    p.save();
    p.translate(23.5, 15);
    p.rotate(-48);
    QPainterPath corps;
    corps.addRect(QRectF(-7.5, -1.7, 13, 3.4));
    forme(p, corps, Teinte{QColor(255, 226, 96), QColor(214, 140, 10)}, 0.45);
    forme(p, arrondi(QRectF(5.5, -1.7, 1.6, 3.4), 0.2), Teinte{QColor(230, 232, 236), QColor(120, 124, 132)}, 0.4);
    forme(p, arrondi(QRectF(7.1, -1.7, 2.2, 3.4), 0.9), Teinte{QColor(255, 170, 180), QColor(206, 86, 104)}, 0.4);
    forme(p, triangle({-7.5, -1.7}, {-11.5, 0}, {-7.5, 1.7}), Teinte{QColor(246, 214, 170), QColor(190, 142, 92)}, 0.4);
    forme(p, triangle({-10.1, -0.6}, {-11.6, 0}, {-10.1, 0.6}), Teinte{QColor(90, 90, 96), QColor(30, 30, 34)}, 0.2);
    p.restore();
    return finit(t);
}

QImage parametres()
{
    Toile t(24);
    QPainter& p = t.p;
    const double curseurs[] = {15, 7.5, 12.5};
    for (int i = 0; i < 3; ++i) {
        const double y = 5.5 + i * 6.5;
        p.setPen(QPen(QColor(86, 94, 108), 0.5));
        p.setBrush(QColor(208, 214, 224));
        p.drawRoundedRect(QRectF(2.5, y - 1.2, 19, 2.4), 1.2, 1.2);
        forme(p, arrondi(QRectF(2.7, y - 1.0, curseurs[i] - 2.7, 2.0), 1.0), bleu, 0.3);
        QRadialGradient bouton(QPointF(curseurs[i] - 0.8, y - 1.0), 3.2);
        bouton.setColorAt(0, QColor(255, 255, 255));
        bouton.setColorAt(1, QColor(176, 184, 198));
        p.setPen(QPen(QColor(84, 92, 108), 0.6));
        p.setBrush(bouton);
        p.drawEllipse(QPointF(curseurs[i], y), 2.6, 2.6);
    }
    return finit(t);
}

QImage options()
{
    Toile t(24);
    QPainter& p = t.p;
    QLinearGradient fond(QPointF(0, 5), QPointF(0, 21));
    fond.setColorAt(0, QColor(255, 255, 255));
    fond.setColorAt(1, QColor(214, 222, 234));
    p.setPen(QPen(QColor(96, 110, 134), 0.8));
    p.setBrush(fond);
    p.drawRoundedRect(QRectF(2.5, 5.5, 15.5, 15.5), 2.6, 2.6);
    QPainterPath coche(QPointF(6.2, 12.8));
    coche.lineTo(QPointF(10.2, 17.2));
    coche.lineTo(QPointF(21, 3.6));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(vert.fonce.darker(130), 3.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(coche);
    QLinearGradient g(QPointF(0, 3), QPointF(0, 18));
    g.setColorAt(0, vert.clair);
    g.setColorAt(1, vert.fonce.lighter(120));
    p.setPen(QPen(QBrush(g), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(coche);
    return finit(t);
}

}  // namespace

bool genereIcones(const QDir& dossier)
{
    const std::pair<const char*, QImage> icones[] = {
        {"demarrer.png", demarrer()}, {"pause.png", pause()},         {"retour.png", retour()},
        {"camera.png", camera()},     {"arret.png", arret()},         {"stop.png", stop()},
        {"exercices.png", exercices()}, {"parametres.png", parametres()}, {"options.png", options()}};
    bool ok = true;
    for (const auto& [nom, image] : icones)
        ok = enregistre(image, dossier, QString("icones/") + nom) && ok;
    return ok;
}

}  // namespace donnees
