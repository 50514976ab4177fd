// SPDX-License-Identifier: GPL-3.0-or-later
// The whole flight, its energies and its table: Em kept in free flight, 49 % of Ec kept at each
// bounce, the landing row where the marks put the range, the end of a flight cut short.

#include "analyse/dessin.h"
#include "analyse/energies.h"
#include "analyse/tableauvol.h"

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
        int impacts = 0;
        for (int i = 1; i < e.size(); ++i) {
            if (e[i].t != e[i - 1].t || e[i].v == 0)
                continue;
            ++impacts;
            QVERIFY(qAbs(e[i].e.ec / e[i - 1].e.ec - 0.49) < 1e-9);
            QVERIFY(qAbs(e[i].e.epp) < 1e-9);
        }
        // 14 m/s up: 9.8, 6.86, 4.80, 3.36, 2.35 m/s up after the impacts, then below 2 m/s.
        QCOMPARE(impacts, 5);
        QCOMPARE(vol.arcs().size(), 6);
        const TableauVol t = tableauVol(c, montage(QStringLiteral("ballon ( m = 450 g )")));
        QCOMPARE(t.lignes.last().genre, Genre::Arret);
        QCOMPARE(t.lignes.last().ec, 0.0);
        QVERIFY(t.fin.contains(QStringLiteral("ne rebondit plus")));
        for (int i = 1; i < t.lignes.size(); ++i)
            QVERIFY(t.lignes[i].t >= t.lignes[i - 1].t);
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
