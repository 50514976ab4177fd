#include "app/ouverture.h"

#include "config/configuration.h"
#include "core/chemins.h"
#include "core/module1.h"
#include "scene/feuillep.h"

#include <QDir>
#include <QFileInfo>

void ouvreFichier(feuilleP& fenetre, const QString& chemin)
{
    const QString complet = QFileInfo(Module1::resoudChemin(chemin, QDir::currentPath())).absoluteFilePath();
    // Anything else is offered to the set-up reader, whose messages say what is wrong with it.
    Module1::cheminConfig = complet;
    Module1::chargeConfig(fenetre);
}
