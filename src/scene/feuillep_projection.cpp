// SPDX-License-Identifier: GPL-3.0-or-later
// On a projector: when the window is larger than its 800 x 600 design (maximised, or full
// screen with F11), the whole content is magnified uniformly to fill it, centred. F11 or
// Escape leave full screen.

#include "scene/feuillep.h"

#include "scene/aides.h"
#include "widgets/agrandissement.h"
#include "widgets/projection.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QShortcut>
#include <QVariant>

namespace {

constexpr QSize tailleDeConception(800, 600);
// Each control's font at design size, kept while the content is magnified.
constexpr const char* policeDeConception = "policeDeConception";

// The content paints the window's background and sets the default help line itself, so that
// both follow it when it is shown magnified.
class FondDuContenu : public QObject {
public:
    explicit FondDuContenu(feuilleP* f)
        : QObject(f)
        , f_(f)
    {
    }

protected:
    bool eventFilter(QObject* objet, QEvent* e) override
    {
        auto* contenu = static_cast<QWidget*>(objet);
        if (e->type() == QEvent::Paint) {
            const QRect zone = static_cast<QPaintEvent*>(e)->rect();
            QPainter p(contenu);
            f_->dessineFondFenetre(p, zone);
            return true;
        }
        if (e->type() == QEvent::MouseMove && static_cast<QMouseEvent*>(e)->buttons() == Qt::NoButton)
            f_->info->setText(aides::parDefaut());
        return false;
    }

private:
    feuilleP* f_;
};

}  // namespace

void feuilleP::prepareProjection()
{
    contenu_ = new QWidget(this);
    contenu_->setObjectName(QStringLiteral("contenu"));
    contenu_->setGeometry(QRect(QPoint(0, 0), tailleDeConception));
    contenu_->setMouseTracking(true);
    contenu_->installEventFilter(new FondDuContenu(this));
    contenu_->setStyleSheet(styleSheet());
    // Every control moves onto the content, in its stacking order, keeping its place and
    // whether it was hidden.
    const QObjectList enfants = children();
    for (QObject* o : enfants) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || w == contenu_ || w->isWindow())
            continue;
        const bool cache = w->isHidden();
        const QRect place = w->geometry();
        w->setParent(contenu_);
        w->setGeometry(place);
        w->setVisible(!cache);
    }
    ordreTab();

    auto* f11 = new QShortcut(QKeySequence(Qt::Key_F11), this);
    connect(f11, &QShortcut::activated, this, [this] {
        if (isFullScreen())
            showNormal();
        else
            showFullScreen();
    });
    // Escape belongs to the controls except in full screen.
    auto* echap = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    echap->setObjectName(QStringLiteral("quitteEcranComplet"));
    echap->setEnabled(false);
    connect(echap, &QShortcut::activated, this, [this] {
        if (isFullScreen())
            showNormal();
    });
}

void feuilleP::ajusteEchelle()
{
    if (!contenu_)
        return;
    if (auto* echap = findChild<QShortcut*>(QStringLiteral("quitteEcranComplet")))
        echap->setEnabled(isFullScreen());
    const double facteur = std::min(double(width()) / tailleDeConception.width(),
                                    double(height()) / tailleDeConception.height());
    const bool agrandi = facteur > 1.0;
    // Every other window follows.
    Agrandissement::instance().changeFacteur(agrandi ? facteur : 1.0, this);
    if (agrandi == (projection_ != nullptr)) {
        if (projection_)
            projection_->setGeometry(rect());
        return;
    }
    // The focus stays on the control that had it; moving it is not leaving a field.
    QWidget* focus = contenu_->focusWidget();
    const QScopedValueRollback<bool> garde(changeEchelle_, true);
    if (agrandi) {
        for (QWidget* w : contenu_->findChildren<QWidget*>())
            if (!w->property(policeDeConception).isValid())
                w->setProperty(policeDeConception, w->font());
        projection_ = new Projection(this);
        projection_->setGeometry(rect());
        contenu_->setParent(nullptr);
        projection_->montre(contenu_);
        projection_->show();
    } else {
        QWidget* c = projection_->rend();
        delete projection_;
        projection_ = nullptr;
        c->setParent(this);
        // In the view every control inherited the view's font, and kept it: the design's
        // fonts come back, and with them the captions' widths and the command row's layout.
        for (QWidget* w : c->findChildren<QWidget*>()) {
            const QVariant police = w->property(policeDeConception);
            if (police.isValid() && w->font() != police.value<QFont>())
                w->setFont(police.value<QFont>());
        }
        c->move(0, 0);
        c->show();
    }
    ordreTab();
    if (focus)
        focus->setFocus(Qt::OtherFocusReason);
}
