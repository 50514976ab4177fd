// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/animation.h"
#include "sim/echelle.h"

#include <QtTest>

#include <cmath>

using namespace sim;

namespace {

struct Vol {
    SimulationState etat;
    EtatAnimation anim;
    Placement place;
    Reglages reglages;

    Vol(float x0, float y0, float v0, float angle, float g = 9.8f, int projectile = 0, int lieu = 0)
    {
        reglages.x0 = x0;
        reglages.y0 = y0;
        reglages.projectile = projectile;
        reglages.lieu = lieu;
        etat.g = g;
        const Vitesse v = voxvoy(v0, angle);
        etat.vx = v.vx;
        etat.vy = v.vy;
        place.gauche = gaucheDe(x0);
        place.haut = hautDe(y0);
        place.ombreGauche = place.gauche;
    }
    ResultatTick pas() { return tick(etat, anim, place, reglages); }
    // Runs until the motion ends (or a safety bound), collecting every action.
    QList<ResultatTick> jusquALaFin(int maxTicks = 5000)
    {
        QList<ResultatTick> tout;
        for (int i = 0; i < maxTicks; ++i) {
            tout.append(pas());
            if (tout.last().actions.contains(Action::FinDuMouvement) || tout.last().actions.contains(Action::Sortie))
                break;
        }
        return tout;
    }
};

int compte(const QList<ResultatTick>& ticks, Action a)
{
    int n = 0;
    for (const ResultatTick& r : ticks)
        n += int(r.actions.count(a));
    return n;
}

}  // namespace

class TstAnimation : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // One impact of the bouncing balloon: a state just above the ground, the next tick
    // crosses it with a known vertical speed; the new take-off speed and whether it stops.
    void rebondChiffres_data()
    {
        QTest::addColumn<double>("vitesseImpact");
        QTest::addColumn<double>("vitesseDepart");
        QTest::addColumn<bool>("arret");
        QTest::newRow("10 -> 7") << 10.0 << 7.0 << false;
        QTest::newRow("7 -> 4,9") << 7.0 << 4.9 << false;
        QTest::newRow("4,9 -> 3,43") << 4.9 << 3.43 << false;
        QTest::newRow("3,43 -> 2,401") << 3.43 << 2.401 << false;
        QTest::newRow("2,401 -> 1,6807: arrêt") << 2.401 << 1.6807 << true;
    }
    void rebondChiffres()
    {
        QFETCH(double, vitesseImpact);
        QFETCH(double, vitesseDepart);
        QFETCH(bool, arret);
        // Falling from rest with g = 10: after tau seconds the speed is 10 tau.
        Vol vol(0, 0, 0, 0, 10.0f, int(Projectile::Ballon));
        const float tau = float(vitesseImpact / 10.0);
        vol.etat.rebondActif = 2;
        vol.anim.tRebond = 0.0f;
        vol.anim.vyRebond = 0.0f;
        vol.anim.vxRebond = 1.0f;
        vol.anim.yRebond = float(5.0 * tau * tau - 0.001);  // just below the ground at tau
        vol.etat.t = float(tau - 0.04);
        const ResultatTick r = vol.pas();
        QVERIFY(r.actions.contains(Action::Impact));
        QCOMPARE(vol.place.haut, 420.0);
        QCOMPARE(r.actions.contains(Action::FinDuMouvement), arret);
        QCOMPARE(vol.anim.vxRebond, 0.7f);
        QVERIFY2(std::fabs(vol.anim.vyRebond - vitesseDepart) < 1e-4,
                 qPrintable(QString::number(vol.anim.vyRebond, 'g', 9)));
        QCOMPARE(vol.etat.rebondActif, qint16(arret ? 0 : 2));
        QCOMPARE(vol.etat.t, arret ? 0.0f : vol.anim.tRebond);
    }

    void premierRebondDepuisLeVol()
    {
        // Landing in free flight arms the bounce; the next tick takes off at 0.7 × the speed.
        Vol vol(0, 5, 0, 0, 9.8f, int(Projectile::Ballon));
        ResultatTick r;
        while (!(r = vol.pas()).actions.contains(Action::Impact)) {}
        QCOMPARE(vol.etat.rebondActif, qint16(1));
        QVERIFY(!r.actions.contains(Action::FinDuMouvement));
        const float tImpact = vol.etat.t;
        vol.pas();
        // The bounce starts from the date of the tick after the impact, and the first bounce
        // position is one more step later.
        QCOMPARE(vol.etat.rebondActif, qint16(2));
        QVERIFY(std::fabs(vol.anim.tRebond - (tImpact + 0.04f)) < 1e-5);
        QVERIFY(std::fabs(vol.anim.vyRebond - 0.7 * 9.8 * vol.anim.tRebond) < 1e-4);
        QVERIFY(std::fabs(vol.etat.t - (vol.anim.tRebond + 0.04f)) < 1e-5);
    }

    void ballonLacheDeCinqMetres()
    {
        Vol vol(1, 5, 0, 0, 9.8f, int(Projectile::Ballon));
        const QList<ResultatTick> ticks = vol.jusquALaFin();
        QVERIFY(ticks.last().actions.contains(Action::FinDuMouvement));
        // 9,9 m/s at the ground, then take-offs at 6,9; 4,9; 3,4; 2,4 and a last impact that
        // would give 1,7 m/s: six impacts in all.
        QCOMPARE(compte(ticks, Action::Impact), 6);
        QCOMPARE(vol.etat.t, 0.0f);
        QCOMPARE(vol.etat.rebondActif, qint16(0));
        QVERIFY(std::fabs(vol.anim.vyRebond) < 2.0f);
        QCOMPARE(vol.place.haut, 420.0);
        QCOMPARE(vol.place.ombreGauche, vol.place.gauche);
        QVERIFY(ticks.last().affichage.date != QStringLiteral("date: t = 0,0 s"));  // last date stays shown
    }

    void loiDuMouvement_data()
    {
        QTest::addColumn<float>("x0");
        QTest::addColumn<float>("y0");
        QTest::addColumn<float>("v0");
        QTest::addColumn<float>("angle");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QString>("x");
        QTest::addColumn<QString>("y");
        QTest::addColumn<double>("gauche");
        // x = x0 + v0 cos a t, y = y0 + v0 sin a t - g t²/2 (g = 9,8)
        QTest::newRow("départ par défaut, 1 s") << 0.f << 0.f << 14.f << 85.f << 25 << "x = 1,22 m" << "y = 9,05 m" << 57.927;
        QTest::newRow("horizontal de 10 m, 1 s") << 0.f << 10.f << 5.f << 0.f << 25 << "x = 5,0 m" << "y = 5,1 m" << 194.0;
        QTest::newRow("vertical: x reste 0") << 0.f << 0.f << 14.f << 90.f << 50 << "x = 0,0 m" << "y = 8,4 m" << 14.0;
        QTest::newRow("vers la gauche") << 5.f << 0.f << 10.f << 135.f << 10 << "x = 2,17 m" << "y = 2,04 m" << 92.177;
        QTest::newRow("chute libre") << 2.f << 11.f << 0.f << 0.f << 25 << "x = 2,0 m" << "y = 6,1 m" << 86.0;
    }
    void loiDuMouvement()
    {
        QFETCH(float, x0);
        QFETCH(float, y0);
        QFETCH(float, v0);
        QFETCH(float, angle);
        QFETCH(int, ticks);
        QFETCH(QString, x);
        QFETCH(QString, y);
        QFETCH(double, gauche);
        Vol vol(x0, y0, v0, angle);
        ResultatTick r;
        for (int i = 0; i < ticks; ++i)
            r = vol.pas();
        QCOMPARE(r.affichage.x, x);
        QCOMPARE(r.affichage.y, y);
        QVERIFY2(std::fabs(vol.place.gauche - gauche) < 1.0 / 15, qPrintable(QString::number(vol.place.gauche)));  // one twip
        QCOMPARE(vol.place.ombreGauche, vol.place.gauche);
        QVERIFY(r.actions.isEmpty());
    }

    void angleNegatifDepuisLeSol()
    {
        Vol vol(0, 0, 10, -30, 9.8f, int(Projectile::Pierre));
        const ResultatTick r = vol.pas();
        QCOMPARE(r.actions, (QList<Action>{Action::Impact, Action::FinDuMouvement, Action::MajChrono}));
        QCOMPARE(r.affichage.y, QStringLiteral("y = 0,0 m"));
        QCOMPARE(vol.place.haut, 420.0);
        QCOMPARE(vol.etat.t, 0.0f);
    }

    void atterrissage_data()
    {
        QTest::addColumn<int>("projectile");
        QTest::addColumn<int>("lieu");
        QTest::addColumn<int>("impacts");
        QTest::addColumn<bool>("rebondit");
        QTest::newRow("pomme sur Terre") << 0 << 0 << 1 << false;
        QTest::newRow("rocher sur Mars") << 4 << 2 << 1 << false;
        QTest::newRow("pierre sur la Lune: silence") << 1 << 1 << 0 << false;
        QTest::newRow("ballon sur Terre") << 2 << 0 << 6 << true;
        QTest::newRow("ballon sur la Lune: silence") << 2 << 1 << 0 << true;
    }
    void atterrissage()
    {
        QFETCH(int, projectile);
        QFETCH(int, lieu);
        QFETCH(int, impacts);
        QFETCH(bool, rebondit);
        const float g[] = {9.8f, 1.62f, 3.71f};
        Vol vol(0, 5, 0.5f, 0, g[lieu], projectile, lieu);
        const QList<ResultatTick> ticks = vol.jusquALaFin(20000);
        QVERIFY(ticks.last().actions.contains(Action::FinDuMouvement));
        if (lieu != 1)
            QCOMPARE(compte(ticks, Action::Impact), impacts);
        else
            QCOMPARE(compte(ticks, Action::Impact), 0);
        QCOMPARE(compte(ticks, Action::FinDuMouvement), 1);
        QCOMPARE(vol.etat.t, 0.0f);
        // A non-bouncing projectile stays where it landed.
        if (!rebondit) {
            QCOMPARE(ticks.size(), int(std::ceil(std::sqrt(2 * 5 / g[lieu]) / 0.04 - 1e-6)));
            QVERIFY(std::fabs(vol.place.gauche - gaucheDe(0.5f * 0.04f * float(ticks.size()))) < 0.1);
        }
    }

    void photoAtterrissage()
    {
        Vol vol(0, 1, 3, 0, 9.8f, int(Projectile::Pomme));
        vol.anim.chronoActif = 1;
        vol.anim.prochainePhoto = 100.0f;  // none due before the landing
        const QList<ResultatTick> ticks = vol.jusquALaFin();
        QCOMPARE(ticks.last().actions,
                 (QList<Action>{Action::Impact, Action::FinDuMouvement, Action::Photo, Action::MajChrono}));
        QCOMPARE(vol.anim.chronoActif, qint16(0));
    }

    void datesDesPhotos()
    {
        // 150 ms between photographs with a 0,04 s step: the date is pulled back onto each one.
        Vol vol(0, 0, 14, 85);
        vol.anim.chronoActif = 1;
        vol.anim.prochainePhoto = 0.0f;
        QStringList dates;
        QList<float> valeurs;
        for (int i = 0; i < 20; ++i) {
            const ResultatTick r = vol.pas();
            if (r.actions.contains(Action::Photo)) {
                dates << r.affichage.date;
                valeurs << vol.etat.t;
            }
        }
        QCOMPARE(dates.mid(0, 4), (QStringList{"date: t = 0,0 s", "date: t = 0,15 s", "date: t = 0,3 s",
                                                 "date: t = 0,45 s"}));
        for (int k = 0; k < 4; ++k)
            QVERIFY2(std::fabs(valeurs[k] - 0.15 * k) < 1e-6, qPrintable(QString::number(valeurs[k], 'g', 9)));
    }

    void ralenti()
    {
        Vol normal(0, 0, 30, 80);
        Vol lent(0, 0, 30, 80);
        lent.reglages.ralenti = true;
        for (int i = 0; i < 50; ++i) {
            normal.pas();
            lent.pas();
        }
        QVERIFY(std::fabs(lent.etat.t - 1.0f) < 1e-5f);
        QVERIFY(std::fabs(normal.etat.t - 2.0f) < 1e-5f);
    }

    void sortieDeLEcran_data()
    {
        QTest::addColumn<bool>("initialiser");
        QTest::addColumn<float>("angle");
        QTest::addColumn<bool>("sortie");
        QTest::newRow("à gauche, case cochée") << true << 150.f << true;
        QTest::newRow("à droite, case cochée") << true << 30.f << true;
        QTest::newRow("à gauche, case décochée") << false << 150.f << false;
    }
    void sortieDeLEcran()
    {
        QFETCH(bool, initialiser);
        QFETCH(float, angle);
        QFETCH(bool, sortie);
        Vol vol(5, 0, 20, angle);
        vol.reglages.sortieInitialise = initialiser;
        const QList<ResultatTick> ticks = vol.jusquALaFin();
        QCOMPARE(ticks.last().actions.contains(Action::Sortie), sortie);
        if (sortie)
            QVERIFY(vol.place.gauche < -16.0 || vol.place.gauche > 400.0);
        else
            QVERIFY(ticks.last().actions.contains(Action::FinDuMouvement));  // lands off-screen
    }

    void boutonsDisponibles_data()
    {
        QTest::addColumn<float>("vy");
        QTest::addColumn<float>("y0");
        QTest::addColumn<bool>("actifs");
        QTest::newRow("au sol, vers le haut") << 1.f << 0.f << true;
        QTest::newRow("au sol, immobile") << 0.f << 0.f << false;
        QTest::newRow("au sol, vers le bas") << -1.f << 0.f << false;
        QTest::newRow("en hauteur, immobile") << 0.f << 2.f << true;
    }
    void boutonsDisponibles()
    {
        QFETCH(float, vy);
        QFETCH(float, y0);
        QFETCH(bool, actifs);
        QCOMPARE(plusbouton(vy, y0), actifs);
    }
};

QTEST_GUILESS_MAIN(TstAnimation)
#include "tst_animation.moc"
