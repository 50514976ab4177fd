// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphs/calculgraphes.h"
#include "graphs/pagegraphes.h"

#include <QPainter>
#include <QtTest>

#include <cmath>

namespace {

float composanteX(double v0, double angleDegres)
{
    return float(v0 * std::cos(angleDegres * M_PI / 180.0));
}

float composanteY(double v0, double angleDegres)
{
    return float(v0 * std::sin(angleDegres * M_PI / 180.0));
}

}  // namespace

class TstCalculGraphes : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void echelle_data()
    {
        QTest::addColumn<double>("quantite");
        QTest::addColumn<int>("m");
        QTest::addColumn<int>("e");
        QTest::addColumn<int>("pas");
        QTest::addColumn<QString>("texte");
        QTest::newRow("0,3 m") << 0.3 << 5 << -1 << 40 << " : 1 division correspond à 0,1 m";
        QTest::newRow("3,2 s") << 3.2 << 5 << 0 << 40 << " : 1 division correspond à 1,0 m";
        QTest::newRow("150 m") << 150.0 << 20 << 1 << 10 << " : 1 division correspond à 10,0 m";
        QTest::newRow("exactement 20") << 20.0 << 20 << 0 << 10 << " : 1 division correspond à 1,0 m";
        QTest::newRow("lancer vertical: 1") << 1.0 << 10 << -1 << 20 << " : 1 division correspond à 0,1 m";
        QTest::newRow("minuscule") << 1e-9 << 5 << -1 << 40 << " : 1 division correspond à 0,1 m";
        QTest::newRow("exactement 0,5") << 0.5 << 5 << -1 << 40 << " : 1 division correspond à 0,1 m";
        QTest::newRow("juste au-dessus de 0,5") << 0.5000001 << 10 << -1 << 20 << " : 1 division correspond à 0,1 m";
        QTest::newRow("juste au-dessus de 2") << 2.0001 << 5 << 0 << 40 << " : 1 division correspond à 1,0 m";
        QTest::newRow("6172 m") << 6172.0 << 10 << 3 << 20 << " : 1 division correspond à 1000,0 m";
        QTest::newRow("1 000 001") << 1000001.0 << 20 << 5 << 10 << " : 1 division correspond à 100000,0 m";
        QTest::newRow("2 000 000") << 2000000.0 << 20 << 5 << 10 << " : 1 division correspond à 100000,0 m";
    }
    void echelle()
    {
        QFETCH(double, quantite);
        QFETCH(int, m);
        QFETCH(int, e);
        QFETCH(int, pas);
        QFETCH(QString, texte);
        const EchelleAxe axe = choisitEchelle(quantite);
        QCOMPARE(int(axe.m), m);
        QCOMPARE(int(axe.e), e);
        QCOMPARE(axe.pasGrille(), pas);
        QCOMPARE(axe.texteDivision(QStringLiteral("m")), texte);
        QVERIFY(axe.pleineEchelle() >= quantite);
        // The full scale spans the 200 units of the axis.
        QCOMPARE(axe.versHorizontal(axe.pleineEchelle()), 220.0);
        QCOMPARE(axe.versVertical(axe.pleineEchelle()), 25.0);
    }

    void sansEchelle_data()
    {
        QTest::addColumn<double>("quantite");
        QTest::newRow("2 000 001") << 2000001.0;
        QTest::newRow("infini") << qInf();
    }
    void sansEchelle()
    {
        QFETCH(double, quantite);
        const EchelleAxe axe = choisitEchelle(quantite);
        QVERIFY(!axe.valide());
        QCOMPARE(axe.pasGrille(), 0);
    }

    void vol_data()
    {
        QTest::addColumn<float>("g");
        QTest::addColumn<float>("vx");
        QTest::addColumn<float>("vy");
        QTest::addColumn<float>("x0");
        QTest::addColumn<float>("y0");
        QTest::addColumn<double>("duree");   // closed form
        QTest::addColumn<double>("hauteur"); // closed form of the highest point
        QTest::addColumn<int>("mX");
        QTest::addColumn<int>("mY");
        QTest::addColumn<int>("mT");

        const float vx0 = composanteX(14, 85);
        const float vy0 = composanteY(14, 85);
        QTest::newRow("défaut, Terre 14 m/s à 85°")
            << 9.8f << vx0 << vy0 << 0.0f << 0.0f << 2.0 * vy0 / 9.8f << double(vy0) * vy0 / (2 * 9.8f)
            << 5 << 10 << 5;
        QTest::newRow("Mars, horizontal depuis 10 m")
            << 3.71f << 5.0f << 0.0f << 0.0f << 10.0f << std::sqrt(2 * 10.0 / 3.71f) << 10.0 << 20 << 10 << 5;
        QTest::newRow("vertical, xmax devient 1")
            << 9.8f << 0.0f << 54.2f << 0.0f << 0.0f << 2.0 * 54.2f / 9.8f << double(54.2f) * 54.2f / (2 * 9.8f)
            << 10 << 20 << 20;
        const float vxL = composanteX(100, 45);
        const float vyL = composanteY(100, 45);
        QTest::newRow("Lune, 100 m/s à 45°")
            << 1.62f << vxL << vyL << 0.0f << 0.0f << 2.0 * vyL / 1.62f << double(vyL) * vyL / (2 * 1.62f)
            << 10 << 20 << 10;
        QTest::newRow("depuis x0 négatif, vers la gauche")
            << 9.8f << -1.0f << 5.0f << -0.39f << 0.0f << 2 * 5.0 / 9.8f << 25.0 / (2 * 9.8f) << 10 << 20 << 20;
    }
    void vol()
    {
        QFETCH(float, g);
        QFETCH(float, vx);
        QFETCH(float, vy);
        QFETCH(float, x0);
        QFETCH(float, y0);
        QFETCH(double, duree);
        QFETCH(double, hauteur);
        QFETCH(int, mX);
        QFETCH(int, mY);
        QFETCH(int, mT);

        const VolGraphes v = calculeVol(g, vx, vy, x0, y0);
        QCOMPARE(v.refus, RefusGraphes::aucun);
        QVERIFY(std::abs(v.T - duree) <= 1e-6 * duree);

        const double pas = v.T / 200;
        QVERIFY2(v.echantillons.size() == 200 || v.echantillons.size() == 201,
                 qPrintable(QString::number(v.echantillons.size())));
        QCOMPARE(v.echantillons.first().t, 0.0);
        QVERIFY(v.echantillons.last().t <= v.T);
        QVERIFY(v.T - v.echantillons.last().t < pas * 1.000001);

        // The sampled top is at most one step's rise below the true one.
        QVERIFY(v.ymax <= hauteur * (1 + 1e-9));
        QVERIFY(v.ymax >= hauteur - 0.5 * g * pas * pas - 1e-9);
        const double plusLoin = std::max(double(x0), double(x0) + double(vx) * v.echantillons.last().t);
        QCOMPARE(v.xmax, plusLoin > 0 ? plusLoin : 1.0);

        // The last point is back on level 0, exactly at T.
        QCOMPARE(v.arrivee.t, v.T);
        QVERIFY(std::abs(v.arrivee.y) < 1e-9 * std::max(1.0, hauteur));

        QCOMPARE(int(v.echelleX.m), mX);
        QCOMPARE(int(v.echelleY.m), mY);
        QCOMPARE(int(v.echelleT.m), mT);
    }

    void refus_data()
    {
        QTest::addColumn<float>("g");
        QTest::addColumn<float>("vx");
        QTest::addColumn<float>("vy");
        QTest::addColumn<float>("x0");
        QTest::addColumn<float>("y0");
        QTest::addColumn<RefusGraphes>("refus");
        QTest::newRow("au sol, angle nul") << 9.8f << 14.0f << 0.0f << 0.0f << 0.0f << RefusGraphes::dureeNulle;
        QTest::newRow("au sol, vers le bas") << 9.8f << 10.0f << -5.0f << 0.0f << 0.0f << RefusGraphes::dureeNulle;
        QTest::newRow("racine impossible") << 9.8f << 1.0f << 1.0f << 0.0f << -1.0f << RefusGraphes::dureeNulle;
        QTest::newRow("sans pesanteur") << 0.0f << 1.0f << 1.0f << 0.0f << 1.0f << RefusGraphes::dureeNulle;
        QTest::newRow("vitesse indéfinie") << 9.8f << 1.0f << float(qQNaN()) << 0.0f << 1.0f
                                          << RefusGraphes::dureeNulle;
        QTest::newRow("sous le sol, vers le bas") << 9.8f << 1.0f << -10.0f << 0.0f << -1.0f
                                                 << RefusGraphes::sansMontee;
        QTest::newRow("trop loin") << 9.8f << 1.0f << 5.0f << 3.0e6f << 0.0f << RefusGraphes::horsEchelle;
        QTest::newRow("trop long") << 1e-6f << 0.0f << 10.0f << 0.0f << 0.0f << RefusGraphes::horsEchelle;
        QTest::newRow("position infinie") << 9.8f << 1.0f << 5.0f << float(qInf()) << 0.0f
                                         << RefusGraphes::horsEchelle;
    }
    void refus()
    {
        QFETCH(float, g);
        QFETCH(float, vx);
        QFETCH(float, vy);
        QFETCH(float, x0);
        QFETCH(float, y0);
        QFETCH(RefusGraphes, refus);
        const VolGraphes v = calculeVol(g, vx, vy, x0, y0);
        QCOMPARE(v.refus, refus);
        QVERIFY(v.courbeXT().isEmpty());
        QVERIFY(v.courbeYX().isEmpty());
    }

    // From below the level 0 the flight that rises through it is drawn.
    void depuisSousLeSol()
    {
        const VolGraphes v = calculeVol(9.8f, 1.0f, 10.0f, 0.0f, -1.0f);
        QCOMPARE(v.refus, RefusGraphes::aucun);
        QVERIFY(v.ymax > 0);
    }

    void courbes()
    {
        const VolGraphes v = calculeVol(9.8f, composanteX(14, 85), composanteY(14, 85), 0.0f, 0.0f);
        const QVector<QPointF> xt = v.courbeXT();
        const QVector<QPointF> yt = v.courbeYT();
        const QVector<QPointF> yx = v.courbeYX();
        QCOMPARE(xt.size(), v.echantillons.size() + 1);
        // Every curve starts at the origin of its frame and ends on the horizontal axis.
        for (const auto& c : {xt, yt, yx})
            QCOMPARE(c.first(), QPointF(20, 225));
        QCOMPARE(xt.last().x(), qreal(float(20 + v.T * 200 / 5)));
        QVERIFY(std::abs(yt.last().y() - 225) < 1e-4);
        QVERIFY(std::abs(yx.last().y() - 225) < 1e-4);
        // The top of y(t), at T/2, near the full scale's mapped height.
        const QPointF sommet = yt[100];
        QVERIFY(std::abs(sommet.x() - (20 + v.T / 2 * 200 / 5)) < 1e-3);
        QVERIFY(std::abs(sommet.y() - (225 - v.ymax * 200 / 10)) < 0.1);
    }

    // A point far outside the frame stays finite for the painter.
    void courbeTresLoin()
    {
        const VolGraphes v = calculeVol(9.8f, 0.0f, 5.0f, -3.0e38f, 0.0f);
        QCOMPARE(v.refus, RefusGraphes::aucun);
        for (const QPointF& p : v.courbeXT())
            QVERIFY(std::isfinite(p.x()) && std::isfinite(p.y()));
    }

    void page_data()
    {
        QTest::addColumn<int>("nombre");
        QTest::addColumn<QList<QPoint>>("coins");
        QTest::newRow("un graphe") << 1 << QList<QPoint>{{100, 140}};
        QTest::newRow("trois graphes") << 3 << QList<QPoint>{{100, 0}, {100, 467}, {100, 933}};
    }
    void page()
    {
        QFETCH(int, nombre);
        QFETCH(QList<QPoint>, coins);
        QImage feuille(1000, 1400, QImage::Format_RGB32);
        feuille.fill(Qt::white);
        QList<QImage> graphes;
        for (int i = 0; i < nombre; ++i) {
            QImage g(250, 263, QImage::Format_RGB32);
            g.setDotsPerMeterX(feuille.dotsPerMeterX());
            g.setDotsPerMeterY(feuille.dotsPerMeterY());
            g.fill(QColor(0, 0, 255 - 40 * i));
            graphes.append(g);
        }
        {
            QPainter p(&feuille);
            composePage(p, QSizeF(feuille.size()), graphes);
        }
        for (int i = 0; i < nombre; ++i) {
            const QPoint c = coins[i];
            const QRgb couleur = graphes[i].pixel(0, 0);
            QCOMPARE(feuille.pixel(c), couleur);
            QCOMPARE(feuille.pixel(c + QPoint(249, 262)), couleur);
            QCOMPARE(feuille.pixel(c + QPoint(250, 100)), qRgb(255, 255, 255));
            QCOMPARE(feuille.pixel(c + QPoint(-1, 100)), qRgb(255, 255, 255));
        }
    }

    // A printer has more dots per inch than the screen the graph was drawn for: the graph keeps
    // its physical size instead of shrinking to a stamp.
    void tailleNaturelleSurImprimante()
    {
        QImage feuille(4000, 4000, QImage::Format_RGB32);
        feuille.setDotsPerMeterX(qRound(1200 / 0.0254));
        feuille.setDotsPerMeterY(qRound(1200 / 0.0254));
        QImage graphe(240, 240, QImage::Format_RGB32);
        graphe.setDotsPerMeterX(qRound(96 / 0.0254));
        graphe.setDotsPerMeterY(qRound(96 / 0.0254));
        const QSizeF t = tailleNaturelle(graphe, feuille);
        QVERIFY(std::abs(t.width() - 3000) < 1);
        QVERIFY(std::abs(t.height() - 3000) < 1);
    }
};

QTEST_GUILESS_MAIN(TstCalculGraphes)
#include "tst_calculgraphes.moc"
