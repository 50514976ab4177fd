// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/projection.h"

#include <QGraphicsProxyWidget>
#include <QPaintEvent>
#include <QResizeEvent>
#include <QtMath>

#include <algorithm>
#include <utility>

namespace {

// Tab past the last control comes back to the first, as in a window of its own (the scene
// holds nothing else to go to).
class ProxyEnBoucle : public QGraphicsProxyWidget {
public:
    using QGraphicsProxyWidget::QGraphicsProxyWidget;

protected:
    bool focusNextPrevChild(bool suivant) override
    {
        QWidget* w = widget();
        if (!w)
            return QGraphicsProxyWidget::focusNextPrevChild(suivant);
        QWidget* depuis = w->focusWidget() ? w->focusWidget() : w;
        QWidget* c = depuis;
        do {
            c = suivant ? c->nextInFocusChain() : c->previousInFocusChain();
            if (c != w && c->isVisibleTo(w) && c->isEnabled() && (c->focusPolicy() & Qt::TabFocus) &&
                w->isAncestorOf(c)) {
                c->setFocus(suivant ? Qt::TabFocusReason : Qt::BacktabFocusReason);
                return true;
            }
        } while (c != depuis);
        return false;
    }
};

}  // namespace

Projection::Projection(QWidget* parent)
    : QGraphicsView(parent)
{
    setObjectName(QStringLiteral("projection"));
    setScene(&scene_);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAlignment(Qt::AlignCenter);
    setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    setViewportUpdateMode(QGraphicsView::MinimalViewportUpdate);
    setOptimizationFlag(QGraphicsView::DontAdjustForAntialiasing);
    setBackgroundBrush(QColor(40, 40, 40));
    viewport()->setMouseTracking(true);
}

Projection::~Projection()
{
    // The widget belongs to whoever gave it: it is not destroyed with the scene.
    rend();
}

void Projection::montre(QWidget* contenu)
{
    rend();
    for (QWidget* w : contenu->findChildren<QWidget*>())
        polices_.append({w, w->font(), w->testAttribute(Qt::WA_SetFont)});
    polices_.prepend({contenu, contenu->font(), contenu->testAttribute(Qt::WA_SetFont)});
    proxy_ = new ProxyEnBoucle;
    proxy_->setWidget(contenu);
    scene_.addItem(proxy_);
    scene_.setSceneRect(QRectF(QPointF(0, 0), contenu->size()));
    ajuste();
    setFocus(Qt::OtherFocusReason);
    proxy_->setFocus(Qt::OtherFocusReason);
    if (QWidget* f = contenu->focusWidget())
        f->setFocus(Qt::OtherFocusReason);
}

QWidget* Projection::rend()
{
    if (!proxy_)
        return nullptr;
    QWidget* w = proxy_->widget();
    proxy_->setWidget(nullptr);
    scene_.removeItem(proxy_);
    delete proxy_;
    proxy_ = nullptr;
    if (w)
        w->setParent(nullptr);
    // In the view every control inherited the view's font and kept it: the given fonts come
    // back, and with them the captions' widths (parents first, so children inherit again).
    for (const Police& p : std::as_const(polices_)) {
        if (!p.controle || (p.controle->font() == p.police && p.controle->testAttribute(Qt::WA_SetFont) == p.explicite))
            continue;
        p.controle->setFont(p.explicite ? p.police : QFont());
        if (p.controle->font() != p.police)
            p.controle->setFont(p.police);
    }
    polices_.clear();
    return w;
}

QWidget* Projection::contenu() const
{
    return proxy_ ? proxy_->widget() : nullptr;
}

double Projection::facteur() const
{
    if (facteurFixe_ > 0.0)
        return facteurFixe_;
    const QRectF r = scene_.sceneRect();
    if (r.isEmpty())
        return 1.0;
    return std::min(viewport()->width() / r.width(), viewport()->height() / r.height());
}

void Projection::fixeFacteur(double facteur)
{
    facteurFixe_ = facteur;
    ajuste();
}

void Projection::ajuste()
{
    const double f = facteur();
    if (facteurFixe_ > 0.0 && proxy_ && proxy_->widget()) {
        const QSize taille(qFloor(viewport()->width() / f), qFloor(viewport()->height() / f));
        proxy_->widget()->resize(taille);
        scene_.setSceneRect(QRectF(QPointF(0, 0), taille));
    }
    setTransform(QTransform::fromScale(f, f));
    centerOn(scene_.sceneRect().center());
}

void Projection::resizeEvent(QResizeEvent* e)
{
    QGraphicsView::resizeEvent(e);
    ajuste();
}

void Projection::paintEvent(QPaintEvent* e)
{
    // A tick repaints a few small places far apart (the projectile, its shadow, the date and
    // coordinates): each is drawn on its own, not the magnified rectangle spanning them all.
    const QRegion zone = e->region();
    if (zone.rectCount() <= 1 || zone.rectCount() > 8) {
        QGraphicsView::paintEvent(e);
        return;
    }
    for (const QRect& r : zone) {
        QPaintEvent partiel(r);
        QGraphicsView::paintEvent(&partiel);
    }
}
