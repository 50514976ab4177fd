// SPDX-License-Identifier: GPL-3.0-or-later
// The exercise text area: save it as RTF, reload a saved text, print it.

#include "exercises/fichexo.h"

#include "core/ecriture.h"
#include "core/module1.h"
#include "platform/impression_fichier.h"
#include "platform/plateforme.h"
#include "platform/plateforme_qt.h"
#include "rtf/rtf.h"
#include "scene/feuillep.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrinter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>

namespace {

const QString filtreRtf = QStringLiteral("Texte au format RTF (*.RTF *.rtf)");
const QString verifier = QStringLiteral("Vérifier l'état du lecteur et le nom du fichier.");

}  // namespace

void Fichexo::savetexte_Click()
{
    if (!principale_)
        return;
    // The dialog asks nothing itself: the question about an existing file is the one below.
    QString chemin = fichierAEnregistrerSansQuestion(principale_, QStringLiteral("Enregistrer le texte"),
                                                                  QString(), filtreRtf);
    if (chemin.isEmpty())
        return;
    if (QFileInfo(chemin).suffix().isEmpty())
        chemin += QStringLiteral(".rtf");
    const QFileInfo info(chemin);
    if (info.exists()
        && plateforme().msgBox(QStringLiteral("Le fichier ") + info.fileName() + QStringLiteral(" existe déjà.\r\nEcraser l'ancien?"),
                               StyleMsg::OkAnnuler + StyleMsg::Question,
                               QStringLiteral("Ecraser le fichier?")) == ReponseMsg::Annuler)
        return;
    const EchecEcriture echec = ecritACote(chemin, Rtf::ecris(*principale_->supertext->document()));
    if (echec != EchecEcriture::Aucun) {
        plateforme().msgBox(echec == EchecEcriture::PasUnFichier
                                ? QStringLiteral("Le fichier ") + QDir::toNativeSeparators(chemin) +
                                      QStringLiteral(" n'est pas un fichier ordinaire : il est laissé tel quel.")
                                : verifier,
                            StyleMsg::OkSeul + StyleMsg::Critique, QStringLiteral("Erreur d'écriture."));
        // The answers are not on disk: the quit and exercise guards must still protect them.
        return;
    }
    Module1::texteModifie = 0;
}

void Fichexo::opentexte_Click()
{
    if (!principale_ || !gardeTexte())
        return;
    const QString chemin = plateforme().fichierAOuvrir(principale_, QStringLiteral("Retrouver un texte"),
                                                       QString(), filtreRtf);
    // Cancelled: the typed text is still there, and still protected by the guards.
    if (chemin.isEmpty())
        return;
    Module1::texteModifie = 0;
    Module1::exerciceCorrige = 0;
    QString raison;
    if (!chargeTexte(chemin, &raison))
        plateforme().msgBox(raison.isEmpty() ? verifier : raison, StyleMsg::OkSeul + StyleMsg::Critique,
                            QStringLiteral("Erreur de lecture."));
    principale_->supertext->setReadOnly(false);
    principale_->fich->setText(QStringLiteral("Texte: ") + chemin);
    Module1::texteModifie = 0;
}

void Fichexo::imprimetexte_Click()
{
    if (!principale_)
        return;
    std::unique_ptr<QPrinter> imprimante = plateforme().choisitImprimante(principale_);
    if (!imprimante)
        return;
    ImpressionFichier fichier(*imprimante);
    if (const QString empechement = fichier.empechement(); !empechement.isEmpty()) {
        plateforme().msgBox(empechement, StyleMsg::OkSeul + StyleMsg::Exclamation, QStringLiteral("Impression"));
        return;
    }
    const QTextCursor selection = principale_->supertext->textCursor();
    if (selection.hasSelection()) {
        QTextDocument morceau;
        morceau.setDefaultFont(principale_->supertext->document()->defaultFont());
        QTextCursor(&morceau).insertFragment(selection.selection());
        morceau.print(imprimante.get());
    } else {
        principale_->supertext->document()->print(imprimante.get());
    }
    // print() says nothing of a failure: what reached the file is checked instead.
    if (const QString erreur = fichier.termine(); !erreur.isEmpty())
        plateforme().msgBox(erreur, StyleMsg::OkSeul + StyleMsg::Exclamation, QStringLiteral("Impression"));
}
