// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one seam between Baltor and the desktop. The program uses the Qt implementation;
// the tests install a recorder that answers scripted choices and keeps what was asked.

#include <QImage>
#include <QSize>
#include <QString>

#include <memory>

class QPrinter;
class QWidget;

// Message-box style codes, summed as the classic API did: buttons + icon.
namespace StyleMsg {
constexpr int OkSeul = 0;
constexpr int OkAnnuler = 1;
constexpr int OuiNonAnnuler = 3;
constexpr int OuiNon = 4;
constexpr int Critique = 16;
constexpr int Question = 32;
constexpr int Exclamation = 48;
constexpr int Information = 64;
}  // namespace StyleMsg

// Button codes returned by msgBox.
namespace ReponseMsg {
constexpr int Ok = 1;
constexpr int Annuler = 2;
constexpr int Oui = 6;
constexpr int Non = 7;
}  // namespace ReponseMsg

// A sound clip, as the media control played it: open a file, play it from the start, close.
// A clip that cannot be opened or played fails quietly.
class ClipSon {
public:
    virtual ~ClipSon() = default;
    virtual void ouvre(const QString& fichier) = 0;
    virtual void joue() = 0;   // from the beginning, even if it is still playing
    // A flight starts: a clip whose sound takes time to get ready starts getting it ready.
    virtual void prepare() {}
    virtual void ferme() = 0;
    virtual QString fichier() const = 0;
};

class Plateforme {
public:
    virtual ~Plateforme() = default;

    // Message box; returns the button code (ReponseMsg).
    virtual int msgBox(const QString& texte, int style, const QString& titre) = 0;
    virtual void beep() = 0;
    virtual std::unique_ptr<ClipSon> nouveauClip() = 0;

    // Screen size in pixels and twips per pixel (a twip is 1/15 pixel on this desktop).
    virtual QSize tailleEcran() const = 0;
    virtual double twipsParPixelX() const { return 15.0; }
    virtual double twipsParPixelY() const { return 15.0; }

    // Folder that holds the program's data files (pictures, sounds, exercises, help).
    virtual QString repertoireProgramme() const = 0;

    // The fatal end of the program (after its message has been shown).
    virtual void termine(int code) = 0;

    // Printer set-up dialog: a ready printer, or nullptr when the user cancels.
    virtual std::unique_ptr<QPrinter> choisitImprimante(QWidget* parent) = 0;
    // The printer used without a dialog (the desktop's default one), or nullptr when no
    // printer is installed.
    virtual std::unique_ptr<QPrinter> imprimanteParDefaut() = 0;
    // Printer set-up dialog on an existing printer (choice of printer and its settings);
    // false when the user cancels, the printer then stays as it was.
    virtual bool configureImprimante(QPrinter& imprimante, QWidget* parent) = 0;

    // Clipboard: clears it, then puts a bitmap on it.
    virtual void copieImage(const QImage& image) = 0;
    // Clipboard: clears it, then puts a plain text on it.
    virtual void copieTexte(const QString& texte) = 0;

    // File dialogs: the chosen path, or an empty string when cancelled.
    virtual QString fichierAOuvrir(QWidget* parent, const QString& titre, const QString& dossier,
                                   const QString& filtre) = 0;
    virtual QString fichierAEnregistrer(QWidget* parent, const QString& titre, const QString& chemin,
                                        const QString& filtre) = 0;

    // Shows a help document (an HTML page shipped beside the program).
    virtual void afficheAide(QWidget* parent, const QString& fichier) = 0;
};

// The platform in use. Never null: the Qt implementation until a test installs another one.
Plateforme& plateforme();
// Installs a platform (not owned); nullptr goes back to the Qt implementation.
void installePlateforme(Plateforme* p);

// Program directory followed by a file name, with the separator added when missing.
QString cheminProgramme(const QString& nomFichier);
