// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene/panneau.h"

#include "widgets/picturebox.h"

namespace {

void ecrit(PictureBox& p, double x, double y, const QString& texte)
{
    p.courant = QPointF(x, y);
    p.Print(texte, false);
}

void italique(PictureBox& p, bool oui)
{
    p.police.setItalic(oui);
}

// One quantity caption: the italic letter, the rest upright, the subscript "o" 4 pixels lower.
void grandeur(PictureBox& p, const QString& mesure, const QString& lettre, const QString& suite, double y)
{
    const double x = 152 - p.TextWidth(mesure);
    italique(p, true);
    ecrit(p, x, y, lettre);
    italique(p, false);
    p.Print(suite, false);
    ecrit(p, 152 - p.TextWidth(mesure) + p.TextWidth(lettre), y + 4, QStringLiteral("o"));
}

}  // namespace

void dessinePanneau(PictureBox& p)
{
    p.police = QFont(QStringLiteral("Arial"));
    p.police.setPointSize(8);
    p.police.setBold(false);
    p.foreColor = QColor(0, 0, 0);
    ecrit(p, 8, 12, QStringLiteral("Projectile........."));
    ecrit(p, 8, 36, QStringLiteral("Lieu..............."));

    grandeur(p, QStringLiteral("x    (m) ="), QStringLiteral("x"), QStringLiteral("  (m) ="), 58);
    grandeur(p, QStringLiteral("y    (m) ="), QStringLiteral("y"), QStringLiteral("   (m) ="), 82);

    const QString vitesse = QStringLiteral("v    (m.s   ) =");
    grandeur(p, vitesse, QStringLiteral("v"), QStringLiteral("   (m.s   ) ="), 106);
    ecrit(p, 152 - p.TextWidth(vitesse) + p.TextWidth(QStringLiteral("v   (m.s")), 102, QStringLiteral("-1"));

    const QString angle = QStringLiteral("Angle avec Ox (-180° à 180°):");
    ecrit(p, 152 - p.TextWidth(angle), 130, angle);

    p.foreColor = QColor(0, 0, 128);
    ecrit(p, 10, 58, QStringLiteral("Position initiale:"));
    ecrit(p, 10, 106, QStringLiteral("Vitesse initiale:"));
}
