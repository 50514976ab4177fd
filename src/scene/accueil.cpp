// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene/accueil.h"

#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>

namespace Module1 {

QList<Morceau> morceaux;

namespace {

const QString saut = QStringLiteral("\n");  // one line break: a new paragraph of the area
const QColor bleu(0, 0, 200);

void remplitMorceaux()
{
    morceaux = {
        {QStringLiteral("Baltor") + saut, 9},
        {saut + QStringLiteral("Cette application permet d'étudier le mouvement de différents projectiles "), 0},
        {QStringLiteral("par simulation directe (animation), chronophotographie ou représentation graphique (Graphes).") +
             saut + saut + QStringLiteral("Pour "),
         0},
        {QStringLiteral("déplacer le projectile, "), 6},
        {QStringLiteral("vous pouvez utiliser"), 0},
        {QStringLiteral(" la souris "), 6},
        {QStringLiteral("directement sur la figure. ") + saut + saut, 0},
        {QStringLiteral("Tous les paramètres sont modifiables et l'image obtenue peut être imprimée ou placée dans le "
                        "presse-papiers "),
         6},
        {QStringLiteral("(bouton Copier) pour la coller dans une autre application.") + saut + saut, 0},
        {QStringLiteral("Vous pouvez obtenir l'énoncé d'un exercice "), 0},
        {QStringLiteral("dans cette fenêtre en appuyant sur l'onglet "), 0},
        {QStringLiteral("Exercices"), 1},
        {QStringLiteral(".") + saut + saut, 0},
        {QStringLiteral("Pour vous familiariser avec ce simulateur, choisissez d'abord l'activité "), 0},
        {QStringLiteral("Prise en main "), 1},
        {QStringLiteral("dans le menu Exercices."), 0},
    };
}

}  // namespace

void appliqueStyle(QTextEdit& zone, int debut, int longueur, qint16 style)
{
    QTextCursor c(zone.document());
    c.setPosition(debut);
    c.setPosition(debut + longueur, QTextCursor::KeepAnchor);
    QTextCharFormat car;
    QTextBlockFormat bloc;
    if (style == 1 || style == 6)
        car.setForeground(bleu);
    bloc.setLeftMargin(style != 9 ? 20 : 0);
    if (style == 2)
        bloc.setAlignment(Qt::AlignHCenter);
    if (style == 3)
        car.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    if (style == 4)
        car.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    if (style == 5)
        car.setFontFamilies({QStringLiteral("symbol")});
    if (style == 7)
        car.setFontWeight(QFont::Bold);
    if (style == 8)
        car.setFontItalic(true);
    if (style == 9) {
        car.setFontFamilies({QStringLiteral("Arial")});
        car.setFontPointSize(18);
        bloc.setAlignment(Qt::AlignHCenter);
        car.setForeground(bleu);
    }
    c.mergeCharFormat(car);
    c.mergeBlockFormat(bloc);
}

void texteAccueil(QTextEdit& zone)
{
    zone.hide();
    zone.clear();
    QTextCharFormat simple;
    simple.setFontWeight(QFont::Normal);
    simple.setFontItalic(false);
    simple.setFontUnderline(false);
    simple.setFontFamilies({QStringLiteral("Arial")});
    simple.setFontPointSize(10);
    simple.setVerticalAlignment(QTextCharFormat::AlignNormal);
    simple.setForeground(QColor(0, 0, 0));
    QTextCursor c(zone.document());
    QTextBlockFormat gauche;
    gauche.setAlignment(Qt::AlignLeft);
    c.setBlockFormat(gauche);
    c.setBlockCharFormat(simple);
    c.setCharFormat(simple);

    remplitMorceaux();
    for (const Morceau& m : morceaux)
        c.insertText(m.texte, simple);

    int debut = 0;
    for (const Morceau& m : morceaux) {
        appliqueStyle(zone, debut, int(m.texte.size()), m.style);
        debut += int(m.texte.size());
    }
    zone.moveCursor(QTextCursor::Start);
    zone.show();
}

}  // namespace Module1
