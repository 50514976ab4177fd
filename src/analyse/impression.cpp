// SPDX-License-Identifier: GPL-3.0-or-later
#include "analyse/impression.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

namespace analyse {

int imprimeTableau(QPagedPaintDevice& page, const TableauVol& tableau)
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
    texte.setPointSizeF(8.5);
    QFont gras = texte;
    gras.setBold(true);

    int pages = 1;
    double y = cadre.top();
    auto ligneTexte = [&](const QFont& f, const QString& s) {
        p.setFont(f);
        const QFontMetricsF m(f, &page);
        QRectF occupe;  // long lines wrap inside the margins
        p.drawText(QRectF(cadre.left(), y, cadre.width(), cadre.height()), Qt::TextWordWrap, s, &occupe);
        y += std::max(occupe.height(), m.height()) + m.height() * 0.15;
    };
    ligneTexte(titre, QStringLiteral("Tableau des positions"));
    for (const QString& s : tableau.sommaire)
        ligneTexte(texte, s);
    y += QFontMetricsF(texte, &page).height();

    const QStringList titres = entetesVol();
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
    for (const Ligne& l : tableau.lignes) {
        if (y + hauteur > cadre.bottom()) {
            page.newPage();
            ++pages;
            y = cadre.top();
            rangee(titres, gras);
            filet();
        }
        rangee(cellulesVol(l, tableau.masse.has_value()), l.genre == Genre::Photo ? texte : gras);
    }
    if (y + hauteur > cadre.bottom()) {
        page.newPage();
        ++pages;
        y = cadre.top();
    }
    y += hauteur * 0.3;
    ligneTexte(texte, tableau.fin);
    p.end();
    return pages;
}

}  // namespace analyse
