// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/arguments.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

const QString nomImage = QStringLiteral("image");
const QString nomGraphes = QStringLiteral("graphes");
const QString nomMesures = QStringLiteral("mesures");
const QString nomChrono = QStringLiteral("chrono");
const QString nomRepere = QStringLiteral("repere");
const QString nomGrille = QStringLiteral("grille");

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
    const QCommandLineOption chrono(nomChrono, QString(), QStringLiteral("MS"));
    const QCommandLineOption repere(nomRepere, QString());
    const QCommandLineOption grille(nomGrille, QString());
    p.addOptions({aide, version, image, graphes, mesures, chrono, repere, grille});

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
                                      {&chrono, nomChrono}})
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
    a.repere = p.isSet(repere);
    a.grille = p.isSet(grille);
    for (const auto& [valeur, nom] : {std::pair{a.image, nomImage}, {a.graphes, nomGraphes}, {a.mesures, nomMesures}})
        if (p.isSet(nom) && valeur.trimmed().isEmpty())
            return erreur(QStringLiteral("l'option --%1 attend un nom de fichier").arg(nom));

    if (p.isSet(chrono)) {
        bool ok = false;
        a.chronoMs = p.value(chrono).trimmed().toInt(&ok);
        if (!ok || a.chronoMs <= 0)
            return erreur(QStringLiteral("--chrono attend un nombre entier de millisecondes (reçu : « %1 »)")
                              .arg(p.value(chrono)));
    }
    // A name in bytes that are not UTF-8 reaches the program altered: writing it would make
    // a file of another name.
    for (const auto& [valeur, nom] : {std::pair{a.image, nomImage}, {a.graphes, nomGraphes}, {a.mesures, nomMesures}})
        if (valeur.contains(QChar::ReplacementCharacter))
            return erreur(QStringLiteral("--%1 : le nom « %2 » n'est pas écrit en UTF-8 ; choisissez un autre nom")
                              .arg(nom, valeur));

    if ((p.isSet(chrono) || a.repere || a.grille) && a.image.isEmpty())
        return erreur(QStringLiteral("--chrono, --repere et --grille s'emploient avec --image"));

    if (!a.image.isEmpty() &&
        !QStringList{"png", "jpg", "jpeg", "pdf", "svg"}.contains(extension(a.image)))
        return erreur(QStringLiteral("--image : extension « %1 » inconnue (png, jpg, jpeg, pdf ou svg)")
                          .arg(extension(a.image)));
    // The table is text: a name without extension gets ".csv", as in the window.
    if (!a.mesures.isEmpty() && !QStringList{"csv", "txt", ""}.contains(extension(a.mesures)))
        return erreur(QStringLiteral("--mesures : extension « %1 » inconnue (csv ou txt)").arg(extension(a.mesures)));
    if (!a.graphes.isEmpty() && !QStringList{"png", "pdf"}.contains(extension(a.graphes)))
        return erreur(QStringLiteral("--graphes : extension « %1 » inconnue (pdf ou png)").arg(extension(a.graphes)));

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
               "Utilisation : %1 [FICHIER]\n"
               "       %1 --image IMAGE [--chrono MS] [--repere] [--grille] [FICHIER.P03]\n"
               "       %1 --graphes GRAPHES [FICHIER.P03]\n"
               "       %1 --mesures MESURES.csv [FICHIER.P03]\n"
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
               "  --repere           affiche le repère sur l'image\n"
               "  --grille           affiche le repère et sa grille sur l'image\n"
               "  --graphes GRAPHES  écrit la page des trois graphes x(t), y(t), y(x) (.pdf ou .png)\n"
               "  --mesures FICHIER  écrit le tableau des positions en CSV (« ; », virgule décimale)\n"
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
