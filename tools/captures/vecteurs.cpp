// SPDX-License-Identifier: GPL-3.0-or-later
// The course's vector symbols as small pictures: the letters in the page's font with an arrow
// drawn over them. A combining arrow (U+20D7) lands beside or under the letter in most of the
// fonts QTextBrowser picks, so the pages show these pictures instead. A subscript is drawn in
// the picture, since the text may break a line between a picture and the <sub> after it.
#include "vecteurs.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

// Drawn this many times larger than shown, so that a print stays sharp.
constexpr int agrandissement = 4;

struct Morceau {
    QString texte;
    bool indice = false;  // a subscript, as <sub> sets it
};

struct Symbole {
    QString nom;
    QList<Morceau> morceaux;
    QString styles;  // 'c' running text, 'f' formulas
};

// The two styles of the pages: running text and the formula paragraphs (class "formule").
struct Style {
    QString suffixe;
    QString famille;
    double points;
};

QImage dessine(const Symbole& s, const Style& st, QString* balise)
{
    // 96 dots per inch on the screen: the page's size in pixels.
    const double pixels = st.points * 96.0 / 72.0 * agrandissement;
    QFont police(st.famille);
    police.setPixelSize(qRound(pixels));
    QFont petite(police);
    petite.setPixelSize(qRound(pixels * 0.75));  // QTextDocument's smaller size for <sub>
    const QFontMetricsF fm(police), fmp(petite);
    const double descenteIndice = pixels * 0.2;

    // The letters as a path: its ink top says where the arrow goes.
    QPainterPath lettres;
    double x = pixels * 0.05;
    for (const Morceau& m : s.morceaux) {
        lettres.addText(x, m.indice ? descenteIndice : 0.0, m.indice ? petite : police, m.texte);
        x += (m.indice ? fmp : fm).horizontalAdvance(m.texte);
    }
    const QRectF encre = lettres.boundingRect();
    const double trait = pixels * 0.07;
    const double pointe = pixels * 0.24;
    const double yFleche = encre.top() - pixels * 0.12;
    const double haut = std::min(-fm.ascent(), yFleche - pointe * 0.6 - trait);

    // The arrow spans the letters (a subscript after a single letter keeps out of it), and is
    // long enough to read as an arrow over a narrow letter (i, j), centred on it.
    double gauche = encre.left() + pixels * 0.02, droite = encre.right() + pixels * 0.06;
    if (s.morceaux.size() == 2 && s.morceaux.last().indice)
        droite = encre.left() + fm.horizontalAdvance(s.morceaux.first().texte) + pixels * 0.06;
    if (const double manque = pixels * 0.55 - (droite - gauche); manque > 0) {
        gauche -= manque / 2;
        droite += manque / 2;
    }
    const double decalage = std::max(0.0, trait - gauche);

    // The bottom of the picture is the bottom of the line (shown with vertical-align: bottom),
    // so the letters stand on the text's baseline; sizes in whole shown pixels.
    const double fin = std::max(x, droite) + decalage + pixels * 0.05;
    const int largeur = int(std::ceil(fin / agrandissement)) * agrandissement;
    const int hauteur = int(std::ceil((fm.descent() - haut) / agrandissement)) * agrandissement;
    QImage image(largeur, hauteur, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(decalage, hauteur - fm.descent());
    p.fillPath(lettres, Qt::black);
    p.setPen(QPen(Qt::black, trait, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(gauche, yFleche), QPointF(droite - pointe * 0.5, yFleche));
    QPainterPath tete;
    tete.moveTo(droite, yFleche);
    tete.lineTo(droite - pointe, yFleche - pointe * 0.42);
    tete.lineTo(droite - pointe * 0.75, yFleche);
    tete.lineTo(droite - pointe, yFleche + pointe * 0.42);
    tete.closeSubpath();
    p.fillPath(tete, Qt::black);
    p.end();

    QString alt;
    for (const Morceau& m : s.morceaux)
        alt += m.texte;
    *balise = QStringLiteral("<img src=\"images/vecteur_%1%2.png\" width=\"%3\" height=\"%4\" alt=\"vecteur %5\" "
                             "style=\"vertical-align: bottom\">")
                  .arg(s.nom, st.suffixe)
                  .arg(largeur / agrandissement)
                  .arg(hauteur / agrandissement)
                  .arg(alt);
    return image;
}

}  // namespace

QList<Figure> vecteursCours(QStringList* balises)
{
    // Each symbol in the styles the pages use it in (c: running text, f: formulas).
    const QList<Symbole> symboles = {
        {QStringLiteral("a"), {{QStringLiteral("a")}}, QStringLiteral("cf")},
        {QStringLiteral("g"), {{QStringLiteral("g")}}, QStringLiteral("cf")},
        {QStringLiteral("P"), {{QStringLiteral("P")}}, QStringLiteral("c")},
        {QStringLiteral("F"), {{QStringLiteral("F")}}, QStringLiteral("c")},
        {QStringLiteral("i"), {{QStringLiteral("i")}}, QStringLiteral("c")},
        {QStringLiteral("j"), {{QStringLiteral("j")}}, QStringLiteral("c")},
        {QStringLiteral("dv"), {{QStringLiteral("Δv")}}, QStringLiteral("cf")},
        {QStringLiteral("dvi"), {{QStringLiteral("Δv")}, {QStringLiteral("i"), true}}, QStringLiteral("c")},
        {QStringLiteral("v0"), {{QStringLiteral("v")}, {QStringLiteral("0"), true}}, QStringLiteral("c")},
        {QStringLiteral("vi"), {{QStringLiteral("v")}, {QStringLiteral("i"), true}}, QStringLiteral("cf")},
        {QStringLiteral("vi_plus"), {{QStringLiteral("v")}, {QStringLiteral("i+1"), true}}, QStringLiteral("c")},
        {QStringLiteral("vi_moins"), {{QStringLiteral("v")}, {QStringLiteral("i−1"), true}}, QStringLiteral("c")},
        {QStringLiteral("mm"),
         {{QStringLiteral("M")}, {QStringLiteral("i−1"), true}, {QStringLiteral("M")}, {QStringLiteral("i+1"), true}},
         QStringLiteral("f")},
    };
    const Style courant{QString(), QStringLiteral("DejaVu Sans"), 10.0};
    const Style formule{QStringLiteral("_f"), QStringLiteral("DejaVu Serif"), 11.0};
    QList<Figure> figures;
    for (const Symbole& s : symboles)
        for (const QChar c : s.styles) {
            const Style& st = c == QLatin1Char('f') ? formule : courant;
            QString balise;
            QImage image = dessine(s, st, &balise);
            figures.append({QStringLiteral("vecteur_") + s.nom + st.suffixe + QStringLiteral(".png"), image});
            if (balises)
                *balises << balise;
        }
    return figures;
}
