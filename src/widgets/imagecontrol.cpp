// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/imagecontrol.h"

#include "widgets/picturebox.h"

ImageControl::ImageControl(const QString& nom, PictureBox* conteneur)
    : QObject(conteneur)
    , conteneur_(conteneur)
{
    setObjectName(nom);
    conteneur_->ajouteImage(this);
}

QRectF ImageControl::rect() const
{
    return QRectF(left_, top_, picture_.width(), picture_.height());
}

void ImageControl::changeAvant()
{
    if (visible_)
        conteneur_->rafraichit(rect());
}

void ImageControl::setLeft(double v)
{
    deplace(v, top_);
}

void ImageControl::setTop(double v)
{
    deplace(left_, v);
}

void ImageControl::deplace(double left, double top)
{
    if (left == left_ && top == top_)
        return;
    changeAvant();
    left_ = left;
    top_ = top;
    changeAvant();
}

void ImageControl::setPicture(const QImage& image)
{
    changeAvant();
    picture_ = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    changeAvant();
}

void ImageControl::setVisible(bool v)
{
    if (v == visible_)
        return;
    if (visible_)
        changeAvant();
    visible_ = v;
    changeAvant();
}
