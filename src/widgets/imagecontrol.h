// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A windowless picture placed by left/top (scene units) inside a PictureBox, as a projectile
// or its shadow on the scene. The PictureBox paints it and hands it the mouse.

#include <QCursor>
#include <QImage>
#include <QObject>
#include <QRectF>

class PictureBox;

class ImageControl : public QObject {
    Q_OBJECT
public:
    ImageControl(const QString& nom, PictureBox* conteneur);

    double left() const { return left_; }
    double top() const { return top_; }
    void setLeft(double v);
    void setTop(double v);
    void deplace(double left, double top);

    const QImage& picture() const { return picture_; }
    void setPicture(const QImage& image);

    bool isVisible() const { return visible_; }
    void setVisible(bool v);

    // The pointer shown over the picture (the custom cursor of a draggable picture).
    const QCursor& cursor() const { return cursor_; }
    void setCursor(const QCursor& c) { cursor_ = c; }

    // Rectangle covered on the PictureBox, in its pixels.
    QRectF rect() const;

Q_SIGNALS:
    // Button state and position in pixels relative to the picture's top-left corner.
    void mouseDown(Qt::MouseButtons boutons, Qt::KeyboardModifiers touches, double x, double y);
    void mouseMove(Qt::MouseButtons boutons, Qt::KeyboardModifiers touches, double x, double y);
    void mouseUp(Qt::MouseButtons boutons, Qt::KeyboardModifiers touches, double x, double y);

private:
    void changeAvant();

    PictureBox* conteneur_;
    double left_ = 0.0;
    double top_ = 0.0;
    QImage picture_;
    bool visible_ = true;
    QCursor cursor_;

    friend class PictureBox;
};
