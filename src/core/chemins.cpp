// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/chemins.h"

#include <QDir>
#include <QFileInfo>

namespace Module1 {

namespace {

// The entry of `dossier` whose name equals `nom` ignoring case; empty when none.
QString trouveSansCasse(const QString& dossier, const QString& nom)
{
    const QStringList noms = QDir(dossier).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& n : noms)
        if (n.compare(nom, Qt::CaseInsensitive) == 0)
            return n;
    return {};
}

}  // namespace

QString resoudChemin(const QString& chemin, const QString& base)
{
    QString p = chemin;
    p.replace(u'\\', u'/');
    if (p.isEmpty())
        return p;
    if (QDir::isRelativePath(p))
        p = QDir(base.isEmpty() ? QDir::currentPath() : base).filePath(p);
    p = QDir::cleanPath(p);
    if (QFileInfo::exists(p))
        return p;

    // Walk down from the deepest folder that exists as written.
    QString connu = p;
    QStringList reste;
    while (!QFileInfo::exists(connu)) {
        const QFileInfo fi(connu);
        const QString parent = fi.path();
        if (parent == connu)
            return p;  // not even the root exists
        reste.prepend(fi.fileName());
        connu = parent;
    }
    for (qsizetype i = 0; i < reste.size(); ++i) {
        const QString trouve = trouveSansCasse(connu, reste[i]);
        if (trouve.isEmpty()) {
            for (qsizetype j = i; j < reste.size(); ++j)
                connu = QDir(connu).filePath(reste[j]);
            return connu;
        }
        connu = QDir(connu).filePath(trouve);
    }
    return connu;
}

bool nomHorsUtf8(const QString& chemin)
{
    return chemin.contains(QChar::ReplacementCharacter) && !QFileInfo::exists(chemin);
}

QString messageNomHorsUtf8(const QString& chemin)
{
    return QStringLiteral("Le nom du fichier %1 n'est pas écrit en UTF-8 : il ne peut pas être ouvert.\r\n"
                          "Renommez le fichier (dans le gestionnaire de fichiers) puis ouvrez-le à nouveau.")
        .arg(QDir::toNativeSeparators(chemin));
}

}  // namespace Module1
