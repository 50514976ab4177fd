// SPDX-License-Identifier: GPL-3.0-or-later
#include "rtf/rtf.h"

#include "rtf/lecteur.h"
#include "rtf/lexeur.h"

#include <QTextDocument>

namespace Rtf {

namespace {

struct Mesure {
    qsizetype paragraphes = 0;
    qsizetype lignes = 0;
    bool complet = false;  // the outermost group is closed
};

// One pass of the lexer only, before anything is built.
Mesure mesure(QByteArrayView rtf)
{
    Mesure m;
    Lexeur lexeur(rtf);
    qsizetype profondeur = 0;
    for (Lexeme l = lexeur.suivant(); l.type != Jeton::Fin; l = lexeur.suivant()) {
        if (l.type == Jeton::Ouvre) {
            ++profondeur;
        } else if (l.type == Jeton::Ferme) {
            if (--profondeur <= 0) {
                m.complet = true;
                break;
            }
        } else if (l.type == Jeton::Mot) {
            if (l.mot == "par")
                ++m.paragraphes;
            else if (l.mot == "row")
                ++m.lignes;
            if (m.paragraphes > kParagraphesMax || m.lignes > kLignesTableauMax)
                break;
        }
    }
    return m;
}

}  // namespace

bool lis(const QByteArray& rtf, QTextDocument* doc, QString* erreur, bool* incomplet)
{
    QByteArrayView v(rtf);
    // Some editors put a UTF-8 byte order mark or blank lines before the header.
    if (v.startsWith("\xEF\xBB\xBF"))
        v = v.sliced(3);
    while (!v.isEmpty() && (v.front() == ' ' || v.front() == '\r' || v.front() == '\n' || v.front() == '\t'))
        v = v.sliced(1);
    if (!v.startsWith("{\\rtf")) {
        if (erreur)
            *erreur = QStringLiteral("Ce fichier n'est pas au format RTF.");
        return false;
    }
    if (!doc) {
        if (erreur)
            *erreur = QStringLiteral("Aucun document où lire le texte.");
        return false;
    }
    const Mesure m = mesure(v);
    if (m.paragraphes > kParagraphesMax || m.lignes > kLignesTableauMax) {
        if (erreur)
            *erreur = QStringLiteral("Ce texte est trop long pour être affiché (plus de %L1 paragraphes ou de %L2 "
                                     "lignes de tableau).")
                          .arg(kParagraphesMax)
                          .arg(kLignesTableauMax);
        return false;
    }
    if (incomplet)
        *incomplet = !m.complet;
    const bool annulation = doc->isUndoRedoEnabled();
    doc->setUndoRedoEnabled(false);
    doc->clear();
    {
        Lecteur lecteur(doc);
        lecteur.lis(v);
    }
    doc->setUndoRedoEnabled(annulation);
    if (erreur)
        erreur->clear();
    return true;
}

}  // namespace Rtf
