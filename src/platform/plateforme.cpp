// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/plateforme.h"

#include "platform/plateforme_qt.h"

#include <QDir>

namespace {
Plateforme* installee = nullptr;
}

Plateforme& plateforme()
{
    if (installee)
        return *installee;
    static PlateformeQt qt;
    return qt;
}

void installePlateforme(Plateforme* p)
{
    installee = p;
}

QString cheminProgramme(const QString& nomFichier)
{
    QString dossier = plateforme().repertoireProgramme();
    if (!dossier.endsWith(QLatin1Char('/')) && !dossier.endsWith(QLatin1Char('\\')))
        dossier += QLatin1Char('/');
    return dossier + nomFichier;
}
