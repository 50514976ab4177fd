// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of the main window and the painting of its own background.

#include "scene/feuillep.h"

#include "core/module1.h"
#include "core/nombres.h"
#include "scene/accueil.h"
#include "scene/aide_f1.h"
#include "scene/aides.h"
#include "scene/panneau.h"
#include "sim/echelle.h"
#include "widgets/imagecontrol.h"
#include "widgets/picturebox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

namespace {

// A plain disc stands in for a projectile picture missing from the program's folder.
QImage imageDeSecours(bool estOmbre)
{
    QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    if (estOmbre) {
        p.setBrush(QColor(0, 0, 0, 90));
        p.drawEllipse(QRectF(6, 25, 20, 4));
    } else {
        p.setBrush(QColor(200, 60, 40));
        p.drawEllipse(QRectF(6, 6, 20, 20));
    }
    return image;
}

QIcon icone(const QString& nom)
{
    const QImage image(cheminProgramme(QStringLiteral("icones/") + nom));
    return image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image));
}

}  // namespace

void feuilleP::chargeImages()
{
    ImageList1.clear();
    ImageList2.clear();
    for (int i = 1; i <= 5; ++i) {
        QImage p(cheminProgramme(QStringLiteral("projectile%1.png").arg(i)));
        QImage o(cheminProgramme(QStringLiteral("ombre%1.png").arg(i)));
        ImageList1.append(p.isNull() ? imageDeSecours(false) : p);
        ImageList2.append(o.isNull() ? imageDeSecours(true) : o);
    }
    const struct { QToolButton* bouton; const char* fichier; const char* texte; } boutons[] = {
        {command15, "demarrer.png", "▶"}, {command16, "pause.png", "❚❚"}, {command18, "retour.png", "|◀"},
        {Image4, "stop.png", "Stop"}, {Image1, "parametres.png", "P"}, {Image3, "options.png", "O"},
        {btexo, "exercices.png", nullptr},
    };
    for (const auto& b : boutons) {
        const QIcon i = icone(QString::fromLatin1(b.fichier));
        b.bouton->setIcon(i);
        if (i.isNull() && b.texte)
            b.bouton->setText(QString::fromUtf8(b.texte));
    }
    const QImage camera(cheminProgramme(QStringLiteral("icones/camera.png")));
    const QImage arret(cheminProgramme(QStringLiteral("icones/arret.png")));
    Image5->setPixmap(QPixmap::fromImage(camera));
    Image6->setPixmap(QPixmap::fromImage(arret));
}

void feuilleP::Form_Load()
{
    chargeImages();
    choisitFichierAide(QStringLiteral("TUVA.hlp"));  // the application's help file, until "Voir le cours"

    // Simulation state and the scene's ground line.
    chronoActif = 0;
    Module1::t = 0.0f;
    Picture2->Cls();
    projectile->setTop(420);
    ombre->setTop(420);
    ombre->setLeft(projectile->left());

    Form_Resize();
    Module1::texteAccueil(*supertext);

    // Places and projectiles; each selection runs its handler, which loads the picture or sound.
    Combo1->clear();
    Combo1->addItems({QStringLiteral("Terre ( g = 9,8 N / kg )"), QStringLiteral("Lune ( g = 1,62 N / kg )"),
                      QStringLiteral("Mars ( g = 3,71 N / kg )")});
    Combo1->setCurrentIndex(0);
    Combo1_Click();
    Combo2->clear();
    Combo2->addItems({QStringLiteral("pomme ( m = 180 g )"), QStringLiteral("pierre ( m = 330 g )"),
                      QStringLiteral("ballon ( m = 450 g )"), QStringLiteral("boule de pétanque ( m = 800 g )"),
                      QStringLiteral("rocher ( m = 1830 kg )")});
    Combo2->setCurrentIndex(2);
    Combo2_Click();
    Text1->setText(Module1::formate(echelleScene_.xDe(projectile->left()), Module1::imageChamp));
    Text2->setText(Module1::formate(echelleScene_.yDe(projectile->top()), Module1::imageChamp));
    voxvoy();

    info->setText(aides::parDefaut());
    confirmationCopie =
        QStringLiteral("L'image est copiée: vous pouvez la retrouver depuis toute application Windows (coller)");
    dessinePanneau(*Picture3);
    maj12();
    Form_Paint();
}

void feuilleP::Form_Paint()
{
    update();
}

void feuilleP::dessineFondFenetre(QPainter& p, const QRect& zone) const
{
    p.save();
    p.setClipRect(zone);
    // Vertical gradient from white to a warm grey, one band per pixel row; under a magnified
    // view the bands meet edge to edge (no smoothing of their edges).
    p.setRenderHint(QPainter::Antialiasing, false);
    const int haut = qMax(zone.top(), 0);
    const int bas = zone.bottom();
    auto couleur = [](int g) {
        const int rv = int(255 - g / 600.0 * 55);
        const int b = int(255 - g / 600.0 * 75);
        return QColor(rv, rv, b);
    };
    for (int g = haut; g <= qMin(bas, 600); ++g)
        p.fillRect(QRect(zone.left(), g, zone.width(), 1), couleur(g));
    if (bas > 600)
        p.fillRect(QRect(zone.left(), qMax(haut, 601), zone.width(), bas - qMax(haut, 601) + 1), couleur(600));

    // Drop shadow behind the exercise title and text.
    p.fillRect(QRect(QPoint(supertext->x() + 3, fich->y() + 3),
                     QPoint(supertext->x() + supertext->width() + 3, supertext->y() + supertext->height() + 3)),
               QColor(128, 128, 128));

    // Shadowed title under the scene.
    QFont titre(QStringLiteral("Arial"), 14, QFont::Bold);
    p.setFont(titre);
    const int dessous = Picture2->y() + Picture2->height();
    const int ascent = QFontMetrics(titre).ascent();
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(QColor(128, 128, 128));
    p.drawText(Picture2->x() + 52, dessous + 5 + ascent, QStringLiteral("Simulation :"));
    p.setPen(QColor(0, 0, 255));
    p.drawText(Picture2->x() + 50, dessous + 3 + ascent, QStringLiteral("Simulation :"));
    p.restore();
}

void feuilleP::paintEvent(QPaintEvent* e)
{
    QPainter p(this);
    dessineFondFenetre(p, e->rect());
}
