// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/impression_fichier.h"

#include <QDir>
#include <QPrinter>

ImpressionFichier::ImpressionFichier(QPrinter& imprimante) : imprimante_(imprimante)
{
    chemin_ = imprimante.outputFileName();
    if (chemin_.isEmpty())
        return;
    aCote_.emplace(chemin_);
    // Nothing can be made beside it (missing or protected folder): the printer meets the same
    // wall and says so itself.
    if (aCote_->echec() == EchecEcriture::Creation) {
        aCote_.reset();
        chemin_.clear();
        return;
    }
    if (aCote_->echec() == EchecEcriture::Aucun)
        imprimante.setOutputFileName(aCote_->cheminTemporaire());
}

ImpressionFichier::~ImpressionFichier()
{
    if (!chemin_.isEmpty())
        imprimante_.setOutputFileName(chemin_);
}

QString ImpressionFichier::empechement() const
{
    return aCote_ ? message(aCote_->echec()) : QString();
}

QString ImpressionFichier::termine()
{
    if (!aCote_)
        return {};
    // Every PDF ends with its end-of-file mark: without it the writer was cut short.
    return message(aCote_->termine(QByteArrayLiteral("%%EOF")));
}

QString ImpressionFichier::message(EchecEcriture echec) const
{
    const QString nom = QDir::toNativeSeparators(chemin_);
    switch (echec) {
    case EchecEcriture::Aucun:
        break;
    case EchecEcriture::PasUnFichier:
        return QStringLiteral("« %1 » n'est pas un fichier ordinaire : rien n'a été imprimé.").arg(nom);
    case EchecEcriture::Creation:
        return QStringLiteral("Le fichier « %1 » ne peut pas être créé à cet endroit : rien n'a été imprimé.").arg(nom);
    case EchecEcriture::Ecriture:
        return QStringLiteral("L'impression dans le fichier « %1 » n'a pas pu être écrite en entier "
                              "(disque plein ou protégé ?). Un fichier qui portait ce nom est conservé tel quel.")
            .arg(nom);
    }
    return {};
}
