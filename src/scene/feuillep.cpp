// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene/feuillep.h"

#include "sim/frottements.h"

#include "core/module1.h"
#include "core/nombres.h"
#include "widgets/imagecontrol.h"
#include "widgets/picturebox.h"
#include "widgets/controles.h"
#include "widgets/projection.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

namespace {

QLabel* barreDeTitre(QWidget* parent, const char* nom, const QString& texte, const QRect& r)
{
    auto* l = cree<QLabel>(parent, nom, r);
    l->setText(texte);
    l->setAutoFillBackground(true);
    l->setStyleSheet(QStringLiteral("QLabel { background: qlineargradient(x1:0, y1:0, x2:1, y2:0, "
                                    "stop:0 #00207a, stop:1 #3a6fc4); color: white; font-weight: bold; }"));
    l->setCursor(Qt::PointingHandCursor);
    return l;
}

QToolButton* boutonImage(QWidget* parent, const char* nom, const QRect& r)
{
    auto* b = cree<QToolButton>(parent, nom, r);
    b->setIconSize(QSize(r.width() - 6, r.height() - 6));
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::TabFocus);
    return b;
}

}  // namespace

feuilleP::feuilleP(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("feuilleP"));
    setWindowTitle(QStringLiteral("Baltor - Simulation du mouvement d'un projectile"));
    resize(800, 600);
    setMouseTracking(true);
    creeControles();
    connecteControles();
    Form_Load();
    prepareProjection();
}

feuilleP::~feuilleP()
{
    Timer1->stop();
    if (MMControl1)
        MMControl1->ferme();
    // Magnified, the content belongs to the view, which hands it back parentless: it must come
    // back here to go with the window.
    if (projection_)
        if (QWidget* c = projection_->rend())
            c->setParent(this);
}

void feuilleP::creeControles()
{
    creeScene();

    // Parameter panel.
    Label6 = barreDeTitre(this, "Label6", QStringLiteral(" Paramètres"), QRect(424, 6, 222, 18));
    Picture3 = new PictureBox(QStringLiteral("Picture3"), this);
    Picture3->move(424, 24);
    Picture3->setTaille(QSize(222, 152));
    Picture3->setBackColor(QColor(246, 246, 238));
    Picture3->setFont(QFont(QStringLiteral("Arial"), 8));  // the lists and fields match the captions
    Combo1 = cree<QComboBox>(Picture3, "Combo1", QRect(82, 31, 136, 20));
    Combo2 = cree<QComboBox>(Picture3, "Combo2", QRect(82, 7, 136, 20));
    for (QComboBox* c : {Combo1, Combo2}) {
        c->view()->setMinimumWidth(210);
        c->setFocusPolicy(Qt::StrongFocus);
    }
    Text1 = cree<QLineEdit>(Picture3, "Text1", QRect(156, 55, 60, 20));
    Text2 = cree<QLineEdit>(Picture3, "Text2", QRect(156, 79, 60, 20));
    Text3 = cree<QLineEdit>(Picture3, "Text3", QRect(156, 103, 60, 20));
    Text4 = cree<QLineEdit>(Picture3, "Text4", QRect(156, 127, 60, 20));
    for (QLineEdit* e : {Text1, Text2, Text3, Text4})
        e->setAlignment(Qt::AlignRight);
    Text1->setText(QStringLiteral("0"));
    Text2->setText(QStringLiteral("0"));
    Text3->setText(QStringLiteral("14,0"));
    Text4->setText(QStringLiteral("85,0"));
    Image1 = boutonImage(this, "Image1", QRect(424, 24, 32, 32));
    Image1->lower();

    // Display options.
    Label7 = barreDeTitre(this, "Label7", QStringLiteral(" Options"), QRect(652, 6, 142, 18));
    Frame2 = cree<QFrame>(this, "Frame2", QRect(652, 24, 142, 76));
    Frame2->setFrameShape(QFrame::StyledPanel);
    Frame2->setAutoFillBackground(true);
    Frame2->setPalette(QPalette(QColor(246, 246, 238)));
    Check1 = cree<QCheckBox>(Frame2, "Check1", QRect(5, 4, 135, 22));
    Check1->setText(QStringLiteral("Afficher le repère"));
    Check3 = cree<QCheckBox>(Frame2, "Check3", QRect(5, 27, 135, 22));
    Check3->setText(QStringLiteral("Afficher la grille"));
    Check2 = cree<QCheckBox>(Frame2, "Check2", QRect(5, 50, 135, 22));
    Check2->setText(QStringLiteral("Date et coordonnées"));
    Check3->setChecked(true);
    Check3->setEnabled(false);
    Check2->setChecked(true);
    Image3 = boutonImage(this, "Image3", QRect(652, 24, 32, 32));
    Image3->lower();

    // Animation.
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(40);
    Timer1->setTimerType(Qt::PreciseTimer);
    command15 = boutonImage(this, "command15", QRect(660, 108, 40, 40));
    command15->setToolTip(QStringLiteral("Simulation"));
    command16 = boutonImage(this, "command16", QRect(707, 108, 40, 40));
    command16->setToolTip(QStringLiteral("Pause"));
    command18 = boutonImage(this, "command18", QRect(754, 108, 40, 40));
    command18->setToolTip(QStringLiteral("Retrouver la position initiale"));
    speed = cree<QCheckBox>(this, "speed", QRect(662, 154, 130, 20));
    speed->setText(QStringLiteral("Ralenti"));
    Check4 = cree<QCheckBox>(this, "Check4", QRect(424, 184, 232, 20));
    Check4->setText(QStringLiteral("Initialiser si sortie de l'écran"));
    Check4->setChecked(true);

    // Chronophotography.
    command12 = boutonImage(this, "command12", QRect(424, 210, 48, 44));
    Image5 = cree<QLabel>(this, "Image5", QRect(0, 0, 32, 32));
    Image6 = cree<QLabel>(this, "Image6", QRect(0, 0, 32, 32));
    Image5->hide();
    Image6->hide();
    Label5 = cree<QLabel>(this, "Label5", QRect(478, 210, 250, 18));
    Label5->setText(QStringLiteral("Entre deux photographies (de 10 à 5 000 ms):"));
    chrono = cree<QLineEdit>(this, "chrono", QRect(478, 232, 60, 20));
    chrono->setText(QStringLiteral("150"));
    chrono->setAlignment(Qt::AlignRight);
    Image4 = boutonImage(this, "Image4", QRect(754, 210, 40, 40));
    Image4->setToolTip(QStringLiteral("Stop"));

    // Exercise title and text.
    fich = cree<QLineEdit>(this, "fich", QRect(424, 266, 370, 22));
    fich->setReadOnly(true);
    supertext = cree<QTextEdit>(this, "supertext", QRect(424, 288, 370, 266));
    supertext->setAcceptRichText(true);

    // Help line under the scene.
    info = cree<QLabel>(this, "info", QRect(6, 498, 410, 56));
    info->setWordWrap(true);
    info->setMargin(6);
    info->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    info->setStyleSheet(QStringLiteral("QLabel { background: #fffff0; border: 1px solid #b8b8a0; color: #202020; }"));

    // Command row.
    auto* rangee = new QWidget(this);
    rangee->setObjectName(QStringLiteral("rangeeCommandes"));
    rangee->setGeometry(6, 564, 788, 30);
    QFont policeRangee(QStringLiteral("Arial"), 8);
    rangee->setFont(policeRangee);
    auto* ligne = new QHBoxLayout(rangee);
    ligne->setContentsMargins(0, 0, 0, 0);
    ligne->setSpacing(3);
    auto bouton = [&](const char* nom, const QString& texte) {
        auto* b = new QPushButton(texte, rangee);
        b->setObjectName(QString::fromLatin1(nom));
        // Equal shares of the row, whatever the captions' widths.
        b->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
        ligne->addWidget(b, 1);
        return b;
    };
    btexo = new QToolButton(rangee);
    btexo->setObjectName(QStringLiteral("btexo"));
    btexo->setText(QStringLiteral("Exercices"));
    btexo->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    btexo->setIconSize(QSize(20, 20));
    btexo->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    btexo->setMinimumWidth(88);
    ligne->addWidget(btexo);
    Command2 = bouton("Command2", QStringLiteral("&Ouvrir"));
    Command11 = bouton("Command11", QStringLiteral("&Enregistrer"));
    Command13 = bouton("Command13", QStringLiteral("&Effacer"));
    Command14 = bouton("Command14", QStringLiteral("&Graphes"));
    Command8 = bouton("Command8", QStringLiteral("&Calculatrice"));
    Command10 = bouton("Command10", QStringLiteral("&Imprimer"));
    Command4 = bouton("Command4", QStringLiteral("Co&pier"));
    Command9 = bouton("Command9", QStringLiteral("&Voir le cours"));
    Command7 = bouton("Command7", QStringLiteral("&Aide"));
    Command1 = bouton("Command1", QStringLiteral("&Fermer"));

    connect(Combo1, &QComboBox::activated, this, &feuilleP::Combo1_Click);
    connect(Combo2, &QComboBox::activated, this, &feuilleP::Combo2_Click);
    connect(Timer1, &QTimer::timeout, this, &feuilleP::Timer1_Timer);
    connect(command15, &QToolButton::clicked, this, &feuilleP::command15_Click);
    connect(command16, &QToolButton::clicked, this, &feuilleP::command16_Click);
    connect(command18, &QToolButton::clicked, this, &feuilleP::command18_Click);
    connect(Check1, &QCheckBox::clicked, this, &feuilleP::Check1_Click);
    connect(Check2, &QCheckBox::clicked, this, &feuilleP::Check2_Click);
    connect(Check3, &QCheckBox::clicked, this, &feuilleP::Check3_Click);
    connect(Command13, &QPushButton::clicked, this, &feuilleP::Combo1_Click);
}

void feuilleP::creeScene()
{
    Picture2 = new PictureBox(QStringLiteral("Picture2"), this);
    Picture2->move(6, 6);
    Picture2->setTaille(QSize(410, 460));
    Picture2->setBackColor(Qt::black);
    // In the Tab chain too: the measuring menu opens from the keyboard (Menu, Shift+F10).
    Picture2->setFocusPolicy(Qt::StrongFocus);
    ombre = new ImageControl(QStringLiteral("ombre"), Picture2);
    projectile = new ImageControl(QStringLiteral("projectile"), Picture2);
    projectile->setCursor(QCursor(Qt::OpenHandCursor));

    QFont police(QStringLiteral("Arial"), 10, QFont::Bold);
    int y = 6;
    for (QLabel** l : {&Label2, &Label1, &Label4}) {
        *l = new QLabel(Picture2);
        (*l)->setFont(police);
        (*l)->setGeometry(262, y, 144, 18);
        (*l)->setMargin(0);
        (*l)->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        (*l)->setAttribute(Qt::WA_TransparentForMouseEvents);
        y += 18;
    }
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2->setObjectName(QStringLiteral("Label2"));
    Label4->setObjectName(QStringLiteral("Label4"));
}

sim::Reglages feuilleP::reglages() const
{
    sim::Reglages r;
    r.x0 = float(Module1::lisNombre(Text1->text()));
    r.y0 = float(Module1::lisNombre(Text2->text()));
    r.lieu = Combo1->currentIndex();
    r.projectile = Combo2->currentIndex();
    r.ralenti = speed->isChecked();
    r.sortieInitialise = Check4->isChecked();
    r.intervalleMs = intervalleValide_;
    r.echelle = echelleScene_;
    r.trainee = frottements_ ? sim::coefficientTrainee(r.lieu, r.projectile) : 0.0;
    return r;
}
