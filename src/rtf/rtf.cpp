// SPDX-License-Identifier: GPL-3.0-or-later
#include "rtf/rtf.h"

#include "rtf/lecteur.h"

#include <QTextDocument>

namespace Rtf {

bool lis(const QByteArray& rtf, QTextDocument* doc, QString* erreur)
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
