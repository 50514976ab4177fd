// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphs/graphes.h"

#include "core/nombres.h"
#include "graphs/controlesgraphes.h"
#include "graphs/pagegraphes.h"
#include "platform/impression_fichier.h"
#include "platform/plateforme.h"
#include "widgets/agrandissement.h"
#include "widgets/picturebox.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int gris = 7;
constexpr int bleu = 1;
constexpr int bleuClair = 9;
constexpr int rougeClair = 12;
constexpr int magentaClair = 13;
constexpr int noir = 0;

// Room taken around the picture boxes at 800 x 600: heading, titles, two button rows, margins.
constexpr int margeLaterale = 12;
constexpr int ecartColonnes = 12;
constexpr int hauteurAutour = 230;

}  // namespace

graphes::graphes(const EntreesGraphes& entrees, QWidget* parent)
    : QDialog(parent)
{
    // Drawn for the main window's design size, which it covers.
    Agrandissement::suit(this, QSize(800, 600));
    construitControles(entrees.rectangle);
    Form_Load(entrees);
}

void graphes::ajouteEnergies(const std::function<void(QWidget*)>& energies)
{
    energies_ = energies;
    if (!energies_ || vitessesEnergies)
        return;
    // Outside the layout, so the described controls keep their places.
    vitessesEnergies = boutonGraphes(QStringLiteral("vitessesEnergies"), QStringLiteral("Vitesses et énergies…"), this);
    vitessesEnergies->setToolTip(QStringLiteral("Graphes des vitesses et des énergies du même lancer"));
    vitessesEnergies->adjustSize();
    vitessesEnergies->move(width() - vitessesEnergies->width() - margeLaterale, height() - vitessesEnergies->height() - 12);
    connect(vitessesEnergies, &QPushButton::clicked, this, &graphes::vitessesEnergies_Click);
}

void graphes::resizeEvent(QResizeEvent* e)
{
    QDialog::resizeEvent(e);
    // In the corner of the controls' area: the window's, or the magnified content's.
    if (vitessesEnergies)
        vitessesEnergies->move(vitessesEnergies->parentWidget()->width() - vitessesEnergies->width() - margeLaterale,
                               vitessesEnergies->parentWidget()->height() - vitessesEnergies->height() - 12);
}

void graphes::vitessesEnergies_Click()
{
    if (energies_)
        energies_(this);
}

void graphes::construitControles(const QRect& rectangle)
{
    // Magnified, the window shows its content at design size: the graphs are sized for that.
    const QSize fenetre = rectangle.isValid() ? rectangle.size() / Agrandissement::instance().facteur() : QSize(800, 600);
    // The three graphs share the width; the drawing is scaled, the numbers stay those of the
    // 235-unit frame.
    const int parLargeur = (fenetre.width() - 2 * margeLaterale - 2 * ecartColonnes) / 3;
    const int parHauteur = int((fenetre.height() - hauteurAutour) * largeurUnites / hauteurUnites);
    const int cote = std::max(int(largeurUnites), std::min(parLargeur, parHauteur));
    const QSize tailleBoite(cote, int(std::lround(cote * hauteurUnites / largeurUnites)));

    Label4 = titreGraphes(QStringLiteral("Label4"), QStringLiteral("Graphes"), QStringLiteral("Times New Roman"), 20, this);
    Label1 = titreGraphes(QStringLiteral("Label1"), QStringLiteral("x (t)"), QStringLiteral("Arial"), 12, this);
    Label2 = titreGraphes(QStringLiteral("Label2"), QStringLiteral("y (t)"), QStringLiteral("Arial"), 12, this);
    Label3 = titreGraphes(QStringLiteral("Label3"), QStringLiteral("y (x)"), QStringLiteral("Arial"), 12, this);

    Picture1 = new PictureBox(QStringLiteral("Picture1"), this);
    Picture2 = new PictureBox(QStringLiteral("Picture2"), this);
    Picture3 = new PictureBox(QStringLiteral("Picture3"), this);
    for (PictureBox* boite : {Picture1, Picture2, Picture3}) {
        boite->setTaille(tailleBoite);
        boite->setEchelle(QRectF(0, 0, largeurUnites, hauteurUnites));
        boite->setBackColor(Qt::white);
    }

    const QString copier = QStringLiteral("Copier le graphe");
    const QString imprimer = QStringLiteral("Imprimer le graphe");
    Command1 = boutonGraphes(QStringLiteral("Command1"), copier, this);
    Command2 = boutonGraphes(QStringLiteral("Command2"), copier, this);
    Command3 = boutonGraphes(QStringLiteral("Command3"), copier, this);
    Command5 = boutonGraphes(QStringLiteral("Command5"), imprimer, this);
    Command6 = boutonGraphes(QStringLiteral("Command6"), imprimer, this);
    Command7 = boutonGraphes(QStringLiteral("Command7"), imprimer, this);
    Command8 = boutonGraphes(QStringLiteral("Command8"), QStringLiteral("Imprimer les trois graphes"), this);
    Command9 = boutonGraphes(QStringLiteral("Command9"), QStringLiteral("Fermer graphes"), this);

    // Three buttons share each caption: a screen reader names the graph they act on.
    const char* courbes[] = {"x(t)", "y(t)", "y(x)"};
    const QList<QPushButton*> copiesNommees{Command1, Command2, Command3};
    const QList<QPushButton*> impressionsNommees{Command5, Command6, Command7};
    const QList<PictureBox*> boitesNommees{Picture1, Picture2, Picture3};
    for (int c = 0; c < 3; ++c) {
        const QString courbe = QString::fromLatin1(courbes[c]);
        copiesNommees[c]->setAccessibleName(QStringLiteral("Copier le graphe ") + courbe);
        impressionsNommees[c]->setAccessibleName(QStringLiteral("Imprimer le graphe ") + courbe);
        boitesNommees[c]->setAccessibleName(QStringLiteral("Graphe ") + courbe);
    }

    connect(Command1, &QPushButton::clicked, this, &graphes::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &graphes::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &graphes::Command3_Click);
    connect(Command5, &QPushButton::clicked, this, &graphes::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &graphes::Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &graphes::Command7_Click);
    connect(Command8, &QPushButton::clicked, this, &graphes::Command8_Click);
    connect(Command9, &QPushButton::clicked, this, &graphes::Command9_Click);

    auto* grille = new QGridLayout;
    grille->setHorizontalSpacing(ecartColonnes);
    grille->setVerticalSpacing(6);
    const QList<QLabel*> titres{Label1, Label2, Label3};
    const QList<PictureBox*> boites{Picture1, Picture2, Picture3};
    const QList<QPushButton*> copies{Command1, Command2, Command3};
    const QList<QPushButton*> impressions{Command5, Command6, Command7};
    for (int c = 0; c < 3; ++c) {
        grille->addWidget(titres[c], 0, c);
        grille->addWidget(boites[c], 1, c, Qt::AlignCenter);
        grille->addWidget(copies[c], 2, c);
        grille->addWidget(impressions[c], 3, c);
    }

    auto* basDePage = new QHBoxLayout;
    basDePage->addStretch(1);
    basDePage->addWidget(Command8);
    basDePage->addSpacing(24);
    basDePage->addWidget(Command9);
    basDePage->addStretch(1);

    auto* colonne = new QVBoxLayout(this);
    colonne->setContentsMargins(margeLaterale, 8, margeLaterale, 12);
    colonne->addStretch(1);
    colonne->addWidget(Label4);
    colonne->addSpacing(16);
    colonne->addLayout(grille);
    colonne->addSpacing(28);
    colonne->addLayout(basDePage);
    colonne->addStretch(1);
}

void graphes::Form_Load(const EntreesGraphes& entrees)
{
    setWindowTitle(entrees.titre);
    // The window covers the main window exactly.
    if (entrees.rectangle.isValid())
        setGeometry(entrees.rectangle);
    else
        resize(800, 600);

    const float x0 = float(Module1::lisNombre(entrees.texteX0));
    const float y0 = float(Module1::lisNombre(entrees.texteY0));
    vol_ = calculeVol(entrees.g, entrees.vx, entrees.vy, x0, y0, entrees.trainee);
    if (vol_.refuse()) {
        grapheImpossible = 1;
        hide();
        plateforme().msgBox(QStringLiteral("Représentation graphique impossible.\r\nRevoir les paramètres"),
                            StyleMsg::Critique + StyleMsg::OkSeul, QStringLiteral("Procédure non disponible"));
        return;
    }
    grapheImpossible = 0;

    dessineGraphe(Picture1, vol_.echelleT, vol_.echelleX, vol_.courbeXT(), couleurConsole(bleuClair));
    dessineGraphe(Picture2, vol_.echelleT, vol_.echelleY, vol_.courbeYT(), couleurConsole(rougeClair));
    dessineGraphe(Picture3, vol_.echelleX, vol_.echelleY, vol_.courbeYX(), couleurConsole(magentaClair));

    for (PictureBox* boite : {Picture1, Picture2, Picture3})
        boite->foreColor = couleurConsole(noir);
    for (PictureBox* boite : {Picture1, Picture2, Picture3})
        boite->police.setPointSize(8);

    const QString metres = QStringLiteral("m");
    const QString secondes = QStringLiteral("s");
    etiquettes(Picture1, QStringLiteral("x"), vol_.echelleX.texteDivision(metres), QStringLiteral("t"),
               vol_.echelleT.texteDivision(secondes));
    etiquettes(Picture2, QStringLiteral("y"), vol_.echelleY.texteDivision(metres), QStringLiteral("t"),
               vol_.echelleT.texteDivision(secondes));
    etiquettes(Picture3, QStringLiteral("y"), vol_.echelleY.texteDivision(metres), QStringLiteral("x"),
               vol_.echelleX.texteDivision(metres));
}

void graphes::dessineGraphe(PictureBox* boite, const EchelleAxe& horizontal, const EchelleAxe& vertical,
                            const QVector<QPointF>& courbe, const QColor& couleur)
{
    const QColor grille = couleurConsole(gris);
    const int pasH = horizontal.pasGrille();
    const int pasV = vertical.pasGrille();
    if (pasH > 0)
        for (int x = 20; x <= 220; x += pasH)
            boite->Line(QPointF(x, 225), QPointF(x, 25), grille);
    if (pasV > 0)
        for (int y = 25; y <= 225; y += pasV)
            boite->Line(QPointF(20, y), QPointF(220, y), grille);

    const QColor axes = couleurConsole(bleu);
    boite->Line(QPointF(20, 15), QPointF(20, 225), axes);
    boite->Line(QPointF(20, 15), QPointF(23, 21), axes);
    boite->Line(QPointF(20, 15), QPointF(17, 21), axes);
    boite->Line(QPointF(20, 225), QPointF(230, 225), axes);
    boite->Line(QPointF(224, 222), QPointF(230, 225), axes);
    boite->Line(QPointF(224, 228), QPointF(230, 225), axes);

    if (courbe.isEmpty())
        return;
    boite->PSet(courbe.first(), couleur);
    for (const QPointF& point : courbe)
        boite->LigneVers(point, couleur);
}

void graphes::etiquettes(PictureBox* boite, const QString& nomVertical, const QString& texteVertical,
                         const QString& nomHorizontal, const QString& texteHorizontal)
{
    boite->courant = QPointF(30, 3);
    boite->police.setItalic(true);
    boite->Print(nomVertical, false);
    boite->police.setItalic(false);
    boite->Print(texteVertical, true);

    // Right-aligned on 235 whatever the length of the number.
    boite->courant = QPointF(largeurUnites - boite->TextWidth(nomHorizontal + texteHorizontal), 230);
    boite->police.setItalic(true);
    boite->Print(nomHorizontal, false);
    boite->police.setItalic(false);
    boite->Print(texteHorizontal, true);
}

void graphes::affiche(const EntreesGraphes& entrees, QWidget* parent, const std::function<void(QWidget*)>& energies)
{
    graphes fenetre(entrees, parent);
    if (fenetre.grapheImpossible)
        return;
    fenetre.ajouteEnergies(energies);
    fenetre.exec();
}

void graphes::Form_Activate()
{
    if (grapheImpossible) {
        reject();
        return;
    }
    show();
}

int graphes::exec()
{
    if (grapheImpossible) {
        setResult(QDialog::Rejected);
        return QDialog::Rejected;
    }
    return QDialog::exec();
}

void graphes::setVisible(bool visible)
{
    // A refused window is only ever unloaded.
    if (visible && grapheImpossible)
        return;
    QDialog::setVisible(visible);
}

void graphes::Command1_Click()
{
    plateforme().copieImage(Picture1->Image());
}

void graphes::Command2_Click()
{
    plateforme().copieImage(Picture2->Image());
}

void graphes::Command3_Click()
{
    plateforme().copieImage(Picture3->Image());
}

void graphes::Command5_Click()
{
    imprime({Picture1}, Command5->text());
}

void graphes::Command6_Click()
{
    imprime({Picture2}, Command6->text());
}

void graphes::Command7_Click()
{
    imprime({Picture3}, Command7->text());
}

void graphes::Command8_Click()
{
    imprime({Picture1, Picture2, Picture3}, Command8->text());
}

void graphes::Command9_Click()
{
    reject();
}

void graphes::imprime(const QList<const PictureBox*>& boites, const QString& titre)
{
    std::unique_ptr<QPrinter> imprimante = plateforme().choisitImprimante(this);
    if (!imprimante)
        return;  // dialog cancelled: nothing is printed
    ImpressionFichier fichier(*imprimante);
    if (const QString empechement = fichier.empechement(); !empechement.isEmpty()) {
        plateforme().msgBox(empechement, StyleMsg::Exclamation + StyleMsg::OkSeul, titre);
        return;
    }
    QPainter peintre;
    if (!peintre.begin(imprimante.get())) {
        plateforme().msgBox(QStringLiteral("L'imprimante n'a pas pu être ouverte : rien n'a été imprimé."),
                            StyleMsg::Exclamation + StyleMsg::OkSeul, titre);
        return;
    }
    QList<QImage> images;
    for (const PictureBox* boite : boites)
        images.append(boite->Image());
    // In printer pixels, as the page's own scale.
    composePage(peintre, QSizeF(imprimante->width(), imprimante->height()), images);
    peintre.end();  // ends the document: the page goes to the printer
    if (const QString erreur = fichier.termine(); !erreur.isEmpty())
        plateforme().msgBox(erreur, StyleMsg::Exclamation + StyleMsg::OkSeul, titre);
}
