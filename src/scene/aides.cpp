// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene/aides.h"

#include <QHash>

namespace aides {

QString parDefaut()
{
    return QStringLiteral("Vous pouvez modifier les paramètres,\r\nouvrir une configuration ou un exercice");
}

QString chronophotographie(const QString& infoBulle)
{
    return infoBulle == QStringLiteral("Chronophotographie")
               ? QStringLiteral("Appuyer sur la caméra pour commencer l'enregistrement.")
               : QStringLiteral("Appuyer sur le bouton pour arrêter l'enregistrement en cours.");
}

QString texte(const QString& nom)
{
    static const QString options =
        QStringLiteral("Les options d'affichage s'appliquent également à l'image copiée ou imprimée.");
    static const QString intervalle =
        QStringLiteral("Vous pouvez régler l'intervalle de temps pour la chronophotographie.");
    static const QString animation =
        QStringLiteral("Vous pouvez activer ou arrêter l'animation ou retrouver la position initiale.");
    static const QHash<QString, QString> table = {
        {QStringLiteral("Command1"), QStringLiteral("Pour retrouver le module principal et quitter cette application: bouton Fermer")},
        {QStringLiteral("Command7"), QStringLiteral("Si vous rencontrez une difficulté avec cette application: bouton Aide")},
        {QStringLiteral("Command9"), QStringLiteral("Le bouton Voir le cours permet d'accéder directement à une partie du cours du manuel")},
        {QStringLiteral("Command8"), QStringLiteral("En appuyant sur le bouton Calculatrice, vous activerez la machine à calculer")},
        {QStringLiteral("Command14"), QStringLiteral("Pour obtenir les graphes x(t), y(t) et y(x), appuyer sur le bouton « Graphes »")},
        {QStringLiteral("Command10"), QStringLiteral("Utiliser la touche imprimer pour configurer l'imprimante et imprimer l'image")},
        {QStringLiteral("Command4"), QStringLiteral("Copier pour placer l'image dans le presse- papiers puis coller depuis Word, Paint...")},
        {QStringLiteral("Command11"), QStringLiteral("En appuyant sur le bouton enregistrer, vous pouvez conserver la configuration en cours")},
        {QStringLiteral("Command2"), QStringLiteral("En appuyant sur le bouton Ouvrir, vous pouvez retrouver une situation enregistrée")},
        {QStringLiteral("Command13"), QStringLiteral("Pour effacer les chronophotographies de l'image actuelle: bouton « Nouveau »")},
        {QStringLiteral("btexo"), QStringLiteral("Ouvrir un énoncé, enregistrer le texte, obtenir la correction, imprimer ou fermer.")},
        {QStringLiteral("Check1"), options},
        {QStringLiteral("Check2"), options},
        {QStringLiteral("Check3"), options},
        {QStringLiteral("Frame2"), options},
        {QStringLiteral("Label5"), intervalle},
        {QStringLiteral("chrono"), intervalle},
        {QStringLiteral("command15"), animation},
        {QStringLiteral("command16"), animation},
        {QStringLiteral("command18"), animation},
        {QStringLiteral("speed"), animation},
        {QStringLiteral("Image1"), QStringLiteral("Afficher et modifier les paramètres de l'expérience: lieu, projectile...")},
        {QStringLiteral("Image3"), QStringLiteral("Afficher le repère, la grille, les coordonnées... Options")},
        {QStringLiteral("Picture2"), QStringLiteral("Vous pouvez déplacer le projectile directement sur l'image pour modifier la position initiale")},
        {QStringLiteral("Picture3"), QStringLiteral("Vous pouvez modifier tous les paramètres de la simulation: lieu, position et vitesse initiale.")},
    };
    return table.value(nom);
}

}  // namespace aides
