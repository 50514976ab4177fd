// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The RTF writer's state, shared by its two source files.

#include "rtf/formats.h"

#include <QBrush>
#include <QByteArray>
#include <QStringList>

#include <climits>

class QTextBlock;
class QTextDocument;
class QTextFragment;
class QTextFrame;
class QTextImageFormat;
class QTextList;
class QTextTable;

namespace Rtf {

class Ecrivain {
public:
    explicit Ecrivain(const QTextDocument& doc) : doc_(doc) {}
    QByteArray ecris();

private:
    void atome(QByteArrayView a);
    void motCle(QByteArrayView mot, int param = INT_MIN);
    void caractere(char32_t c, bool symbole);
    void texte(const QString& s, bool symbole);
    int police(const QString& nom);
    int couleur(const QBrush& b);
    FormatCar formatDe(const QTextCharFormat& f);
    void diff(const FormatCar& vers);
    void nomPolice(QByteArray& a, const QString& nom) const;
    QByteArray entete() const;
    void aPlat(QTextFrame* f, bool dansTableau, bool& premier);
    void cadre(QTextFrame* f);
    void tableau(QTextTable* t);
    void bloc(const QTextBlock& b, bool dansTableau);
    void liste(const QTextBlock& b, QTextList* l);
    int numeroListe(const QTextList* l);
    QByteArray tableListes() const;
    void fragment(const QTextFragment& f);
    void image(const QTextImageFormat& f);

    const QTextDocument& doc_;
    QByteArray sortie_;
    int colonne_ = 0;
    bool motOuvert_ = false;  // a control word waits for its delimiter
    QStringList polices_;
    QList<QRgb> couleurs_;
    QList<const QTextList*> listes_;  // in order of appearance: list n is \lsn
    FormatCar etat_;
    int tailleDefaut_ = 24;
};

}  // namespace Rtf
