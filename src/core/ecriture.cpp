// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ecriture.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

bool cibleRemplacable(const QString& chemin)
{
    const QFileInfo info(chemin);
    // A link that leads nowhere (or to itself) is no place to write either.
    if (info.isSymLink())
        return info.exists() && info.isFile();
    return !info.exists() || info.isFile();
}

EchecEcriture ecritACote(const QString& chemin, const QByteArray& octets)
{
    if (!cibleRemplacable(chemin))
        return EchecEcriture::PasUnFichier;
    QSaveFile f(chemin);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return EchecEcriture::Creation;
    if (f.write(octets) != octets.size()) {
        f.cancelWriting();
        return EchecEcriture::Ecriture;
    }
    return f.commit() ? EchecEcriture::Aucun : EchecEcriture::Ecriture;
}

FichierACote::FichierACote(const QString& chemin) : chemin_(chemin)
{
    if (!cibleRemplacable(chemin)) {
        echec_ = EchecEcriture::PasUnFichier;
        return;
    }
    const QFileInfo info(chemin);
    // Same extension as the target: some writers choose their format by it.
    temporaire_ = std::make_unique<QTemporaryFile>(info.absolutePath() + QStringLiteral("/.baltor-XXXXXX-") +
                                                   info.fileName());
    if (!temporaire_->open()) {
        temporaire_.reset();
        echec_ = EchecEcriture::Creation;
        return;
    }
    temporaire_->close();  // the writer opens it by name
}

FichierACote::~FichierACote() = default;

QString FichierACote::cheminTemporaire() const
{
    return temporaire_ ? temporaire_->fileName() : QString();
}

EchecEcriture FichierACote::termine(const QByteArray& fin)
{
    if (!temporaire_)
        return echec_;
    QByteArray octets;
    if (temporaire_->open())
        octets = temporaire_->readAll();
    temporaire_.reset();  // removes the temporary file
    QByteArrayView reste(octets);
    while (!reste.isEmpty() && QByteArrayView(" \r\n\t").contains(reste.back()))
        reste.chop(1);
    // Written through the same writer as every other file: the old one stays until the new
    // one is whole.
    echec_ = !reste.isEmpty() && reste.endsWith(fin) ? ecritACote(chemin_, octets) : EchecEcriture::Ecriture;
    return echec_;
}
