// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphs/calculgraphes.h"

#include "core/nombres.h"
#include "sim/frottements.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double origineX = 20.0;
constexpr double origineY = 225.0;
constexpr double longueurAxe = 200.0;

// Beyond this the point is far outside any picture box; keeping it finite spares the painter
// infinities from absurd inputs without changing what can be seen.
constexpr double limiteDessin = 1.0e6;

double puissanceDix(int e)
{
    return std::pow(10.0, e);
}

float pourDessin(double v)
{
    return float(std::clamp(v, -limiteDessin, limiteDessin));
}

double abscisse(float vx, float x0, double t)
{
    return double(vx) * t + double(x0);
}

double ordonnee(float g, float vy, float y0, double t)
{
    return (-0.5 * double(g)) * (t * t) + double(vy) * t + double(y0);
}

}  // namespace

double EchelleAxe::pleineEchelle() const
{
    return double(m) * puissanceDix(e);
}

double EchelleAxe::division() const
{
    return puissanceDix(e);
}

int EchelleAxe::pasGrille() const
{
    return m == 0 ? 0 : int(std::lround(longueurAxe / m));
}

QString EchelleAxe::texteDivision(const QString& unite) const
{
    return QStringLiteral(" : 1 division correspond à ")
           + Module1::formate(division(), QStringLiteral("################0.0##############"))
           + QLatin1Char(' ') + unite;
}

double EchelleAxe::versHorizontal(double v) const
{
    return origineX + v * longueurAxe / pleineEchelle();
}

double EchelleAxe::versVertical(double v) const
{
    return origineY - v * longueurAxe / pleineEchelle();
}

EchelleAxe choisitEchelle(double quantite)
{
    static constexpr qint16 divisions[] = {5, 10, 20};
    for (qint16 e = -1; e <= 5; ++e) {
        for (qint16 m : divisions) {
            const double candidat = double(m) * puissanceDix(e);
            if (candidat / quantite >= 1.0)
                return EchelleAxe{m, e};
        }
    }
    return EchelleAxe{};
}

VolGraphes calculeVol(float g, float vx, float vy, float x0, float y0, double trainee)
{
    VolGraphes vol;

    std::shared_ptr<const sim::ArcIntegre> freine;
    if (trainee > 0) {
        freine = sim::arcIntegre(x0, y0, vx, vy, g, trainee);
        vol.T = freine->retourAuSol().value_or(0.0);
    } else {
        const double discriminant = (2.0 * double(g)) * double(y0) + std::pow(double(vy), 2);
        if (discriminant >= 0.0 && g != 0.0f)
            vol.T = (double(vy) + std::sqrt(discriminant)) / double(g);
    }
    auto echantillon = [&](double t) {
        if (!freine)
            return Echantillon{t, abscisse(vx, x0, t), ordonnee(g, vy, y0, t)};
        const sim::EtatVol e = freine->etat(t);
        return Echantillon{t, e.x, e.y};
    };
    const double pas = vol.T / 200.0;
    // A zero step would never reach T; a non-finite time has no flight to draw.
    if (vol.T == 0.0 || !std::isfinite(vol.T) || pas == 0.0) {
        vol.T = 0.0;
        vol.refus = RefusGraphes::dureeNulle;
        return vol;
    }

    vol.echantillons.reserve(202);
    for (double t = 0.0; t <= vol.T; t += pas) {
        const Echantillon e = echantillon(t);
        vol.echantillons.append(e);
        if (e.x > vol.xmax)
            vol.xmax = e.x;
        if (e.y > vol.ymax)
            vol.ymax = e.y;
    }
    vol.arrivee = echantillon(vol.T);

    if (vol.ymax == 0.0) {
        vol.refus = RefusGraphes::sansMontee;
        return vol;
    }
    if (vol.xmax == 0.0)
        vol.xmax = 1.0;

    vol.echelleX = choisitEchelle(vol.xmax);
    vol.echelleY = choisitEchelle(vol.ymax);
    vol.echelleT = choisitEchelle(vol.T);
    // Without a scale the grid and the mapping cannot be computed: refuse rather than draw nonsense.
    if (!vol.echelleX.valide() || !vol.echelleY.valide() || !vol.echelleT.valide())
        vol.refus = RefusGraphes::horsEchelle;
    return vol;
}

namespace {

template <typename Point>
QVector<QPointF> courbe(const VolGraphes& vol, Point point)
{
    QVector<QPointF> points;
    if (vol.refuse())
        return points;
    points.reserve(vol.echantillons.size() + 1);
    for (const Echantillon& e : vol.echantillons)
        points.append(point(e));
    points.append(point(vol.arrivee));
    return points;
}

}  // namespace

QVector<QPointF> VolGraphes::courbeXT() const
{
    return courbe(*this, [this](const Echantillon& e) {
        return QPointF(pourDessin(echelleT.versHorizontal(e.t)), pourDessin(echelleX.versVertical(e.x)));
    });
}

QVector<QPointF> VolGraphes::courbeYT() const
{
    return courbe(*this, [this](const Echantillon& e) {
        return QPointF(pourDessin(echelleT.versHorizontal(e.t)), pourDessin(echelleY.versVertical(e.y)));
    });
}

QVector<QPointF> VolGraphes::courbeYX() const
{
    return courbe(*this, [this](const Echantillon& e) {
        return QPointF(pourDessin(echelleX.versHorizontal(e.x)), pourDessin(echelleY.versVertical(e.y)));
    });
}

QColor couleurConsole(int numero)
{
    static const QColor couleurs[16] = {
        QColor(0, 0, 0),       QColor(0, 0, 128),     QColor(0, 128, 0),     QColor(0, 128, 128),
        QColor(128, 0, 0),     QColor(128, 0, 128),   QColor(128, 128, 0),   QColor(192, 192, 192),
        QColor(128, 128, 128), QColor(0, 0, 255),     QColor(0, 255, 0),     QColor(0, 255, 255),
        QColor(255, 0, 0),     QColor(255, 0, 255),   QColor(255, 255, 0),   QColor(255, 255, 255),
    };
    return couleurs[std::clamp(numero, 0, 15)];
}
