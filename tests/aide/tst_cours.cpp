// SPDX-License-Identifier: GPL-3.0-or-later
// The worked numbers of the course and of the help are those the program computes: each is
// recomputed here with the simulation core (or the calculator) and looked for in the page.

#include "calc/calcul.h"
#include "core/module1.h"
#include "sim/animation.h"
#include "sim/mouvement.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QtTest>

#include <cmath>

namespace {

// The page's text without its tags, entities of the pages written out.
QString texte(const QString& page)
{
    QFile f(QDir(QCoreApplication::applicationDirPath()).filePath(page));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QString t = QString::fromUtf8(f.readAll());
    t.replace(QRegularExpression(QStringLiteral("</t[dh]>")), QStringLiteral(" "));  // table cells apart
    t.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    t.replace(QStringLiteral("&nbsp;"), QStringLiteral(" "));
    return t.simplified();
}

QString n(double v, int decimales)
{
    return QLocale(QLocale::French).toString(v, 'f', decimales);
}

struct Lancer {
    float g;
    sim::Vitesse v;
    double tS() const { return v.vy / double(g); }
    double fleche() const { return double(v.vy) * v.vy / (2.0 * g); }
    double portee() const { return 2.0 * v.vx * tS(); }
};

Lancer reference(float g = 9.8f)
{
    return {g, sim::voxvoy(14.0f, 85.0f)};
}

// The scene's display at the highest tick and at the landing tick of the default throw.
struct Affiches {
    sim::Affichage sommet;
    sim::Affichage impact;
};

Affiches affichesReference()
{
    SimulationState etat;
    etat.g = 9.8f;
    const sim::Vitesse v = sim::voxvoy(14.0f, 85.0f);
    etat.vx = v.vx;
    etat.vy = v.vy;
    sim::EtatAnimation anim;
    sim::Placement place;
    const sim::Reglages r;  // Earth, balloon, from the origin
    Affiches a;
    double yMax = -1;
    for (int i = 0; i < 1000; ++i) {
        const sim::ResultatTick res = sim::tick(etat, anim, place, r);
        if (res.actions.contains(sim::Action::Impact)) {
            a.impact = res.affichage;
            break;
        }
        const double y = sim::yLibre(0, v.vy, 9.8f, etat.t);
        if (y > yMax) {
            yMax = y;
            a.sommet = res.affichage;
        }
    }
    return a;
}

}  // namespace

class TstCours : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void nombres_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("attendu");
        const Lancer t = reference();
        QTest::newRow("v0x") << "cours/conditions.html" << QStringLiteral("v0x = 14,0 × cos 85,0° = %1 m/s").arg(n(t.v.vx, 2));
        QTest::newRow("v0y") << "cours/conditions.html" << QStringLiteral("v0y = 14,0 × sin 85,0° = %1 m/s").arg(n(t.v.vy, 2));
        QTest::newRow("x(t)") << "cours/equations.html"
                              << QStringLiteral("x(t) = %1 t et y(t) = −%2 t² + %3 t").arg(n(t.v.vx, 2), n(9.8 / 2, 1), n(t.v.vy, 2));
        QTest::newRow("à 1 s") << "cours/equations.html"
                               << QStringLiteral("t = 1,00 s, x = %1 m et y = %2 m")
                                      .arg(n(sim::xLibre(0, t.v.vx, 1.0f), 2), n(sim::yLibre(0, t.v.vy, 9.8f, 1.0f), 2));
        QTest::newRow("y(x)") << "cours/equations.html"
                              << QStringLiteral("y(x) = −%1 x² + %2 x")
                                     .arg(n(9.8 / (2.0 * t.v.vx * t.v.vx), 2), n(double(t.v.vy) / t.v.vx, 2));
        QTest::newRow("sommet") << "cours/sommet.html"
                                << QStringLiteral("tS = 13,95 / 9,8 = %1 s ; xS = %2 m ; h = 13,95² / (2 × 9,8) = %3 m")
                                       .arg(n(t.tS(), 2), n(t.v.vx * t.tS(), 2), n(t.fleche(), 2));
        QTest::newRow("portée") << "cours/sommet.html"
                                << QStringLiteral("T = 2 × 13,95 / 9,8 = %1 s et d = 14,0² × sin 170° / 9,8 = %2 m")
                                       .arg(n(2 * t.tS(), 2), n(t.portee(), 2));
        const Affiches a = affichesReference();
        QTest::newRow("affichage au sommet") << "cours/sommet.html"
                                             << QStringLiteral("« %1 » et « %2 »").arg(a.sommet.date, a.sommet.y);
        QTest::newRow("affichage à l'impact") << "cours/sommet.html"
                                              << QStringLiteral("« %1 » avec « %2 »").arg(a.impact.date, a.impact.x);
        QTest::newRow("45°") << "cours/sommet.html"
                             << QStringLiteral("dmax = 14,0² / 9,8 = %1 m à 45° ; 30° et 60° donnent tous deux %2 m ; 15° et 75° donnent %3 m")
                                    .arg(n(196 / 9.8, 1), n(196 * std::sin(M_PI / 3) / 9.8, 1), n(196 * 0.5 / 9.8, 1));
        for (auto [nom, g] : {std::pair{"Terre", 9.8f}, {"Mars", 3.71f}, {"Lune", 1.62f}}) {
            const Lancer l = reference(g);
            QTest::newRow(nom) << "cours/sommet.html"
                               << QStringLiteral("%1 %2 %3 s %4 m %5 m")
                                      .arg(QString::fromLatin1(nom), n(g, g == 9.8f ? 1 : 2), n(2 * l.tS(), 2),
                                           n(l.fleche(), 2), n(l.portee(), 2));
        }
        const Lancer lune{1.62f, sim::voxvoy(4.0f, 60.0f)}, terre{9.8f, sim::voxvoy(4.0f, 60.0f)};
        QTest::newRow("pierre sur la Lune") << "cours/sommet.html"
                                            << QStringLiteral("monte à %1 m et retombe %2 m plus loin, après un vol de %3 s : sur la Terre, le même lancer ne l'aurait portée qu'à %4 m")
                                                   .arg(n(lune.fleche(), 2), n(lune.portee(), 2), n(2 * lune.tS(), 2), n(terre.portee(), 2));
        const double tau = 0.150;
        QTest::newRow("écarts") << "cours/chronophotographie.html"
                                << QStringLiteral("l'écart horizontal vaut 1,22 × 0,150 = %1 m ; l'écart vertical diminue de 9,8 × 0,150² = %2 m")
                                       .arg(n(t.v.vx * tau, 2), n(9.8 * tau * tau, 2));
        QTest::newRow("Δv") << "cours/chronophotographie.html"
                            << QStringLiteral("Δt = 2τ = 0,30 s et Δv = 9,8 × 0,30 = %1 m/s en chaque point. Entre deux photographies consécutives, la vitesse varie de g τ = %2 m/s")
                                   .arg(n(9.8 * 2 * tau, 2), n(9.8 * tau, 2));
        const double m = 0.450;
        QTest::newRow("énergie") << "cours/energie.html"
                                 << QStringLiteral("Ec = ½ × 0,450 × 14,0² = %1 J et Epp = 0 J. Au sommet, Ec = ½ × 0,450 × 1,22² = %2 J et Epp = 0,450 × 9,8 × 9,92 = %3 J : la somme vaut toujours %1 J")
                                        .arg(n(0.5 * m * 196, 1), n(0.5 * m * t.v.vx * t.v.vx, 2), n(m * 9.8 * 9.92, 2));
        QTest::newRow("rebond") << "cours/limites.html"
                                << QStringLiteral("arrive au sol à %1 m/s verticalement ; la règle le ferait repartir à 0,7 × 13,95 ≈ %2 m/s vers le haut")
                                       .arg(n(t.v.vy, 2), n(sim::restitution * t.v.vy, 2));
        QTest::newRow("menu de la scène") << "aide/mesures.html"
                                          << QStringLiteral("« h max = %1 m », « portée = %2 m »").arg(n(t.fleche(), 2), n(t.portee(), 2));
        QString expression = QStringLiteral("(14 * sin 85) ^ 2 / (2 * 9.8)");
        qint16 erreur = -1;
        Module1::calculeExpression(expression, erreur, 0);
        QTest::newRow("calculatrice") << "aide/calculatrice.html"
                                      << QStringLiteral("puis EXE, donne %1 m environ").arg(erreur == 0 ? n(expression.toDouble(), 3) : QStringLiteral("?"));
    }
    void nombres()
    {
        QFETCH(QString, page);
        QFETCH(QString, attendu);
        const QString t = texte(page);
        QVERIFY2(!t.isEmpty(), qPrintable(page));
        QVERIFY2(t.contains(attendu), qPrintable(attendu));
    }
};

QTEST_GUILESS_MAIN(TstCours)
#include "tst_cours.moc"
