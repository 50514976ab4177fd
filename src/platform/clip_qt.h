// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The impact sound on the desktop. Each sound file is loaded once into its own sound effect and
// kept: a projectile change only switches to another loaded clip. Loading a source again at
// every change left memory behind in the audio back end each time.
// The effects come from the sound module, which the clip asks for when a flight starts
// (`prepare`), so the module and the effect are ready by the first impact.

#include "platform/plateforme.h"

#include <QHash>

#include <memory>

class EffetSon;
class ModuleSon;

class ClipQt : public ClipSon {
public:
    ClipQt();
    explicit ClipQt(ModuleSon& module);
    ~ClipQt() override;

    void ouvre(const QString& fichier) override;
    void prepare() override;
    void joue() override;
    void ferme() override;
    QString fichier() const override { return fichier_; }

    // True once the opened file's effect is made: a play then starts at once.
    bool pret() const { return courant_ != nullptr; }

    // Sound effects made so far, by every clip (one per distinct file a clip opened).
    static int effetsCrees();

private:
    // At most this many files stay loaded; past it the cache starts again (a program that
    // opens other files than its four clips does not grow without end).
    static constexpr int maxEffets = 8;

    void charge();

    ModuleSon& module_;
    QHash<QString, std::shared_ptr<EffetSon>> charges_;
    EffetSon* courant_ = nullptr;
    QString cle_;  // the file opened, loaded once the module is
    QString fichier_;
    bool jeuDemande_ = false;  // a play asked while the module was loading
    // Tells a loading that ends after this clip is gone not to reach it.
    std::shared_ptr<ClipQt*> vivant_;
};
