// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/exportation.h"

#include "app/arguments.h"
#include "config/configuration.h"
#include "core/chemins.h"
#include "core/module1.h"
#include "export/fichiers_image.h"
#include "export/plateforme_console.h"
#include "analyse/dessin.h"
#include "analyse/fichiers.h"
#include "analyse/mesuresscene.h"
#include "analyse/mesures.h"
#include "graphs/graphes.h"
#include "graphs/pageimprimee.h"
#include "widgets/picturebox.h"
#include "scene/feuillep.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPainter>
#include <QTextStream>
#include <QTimer>

#include <filesystem>

namespace {

// A flight that never lands (it cannot: the ground stops every projectile) still ends here.
constexpr int ticksMaximum = 1'000'000;

int echec(const QString& message, int code = CodeSortie::Fichier)
{
    QTextStream(stderr) << QStringLiteral("baltor : ") << message << Qt::endl;
    return code;
}

// The same file under two names: the same path, or one file reached through a link.
bool memeFichier(const QString& a, const QString& b)
{
    const QFileInfo ia(a);
    const QFileInfo ib(b);
    if (ia.absoluteFilePath() == ib.absoluteFilePath())
        return true;
    std::error_code erreur;
    return std::filesystem::equivalent(std::filesystem::path(QFile::encodeName(ia.absoluteFilePath()).toStdString()),
                                       std::filesystem::path(QFile::encodeName(ib.absoluteFilePath()).toStdString()),
                                       erreur);
}

// An export never writes over the set-up it reads, nor twice over the same file.
QString sortieRefusee(const Arguments& a, const QString& entree)
{
    const QList<std::pair<QString, QString>> sorties{
        {QStringLiteral("--image"), a.image}, {QStringLiteral("--graphes"), a.graphes}, {QStringLiteral("--mesures"), a.mesures},
        {QStringLiteral("--python"), a.python}};
    for (qsizetype i = 0; i < sorties.size(); ++i) {
        const auto& [option, chemin] = sorties[i];
        if (chemin.isEmpty())
            continue;
        if (!entree.isEmpty() && memeFichier(chemin, entree))
            return QStringLiteral("%1 « %2 » : c'est le fichier de configuration lu ; il ne sera pas remplacé")
                .arg(option, chemin);
        for (qsizetype j = i + 1; j < sorties.size(); ++j)
            if (!sorties[j].second.isEmpty() && memeFichier(chemin, sorties[j].second))
                return QStringLiteral("%1 et %2 désignent le même fichier « %3 »").arg(option, sorties[j].first, chemin);
    }
    return {};
}

// Why a set-up named on the command line cannot be read, or nothing when it can.
QString raisonIllisible(const QFileInfo& info)
{
    if (info.isFile())
        return {};
    if (Module1::nomHorsUtf8(info.filePath()))
        return QStringLiteral("son nom n'est pas écrit en UTF-8 ; renommez le fichier");
    if (info.isDir())
        return QStringLiteral("c'est un dossier");
    if (info.exists() || info.isSymLink())
        return QStringLiteral("ce n'est pas un fichier ordinaire");
    return QStringLiteral("fichier introuvable");
}

int exporteImage(feuilleP& f, PlateformeConsole& console, const Arguments& a)
{
    const analyse::OptionsMesures outils{a.vecteurs, a.deltaV, a.trajectoire, a.sommet};
    // At natural size the tools are ticked before the flight and drawn during it, as in the window;
    // enlarged, they are drawn afterwards at the new size over the enlarged picture.
    if (a.taille == 1 && f.mesuresScene) {
        f.mesuresScene->vecteursVitesse->setChecked(outils.vitesse);
        f.mesuresScene->vecteursDeltaV->setChecked(outils.deltaV);
        f.mesuresScene->traceTrajectoire->setChecked(outils.trace);
        f.mesuresScene->sommetImpact->setChecked(outils.sommetImpact);
    }
    voleAvecChronophotographie(f, a.repere, a.grille);
    console.pressePapiers = QImage();
    f.Command4_Click();
    QImage image = console.pressePapiers;
    if (a.taille > 1 && !image.isNull()) {
        const QSize scene = image.size();
        image = image.convertToFormat(QImage::Format_RGB32)
                    .scaled(scene * a.taille, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(a.taille, a.taille);
        analyse::Conditions vol = f.entreesMesures().conditions;
        vol.enregistre = true;  // photographed from date 0, as flown above: the balloon bounces where it did
        analyse::dessineMesures(p, vol, outils, scene);
    }
    QString erreur;
    if (!analyse::enregistreImage(image, a.image, &erreur))
        return echec(QStringLiteral("impossible d'écrire « %1 » : %2").arg(a.image, erreur));
    return CodeSortie::Succes;
}

int exporteGraphes(feuilleP& f, PlateformeConsole& console, const Arguments& a)
{
    const qsizetype avant = console.messages.size();
    graphes fenetre(f.entreesGraphes());
    if (fenetre.grapheImpossible || console.messages.size() > avant)
        return CodeSortie::Fichier;  // the graph window's own message is already written
    const EntreesMesures e = f.entreesMesures();
    const QString erreur = enregistrePageGraphes(pageDuVol(e.conditions, e.montage), a.graphes);
    if (!erreur.isEmpty())
        return echec(QStringLiteral("impossible d'écrire « %1 » : %2").arg(a.graphes, erreur));
    return CodeSortie::Succes;
}

// The table's own export button, answered with the file asked for.
int exporteMesures(feuilleP& f, PlateformeConsole& console, const Arguments& a)
{
    const qsizetype avant = console.messages.size();
    mesures fenetre(f.entreesMesures());
    console.fichierAEcrire = a.mesures;
    fenetre.exporter_Click();
    console.fichierAEcrire.clear();
    // The window's own message ("... n'a pas pu être enregistré.") is already written.
    return console.messages.size() > avant ? CodeSortie::Fichier : CodeSortie::Succes;
}

int exportePython(feuilleP& f, PlateformeConsole& console, const Arguments& a)
{
    const qsizetype avant = console.messages.size();
    mesures fenetre(f.entreesMesures());
    const bool ecrit = fenetre.enregistrePython(
        a.python, a.pythonEleve ? analyse::VarianteScript::Eleve : analyse::VarianteScript::Complete);
    return !ecrit || console.messages.size() > avant ? CodeSortie::Fichier : CodeSortie::Succes;
}

}  // namespace

void voleAvecChronophotographie(feuilleP& f, bool repere, bool grille)
{
    const bool repereAffiche = f.Check1->isChecked();
    f.command12_Click();
    for (int n = 0; f.Timer1->isActive() && n < ticksMaximum; ++n)
        f.Timer1_Timer();
    f.Timer1->stop();
    // The grid with --grille, the frame alone with --repere; otherwise as the set-up has it.
    if (grille)
        f.Check3->setChecked(true);
    else if (repere)
        f.Check3->setChecked(false);
    if (repere || grille || repereAffiche) {
        f.Check1->setChecked(true);
        f.Check1_Click();
    }
}

int exporte(const Arguments& a)
{
    PlateformeConsole console;
    installePlateforme(&console);
    struct Retour {
        ~Retour() { installePlateforme(nullptr); }
    } retour;

    const QString entree = a.fichier.isEmpty() ? QString() : Module1::resoudChemin(a.fichier, QDir::currentPath());
    if (const QString refus = sortieRefusee(a, entree); !refus.isEmpty())
        return echec(refus, CodeSortie::Arguments);

    feuilleP f;
    if (!a.fichier.isEmpty()) {
        const QFileInfo info(Module1::resoudChemin(a.fichier, QDir::currentPath()));
        if (const QString raison = raisonIllisible(info); !raison.isEmpty())
            return echec(QStringLiteral("impossible de lire « %1 » : %2").arg(a.fichier, raison));
        Module1::cheminConfig = info.absoluteFilePath();
        Module1::chargeConfig(f);
        if (!console.messages.isEmpty())
            return CodeSortie::Fichier;  // the loader's message is already written
    }
    if (a.chronoMs > 0) {
        f.chrono->setText(QString::number(a.chronoMs));
        f.chrono_LostFocus();
    }
    if (a.frottements)
        f.changeFrottements(true);
    if (a.ajuster)
        f.ajusteAuVol();
    else if (a.echelle > 0)
        f.changeEchelleScene(sim::Echelle(a.echelle));

    int code = CodeSortie::Succes;
    if (!a.mesures.isEmpty())
        code = exporteMesures(f, console, a);
    if (!a.python.isEmpty())
        code = std::max(code, exportePython(f, console, a));
    if (!a.graphes.isEmpty())
        code = std::max(code, exporteGraphes(f, console, a));
    if (!a.image.isEmpty())
        code = std::max(code, exporteImage(f, console, a));
    return code;
}
