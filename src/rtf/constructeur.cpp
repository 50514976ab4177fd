// SPDX-License-Identifier: GPL-3.0-or-later
#include "rtf/constructeur.h"

#include <QTextDocument>
#include <QTextList>
#include <QTextTable>

#include <algorithm>

namespace Rtf {

Constructeur::Constructeur(QTextDocument* doc, const Tables& tables)
    : doc_(doc), tables_(tables), curseur_(doc)
{
    // Inside an edit block the cursor does not lay out each block it touches: a load
    // stays linear in the size of the file.
    curseur_.beginEditBlock();
}

Constructeur::~Constructeur()
{
    curseur_.endEditBlock();
}

void Constructeur::paragraphe(Paragraphe&& p)
{
    if (p.par.dansTableau) {
        celluleCourante_.push_back(std::move(p));
        return;
    }
    fermeTableau();
    ecris(curseur_, p, listes_, blocLibre_);
}

void Constructeur::cellule(Paragraphe&& p)
{
    celluleCourante_.push_back(std::move(p));
    rangeeCourante_.push_back(std::move(celluleCourante_));
    celluleCourante_.clear();
}

void Constructeur::rangee(const QList<int>& cellx, Cadre cadre)
{
    // Text after the last \cell of the row still belongs to the row.
    if (!celluleCourante_.empty()) {
        rangeeCourante_.push_back(std::move(celluleCourante_));
        celluleCourante_.clear();
    }
    if (rangeeCourante_.empty())
        return;  // \row with no cell
    const size_t cellules = std::min<size_t>(rangeeCourante_.size(), kColonnesMax);
    tableau_.push_back(Rangee{std::move(rangeeCourante_), cellx, cadre});
    rangeeCourante_.clear();
    // Every cell of a QTextTable costs memory even when empty: one wide row must not
    // multiply thousands of narrow ones.
    celluleMax_ = std::max(celluleMax_, cellules);
    if (tableau_.size() * celluleMax_ >= kCellulesMax)
        fermeTableau();
}

void Constructeur::termine()
{
    fermeTableau();
}

void Constructeur::ecris(QTextCursor& c, const Paragraphe& p, Listes& listes, bool& blocLibre)
{
    const QTextBlockFormat bloc = versBloc(p.par, p.liste.estListe());
    const QTextCharFormat carBloc =
        p.segments.empty() ? format(p.carFin, tables_.nomPolice(tables_.numeroPolice(p.carFin)))
                           : format(p.segments.front().car, p.segments.front().police);
    if (blocLibre) {
        c.setBlockFormat(bloc);
        c.setBlockCharFormat(carBloc);
        blocLibre = false;
    } else {
        c.insertBlock(bloc, carBloc);
    }
    if (p.liste.estListe()) {
        const auto cle = std::make_pair(p.liste.cle, p.liste.niveau);
        auto it = listes.find(cle);
        if (it != listes.end())
            it->second->add(c.block());
        else
            listes[cle] = c.createList(versListe(p.liste));
    } else {
        listes.clear();
    }
    for (const Segment& s : p.segments) {
        if (s.estImage)
            c.insertImage(s.image);
        else
            c.insertText(s.texte, format(s.car, s.police));
    }
}

const QTextCharFormat& Constructeur::format(const FormatCar& car, const QString& police)
{
    for (const FormatConnu& f : formats_)
        if (f.car == car && f.police == police)
            return f.format;
    if (formats_.size() >= 32)
        formats_.erase(formats_.begin());
    formats_.push_back(FormatConnu{car, police, tables_.versCar(car, police)});
    return formats_.back().format;
}

void Constructeur::fermeTableau()
{
    if (!celluleCourante_.empty() || !rangeeCourante_.empty())
        rangee({}, Cadre{});
    if (tableau_.empty())
        return;
    size_t colonnes = 1;
    for (const Rangee& r : tableau_)
        colonnes = std::max(colonnes, r.cellules.size());
    colonnes = std::min<size_t>(colonnes, kColonnesMax);

    QTextTableFormat format;
    const Cadre& cadre = tableau_.front().cadre;
    const int marge = cadre.margeCellule >= 0 ? cadre.margeCellule : cadre.marge;
    format.setCellPadding(marge < 0 ? 2.0 : marge / kTwipsParPixel);
    format.setCellSpacing(0);
    format.setBorder(cadre.bordure < 0 ? 1.0 : cadre.bordure / kTwipsParPixel);
    const QList<int>& cellx = tableau_.front().cellx;
    if (size_t(cellx.size()) == colonnes) {
        QList<QTextLength> largeurs;
        int precedent = 0;
        for (int x : cellx) {
            largeurs.append(QTextLength(QTextLength::FixedLength, std::max(1, x - precedent) / kTwipsParPixel));
            precedent = std::max(precedent, x);
        }
        format.setColumnWidthConstraints(largeurs);
    }
    QTextTable* table = curseur_.insertTable(int(tableau_.size()), int(colonnes), format);
    for (size_t r = 0; r < tableau_.size(); ++r) {
        const auto& cellules = tableau_[r].cellules;
        for (size_t k = 0; k < cellules.size(); ++k) {
            // Cells beyond the widest row the table allows go into its last column.
            const int col = int(std::min(k, colonnes - 1));
            QTextCursor c = table->cellAt(int(r), col).lastCursorPosition();
            bool libre = c.block().length() <= 1;
            Listes listes;
            for (const Paragraphe& p : cellules[k])
                ecris(c, p, listes, libre);
        }
    }
    tableau_.clear();
    celluleMax_ = 0;
    curseur_.movePosition(QTextCursor::End);
    blocLibre_ = true;
}

}  // namespace Rtf
