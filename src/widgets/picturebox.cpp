// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/picturebox.h"

#include "widgets/imagecontrol.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

PictureBox::PictureBox(const QString& nom, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(nom);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    police = font();
}

PictureBox::~PictureBox()
{
    // The pictures go first, while the list that tracks them still exists.
    const QList<ImageControl*> images = images_;
    images_.clear();
    for (ImageControl* image : images) {
        disconnect(image, nullptr, this, nullptr);
        delete image;
    }
}

void PictureBox::setTaille(const QSize& taille)
{
    setFixedSize(taille);
    if (!calque_.isNull()) {
        const QImage ancien = calque_;
        calque_ = QImage();
        QPainter p(&calque());
        p.drawImage(0, 0, ancien);
    }
    calqueChange();
    if (echelle_.isNull())
        echelle_ = QRectF(0, 0, taille.width(), taille.height());
    setEchelle(echelle_);
    update();
}

void PictureBox::setEchelle(const QRectF& unites)
{
    echelle_ = unites;
    versPixels_ = QTransform();
    if (unites.width() != 0 && unites.height() != 0) {
        versPixels_.scale(width() / unites.width(), height() / unites.height());
        versPixels_.translate(-unites.left(), -unites.top());
    }
}

void PictureBox::setPicture(const QImage& image)
{
    fond_ = image.isNull() ? QImage() : image.convertToFormat(QImage::Format_RGB32);
    update();
}

void PictureBox::setBackColor(const QColor& c)
{
    fondCouleur_ = c;
    update();
}

QImage PictureBox::ImageSansSurcouche() const
{
    QImage composite(size(), QImage::Format_RGB32);
    composite.fill(fondCouleur_);
    QPainter p(&composite);
    if (!fond_.isNull())
        p.drawImage(0, 0, fond_);
    if (!calque_.isNull())
        p.drawImage(0, 0, calque_);
    return composite;
}

QImage PictureBox::Image() const
{
    QImage composite = ImageSansSurcouche();
    if (!surcouche_.isNull()) {
        QPainter p(&composite);
        p.drawImage(0, 0, surcouche_);
    }
    return composite;
}

void PictureBox::setSurcouche(const QImage& image)
{
    surcouche_ = image;
    update();
}

void PictureBox::fixeDessin()
{
    fond_ = ImageSansSurcouche();
    calque_ = QImage();
    calqueChange();
}

QImage& PictureBox::calque()
{
    if (calque_.isNull()) {
        calque_ = QImage(size(), QImage::Format_ARGB32_Premultiplied);
        calque_.fill(Qt::transparent);
    }
    return calque_;
}

const QImage& PictureBox::mesureur()
{
    // Same resolution as the drawing layer, which may not exist yet.
    static const QImage image(1, 1, QImage::Format_ARGB32_Premultiplied);
    return image;
}

void PictureBox::Cls()
{
    calque_ = QImage();
    calqueChange();
    courant = QPointF(0, 0);
    update();
}

QPen PictureBox::crayon(const QColor& c) const
{
    QPen stylo(c);
    stylo.setWidthF(drawWidth <= 1 ? 0.0 : drawWidth / versPixels_.m11());  // 0 = one pixel, cosmetic
    stylo.setCosmetic(drawWidth <= 1);
    stylo.setCapStyle(Qt::FlatCap);
    if (drawStyle == 1)
        stylo.setStyle(Qt::DashLine);
    else if (drawStyle == 2)
        stylo.setStyle(Qt::DotLine);
    return stylo;
}

void PictureBox::prepare(QPainter& p) const
{
    p.setTransform(versPixels_);
}

void PictureBox::Line(QPointF a, QPointF b, const QColor& c)
{
    QPainter p(&calque());
    prepare(p);
    p.setPen(crayon(c));
    p.drawLine(a, b);
    courant = b;
    const QRect zone = versPixels_.mapRect(QRectF(a, b).normalized()).toAlignedRect().adjusted(-2, -2, 2, 2);
    calqueChange(zone.adjusted(-drawWidth, -drawWidth, drawWidth, drawWidth));
    update(zone);
}

void PictureBox::LigneVers(QPointF b, const QColor& c)
{
    Line(courant, b, c);
}

void PictureBox::Box(QPointF a, QPointF b, const QColor& c, bool plein)
{
    QPainter p(&calque());
    prepare(p);
    p.setPen(crayon(c));
    const QRectF r = QRectF(a, b).normalized();
    if (plein)
        p.fillRect(r.adjusted(0, 0, 1 / versPixels_.m11(), 1 / versPixels_.m22()), c);
    else
        p.drawRect(r);
    courant = b;
    calqueChange();
    update();
}

void PictureBox::PSet(QPointF pt, const QColor& c)
{
    QPainter p(&calque());
    prepare(p);
    p.setPen(crayon(c));
    p.drawPoint(pt);
    courant = pt;
    calqueChange();
    update();
}

void PictureBox::Print(const QString& texte, bool finLigne)
{
    QPainter p(&calque());
    prepare(p);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(police);
    p.setPen(foreColor);
    const QFontMetricsF m(police, &mesureur());
    p.drawText(QPointF(courant.x(), courant.y() + m.ascent()), texte);
    calqueChange();
    update();
    if (finLigne)
        courant = QPointF(echelle_.left(), courant.y() + m.height());
    else
        courant.rx() += m.horizontalAdvance(texte);
}

void PictureBox::PaintPicture(const QImage& image, QPointF pt)
{
    QPainter p(&calque());
    prepare(p);
    p.drawImage(pt, image);
    const QRect zone = versPixels_.mapRect(QRectF(pt, image.size())).toAlignedRect().adjusted(-1, -1, 1, 1);
    calqueChange(zone);
    update(zone);
}

double PictureBox::TextWidth(const QString& texte) const
{
    return QFontMetricsF(police, &mesureur()).horizontalAdvance(texte);
}

double PictureBox::TextHeight(const QString&) const
{
    return QFontMetricsF(police, &mesureur()).height();
}

void PictureBox::ajouteImage(ImageControl* image)
{
    images_.append(image);
    connect(image, &QObject::destroyed, this, [this, image] {
        images_.removeAll(image);
        if (capture_ == image)
            capture_ = nullptr;
    });
}

void PictureBox::rafraichit(const QRectF& zone)
{
    // Cut to the box in floating point first: a picture placed far away must not make the
    // integer rectangle overflow, and nothing outside the box needs repainting anyway.
    const QRectF boite(0.0, 0.0, width(), height());
    const QRectF dedans = zone.adjusted(-1.0, -1.0, 1.0, 1.0).intersected(boite);
    if (dedans.isEmpty())
        return;
    update(dedans.toAlignedRect());
}

void PictureBox::paintEvent(QPaintEvent* e)
{
    QPainter p(this);
    const QRect zone = e->rect();
    const bool agrandi = dessineAgrandi(p, zone);
    if (!agrandi) {
        p.fillRect(zone, fondCouleur_);
        if (!fond_.isNull())
            p.drawImage(zone.topLeft(), fond_, zone);
        if (!calque_.isNull())
            p.drawImage(zone.topLeft(), calque_, zone);
        if (!surcouche_.isNull())
            p.drawImage(zone.topLeft(), surcouche_, zone);
    }
    for (const ImageControl* image : images_) {
        if (!image->isVisible() || image->picture().isNull() || !image->rect().intersects(zone))
            continue;
        if (!agrandi) {
            p.drawImage(QPointF(image->left(), image->top()), image->picture());
            continue;
        }
        // Magnified: each picture smoothed once at the view's scale, then copied where it stands.
        const QImage& source = image->picture();
        auto it = imagesAgrandies_.find(source.cacheKey());
        if (it == imagesAgrandies_.end()) {
            if (imagesAgrandies_.size() >= 32)
                imagesAgrandies_.clear();
            const QSize taille(qRound(source.width() * facteurAgrandi_), qRound(source.height() * facteurAgrandi_));
            it = imagesAgrandies_.insert(source.cacheKey(),
                                         source.scaled(taille, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        }
        p.save();
        p.scale(1.0 / facteurAgrandi_, 1.0 / facteurAgrandi_);
        p.setRenderHint(QPainter::SmoothPixmapTransform, false);
        p.drawImage(QPoint(qRound(image->left() * facteurAgrandi_), qRound(image->top() * facteurAgrandi_)), *it);
        p.restore();
    }
}

void PictureBox::calqueChange(const QRect& zone)
{
    calqueModifie_ = zone.isNull() ? rect() : calqueModifie_.united(zone);
}

bool PictureBox::dessineAgrandi(QPainter& p, const QRect& zone)
{
    const QTransform t = p.deviceTransform();
    const qreal f = t.m11();
    if (t.type() != QTransform::TxScale || f <= 1.0 || !qFuzzyCompare(f, t.m22()) ||
        !p.testRenderHint(QPainter::SmoothPixmapTransform)) {
        agrandi_ = fondAgrandi_ = QImage();
        imagesAgrandies_.clear();
        return false;
    }
    const QSize taille(qRound(width() * f), qRound(height() * f));
    const bool refait = agrandi_.size() != taille || facteurAgrandi_ != f || cleFond_ != fond_.cacheKey() ||
                        cleSurcouche_ != surcouche_.cacheKey() || couleurAgrandi_ != fondCouleur_;
    if (refait) {
        agrandi_ = QImage(taille, QImage::Format_RGB32);
        fondAgrandi_ = fond_.isNull() ? QImage()
                                      : fond_.scaled(QSize(qRound(fond_.width() * f), qRound(fond_.height() * f)),
                                                     Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        if (facteurAgrandi_ != f)
            imagesAgrandies_.clear();
        facteurAgrandi_ = f;
        cleFond_ = fond_.cacheKey();
        cleSurcouche_ = surcouche_.cacheKey();
        couleurAgrandi_ = fondCouleur_;
        calqueModifie_ = rect();
    }
    if (!calqueModifie_.isEmpty()) {
        // The smoothing reads a pixel around each one: the changed place is widened by two.
        compose(calqueModifie_.adjusted(-2, -2, 2, 2));
        calqueModifie_ = QRect();
    }
    // Drawn in the view's pixels: the zone widened to whole pixels, the clip keeps the rest.
    p.save();
    p.scale(1.0 / f, 1.0 / f);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QRect source = QRectF(QPointF(zone.topLeft()) * f, QSizeF(zone.size()) * f).toAlignedRect();
    p.drawImage(source.topLeft(), agrandi_, source);
    p.restore();
    return true;
}

void PictureBox::compose(const QRect& zone)
{
    const qreal f = facteurAgrandi_;
    const QRect cible =
        QRectF(QPointF(zone.topLeft()) * f, QSizeF(zone.size()) * f).toAlignedRect().intersected(agrandi_.rect());
    if (cible.isEmpty())
        return;
    QPainter p(&agrandi_);
    p.setClipRect(cible);
    p.fillRect(cible, fondCouleur_);
    if (!fondAgrandi_.isNull())
        p.drawImage(cible.topLeft(), fondAgrandi_, cible);
    p.scale(f, f);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    if (!calque_.isNull())
        p.drawImage(0, 0, calque_);
    if (!surcouche_.isNull())
        p.drawImage(0, 0, surcouche_);
}

ImageControl* PictureBox::imageSous(QPointF pt) const
{
    for (auto it = images_.crbegin(); it != images_.crend(); ++it)
        if ((*it)->isVisible() && (*it)->rect().contains(pt))
            return *it;
    return nullptr;
}

void PictureBox::mousePressEvent(QMouseEvent* e)
{
    const QPointF pt = e->position();
    if (ImageControl* image = imageSous(pt)) {
        capture_ = image;
        Q_EMIT image->mouseDown(e->buttons(), e->modifiers(), pt.x() - image->left(), pt.y() - image->top());
        Q_EMIT image->mouseMove(e->buttons(), e->modifiers(), pt.x() - image->left(), pt.y() - image->top());
        return;
    }
    Q_EMIT mouseDown(e->buttons(), e->modifiers(), versPixels_.inverted().map(pt));
}

void PictureBox::mouseMoveEvent(QMouseEvent* e)
{
    const QPointF pt = e->position();
    // A button pressed elsewhere on the box sweeps over the pictures without picking them up.
    ImageControl* image = capture_ ? capture_ : e->buttons() == Qt::NoButton ? imageSous(pt) : nullptr;
    if (image) {
        Q_EMIT image->mouseMove(e->buttons(), e->modifiers(), pt.x() - image->left(), pt.y() - image->top());
        setCursor(image->cursor());  // after the handler, which may have changed it
        return;
    }
    unsetCursor();
    Q_EMIT mouseMove(e->buttons(), e->modifiers(), versPixels_.inverted().map(pt));
}

void PictureBox::mouseReleaseEvent(QMouseEvent* e)
{
    const QPointF pt = e->position();
    if (ImageControl* image = capture_) {
        capture_ = nullptr;
        Q_EMIT image->mouseUp(e->button(), e->modifiers(), pt.x() - image->left(), pt.y() - image->top());
    }
}

void PictureBox::leaveEvent(QEvent*)
{
    unsetCursor();
}
