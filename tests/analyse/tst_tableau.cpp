// SPDX-License-Identifier: GPL-3.0-or-later
// The table of positions, its summary, vectors and texts, against the closed forms of the
// uniformly accelerated motion and against the photographs the animation takes.

#include "analyse/dessin.h"
#include "analyse/tableau.h"
#include "analyse/vecteurs.h"
#include "core/nombres.h"
#include "sim/animation.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

#include <cmath>

using namespace analyse;

namespace {

Conditions conditions(float g, float v0, float angle, float x0, float y0, double ms)
{
    const sim::Vitesse v = sim::voxvoy(v0, angle);
    return {x0, y0, v.vx, v.vy, g, ms};
}

}  // namespace

class TstTableau : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void loisDuMouvement_data()
    {
        QTest::addColumn<float>("g");
        QTest::addColumn<float>("v0");
        QTest::addColumn<float>("angle");
        QTest::addColumn<float>("x0");
        QTest::addColumn<float>("y0");
        QTest::addColumn<double>("ms");
        QTest::newRow("Terre, lancer par défaut") << 9.8f << 14.0f << 85.0f << 0.0f << 0.0f << 150.0;
        QTest::newRow("Terre, depuis 5 m, vers le bas") << 9.8f << 6.0f << -30.0f << 1.0f << 5.0f << 50.0;
        QTest::newRow("Lune, lancer haut") << 1.62f << 40.5f << 90.0f << 0.0f << 0.0f << 10.0;
        QTest::newRow("Lune, vers la gauche depuis 11,67 m") << 1.62f << 8.0f << 150.0f << 10.03f << 11.67f << 500.0;
        QTest::newRow("Mars, à 45°") << 3.71f << 12.0f << 45.0f << 0.5f << 0.0f << 200.0;
        QTest::newRow("Mars, horizontal depuis 3 m") << 3.71f << 5.0f << 0.0f << 0.0f << 3.0f << 5000.0;
    }
    void loisDuMouvement()
    {
        QFETCH(float, g);
        QFETCH(float, v0);
        QFETCH(float, angle);
        QFETCH(float, x0);
        QFETCH(float, y0);
        QFETCH(double, ms);
        const Conditions c = conditions(g, v0, angle, x0, y0, ms);
        const double vx = c.vx, vy = c.vy;
        const Resume r = resume(c);
        QVERIFY(r.vol);
        const double T = (vy + std::sqrt(vy * vy + 2 * double(g) * y0)) / g;
        QVERIFY(qAbs(r.duree - T) < 1e-9);
        QVERIFY(qAbs(r.xChute - (x0 + vx * T)) < 1e-9);
        QVERIFY(qAbs(r.portee - qAbs(vx * T)) < 1e-9);
        const double tSommet = vy > 0 ? vy / g : 0.0;
        QVERIFY(qAbs(r.dateSommet - tSommet) < 1e-9);
        QVERIFY(qAbs(r.hauteurMax - (y0 + (vy > 0 ? vy * vy / (2 * double(g)) : 0.0))) < 1e-9);
        // The speed at the impact depends on the height alone.
        QVERIFY(qAbs(r.vitesseImpact - std::sqrt(double(v0) * v0 + 2 * double(g) * y0)) < 1e-4);

        const QVector<Ligne> l = lignes(c);
        QVERIFY(!l.isEmpty());
        QCOMPARE(l.first().t, 0.0);
        QVERIFY(l.last().t <= T);
        QVERIFY(l.last().t + ms / 1000.0 > T - 1e-4);
        for (const Ligne& e : l) {
            QVERIFY(qAbs(e.x - (x0 + vx * e.t)) < 1e-9);
            QVERIFY(qAbs(e.y - (y0 + vy * e.t - 0.5 * g * e.t * e.t)) < 1e-9);
            QVERIFY(e.y >= -1e-9);
            QVERIFY(qAbs(e.vy - (vy - g * e.t)) < 1e-9);
            // The photograph dates are 32-bit, as the scene takes them: a few ms over 5000 photographs.
            QVERIFY(qAbs(e.t - e.n * ms / 1000.0) <= 1e-6 + e.n * 4e-6);
            QVERIFY(qAbs(e.v * e.v - (vx * vx + e.vy * e.vy)) < 1e-9);
        }
        // Δv between the neighbours of every inner row: vertical, downwards, 2·g·τ long.
        const QVector<Vecteur> dv = vecteursDeltaV(l);
        QCOMPARE(dv.size(), std::max<qsizetype>(0, l.size() - 2));
        for (const Vecteur& v : dv) {
            QVERIFY(qAbs(v.composantes.x()) < 1e-12);
            QVERIFY(qAbs(v.composantes.y() + 2 * double(g) * ms / 1000.0) < 1e-5 * g);
        }
    }

    void pasDeVol_data()
    {
        QTest::addColumn<float>("angle");
        QTest::addColumn<float>("v0");
        QTest::newRow("vers le bas depuis le sol") << -30.0f << 10.0f;
        QTest::newRow("horizontal au sol") << 0.0f << 10.0f;
        QTest::newRow("immobile au sol") << 90.0f << 0.0f;
    }
    void pasDeVol()
    {
        QFETCH(float, angle);
        QFETCH(float, v0);
        const Conditions c = conditions(9.8f, v0, angle, 2.0f, 0.0f, 150.0);
        QVERIFY(!resume(c).vol);
        QCOMPARE(lignes(c).size(), 1);
        QCOMPARE(texteResume(resume(c)).size(), 1);
    }

    void lancerParDefaut()
    {
        const Resume r = resume(conditions(9.8f, 14.0f, 85.0f, 0.0f, 0.0f, 150.0));
        QCOMPARE(texteSommet(r), QStringLiteral("h max = 9,92 m"));
        QCOMPARE(texteChute(r), QStringLiteral("portée = 3,47 m"));
        const QStringList t = texteResume(r);
        QCOMPARE(t.value(0), QStringLiteral("Durée du vol : 2,85 s"));
        QCOMPARE(t.value(1), QStringLiteral("Portée : 3,47 m (point de chute en x = 3,47 m)"));
        QCOMPARE(t.value(2), QStringLiteral("Hauteur maximale : 9,92 m à t = 1,42 s"));
        QCOMPARE(t.value(3), QStringLiteral("Vitesse à l'impact : 14,00 m/s, à -85,0° de l'horizontale"));
    }

    // The rows at the photograph dates show what the scene shows when the photograph is taken.
    void accordAvecLaScene_data()
    {
        QTest::addColumn<int>("lieu");
        QTest::addColumn<float>("g");
        QTest::addColumn<float>("v0");
        QTest::addColumn<float>("angle");
        QTest::addColumn<float>("y0");
        QTest::addColumn<double>("ms");
        QTest::newRow("Terre 150 ms") << 0 << 9.8f << 14.0f << 85.0f << 0.0f << 150.0;
        QTest::newRow("Lune 10 ms, lancer haut") << 1 << 1.62f << 40.5f << 90.0f << 0.0f << 10.0;
        QTest::newRow("Mars 70 ms depuis 4 m") << 2 << 3.71f << 9.0f << 30.0f << 4.0f << 70.0;
    }
    void accordAvecLaScene()
    {
        QFETCH(int, lieu);
        QFETCH(float, g);
        QFETCH(float, v0);
        QFETCH(float, angle);
        QFETCH(float, y0);
        QFETCH(double, ms);
        const Conditions c = conditions(g, v0, angle, 0.0f, y0, ms);
        const QVector<Ligne> l = lignes(c);
        SimulationState etat;
        etat.g = g;
        etat.vx = c.vx;
        etat.vy = c.vy;
        sim::EtatAnimation anim;
        anim.chronoActif = 1;
        sim::Placement place;
        sim::Reglages reglages;
        reglages.y0 = y0;
        reglages.lieu = lieu;
        reglages.projectile = int(sim::Projectile::Pierre);
        reglages.sortieInitialise = false;
        reglages.intervalleMs = ms;
        int photo = 0;
        for (int i = 0; i < 100000 && anim.chronoActif == 1; ++i) {
            const sim::ResultatTick r = sim::tick(etat, anim, place, reglages);
            if (anim.photoDue != 1 || r.actions.contains(sim::Action::FinDuMouvement))
                continue;
            QVERIFY2(photo < l.size(), qPrintable(r.affichage.date));
            const Ligne& e = l[photo++];
            const sim::Affichage attendu = sim::textesAffichage(float(e.x), float(e.t), e.y);
            QCOMPARE(r.affichage.date, attendu.date);
            QCOMPARE(r.affichage.x, attendu.x);
            QCOMPARE(r.affichage.y, attendu.y);
        }
        QCOMPARE(photo, l.size());
    }

    void csv()
    {
        const Conditions c = conditions(9.8f, 10.0f, 90.0f, 1.0f, 0.0f, 1000.0);
        const QByteArray attendu =
            "n;t (s);x (m);y (m);vx (m/s);vy (m/s);v (m/s)\r\n"
            "0;0,000;1,00;0,00;0,00;10,00;10,00\r\n"
            "1;1,000;1,00;5,10;0,00;0,20;0,20\r\n"
            "2;2,000;1,00;0,40;0,00;-9,60;9,60\r\n";
        QCOMPARE(texteCsv(lignes(c)), attendu);
        QCOMPARE(texteCopie(lignes(c)),
                 QStringLiteral("n\tt (s)\tx (m)\ty (m)\tvx (m/s)\tvy (m/s)\tv (m/s)\n"
                                "0\t0,000\t1,00\t0,00\t0,00\t10,00\t10,00\n"
                                "1\t1,000\t1,00\t5,10\t0,00\t0,20\t0,20\n"
                                "2\t2,000\t1,00\t0,40\t0,00\t-9,60\t9,60\n"));
    }

    void echelles_data()
    {
        QTest::addColumn<double>("maximum");
        QTest::addColumn<double>("ronde");
        QTest::newRow("14 m/s") << 14.0 << 10.0;
        QTest::newRow("exactement 5") << 5.0 << 5.0;
        QTest::newRow("2,94 m/s") << 2.94 << 2.0;
        QTest::newRow("0,324") << 0.324 << 0.2;
        QTest::newRow("100") << 100.0 << 100.0;
        QTest::newRow("rien") << 0.0 << 0.0;
    }
    void echelles()
    {
        QFETCH(double, maximum);
        QFETCH(double, ronde);
        QVERIFY(qAbs(valeurRonde(maximum) - ronde) < 1e-12);
    }

    void plusLongueFleche()
    {
        // The fastest moment is the landing: its arrow is 60 pixels long.
        const Conditions c = conditions(3.71f, 12.0f, 60.0f, 0.0f, 5.0f, 150.0);
        const Resume r = resume(c);
        QVERIFY(qAbs(r.vitesseImpact * echelleVitesse(c) - longueurFleche) < 1e-6);
        double plusLongue = 0;
        for (const Vecteur& v : vecteursVitesse(lignes(c)))
            plusLongue = std::max(plusLongue, std::hypot(v.composantes.x(), v.composantes.y()) * echelleVitesse(c));
        QVERIFY(plusLongue <= longueurFleche + 1e-9);
        QVERIFY(plusLongue > 0.9 * longueurFleche);
    }

    // The drawing without a window: an arrow's tip in the vector's colour, where the scale puts it.
    void dessinSansFenetre()
    {
        const Conditions c = conditions(9.8f, 14.0f, 85.0f, 0.0f, 0.0f, 150.0);
        QImage image(410, 460, QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter p(&image);
        OptionsMesures o;
        o.vitesse = true;
        o.sommetImpact = true;
        dessineMesures(p, c, o, image.size());
        p.end();
        // Row 0: from (30, 436), 60·(vx, -vy)/v0 pixels, the head's colour just before the tip.
        const QPointF u = QPointF(c.vx, -c.vy) / std::hypot(c.vx, c.vy);
        const QPointF pres = QPointF(30, 436) + u * 56.0;
        QCOMPARE(QColor(image.pixel(pres.toPoint())), couleurFleche(TypeFleche::Vitesse));
        const QPointF loin = QPointF(30, 436) + u * 66.0;
        QVERIFY(QColor(image.pixel(loin.toPoint())) != couleurFleche(TypeFleche::Vitesse));
    }
};

QTEST_MAIN(TstTableau)
#include "tst_tableau.moc"
