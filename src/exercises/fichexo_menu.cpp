// SPDX-License-Identifier: GPL-3.0-or-later
// The exercise menu: getting started, opening an exercise and its correction, closing it.

#include "exercises/fichexo.h"

#include "config/configuration.h"
#include "core/chemins.h"
#include "core/module1.h"
#include "platform/plateforme.h"
#include "rtf/rtf.h"
#include "scene/accueil.h"
#include "scene/feuillep.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTextCursor>
#include <QTextEdit>

namespace {

QAction* element(QMenu* menu, const char* nom, const QString& texte)
{
    QAction* a = menu->addAction(texte);
    a->setObjectName(QString::fromLatin1(nom));
    return a;
}

QAction* separateur(QMenu* menu, const char* nom)
{
    QAction* a = menu->addSeparator();
    a->setObjectName(QString::fromLatin1(nom));
    return a;
}

QString avecSeparateur(QString dossier)
{
    if (!dossier.endsWith(QLatin1Char('/')) && !dossier.endsWith(QLatin1Char('\\')))
        dossier += QLatin1Char('/');
    return dossier;
}

}  // namespace

void Fichexo::creeMenu()
{
    optionexo = new QMenu(this);
    optionexo->setObjectName(QStringLiteral("optionexo"));
    optionexo->setTitle(QStringLiteral("Exercices"));
    PRISENMAIN = element(optionexo, "PRISENMAIN", QStringLiteral("Prise en main"));
    separons1 = separateur(optionexo, "separons1");
    openexo = element(optionexo, "openexo", QStringLiteral("Ouvrir un exercice (énoncé + configuration)"));
    opencor = element(optionexo, "opencor", QStringLiteral("Voir la correction"));
    separons2 = separateur(optionexo, "separons2");
    savetexte = element(optionexo, "savetexte", QStringLiteral("Enregistrer le contenu de la fenêtre exercice"));
    opentexte = element(optionexo, "opentexte", QStringLiteral("Retrouver un texte"));
    imprimetexte = element(optionexo, "imprimetexte", QStringLiteral("Imprimer le contenu de la fenêtre exercice"));
    separons3 = separateur(optionexo, "separons3");
    Closexo = element(optionexo, "Closexo", QStringLiteral("Fermer l'exercice"));
    opencor->setEnabled(false);

    connect(optionexo, &QMenu::aboutToShow, this, &Fichexo::optionexo_Click);
    connect(PRISENMAIN, &QAction::triggered, this, &Fichexo::PRISENMAIN_Click);
    connect(openexo, &QAction::triggered, this, &Fichexo::openexo_Click);
    connect(opencor, &QAction::triggered, this, &Fichexo::opencor_Click);
    connect(savetexte, &QAction::triggered, this, &Fichexo::savetexte_Click);
    connect(opentexte, &QAction::triggered, this, &Fichexo::opentexte_Click);
    connect(imprimetexte, &QAction::triggered, this, &Fichexo::imprimetexte_Click);
    connect(Closexo, &QAction::triggered, this, &Fichexo::Closexo_Click);
}

void Fichexo::optionexo_Click()
{
    opencor->setEnabled(Module1::exerciceCorrige == 1);
}

bool Fichexo::ouvreDescription(const QString& chemin)
{
    if (!gardeTexte())
        return false;
    const QFileInfo info(chemin);
    Module1::dossierExercice = avecSeparateur(info.absolutePath());
    Exercices::DescriptionExercice d;
    if (!lisFichier(info.absoluteFilePath(), d) || !d.lisible(3, 4)) {
        messageLecture();
        return false;
    }
    fichierexo->setText(info.absoluteFilePath());
    apercu();
    ouvreur_Click();
    return principale_ && principale_->fich->text() == info.absoluteFilePath();
}

bool Fichexo::gardeTexte()
{
    return Module1::texteModifie != 1
           || plateforme().msgBox(QStringLiteral("Attention: perte des modifications du texte."),
                                  StyleMsg::OkAnnuler + StyleMsg::Question,
                                  QStringLiteral("Abandon des données?")) != ReponseMsg::Annuler;
}

QString Fichexo::cheminDe(const QString& nom) const
{
    return Module1::resoudChemin(nom.trimmed(), Module1::dossierExercice);
}

bool Fichexo::chargeTexte(const QString& chemin, QString* raison)
{
    const auto refuse = [&](const QString& texte) {
        if (raison)
            *raison = texte;
        return false;
    };
    const QFileInfo info(chemin);
    const QString nom = QStringLiteral("Le fichier ") + QDir::toNativeSeparators(chemin);
    if (!principale_)
        return false;
    if (Module1::nomHorsUtf8(chemin))
        return refuse(Module1::messageNomHorsUtf8(chemin));
    if (!info.exists() && !info.isSymLink())
        return refuse(QString());
    if (!info.isFile())
        return refuse(nom + QStringLiteral(" n'est pas un fichier ordinaire."));
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly))
        return refuse(nom + QStringLiteral(" ne peut pas être lu (droits d'accès ?)."));
    QString erreur;
    bool incomplet = false;
    if (!Rtf::lis(f.readAll(), principale_->supertext->document(), &erreur, &incomplet))
        return refuse(nom + QStringLiteral(" ne peut pas être affiché.\r\n") + erreur);
    if (incomplet)
        plateforme().msgBox(nom + QStringLiteral(" est incomplet : la fin du texte manque, seul le début est affiché."),
                            StyleMsg::OkSeul + StyleMsg::Exclamation, QStringLiteral("Texte incomplet"));
    QTextCursor debut(principale_->supertext->document());
    principale_->supertext->setTextCursor(debut);
    principale_->supertext->ensureCursorVisible();
    return true;
}

void Fichexo::messageAbsent(const QString& nom, const QString& raison)
{
    if (!raison.isEmpty()) {
        plateforme().msgBox(raison, StyleMsg::OkSeul + StyleMsg::Critique, QStringLiteral("Lecture impossible"));
        return;
    }
    plateforme().msgBox(QStringLiteral("Le fichier ") + Module1::dossierExercice + nom + QStringLiteral(" est introuvable"),
                        StyleMsg::OkSeul + StyleMsg::Critique, QStringLiteral("Fichier absent"));
}

void Fichexo::chargeConfiguration(const QString& nom)
{
    Module1::cheminConfig = cheminDe(nom);
    Module1::chargeConfig(*principale_);
}

void Fichexo::openexo_Click()
{
    if (!gardeTexte())
        return;
    Form_Load();
    exec();
}

void Fichexo::ouvreur_Click()
{
    if (Exercices::estVide(fichierexo->text()) || !principale_)
        return;
    Frame2->show();
    Frame2->repaint();
    Exercices::DescriptionExercice d;
    if (!lisFichier(fichierexo->text(), d) || !d.lisible(1, 2)) {
        Frame2->hide();
        messageLecture();
        return;
    }
    // A description without a statement (an empty file) says so, naming the file itself.
    if (Exercices::estVide(d.enonce())) {
        Frame2->hide();
        plateforme().msgBox(QStringLiteral("Le fichier ") + QDir::toNativeSeparators(fichierexo->text()) +
                                QStringLiteral(" ne désigne aucun énoncé."),
                            StyleMsg::OkSeul + StyleMsg::Critique, QStringLiteral("Lecture impossible"));
        return;
    }
    QString raison;
    if (!chargeTexte(cheminDe(d.enonce()), &raison)) {
        Frame2->hide();
        messageAbsent(d.enonce(), raison);
        return;
    }
    principale_->fich->setText(fichierexo->text());
    Module1::exerciceCorrige = Label2->text() == QStringLiteral("Exercice corrigé") ? 1 : 0;
    if (!Exercices::estVide(d.configuration()))
        chargeConfiguration(d.configuration());
    Frame2->hide();
    principale_->supertext->setReadOnly(false);
    Module1::texteModifie = 0;
    decharge();
}

void Fichexo::opencor_Click()
{
    if (!principale_ || !gardeTexte())
        return;
    Module1::texteModifie = 0;
    principale_->setCursor(Qt::WaitCursor);
    const auto fin = [this] { principale_->unsetCursor(); };
    // The correction belongs to the exercise shown, whatever folder the catalogue was left in.
    const QString description = principale_->fich->text();
    Module1::dossierExercice = avecSeparateur(QFileInfo(description).absolutePath());
    Exercices::DescriptionExercice d;
    if (!lisFichier(description, d) || !d.lisible(3, 4)) {
        fin();
        messageLecture();
        return;
    }
    QString raison;
    if (!Exercices::estVide(d.correction()) && !chargeTexte(cheminDe(d.correction()), &raison)) {
        fin();
        messageAbsent(d.correction(), raison);
        return;
    }
    if (!Exercices::estVide(d.configurationCorrection()))
        chargeConfiguration(d.configurationCorrection());
    principale_->supertext->setReadOnly(false);
    fin();
    Module1::texteModifie = 0;
    decharge();
}

void Fichexo::PRISENMAIN_Click()
{
    // The pupil's answers are worth the same question as before any other exercise.
    if (!principale_ || !gardeTexte())
        return;
    Module1::dossierExercice = avecSeparateur(plateforme().repertoireProgramme());
    const QString chemin = Module1::resoudChemin(QStringLiteral("BALTOR.PEM"), Module1::dossierExercice);
    if (!QFileInfo(chemin).isFile())
        return;
    const auto erreur = [this] {
        plateforme().msgBox(QStringLiteral("Fichier introuvable. Revoir l'installation du logiciel."),
                            StyleMsg::OkSeul + StyleMsg::Critique, QStringLiteral("Erreur lors du chargement"));
        decharge();
    };
    Exercices::DescriptionExercice d;
    if (!lisFichier(chemin, d) || !d.lisible(1, 2) || !chargeTexte(cheminDe(d.enonce())))
        return erreur();
    principale_->fich->setText(chemin);
    Module1::exerciceCorrige = 0;
    if (!Exercices::estVide(d.configuration()))
        chargeConfiguration(d.configuration());
    principale_->supertext->setReadOnly(false);
    Module1::texteModifie = 0;
    decharge();
}

void Fichexo::Closexo_Click()
{
    if (!principale_ || !gardeTexte())
        return;
    principale_->fich->clear();
    Module1::texteAccueil(*principale_->supertext);
    // No exercise is open any more: nothing to protect, no correction to show.
    Module1::texteModifie = 0;
    Module1::exerciceCorrige = 0;
    decharge();
}
