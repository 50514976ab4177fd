// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ouverture.h"

#include "config/configuration.h"
#include "core/chemins.h"
#include "core/module1.h"
#include "exercises/fichexo.h"
#include "platform/plateforme.h"
#include "scene/feuillep.h"

#include <QDir>
#include <QFileInfo>

void ouvreFichier(feuilleP& fenetre, Fichexo& exercices, const QString& chemin)
{
    const QFileInfo info(Module1::resoudChemin(chemin, QDir::currentPath()));
    const QString complet = info.absoluteFilePath();
    if (Module1::nomHorsUtf8(complet)) {
        plateforme().msgBox(Module1::messageNomHorsUtf8(complet), StyleMsg::OkSeul + StyleMsg::Critique,
                            QStringLiteral("Lecture impossible"));
        return;
    }
    if (info.suffix().compare(QStringLiteral("e03"), Qt::CaseInsensitive) == 0) {
        exercices.ouvreDescription(complet);
        return;
    }
    Module1::cheminConfig = complet;
    Module1::chargeConfig(fenetre);
}
