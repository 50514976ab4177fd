// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/nomfichier.h"

#include <QDir>

namespace Config {

namespace {

qsizetype dernierSeparateur(const QString& s)
{
    return qMax(s.lastIndexOf(u'/'), s.lastIndexOf(u'\\'));
}

}  // namespace

QString nomSeul(const QString& champ)
{
    return champ.mid(dernierSeparateur(champ) + 1);
}

NomEnregistrement nomEnregistrement(const QString& champ, const QString& dossier)
{
    const QString texte = champ.trimmed();
    const qsizetype sep = dernierSeparateur(texte);
    QString nom = texte.mid(sep + 1);
    // Cut before the last dot until none is left: an extension typed by the user, or the
    // ".P03" of a name picked from the list, goes.
    for (;;) {
        nom = nom.trimmed();
        if (nom.isEmpty())
            return {};
        const qsizetype point = nom.lastIndexOf(u'.');
        if (point < 0)
            break;
        nom.truncate(point);
    }
    QString chemin = nom + QStringLiteral(".P03");
    if (sep >= 0) {
        QString repertoire = texte.left(sep + 1);
        repertoire.replace(u'\\', u'/');
        chemin = repertoire + chemin;
        if (QDir::isRelativePath(chemin))
            chemin = QDir(dossier).filePath(chemin);
        return {QDir::cleanPath(chemin)};
    }
    return {QDir(dossier).filePath(chemin)};
}

}  // namespace Config
