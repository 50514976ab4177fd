// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Builds the files of one exercise from its source: the description (.E03, or BALTOR.PEM),
// the statement and the correction in RTF, and the configurations (.P03) they name.

#include "source.h"

#include "config/fichierconfig.h"

#include <QByteArray>
#include <QMap>
#include <QString>

namespace exercices {

// Folder, inside the program's folder, of the statements, corrections and configurations.
inline const QString sousDossier = QStringLiteral("exercices");

// Relative file name -> content ("chrono_vitesse.E03", "exercices/chrono_vitesse.rtf" …).
// On error the map is empty and erreur says why.
QMap<QString, QByteArray> fichiersDe(const SourceExercice& s, QString* erreur);

// A set-up as the configuration file keeps it.
Config::Reglages reglagesDe(const Montage& m);

// The RTF of a statement or a correction: the title, then the HTML body, in the program's fonts.
QByteArray rtfDe(const QString& titre, const QString& sousTitre, const QString& html);

}  // namespace exercices

namespace exercices {

// Every source of a folder (*.txt, by name), checked: its set-ups load as written and each
// figure it quotes agrees with the simulator. Problems are added to erreurs, one per line.
QList<SourceExercice> lisSources(const QString& dossier, QStringList* erreurs);

// Checks the figures a course page quotes, listed one a line in `controles` ("page: quantity =
// value", on the program's start-up set-up): each is what the program gives and stands in its
// page as written. Problems are returned, one per line.
QStringList verifieCours(const QString& controles, const QString& dossierCours);

// The files of every source, keyed by their path relative to the program's folder.
QMap<QString, QByteArray> fichiersDeTout(const QList<SourceExercice>& sources, QStringList* erreurs);

}  // namespace exercices
