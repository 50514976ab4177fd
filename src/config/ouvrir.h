// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The open dialog "Ouvrir une configuration": drive, folder and file lists, the chosen
// file's path, ANNULER and OUVRIR. Shown modally from the main window's "&Ouvrir".

#include <QDialog>

class DirListBox;
class DriveListBox;
class FileListBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class feuilleP;

class ouvrir : public QDialog {
    Q_OBJECT
public:
    explicit ouvrir(feuilleP& feuille);

    QLabel* Label1;
    DriveListBox* Drive1;
    QLabel* Label2;
    DirListBox* Dir1;
    QLabel* Label3;
    FileListBox* File1;
    QLineEdit* ficharge;    // full path of the chosen file
    QPushButton* Command2;  // "ANNULER"
    QPushButton* Command1;  // "OUVRIR"
    QFrame* Frame1;         // "Patience: chargement du fichier", over everything while loading
    QLabel* Label4;
    QLabel* Image1;

public Q_SLOTS:
    void Form_Load();
    void Drive1_Change();
    void Dir1_Change();
    void File1_Click();
    void File1_DblClick();
    void Command1_Click();  // the open action
    void Command2_Click();

private:
    feuilleP& feuille_;
};
