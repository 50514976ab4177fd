// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The controls the graph windows share: named buttons that Return never clicks on its own (the
// windows have no default action) and the bold centred titles over the graphs.

#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QString>

inline QPushButton* boutonGraphes(const QString& nom, const QString& texte, QWidget* parent)
{
    auto* b = new QPushButton(texte, parent);
    b->setObjectName(nom);
    b->setAutoDefault(false);
    return b;
}

inline QLabel* titreGraphes(const QString& nom, const QString& texte, const QString& famille, int taille,
                            QWidget* parent)
{
    auto* l = new QLabel(texte, parent);
    l->setObjectName(nom);
    QFont police(famille);
    police.setPointSize(taille);
    police.setBold(true);
    l->setFont(police);
    l->setAlignment(Qt::AlignCenter);
    return l;
}
