// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real desktop behind the seam.

#include "platform/plateforme.h"

class PlateformeQt : public Plateforme {
public:
    int msgBox(const QString& texte, int style, const QString& titre) override;
    void beep() override;
    std::unique_ptr<ClipSon> nouveauClip() override;
    QSize tailleEcran() const override;
    QString repertoireProgramme() const override;
    void termine(int code) override;
    std::unique_ptr<QPrinter> choisitImprimante(QWidget* parent) override;
    std::unique_ptr<QPrinter> imprimanteParDefaut() override;
    bool configureImprimante(QPrinter& imprimante, QWidget* parent) override;
    void copieImage(const QImage& image) override;
    void copieTexte(const QString& texte) override;
    QString fichierAOuvrir(QWidget* parent, const QString& titre, const QString& dossier,
                           const QString& filtre) override;
    QString fichierAEnregistrer(QWidget* parent, const QString& titre, const QString& chemin,
                                const QString& filtre) override;
    void afficheAide(QWidget* parent, const QString& fichier) override;
};

// The save dialog for a caller that asks its own question when the file exists: the desktop's
// dialog then asks none, the recorder of the tests answers as for any save dialog.
QString fichierAEnregistrerSansQuestion(QWidget* parent, const QString& titre, const QString& chemin,
                                        const QString& filtre);
