// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/plateforme_qt.h"

#include "platform/clip_qt.h"

#include "platform/navigateur_aide.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QGuiApplication>
#include <QHash>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPointer>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QUrl>

#include <cstdlib>


int PlateformeQt::msgBox(const QString& texte, int style, const QString& titre)
{
    QMessageBox boite;
    boite.setWindowTitle(titre);
    boite.setText(texte);
    switch (style & 0xF0) {
    case StyleMsg::Critique: boite.setIcon(QMessageBox::Critical); break;
    case StyleMsg::Question: boite.setIcon(QMessageBox::Question); break;
    case StyleMsg::Exclamation: boite.setIcon(QMessageBox::Warning); break;
    case StyleMsg::Information: boite.setIcon(QMessageBox::Information); break;
    default: break;
    }
    struct Bouton { QString texte; int code; };
    QList<Bouton> boutons;
    switch (style & 0x0F) {
    case StyleMsg::OkAnnuler: boutons = {{QStringLiteral("OK"), ReponseMsg::Ok}, {QStringLiteral("Annuler"), ReponseMsg::Annuler}}; break;
    case 2: boutons = {{QStringLiteral("Abandonner"), 3}, {QStringLiteral("Réessayer"), 4}, {QStringLiteral("Ignorer"), 5}}; break;
    case StyleMsg::OuiNonAnnuler: boutons = {{QStringLiteral("Oui"), ReponseMsg::Oui}, {QStringLiteral("Non"), ReponseMsg::Non}, {QStringLiteral("Annuler"), ReponseMsg::Annuler}}; break;
    case StyleMsg::OuiNon: boutons = {{QStringLiteral("Oui"), ReponseMsg::Oui}, {QStringLiteral("Non"), ReponseMsg::Non}}; break;
    case 5: boutons = {{QStringLiteral("Réessayer"), 4}, {QStringLiteral("Annuler"), ReponseMsg::Annuler}}; break;
    default: boutons = {{QStringLiteral("OK"), ReponseMsg::Ok}}; break;
    }
    QList<QPushButton*> crees;
    for (const Bouton& b : boutons) {
        const bool annule = b.code == ReponseMsg::Annuler || (boutons.size() == 1);
        crees.append(boite.addButton(b.texte, annule ? QMessageBox::RejectRole : QMessageBox::AcceptRole));
    }
    const int parDefaut = (style >> 8) & 0x3;  // 256: second button, 512: third
    if (parDefaut < crees.size())
        boite.setDefaultButton(crees[parDefaut]);
    if (boutons.size() > 1) {
        // Escape answers Cancel, or the last button when there is no Cancel.
        int i = int(crees.size()) - 1;
        for (int k = 0; k < boutons.size(); ++k)
            if (boutons[k].code == ReponseMsg::Annuler)
                i = k;
        boite.setEscapeButton(crees[i]);
    }
    boite.exec();
    for (int k = 0; k < crees.size(); ++k)
        if (boite.clickedButton() == crees[k])
            return boutons[k].code;
    return boutons.size() == 1 ? ReponseMsg::Ok : ReponseMsg::Annuler;
}

void PlateformeQt::beep()
{
    QApplication::beep();
}

std::unique_ptr<ClipSon> PlateformeQt::nouveauClip()
{
    return std::make_unique<ClipQt>();
}

QSize PlateformeQt::tailleEcran() const
{
    if (QScreen* ecran = QGuiApplication::primaryScreen())
        return ecran->size();
    return QSize(1024, 768);
}

QString PlateformeQt::repertoireProgramme() const
{
    const QString dossier = QCoreApplication::applicationDirPath();
    if (QFileInfo::exists(dossier + QStringLiteral("/terre.jpg")))
        return dossier;
    // Installed layout: the executable in bin/, its data in share/baltor/.
    const QString partage = QDir::cleanPath(dossier + QStringLiteral("/../share/baltor"));
    if (QFileInfo::exists(partage + QStringLiteral("/terre.jpg")))
        return partage;
    return dossier;
}

void PlateformeQt::termine(int code)
{
    std::exit(code);
}

std::unique_ptr<QPrinter> PlateformeQt::choisitImprimante(QWidget* parent)
{
    auto imprimante = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialogue(imprimante.get(), parent);
    dialogue.setWindowTitle(QStringLiteral("Imprimer"));
    if (dialogue.exec() != QDialog::Accepted)
        return nullptr;
    return imprimante;
}

std::unique_ptr<QPrinter> PlateformeQt::imprimanteParDefaut()
{
    QPrinterInfo choisie = QPrinterInfo::defaultPrinter();
    if (choisie.isNull()) {
        const QList<QPrinterInfo> toutes = QPrinterInfo::availablePrinters();
        if (toutes.isEmpty())
            return nullptr;
        choisie = toutes.first();
    }
    return std::make_unique<QPrinter>(choisie, QPrinter::HighResolution);
}

bool PlateformeQt::configureImprimante(QPrinter& imprimante, QWidget* parent)
{
    QPrintDialog dialogue(&imprimante, parent);
    dialogue.setWindowTitle(QStringLiteral("Configuration de l'impression"));
    dialogue.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    const bool accepte = dialogue.exec() == QDialog::Accepted;
    imprimante.setCopyCount(1);  // the copies are counted by the caller, one page each
    return accepte;
}

void PlateformeQt::copieImage(const QImage& image)
{
    QClipboard* pressePapiers = QGuiApplication::clipboard();
    pressePapiers->clear();
    pressePapiers->setImage(image);
}

void PlateformeQt::copieTexte(const QString& texte)
{
    QClipboard* pressePapiers = QGuiApplication::clipboard();
    pressePapiers->clear();
    pressePapiers->setText(texte);
}

QString PlateformeQt::fichierAOuvrir(QWidget* parent, const QString& titre, const QString& dossier,
                                     const QString& filtre)
{
    return QFileDialog::getOpenFileName(parent, titre, dossier, filtre);
}

QString PlateformeQt::fichierAEnregistrer(QWidget* parent, const QString& titre, const QString& chemin,
                                          const QString& filtre)
{
    return QFileDialog::getSaveFileName(parent, titre, chemin, filtre);
}

QString fichierAEnregistrerSansQuestion(QWidget* parent, const QString& titre, const QString& chemin,
                                        const QString& filtre)
{
    if (!dynamic_cast<PlateformeQt*>(&plateforme()))
        return plateforme().fichierAEnregistrer(parent, titre, chemin, filtre);
    return QFileDialog::getSaveFileName(parent, titre, chemin, filtre, nullptr, QFileDialog::DontConfirmOverwrite);
}

namespace {

// The window the help belongs to: the program's main window, even when asked from a dialog
// (which may close first) or from a control shown magnified (whose window is the view's).
QWidget* fenetrePrincipale(QWidget* w)
{
    while (w) {
        if (QWidget* p = w->parentWidget()) {
            w = p;
        } else if (QGraphicsProxyWidget* proxy = w->graphicsProxyWidget();
                   proxy && proxy->scene() && !proxy->scene()->views().isEmpty()) {
            w = proxy->scene()->views().first();
        } else {
            break;
        }
    }
    return w;
}

}  // namespace

void PlateformeQt::afficheAide(QWidget* parent, const QString& fichier)
{
    // One window per document (help, course), kept for the whole run and shown beside the
    // simulator, which stays usable while the pupil reads.
    static QHash<QString, QPointer<NavigateurAide>> fenetres;
    QPointer<NavigateurAide>& navigateur = fenetres[QFileInfo(fichier).absolutePath()];
    if (!navigateur)
        navigateur = new NavigateurAide(fichier, fenetrePrincipale(parent));
    else
        navigateur->montre(fichier);
    // Over a modal dialog only a modal window can be used: the help is modal there.
    QWidget* modale = QApplication::activeModalWidget();
    const Qt::WindowModality voulue = modale && modale != navigateur ? Qt::ApplicationModal : Qt::NonModal;
    if (navigateur->windowModality() != voulue) {
        navigateur->hide();
        navigateur->setWindowModality(voulue);
    }
    navigateur->show();
    navigateur->raise();
    navigateur->activateWindow();
}
