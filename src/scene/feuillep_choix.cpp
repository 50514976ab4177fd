// SPDX-License-Identifier: GPL-3.0-or-later
// Choice of the place and of the projectile.

#include "scene/feuillep.h"

#include "core/module1.h"
#include "platform/plateforme.h"
#include "scene/repere.h"
#include "widgets/imagecontrol.h"
#include "widgets/picturebox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTimer>

namespace {

struct Lieu {
    const char* image;
    float g;
};
constexpr Lieu lieux[] = {{"terre.jpg", 9.8f}, {"lune.jpg", 1.62f}, {"mars.jpg", 3.71f}};
constexpr const char* sons[] = {"pom.wav", "bim.wav", "bam.wav", "bam.wav", "boum.wav"};

}  // namespace

void feuilleP::Combo1_Click()
{
    Picture2->Cls();  // also erases the chronophotographs
    mesuresEfface();
    const int i = qBound(0, Combo1->currentIndex(), 2);
    const QString fichier = cheminProgramme(QString::fromLatin1(lieux[i].image));
    Module1::g = lieux[i].g;
    for (QLabel* l : {Label1, Label2, Label4}) {
        QPalette pal = l->palette();
        pal.setColor(QPalette::WindowText, Qt::white);
        l->setPalette(pal);
    }
    const QImage image(fichier);
    if (image.isNull()) {
        plateforme().msgBox(QStringLiteral("Le fichier ") + fichier +
                                QStringLiteral(" doit se trouver dans le même répertoire que l'application.") +
                                QStringLiteral("\r\n") +
                                QStringLiteral("Ce n'est pas le cas actuellement: sortie de l'application."),
                            StyleMsg::Critique, QStringLiteral("Erreur fatale"));
        plateforme().termine(1);
        return;
    }
    Picture2->setPicture(fondAEchelle(image, echelleScene_));
    Timer1->stop();
    Check1->setEnabled(true);
    if (Check1->isChecked())
        repere();
    command18_Click();
}

void feuilleP::Combo2_Click()
{
    Timer1->stop();
    Check1->setEnabled(true);
    Module1::rebondActif = 0;
    Module1::t = 0.0f;
    const int i = qBound(0, Combo2->currentIndex(), 4);
    projectile->setPicture(ImageList1.value(i));
    ombre->setPicture(ImageList2.value(i));

    if (MMControl1)
        MMControl1->ferme();
    else
        MMControl1 = plateforme().nouveauClip();
    MMControl1->ouvre(cheminProgramme(QString::fromLatin1(sons[i])));

    command18_Click();
}
