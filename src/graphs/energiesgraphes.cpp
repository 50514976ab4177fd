// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphs/energiesgraphes.h"

#include "core/nombres.h"
#include "graphs/controlesgraphes.h"
#include "graphs/pageimprimee.h"
#include "platform/impression_fichier.h"
#include "platform/plateforme.h"
#include "widgets/agrandissement.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString titreFenetre = QStringLiteral("Graphes des vitesses et des énergies");

}  // namespace

VueGraphe::VueGraphe(const QString& nom, QWidget* parent) : QWidget(parent)
{
    setObjectName(nom);
    setMinimumSize(int(largeurGraphe), int(hauteurGraphe));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void VueGraphe::setGraphe(const Graphe& g)
{
    graphe_ = g;
    setAccessibleName(QStringLiteral("Graphe ") + g.titre);
    update();
}

QSize VueGraphe::sizeHint() const
{
    return QSize(int(largeurGraphe * 1.4), int(hauteurGraphe * 1.4));
}

int VueGraphe::heightForWidth(int largeur) const
{
    return int(largeur * hauteurGraphe / largeurGraphe);
}

QImage VueGraphe::image() const
{
    QImage image(size().expandedTo(QSize(int(largeurGraphe), int(hauteurGraphe))), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    dessineGraphe(p, QRectF(image.rect()), graphe_);
    return image;
}

void VueGraphe::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    dessineGraphe(p, QRectF(rect()), graphe_);
}

grapheEnergies::grapheEnergies(const EntreesEnergies& entrees, QWidget* parent)
    : QDialog(parent), entrees_(entrees)
{
    setObjectName(QStringLiteral("grapheEnergies"));
    Agrandissement::suit(this, QSize(800, 600));
    setWindowTitle(titreFenetre + QStringLiteral(" : ") + entrees.titre);
    titre = titreGraphes("titre", titreFenetre, QStringLiteral("Times New Roman"), 18, this);
    titreVitesses = titreGraphes("titreVitesses", QStringLiteral("vx (t), vy (t), v (t)"), QStringLiteral("Arial"), 12, this);
    titreEnergies = titreGraphes("titreEnergies", QStringLiteral("Ec (t), Epp (t), Em (t)"), QStringLiteral("Arial"), 12, this);
    vitesses = new VueGraphe(QStringLiteral("vitesses"), this);
    energies = new VueGraphe(QStringLiteral("energies"), this);
    note = new QLabel(this);
    note->setObjectName(QStringLiteral("note"));
    note->setWordWrap(true);
    note->setTextInteractionFlags(Qt::TextSelectableByMouse);

    const QString copier = QStringLiteral("Copier le graphe");
    const QString imprimer = QStringLiteral("Imprimer le graphe");
    copierVitesses = boutonGraphes("copierVitesses", copier, this);
    copierEnergies = boutonGraphes("copierEnergies", copier, this);
    imprimerVitesses = boutonGraphes("imprimerVitesses", imprimer, this);
    imprimerEnergies = boutonGraphes("imprimerEnergies", imprimer, this);
    imprimerPage = boutonGraphes("imprimerPage", QStringLiteral("Imprimer la page des cinq graphes"), this);
    fermer = boutonGraphes("fermer", QStringLiteral("Fermer"), this);
    copierVitesses->setAccessibleName(QStringLiteral("Copier le graphe des vitesses"));
    copierEnergies->setAccessibleName(QStringLiteral("Copier le graphe des énergies"));
    imprimerVitesses->setAccessibleName(QStringLiteral("Imprimer le graphe des vitesses"));
    imprimerEnergies->setAccessibleName(QStringLiteral("Imprimer le graphe des énergies"));
    connect(copierVitesses, &QPushButton::clicked, this, &grapheEnergies::copierVitesses_Click);
    connect(copierEnergies, &QPushButton::clicked, this, &grapheEnergies::copierEnergies_Click);
    connect(imprimerVitesses, &QPushButton::clicked, this, &grapheEnergies::imprimerVitesses_Click);
    connect(imprimerEnergies, &QPushButton::clicked, this, &grapheEnergies::imprimerEnergies_Click);
    connect(imprimerPage, &QPushButton::clicked, this, &grapheEnergies::imprimerPage_Click);
    connect(fermer, &QPushButton::clicked, this, &grapheEnergies::fermer_Click);

    auto* grille = new QGridLayout;
    grille->setHorizontalSpacing(16);
    grille->addWidget(titreVitesses, 0, 0);
    grille->addWidget(titreEnergies, 0, 1);
    grille->addWidget(vitesses, 1, 0);
    grille->addWidget(energies, 1, 1);
    grille->addWidget(copierVitesses, 2, 0);
    grille->addWidget(copierEnergies, 2, 1);
    grille->addWidget(imprimerVitesses, 3, 0);
    grille->addWidget(imprimerEnergies, 3, 1);
    auto* bas = new QHBoxLayout;
    bas->addStretch(1);
    bas->addWidget(imprimerPage);
    bas->addSpacing(24);
    bas->addWidget(fermer);
    bas->addStretch(1);
    auto* colonne = new QVBoxLayout(this);
    colonne->setContentsMargins(12, 8, 12, 12);
    colonne->addWidget(titre);
    colonne->addLayout(grille, 1);
    colonne->addWidget(note);
    colonne->addLayout(bas);
    if (entrees.rectangle.isValid())
        setGeometry(entrees.rectangle);
    else
        resize(800, 600);

    // The energies need the mass the projectile's caption gives; no flight, no graphs.
    const std::optional<double> masse = sim::masseLegende(entrees.montage.projectile);
    const sim::Vol vol(analyse::conditionsVol(entrees.conditions));
    if (!masse || !vol.vole()) {
        refuse = true;
        hide();
        plateforme().msgBox(
            masse ? QStringLiteral("Représentation graphique impossible.\r\nRevoir les paramètres")
                  : QStringLiteral("La masse du projectile ne peut pas être lue dans « ") + entrees.montage.projectile +
                        QStringLiteral(" » : les énergies ne peuvent pas être calculées."),
            StyleMsg::Critique + StyleMsg::OkSeul, QStringLiteral("Procédure non disponible"));
        return;
    }
    const QVector<analyse::EchantillonVol> e = analyse::echantillonsVol(vol, *masse);
    vitesses->setGraphe(grapheDesVitesses(e));
    energies->setGraphe(grapheDesEnergies(e));
    QString texte = QStringLiteral("Masse du projectile : m = ") + Module1::formate(*masse, QStringLiteral("0.000")) +
                    QStringLiteral(" kg. Ec = ½·m·v² ; Epp = m·g·y, mesurée à partir du sol (y = 0) ; Em = Ec + Epp.");
    if (vol.arcs().size() > 1)
        // Not "49 %": the scene bounces from the velocity of the tick after the contact, so the
        // drop read on the graph is 0,49 of a slightly larger Ec (54 % kept for the default throw).
        texte += QStringLiteral(" À chaque impact, le ballon repart avec 0,7 de chaque composante de sa vitesse : "
                                "il perd environ la moitié de son énergie cinétique, Em baisse d'un coup.");
    note->setText(texte);
}

void grapheEnergies::affiche(const EntreesEnergies& entrees, QWidget* parent)
{
    grapheEnergies fenetre(entrees, parent);
    if (!fenetre.refuse)
        fenetre.exec();
}

void grapheEnergies::copierVitesses_Click()
{
    plateforme().copieImage(vitesses->image());
}

void grapheEnergies::copierEnergies_Click()
{
    plateforme().copieImage(energies->image());
}

void grapheEnergies::imprimerVitesses_Click()
{
    imprimeGraphes({vitesses->graphe()}, imprimerVitesses->accessibleName());
}

void grapheEnergies::imprimerEnergies_Click()
{
    imprimeGraphes({energies->graphe()}, imprimerEnergies->accessibleName());
}

void grapheEnergies::imprimerPage_Click()
{
    imprimeGraphes(pageDuVol(entrees_.conditions, entrees_.montage).graphes, imprimerPage->text());
}

void grapheEnergies::fermer_Click()
{
    reject();
}

void grapheEnergies::imprimeGraphes(const QList<Graphe>& graphes, const QString& titreImpression)
{
    std::unique_ptr<QPrinter> imprimante = plateforme().choisitImprimante(this);
    if (!imprimante)
        return;  // dialog cancelled: nothing is printed
    // A print to a file is written aside and put in place only when complete.
    ImpressionFichier fichier(*imprimante);
    if (const QString empechement = fichier.empechement(); !empechement.isEmpty()) {
        plateforme().msgBox(empechement, StyleMsg::Exclamation + StyleMsg::OkSeul, titreImpression);
        return;
    }
    PageGraphes page = pageDuVol(entrees_.conditions, entrees_.montage);
    page.graphes = graphes;
    QString erreur;
    if (!imprimePageGraphes(*imprimante, page))
        erreur = QStringLiteral("L'imprimante n'a pas pu être ouverte : rien n'a été imprimé.");
    if (erreur.isEmpty())
        erreur = fichier.termine();
    if (!erreur.isEmpty())
        plateforme().msgBox(erreur, StyleMsg::Exclamation + StyleMsg::OkSeul, titreImpression);
}
