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
    if (!QFileInfo::exists(fichier))
        return;  // a missing clip stays silent
    const QString cle = QFileInfo(fichier).absoluteFilePath();
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
}
