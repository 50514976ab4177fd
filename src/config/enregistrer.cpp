// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/enregistrer.h"

#include "config/configuration.h"
#include "config/nomfichier.h"
#include "config/twips.h"
#include "widgets/controles.h"
#include "core/chemins.h"
#include "core/module1.h"
#include "platform/plateforme.h"
#include "widgets/agrandissement.h"
#include "scene/feuillep.h"
#include "widgets/dirlistbox.h"
#include "widgets/drivelistbox.h"
#include "widgets/filelistbox.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using Config::twips;

enregistrer::enregistrer(feuilleP& feuille) : QDialog(&feuille), feuille_(feuille)
{
    setObjectName(QStringLiteral("enregistrer"));
    setWindowTitle(QStringLiteral("Enregistrer les paramètres."));
    setFixedSize(Config::pixels(5565), Config::pixels(6615));
    Agrandissement::suit(this);

    Label1 = place(new QLabel(QStringLiteral("Lecteur:"), this), "Label1", twips(1080, 120, 1215, 255));
    Drive1 = place(new DriveListBox(QStringLiteral("Drive1"), this), "Drive1", twips(360, 360, 2415, 315));
    Label3 = place(new QLabel(QStringLiteral("Répertoire:"), this), "Label3", twips(1080, 750, 1215, 255));
    Dir1 = place(new DirListBox(QStringLiteral("Dir1"), this), "Dir1", twips(360, 1005, 2415, 3915));
    Dir1->setAccessibleName(QStringLiteral("Répertoire"));
    Label4 = place(new QLabel(QStringLiteral("Fichiers enregistrés"), this), "Label4", twips(3120, 120, 2055, 255));
    File1 = place(new FileListBox(QStringLiteral("File1"), this), "File1", twips(3120, 360, 2055, 4575));
    File1->setAccessibleName(QStringLiteral("Fichiers enregistrés"));
    File1->setPattern(QStringLiteral("*.P03"));
    Label2 = place(new QLabel(QStringLiteral("Nom du fichier:"), this), "Label2", twips(2280, 5160, 1215, 255));
    Text1 = place(new QLineEdit(this), "Text1", twips(720, 5400, 4335, 315));
    Command2 = place(new QPushButton(QStringLiteral("ANNULER"), this), "Command2", twips(720, 6000, 1815, 375));
    Command1 = place(new QPushButton(QStringLiteral("ENREGISTRER"), this), "Command1", twips(3240, 6000, 1815, 375));
    // Enter belongs to the name field and the lists, never to a default button.
    for (QPushButton* b : {Command1, Command2})
        b->setAutoDefault(false);
    Label1->setBuddy(Drive1);
    Label3->setBuddy(Dir1);
    Label4->setBuddy(File1);
    Label2->setBuddy(Text1);
    setTabOrder(Drive1, Dir1);
    setTabOrder(Dir1, File1);
    setTabOrder(File1, Text1);
    setTabOrder(Text1, Command2);
    setTabOrder(Command2, Command1);

    File1->setPath(Dir1->Path());
    Drive1->setDrive(Dir1->Path());
    // Typing a name and pressing Enter is the usual way through.
    Text1->setFocus();

    connect(Drive1, &DriveListBox::change, this, &enregistrer::Drive1_Change);
    connect(Dir1, &DirListBox::change, this, &enregistrer::Dir1_Change);
    connect(File1, &FileListBox::pathChange, this, &enregistrer::File1_PathChange);
    connect(File1, &FileListBox::dblClick, this, &enregistrer::File1_DblClick);
    connect(Text1, &QLineEdit::returnPressed, this, &enregistrer::Command1_Click);
    connect(Command1, &QPushButton::clicked, this, &enregistrer::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &enregistrer::Command2_Click);

    Form_Load();
}

void enregistrer::Form_Load()
{
    move(feuille_.pos() + QPoint(20, 20));
    Text1->setText(Module1::cheminConfig);
}

void enregistrer::Drive1_Change()
{
    suitLecteur(*Drive1, *Dir1, *File1);
}

void enregistrer::Dir1_Change()
{
    File1->setPath(Dir1->Path());
}

void enregistrer::File1_PathChange()
{
    Text1->setText(Config::nomSeul(Text1->text()));
}

void enregistrer::File1_DblClick()
{
    Text1->setText(File1->FileName());
    Command1_Click();
}

void enregistrer::Command1_Click()
{
    setCursor(Qt::WaitCursor);
    const Config::NomEnregistrement nom = Config::nomEnregistrement(Text1->text(), Dir1->Path());
    if (nom.vide()) {
        unsetCursor();
        plateforme().msgBox(QStringLiteral("Il faut donner un nom au fichier!"), StyleMsg::OkSeul + StyleMsg::Critique,
                            QStringLiteral("Enregistrement impossible"));
        return;
    }
    // A file already there under another letter case ("essai.p03", or one made on Windows)
    // is the same file to the user: it is the one replaced, never doubled.
    Module1::cheminConfig = Module1::resoudChemin(nom.chemin);
    Text1->setText(QDir::toNativeSeparators(Module1::cheminConfig));
    QDir::setCurrent(File1->Path());

    if (QFileInfo::exists(Module1::cheminConfig)
        && plateforme().msgBox(QStringLiteral("Ecraser le fichier existant?"), StyleMsg::OuiNon + StyleMsg::Exclamation,
                               QStringLiteral("Ce fichier existe déjà!")) != ReponseMsg::Oui) {
        unsetCursor();
        return;
    }
    const bool ok = Config::enregistreConfig(feuille_);
    unsetCursor();
    if (ok)
        accept();
}

void enregistrer::Command2_Click()
{
    reject();
}
