// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every window of the program, opened over the main window by name (not shown).

#include "calc/machine.h"
#include "config/enregistrer.h"
#include "config/ouvrir.h"
#include "exercises/fichexo.h"
#include "graphs/energiesgraphes.h"
#include "graphs/graphes.h"
#include "platform/navigateur_aide.h"
#include "print/confimp.h"
#include "scene/feuillep.h"

#include <QCoreApplication>
#include <QMessageBox>

#include <memory>

inline std::unique_ptr<QWidget> ouvreFenetre(const QString& nom, feuilleP& f)
{
    if (nom == QLatin1String("Fichexo")) {
        auto w = std::make_unique<Fichexo>(&f);
        w->Form_Load();
        w->Form_Activate();
        return w;
    }
    if (nom == QLatin1String("graphes"))
        return std::make_unique<graphes>(f.entreesGraphes(), &f);
    if (nom == QLatin1String("grapheEnergies"))
        return std::make_unique<grapheEnergies>(f.entreesEnergies(), &f);
    if (nom == QLatin1String("mesures"))
        return std::make_unique<mesures>(f.entreesMesures(), &f);
    if (nom == QLatin1String("Machine"))
        return std::make_unique<Machine>(&f);
    if (nom == QLatin1String("confimp"))
        return std::make_unique<confimp>(f.Picture2, &f.sauvetage, &f);
    if (nom == QLatin1String("ouvrir"))
        return std::make_unique<ouvrir>(f);
    if (nom == QLatin1String("enregistrer"))
        return std::make_unique<enregistrer>(f);
    if (nom == QLatin1String("aide") || nom == QLatin1String("cours"))
        return std::make_unique<NavigateurAide>(
            QCoreApplication::applicationDirPath() + QLatin1Char('/') + nom + QStringLiteral("/index.html"), &f);
    return std::make_unique<QMessageBox>(QMessageBox::Question, QStringLiteral("Exercice"),
                                         QStringLiteral("Ecraser l'ancien?"), QMessageBox::Yes | QMessageBox::No);
}
