// SPDX-License-Identifier: GPL-3.0-or-later
// The whole flight, its energies and its table: Em kept in free flight, 49 % of Ec kept at each
// bounce, the landing row where the marks put the range, the end of a flight cut short.

#include "analyse/dessin.h"
#include "analyse/energies.h"
#include "analyse/tableauvol.h"
#include "analyse/vecteurs.h"
#include "sim/animation.h"

#include <QtTest>

using namespace analyse;

namespace {

Conditions conditions(float g, float v0, float angle, float y0, bool ballon = false, bool sortie = false)
{
    const sim::Vitesse v = sim::voxvoy(v0, angle);
    Conditions c{1.0f, y0, v.vx, v.vy, g, 150.0, ballon};
    c.sortieInitialise = sortie;
    return c;
}

Montage montage(const QString& projectile)
{
    return {QStringLiteral("Terre ( g = 9,8 N / kg )"), projectile, "1,0", "0,0", "14,0", "85,0"};
}

}  // namespace

class TstVol : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void masses_data()
    {
        QTest::addColumn<QString>("legende");
        QTest::addColumn<double>("masse");  // kg, 0: unreadable
        QTest::newRow("pomme") << "pomme ( m = 180 g )" << 0.18;
        QTest::newRow("ballon") << "ballon ( m = 450 g )" << 0.45;
        QTest::newRow("boule") << "boule de pétanque ( m = 800 g )" << 0.8;
        QTest::newRow("rocher en kg") << "rocher ( m = 1830 kg )" << 1830.0;
        QTest::newRow("virgule") << "plume ( m = 0,5 g )" << 0.0005;
        QTest::newRow("sans masse") << "pomme" << 0.0;
        QTest::newRow("masse nulle") << "vide ( m = 0 g )" << 0.0;
        QTest::newRow("unité inconnue") << "pierre ( m = 330 lb )" << 0.0;
        QTest::newRow("vide") << "" << 0.0;
    }
    void masses()
    {
        QFETCH(QString, legende);
        QFETCH(double, masse);
        const std::optional<double> lue = sim::masseLegende(legende);
        QCOMPARE(lue.has_value(), masse > 0);
        if (lue)
            QVERIFY(qAbs(*lue - masse) < 1e-12);
        // No mass, no energies: the cells stay empty rather than show 0 J.
        const TableauVol t = tableauVol(conditions(9.8f, 14.0f, 60.0f, 0.0f), montage(legende));
        QCOMPARE(t.masse.has_value(), masse > 0);
        QCOMPARE(cellulesVol(t.lignes.first(), t.masse.has_value()).at(7).isEmpty(), masse <= 0);
    }

    void energieMecaniqueConstante_data()
    {
        QTest::addColumn<float>("g");
        QTest::addColumn<float>("v0");
        QTest::addColumn<float>("angle");
        QTest::addColumn<float>("y0");
        QTest::newRow("Terre") << 9.8f << 14.0f << 85.0f << 0.0f;
        QTest::newRow("Lune") << 1.62f << 9.5f << 40.0f << 3.0f;
        QTest::newRow("Mars") << 3.71f << 20.0f << -10.0f << 8.0f;
    }
    void energieMecaniqueConstante()
    {
        QFETCH(float, g);
        QFETCH(float, v0);
        QFETCH(float, angle);
        QFETCH(float, y0);
        const Conditions c = conditions(g, v0, angle, y0);
        const TableauVol t = tableauVol(c, montage(QStringLiteral("rocher ( m = 1830 kg )")));
        const QString em = texteValeur(t.lignes.first().em);
        for (const Ligne& l : t.lignes)
            QCOMPARE(texteValeur(l.em), em);
        const sim::Vol vol(conditionsVol(c));
        for (const EchantillonVol& e : echantillonsVol(vol, 1830.0))
            QCOMPARE(texteValeur(e.e.em), em);
    }

    void rebonds()
    {
        const Conditions c = conditions(9.8f, 14.0f, 85.0f, 0.0f, true);
        const sim::Vol vol(conditionsVol(c));
        QCOMPARE(vol.fin(), sim::FinVol::Arret);
        const QVector<EchantillonVol> e = echantillonsVol(vol, 0.45, 50);
        // Em stays what it was at the arc's start until the impact (on the ground, waiting for the
        // bounce's tick, the balloon does not gain speed), then drops at the impact.
        int impacts = 0;
        double emArc = e.first().e.em;
        for (int i = 1; i + 1 < e.size(); ++i) {  // the last sample: at rest
            if (e[i].t != e[i - 1].t || e[i].v == 0) {
                QVERIFY2(qAbs(e[i].e.em - emArc) < 1e-4 * emArc, qPrintable(QString::number(e[i].t)));
                continue;
            }
            ++impacts;
            QVERIFY(e[i].e.em < 0.6 * e[i - 1].e.em);
            QVERIFY(qAbs(e[i].e.epp) < 1e-9);
            emArc = e[i].e.em;
        }
        // 14 m/s up: as the scene bounces (each impact seen at the first tick past the ground),
        // 10.27, 7.36, 5.28, 3.71, 2.61, 2.01 m/s up after the impacts, then below 2 m/s.
        QCOMPARE(impacts, 6);
        QCOMPARE(vol.arcs().size(), 7);
        const TableauVol t = tableauVol(c, montage(QStringLiteral("ballon ( m = 450 g )")));
        QCOMPARE(t.lignes.last().genre, Genre::Arret);
        QCOMPARE(t.lignes.last().ec, 0.0);
        QVERIFY(t.fin.contains(QStringLiteral("ne rebondit plus")));
        for (int i = 1; i < t.lignes.size(); ++i)
            QVERIFY(t.lignes[i].t >= t.lignes[i - 1].t);
    }

    // The balloon's impacts, its stop and its photographs are read where the scene shows them,
    // tick by tick: the table writes each of them as the scene's display does.
    void commeLaScene_data()
    {
        QTest::addColumn<float>("g");
        QTest::addColumn<float>("v0");
        QTest::addColumn<float>("angle");
        QTest::addColumn<float>("y0");
        QTest::addColumn<bool>("enregistre");
        QTest::addColumn<bool>("ralenti");
        QTest::addColumn<double>("intervalle");
        QTest::newRow("lancer par défaut") << 9.8f << 14.0f << 85.0f << 0.0f << false << false << 150.0;
        QTest::newRow("par défaut, photographié") << 9.8f << 14.0f << 85.0f << 0.0f << true << false << 150.0;
        QTest::newRow("lâché de 5 m, 100 ms") << 9.8f << 0.0f << 0.0f << 5.0f << true << false << 100.0;
        QTest::newRow("Mars, 70 ms") << 3.71f << 7.0f << 70.0f << 2.0f << true << false << 70.0;
        QTest::newRow("Lune, ralenti") << 1.62f << 6.0f << 50.0f << 1.0f << false << true << 150.0;
        QTest::newRow("ralenti, 30 ms") << 9.8f << 12.0f << 60.0f << 0.5f << true << true << 30.0;
    }
    void commeLaScene()
    {
        QFETCH(float, g);
        QFETCH(float, v0);
        QFETCH(float, angle);
        QFETCH(float, y0);
        QFETCH(bool, enregistre);
        QFETCH(bool, ralenti);
        QFETCH(double, intervalle);
        Conditions c = conditions(g, v0, angle, y0, true);
        c.intervalleMs = intervalle;
        c.enregistre = enregistre;
        c.ralenti = ralenti;
        // The scene's run, started by the camera when recorded.
        SimulationState etat{0.0f, g, c.vx, c.vy, 0};
        sim::EtatAnimation anim;
        anim.chronoActif = enregistre ? 1 : 0;
        sim::Reglages r{c.x0, y0, int(sim::Lieu::Terre), int(sim::Projectile::Ballon), ralenti, false, intervalle};
        sim::Placement place{r.echelle.gaucheInitiale(c.x0), r.echelle.hautInitial(y0), 0.0};
        QList<sim::Affichage> impacts, photos;
        sim::Affichage arret;
        for (int i = 0; i < 100000 && arret.x.isEmpty(); ++i) {
            const qint16 avant = etat.rebondActif;
            const sim::ResultatTick res = sim::tick(etat, anim, place, r);
            const bool fin = res.actions.contains(sim::Action::FinDuMouvement);
            if (avant != 0 && res.actions.contains(sim::Action::Impact))
                impacts << res.affichage;
            if (res.actions.contains(sim::Action::Photo) && !fin)
                photos << res.affichage;
            if (fin)
                arret = res.affichage;
        }
        QVERIFY(!arret.x.isEmpty());
        const TableauVol t = tableauVol(c, montage(QStringLiteral("ballon ( m = 450 g )")));
        auto affichage = [](const Ligne& l) { return sim::textesAffichage(float(l.x), float(l.t), l.y); };
        auto memes = [](const sim::Affichage& a, const sim::Affichage& b) {
            return a.x == b.x && a.date == b.date && a.y == b.y;
        };
        QList<sim::Affichage> lus, photosLues;
        for (const Ligne& l : t.lignes) {
            if (l.genre == Genre::Impact)
                lus << affichage(l);
            if (enregistre && l.n > 0)
                photosLues << affichage(l);
        }
        QCOMPARE(lus.size(), impacts.size());
        for (int i = 0; i < lus.size(); ++i)
            QVERIFY2(memes(lus[i], impacts[i]), qPrintable(lus[i].date + lus[i].x + " / " + impacts[i].date + impacts[i].x));
        QCOMPARE(t.lignes.last().genre, Genre::Arret);
        QVERIFY2(memes(affichage(t.lignes.last()), arret), qPrintable(affichage(t.lignes.last()).date + " / " + arret.date));
        if (enregistre) {
            photos.removeFirst();  // date 0: the launch row
            QCOMPARE(photosLues.size(), photos.size());
            for (int i = 0; i < photos.size(); ++i)
                QVERIFY2(memes(photosLues[i], photos[i]), qPrintable(photosLues[i].date + photosLues[i].y + " / " + photos[i].date + photos[i].y));
        }
    }

    // The tools drawn after a flight go through the bounces, one run per arc: every Δv is the
    // free fall's 2·g·τ, none straddles an impact.
    void outilsParLesRebonds_data()
    {
        QTest::addColumn<float>("g");
        QTest::addColumn<double>("intervalle");
        QTest::addColumn<bool>("enregistre");
        QTest::addColumn<int>("series");
        QTest::newRow("photographié") << 9.8f << 150.0 << true << 7;  // the free flight and six bounces
        QTest::newRow("animé") << 9.8f << 150.0 << false << 7;
        // The first bounce's first photograph, off the interval, stands alone.
        QTest::newRow("Mars, 70 ms") << 3.71f << 70.0 << true << 7;
    }
    void outilsParLesRebonds()
    {
        QFETCH(float, g);
        QFETCH(double, intervalle);
        QFETCH(bool, enregistre);
        QFETCH(int, series);
        Conditions c = conditions(g, 14.0f, 85.0f, 0.0f, true);
        c.intervalleMs = intervalle;
        c.enregistre = enregistre;
        const QVector<QVector<Ligne>> lues = lignesEnVol(c);
        QCOMPARE(lues.size(), series);
        for (const QVector<Ligne>& s : lues)
            for (const Vecteur& v : vecteursDeltaV(s)) {
                QVERIFY(qAbs(v.composantes.x()) < 1e-5);
                QVERIFY2(qAbs(v.composantes.y() + 2 * g * intervalle / 1000) < 1e-4, qPrintable(QString::number(v.composantes.y())));
                QVERIFY(v.origine.y() > 0);
            }
    }

    void chuteEtPortee_data()
    {
        QTest::addColumn<float>("g");
        QTest::addColumn<float>("v0");
        QTest::addColumn<float>("angle");
        QTest::addColumn<float>("y0");
        QTest::addColumn<bool>("ballon");
        QTest::newRow("lancer par défaut") << 9.8f << 14.0f << 85.0f << 0.0f << false;
        QTest::newRow("ballon") << 9.8f << 14.0f << 85.0f << 0.0f << true;
        QTest::newRow("de haut") << 1.62f << 3.0f << 0.0f << 5.0f << false;
    }
    void chuteEtPortee()
    {
        QFETCH(float, g);
        QFETCH(float, v0);
        QFETCH(float, angle);
        QFETCH(float, y0);
        QFETCH(bool, ballon);
        const Conditions c = conditions(g, v0, angle, y0, ballon);
        const TableauVol t = tableauVol(c, montage(QStringLiteral("pomme ( m = 180 g )")));
        const Resume r = resume(c);
        int chutes = 0;
        for (const Ligne& l : t.lignes) {
            if (l.genre != Genre::Chute)
                continue;
            ++chutes;
            QCOMPARE(QStringLiteral("portée = ") + texteValeur(std::fabs(l.x - double(c.x0))) + QStringLiteral(" m"),
                     texteChute(r));
            QCOMPARE(texteDate(l.t), texteDate(r.duree));
            QCOMPARE(l.y, 0.0);
        }
        QCOMPARE(chutes, 1);
        QCOMPARE(t.lignes.first().genre, Genre::Lancement);
        if (r.dateSommet > 0)
            QCOMPARE(std::count_if(t.lignes.begin(), t.lignes.end(), [](const Ligne& l) { return l.genre == Genre::Sommet; }), 1);
    }

    void volCoupe_data()
    {
        QTest::addColumn<float>("g");
        QTest::addColumn<float>("angle");
        QTest::addColumn<bool>("sortie");
        QTest::addColumn<QString>("fin");
        QTest::newRow("sort à droite") << 1.62f << 60.0f << true << "par la droite";
        QTest::newRow("sort à gauche") << 1.62f << 95.0f << true << "par la gauche";
        QTest::newRow("sans réinitialiser") << 1.62f << 60.0f << false << "touche le sol";
    }
    void volCoupe()
    {
        QFETCH(float, g);
        QFETCH(float, angle);
        QFETCH(bool, sortie);
        QFETCH(QString, fin);
        // Thrown hard on the Moon: far above the scene's top, and far sideways.
        const Conditions c = conditions(g, 25.0f, angle, 0.0f, false, sortie);
        const TableauVol t = tableauVol(c, montage(QStringLiteral("pierre ( m = 330 g )")));
        QVERIFY2(t.fin.contains(fin), qPrintable(t.fin));
        QVERIFY(t.sommaire.join('\n').contains(QStringLiteral("Hors de la vue par le haut")));
        QCOMPARE(t.lignes.last().genre, sortie ? Genre::Sortie : Genre::Chute);
        const QByteArray csv = texteCsvVol(t);
        QVERIFY(csv.endsWith('"' + t.fin.toUtf8() + "\"\r\n"));
        QVERIFY(csv.contains("\r\nn;t (s);x (m);y (m);vx (m/s);vy (m/s);v (m/s);Ec (J);Epp (J);Em (J);point\r\n0;0,000;"));
    }
};

QTEST_GUILESS_MAIN(TstVol)
#include "tst_vol.moc"
