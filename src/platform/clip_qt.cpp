// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/clip_qt.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace {
int effets = 0;
}  // namespace

ClipQt::ClipQt() = default;
ClipQt::~ClipQt() = default;

int ClipQt::effetsCrees()
{
    return effets;
}

void ClipQt::ouvre(const QString& fichier)
{
    ferme();
    fichier_ = fichier;
    // The sound back end (and its threads) only starts when a sound is first played: a window
    // that never plays one, or a run without sound, never starts it.
    cle_ = QFileInfo::exists(fichier) ? QFileInfo(fichier).absoluteFilePath() : QString();
}

void ClipQt::charge()
{
    if (courant_ || cle_.isEmpty())
        return;  // a missing clip stays silent
    const QString& cle = cle_;
    auto it = charges_.find(cle);
    if (it == charges_.end()) {
        if (charges_.size() >= maxEffets)
            charges_.clear();
        auto effet = std::make_shared<QSoundEffect>();
        ++effets;
        effet->setSource(QUrl::fromLocalFile(cle));
        it = charges_.insert(cle, effet);
    }
    courant_ = it->get();
}

void ClipQt::joue()
{
    charge();
    if (!courant_)
        return;
    courant_->stop();
    courant_->play();
}

void ClipQt::ferme()
{
    if (courant_)
        courant_->stop();
    courant_ = nullptr;
    cle_.clear();
}
