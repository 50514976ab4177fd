#pragma once
// Control positions given in twips (1/15 pixel on this desktop).

#include <QRect>
#include <QString>

namespace Config {

constexpr int pixels(int twips)
{
    return (twips + 7) / 15;
}

constexpr QRect twips(int gauche, int haut, int largeur, int hauteur)
{
    return QRect(pixels(gauche), pixels(haut), pixels(largeur), pixels(hauteur));
}

// Names a new control and puts it at its place.
template <typename T>
T* place(T* w, const char* nom, const QRect& r)
{
    w->setObjectName(QString::fromLatin1(nom));
    w->setGeometry(r);
    return w;
}

}  // namespace Config
