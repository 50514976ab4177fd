// SPDX-License-Identifier: GPL-3.0-or-later
// genere-donnees DOSSIER [ICONES]: draws the pictures and synthesises the sounds of the program
// into DOSSIER (the data/ folder of the sources), and the desktop's icons into ICONES
// (dist/icones). Runs without a display.
#include "donnees.h"

#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>

namespace donnees {

bool enregistre(const QImage& img, const QDir& dossier, const QString& nom, int qualite)
{
    const QString chemin = dossier.filePath(nom);
    if (!QDir().mkpath(QFileInfo(chemin).absolutePath()) || !img.save(chemin, nullptr, qualite)) {
        std::fprintf(stderr, "Impossible d'écrire %s\n", qPrintable(chemin));
        return false;
    }
    std::printf("%s (%d x %d)\n", qPrintable(nom), img.width(), img.height());
    return true;
}

}  // namespace donnees

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "Usage : genere-donnees DOSSIER [ICONES]\n");
        return 2;
    }
    const QDir dossier(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(dossier.absolutePath())) {
        std::fprintf(stderr, "Impossible de créer le dossier %s\n", qPrintable(dossier.absolutePath()));
        return 1;
    }
    // Each family runs even when another failed, so one bad write does not hide the rest.
    bool ok = donnees::genereFonds(dossier);
    ok = donnees::genereProjectiles(dossier) && ok;
    ok = donnees::genereSons(dossier) && ok;
    ok = donnees::genereIcones(dossier) && ok;
    ok = donnees::genereApplication(dossier) && ok;
    if (argc == 3)
        ok = donnees::genereIconesBureau(QDir(QString::fromLocal8Bit(argv[2]))) && ok;
    return ok ? 0 : 1;
}
