// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Loads the sound module (effetson.h) once, in a thread of its own, so neither the start-up nor
// the animation waits for the multimedia library and its audio client. Where the module cannot
// be loaded the program stays silent: one notice on the error output, nothing else.

#include "platform/effetson.h"

#include <QLibrary>
#include <QObject>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class QThread;

class ModuleSon : public QObject {
    Q_OBJECT
public:
    enum class Etat { Attente, Chargement, Pret, Absent };

    // `fichiers`: where the module may be, tried in turn.
    explicit ModuleSon(QStringList fichiers);
    ~ModuleSon() override;

    // The program's module: beside the executable, else in the installed library folder.
    static ModuleSon& programme();
    // The module's file name on this system.
    static QString nomFichier();

    // Starts the loading if nothing started it; `quandFini` runs on this thread once the
    // loading ends (at once when it has ended), whether the module came or not.
    void charge(std::function<void()> quandFini = {});
    Etat etat() const { return etat_; }
    // A new sound for a file; null while the module is not loaded.
    std::unique_ptr<EffetSon> cree(const QString& fichier) const;

private:
    void termine();

    QStringList fichiers_;
    QLibrary bibliotheque_;
    QThread* fil_ = nullptr;
    Etat etat_ = Etat::Attente;
    CreeEffetSon fabrique_ = nullptr;
    std::vector<std::function<void()>> enAttente_;
};
