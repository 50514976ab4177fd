// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Creating the controls of a window: each gets its name (the one scripts and tests find it by)
// and its place at once.

#include <QRect>
#include <QString>
#include <QWidget>

// Names a new control and puts it at its place.
template <typename T>
T* place(T* w, const QString& nom, const QRect& r)
{
    w->setObjectName(nom);
    w->setGeometry(r);
    return w;
}

template <typename T>
T* cree(QWidget* parent, const QString& nom, const QRect& r)
{
    return place(new T(parent), nom, r);
}
