// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/configuration.h"

#include "config/enregistrer.h"
#include "config/ouvrir.h"
#include "core/chemins.h"
#include "core/ecriture.h"
#include "core/module1.h"
#include "platform/plateforme.h"
#include "scene/feuillep.h"
#include "widgets/picturebox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>

namespace {

QString titre(const QString& chemin)
{
    return QStringLiteral("Baltor - ") + chemin;
}

// Check box values as files store them: 0 unchecked, 1 checked, 2 grey.
qint16 valeurCase(const QCheckBox* c)
{
    switch (c->checkState()) {
    case Qt::Checked: return 1;
    case Qt::PartiallyChecked: return 2;
    default: return 0;
    }
}

Qt::CheckState etatCase(qint16 v)
{
    return v == 1 ? Qt::Checked : v == 2 ? Qt::PartiallyChecked : Qt::Unchecked;
}

QLineEdit* champ(feuilleP& f, int i)
{
    QLineEdit* champs[] = {f.Text1, f.Text2, f.Text3, f.Text4, f.chrono};
    return champs[i];
}

}  // namespace

namespace Config {

Reglages reglagesDe(const feuilleP& f)
{
    Reglages r;
    r.lieu = qint16(f.Combo1->currentIndex());
    r.projectile = qint16(f.Combo2->currentIndex());
    r.options = {valeurCase(f.Check1), valeurCase(f.Check2), valeurCase(f.Check3)};
    r.champs = {f.Text1->text(), f.Text2->text(), f.Text3->text(), f.Text4->text(), f.chrono->text()};
    r.echelle = f.echelleScene();
    r.frottements = f.frottements();
    return r;
}

void applique(feuilleP& f, const Reglages& r, int nombre)
{
    for (int i = 0; i < nombre; ++i) {
        if (i < 2) {
            QComboBox* liste = i == 0 ? f.Combo1 : f.Combo2;
            const int index = i == 0 ? r.lieu : r.projectile;
            if (liste->currentIndex() != index) {
                liste->setCurrentIndex(index);
                i == 0 ? f.Combo1_Click() : f.Combo2_Click();
            }
        } else if (i < 5) {
            QCheckBox* cases[] = {f.Check1, f.Check2, f.Check3};
            QCheckBox* c = cases[i - 2];
            const Qt::CheckState etat = etatCase(r.options[i - 2]);
            if (c->checkState() != etat) {
                c->setCheckState(etat);
                // A grey box read from a file shows grey, but the user's clicks keep two states.
                if (etat == Qt::PartiallyChecked)
                    QObject::connect(
                        c, &QCheckBox::stateChanged, c,
                        [c](int s) {
                            if (s != Qt::PartiallyChecked)
                                c->setTristate(false);
                        },
                        Qt::SingleShotConnection);
                i == 2 ? f.Check1_Click() : i == 3 ? f.Check2_Click() : f.Check3_Click();
            }
        } else {
            champ(f, i - 5)->setText(r.champs[i - 5]);
        }
    }
}

ResultatEcriture ecritFichier(const QString& chemin, const Reglages& r)
{
    const Enregistrements::Ecriture e = ecris(r);
    if (!e.ok())
        return ResultatEcriture::TexteInvalide;
    // A protected file stays protected, even though its folder would let us replace it.
    const QFileInfo existant(chemin);
    if (existant.exists() && (!existant.isFile() || !existant.isWritable()))
        return ResultatEcriture::Disque;
    return ecritACote(chemin, e.octets) == EchecEcriture::Aucun ? ResultatEcriture::Ok : ResultatEcriture::Disque;
}

bool enregistreConfig(feuilleP& feuille)
{
    if (ecritFichier(Module1::cheminConfig, reglagesDe(feuille)) != ResultatEcriture::Ok) {
        plateforme().msgBox(QStringLiteral("Ecriture impossible sur disque"), StyleMsg::OkSeul + StyleMsg::Critique,
                            QStringLiteral("Enregistrement impossible"));
        return false;
    }
    feuille.setWindowTitle(titre(Module1::cheminConfig));
    return true;
}

void installe(feuilleP& feuille)
{
    feuille.dialogueEnregistrer = [](feuilleP& f) {
        enregistrer dialogue(f);
        dialogue.exec();
    };
    feuille.dialogueOuvrir = [](feuilleP& f) {
        ouvrir dialogue(f);
        dialogue.exec();
    };
}

}  // namespace Config

namespace Module1 {

void chargeConfig(feuilleP& feuille, QWidget* dialogueOuvert)
{
    if (dialogueOuvert && dialogueOuvert->isVisible())
        dialogueOuvert->repaint();

    auto refuse = [] {
        plateforme().msgBox(QStringLiteral("Ce fichier ne correspond pas à cette application"),
                            StyleMsg::OkSeul + StyleMsg::Critique, QStringLiteral("Fichier non valide"));
    };
    auto illisible = [] {
        plateforme().msgBox(QStringLiteral("Lecture impossible sur disque"), StyleMsg::OkSeul + StyleMsg::Critique,
                            QStringLiteral("Erreur lors du chargement du fichier"));
    };

    // A path from a file made on Windows: "\" separators, another letter case.
    if (!QFileInfo::exists(cheminConfig)) {
        const QString trouve = resoudChemin(cheminConfig);
        if (QFileInfo::exists(trouve))
            cheminConfig = trouve;
    }
    const QFileInfo info(cheminConfig);
    if (!info.exists()) {
        refuse();  // opening must not create it
        return;
    }
    QFile f(cheminConfig);
    if (!info.isFile() || !f.open(QIODevice::ReadOnly)) {
        illisible();
        return;
    }
    // Only the described records and the extra ones count; a longer file is not read further.
    const qint64 taille = Config::tailleLue();
    const QByteArray octets = f.read(taille);
    const bool erreurDisque = octets.size() < taille && !f.atEnd();
    f.close();

    Config::Lecture l = Config::lis(octets, {feuille.Combo1->count(), feuille.Combo2->count()});
    if (erreurDisque) {
        l.erreur = Config::ErreurLecture::Illisible;
        l.valables = 0;
    }
    if (l.erreur == Config::ErreurLecture::NonValide) {
        refuse();
        return;
    }
    if (l.signatureValide)
        feuille.Picture2->Cls();
    Config::applique(feuille, l.reglages, l.valables);
    if (l.erreur != Config::ErreurLecture::Aucune) {
        illisible();
        return;
    }

    // The scale first: the fields are validated against what it shows.
    feuille.prendEchelleScene(l.reglages.echelle);
    feuille.prendFrottements(l.reglages.frottements);
    if (dialogueOuvert) {
        if (auto* d = qobject_cast<QDialog*>(dialogueOuvert))
            d->accept();
        else
            dialogueOuvert->close();
    }
    feuille.Combo1_Click();
    feuille.Combo2_Click();
    feuille.Text1_LostFocus();
    feuille.Text2_LostFocus();
    feuille.Text3_LostFocus();
    feuille.Text4_LostFocus();
    feuille.chrono_LostFocus();
    feuille.setWindowTitle(titre(cheminConfig));
}

}  // namespace Module1
