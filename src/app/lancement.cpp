// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/lancement.h"

#include "platform/plateforme.h"
#include "platform/traductions.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QLocale>

#include <csignal>

void protegeEcritures()
{
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

void preparesApplication()
{
    QApplication::setApplicationName(QStringLiteral("Baltor"));
    QApplication::setApplicationVersion(QStringLiteral(BALTOR_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("baltor"));
    // The program speaks French whatever the system's settings.
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    installeTraductionsQt(*QCoreApplication::instance());
    QApplication::setFont(QFont(QStringLiteral("Arial"), 9));
    QApplication::setWindowIcon(QIcon(cheminProgramme(QStringLiteral("baltor.png"))));
}
