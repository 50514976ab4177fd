// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader says of each control of the main window: a name saying what the control
// holds or does, and the help line's sentence as its description.

#include "scene/feuillep.h"

#include "scene/aides.h"
#include "widgets/picturebox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QToolButton>

void feuilleP::nommeControles()
{
    const struct { QWidget* w; const char* nom; } noms[] = {
        {Picture3, "Paramètres de l'expérience"},
        {Combo2, "Projectile"},
        {Combo1, "Lieu"},
        {Text1, "Position initiale x0 en mètres"},
        {Text2, "Position initiale y0 en mètres"},
        {Text3, "Vitesse initiale v0 en mètres par seconde"},
        {Text4, "Angle de la vitesse initiale avec Ox en degrés"},
        {Label6, "Masquer les paramètres"},
        {Image1, "Afficher les paramètres"},
        {Frame2, "Options d'affichage"},
        {Label7, "Masquer les options"},
        {Image3, "Afficher les options"},
        {command15, "Lancer"},
        {command16, "Pause"},
        {command18, "Retour à la position initiale"},
        {chrono, "Intervalle entre deux photographies en millisecondes"},
        {Image4, "Stop: arrêter l'enregistrement et revenir à la position initiale"},
        {fich, "Titre de l'exercice"},
        {supertext, "Texte de l'exercice"},
        {info, "Ligne d'aide"},
        {btexo, "Exercices"},
    };
    for (const auto& n : noms)
        n.w->setAccessibleName(QString::fromUtf8(n.nom));

    const struct { QWidget* w; const char* description; } descriptions[] = {
        {Text1, "De -0,39 à 10,03 m"},
        {Text2, "De 0 à 11,67 m"},
        {Text3, "De 0 à 100 m/s"},
        {Text4, "De -180 à 180 degrés"},
        {chrono, "De 10 à 5 000 ms"},
        {Label6, "Cache le panneau des paramètres"},
        {Label7, "Cache le panneau des options"},
    };
    for (const auto& d : descriptions)
        d.w->setAccessibleDescription(QString::fromUtf8(d.description));

    // Every other control with a help line sentence is described by it.
    for (QWidget* w : findChildren<QWidget*>())
        if (w->accessibleDescription().isEmpty())
            if (const QString texte = aides::texte(w->objectName()); !texte.isEmpty())
                w->setAccessibleDescription(texte);
}

void feuilleP::nommeScene(const sim::Affichage& a)
{
    Picture2->setAccessibleName(QStringLiteral("Scène: position du projectile ") + a.x + QStringLiteral(", ") + a.y);
    Picture2->setAccessibleDescription(a.date);
}
