// SPDX-License-Identifier: GPL-3.0-or-later
// The exercise window: its controls, the catalogue lists and the preview.

#include "exercises/fichexo.h"

#include "core/module1.h"
#include "exercises/dessins.h"
#include "platform/plateforme.h"
#include "scene/feuillep.h"
#include "widgets/agrandissement.h"
#include "widgets/dirlistbox.h"
#include "widgets/drivelistbox.h"
#include "widgets/filelistbox.h"
#include "widgets/picturebox.h"
#include "widgets/controles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QStyle>
#include <QToolButton>

namespace {

QLabel* etiquette(QWidget* parent, const char* nom, const QString& texte, const QRect& r)
{
    auto* l = cree<QLabel>(parent, nom, r);
    l->setText(texte);
    return l;
}

const QString titreBarre = QStringLiteral(
    "QLabel { background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #00207a, stop:1 #3a6fc4); "
    "color: white; font-weight: bold; }");

bool finitParSeparateur(const QString& dossier)
{
    return dossier.endsWith(QLatin1Char('/')) || dossier.endsWith(QLatin1Char('\\'));
}

}  // namespace

Fichexo::Fichexo(feuilleP* principale)
    : QDialog(principale)
    , principale_(principale)
{
    setObjectName(QStringLiteral("Fichexo"));
    setWindowTitle(QStringLiteral("Exercices"));
    setModal(true);
    resize(800, 600);
    Agrandissement::suit(this);
    creeControles();
    creeMenu();
    connecteControles();
    if (principale_)
        principale_->optionexo = optionexo;
}

// The main window's handle on the menu clears itself: the main window may be half destroyed
// by now, when it is the one deleting this window.
Fichexo::~Fichexo() = default;

void Fichexo::creeControles()
{
    tito = new PictureBox(QStringLiteral("tito"), this);
    tito->move(0, 0);
    tito->setTaille(QSize(800, 56));
    tito->setBackColor(QColor(0, 32, 122));

    Label5 = etiquette(this, "Label5", QStringLiteral("Liste des exercices:"), QRect(16, 68, 260, 20));
    Label5->setStyleSheet(QStringLiteral("QLabel { font-weight: bold; }"));
    Drive1 = new DriveListBox(QStringLiteral("Drive1"), this);
    Drive1->setGeometry(16, 90, 260, 24);
    Dir1 = new DirListBox(QStringLiteral("Dir1"), this);
    Dir1->setGeometry(16, 118, 260, 170);
    Dir1->setAccessibleName(QStringLiteral("Répertoire"));
    File1 = new FileListBox(QStringLiteral("File1"), this);
    File1->setGeometry(16, 294, 260, 246);
    File1->setAccessibleName(QStringLiteral("Liste des exercices"));
    Label5->setBuddy(File1);
    fichierexo = cree<QLineEdit>(this, "fichierexo", QRect(16, 550, 560, 22));
    fichierexo->setReadOnly(true);
    fichierexo->setFocusPolicy(Qt::ClickFocus);
    fichierexo->setAccessibleName(QStringLiteral("Fichier de l'exercice choisi"));

    auto* cadre = cree<QFrame>(this, "cadreApercu", QRect(292, 68, 492, 472));
    cadre->setFrameShape(QFrame::StyledPanel);
    intratro = etiquette(this, "intratro", QStringLiteral("Sélectionner un fichier"), QRect(308, 80, 460, 24));
    intratro->setStyleSheet(QStringLiteral("QLabel { color: #555555; font-style: italic; }"));
    titratexo = etiquette(this, "titratexo", QStringLiteral("Titre"), QRect(308, 80, 464, 52));
    titratexo->setWordWrap(true);
    titratexo->setStyleSheet(QStringLiteral("QLabel { color: rgb(0, 0, 200); font-size: 13pt; font-weight: bold; }"));
    Label2 = etiquette(this, "Label2", QStringLiteral("Corrigé"), QRect(308, 140, 200, 20));
    Label2->setStyleSheet(QStringLiteral("QLabel { font-weight: bold; }"));
    Label4 = etiquette(this, "Label4", QStringLiteral("Niveau de difficulté :"), QRect(308, 172, 150, 24));
    for (int i = 0; i < 3; ++i) {
        Image4[size_t(i)] = cree<QLabel>(this, "Image4", QRect(460 + 30 * i, 170, 28, 28));
        Image4[size_t(i)]->setObjectName(QStringLiteral("Image4_%1").arg(i));
    }
    classeExo = etiquette(this, "classeExo", QString(), QRect(560, 172, 212, 24));
    classeExo->setStyleSheet(QStringLiteral("QLabel { font-weight: bold; color: rgb(0, 0, 200); }"));
    classeExo->hide();
    Label1 = etiquette(this, "Label1", QStringLiteral("Notions abordées :"), QRect(308, 208, 200, 20));
    Text1 = cree<QPlainTextEdit>(this, "Text1", QRect(308, 230, 464, 220));
    Text1->setReadOnly(true);
    Label1->setBuddy(Text1);

    Imagalu = Exercices::dessineMarque(true);
    Imagenoir = Exercices::dessineMarque(false);

    Image5 = cree<QToolButton>(this, "Image5", QRect(560, 470, 100, 58));
    Image5->setText(QStringLiteral("Fermer"));
    Image5->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    Image5->setToolTip(QStringLiteral("Fermer sans charger d'exercice"));
    ouvreur = cree<QToolButton>(this, "ouvreur", QRect(668, 470, 100, 58));
    ouvreur->setText(QStringLiteral("Ouvrir"));
    ouvreur->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    ouvreur->setToolTip(QStringLiteral("Ouvrir l'exercice sélectionné"));
    for (QToolButton* b : {Image5, ouvreur}) {
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setIconSize(QSize(24, 24));
    }
    Label3 = etiquette(this, "Label3", QStringLiteral("Corrigé"), QRect(308, 500, 240, 20));
    Label3->setStyleSheet(QStringLiteral("QLabel { color: #555555; }"));

    Frame2 = cree<QFrame>(this, "Frame2", QRect(250, 250, 300, 96));
    Frame2->setFrameShape(QFrame::Box);
    Frame2->setAutoFillBackground(true);
    Label6 = etiquette(Frame2, "Label6", QStringLiteral(" Chargement des fichiers"), QRect(1, 1, 298, 22));
    Label6->setStyleSheet(titreBarre);
    Label7 = etiquette(Frame2, "Label7", QStringLiteral("Patienter quelques instants"), QRect(1, 30, 298, 56));
    Label7->setAlignment(Qt::AlignCenter);
    Frame2->hide();

    Text1->setTabChangesFocus(true);
    setTabOrder(Drive1, Dir1);
    setTabOrder(Dir1, File1);
    setTabOrder(File1, Text1);
    setTabOrder(Text1, Image5);
    setTabOrder(Image5, ouvreur);
}

void Fichexo::connecteControles()
{
    connect(Drive1, &DriveListBox::change, this, &Fichexo::Drive1_Change);
    connect(Dir1, &DirListBox::change, this, &Fichexo::Dir1_Change);
    connect(File1, &FileListBox::click, this, &Fichexo::File1_Click);
    connect(File1, &FileListBox::dblClick, this, &Fichexo::File1_DblClick);
    connect(ouvreur, &QToolButton::clicked, this, &Fichexo::ouvreur_Click);
    connect(Image5, &QToolButton::clicked, this, &Fichexo::Image5_Click);
}

void Fichexo::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    Form_Activate();
}

void Fichexo::changeEvent(QEvent* e)
{
    QDialog::changeEvent(e);
}

void Fichexo::Form_Load()
{
    titratexo->clear();
    Frame2->hide();
    fichierexo->clear();
    if (principale_)
        setGeometry(principale_->geometry());
    File1->setPattern(QStringLiteral("*.E03"));
    const QString dossier = plateforme().repertoireProgramme();
    Drive1->setDrive(dossier);
    Dir1->setPath(dossier);
    File1->setPath(Dir1->Path());
    // A fresh window: nothing selected yet.
    intratro->show();
    for (QLabel* l : {Label1, Label2, Label3})
        l->hide();
    apercu();
    tito_Paint();
}

void Fichexo::Form_Activate()
{
    if (File1->ListCount() == 0)
        return;
    if (File1->ListIndex() != 0)
        File1->setListIndex(0);  // runs File1_Click, hence the preview
    else
        File1_Click();
    File1->setFocus();
}

void Fichexo::Drive1_Change()
{
    suitLecteur(*Drive1, *Dir1, *File1);
}

void Fichexo::Dir1_Change()
{
    File1->setPath(Dir1->Path());
}

void Fichexo::File1_Click()
{
    if (File1->ListIndex() < 0)
        return;
    QString dossier = File1->Path();
    QDir::setCurrent(dossier);
    if (!finitParSeparateur(dossier))
        dossier += QLatin1Char('/');
    Module1::dossierExercice = dossier;
    fichierexo->setText(dossier + File1->FileName());
    apercu();
}

void Fichexo::File1_DblClick()
{
    ouvreur_Click();
}

void Fichexo::Image5_Click()
{
    decharge();
}

void Fichexo::apercu()
{
    Text1->clear();
    for (QLabel* marque : Image4)
        marque->hide();
    Label4->hide();
    classeExo->hide();
    ouvreur->hide();
    if (Exercices::estVide(fichierexo->text()))
        return;
    intratro->hide();
    for (QWidget* w : std::initializer_list<QWidget*>{Label4, ouvreur, Label1, Label2, Label3})
        w->show();

    if (!lisFichier(fichierexo->text(), description_) || !description_.lisible(3, 4)) {
        messageLecture();
        return;
    }
    Label2->setText(description_.corrige() ? QStringLiteral("Exercice corrigé") : QStringLiteral("Non corrigé"));
    Label3->setText(Label2->text());

    const int allumees = Exercices::marquesAllumees(description_.difficulte());
    for (int i = 0; i < 3; ++i) {
        Image4[size_t(i)]->setPixmap(QPixmap::fromImage(i < allumees ? Imagalu : Imagenoir));
        Image4[size_t(i)]->show();
    }
    Label4->setAccessibleDescription(QStringLiteral("%1 sur 3").arg(allumees));
    const QString classe = description_.classe();
    classeExo->setText(classe.isEmpty() ? QString() : QStringLiteral("Classe de ") + classe);
    classeExo->setVisible(!classe.isEmpty());
    // The pieces keep their own line breaks; the box shows "\r\n" as one.
    Text1->setPlainText(description_.notions().replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    titratexo->setText(description_.titre());
}

void Fichexo::tito_Paint()
{
    Exercices::dessineTitre(*tito, QStringLiteral("Ouvrir un exercice"));
}

bool Fichexo::lisFichier(const QString& chemin, Exercices::DescriptionExercice& d)
{
    QFile f(chemin);
    if (!QFileInfo(chemin).isFile() || !f.open(QIODevice::ReadOnly))
        return false;
    // Only the eleven records matter: a large foreign file is not read whole.
    d = Exercices::lisDescription(f.read(qint64(Exercices::nombreEnregistrements) * 128));
    return true;
}

void Fichexo::messageLecture()
{
    plateforme().msgBox(QStringLiteral("Vérifier:\r\n- le nom du fichier,\r\n- l'état du lecteur."),
                        StyleMsg::OkSeul + StyleMsg::Critique, QStringLiteral("Lecture impossible"));
}

void Fichexo::decharge()
{
    Frame2->hide();
    if (isVisible())
        done(QDialog::Rejected);
}
