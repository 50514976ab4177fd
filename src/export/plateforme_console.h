// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The desktop seam for runs without a window: messages go to the standard error stream, the
// clipboard keeps the image it is given, sounds are silent and no dialog ever opens.

#include "platform/plateforme_qt.h"

#include <QPrinter>
#include <QStringList>

class PlateformeConsole : public PlateformeQt {
public:
    // Every message shown, as "title : text", in order.
    QStringList messages;
    // The last image put on the clipboard.
    QImage pressePapiers;
    QString textePressePapiers;
    // The name every save dialog answers with (none: the dialog is cancelled).
    QString fichierAEcrire;

    int msgBox(const QString& texte, int style, const QString& titre) override;
    void beep() override {}
    std::unique_ptr<ClipSon> nouveauClip() override;
    QSize tailleEcran() const override { return {1920, 1080}; }
    void termine(int code) override;
    std::unique_ptr<QPrinter> choisitImprimante(QWidget*) override { return nullptr; }
    std::unique_ptr<QPrinter> imprimanteParDefaut() override { return nullptr; }
    bool configureImprimante(QPrinter&, QWidget*) override { return false; }
    void copieImage(const QImage& image) override { pressePapiers = image; }
    void copieTexte(const QString& texte) override { textePressePapiers = texte; }
    QString fichierAOuvrir(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString fichierAEnregistrer(QWidget*, const QString&, const QString&, const QString&) override
    {
        return fichierAEcrire;
    }
    void afficheAide(QWidget*, const QString&) override {}
};
