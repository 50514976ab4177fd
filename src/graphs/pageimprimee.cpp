// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphs/pageimprimee.h"

#include "analyse/tableauvol.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <cmath>

namespace {

QFont police(double points, double dpi, bool gras)
{
    QFont f(QStringLiteral("Arial"));
    // Sizes in points on paper, whatever the device's own idea of its resolution.
    f.setPixelSize(std::max(1, int(std::lround(points * dpi / 72.0))));
    f.setBold(gras);
    return f;
}

// One line of text at the top of `zone`, shortened with "…" when too long; returns its height.
double ligne(QPainter& p, const QRectF& zone, const QFont& f, const QString& texte, Qt::Alignment alignement)
{
    p.setFont(f);
    const QFontMetricsF m(f, p.device());
    const QString court = m.elidedText(texte, Qt::ElideRight, zone.width());
    p.drawText(QRectF(zone.left(), zone.top(), zone.width(), m.height()), alignement | Qt::AlignVCenter, court);
    return m.height();
}

}  // namespace

QRectF zoneUtile(const QRectF& page, double dpi)
{
    const double marge = margePageMm / 25.4 * dpi;
    return page.adjusted(marge, marge, -marge, -marge);
}

void dessinePageGraphes(QPainter& p, const QRectF& page, double dpi, const PageGraphes& contenu)
{
    const QRectF zone = zoneUtile(page, dpi);
    p.save();
    p.setClipRect(zone);
    p.setPen(Qt::black);
    double y = zone.top();
    y += ligne(p, QRectF(zone.left(), y, zone.width(), 0), police(14, dpi, true), contenu.titre, Qt::AlignLeft);
    y += ligne(p, QRectF(zone.left(), y, zone.width(), 0), police(9, dpi, false), contenu.montage, Qt::AlignLeft);
    y += dpi * 0.15;
    p.setPen(QPen(Qt::black, dpi / 150.0));
    p.drawLine(QPointF(zone.left(), y), QPointF(zone.right(), y));
    y += dpi * 0.1;

    // Two columns, as many rows as needed; each graph under its title.
    const int n = int(contenu.graphes.size());
    const int colonnes = n > 1 ? 2 : 1;
    const int rangees = std::max(1, (n + colonnes - 1) / colonnes);
    const double largeur = zone.width() / colonnes;
    const double hauteur = (zone.bottom() - y) / rangees;
    const QFont titre = police(11, dpi, true);
    const double hauteurTitre = QFontMetricsF(titre, p.device()).height();
    for (int i = 0; i < n; ++i) {
        const QRectF cellule(zone.left() + (i % colonnes) * largeur, y + (i / colonnes) * hauteur, largeur, hauteur);
        p.setPen(Qt::black);
        ligne(p, cellule, titre, contenu.graphes[i].titre, Qt::AlignHCenter);
        const QRectF dessin = cellule.adjusted(dpi * 0.05, hauteurTitre + dpi * 0.03, -dpi * 0.05, -dpi * 0.05);
        dessineGraphe(p, dessin, contenu.graphes[i], 1.2);
    }
    p.restore();
}

bool imprimePageGraphes(QPagedPaintDevice& appareil, const PageGraphes& contenu)
{
    QPainter p;
    if (!p.begin(&appareil))
        return false;
    const double dpi = appareil.logicalDpiY() > 0 ? appareil.logicalDpiY() : 300;
    // The page's full rectangle, unprintable edges included, so the margins are measured from
    // the paper's edge.
    const QRectF page = appareil.pageLayout().fullRectPixels(int(dpi));
    const QRectF imprimable = appareil.pageLayout().paintRectPixels(int(dpi));
    p.translate(-imprimable.topLeft());
    dessinePageGraphes(p, page, dpi, contenu);
    return p.end();
}

QByteArray pdfPageGraphes(const PageGraphes& contenu)
{
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    QPdfWriter ecrivain(&tampon);
    ecrivain.setPageSize(QPageSize(QPageSize::A4));
    ecrivain.setPageMargins(QMarginsF(0, 0, 0, 0));
    ecrivain.setResolution(600);
    ecrivain.setTitle(contenu.titre);
    ecrivain.setCreator(QStringLiteral("Baltor"));
    if (!imprimePageGraphes(ecrivain, contenu))
        return {};
    tampon.close();
    return octets;
}

QImage imagePageGraphes(const PageGraphes& contenu)
{
    const QSize taille = (QPageSize(QPageSize::A4).size(QPageSize::Inch) * resolutionPng).toSize();
    QImage image(taille, QImage::Format_RGB32);
    image.fill(Qt::white);
    const int parMetre = int(std::lround(resolutionPng / 0.0254));
    image.setDotsPerMeterX(parMetre);
    image.setDotsPerMeterY(parMetre);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    dessinePageGraphes(p, QRectF(QPointF(0, 0), QSizeF(taille)), resolutionPng, contenu);
    return image;
}

PageGraphes pageDuVol(const analyse::Conditions& c, const analyse::Montage& m)
{
    PageGraphes page;
    page.titre = QStringLiteral("Graphes du mouvement : ") + m.projectile;
    const std::optional<double> masse = sim::masseLegende(m.projectile);
    page.montage = m.lieu + QStringLiteral(" ; x0 = ") + m.x0 + QStringLiteral(" m ; y0 = ") + m.y0 +
                   QStringLiteral(" m ; v0 = ") + m.v0 + QStringLiteral(" m/s ; angle = ") + m.angle +
                   QStringLiteral("°") + (c.trainee > 0 ? QStringLiteral(" ; frottements de l'air") : QString()) +
                   (masse ? QStringLiteral(" ; Epp mesurée à partir du sol (y = 0)") : QString());
    const VolGraphes vol = calculeVol(c.g, c.vx, c.vy, c.x0, c.y0, c.trainee);
    if (!vol.refuse())
        page.graphes << grapheXT(vol) << grapheYT(vol) << grapheYX(vol);
    const sim::Vol volComplet(analyse::conditionsVol(c));
    if (volComplet.vole()) {
        const QVector<analyse::EchantillonVol> e = analyse::echantillonsVol(volComplet, masse.value_or(0.0));
        page.graphes << grapheDesVitesses(e);
        if (masse)
            page.graphes << grapheDesEnergies(e);
    }
    return page;
}
