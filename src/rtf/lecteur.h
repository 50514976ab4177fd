// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The RTF reader: one pass over the tokens with an explicit stack of group states
// (no recursion; groups deeper than kProfondeurMax are skipped whole).

#include "rtf/codage.h"
#include "rtf/constructeur.h"
#include "rtf/formats.h"
#include "rtf/images.h"
#include "rtf/lexeur.h"

#include <QHash>

#include <memory>
#include <vector>

class QTextDocument;

namespace Rtf {

enum class Dest {
    Texte,      // the document body (and field results, shape pictures, \ud ...)
    Saute,      // ignored, with everything nested in it
    Polices,    // \fonttbl
    Couleurs,   // \colortbl
    Image,      // \pict
    Listes,     // \listtable
    Surcharges, // \listoverridetable
    Pn,         // WordPad list properties {\*\pn ...}
    ChampInst,  // field instruction, kept to find a hyperlink target
    Upr,        // \upr: only its \ud branch is read
};

struct Etat {
    Dest dest = Dest::Texte;
    Dest destAvantUpr = Dest::Texte;
    FormatCar car;
    FormatPar par;
    int uc = 1;
    bool etoile = false;  // after \*: an unknown destination skips the group
};

class Lecteur {
public:
    static constexpr size_t kProfondeurMax = 1000;
    static constexpr int kPolicesMax = 4096;
    static constexpr int kCouleursMax = 4096;
    static constexpr int kListesMax = 1024;

    explicit Lecteur(QTextDocument* doc);
    ~Lecteur();
    void lis(QByteArrayView rtf);

private:
    // lecteur.cpp: groups, text and characters
    void ouvreGroupe();
    bool fermeGroupe();  // false once the outermost group is closed
    void texte(QByteArrayView octets);
    void hex(uchar octet);
    void symbole(char c);
    void unicode(int n);
    void ajoute(const QString& s);
    void ajouteCaractere(char32_t c);
    void videOctets();
    void finParagraphe(bool cellule);
    int codePageCourant() const;
    bool policeSymbole() const;

    // lecteur_mots.cpp: control words, by destination
    void mot(const Lexeme& l);
    bool destination(QByteArrayView mot);
    void motTexte(QByteArrayView mot, bool aParam, int param);
    void motPolices(QByteArrayView mot, bool aParam, int param);
    void motImage(QByteArrayView mot, int param);
    void motListes(QByteArrayView mot, int param);
    void motPn(QByteArrayView mot, int param);
    void texteTable(QByteArrayView octets);
    void validePolice();
    FormatListe listeDe(const FormatPar& p) const;
    void finImage();
    void finPn();

    Etat& etat() { return pile_.back(); }

    QTextDocument* doc_;
    Tables tables_;
    std::unique_ptr<Constructeur> constructeur_;
    Decodeur decodeur_;
    std::vector<Etat> pile_;
    size_t excedent_ = 0;  // open groups beyond kProfondeurMax
    bool fini_ = false;

    int codePageDoc_ = kCodePageDefaut;
    int deff_ = 0;
    int aSauter_ = 0;         // \uc fallback units still to skip
    char16_t haut_ = 0;       // high surrogate waiting for its low half
    QByteArray octets_;       // 8-bit text not yet decoded
    int codePageOctets_ = 0;
    Paragraphe courant_;
    QList<int> cellx_;
    Constructeur::Cadre cadre_;  // of the row being defined
    // The cell border side being read (\clbrdrt … then \brdrs, \brdrw)
    struct CoteBordure {
        bool actif = false;
        bool trait = false;
        int largeur = 0;
    } cote_;
    void finCote();

    // Tables being read
    struct PoliceEnCours {
        int numero = -1;
        int charset = -1;
        int cpg = 0;
        QByteArray nom;
    } police_;
    int rouge_ = 0, vert_ = 0, bleu_ = 0;
    bool couleurDefinie_ = false;
    ImageRtf image_;
    qint64 budgetImages_ = qint64(512) * 1024 * 1024;
    int demiOctet_ = -1;
    struct ListeDef {
        int id = 0;
        std::vector<int> formats;  // \levelnfc of each level
    };
    std::vector<ListeDef> listes_;
    QHash<int, int> surcharges_;  // \ls -> \listid
    int listidSurcharge_ = 0;
    struct PnEnCours {
        int genre = 0;  // 0 numbered, 1 bullet, 2 continuation
        int niveau = 0;
        QTextListFormat::Style style = QTextListFormat::ListDecimal;
        int debut = 1;
    } pn_;
    QByteArray instruction_;
};

}  // namespace Rtf
