// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shows a widget of fixed design size scaled uniformly to fill a larger area, centred: the
// whole window magnified on a projector. The widget keeps its own coordinates, so the mouse,
// drags and the keyboard reach its controls exactly as at design size; text is drawn at the
// magnified size (crisp) and pictures are smoothed.

#include <QGraphicsView>
#include <QPointer>

class QGraphicsProxyWidget;

class Projection : public QGraphicsView {
    Q_OBJECT
public:
    explicit Projection(QWidget* parent = nullptr);
    ~Projection() override;

    // Takes a parentless widget and shows it magnified; the focus goes to its focus widget.
    void montre(QWidget* contenu);
    // Gives the widget back, parentless (nullptr when none is shown).
    QWidget* rend();
    QWidget* contenu() const;

    // The magnification that fills the view: the smaller of the two ratios; or, once fixed,
    // that factor, the widget then being resized to fill the view at it (a laid-out window).
    double facteur() const;
    void fixeFacteur(double facteur);

protected:
    void resizeEvent(QResizeEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    void ajuste();

    QGraphicsScene scene_;
    QGraphicsProxyWidget* proxy_ = nullptr;
    double facteurFixe_ = 0.0;
    // Each control's font as it was given, put back when the widget leaves the view.
    struct Police {
        QPointer<QWidget> controle;
        QFont police;
        bool explicite;
    };
    QList<Police> polices_;
};
