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
#include <QFileInfo>
#include <QLineEdit>
#include <QPainter>
#include <QTextStream>
#include <QTimer>

namespace {

// A flight that never lands (it cannot: the ground stops every projectile) still ends here.
constexpr int ticksMaximum = 1'000'000;

int echec(const QString& message)
{
    QTextStream(stderr) << QStringLiteral("baltor : ") << message << Qt::endl;
    return CodeSortie::Fichier;
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
        analyse::dessineMesures(p, f.entreesMesures().conditions, outils, scene);
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

    feuilleP f;
    if (!a.fichier.isEmpty()) {
        const QFileInfo info(Module1::resoudChemin(a.fichier, QDir::currentPath()));
        if (!info.isFile())
            return echec(QStringLiteral("impossible de lire « %1 » : fichier introuvable").arg(a.fichier));
        Module1::cheminConfig = info.absoluteFilePath();
        Module1::chargeConfig(f);
        if (!console.messages.isEmpty())
            return CodeSortie::Fichier;  // the loader's message is already written
    }
    if (a.chronoMs > 0) {
        f.chrono->setText(QString::number(a.chronoMs));
        f.chrono_LostFocus();
    }
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
