// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The impact sound on the desktop. Each sound file is loaded once into its own QSoundEffect and
// kept: a projectile change only switches to another loaded clip. Loading a source again at
// every change left memory behind in the audio back end each time.

#include "platform/plateforme.h"

#include <QHash>

#include <memory>

class QSoundEffect;

class ClipQt : public ClipSon {
public:
    ClipQt();
    ~ClipQt() override;

    void ouvre(const QString& fichier) override;
    void joue() override;
    void ferme() override;
    QString fichier() const override { return fichier_; }

    // Sound effects made so far, by every clip (one per distinct file a clip opened).
    static int effetsCrees();

private:
    // At most this many files stay loaded; past it the cache starts again (a program that
    // opens other files than its four clips does not grow without end).
    static constexpr int maxEffets = 8;

    QHash<QString, std::shared_ptr<QSoundEffect>> charges_;
    void charge();

    QSoundEffect* courant_ = nullptr;
    QString cle_;  // the file opened, loaded at its first play
    QString fichier_;
};
