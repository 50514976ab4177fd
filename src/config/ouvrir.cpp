// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/ouvrir.h"

#include "config/configuration.h"
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
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

using Config::twips;

ouvrir::ouvrir(feuilleP& feuille) : QDialog(&feuille), feuille_(feuille)
{
    setObjectName(QStringLiteral("ouvrir"));
    setWindowTitle(QStringLiteral("Ouvrir une configuration"));
    setFixedSize(Config::pixels(5535), Config::pixels(6345));
    Agrandissement::suit(this);

    Label1 = place(new QLabel(QStringLiteral("Lecteur:"), this), "Label1", twips(360, 120, 2415, 255));
    Drive1 = place(new DriveListBox(QStringLiteral("Drive1"), this), "Drive1", twips(360, 360, 2415, 315));
    Label2 = place(new QLabel(QStringLiteral("Répertoire"), this), "Label2", twips(360, 735, 2415, 255));
    Dir1 = place(new DirListBox(QStringLiteral("Dir1"), this), "Dir1", twips(360, 975, 2415, 4140));
    Dir1->setAccessibleName(QStringLiteral("Répertoire"));
    Label3 = place(new QLabel(QStringLiteral("Fichiers"), this), "Label3", twips(3120, 120, 2055, 255));
    File1 = place(new FileListBox(QStringLiteral("File1"), this), "File1", twips(3120, 360, 2055, 4770));
    File1->setAccessibleName(QStringLiteral("Fichiers de configuration"));
    File1->setPattern(QStringLiteral("*.P03"));
    ficharge = place(new QLineEdit(this), "ficharge", twips(0, 5280, 5535, 285));
    ficharge->setAccessibleName(QStringLiteral("Fichier choisi"));
    Command2 = place(new QPushButton(QStringLiteral("ANNULER"), this), "Command2", twips(720, 5640, 1815, 375));
    Command1 = place(new QPushButton(QStringLiteral("OUVRIR"), this), "Command1", twips(3120, 5640, 1815, 375));
    // Enter in the path field opens; the lists keep Enter for themselves.
    Command2->setAutoDefault(false);
    Command1->setDefault(true);
    Label1->setBuddy(Drive1);
    Label2->setBuddy(Dir1);
    Label3->setBuddy(File1);
    setTabOrder(Drive1, Dir1);
    setTabOrder(Dir1, File1);
    setTabOrder(File1, ficharge);
    setTabOrder(ficharge, Command2);
    setTabOrder(Command2, Command1);

    Frame1 = place(new QFrame(this), "Frame1", twips(0, 0, 5535, 6375));
    Frame1->setFrameShape(QFrame::Box);
    Frame1->setAutoFillBackground(true);
    Label4 = place(new QLabel(QStringLiteral("Patience: chargement du fichier"), Frame1), "Label4",
                   twips(120, 2520, 5295, 495));
    QFont police = Label4->font();
    police.setPointSizeF(13.5);
    Label4->setFont(police);
    Label4->setAlignment(Qt::AlignCenter);
    Image1 = place(new QLabel(Frame1), "Image1", QRect(Label4->geometry().center().x() - 16, Label4->y() - 44, 32, 32));
    Image1->setPixmap(style()->standardIcon(QStyle::SP_BrowserReload).pixmap(32, 32));
    Frame1->hide();

    File1->setPath(Dir1->Path());
    Drive1->setDrive(Dir1->Path());
    // The arrows pick a file at once, Enter opens it.
    File1->setFocus();

    connect(Drive1, &DriveListBox::change, this, &ouvrir::Drive1_Change);
    connect(Dir1, &DirListBox::change, this, &ouvrir::Dir1_Change);
    connect(File1, &FileListBox::click, this, &ouvrir::File1_Click);
    connect(File1, &FileListBox::dblClick, this, &ouvrir::File1_DblClick);
    connect(Command1, &QPushButton::clicked, this, &ouvrir::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &ouvrir::Command2_Click);

    Form_Load();
}

void ouvrir::Form_Load()
{
    move(feuille_.pos() + QPoint(20, 20));
}

void ouvrir::Drive1_Change()
{
    suitLecteur(*Drive1, *Dir1, *File1);
}

void ouvrir::Dir1_Change()
{
    File1->setPath(Dir1->Path());
}

void ouvrir::File1_Click()
{
    const QString dossier = File1->Path();
    ficharge->setText(QDir::toNativeSeparators(dossier.endsWith(u'/') ? dossier + File1->FileName()
                                                                      : dossier + u'/' + File1->FileName()));
    QDir::setCurrent(dossier);
}

void ouvrir::File1_DblClick()
{
    File1_Click();
    Command1_Click();
}

void ouvrir::Command1_Click()
{
    const QString texte = ficharge->text().trimmed();
    if (texte.isEmpty())
        return;  // no file picked yet
    Module1::cheminConfig = Module1::resoudChemin(texte);
    if (Module1::nomHorsUtf8(Module1::cheminConfig)) {
        plateforme().msgBox(Module1::messageNomHorsUtf8(Module1::cheminConfig), StyleMsg::OkSeul + StyleMsg::Critique,
                            QStringLiteral("impossible d'ouvrir ce fichier"));
        return;
    }
    if (!QFileInfo(Module1::cheminConfig).isFile()) {
        plateforme().msgBox(QStringLiteral("Nom de fichier incorrect ou chemin non valide"),
                            StyleMsg::OkSeul + StyleMsg::Critique, QStringLiteral("impossible d'ouvrir ce fichier"));
        return;
    }
    Frame1->show();
    Frame1->raise();
    Module1::chargeConfig(feuille_, this);
    accept();
}

void ouvrir::Command2_Click()
{
    reject();
}
