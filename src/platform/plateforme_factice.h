// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A recording platform for tests: it answers message boxes and dialogs from scripted
// queues and keeps everything it was asked to do.

#include "platform/plateforme.h"

#include <QList>
#include <QStringList>

#include <functional>

struct MessageEnregistre {
    QString texte;
    int style = 0;
    QString titre;
};

class PlateformeFactice : public Plateforme {
public:
    PlateformeFactice();
    ~PlateformeFactice() override;

    // --- what the program asked ---
    QList<MessageEnregistre> messages;
    int beeps = 0;
    QStringList sons;            // "Open <file>", "Play <file>", "Close <file>" in order
    int sonsJoues() const;       // number of "Play" commands
    int sonsPrepares = 0;        // flights that asked their impact sound to get ready
    QList<QImage> pressePapiers; // every image put on the clipboard
    QStringList textesCopies;    // every text put on the clipboard
    QStringList aides;           // help files shown
    int finProgramme = -1;       // exit code given to termine(), -1 when never called
    int imprimantesDemandees = 0;
    QStringList dialoguesFichier;  // titles of the file dialogs shown

    // --- scripted answers ---
    QList<int> reponses;           // next msgBox answers; OK (1) when empty
    QStringList fichiersChoisis;   // next file dialog answers; "" (cancel) when empty
    bool imprimanteAnnulee = false;
    bool aucuneImprimante = false;  // imprimanteParDefaut() finds none
    bool imprimanteEnPanne = false; // printers handed out cannot start a document
    QString sortiePdf;             // where the printer writes; a temporary file when empty
    QSize ecran{1280, 1024};
    QString repertoire;            // program directory; the test binaries' folder when empty
    // Called when a message box is shown (lets a test act while "modal").
    std::function<void(const MessageEnregistre&)> surMessage;

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

    // The PDF files written by the printers handed out so far.
    QStringList pdfsImprimes;

private:
    std::unique_ptr<QPrinter> nouvelleImprimante();
};

// Installs a fresh recorder for the lifetime of a test scope.
class AvecPlateformeFactice {
public:
    AvecPlateformeFactice() { installePlateforme(&factice); }
    ~AvecPlateformeFactice() { installePlateforme(nullptr); }
    PlateformeFactice factice;
};
