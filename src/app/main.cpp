// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/arguments.h"
#include "app/lancement.h"
#include "app/ouverture.h"
#include "config/configuration.h"
#include "exercises/fichexo.h"
#include "export/exportation.h"
#include "scene/aide_f1.h"
#include "scene/feuillep.h"

#include <QApplication>
#include <QTextStream>
#include <QTimer>

#include <memory>

namespace {

QStringList argumentsDe(int argc, char** argv)
{
    QStringList liste;
    for (int i = 0; i < argc; ++i)
        liste.append(QString::fromLocal8Bit(argv[i]));
    return liste;
}

}  // namespace

int main(int argc, char** argv)
{
    protegeEcritures();
    // The command line is read before any window system is reached: --help, --version and a
    // wrong argument answer on a machine without a display.
    const Arguments arguments = analyseArguments(argumentsDe(argc, argv));
    switch (arguments.mode) {
    case Arguments::Mode::Aide:
        QTextStream(stdout) << texteAide(QStringLiteral("baltor"));
        return CodeSortie::Succes;
    case Arguments::Mode::Version:
        QTextStream(stdout) << texteVersion();
        return CodeSortie::Succes;
    case Arguments::Mode::Erreur:
        QTextStream(stderr) << QStringLiteral("baltor : ") << arguments.erreur << Qt::endl
                            << QStringLiteral("« baltor --help » donne la liste des options.") << Qt::endl;
        return CodeSortie::Arguments;
    case Arguments::Mode::Export: {
        // No window is shown: a school server or a script has no display. The toolkit's own
        // notices (no runtime folder, no sound device) are not the user's business here; the
        // program's messages are written directly.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
            if (type == QtFatalMsg)
                QTextStream(stderr) << message << Qt::endl;
        });
        QApplication app(argc, argv);
        preparesApplication();
        return exporte(arguments);
    }
    case Arguments::Mode::Fenetre:
        break;
    }

    QApplication app(argc, argv);
    preparesApplication();
    installeAideF1(app);

    feuilleP fenetre;
    Config::installe(fenetre);
    // The exercise window lives with the main window and hands it the exercise menu; it is made
    // when first asked for.
    std::unique_ptr<Fichexo> exercices;
    auto lesExercices = [&]() -> Fichexo& {
        if (!exercices)
            exercices = std::make_unique<Fichexo>(&fenetre);
        return *exercices;
    };
    fenetre.prepareExercices = [&] { lesExercices(); };
    signalePremiereImage(fenetre);
    fenetre.show();
    // A file given by the file manager or the terminal opens once the window is up, so that
    // its messages, if any, stand over it.
    // --frottements wins over the file's own choice.
    if (!arguments.fichier.isEmpty() || arguments.frottements)
        QTimer::singleShot(0, &fenetre, [&] {
            if (!arguments.fichier.isEmpty())
                ouvreFichier(fenetre, lesExercices(), arguments.fichier);
            if (arguments.frottements)
                fenetre.changeFrottements(true);
        });
    return app.exec();
}
