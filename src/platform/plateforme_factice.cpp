// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/plateforme_factice.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryDir>

namespace {

class ClipFactice : public ClipSon {
public:
    ClipFactice(QStringList& journal, int& preparations) : journal_(journal), preparations_(preparations) {}
    void ouvre(const QString& fichier) override
    {
        fichier_ = fichier;
        journal_.append(QStringLiteral("Open ") + QFileInfo(fichier).fileName());
    }
    void joue() override { journal_.append(QStringLiteral("Play ") + QFileInfo(fichier_).fileName()); }
    void prepare() override { ++preparations_; }
    void ferme() override
    {
        if (!fichier_.isEmpty())
            journal_.append(QStringLiteral("Close ") + QFileInfo(fichier_).fileName());
    }
    QString fichier() const override { return fichier_; }

private:
    QStringList& journal_;
    int& preparations_;
    QString fichier_;
};

QTemporaryDir& dossierPdf()
{
    static QTemporaryDir dossier;
    return dossier;
}

}  // namespace

PlateformeFactice::PlateformeFactice() = default;
PlateformeFactice::~PlateformeFactice() = default;

int PlateformeFactice::sonsJoues() const
{
    int n = 0;
    for (const QString& s : sons)
        if (s.startsWith(QStringLiteral("Play ")))
            ++n;
    return n;
}

int PlateformeFactice::msgBox(const QString& texte, int style, const QString& titre)
{
    const MessageEnregistre m{texte, style, titre};
    messages.append(m);
    if (surMessage)
        surMessage(m);
    return reponses.isEmpty() ? 1 : reponses.takeFirst();
}

void PlateformeFactice::beep()
{
    ++beeps;
}

std::unique_ptr<ClipSon> PlateformeFactice::nouveauClip()
{
    return std::make_unique<ClipFactice>(sons, sonsPrepares);
}

QSize PlateformeFactice::tailleEcran() const
{
    return ecran;
}

QString PlateformeFactice::repertoireProgramme() const
{
    return repertoire.isEmpty() ? QCoreApplication::applicationDirPath() : repertoire;
}

void PlateformeFactice::termine(int code)
{
    finProgramme = code;
}

std::unique_ptr<QPrinter> PlateformeFactice::nouvelleImprimante()
{
    auto imprimante = std::make_unique<QPrinter>(QPrinter::HighResolution);
    imprimante->setOutputFormat(QPrinter::PdfFormat);
    QString chemin = sortiePdf;
    static int numero = 0;  // one file per printer over the whole test run
    if (chemin.isEmpty())
        chemin = dossierPdf().filePath(QStringLiteral("page%1.pdf").arg(++numero));
    if (imprimanteEnPanne)
        chemin = dossierPdf().filePath(QStringLiteral("absent/panne.pdf"));  // cannot be created
    imprimante->setOutputFileName(chemin);
    pdfsImprimes.append(chemin);
    return imprimante;
}

std::unique_ptr<QPrinter> PlateformeFactice::choisitImprimante(QWidget*)
{
    ++imprimantesDemandees;
    if (imprimanteAnnulee)
        return nullptr;
    return nouvelleImprimante();
}

std::unique_ptr<QPrinter> PlateformeFactice::imprimanteParDefaut()
{
    if (aucuneImprimante)
        return nullptr;
    return nouvelleImprimante();
}

bool PlateformeFactice::configureImprimante(QPrinter&, QWidget*)
{
    ++imprimantesDemandees;
    return !imprimanteAnnulee;
}

void PlateformeFactice::copieImage(const QImage& image)
{
    pressePapiers.append(image);
}

void PlateformeFactice::copieTexte(const QString& texte)
{
    textesCopies.append(texte);
}

QString PlateformeFactice::fichierAOuvrir(QWidget*, const QString& titre, const QString&, const QString&)
{
    dialoguesFichier.append(titre);
    return fichiersChoisis.isEmpty() ? QString() : fichiersChoisis.takeFirst();
}

QString PlateformeFactice::fichierAEnregistrer(QWidget*, const QString& titre, const QString&, const QString&)
{
    dialoguesFichier.append(titre);
    return fichiersChoisis.isEmpty() ? QString() : fichiersChoisis.takeFirst();
}

void PlateformeFactice::afficheAide(QWidget*, const QString& fichier)
{
    aides.append(fichier);
}
