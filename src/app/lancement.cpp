// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/lancement.h"

#include "platform/plateforme.h"
#include "platform/traductions.h"

#include <QApplication>
#include <QEvent>
#include <QFont>
#include <QIcon>
#include <QLocale>
#include <QTimer>
#include <QWidget>


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

namespace {

class GuetteurPremiereImage : public QObject {
public:
    GuetteurPremiereImage(QObject* parent, std::FILE* sortie)
        : QObject(parent)
        , sortie_(sortie)
    {
    }

protected:
    bool eventFilter(QObject* objet, QEvent* e) override
    {
        if (e->type() == QEvent::Paint) {
            objet->removeEventFilter(this);
            // Written once the paint event is over and the frame handed to the window system.
            QTimer::singleShot(0, this, [this] {
                std::fputs("premiere-image\n", sortie_);
                std::fflush(sortie_);
                deleteLater();
            });
        }
        return false;
    }

private:
    std::FILE* sortie_;
};

}  // namespace

void signalePremiereImage(QWidget& fenetre, std::FILE* sortie)
{
    if (qEnvironmentVariableIsEmpty("BALTOR_PREMIERE_IMAGE"))
        return;
    fenetre.installEventFilter(new GuetteurPremiereImage(&fenetre, sortie));
}
