// SPDX-License-Identifier: GPL-3.0-or-later
// The command row, the panel toggles, the help line, the size rule and the quit guard.

#include "scene/feuillep.h"

#include "graphs/energiesgraphes.h"

#include "calc/machine.h"
#include "core/module1.h"
#include "graphs/graphes.h"
#include "widgets/imagecontrol.h"
#include "platform/plateforme.h"
#include "scene/aides.h"
#include "widgets/picturebox.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QComboBox>
#include <QCheckBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

void feuilleP::connecteControles()
{
    for (QLineEdit* champ : {Text1, Text2, Text3, Text4, chrono})
        champ->installEventFilter(this);
    for (QWidget* w : findChildren<QWidget*>())
        if (!aides::texte(w->objectName()).isEmpty() || w == command12)
            w->installEventFilter(this);
    Label6->installEventFilter(this);
    Label7->installEventFilter(this);
    installeMesures();
    installeEchelle();
    installeFrottements();

    connect(projectile, &ImageControl::mouseMove, this, &feuilleP::projectile_MouseMove);
    connect(command12, &QToolButton::clicked, this, &feuilleP::command12_Click);
    connect(Image1, &QToolButton::clicked, this, &feuilleP::Image1_Click);
    connect(Image3, &QToolButton::clicked, this, &feuilleP::Image3_Click);
    connect(Image4, &QToolButton::clicked, this, &feuilleP::Image4_Click);
    connect(Command1, &QPushButton::clicked, this, &feuilleP::Command1_Click);
    connect(Command8, &QPushButton::clicked, this, &feuilleP::Command8_Click);
    connect(Command14, &QPushButton::clicked, this, &feuilleP::Command14_Click);
    connect(Command11, &QPushButton::clicked, this, &feuilleP::Command11_Click);
    connect(Command2, &QPushButton::clicked, this, &feuilleP::Command2_Click);
    connect(Command10, &QPushButton::clicked, this, &feuilleP::Command10_Click);
    connect(Command4, &QPushButton::clicked, this, &feuilleP::Command4_Click);
    connect(Command7, &QPushButton::clicked, this, &feuilleP::Command7_Click);
    connect(Command9, &QPushButton::clicked, this, &feuilleP::Command9_Click);
    connect(fich, &QLineEdit::textChanged, this, &feuilleP::fich_Change);
    connect(btexo, &QToolButton::clicked, this, &feuilleP::btexo_Click);
    connect(supertext, &QTextEdit::textChanged, this, &feuilleP::supertext_Change);
    prepareClavier();
    nommeControles();
}

bool feuilleP::eventFilter(QObject* objet, QEvent* e)
{
    switch (e->type()) {
    case QEvent::KeyPress:
        if (objet == Picture2 && toucheEchelle(static_cast<QKeyEvent*>(e)))
            return true;
        if (objet == Text1 || objet == Text2 || objet == Text3 || objet == Text4 || objet == chrono)
            return toucheChamp(objet, static_cast<QKeyEvent*>(e));
        if (objet == Label6 || objet == Label7) {
            const int touche = static_cast<QKeyEvent*>(e)->key();
            if (touche == Qt::Key_Space || touche == Qt::Key_Return || touche == Qt::Key_Enter) {
                objet == Label6 ? Label6_Click() : Label7_Click();
                return true;
            }
        }
        break;
    case QEvent::FocusOut:
        if (objet == Text1 || objet == Text2 || objet == Text3 || objet == Text4 || objet == chrono)
            champQuitte(objet, static_cast<QFocusEvent*>(e));
        break;
    case QEvent::FocusIn:
        if (objet->isWidgetType())
            focusRecu(static_cast<QWidget*>(objet), static_cast<QFocusEvent*>(e));
        break;
    case QEvent::Enter:
        if (objet == command12)
            info->setText(aides::chronophotographie(command12->toolTip()));
        else if (objet == Command4 && info->text() == confirmationCopie)
            ;  // the copy confirmation stays until the mouse goes elsewhere
        else if (const QString texte = aides::texte(objet->objectName()); !texte.isEmpty())
            info->setText(texte);
        break;
    case QEvent::MouseButtonRelease:
        if (objet == Label6)
            Label6_Click();
        else if (objet == Label7)
            Label7_Click();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(objet, e);
}

void feuilleP::mouseMoveEvent(QMouseEvent* e)
{
    info->setText(aides::parDefaut());
    QWidget::mouseMoveEvent(e);
}

// A panel's button shows only while the panel is hidden, so that Tab never reaches a covered
// control; the keyboard focus follows the control that takes the place of the one it was on.
void feuilleP::Image1_Click()
{
    const bool focus = Image1->hasFocus();
    Picture3->show();
    Label6->show();
    Image1->hide();
    if (focus)
        Label6->setFocus(Qt::TabFocusReason);
}

void feuilleP::Label6_Click()
{
    const bool focus = Label6->hasFocus() || Picture3->isAncestorOf(Label6->window()->focusWidget());
    Image1->show();
    Picture3->hide();
    Label6->hide();
    if (focus)
        Image1->setFocus(Qt::TabFocusReason);
}

void feuilleP::Image3_Click()
{
    const bool focus = Image3->hasFocus();
    Frame2->show();
    Label7->show();
    Image3->hide();
    if (focus)
        Label7->setFocus(Qt::TabFocusReason);
}

void feuilleP::Label7_Click()
{
    const bool focus = Label7->hasFocus() || Frame2->isAncestorOf(Label7->window()->focusWidget());
    Image3->show();
    Frame2->hide();
    Label7->hide();
    if (focus)
        Image3->setFocus(Qt::TabFocusReason);
}

void feuilleP::Image4_Click()
{
    Picture2->setFocus();
    chronoActif = 0;
    Check1->setEnabled(true);
    maj12();
    Timer1->stop();
    command18_Click();
}

void feuilleP::Command1_Click()
{
    close();
}

void feuilleP::Command8_Click()
{
    Machine calculatrice(this);
    calculatrice.exec();
}

EntreesGraphes feuilleP::entreesGraphes() const
{
    return {Combo2->currentText(), geometry(), Module1::g,    Module1::vx,
            Module1::vy,           Text1->text(), Text2->text(), reglages().trainee};
}

void feuilleP::Command14_Click()
{
    graphes::affiche(entreesGraphes(), this,
                     [this](QWidget* parent) { grapheEnergies::affiche(entreesEnergies(), parent); });
}

void feuilleP::fich_Change()
{
    fich->setCursorPosition(int(fich->text().size()));
    fich->setToolTip(fich->text());
}

void feuilleP::supertext_Change()
{
    if (!fich->text().isEmpty())
        Module1::texteModifie = 1;
}

void feuilleP::Form_Activate()
{
    plusbouton();
}

void feuilleP::Form_Resize()
{
    const Plateforme& p = plateforme();
    if (p.tailleEcran().width() >= 850)
        return;
    if (isMaximized() || isMinimized() || isFullScreen())
        showNormal();
    if (size() != QSize(800, 600))
        resize(800, 600);
    const QSize ecran = p.tailleEcran();
    move((ecran.width() - frameGeometry().width()) / 2, (ecran.height() - frameGeometry().height()) / 2);
}

void feuilleP::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    Form_Resize();
    ajusteEchelle();
}

void feuilleP::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
    if (e->type() == QEvent::WindowStateChange)
        ajusteEchelle();
    QWidget::changeEvent(e);
}

void feuilleP::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    Form_Activate();
}

void feuilleP::closeEvent(QCloseEvent* e)
{
    if (Module1::texteModifie == 1 &&
        plateforme().msgBox(QStringLiteral("Attention: perte des modifications du texte."),
                            StyleMsg::OkAnnuler + StyleMsg::Question,
                            QStringLiteral("Abandon des données?")) == ReponseMsg::Annuler) {
        e->ignore();
        return;
    }
    if (plateforme().msgBox(QStringLiteral("Quitter vraiment ce simulteur ?"), StyleMsg::OkAnnuler + StyleMsg::Question,
                            QStringLiteral("Fermer")) == ReponseMsg::Annuler) {
        e->ignore();
        return;
    }
    Timer1->stop();
    if (MMControl1)
        MMControl1->ferme();
    e->accept();
}
