// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The welcome text of the exercise text area, shown when no exercise is open.

#include <QString>
#include <QStringList>

class QTextEdit;

namespace Module1 {

// The 16 pieces of the text and their style codes (1 and 6 blue, 2 centred, 3 lowered,
// 4 raised, 5 symbol font, 7 bold, 8 italic, 9 title).
struct Morceau {
    QString texte;
    qint16 style;
};
extern QList<Morceau> morceaux;

// Empties the area and fills it with the formatted welcome text, caret at the start.
void texteAccueil(QTextEdit& zone);

// Applies the style code to the characters [debut, debut + longueur) of the area.
void appliqueStyle(QTextEdit& zone, int debut, int longueur, qint16 style);

}  // namespace Module1
