// SPDX-License-Identifier: GPL-3.0-or-later
// The sound module: one QSoundEffect per sound file.

#include "platform/effetson.h"

#include <QSoundEffect>
#include <QUrl>

namespace {

class EffetQt : public EffetSon {
public:
    explicit EffetQt(const QString& fichier) { effet_.setSource(QUrl::fromLocalFile(fichier)); }
    void joue() override
    {
        effet_.stop();
        effet_.play();
    }
    void arrete() override { effet_.stop(); }

private:
    QSoundEffect effet_;
};

}  // namespace

extern "C" Q_DECL_EXPORT EffetSon* baltorCreeEffetSon(const QString& fichier)
{
    return new EffetQt(fichier);
}
