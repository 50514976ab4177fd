// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Character and paragraph properties as RTF states them, and their Qt equivalents.
// The reader and the writer share these conversions, so units agree both ways:
// 1 pt = 20 twips, 1 px = 15 twips, font sizes in half-points.

#include <QColor>
#include <QList>
#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextListFormat>

namespace Rtf {

inline constexpr double kTwipsParPixel = 15.0;

enum class Vertical { Normal, Exposant, Indice };

struct FormatCar {
    int police = -1;  // font number; -1 = document default
    int taille = 24;  // half-points
    bool gras = false;
    bool italique = false;
    QTextCharFormat::UnderlineStyle souligne = QTextCharFormat::NoUnderline;
    bool barre = false;
    bool majuscules = false;
    bool petitesMajuscules = false;
    bool cache = false;
    int couleur = 0;  // colour table index; 0 = automatic
    int fond = 0;
    Vertical vertical = Vertical::Normal;
    QString lien;  // hyperlink target of a field result

    bool operator==(const FormatCar&) const = default;
};

// List marker kind of a paragraph; Aucune when the paragraph is not a list item.
struct FormatListe {
    QTextListFormat::Style style = QTextListFormat::ListStyleUndefined;
    int niveau = 0;
    int debut = 1;
    int cle = 0;  // which list of the file (a \ls number or a \pn kind)

    bool estListe() const { return style != QTextListFormat::ListStyleUndefined; }
    bool operator==(const FormatListe&) const = default;
};

struct FormatPar {
    Qt::Alignment alignement = Qt::AlignLeft;
    int gauche = 0;  // twips
    int droite = 0;
    int premiereLigne = 0;
    int avant = 0;
    int apres = 0;
    int interligne = 0;  // \sl
    bool interligneMultiple = false;
    QList<int> tabulations;  // twips
    bool dansTableau = false;
    int ls = 0;  // Word list override number (0 = none)
    int ilvl = 0;
    FormatListe pn;  // WordPad \pn list
};

// Font and colour tables as the reader found them.
struct Police {
    QString nom;
    int charset = 0;
    int codePage = 0;  // 0 = document code page
};

QTextBlockFormat versBloc(const FormatPar& p, bool enListe);
// A font name as a font table can hold it: no control characters, braces, backslash or
// semicolon. Reader and writer both use it, so a name decides the same code page both ways.
QString nomDePolice(const QString& nom);
QTextListFormat versListe(const FormatListe& l);

// Helpers for char formats that depend on the font and colour tables.
class Tables {
public:
    QString nomPolice(int numero) const;
    QColor couleur(int index) const;  // invalid when automatic or out of range

    int numeroPolice(const FormatCar& c) const { return c.police < 0 ? deff : c.police; }
    QTextCharFormat versCar(const FormatCar& c, const QString& police) const;

    QMap<int, Police> polices;
    QList<QColor> couleurs;
    int deff = 0;  // font of text that names none
};

}  // namespace Rtf
