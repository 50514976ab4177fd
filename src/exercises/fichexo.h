// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The exercise window: a catalogue of description files (drive, folder and file lists) with a
// preview of the selected exercise, and the exercise menu `optionexo` that the main window
// pops up from its "Exercices" button. Its actions load statements, corrections and their
// set-ups into the main window, and save, reload or print the exercise text.

#include "exercises/description.h"

#include <QDialog>
#include <QImage>

#include <array>

class DirListBox;
class DriveListBox;
class FileListBox;
class PictureBox;
class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QToolButton;
class feuilleP;

class Fichexo : public QDialog {
    Q_OBJECT
public:
    // Lives as long as the main window and hands it the exercise menu.
    explicit Fichexo(feuilleP* principale);
    ~Fichexo() override;

    // --- catalogue and preview ---
    DriveListBox* Drive1;
    DirListBox* Dir1;
    FileListBox* File1;
    QLabel* Label5;         // "Liste des exercices:"
    QLineEdit* fichierexo;  // full path of the selected description
    QLabel* intratro;       // "Sélectionner un fichier"
    QLabel* titratexo;      // title of the exercise
    QLabel* Label1;         // "Notions abordées :"
    QPlainTextEdit* Text1;  // notions
    QLabel* Label4;         // "Niveau de difficulté :"
    QLabel* classeExo;      // the class level beside the marks, when the file gives one
    std::array<QLabel*, 3> Image4;  // difficulty marks
    QImage Imagalu;         // lit mark
    QImage Imagenoir;       // unlit mark
    QLabel* Label2;         // "Exercice corrigé" / "Non corrigé"
    QLabel* Label3;         // same text as Label2
    QToolButton* ouvreur;   // opens the selected exercise
    QToolButton* Image5;    // closes without loading
    QFrame* Frame2;         // wait panel
    QLabel* Label6;         // " Chargement des fichiers"
    QLabel* Label7;         // "Patienter quelques instants"
    PictureBox* tito;       // heading "Ouvrir un exercice"

    // --- the exercise menu ---
    QMenu* optionexo;
    QAction* PRISENMAIN;
    QAction* separons1;
    QAction* openexo;
    QAction* opencor;
    QAction* separons2;
    QAction* savetexte;
    QAction* opentexte;
    QAction* imprimetexte;
    QAction* separons3;
    QAction* Closexo;

    // Opens a description named from outside (command line, file manager) as the catalogue
    // opens the one selected: preview, then statement, set-up and text area. False when it could
    // not be opened (the reason was shown).
    bool ouvreDescription(const QString& chemin);

    // The description last read by the preview.
    const Exercices::DescriptionExercice& description() const { return description_; }

public Q_SLOTS:
    void Form_Load();
    void Form_Activate();
    void Drive1_Change();
    void Dir1_Change();
    void File1_Click();
    void File1_DblClick();
    void apercu();
    void ouvreur_Click();
    void Image5_Click();
    void tito_Paint();

    void optionexo_Click();
    void PRISENMAIN_Click();
    void openexo_Click();
    void opencor_Click();
    void Closexo_Click();
    void savetexte_Click();
    void opentexte_Click();
    void imprimetexte_Click();

protected:
    void showEvent(QShowEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void creeControles();
    void creeMenu();
    void connecteControles();
    // Hides the window when it is shown (the menu's actions end by closing it).
    void decharge();
    // "Attention: perte des modifications du texte." when the text was changed; false on Cancel.
    bool gardeTexte();
    // Loads an RTF file into the main window's text area; false when it cannot be read, with
    // in raison the French sentence saying why (left empty when the file is simply missing).
    // A file cut short is shown as far as it goes, with a word saying so.
    bool chargeTexte(const QString& chemin, QString* raison = nullptr);
    // Reads a description file; false (and "Lecture impossible") when it cannot be opened.
    bool lisFichier(const QString& chemin, Exercices::DescriptionExercice& d);
    // Full path of a name stored in a description, relative to dossierExercice.
    QString cheminDe(const QString& nom) const;
    // "... est introuvable", or the reason the text could not be shown when there is one.
    void messageAbsent(const QString& nom, const QString& raison = QString());
    void messageLecture();
    void chargeConfiguration(const QString& nom);

    feuilleP* principale_;
    Exercices::DescriptionExercice description_;
};
