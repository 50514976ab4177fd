// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/confimp.h"

#include "platform/impression_fichier.h"
#include "platform/plateforme.h"
#include "widgets/agrandissement.h"
#include "widgets/picturebox.h"
#include "widgets/controles.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QStyle>

namespace {

const QString titre = QStringLiteral("Imprimer");

}  // namespace

namespace impression {
void restaureScene(PictureBox& scene, QImage& sauvetage)
{
    scene.Cls();
    if (!sauvetage.isNull())
        scene.setPicture(sauvetage);
    sauvetage = QImage();
}
}  // namespace impression

confimp::confimp(PictureBox* scene, QImage* sauvetage, QWidget* parent)
    : QDialog(parent)
    , scene_(scene)
    , sauvetage_(sauvetage)
{
    setObjectName(QStringLiteral("confimp"));
    setWindowTitle(titre);
    setFixedSize(372, 226);
    Agrandissement::suit(this);

    Frame1 = cree<QGroupBox>(this, QStringLiteral("Frame1"), QRect(10, 8, 352, 96));
    Frame1->setTitle(QStringLiteral("Options"));
    const QString legendes[4] = {QStringLiteral("Centrrer l'image horizontalement"),
                                 QStringLiteral("Centrrer l'image verticalement"), QString(),
                                 QStringLiteral("Imprimer l'image en miniature")};
    int y = 20;
    for (int i : {0, 1, 3}) {
        Chec[i] = cree<QCheckBox>(Frame1, QStringLiteral("Chec%1").arg(i), QRect(12, y, 330, 22));
        Chec[i]->setText(legendes[i]);
        y += 24;
    }
    Chec[0]->setChecked(true);

    Label3 = cree<QLabel>(this, QStringLiteral("Label3"), QRect(14, 114, 150, 22));
    Label3->setText(QStringLiteral("Nombre d'exemplaires:"));
    Label4 = cree<QLabel>(this, QStringLiteral("Label4"), QRect(166, 114, 34, 22));
    Label4->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Label4->setAlignment(Qt::AlignCenter);
    Label4->setText(QStringLiteral("1"));
    // Only the arrows show: the number is read in Label4.
    UpDown1 = cree<QSpinBox>(this, QStringLiteral("UpDown1"), QRect(200, 114, 18, 22));
    UpDown1->setRange(1, 99);
    UpDown1->setValue(1);
    UpDown1->setAccessibleName(QStringLiteral("Nombre d'exemplaires"));
    UpDown1->setToolTip(QStringLiteral("De 1 à 99 exemplaires, une page chacun"));
    Label3->setBuddy(UpDown1);

    Label2 = cree<QLabel>(this, QStringLiteral("Label2"), QRect(14, 146, 70, 22));
    Label2->setText(QStringLiteral("Imprimante:"));
    defaut = cree<QLineEdit>(this, QStringLiteral("defaut"), QRect(86, 146, 276, 22));
    defaut->setReadOnly(true);
    Label2->setBuddy(defaut);

    Command1 = cree<QPushButton>(this, QStringLiteral("Command1"), QRect(10, 186, 110, 28));
    Command1->setText(QStringLiteral("&OK"));
    Command1->setDefault(true);
    Command2 = cree<QPushButton>(this, QStringLiteral("Command2"), QRect(131, 186, 110, 28));
    Command2->setText(QStringLiteral("&Imprimantes"));
    Command3 = cree<QPushButton>(this, QStringLiteral("Command3"), QRect(252, 186, 110, 28));
    Command3->setText(QStringLiteral("&Annuler"));

    Frame2 = cree<QFrame>(this, QStringLiteral("Frame2"), QRect(10, 60, 352, 100));
    Frame2->setFrameStyle(QFrame::Box | QFrame::Plain);
    Image2 = cree<QLabel>(Frame2, QStringLiteral("Image2"), QRect(16, 26, 48, 48));
    Image2->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(40, 40));
    Label1 = cree<QLabel>(Frame2, QStringLiteral("Label1"), QRect(76, 26, 266, 48));
    Label1->setText(QStringLiteral("Veuillez patienter quelques instants..."));
    Label1->setWordWrap(true);
    Frame2->hide();

    connect(Command1, &QPushButton::clicked, this, &confimp::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &confimp::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &confimp::Command3_Click);
    connect(UpDown1, &QSpinBox::valueChanged, this, &confimp::UpDown1_Change);

    Form_Load();
}

confimp::~confimp()
{
    Form_Unload();  // a window destroyed without closing still gives the scene back
}

QString confimp::nomImprimante(const QPrinter* p)
{
    if (!p)
        return QStringLiteral("Aucune imprimante installée : fichier PDF");
    if (p->outputFormat() == QPrinter::PdfFormat) {
        if (p->outputFileName().isEmpty())
            return QStringLiteral("Fichier PDF (nom demandé à l'impression)");
        return QStringLiteral("Fichier PDF : ") + QFileInfo(p->outputFileName()).fileName();
    }
    return p->printerName();
}

void confimp::Form_Load()
{
    if (QWidget* principale = parentWidget()) {
        const QRect cadre = principale->frameGeometry();
        move(cadre.x() + (cadre.width() - width()) / 2, cadre.y() + 20);
    }
    if (!imprimante_)
        imprimante_ = plateforme().imprimanteParDefaut();
    montreImprimante(nomImprimante(imprimante_.get()));
}

void confimp::montreImprimante(const QString& nom)
{
    QFont police = font();
    const int place = defaut->contentsRect().width() - 8;  // the field's inner margins
    while (police.pointSizeF() > 7.0 && QFontMetrics(police).horizontalAdvance(nom) > place)
        police.setPointSizeF(police.pointSizeF() - 0.5);
    defaut->setFont(police);
    defaut->setText(nom);
    defaut->setToolTip(nom);
    defaut->setCursorPosition(0);
}

impression::Options confimp::options() const
{
    return {Chec[0]->isChecked(), Chec[1]->isChecked(), Chec[3]->isChecked()};
}

void confimp::UpDown1_Change()
{
    Label4->setText(QString::number(UpDown1->value()));
}

void confimp::Command2_Click()
{
    // With no printer installed the dialog still offers printing to a file.
    std::unique_ptr<QPrinter> essai;
    QPrinter* cible = imprimante_.get();
    if (!cible) {
        essai = std::make_unique<QPrinter>(QPrinter::HighResolution);
        cible = essai.get();
    }
    if (plateforme().configureImprimante(*cible, this) && essai)
        imprimante_ = std::move(essai);
    Form_Load();
}

void confimp::Command3_Click()
{
    reject();
}

void confimp::etatImpression(bool imprime)
{
    for (QWidget* w : {static_cast<QWidget*>(Command1), static_cast<QWidget*>(Command2),
                       static_cast<QWidget*>(Command3), static_cast<QWidget*>(Frame1)})
        w->setVisible(!imprime);
    Frame2->setVisible(imprime);
    repaint();
}

void confimp::Command1_Click()
{
    // No printer, or a PDF file not named yet: the user names the file first.
    if (!imprimante_ || (imprimante_->outputFormat() == QPrinter::PdfFormat &&
                         imprimante_->outputFileName().isEmpty())) {
        const QString dossier = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        const QString chemin = plateforme().fichierAEnregistrer(
            this, QStringLiteral("Imprimer dans un fichier PDF"), QDir(dossier).filePath(QStringLiteral("scene.pdf")),
            QStringLiteral("Document PDF (*.pdf)"));
        if (chemin.isEmpty())
            return;  // back to the options
        if (!imprimante_)
            imprimante_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        imprimante_->setOutputFormat(QPrinter::PdfFormat);
        imprimante_->setOutputFileName(QFileInfo(chemin).suffix().isEmpty() ? chemin + QStringLiteral(".pdf")
                                                                           : chemin);
        montreImprimante(nomImprimante(imprimante_.get()));
    }
    etatImpression(true);
    imprimante_->setDocName(QStringLiteral("Baltor - scène"));
    imprimante_->setFullPage(false);
    QString erreur;
    {
        ImpressionFichier fichier(*imprimante_);
        erreur = fichier.empechement();
        if (erreur.isEmpty())
            erreur = impression::imprimeExemplaires(*imprimante_, scene_->Image(), options(), UpDown1->value(),
                                                    defaut->text());
        if (erreur.isEmpty())
            erreur = fichier.termine();
    }
    if (!erreur.isEmpty())
        plateforme().msgBox(erreur, 48, titre);
    accept();
}

void confimp::Form_Unload()
{
    if (decharge_)
        return;
    decharge_ = true;
    if (scene_ && sauvetage_)
        impression::restaureScene(*scene_, *sauvetage_);
}

void confimp::done(int r)
{
    Form_Unload();
    QDialog::done(r);
}
