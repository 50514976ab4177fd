// SPDX-License-Identifier: GPL-3.0-or-later
// The main window from the keyboard: the Tab chain in reading order, a visible focus mark,
// leaving a field, the help line following the focus, and pasted text filtered like typed keys.

#include "scene/feuillep.h"

#include "core/module1.h"
#include "core/nombres.h"
#include "scene/aides.h"
#include "sim/saisie.h"
#include "widgets/picturebox.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTextEdit>
#include <QToolButton>
#include <QValidator>

#include <functional>

namespace {

// Every change a user makes to a field (typed, pasted, dropped, middle-click or input method)
// goes through validate(); the characters it brings pass the field's key filter one by one.
// Texts the program sets are left alone: they are validated when the field is left.
class FiltreDeCollage : public QValidator {
public:
    FiltreDeCollage(QLineEdit* champ, sim::Champ sorte)
        : QValidator(champ)
        , champ_(champ)
        , sorte_(sorte)
        , precedent_(champ->text())
    {
    }

    State validate(QString& texte, int& pos) const override
    {
        if (champ_->isModified() && texte != precedent_) {
            const qsizetype court = std::min(texte.size(), precedent_.size());
            qsizetype debut = 0;
            while (debut < court && texte[debut] == precedent_[debut])
                ++debut;
            qsizetype fin = 0;
            while (fin < court - debut && texte[texte.size() - 1 - fin] == precedent_[precedent_.size() - 1 - fin])
                ++fin;
            const QString apporte = texte.mid(debut, texte.size() - debut - fin);
            QString garde;
            for (QChar c : apporte) {
                const QChar f = sim::filtreTouche(sorte_, c);
                // Enter and backspace are keys, not characters of a pasted text.
                if (!f.isNull() && f != sim::toucheEntree && f != sim::toucheRetour)
                    garde.append(f);
            }
            if (garde != apporte) {
                texte = texte.left(debut) + garde + texte.right(fin);
                if (pos > debut)
                    pos = int(std::max(debut, pos - (apporte.size() - garde.size())));
            }
        }
        precedent_ = texte;
        return Acceptable;
    }

private:
    QLineEdit* champ_;
    sim::Champ sorte_;
    mutable QString precedent_;
};

const char* marqueDeFocus = R"(
QToolButton:focus { border: 2px solid #1e64c8; border-radius: 4px; background: rgba(30, 100, 200, 40); }
QLabel#Label6:focus, QLabel#Label7:focus { border: 2px solid #ffd84a; }
)";

// A frame over the scene, never in its image, while the keyboard has brought the focus there:
// the program gives the scene the focus after each command, and the mouse needs no mark.
class MarqueFocusScene : public QObject {
public:
    explicit MarqueFocusScene(QWidget* scene)
        : QObject(scene)
        , marque_(new QFrame(scene))
    {
        marque_->setObjectName(QStringLiteral("marqueFocus"));
        marque_->setAttribute(Qt::WA_TransparentForMouseEvents);
        marque_->setStyleSheet(
            QStringLiteral("QFrame#marqueFocus { border: 3px solid #1e64c8; background: transparent; }"));
        marque_->hide();
        scene->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* objet, QEvent* e) override
    {
        if (e->type() == QEvent::FocusIn) {
            const Qt::FocusReason r = static_cast<QFocusEvent*>(e)->reason();
            if (r == Qt::TabFocusReason || r == Qt::BacktabFocusReason || r == Qt::ShortcutFocusReason) {
                marque_->setGeometry(static_cast<QWidget*>(objet)->rect());
                marque_->raise();
                marque_->show();
            }
        } else if (e->type() == QEvent::FocusOut) {
            marque_->hide();
        }
        return false;
    }

private:
    QFrame* marque_;
};

}  // namespace

void feuilleP::prepareClavier()
{
    const struct { QLineEdit* champ; sim::Champ sorte; } champs[] = {
        {Text1, sim::Champ::X0}, {Text2, sim::Champ::Y0}, {Text3, sim::Champ::V0},
        {Text4, sim::Champ::Angle}, {chrono, sim::Champ::Chrono},
    };
    for (const auto& c : champs)
        c.champ->setValidator(new FiltreDeCollage(c.champ, c.sorte));

    // The tick reads the interval as last validated: a text set by the program counts as
    // validated, what the user types only once the field is left.
    intervalleValide_ = Module1::lisNombre(sim::valideChrono(chrono->text()));
    connect(chrono, &QLineEdit::textChanged, this, [this](const QString& texte) {
        if (!chrono->isModified())
            intervalleValide_ = Module1::lisNombre(sim::valideChrono(texte));
    });

    // The title bars hide their panel from the keyboard too.
    for (QLabel* barre : {Label6, Label7})
        barre->setFocusPolicy(Qt::TabFocus);
    // A covered button is out of the chain: it shows only while its panel is hidden.
    Image1->setVisible(Picture3->isHidden());
    Image3->setVisible(Frame2->isHidden());
    // Tab leaves the exercise text for the command row.
    supertext->setTabChangesFocus(true);
    btexo->setText(QStringLiteral("E&xercices"));
    setStyleSheet(styleSheet() + QLatin1String(marqueDeFocus));
    new MarqueFocusScene(Picture2);
    ordreTab();

    for (QWidget* w : findChildren<QWidget*>())
        if (w->focusPolicy() != Qt::NoFocus)
            w->installEventFilter(this);
}

void feuilleP::ordreTab()
{
    // Reading order: the parameters, the options, the animation, the chronophotography, the
    // exercise, the command row, then the scene (Menu or Shift+F10 opens its measuring menu).
    const QList<QWidget*> chaine = {
        Label6, Image1, Combo2, Combo1, Text1, Text2, Text3, Text4,
        Label7, Image3, Check1, Check3, Check2,
        command15, command16, command18, speed, Check4,
        command12, chrono, Image4, fich, supertext,
        btexo, Command2, Command11, Command13, Command14, Command8, Command10, Command4, Command9,
        Command7, Command1, Picture2,
    };
    for (qsizetype i = 1; i < chaine.size(); ++i)
        QWidget::setTabOrder(chaine[i - 1], chaine[i]);
}

void feuilleP::champQuitte(QObject* champ, QFocusEvent* e)
{
    // Another application, a Baltor window or a popup (the field's own menu) took the focus:
    // the pupil has not left the field.
    if (changeEchelle_)
        return;
    switch (e->reason()) {
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
    case Qt::MenuBarFocusReason:
        return;
    default:
        break;
    }
    // The focus is already on its way to where the pupil sent it; the reset leaves it there.
    const QScopedValueRollback<bool> garde(quitteChamp_, true);
    if (champ == Text1)
        Text1_LostFocus();
    else if (champ == Text2)
        Text2_LostFocus();
    else if (champ == Text3)
        Text3_LostFocus();
    else if (champ == Text4)
        Text4_LostFocus();
    else if (champ == chrono)
        chrono_LostFocus();
}

void feuilleP::focusRecu(QWidget* w, QFocusEvent* e)
{
    // Only a focus the pupil moved with the keyboard; the mouse has its own help line, and the
    // program's moves to the scene must not hide the sentence of the button just pressed.
    if (e->reason() != Qt::TabFocusReason && e->reason() != Qt::BacktabFocusReason &&
        e->reason() != Qt::ShortcutFocusReason)
        return;
    for (QWidget* p = w; p && p != this; p = p->parentWidget()) {
        if (p == Command4 && info->text() == confirmationCopie)
            return;  // the copy confirmation stays, as it does for the mouse
        if (p == command12) {
            info->setText(aides::chronophotographie(command12->toolTip()));
            return;
        }
        if (p == Picture2) {
            // From the keyboard the scene has keys of its own.
            info->setText(aides::texte(p->objectName()) +
                          QStringLiteral("\r\nTouches + et − : échelle de la scène ; touche Menu : menu de la scène."));
            return;
        }
        if (const QString texte = aides::texte(p->objectName()); !texte.isEmpty()) {
            info->setText(texte);
            return;
        }
    }
}
