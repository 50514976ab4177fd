#include "config/configuration.h"
#include "platform/plateforme.h"
#include "platform/traductions.h"
#include "scene/aide_f1.h"
#include "scene/feuillep.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Baltor"));
    QApplication::setApplicationVersion(QStringLiteral(BALTOR_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("baltor"));
    // The program speaks French whatever the system's settings.
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    installeTraductionsQt(app);
    QApplication::setFont(QFont(QStringLiteral("Arial"), 9));
    QApplication::setWindowIcon(QIcon(cheminProgramme(QStringLiteral("baltor.png"))));

    installeAideF1(app);

    feuilleP fenetre;
    Config::installe(fenetre);
    fenetre.show();
    return app.exec();
}
