// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/moduleson.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QThread>

#include <cstdio>

#ifndef BALTOR_DOSSIER_SON
#define BALTOR_DOSSIER_SON "lib/baltor"
#endif

ModuleSon::ModuleSon(QStringList fichiers) : fichiers_(std::move(fichiers)) {}

ModuleSon::~ModuleSon()
{
    if (fil_) {
        fil_->wait();  // a load still running when the program ends
        delete fil_;
    }
}

QString ModuleSon::nomFichier()
{
#ifdef Q_OS_WIN
    return QStringLiteral("libbaltor-son.dll");
#else
    return QStringLiteral("libbaltor-son.so");  // a CMake module on macOS too
#endif
}

ModuleSon& ModuleSon::programme()
{
    static ModuleSon module([] {
        const QString dossier = QCoreApplication::applicationDirPath();
        const QString nom = QLatin1Char('/') + nomFichier();
        return QStringList{dossier + nom,
                           QDir::cleanPath(dossier + QStringLiteral("/../" BALTOR_DOSSIER_SON) + nom)};
    }());
    return module;
}

void ModuleSon::charge(std::function<void()> quandFini)
{
    if (etat_ == Etat::Pret || etat_ == Etat::Absent) {
        if (quandFini)
            quandFini();
        return;
    }
    if (quandFini)
        enAttente_.push_back(std::move(quandFini));
    if (etat_ == Etat::Chargement)
        return;
    etat_ = Etat::Chargement;
    QString trouve;
    for (const QString& f : fichiers_)
        if (QFileInfo::exists(f)) {
            trouve = f;
            break;
        }
    if (trouve.isEmpty()) {
        termine();
        return;
    }
    bibliotheque_.setFileName(trouve);
    // Loading the module maps a score of libraries: out of the user-interface thread.
    fil_ = QThread::create([this] { bibliotheque_.load(); });
    connect(fil_, &QThread::finished, this, &ModuleSon::termine);
    fil_->start();
}

void ModuleSon::termine()
{
    if (bibliotheque_.isLoaded())
        fabrique_ = reinterpret_cast<CreeEffetSon>(bibliotheque_.resolve(nomCreeEffetSon));
    etat_ = fabrique_ ? Etat::Pret : Etat::Absent;
    if (!fabrique_) {
        const QString raison = bibliotheque_.fileName().isEmpty()
                                   ? nomFichier() + QStringLiteral(" introuvable")
                                   : bibliotheque_.errorString();
        std::fprintf(stderr, "Baltor : son indisponible, la simulation reste muette (%s).\n",
                     qPrintable(raison));
    }
    const auto rappels = std::move(enAttente_);
    enAttente_.clear();
    for (const auto& f : rappels)
        f();
}

std::unique_ptr<EffetSon> ModuleSon::cree(const QString& fichier) const
{
    return std::unique_ptr<EffetSon>(fabrique_ ? fabrique_(fichier) : nullptr);
}
