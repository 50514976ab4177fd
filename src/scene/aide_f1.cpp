// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene/aide_f1.h"

#include "platform/navigateur_aide.h"
#include "platform/plateforme.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QKeyEvent>
#include <QWidget>

namespace {

QString& fichierAideEnCours()
{
    static QString fichier = QStringLiteral("TUVA.hlp");
    return fichier;
}

}  // namespace

void choisitFichierAide(const QString& nomFichier)
{
    fichierAideEnCours() = nomFichier;
}

QString fichierAide()
{
    return fichierAideEnCours();
}

QString pageAidePour(const QString& nomFenetre)
{
    static const QHash<QString, QString> cours = {
        {QStringLiteral("graphes"), QStringLiteral("equations.html")},
        {QStringLiteral("mesures"), QStringLiteral("sommet.html")},
    };
    static const QHash<QString, QString> pages = {
        {QStringLiteral("feuilleP"), QStringLiteral("fenetre.html")},
        {QStringLiteral("graphes"), QStringLiteral("graphes.html")},
        {QStringLiteral("Machine"), QStringLiteral("calculatrice.html")},
        {QStringLiteral("confimp"), QStringLiteral("impression.html")},
        {QStringLiteral("Fichexo"), QStringLiteral("exercices.html")},
        {QStringLiteral("ouvrir"), QStringLiteral("configurations.html")},
        {QStringLiteral("enregistrer"), QStringLiteral("configurations.html")},
        {QStringLiteral("mesures"), QStringLiteral("mesures.html")},
    };
    const QString aide = documentAide(cheminProgramme(fichierAide()));
    const bool estCours = QFileInfo(aide).dir().dirName() == QStringLiteral("cours");
    const QString page = (estCours ? cours : pages).value(nomFenetre);
    return page.isEmpty() ? aide : QFileInfo(aide).dir().filePath(page);
}

namespace {

class FiltreF1 : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objet, QEvent* e) override
    {
        if (e->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(e)->key() != Qt::Key_F1)
            return QObject::eventFilter(objet, e);
        // The key goes to the focus widget of the window in front: the help is about it.
        QWidget* fenetre = objet->isWidgetType() ? static_cast<QWidget*>(objet)->window() : nullptr;
        if (!fenetre)
            fenetre = QApplication::activeModalWidget();
        if (!fenetre)
            fenetre = QApplication::activeWindow();
        if (!fenetre || fenetre->objectName() == QStringLiteral("NavigateurAide"))
            return true;  // already in the help
        plateforme().afficheAide(fenetre, pageAidePour(fenetre->objectName()));
        return true;
    }
};

}  // namespace

void installeAideF1(QCoreApplication& application)
{
    application.installEventFilter(new FiltreF1(&application));
}
