// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The save dialog "Enregistrer les paramètres.": drive, folder and file lists, a name field,
// ANNULER and ENREGISTRER. Shown modally from the main window's "&Enregistrer".

#include <QDialog>

class DirListBox;
class DriveListBox;
class FileListBox;
class QLabel;
class QLineEdit;
class QPushButton;
class feuilleP;

class enregistrer : public QDialog {
    Q_OBJECT
public:
    explicit enregistrer(feuilleP& feuille);

    QLabel* Label1;
    DriveListBox* Drive1;
    QLabel* Label3;
    DirListBox* Dir1;
    QLabel* Label4;
    FileListBox* File1;
    QLabel* Label2;
    QLineEdit* Text1;
    QPushButton* Command2;  // "ANNULER"
    QPushButton* Command1;  // "ENREGISTRER"

public Q_SLOTS:
    void Form_Load();
    void Drive1_Change();
    void Dir1_Change();
    void File1_PathChange();
    void File1_DblClick();
    void Command1_Click();  // the save action
    void Command2_Click();

private:
    feuilleP& feuille_;
};
