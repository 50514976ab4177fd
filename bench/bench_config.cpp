// SPDX-License-Identifier: GPL-3.0-or-later
// Figures of the configuration files: loading one into the main window (the file read and
// every handler the load runs) and saving one.

#include "bench.h"

#include "config/configuration.h"
#include "core/module1.h"
#include "platform/plateforme_factice.h"
#include "scene/feuillep.h"

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>

BALTOR_BENCH(config)
{
    std::vector<Mesure> mesures;
    AvecPlateformeFactice plateformeTest;
    QTemporaryDir dossier;
    feuilleP f;

    // Two set-ups that differ in every value, so each load changes place and projectile.
    const QString terre = QDir(dossier.path()).filePath(QStringLiteral("terre.P03"));
    const QString lune = QDir(dossier.path()).filePath(QStringLiteral("lune.P03"));
    Module1::cheminConfig = terre;
    Config::enregistreConfig(f);
    f.Combo1->setCurrentIndex(1);
    f.Combo1_Click();
    f.Combo2->setCurrentIndex(4);
    f.Combo2_Click();
    f.Text3->setText(QStringLiteral("25,5"));
    f.Text3_LostFocus();
    Module1::cheminConfig = lune;
    Config::enregistreConfig(f);

    std::vector<double> sauvegardes;
    for (int i = 0; i < 50; ++i) {
        Module1::cheminConfig = i % 2 ? terre : lune;
        QElapsedTimer chrono;
        chrono.start();
        Config::enregistreConfig(f);
        sauvegardes.push_back(chrono.nsecsElapsed() / 1e6);
    }

    std::vector<double> chargements;
    for (int i = 0; i < 50; ++i) {
        Module1::cheminConfig = i % 2 ? terre : lune;
        QElapsedTimer chrono;
        chrono.start();
        Module1::chargeConfig(f);
        chargements.push_back(chrono.nsecsElapsed() / 1e6);
    }
    if (!plateformeTest.factice.messages.isEmpty())
        qWarning("bench_config: %s", qPrintable(plateformeTest.factice.messages.first().texte));

    mesures.push_back({QStringLiteral("config_load_ms"), mediane(chargements), QStringLiteral("ms")});
    mesures.push_back({QStringLiteral("config_save_ms"), mediane(sauvegardes), QStringLiteral("ms")});
    return mesures;
}
