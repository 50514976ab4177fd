// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/fichiers_image.h"

#include "analyse/fichiers.h"
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
        return QStringLiteral("La page n'a pas pu être composée.");
    QString erreur;
    return analyse::enregistreOctets(chemin, octets, &erreur) ? QString() : erreur;
}
