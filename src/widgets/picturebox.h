// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A picture box that keeps what is drawn on it: a background picture, a drawing layer on top,
// and windowless pictures (ImageControl) above both. Drawing persists between repaints; the
// composite image (background + drawing) is what is copied, printed and tested.

#include <QColor>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QList>
#include <QPointF>
#include <QTransform>
#include <QWidget>

class ImageControl;

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(const QString& nom, QWidget* parent = nullptr);
    ~PictureBox() override;

    // Size of the persistent images in pixels; also the widget's size.
    void setTaille(const QSize& taille);

    // Background picture, drawn at (0, 0) at its natural size over the back colour.
    void setPicture(const QImage& image);
    QImage picture() const { return fond_; }
    QColor backColor() const { return fondCouleur_; }
    void setBackColor(const QColor& c);

    // The composite of background, drawing layer and overlay (without the ImageControls).
    QImage Image() const;
    // The same without the overlay: what is kept aside and given back as the background.
    QImage ImageSansSurcouche() const;
    // A transparent picture over the drawing layer that can be replaced or removed as a whole
    // (the measuring tools of the last flight); null: none.
    void setSurcouche(const QImage& image);
    // The background becomes the current composite, so that later clears keep the drawing.
    void fixeDessin();
    // Clears the drawing layer; the background stays. The current position goes back to (0, 0).
    void Cls();

    // User scale: the rectangle of drawing units shown by the whole picture box.
    void setEchelle(const QRectF& unites);
    QRectF echelle() const { return echelle_; }

    // Drawing state.
    QColor foreColor = Qt::black;
    int drawStyle = 0;  // 0 solid, 1 dashed, 2 dotted
    int drawWidth = 1;
    QFont police;
    QPointF courant;    // current position (CurrentX, CurrentY), in drawing units

    void Line(QPointF a, QPointF b, const QColor& c);
    void Line(QPointF a, QPointF b) { Line(a, b, foreColor); }
    void LigneVers(QPointF b, const QColor& c);  // from the current position
    void Box(QPointF a, QPointF b, const QColor& c, bool plein);
    void PSet(QPointF p, const QColor& c);
    // Prints at the current position; the position moves to the end of the text, or to the
    // start of the next line when finLigne is set.
    void Print(const QString& texte, bool finLigne = true);
    void PaintPicture(const QImage& image, QPointF p);
    double TextWidth(const QString& texte) const;
    double TextHeight(const QString& texte) const;

    const QList<ImageControl*>& images() const { return images_; }

    // Repaints the given rectangle (drawing units of the images' placement: pixels).
    void rafraichit(const QRectF& zone);

Q_SIGNALS:
    void mouseMove(Qt::MouseButtons boutons, Qt::KeyboardModifiers touches, QPointF position);
    void mouseDown(Qt::MouseButtons boutons, Qt::KeyboardModifiers touches, QPointF position);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent* e) override;

private:
    friend class ImageControl;
    void ajouteImage(ImageControl* image);
    ImageControl* imageSous(QPointF p) const;
    QPen crayon(const QColor& c) const;
    void prepare(class QPainter& p) const;
    // Paints the zone from the picture at a magnified view's scale when the painter magnifies;
    // false when it does not (the box is then painted at its own size).
    bool dessineAgrandi(class QPainter& p, const QRect& zone);
    void compose(const QRect& zone);
    // The drawing layer changed in `zone` (pixels; null: anywhere).
    void calqueChange(const QRect& zone = QRect());
    // The drawing layer, made at the first drawing: a box never drawn on holds none.
    QImage& calque();
    static const QImage& mesureur();

    QImage fond_;
    // Background, drawing layer and overlay smoothed once at a magnified view's scale and kept,
    // redone only where the drawing layer changes: a tick then costs the small places it
    // changed, copied, not their smoothing again.
    QImage agrandi_;
    QImage fondAgrandi_;
    qreal facteurAgrandi_ = 0;
    qint64 cleFond_ = 0;
    qint64 cleSurcouche_ = 0;
    QColor couleurAgrandi_;
    QRect calqueModifie_;
    QHash<qint64, QImage> imagesAgrandies_;  // the pictures at that scale, by their image's key
    QImage calque_;
    QImage surcouche_;
    QColor fondCouleur_ = Qt::white;
    QRectF echelle_;
    QTransform versPixels_;
    QList<ImageControl*> images_;
    ImageControl* capture_ = nullptr;
};
