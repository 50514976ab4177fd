// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader says of the calculator's keys: their meaning, not their caption (a
// sign, a superscript or a letter that reads as something else).

#include "calc/machine.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

void Machine::nommeTouches()
{
    const struct { QWidget* touche; const char* nom; } noms[] = {
        {B0, "0"}, {B1, "1"}, {B2, "2"}, {B3, "3"}, {B4, "4"},
        {B5, "5"}, {B6, "6"}, {B7, "7"}, {B8, "8"}, {B9, "9"},
        {Bpoint, "virgule décimale"},
        {BtoEXP, "exposant de la puissance de 10"},
        {kilo, "kilo, 10 puissance 3"},
        {mega, "méga, 10 puissance 6"},
        {giga, "giga, 10 puissance 9"},
        {tera, "téra, 10 puissance 12"},
        {mil, "milli, 10 puissance -3"},
        {micro, "micro, 10 puissance -6"},
        {nano, "nano, 10 puissance -9"},
        {pico, "pico, 10 puissance -12"},
        {multip, "multiplier"},
        {div, "diviser"},
        {puissance, "puissance"},
        {btcarre, "carré"},
        {Bpo, "parenthèse ouvrante"},
        {bpf, "parenthèse fermante"},
        {bsin, "sinus"},
        {Bcos, "cosinus"},
        {Btan, "tangente"},
        {invsin, "inverse sinus"},
        {invcos, "inverse cosinus"},
        {Btoncommande3, "inverse tangente"},
        {Blog, "logarithme décimal"},
        {Bln, "logarithme népérien"},
        {Bexp, "exponentielle"},
        {racine, "racine carrée"},
        {B10x, "10 puissance"},
        {Command5, "inverse, 1 divisé par"},
        {pi, "pi"},
        {plus, "additionner"},
        {moins, "soustraire"},
        {Command1, "ajouter à la mémoire"},
        {Command2, "soustraire à la mémoire"},
        {Command3, "rappel mémoire"},
        {Command4, "effacer la mémoire"},
        {ANS, "dernier résultat"},
        {RAZ, "tout effacer"},
        {EFFACE, "effacer le dernier élément"},
        {EXE, "calculer"},
        {z1, "Affichage de la machine à calculer"},
    };
    for (const auto& n : noms)
        n.touche->setAccessibleName(QString::fromUtf8(n.nom));
    z1->setAccessibleDescription(QStringLiteral("Tapez l'expression au clavier; Entrée calcule"));
    cadreAngles->setAccessibleName(QStringLiteral("Angles"));
    cadreAffichage->setAccessibleName(QStringLiteral("Affichage"));
}
