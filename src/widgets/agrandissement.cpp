// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/agrandissement.h"

#include "widgets/projection.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLayout>
#include <QMenu>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QToolTip>
#include <QtMath>

#include <algorithm>

namespace {

constexpr const char* suivieParLaVue = "suitAgrandissement";
constexpr const char* policeDonnee = "policeAvantAgrandissement";
constexpr const char* policeExplicite = "policeExpliciteAvantAgrandissement";

QFont agrandie(QFont police, double facteur)
{
    if (police.pointSizeF() > 0)
        police.setPointSizeF(police.pointSizeF() * facteur);
    else if (police.pixelSize() > 0)
        police.setPixelSize(qRound(police.pixelSize() * facteur));
    return police;
}

// The controls of a dialog shown magnified, over what the dialog itself paints at design size.
// In the view they are no longer the dialog's children, so Return clicks the default button
// here, as the dialog itself would.
class ContenuAgrandi : public QWidget {
public:
    ContenuAgrandi(QWidget* fenetre, QImage fond)
        : QWidget(fenetre)
        , fond_(std::move(fond))
    {
    }

protected:
    void paintEvent(QPaintEvent* e) override
    {
        QPainter p(this);
        p.drawImage(e->rect().topLeft(), fond_, e->rect());
    }

    void keyPressEvent(QKeyEvent* e) override
    {
        const bool sansTouche = !e->modifiers() || (e->modifiers() == Qt::KeypadModifier && e->key() == Qt::Key_Enter);
        if (sansTouche && (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)) {
            for (QPushButton* b : findChildren<QPushButton*>())
                if (b->isDefault() && b->isVisible() && b->isEnabled()) {
                    b->click();
                    return;
                }
        }
        QWidget::keyPressEvent(e);
    }

private:
    QImage fond_;
};

// One window following the magnification: while it is above 1, the window's controls move onto
// a content widget shown in a magnifying view that fills the enlarged window; at 1 they come
// back, and the window takes back its size.
class FenetreAgrandie : public QObject {
public:
    FenetreAgrandie(QWidget* fenetre, QSize conception)
        : QObject(fenetre)
        , fenetre_(fenetre)
        , conception_(conception.isValid() ? conception : fenetre->size())
    {
        fenetre->installEventFilter(this);
        connect(&Agrandissement::instance(), &Agrandissement::facteurChange, this, [this](double f) {
            if (vue_ && f != facteur_)
                retrecit();
            if (!vue_ && f > 1.0 && fenetre_->isVisible())
                agrandit(f, false);
        });
    }

    ~FenetreAgrandie() override
    {
        // Closed magnified: the controls go with the window, not left behind in the view.
        if (vue_)
            vue_->rend();
        delete contenu_;
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Show && !vue_ && Agrandissement::instance().facteur() > 1.0)
            agrandit(Agrandissement::instance().facteur(), true);
        else if (e->type() == QEvent::Resize && vue_)
            vue_->setGeometry(fenetre_->rect());
        return false;
    }

private:
    // The window's own controls, in their stacking order, and whether each was hidden.
    QList<QPair<QWidget*, bool>> controles(QWidget* parent) const
    {
        QList<QPair<QWidget*, bool>> liste;
        for (QObject* o : parent->children()) {
            auto* w = qobject_cast<QWidget*>(o);
            if (w && !w->isWindow() && w != contenu_ && w != vue_)
                liste.append({w, w->isHidden()});
        }
        return liste;
    }

    static void deplace(const QList<QPair<QWidget*, bool>>& liste, QWidget* vers)
    {
        for (const auto& [w, cache] : liste) {
            if (w->parentWidget() != vers) {
                const QRect place = w->geometry();
                w->setParent(vers);
                w->setGeometry(place);
            }
            w->setVisible(!cache);
        }
    }

    void agrandit(double f, bool alAffichage)
    {
        facteur_ = f;
        // Taken from the control before it moves: hiding a focused control would pass the
        // focus on (a table would step to its next cell).
        QWidget* focus = fenetre_->focusWidget();
        if (focus)
            focus->clearFocus();
        avant_ = fenetre_->geometry();
        minAvant_ = fenetre_->minimumSize();
        maxAvant_ = fenetre_->maximumSize();
        const bool disposee = fenetre_->layout() != nullptr;

        QImage fond(fenetre_->size(), QImage::Format_ARGB32_Premultiplied);
        fond.fill(Qt::transparent);
        fenetre_->render(&fond, QPoint(), QRegion(), QWidget::DrawWindowBackground);
        contenu_ = new ContenuAgrandi(fenetre_, fond);
        contenu_->setObjectName(QStringLiteral("contenu"));
        contenu_->setAutoFillBackground(true);
        contenu_->setPalette(fenetre_->palette());
        contenu_->setStyleSheet(fenetre_->styleSheet());
        if (fenetre_->testAttribute(Qt::WA_SetFont))
            contenu_->setFont(fenetre_->font());
        // The window grows by the factor, unless it already covers more (the main window),
        // within the screen; centred where it was.
        const QRect ecran = fenetre_->screen() ? fenetre_->screen()->availableGeometry() : QRect();
        QSize taille = fenetre_->size().expandedTo(conception_ * f);
        if (ecran.isValid())
            taille = taille.boundedTo(ecran.size());
        contenu_->resize(disposee ? taille / f : conception_);
        const auto liste = controles(fenetre_);
        if (disposee)
            contenu_->setLayout(fenetre_->layout());  // takes the laid-out controls with it
        deplace(liste, contenu_);
        contenu_->setParent(nullptr);

        if (minAvant_ == maxAvant_)
            fenetre_->setFixedSize(taille);
        else
            fenetre_->setMinimumSize((minAvant_ * f).boundedTo(taille));
        const QRect place = placeAgrandie(taille, ecran);
        // A dialog being shown and never placed is centred over its parent by Qt, at its new size.
        if (!alAffichage || fenetre_->testAttribute(Qt::WA_Moved))
            fenetre_->setGeometry(place);
        else
            fenetre_->resize(taille);

        vue_ = new Projection(fenetre_);
        vue_->setGeometry(fenetre_->rect());
        vue_->montre(contenu_);
        if (disposee)
            vue_->fixeFacteur(f);
        vue_->show();
        redispose();
        if (focus && contenu_->isAncestorOf(focus))
            focus->setFocus(Qt::OtherFocusReason);
    }

    // At the same relative place over its parent window (or centred where it was), in the
    // screen: over the main window's corner, or centred over it, as at design size.
    QRect placeAgrandie(QSize taille, const QRect& ecran) const
    {
        QRect place(QPoint(), taille);
        place.moveCenter(avant_.center());
        if (QWidget* parent = fenetre_->parentWidget() ? fenetre_->parentWidget()->window() : nullptr) {
            const QRect cadre = parent->geometry();
            auto relatif = [](int debut, int marge, int margeAgrandie) {
                return marge > 0 ? qRound(double(debut) / marge * std::max(margeAgrandie, 0)) : margeAgrandie / 2;
            };
            place.moveTopLeft(cadre.topLeft() +
                              QPoint(relatif(avant_.x() - cadre.x(), cadre.width() - avant_.width(), cadre.width() - taille.width()),
                                     relatif(avant_.y() - cadre.y(), cadre.height() - avant_.height(), cadre.height() - taille.height())));
        }
        if (ecran.isValid()) {
            place.moveRight(std::min(place.right(), ecran.right()));
            place.moveBottom(std::min(place.bottom(), ecran.bottom()));
            place.moveLeft(std::max(place.left(), ecran.left()));
            place.moveTop(std::max(place.top(), ecran.top()));
        }
        return place;
    }

    // A window that places controls itself when resized places them again, in their new area.
    void redispose()
    {
        QResizeEvent e(fenetre_->size(), fenetre_->size());
        QCoreApplication::sendEvent(fenetre_, &e);
    }

    void retrecit()
    {
        QWidget* focus = contenu_->focusWidget();
        if (focus)
            focus->clearFocus();
        vue_->rend();
        delete vue_;
        contenu_->setParent(fenetre_);
        const auto liste = controles(contenu_);
        if (QLayout* disposition = contenu_->layout())
            fenetre_->setLayout(disposition);
        deplace(liste, fenetre_);
        delete contenu_;
        fenetre_->setMinimumSize(minAvant_);
        fenetre_->setMaximumSize(maxAvant_);
        fenetre_->setGeometry(avant_);
        redispose();
        facteur_ = 1.0;
        if (focus)
            focus->setFocus(Qt::OtherFocusReason);
    }

    QWidget* fenetre_;
    QSize conception_;
    QPointer<QWidget> contenu_;
    QPointer<Projection> vue_;
    double facteur_ = 1.0;
    QRect avant_;
    QSize minAvant_;
    QSize maxAvant_;
};

// Menus and dialogs that are not shown through a view: they are laid out from their font. One
// opened from a control in a view is shown in that view, already magnified.
bool suitParLaPolice(const QWidget* w)
{
    if (!w->isWindow() || Agrandissement::suivie(w) || !(qobject_cast<const QMenu*>(w) || qobject_cast<const QDialog*>(w)))
        return false;
    for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (p->graphicsProxyWidget())
            return false;
    return true;
}

}  // namespace

Agrandissement::Agrandissement()
{
    qApp->installEventFilter(this);
}

Agrandissement& Agrandissement::instance()
{
    static Agrandissement* seul = new Agrandissement;  // lives as long as the program
    return *seul;
}

void Agrandissement::changeFacteur(double facteur, QObject* source)
{
    if (source && source != source_) {
        if (source_)
            disconnect(source_, nullptr, this, nullptr);
        source_ = source;
        connect(source, &QObject::destroyed, this, [this] {
            source_ = nullptr;
            changeFacteur(1.0);
        });
    }
    facteur = std::max(facteur, 1.0);
    if (qFuzzyCompare(facteur, facteur_))
        return;
    static const QFont bulles = QToolTip::font();
    facteur_ = facteur;
    QToolTip::setFont(agrandie(bulles, facteur));
    for (QWidget* w : QApplication::topLevelWidgets())
        if (suitParLaPolice(w))
            appliquePolice(w);
    emit facteurChange(facteur);
}

void Agrandissement::suit(QWidget* fenetre, QSize conception)
{
    fenetre->setProperty(suivieParLaVue, true);
    new FenetreAgrandie(fenetre, conception);
}

bool Agrandissement::suivie(const QWidget* fenetre)
{
    return fenetre->property(suivieParLaVue).toBool();
}

bool Agrandissement::eventFilter(QObject* objet, QEvent* e)
{
    if (e->type() == QEvent::Polish && facteur_ > 1.0 && objet->isWidgetType()) {
        auto* w = static_cast<QWidget*>(objet);
        if (suitParLaPolice(w))
            appliquePolice(w);
    }
    return false;
}

void Agrandissement::appliquePolice(QWidget* fenetre) const
{
    const QVariant donnee = fenetre->property(policeDonnee);
    if (facteur_ <= 1.0) {
        if (!donnee.isValid())
            return;
        fenetre->setFont(fenetre->property(policeExplicite).toBool() ? donnee.value<QFont>() : QFont());
        fenetre->setProperty(policeDonnee, QVariant());
        fenetre->setProperty(policeExplicite, QVariant());
        return;
    }
    if (!donnee.isValid()) {
        fenetre->setProperty(policeDonnee, fenetre->font());
        fenetre->setProperty(policeExplicite, fenetre->testAttribute(Qt::WA_SetFont));
    }
    fenetre->setFont(agrandie(fenetre->property(policeDonnee).value<QFont>(), facteur_));
}
