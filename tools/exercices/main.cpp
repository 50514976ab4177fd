// SPDX-License-Identifier: GPL-3.0-or-later
// genere-exercices genere <sources> <data>      checks the sources and writes their files
// genere-exercices verifie <sources>            checks every figure of every source
// genere-exercices calcule "<changes>" <names>  prints figures for a set-up (to write a text)
// genere-exercices typographie <pages.html>     non-breaking spaces where French needs them
#include "calculs.h"
#include "generateur.h"
#include "typographie.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>
#include <QTextStream>

using namespace exercices;

namespace {

QTextStream sortie(stdout);

int genere(const QString& sources, const QString& donnees, bool ecrire)
{
    QStringList erreurs;
    const QMap<QString, QByteArray> fichiers = fichiersDeTout(lisSources(sources, &erreurs), &erreurs);
    QFile cours(QDir(sources).filePath(QStringLiteral("../cours.txt")));
    if (cours.open(QIODevice::ReadOnly))
        erreurs << verifieCours(QString::fromUtf8(cours.readAll()),
                                QDir(donnees.isEmpty() ? sources + QStringLiteral("/../../../data") : donnees)
                                    .filePath(QStringLiteral("cours")));
    for (const QString& e : erreurs)
        sortie << e << "\n";
    if (!erreurs.isEmpty())
        return 1;
    int ecrits = 0;
    for (auto it = fichiers.begin(); ecrire && it != fichiers.end(); ++it) {
        const QString chemin = QDir(donnees).filePath(it.key());
        QFile actuel(chemin);
        if (actuel.open(QIODevice::ReadOnly) && actuel.readAll() == it.value())
            continue;
        QDir().mkpath(QFileInfo(chemin).absolutePath());
        QSaveFile f(chemin);
        if (!f.open(QIODevice::WriteOnly) || f.write(it.value()) != it.value().size() || !f.commit()) {
            sortie << chemin << ": écriture impossible\n";
            return 1;
        }
        ++ecrits;
    }
    sortie << fichiers.size() << " fichiers, " << ecrits << " écrits\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() >= 3 && args.at(0) == QLatin1String("genere"))
        return genere(args.at(1), args.at(2), true);
    if (args.size() >= 2 && args.at(0) == QLatin1String("verifie"))
        return genere(args.at(1), QString(), false);
    if (args.size() >= 2 && args.at(0) == QLatin1String("typographie")) {
        // The help and course pages are written by hand: this mends their spaces in place.
        for (const QString& chemin : args.mid(1)) {
            QFile f(chemin);
            if (!f.open(QIODevice::ReadOnly))
                return 1;
            const QString avant = QString::fromUtf8(f.readAll());
            f.close();
            const QString apres = typographieHtml(avant);
            QSaveFile s(chemin);
            if (apres != avant && (!s.open(QIODevice::WriteOnly) || s.write(apres.toUtf8()) < 0 || !s.commit()))
                return 1;
        }
        return 0;
    }
    if (args.size() >= 3 && args.at(0) == QLatin1String("calcule")) {
        QString nom;
        const auto m = avecChangements(Montage{}, QStringLiteral("x[") + args.at(1) + QStringLiteral("]"), &nom);
        if (!m)
            return 2;
        for (const QString& d : defautsMontage(*m))
            sortie << "! " << d << "\n";
        for (const QString& g : args.mid(2)) {
            QString erreur;
            const auto v = grandeur(*m, g, &erreur);
            sortie << g << " = " << (v ? QString::number(*v, 'f', 4) : erreur) << "\n";
        }
        return 0;
    }
    sortie << "genere-exercices genere <sources> <data> | verifie <sources> | calcule \"<changements>\" <grandeurs>\n";
    return 2;
}
