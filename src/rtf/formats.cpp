// SPDX-License-Identifier: GPL-3.0-or-later
#include "rtf/formats.h"

#include <QFont>

namespace Rtf {

namespace {
double px(int twips) { return twips / kTwipsParPixel; }
}  // namespace

QTextBlockFormat versBloc(const FormatPar& p, bool enListe)
{
    QTextBlockFormat b;
    b.setAlignment(p.alignement);
    // A list draws its own indent; adding \li on top would indent items twice.
    if (!enListe) {
        if (p.gauche != 0)
            b.setLeftMargin(px(p.gauche));
        if (p.premiereLigne != 0)
            b.setTextIndent(px(p.premiereLigne));
    }
    if (p.droite != 0)
        b.setRightMargin(px(p.droite));
    if (p.avant != 0)
        b.setTopMargin(px(p.avant));
    if (p.apres != 0)
        b.setBottomMargin(px(p.apres));
    if (p.interligne != 0) {
        if (p.interligneMultiple)
            b.setLineHeight(std::abs(p.interligne) * 100.0 / 240.0, QTextBlockFormat::ProportionalHeight);
        else if (p.interligne > 0)
            b.setLineHeight(px(p.interligne), QTextBlockFormat::MinimumHeight);
        else
            b.setLineHeight(px(-p.interligne), QTextBlockFormat::FixedHeight);
    }
    if (!p.tabulations.isEmpty()) {
        QList<QTextOption::Tab> tabs;
        for (int t : p.tabulations)
            tabs.append(QTextOption::Tab(px(t), QTextOption::LeftTab));
        b.setTabPositions(tabs);
    }
    return b;
}

QString nomDePolice(const QString& nom)
{
    QString n = nom;
    n.removeIf([](QChar c) { return c.unicode() < 0x20 || c == u'\\' || c == u'{' || c == u'}' || c == u';'; });
    return n.trimmed();
}

QTextListFormat versListe(const FormatListe& l)
{
    QTextListFormat f;
    f.setStyle(l.style);
    f.setIndent(l.niveau + 1);
    return f;
}

QString Tables::nomPolice(int numero) const
{
    auto it = polices.constFind(numero);
    return it == polices.constEnd() ? QString() : it->nom;
}

QColor Tables::couleur(int index) const
{
    if (index <= 0 || index >= couleurs.size())
        return {};
    return couleurs[index];
}

QTextCharFormat Tables::versCar(const FormatCar& c, const QString& police) const
{
    QTextCharFormat f;
    if (!police.isEmpty())
        f.setFontFamilies(QStringList{police});
    f.setFontPointSize(c.taille / 2.0);
    f.setFontWeight(c.gras ? QFont::Bold : QFont::Normal);
    f.setFontItalic(c.italique);
    if (c.souligne != QTextCharFormat::NoUnderline)
        f.setUnderlineStyle(c.souligne);
    if (c.barre)
        f.setFontStrikeOut(true);
    if (c.majuscules)
        f.setFontCapitalization(QFont::AllUppercase);
    else if (c.petitesMajuscules)
        f.setFontCapitalization(QFont::SmallCaps);
    const QColor avant = couleur(c.couleur);
    if (avant.isValid())
        f.setForeground(avant);
    const QColor fond = couleur(c.fond);
    if (fond.isValid())
        f.setBackground(fond);
    if (c.vertical == Vertical::Exposant)
        f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (c.vertical == Vertical::Indice)
        f.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    if (!c.lien.isEmpty()) {
        f.setAnchor(true);
        f.setAnchorHref(c.lien);
    }
    return f;
}

}  // namespace Rtf
