// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/clip_qt.h"

#include "platform/effetson.h"
#include "platform/moduleson.h"

#include <QFileInfo>

namespace {
int effets = 0;
}  // namespace

ClipQt::ClipQt() : ClipQt(ModuleSon::programme()) {}
ClipQt::ClipQt(ModuleSon& module) : module_(module), vivant_(std::make_shared<ClipQt*>(this)) {}
ClipQt::~ClipQt() = default;

int ClipQt::effetsCrees()
{
    return effets;
}

void ClipQt::ouvre(const QString& fichier)
{
    ferme();
    fichier_ = fichier;
    cle_ = QFileInfo::exists(fichier) ? QFileInfo(fichier).absoluteFilePath() : QString();
    if (module_.etat() == ModuleSon::Etat::Pret)
        charge();  // the module is there: the new projectile's clip is made at once
}

void ClipQt::prepare()
{
    if (courant_ || cle_.isEmpty())
        return;  // ready, or a missing clip that stays silent
    std::weak_ptr<ClipQt*> lien = vivant_;
    module_.charge([lien] {
        if (auto clip = lien.lock()) {
            ClipQt* c = *clip;
            c->charge();
            if (c->jeuDemande_ && c->courant_)
                c->courant_->joue();
            c->jeuDemande_ = false;
        }
    });
}

void ClipQt::charge()
{
    if (courant_ || cle_.isEmpty() || module_.etat() != ModuleSon::Etat::Pret)
        return;
    auto it = charges_.find(cle_);
    if (it == charges_.end()) {
        if (charges_.size() >= maxEffets)
            charges_.clear();
        std::shared_ptr<EffetSon> effet = module_.cree(cle_);
        if (!effet)
            return;
        ++effets;
        it = charges_.insert(cle_, effet);
    }
    courant_ = it->get();
}

void ClipQt::joue()
{
    charge();
    if (courant_) {
        courant_->joue();
        return;
    }
    // No module yet (an impact before any flight was prepared): it plays once loaded.
    if (!cle_.isEmpty() && module_.etat() != ModuleSon::Etat::Absent) {
        jeuDemande_ = true;
        prepare();
    }
}

void ClipQt::ferme()
{
    if (courant_)
        courant_->arrete();
    courant_ = nullptr;
    cle_.clear();
    jeuDemande_ = false;
}
