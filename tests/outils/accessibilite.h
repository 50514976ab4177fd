// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Checks of what a screen reader reads from a window, through QAccessible as assistive tools
// see it. Header only: any test of any window includes it.

#include <QAccessible>
#include <QAccessibleInterface>
#include <QStringList>
#include <QWidget>

namespace outils {

// The controls of the window that the keyboard can reach (Tab or click) and that have no
// accessible name, as "objectName (class)". Qt's own parts of a control (names starting with
// "qt_", a spin box's text field) are read through the control they belong to; popups and
// child windows are windows of their own and swept on their own.
inline QStringList controlesSansNom(QWidget* fenetre)
{
    QStringList manquants;
    QList<QWidget*> controles = fenetre->findChildren<QWidget*>();
    controles.prepend(fenetre);
    for (QWidget* w : controles) {
        if (w->window() != fenetre || w->focusPolicy() == Qt::NoFocus)
            continue;
        if (w->objectName().startsWith(QLatin1String("qt_")))
            continue;
        if (QWidget* parent = w->parentWidget(); parent && parent->focusProxy() == w)
            continue;
        QAccessibleInterface* acces = QAccessible::queryAccessibleInterface(w);
        const QString nom = acces && acces->isValid() ? acces->text(QAccessible::Name).trimmed() : QString();
        if (nom.isEmpty())
            manquants << QStringLiteral("%1 (%2)").arg(w->objectName(), QLatin1String(w->metaObject()->className()));
    }
    return manquants;
}

// What a screen reader says of one control: its accessible name.
inline QString nomAccessible(QWidget* w)
{
    QAccessibleInterface* acces = QAccessible::queryAccessibleInterface(w);
    return acces && acces->isValid() ? acces->text(QAccessible::Name) : QString();
}

}  // namespace outils
