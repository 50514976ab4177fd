// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/miseenpage.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

namespace impression {

QSizeF facteurs(bool miniature, double resolutionX, double resolutionY)
{
    if (miniature || resolutionX <= 0 || resolutionY <= 0)
        return {1.0, 1.0};
    return {resolutionX / pointsParPouceEcran, resolutionY / pointsParPouceEcran};
}

QRectF placeImage(const QSizeF& page, const QSizeF& image, const Options& o, double fx, double fy)
{
    double largeur = image.width() * fx;
    double hauteur = image.height() * fy;
    if (!o.miniature && largeur > 0 && hauteur > 0) {
        const double reduction = std::min({1.0, page.width() / largeur, page.height() / hauteur});
        largeur *= reduction;
        hauteur *= reduction;
    }
    const double x = o.centreH ? (page.width() - largeur) / 2 : page.width() / 10;
    const double y = o.centreV ? (page.height() - hauteur) / 2 : page.height() / 20;
    return {x, y, largeur, hauteur};
}

QString imprimeExemplaires(QPagedPaintDevice& imprimante, const QImage& image, const Options& o, int n,
                           const QString& nomImprimante)
{
    QPainter peintre;
    if (!peintre.begin(&imprimante))
        return QStringLiteral("L'impression n'a pas pu commencer sur « %1 ».\n"
                              "Vérifiez que l'imprimante est allumée et disponible : rien n'a été imprimé.")
            .arg(nomImprimante);
    const QSizeF f = facteurs(o.miniature, imprimante.logicalDpiX(), imprimante.logicalDpiY());
    const QSizeF page(imprimante.width(), imprimante.height());
    const QRectF cible = placeImage(page, QSizeF(image.size()), o, f.width(), f.height());
    for (int i = 1; i <= n; ++i) {
        peintre.drawImage(cible, image);
        if (i < n && !imprimante.newPage()) {
            peintre.end();
            return QStringLiteral("L'imprimante « %1 » a interrompu l'impression après %2 exemplaire(s).")
                .arg(nomImprimante)
                .arg(i);
        }
    }
    if (!peintre.end())
        return QStringLiteral("L'impression sur « %1 » n'a pas pu être terminée.").arg(nomImprimante);
    return {};
}

}  // namespace impression
