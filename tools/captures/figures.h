// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The course's figures, drawn from the program's motion law.

#include <QImage>
#include <QList>
#include <QString>

struct Figure {
    QString nom;
    QImage image;
};

QList<Figure> figuresCours();
