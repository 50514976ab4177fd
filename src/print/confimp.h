// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The print options window: layout options, number of copies, printer. Opened by the main
// window's print command with the scene already flattened; its unload step restores the
// scene from the clean copy, whether it printed or was cancelled.

#include "print/miseenpage.h"

#include <QDialog>
#include <QImage>

#include <memory>

class PictureBox;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QSpinBox;

class confimp : public QDialog {
    Q_OBJECT
public:
    // scene: the flattened picture box; sauvetage: its clean copy, emptied on unload.
    confimp(PictureBox* scene, QImage* sauvetage, QWidget* parent = nullptr);
    ~confimp() override;

    QGroupBox* Frame1;
    QCheckBox* Chec[4] = {nullptr, nullptr, nullptr, nullptr};  // 0, 1 and 3 exist
    QLabel* Label3;   // "Nombre d'exemplaires:"
    QLabel* Label4;   // the number of copies
    QSpinBox* UpDown1;
    QLabel* Label2;   // "Imprimante:"
    QLineEdit* defaut;
    QPushButton* Command1;  // "&OK"
    QPushButton* Command2;  // "&Imprimantes"
    QPushButton* Command3;  // "&Annuler"
    QFrame* Frame2;   // shown while printing
    QLabel* Label1;   // "Veuillez patienter quelques instants..."
    QLabel* Image2;

    // The printer `defaut` names; null when none is installed (a PDF file is written instead).
    QPrinter* imprimante() const { return imprimante_.get(); }
    impression::Options options() const;
    // The text shown in `defaut` for a printer (or for none).
    static QString nomImprimante(const QPrinter* p);
    // Shows a printer's name in `defaut` whole: a smaller type when it is long, and the whole
    // name in the tooltip when even that is too narrow.
    void montreImprimante(const QString& nom);

public Q_SLOTS:
    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void UpDown1_Change();
    void Form_Unload();

public:
    void done(int r) override;

private:
    void etatImpression(bool imprime);

    PictureBox* scene_;
    QImage* sauvetage_;
    std::unique_ptr<QPrinter> imprimante_;
    bool decharge_ = false;
};

namespace impression {
// Puts the scene back as it was before flattening: drawing layer cleared, the clean copy as
// background, the copy emptied.
void restaureScene(PictureBox& scene, QImage& sauvetage);
}  // namespace impression
