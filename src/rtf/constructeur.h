// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Puts the paragraphs the reader finds into a QTextDocument. Table rows are kept until
// they are complete, so a table is built from checked row data, whatever order of
// \cell, \row and \intbl the file uses.

#include "rtf/formats.h"

#include <QTextCursor>
#include <QTextImageFormat>

#include <map>
#include <utility>
#include <vector>

class QTextDocument;
class QTextList;

namespace Rtf {

struct Segment {
    QString texte;
    FormatCar car;
    // Font name when the text was read: the name that matched the code page used.
    QString police;
    bool estImage = false;
    QTextImageFormat image;
};

struct Paragraphe {
    FormatPar par;
    FormatListe liste;
    FormatCar carFin;  // format at the paragraph mark: sets the height of an empty line
    std::vector<Segment> segments;
};

class Constructeur {
public:
    static constexpr int kColonnesMax = 64;
    static constexpr size_t kCellulesMax = 20000;  // per table; a longer one goes on as a new table

    Constructeur(QTextDocument* doc, const Tables& tables);
    ~Constructeur();
    Constructeur(const Constructeur&) = delete;
    Constructeur& operator=(const Constructeur&) = delete;

    void paragraphe(Paragraphe&& p);
    void cellule(Paragraphe&& p);
    // How a row's cells are framed, in twips; -1 where the row does not say (the table then
    // gets a thin border and a small padding).
    struct Cadre {
        int bordure = -1;  // 0: no border
        int marge = -1;
        int margeCellule = -1;  // \clpadl: a cell's own padding wins over its row's (LibreOffice
                                // writes the row's as 0 and each cell's)
    };
    void rangee(const QList<int>& cellx, Cadre cadre);
    void termine();

private:
    using Listes = std::map<std::pair<int, int>, QTextList*>;
    struct Rangee {
        std::vector<std::vector<Paragraphe>> cellules;
        QList<int> cellx;
        Cadre cadre;
    };

    void ecris(QTextCursor& c, const Paragraphe& p, Listes& listes, bool& blocLibre);
    const QTextCharFormat& format(const FormatCar& car, const QString& police);
    void fermeTableau();

    QTextDocument* doc_;
    const Tables& tables_;
    QTextCursor curseur_;
    bool blocLibre_ = true;  // the cursor's block is empty and not yet used
    Listes listes_;

    std::vector<Paragraphe> celluleCourante_;
    std::vector<std::vector<Paragraphe>> rangeeCourante_;
    std::vector<Rangee> tableau_;
    size_t celluleMax_ = 0;
    // A statement uses a handful of formats over and over: build each QTextCharFormat once.
    struct FormatConnu {
        FormatCar car;
        QString police;
        QTextCharFormat format;
    };
    std::vector<FormatConnu> formats_;
};

}  // namespace Rtf
