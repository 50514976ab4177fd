// SPDX-License-Identifier: GPL-3.0-or-later
#include "analyse/mesures.h"

#include "analyse/fichiers.h"
#include "analyse/impression.h"
#include "platform/impression_fichier.h"
#include "analyse/tableurods.h"
#include "platform/plateforme.h"
#include "widgets/agrandissement.h"

#include <QAbstractTableModel>
#include <QDialogButtonBox>
#include <QRadioButton>
#include <QStyle>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {

const QString titreFenetre = QStringLiteral("Tableau des positions");

// The rows, formatted when the view asks for them: a long table opens at once.
class ModeleLignes : public QAbstractTableModel {
public:
    ModeleLignes(const analyse::TableauVol& tableau, QObject* parent)
        : QAbstractTableModel(parent), tableau_(tableau), entetes_(analyse::entetesVol())
    {
    }
    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : int(tableau_.lignes.size()); }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : int(entetes_.size()); }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid())
            return {};
        const analyse::Ligne& l = tableau_.lignes[index.row()];
        if (role == Qt::TextAlignmentRole)
            return int((index.column() == columnCount() - 1 ? Qt::AlignHCenter : Qt::AlignRight) | Qt::AlignVCenter);
        if (role == Qt::FontRole && l.genre != analyse::Genre::Photo) {
            QFont gras;
            gras.setBold(true);  // the launch, the apex, the impacts stand out
            return gras;
        }
        if (role != Qt::DisplayRole)
            return {};
        return analyse::cellulesVol(l, tableau_.masse.has_value()).value(index.column());
    }
    QVariant headerData(int section, Qt::Orientation o, int role) const override
    {
        if (o == Qt::Horizontal && role == Qt::DisplayRole)
            return entetes_.value(section);
        return {};
    }

private:
    const analyse::TableauVol& tableau_;
    QStringList entetes_;
};

QString noteVol(const EntreesMesures& e, const analyse::TableauVol& t)
{
    QString note = QStringLiteral("Une ligne par photographie (toutes les %1 ms), plus le lancement, le sommet et le "
                                  "point de chute")
                       .arg(analyse::intervalleBorne(e.conditions.intervalleMs));
    note += e.rebondit ? QStringLiteral(", chaque impact du ballon et son arrêt") : QString();
    note += QStringLiteral(", calculées par les équations du mouvement.");
    if (e.conditions.y0 > 0)
        note += QStringLiteral(" La portée est mesurée horizontalement entre le point de lancement et le point de chute.");
    if (t.masse)
        note += QStringLiteral(" Ec = ½·m·v² ; Epp = m·g·y, mesurée à partir du sol (y = 0) ; Em = Ec + Epp.");
    return note + QStringLiteral("\n") + t.fin;
}

}  // namespace

mesures::mesures(const EntreesMesures& entrees, QWidget* parent)
    : QDialog(parent), entrees_(entrees)
{
    setObjectName(QStringLiteral("mesures"));
    setWindowTitle(titreFenetre);
    analyse::Conditions c = entrees.conditions;
    c.rebondit = c.rebondit || entrees.rebondit;
    tableau_ = analyse::tableauVol(c, entrees.montage);
    resume_ = analyse::resume(entrees.conditions);

    auto* colonne = new QVBoxLayout(this);
    conditions = new QLabel(tableau_.sommaire.join(QLatin1Char('\n')), this);
    conditions->setObjectName(QStringLiteral("conditions"));
    conditions->setTextInteractionFlags(Qt::TextSelectableByMouse);
    colonne->addWidget(conditions);

    tableau = new QTableView(this);
    tableau->setObjectName(QStringLiteral("tableau"));
    tableau->setModel(new ModeleLignes(tableau_, tableau));
    tableau->verticalHeader()->hide();
    tableau->verticalHeader()->setDefaultSectionSize(tableau->fontMetrics().height() + 4);
    tableau->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    tableau->setSelectionBehavior(QAbstractItemView::SelectRows);
    tableau->setAlternatingRowColors(true);
    tableau->setAccessibleName(titreFenetre);
    colonne->addWidget(tableau, 1);

    resumeVol = new QLabel(analyse::texteResume(resume_).join(QLatin1Char('\n')), this);
    resumeVol->setVisible(resume_.vol);
    resumeVol->setObjectName(QStringLiteral("resumeVol"));
    resumeVol->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont gras = resumeVol->font();
    gras.setBold(true);
    resumeVol->setFont(gras);
    colonne->addWidget(resumeVol);

    note = new QLabel(noteVol(entrees, tableau_), this);
    note->setObjectName(QStringLiteral("note"));
    note->setWordWrap(true);
    colonne->addWidget(note);

    etat = new QLabel(this);
    etat->setObjectName(QStringLiteral("etat"));
    etat->setWordWrap(true);
    colonne->addWidget(etat);

    auto* rangee = new QHBoxLayout;
    auto bouton = [&](const char* nom, const QString& texte) {
        auto* b = new QPushButton(texte, this);
        b->setObjectName(QString::fromLatin1(nom));
        b->setAutoDefault(false);
        rangee->addWidget(b);
        return b;
    };
    copier = bouton("copier", QStringLiteral("Copier"));
    exporter = bouton("exporter", QStringLiteral("Exporter…"));
    exporterPython = bouton("exporterPython", QStringLiteral("Exporter pour Python…"));
    imprimer = bouton("imprimer", QStringLiteral("Imprimer"));
    rangee->addStretch(1);
    fermer = bouton("fermer", QStringLiteral("Fermer"));
    fermer->setDefault(true);
    colonne->addLayout(rangee);

    copier->setToolTip(QStringLiteral("Copie le tableau pour le coller dans les cellules d'un tableur"));
    exporter->setToolTip(QStringLiteral("Enregistre le tableau dans un fichier CSV (séparateur « ; », virgule décimale) "
                                        "ou un classeur OpenDocument (.ods)"));
    exporterPython->setToolTip(QStringLiteral("Enregistre un script Python qui trace les positions, les vecteurs vitesse "
                                              "et les vecteurs Δv"));
    connect(exporterPython, &QPushButton::clicked, this, &mesures::exporterPython_Click);
    connect(copier, &QPushButton::clicked, this, &mesures::copier_Click);
    connect(exporter, &QPushButton::clicked, this, &mesures::exporter_Click);
    connect(imprimer, &QPushButton::clicked, this, &mesures::imprimer_Click);
    connect(fermer, &QPushButton::clicked, this, &mesures::fermer_Click);

    resize(780, 580);
    Agrandissement::suit(this);
    if (parent)
        move(parent->geometry().center() - rect().center());
}

void mesures::copier_Click()
{
    plateforme().copieTexte(analyse::texteCopieVol(tableau_));
    etat->setText(QStringLiteral("Le tableau est copié : vous pouvez le coller dans un tableur."));
}

void mesures::exporter_Click()
{
    QString chemin = plateforme().fichierAEnregistrer(
        this, QStringLiteral("Exporter le tableau"), QDir::current().filePath(QStringLiteral("mesures.csv")),
        QStringLiteral("Fichiers CSV (*.csv);;Classeurs OpenDocument (*.ods)"));
    if (chemin.isEmpty())
        return;
    if (QFileInfo(chemin).suffix().isEmpty())
        chemin += QStringLiteral(".csv");
    enregistreTableau(chemin);
}

bool mesures::enregistreTableau(const QString& chemin)
{
    const bool ods = QFileInfo(chemin).suffix().compare(QLatin1String("ods"), Qt::CaseInsensitive) == 0;
    QByteArray octets = ods ? analyse::classeurOds(tableau_) : analyse::texteCsvVol(tableau_);
    if (ods && octets.isEmpty()) {
        plateforme().msgBox(QStringLiteral("Le fichier ") + QDir::toNativeSeparators(chemin) +
                                QStringLiteral(" n'a pas pu être enregistré.") + QStringLiteral("\r\n") +
                                QStringLiteral("Le classeur n'a pas pu être composé."),
                            StyleMsg::Exclamation, titreFenetre);
        etat->clear();
        return false;
    }
    return enregistre(chemin, octets, QStringLiteral("Tableau enregistré dans "));
}

bool mesures::enregistre(const QString& chemin, const QByteArray& octets, const QString& quoi)
{
    QString erreur;
    if (!analyse::enregistreOctets(chemin, octets, &erreur)) {
        plateforme().msgBox(QStringLiteral("Le fichier ") + QDir::toNativeSeparators(chemin) +
                                QStringLiteral(" n'a pas pu être enregistré.") + QStringLiteral("\r\n") + erreur,
                            StyleMsg::Exclamation, titreFenetre);
        etat->clear();
        return false;
    }
    etat->setText(quoi + QDir::toNativeSeparators(chemin));
    return true;
}

void mesures::exporterPython_Click()
{
    QDialog choix(this);
    choix.setWindowTitle(QStringLiteral("Exporter pour Python"));
    auto* colonne = new QVBoxLayout(&choix);
    auto* question = new QLabel(QStringLiteral("Le script trace les positions, les vecteurs vitesse calculés à "
                                               "partir des positions, puis les vecteurs Δv comparés à g·2τ."),
                                &choix);
    question->setWordWrap(true);
    colonne->addWidget(question);
    colonne->addSpacing(6);
    auto* complet = new QRadioButton(QStringLiteral("Script &complet, pour le professeur"), &choix);
    auto* eleve = new QRadioButton(QStringLiteral("Script à compléter, pour les é&lèves"), &choix);
    // The pupil's variant is explained under its button, indented like the button's text.
    auto* detail = new QLabel(QStringLiteral("Les calculs des vecteurs sont laissés en blanc, marqués "
                                             "« À compléter » ; le script trace déjà les positions."),
                              &choix);
    detail->setWordWrap(true);
    detail->setContentsMargins(eleve->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) + 6, 0, 0, 0);
    complet->setObjectName(QStringLiteral("complet"));
    eleve->setObjectName(QStringLiteral("eleve"));
    complet->setChecked(true);
    colonne->addWidget(complet);
    auto* groupeEleve = new QVBoxLayout;
    groupeEleve->setSpacing(0);
    groupeEleve->addWidget(eleve);
    groupeEleve->addWidget(detail);
    colonne->addLayout(groupeEleve);
    colonne->addSpacing(6);
    choix.setMinimumWidth(440);
    auto* boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &choix);
    boutons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Enregistrer…"));
    boutons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annuler"));
    connect(boutons, &QDialogButtonBox::accepted, &choix, &QDialog::accept);
    connect(boutons, &QDialogButtonBox::rejected, &choix, &QDialog::reject);
    colonne->addWidget(boutons);
    if (choix.exec() != QDialog::Accepted)
        return;
    const auto variante = eleve->isChecked() ? analyse::VarianteScript::Eleve : analyse::VarianteScript::Complete;
    QString chemin = plateforme().fichierAEnregistrer(
        this, QStringLiteral("Exporter pour Python"),
        QDir::current().filePath(eleve->isChecked() ? QStringLiteral("vol_eleve.py") : QStringLiteral("vol.py")),
        QStringLiteral("Scripts Python (*.py)"));
    if (chemin.isEmpty())
        return;
    if (QFileInfo(chemin).suffix().isEmpty())
        chemin += QStringLiteral(".py");
    enregistrePython(chemin, variante);
}

bool mesures::enregistrePython(const QString& chemin, analyse::VarianteScript variante)
{
    analyse::Conditions c = entrees_.conditions;
    return enregistre(chemin, analyse::scriptPython(tableau_, c, entrees_.montage, variante),
                      QStringLiteral("Script Python enregistré dans "));
}

void mesures::imprimer_Click()
{
    std::unique_ptr<QPrinter> imprimante = plateforme().choisitImprimante(this);
    if (!imprimante)
        return;
    ImpressionFichier fichier(*imprimante);
    QString erreur = fichier.empechement();
    if (erreur.isEmpty()
        && analyse::imprimeTableau(*imprimante, tableau_) == 0)
        erreur = QStringLiteral("L'impression n'a pas pu commencer: vérifier l'imprimante.");
    if (erreur.isEmpty())
        erreur = fichier.termine();
    if (!erreur.isEmpty())
        plateforme().msgBox(erreur, StyleMsg::Exclamation, titreFenetre);
}

void mesures::fermer_Click()
{
    accept();
}
