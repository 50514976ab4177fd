// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/arguments.h"

#include "sim/echelle.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

const QString nomImage = QStringLiteral("image");
const QString nomGraphes = QStringLiteral("graphes");
const QString nomMesures = QStringLiteral("mesures");
const QString nomPython = QStringLiteral("python");
const QString nomChrono = QStringLiteral("chrono");
const QString nomRepere = QStringLiteral("repere");
const QString nomGrille = QStringLiteral("grille");
const QString nomEchelle = QStringLiteral("echelle");

Arguments erreur(const QString& message)
{
    Arguments a;
    a.mode = Arguments::Mode::Erreur;
    a.erreur = message;
    return a;
}

QString extension(const QString& chemin)
{
    return QFileInfo(chemin).suffix().toLower();
}

// The parser's own messages are English; the two it can give are said again in French.
QString messageAnalyse(const QCommandLineParser& p)
{
    if (!p.unknownOptionNames().isEmpty()) {
        const QString nom = p.unknownOptionNames().first();
        return QStringLiteral("option inconnue : %1%2").arg(nom.size() == 1 ? "-" : "--", nom);
    }
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("'([^']+)'")).match(p.errorText());
    if (m.hasMatch())
        return QStringLiteral("l'option %1 attend une valeur").arg(m.captured(1));
    return QStringLiteral("arguments incorrects");
}

}  // namespace

Arguments analyseArguments(const QStringList& arguments)
{
    QCommandLineParser p;
    p.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption aide({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    const QCommandLineOption image(nomImage, QString(), QStringLiteral("IMAGE"));
    const QCommandLineOption graphes(nomGraphes, QString(), QStringLiteral("GRAPHES"));
    const QCommandLineOption mesures(nomMesures, QString(), QStringLiteral("MESURES"));
    const QCommandLineOption python(nomPython, QString(), QStringLiteral("PYTHON"));
    const QCommandLineOption pythonEleve(QStringLiteral("python-eleve"), QString());
    const QCommandLineOption chrono(nomChrono, QString(), QStringLiteral("MS"));
    const QCommandLineOption repere(nomRepere, QString());
    const QCommandLineOption grille(nomGrille, QString());
    const QCommandLineOption vecteurs(QStringLiteral("vecteurs"), QString());
    const QCommandLineOption deltaV(QStringLiteral("deltav"), QString());
    const QCommandLineOption trajectoire(QStringLiteral("trajectoire"), QString());
    const QCommandLineOption sommet(QStringLiteral("sommet"), QString());
    const QCommandLineOption taille(QStringLiteral("taille"), QString(), QStringLiteral("N"));
    const QCommandLineOption echelle(nomEchelle, QString(), QStringLiteral("PX_PAR_M"));
    const QCommandLineOption frottements(QStringLiteral("frottements"), QString());
    p.addOptions({aide, version, image, graphes, mesures, chrono, repere, grille, vecteurs, deltaV, trajectoire, sommet,
                  taille, echelle, python, pythonEleve, frottements});

    if (!p.parse(arguments))
        return erreur(messageAnalyse(p));
    if (p.isSet(aide)) {
        Arguments a;
        a.mode = Arguments::Mode::Aide;
        return a;
    }
    if (p.isSet(version)) {
        Arguments a;
        a.mode = Arguments::Mode::Version;
        return a;
    }

    Arguments a;
    for (const auto& [option, nom] : {std::pair{&image, nomImage}, {&graphes, nomGraphes}, {&mesures, nomMesures},
                                      {&python, nomPython}, {&chrono, nomChrono}, {&taille, QStringLiteral("taille")}, {&echelle, nomEchelle}})
        if (p.values(*option).size() > 1)
            return erreur(QStringLiteral("l'option --%1 n'est permise qu'une fois").arg(nom));

    const QStringList positionnels = p.positionalArguments();
    if (positionnels.size() > 1)
        return erreur(QStringLiteral("un seul fichier à la fois (reçu : %1)").arg(positionnels.join(QStringLiteral(", "))));
    if (!positionnels.isEmpty())
        a.fichier = positionnels.first();

    a.image = p.value(image);
    a.graphes = p.value(graphes);
    a.mesures = p.value(mesures);
    a.python = p.value(python);
    a.pythonEleve = p.isSet(pythonEleve);
    a.repere = p.isSet(repere);
    a.grille = p.isSet(grille);
    a.vecteurs = p.isSet(vecteurs);
    a.deltaV = p.isSet(deltaV);
    a.trajectoire = p.isSet(trajectoire);
    a.sommet = p.isSet(sommet);
    a.frottements = p.isSet(frottements);
    for (const auto& [valeur, nom] : {std::pair{a.image, nomImage}, {a.graphes, nomGraphes}, {a.mesures, nomMesures}, {a.python, nomPython}})
        if (p.isSet(nom) && valeur.trimmed().isEmpty())
            return erreur(QStringLiteral("l'option --%1 attend un nom de fichier").arg(nom));

    if (p.isSet(chrono)) {
        bool ok = false;
        a.chronoMs = p.value(chrono).trimmed().toInt(&ok);
        if (!ok || a.chronoMs <= 0)
            return erreur(QStringLiteral("--chrono attend un nombre entier de millisecondes (reçu : « %1 »)")
                              .arg(p.value(chrono)));
    }
    if (p.isSet(taille)) {
        bool ok = false;
        a.taille = p.value(taille).trimmed().toInt(&ok);
        if (!ok || a.taille < 1 || a.taille > 4)
            return erreur(QStringLiteral("--taille attend un nombre entier de 1 à 4 (reçu : « %1 »)").arg(p.value(taille)));
    }
    // A name in bytes that are not UTF-8 reaches the program altered: writing it would make
    // a file of another name.
    for (const auto& [valeur, nom] :
         {std::pair{a.image, nomImage}, {a.graphes, nomGraphes}, {a.mesures, nomMesures}, {a.python, nomPython}})
        if (valeur.contains(QChar::ReplacementCharacter))
            return erreur(QStringLiteral("--%1 : le nom « %2 » n'est pas écrit en UTF-8 ; choisissez un autre nom")
                              .arg(nom, valeur));

    if ((p.isSet(chrono) || a.repere || a.grille) && a.image.isEmpty())
        return erreur(QStringLiteral("--chrono, --repere et --grille s'emploient avec --image"));
    if ((a.vecteurs || a.deltaV || a.trajectoire || a.sommet || p.isSet(taille)) && a.image.isEmpty())
        return erreur(QStringLiteral("--vecteurs, --deltav, --trajectoire, --sommet et --taille s'emploient avec --image"));
    if (a.pythonEleve && a.python.isEmpty())
        return erreur(QStringLiteral("--python-eleve s'emploie avec --python"));
    if (p.isSet(echelle)) {
        const QString v = p.value(echelle).trimmed();
        const std::optional<sim::Echelle> e = sim::Echelle::depuisTexte(v);
        if (v == QStringLiteral("ajuster"))
            a.ajuster = true;
        else if (e)
            a.echelle = e->pixelsParMetre();
        else
            return erreur(QStringLiteral("--echelle attend 36, 18, 9, 4,5, 1,8 (pixels par mètre) ou « ajuster » "
                                         "(reçu : « %1 »)")
                              .arg(p.value(echelle)));
    }
    if (p.isSet(echelle) && a.image.isEmpty())
        return erreur(QStringLiteral("--echelle s'emploie avec --image"));

    if (!a.image.isEmpty() &&
        !QStringList{"png", "jpg", "jpeg", "pdf", "svg"}.contains(extension(a.image)))
        return erreur(QStringLiteral("--image : extension « %1 » inconnue (png, jpg, jpeg, pdf ou svg)")
                          .arg(extension(a.image)));
    // The table is text or a spreadsheet: a name without extension gets ".csv", as in the window.
    if (!a.mesures.isEmpty() && !QStringList{"csv", "txt", "ods", ""}.contains(extension(a.mesures)))
        return erreur(
            QStringLiteral("--mesures : extension « %1 » inconnue (csv, txt ou ods)").arg(extension(a.mesures)));
    if (!a.graphes.isEmpty() && !QStringList{"png", "pdf"}.contains(extension(a.graphes)))
        return erreur(QStringLiteral("--graphes : extension « %1 » inconnue (pdf ou png)").arg(extension(a.graphes)));
    if (!a.python.isEmpty() && extension(a.python) != QStringLiteral("py"))
        return erreur(QStringLiteral("--python : extension « %1 » inconnue (py)").arg(extension(a.python)));

    if (a.exporte()) {
        if (!a.fichier.isEmpty() && extension(a.fichier) != QStringLiteral("p03"))
            return erreur(QStringLiteral("l'exportation attend une configuration .P03 (reçu : %1)").arg(a.fichier));
        a.mode = Arguments::Mode::Export;
    }
    return a;
}

QString texteAide(const QString& nomProgramme)
{
    return QStringLiteral(
               "Utilisation : %1 [--frottements] [FICHIER]\n"
               "       %1 --image IMAGE [--chrono MS] [--repere | --grille] [--vecteurs] [--deltav]\n"
               "             [--trajectoire] [--sommet] [--taille N] [--echelle PX_PAR_M] [FICHIER.P03]\n"
               "       %1 --graphes GRAPHES [FICHIER.P03]\n"
               "       %1 --mesures MESURES.csv [FICHIER.P03]\n"
               "       %1 --python SCRIPT.py [--python-eleve] [FICHIER.P03]\n"
               "\n"
               "Simulateur du mouvement d'un projectile sur la Terre, la Lune ou Mars.\n"
               "Sans option, ouvre la fenêtre ; FICHIER est une configuration (.P03), chargée\n"
               "comme par « Ouvrir », ou un exercice (.E03), ouvert comme par « Ouvrir un exercice ».\n"
               "\n"
               "Exportation sans fenêtre ni écran (le lancer par défaut sans FICHIER.P03) :\n"
               "  --image IMAGE      vol complet avec sa chronophotographie ; écrit la scène comme\n"
               "                     la copie la donne (.png, .jpg, .pdf ou .svg)\n"
               "  --chrono MS        intervalle de la chronophotographie en millisecondes\n"
               "                     (par défaut : celui de la configuration)\n"
               "  --repere           affiche le repère, sans sa grille, sur l'image\n"
               "  --grille           affiche le repère et sa grille sur l'image\n"
               "  --vecteurs         dessine les vecteurs vitesse à chaque photographie\n"
               "  --deltav           dessine les vecteurs variation de vitesse Δv\n"
               "  --trajectoire      trace la trajectoire\n"
               "  --sommet           marque le sommet et le point de chute\n"
               "  --taille N         agrandit l'image N fois (1 à 4) ; vecteurs, tracés et textes\n"
               "                     sont dessinés à cette taille\n"
               "  --echelle PX_PAR_M échelle de la scène en pixels par mètre : 36 (par défaut), 18,\n"
               "                     9, 4,5 ou 1,8 ; « ajuster » prend la plus grande qui montre\n"
               "                     tout le vol (par défaut : celle de la configuration)\n"
               "  --graphes GRAPHES  écrit la page des cinq graphes x(t), y(t), y(x), vitesses et\n"
               "                     énergies, en vectoriel (.pdf, texte sélectionnable, ou .png à 150 dpi)\n"
               "  --mesures FICHIER  écrit le tableau du vol complet en CSV (résumé en tête, « ; »,\n"
               "                     virgule décimale), le même que celui de la fenêtre ; en classeur\n"
               "                     OpenDocument si FICHIER finit par .ods (nombres typés)\n"
               "  --python SCRIPT    écrit un script Python (matplotlib) avec les positions du tableau,\n"
               "                     qui trace les vecteurs vitesse et les vecteurs Δv\n"
               "  --python-eleve     le script à compléter : les calculs des vecteurs sont laissés\n"
               "                     en blanc, marqués « À compléter »\n"
               "\n"
               "  --frottements      frottements de l'air (fenêtre et exportations) : la force\n"
               "                     ½·ρ·Cd·S·v² freine le projectile (sans effet sur la Lune)\n"
               "\n"
               "  -h, --help         affiche cette aide et quitte\n"
               "  -v, --version      affiche la version et quitte\n"
               "\n"
               "Code de retour : 0 réussite, 1 fichier illisible ou impossible à écrire,\n"
               "2 arguments incorrects.\n")
        .arg(nomProgramme);
}

QString texteVersion()
{
    return QStringLiteral("Baltor " BALTOR_VERSION "\n"
                          "Licence GPL-3.0-or-later : logiciel libre, sans aucune garantie.\n");
}
