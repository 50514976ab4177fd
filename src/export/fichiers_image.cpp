// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/fichiers_image.h"

#include "core/ecriture.h"
#include "graphs/pageimprimee.h"

#include <QBuffer>
#include <QFileInfo>

QString enregistrePageGraphes(const PageGraphes& contenu, const QString& chemin)
{
    const QString ext = QFileInfo(chemin).suffix().toLower();
    // The page is made in memory, then written aside and put in place.
    QByteArray octets;
    if (ext == QStringLiteral("pdf")) {
        octets = pdfPageGraphes(contenu);
    } else if (ext == QStringLiteral("png")) {
        QBuffer tampon(&octets);
        tampon.open(QIODevice::WriteOnly);
        if (!imagePageGraphes(contenu).save(&tampon, "PNG"))
            octets.clear();
    }
    const bool fait = !octets.isEmpty();
    if (!fait)
        return QStringLiteral("la page n'a pas pu être composée");
    switch (ecritACote(chemin, octets)) {
    case EchecEcriture::Aucun:
        return {};
    case EchecEcriture::Creation:
        return QStringLiteral("impossible de créer le fichier à cet endroit");
    case EchecEcriture::Ecriture:
        break;
    }
    return QStringLiteral("l'écriture a échoué (disque plein ou protégé ?)");
}
