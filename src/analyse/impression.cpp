// SPDX-License-Identifier: GPL-3.0-or-later
#include "analyse/impression.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

namespace analyse {

int imprimeTableau(QPagedPaintDevice& page, const QStringList& entete, const QVector<Ligne>& lignes,
                   const QStringList& resume)
{
    QPainter p;
    if (!p.begin(&page))
        return 0;
    const QRectF zone = QRectF(p.viewport()).adjusted(0, 0, 0, 0);
    const double dpi = page.logicalDpiY() > 0 ? page.logicalDpiY() : 96;
    const double marge = dpi * 0.6;
    const QRectF cadre = zone.adjusted(marge, marge, -marge, -marge);

    QFont titre(QStringLiteral("Arial"));
    titre.setPointSizeF(14);
    titre.setBold(true);
    QFont texte(QStringLiteral("Arial"));
    texte.setPointSizeF(9.5);
    QFont gras = texte;
    gras.setBold(true);

    int pages = 1;
    double y = cadre.top();
    auto ligneTexte = [&](const QFont& f, const QString& s) {
        p.setFont(f);
        const QFontMetricsF m(f, &page);
        p.drawText(QPointF(cadre.left(), y + m.ascent()), s);
        y += m.height() * 1.15;
    };
    ligneTexte(titre, QStringLiteral("Tableau des positions"));
    for (const QString& s : entete)
        ligneTexte(texte, s);
    y += QFontMetricsF(texte, &page).height() * 0.5;
    for (const QString& s : resume)
        ligneTexte(texte, s);
    y += QFontMetricsF(texte, &page).height();

    const QStringList titres = entetes();
    const double largeurColonne = cadre.width() / titres.size();
    const QFontMetricsF m(texte, &page);
    const double hauteur = m.height() * 1.2;
    auto rangee = [&](const QStringList& cellules, const QFont& f) {
        p.setFont(f);
        for (int i = 0; i < cellules.size(); ++i) {
            const QRectF r(cadre.left() + i * largeurColonne, y, largeurColonne - dpi * 0.1, hauteur);
            p.drawText(r, Qt::AlignRight | Qt::AlignVCenter, cellules[i]);
        }
        y += hauteur;
    };
    auto filet = [&] {
        p.setPen(QPen(Qt::black, std::max(1.0, dpi / 150)));
        p.drawLine(QPointF(cadre.left(), y), QPointF(cadre.right(), y));
    };
    rangee(titres, gras);
    filet();
    for (const Ligne& l : lignes) {
        if (y + hauteur > cadre.bottom()) {
            page.newPage();
            ++pages;
            y = cadre.top();
            rangee(titres, gras);
            filet();
        }
        rangee(cellules(l), texte);
    }
    p.end();
    return pages;
}

}  // namespace analyse
