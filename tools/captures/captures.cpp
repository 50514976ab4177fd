// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the program's windows offscreen into the pictures of the help, and the course's
// figures from the motion law, so both follow the program when it changes.
//   captures-aide <data folder>
//   captures-aide <data folder> vecteurs   the course's vector symbols alone

#include "figures.h"
#include "vecteurs.h"

#include "calc/machine.h"
#include "config/enregistrer.h"
#include "config/ouvrir.h"
#include "graphs/graphes.h"
#include "platform/plateforme_factice.h"
#include "print/confimp.h"
#include "scene/feuillep.h"
#include "widgets/picturebox.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QTextStream>
#include <QTimer>

namespace {

QTextStream sortie(stdout);

void enregistre(const QImage& image, const QString& chemin)
{
    QDir().mkpath(QFileInfo(chemin).path());
    if (image.save(chemin))
        sortie << chemin << " (" << image.width() << " x " << image.height() << ")\n";
    else
        sortie << "ÉCHEC " << chemin << "\n";
}

QImage capture(QWidget* w)
{
    w->show();
    QCoreApplication::processEvents();
    return w->grab().toImage();
}

// A part of a window: the rectangle covering the given controls, with a margin.
QImage partie(QWidget* fenetre, const QList<QWidget*>& controles, int marge = 6)
{
    QRect r;
    for (QWidget* c : controles)
        r |= QRect(c->mapTo(fenetre, QPoint(0, 0)), c->size());
    r.adjust(-marge, -marge, marge, marge);
    return capture(fenetre).copy(r.intersected(fenetre->rect()));
}

template <typename... W>
QList<QWidget*> liste(W*... w)
{
    return {static_cast<QWidget*>(w)...};
}

void anime(feuilleP& f)
{
    for (int i = 0; i < 5000 && f.Timer1->isActive(); ++i)
        f.Timer1_Timer();
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("Arial"), 9));
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    if (argc < 2) {
        sortie << "captures-aide <dossier data>\n";
        return 2;
    }
    const QDir data(QString::fromLocal8Bit(argv[1]));
    const QString aide = data.filePath(QStringLiteral("aide/images/"));
    const QString cours = data.filePath(QStringLiteral("cours/images/"));

    // "captures-aide <data> vecteurs" draws the vector symbols alone and prints their tags.
    QStringList balises;
    for (const Figure& fig : vecteursCours(&balises))
        enregistre(fig.image, cours + fig.nom);
    if (argc > 2 && QString::fromLocal8Bit(argv[2]) == QLatin1String("vecteurs")) {
        for (const QString& b : balises)
            sortie << b << "\n";
        return 0;
    }

    // Message boxes and dialogs answered without a screen; the data beside this program.
    AvecPlateformeFactice faux;
    faux.factice.repertoire = QCoreApplication::applicationDirPath();

    {
        feuilleP f;
        f.Form_Load();
        enregistre(capture(&f), aide + QStringLiteral("fenetre.png"));
        enregistre(partie(&f, liste(f.Label6, f.Picture3)), aide + QStringLiteral("parametres.png"));
        enregistre(partie(&f, liste(f.Label7, f.Frame2)), aide + QStringLiteral("options.png"));
        enregistre(partie(&f, liste(f.command15, f.command16, f.command18, f.speed)),
                   aide + QStringLiteral("animation.png"));
        enregistre(partie(&f, liste(f.command12, f.chrono, f.Label5, f.Image4, f.Check4)),
                   aide + QStringLiteral("chrono.png"));
        enregistre(partie(&f, liste(f.Command1, f.Command2, f.btexo), 3), aide + QStringLiteral("commandes.png"));

        // A chronophotography of the default throw (the balloon bounces).
        f.command12_Click();
        anime(f);
        enregistre(capture(&f), aide + QStringLiteral("chronophotographie.png"));

        // For the course: a stone (no bounce), the frame with its graduations drawn over.
        f.Combo1_Click();
        f.Combo2->setCurrentIndex(1);
        f.Combo2_Click();
        f.command12_Click();
        anime(f);
        f.Check3->setChecked(false);
        f.Check1->setChecked(true);
        f.Check1_Click();
        enregistre(f.Picture2->Image(), cours + QStringLiteral("chronophotographie.png"));

        // The throw on the Moon, grid shown.
        f.Combo1->setCurrentIndex(1);
        f.Combo1_Click();
        f.Text3->setText(QStringLiteral("4"));
        f.Text3_LostFocus();
        f.Text4->setText(QStringLiteral("60"));
        f.Text4_LostFocus();
        f.chrono->setText(QStringLiteral("300"));
        f.chrono_LostFocus();
        f.command12_Click();
        anime(f);
        f.Check3->setChecked(true);
        f.Check1->setChecked(true);
        f.Check1_Click();
        enregistre(f.Picture2->Image(), cours + QStringLiteral("lune.png"));

        // The configuration windows open on the current folder: one with a few set-ups, at a
        // fixed place so that the pictures stay the same from one run to the next.
        QDir racine(QDir::temp().filePath(QStringLiteral("Baltor")));
        racine.removeRecursively();
        const QString classe = racine.filePath(QStringLiteral("Physique"));
        QDir().mkpath(classe);
        for (const char* nom : {"chute_libre.P03", "lancer_45.P03", "lune.P03", "mars.P03", "tir_tendu.P03"}) {
            QFile fichier(QDir(classe).filePath(QString::fromLatin1(nom)));
            fichier.open(QIODevice::WriteOnly);
        }
        const QString avant = QDir::currentPath();
        QDir::setCurrent(classe);
        {
            enregistrer e(f);
            enregistre(capture(&e), aide + QStringLiteral("enregistrer.png"));
        }
        {
            ouvrir o(f);
            enregistre(capture(&o), aide + QStringLiteral("ouvrir.png"));
        }
        QDir::setCurrent(avant);
        racine.removeRecursively();

        confimp c(f.Picture2, nullptr, &f);
        c.defaut->setText(QStringLiteral("Imprimante de la salle de sciences"));
        enregistre(capture(&c), aide + QStringLiteral("imprimer.png"));
    }
    {
        EntreesGraphes e{QStringLiteral("ballon ( m = 450 g )"), QRect(0, 0, 800, 600), 9.8f, 1.2202f, 13.9467f,
                         QStringLiteral("0,0"), QStringLiteral("0,0")};
        graphes g(e);
        enregistre(capture(&g), aide + QStringLiteral("graphes.png"));
    }
    {
        Machine m;
        m.angle[1]->setChecked(true);  // degrees
        m.B2_Click();
        m.multip_Click();
        m.bsin_Click();
        m.B3_Click();
        m.B0_Click();
        m.plus_Click();
        m.B3_Click();
        m.btcarre_Click();
        m.EXE_Click();
        enregistre(capture(&m), aide + QStringLiteral("calculatrice.png"));
    }
    for (const Figure& fig : figuresCours())
        enregistre(fig.image, cours + fig.nom);
    return 0;
}
