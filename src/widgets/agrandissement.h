// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The projector's magnification, one for the whole program. The main window sets it (1 at its
// design size) and every other window follows it: a window registered with suit() shows its
// content at design size through the same magnifying view as the main window, enlarged by the
// factor; menus and the standard dialogs (messages, files, printer) get a font enlarged by it.
// Back at 1, each window is again exactly as designed.

#include <QObject>
#include <QSize>

class QWidget;

class Agrandissement : public QObject {
    Q_OBJECT
public:
    static Agrandissement& instance();

    double facteur() const { return facteur_; }
    // The window that magnifies itself sets the factor; when it goes, the factor is 1 again.
    void changeFacteur(double facteur, QObject* source = nullptr);

    // The window follows the magnification from now on. `conception` is the size its content
    // is drawn for (the window's own size when empty): a window laid out by hand keeps exactly
    // that content, centred; a laid-out one fills the enlarged window at the factor.
    static void suit(QWidget* fenetre, QSize conception = QSize());
    static bool suivie(const QWidget* fenetre);

signals:
    void facteurChange(double facteur);

protected:
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    Agrandissement();
    void appliquePolice(QWidget* fenetre) const;

    double facteur_ = 1.0;
    QObject* source_ = nullptr;
};
