// SPDX-License-Identifier: GPL-3.0-or-later
// A figure quoted by an exercise is checked against what the pupil's procedure shows: the
// same ticks as the scene (recording moves the dates), or the text a tool draws.

#include "exercices/generateur.h"
#include "exercices/reponses.h"
#include "exercices/source.h"

#include <QtTest>

class TstCalculsExercices : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void controle_data()
    {
        QTest::addColumn<QString>("entete");
        QTest::addColumn<QString>("controle");
        QTest::addColumn<bool>("accepte");
        const QString ballon = "procedure: chronophotographie\nprojectile: ballon\nx0: 0,0\ny0: 5,0\nv0: 1,5\n"
                               "angle: 0,0\nchrono: 50\n";
        // Recorded, the balloon stops at its fifth contact; run without photographs, at its sixth.
        QTest::newRow("rebonds enregistres") << ballon << "nrebonds = 5" << true;
        QTest::newRow("rebonds sans photographies") << ballon << "nrebonds = 6" << false;
        QTest::newRow("rebonds animation") << ballon << "nrebonds[procedure=animation] = 6" << true;
        QTest::newRow("premier rebond") << ballon << "vrebond(1) = 7,20" << true;
        QTest::newRow("premier rebond sans photographies") << ballon << "vrebond(1) = 7,41" << false;
        QTest::newRow("arret") << ballon << "taffiche = 4,89" << true;
        QTest::newRow("photographie la plus haute") << ballon << "hphoto(1) = 2,65" << true;
        QTest::newRow("premiere photographie") << ballon << "tphoto(0) = 0,0" << true;
        QTest::newRow("deuxieme photographie") << ballon << "tphoto(1) = 0,05" << true;
        const QString boule = "procedure: chronophotographie\nprojectile: boule\nx0: 0,0\ny0: 5,0\nv0: 7,5\n"
                              "angle: 35,0\nchrono: 150\n";
        QTest::newRow("abscisse affichee") << boule << "xaffiche = 9,71" << true;
        QTest::newRow("abscisse affichee animation") << boule << "xaffiche[procedure=animation] = 9,58" << true;
        QTest::newRow("marques sans l'outil") << boule << "marques.portee = 9,46" << false;
        QTest::newRow("marques") << boule + "outils: marques\n" << "marques.portee = 9,46" << true;
        QTest::newRow("marques arrondi") << boule + "outils: marques\n" << "marques.portee = 9,47" << false;
        QTest::newRow("tableau") << boule + "outils: tableau\n" << "tableau.t(2) = 0,300" << true;
        QTest::newRow("tableau ordonnee") << boule + "outils: tableau\n" << "tableau.y(2) = 5,85" << true;
        // Δv arrows span two intervals (2·g·τ = 2,94 m/s here); none from the first photograph.
        const QString dv = boule + "outils: deltav\n";
        QTest::newRow("Δv sans l'outil") << boule << "deltav.norme(1) = 2,94" << false;
        QTest::newRow("Δv") << dv << "deltav.norme(1) = 2,94" << true;
        QTest::newRow("Δv vertical") << dv << "deltav.x(3) = 0,00" << true;
        QTest::newRow("Δv vers le bas") << dv << "deltav.y(3) = 2,94" << false;
        QTest::newRow("Δv sur Mars") << dv << "deltav.norme(2)[lieu=Mars] = 1,11" << true;
        QTest::newRow("échelle Δv") << dv << "deltav.echelle = 2" << true;
        QTest::newRow("Δv à la première photographie") << dv << "deltav.norme(0) = 0" << false;
        // Pictures are placed in whole twips: at another scale the photographs move a little.
        QTest::newRow("échelle de la scène") << boule << "xphoto(3)[echelle=18] = 2,763" << true;
        QTest::newRow("échelle par défaut") << boule << "xphoto(3) = 2,763" << false;
        // The velocity and energy window's curves, and what the exported script prints.
        QTest::newRow("courbe sans l'outil") << boule << "graphes.epp(0) = 39,2" << false;
        QTest::newRow("courbe Epp") << boule + "outils: graphes\n" << "graphes.epp(0) = 39,2" << true;
        QTest::newRow("courbe Em") << boule + "outils: graphes\n" << "graphes.em(0,8) = 61,7" << true;
        QTest::newRow("courbe vy") << boule + "outils: graphes\n" << "graphes.vy(1) = -5,50" << true;
        QTest::newRow("script v") << boule + "outils: python\n" << "python.v(1) = 6,765" << true;
        QTest::newRow("script Δv") << boule + "outils: python\n" << "python.dv(2) = 2,940" << true;
        QTest::newRow("script sans Δv en M1") << boule + "outils: python\n" << "python.dv(1) = 2,940" << false;
    }
    void controle()
    {
        QFETCH(QString, entete);
        QFETCH(QString, controle);
        QFETCH(bool, accepte);
        QString erreur;
        const auto s = exercices::lisSource("titre: t\nfichier: f\n" + entete + "controle: " + controle
                                                + "\n=== enonce ===\n<p>x</p>\n",
                                            &erreur);
        QVERIFY2(s, qPrintable(erreur));
        const QString message = exercices::verifie(*s, s->controles.first());
        QVERIFY2(message.isEmpty() == accepte, qPrintable(message));
    }

    // Writing lines go under the questions only, as many as asked.
    void espacesReponse_data()
    {
        QTest::addColumn<QString>("html");
        QTest::addColumn<QList<int>>("lignes");
        const QString etapes = "<h2>L'expérience</h2><ol><li>Enregistrer.</li></ol>";
        QTest::newRow("deux par défaut") << etapes + "<h2>Questions</h2>\n<ol>\n<li>a</li>\n<li>b</li>\n</ol>"
                                         << QList<int>{0, 2, 2};
        QTest::newRow("nombre demandé") << "<h2>Questions</h2><ol><li lignes=\"0\">a</li><li lignes=\"4\">b</li></ol>"
                                        << QList<int>{0, 4};
        QTest::newRow("liste après les questions") << "<h2>Questions</h2><ol><li>a</li></ol><ol><li lignes=\"3\">b</li></ol>"
                                                   << QList<int>{2, 0};
        QTest::newRow("sans questions") << etapes << QList<int>{0};
    }
    void espacesReponse()
    {
        QFETCH(QString, html);
        QFETCH(QList<int>, lignes);
        const QString res = exercices::avecEspacesReponse(html);
        QVERIFY(!res.contains("lignes="));
        static const QRegularExpression item("<li>(.*?)</li>", QRegularExpression::DotMatchesEverythingOption);
        QList<int> trouvees;
        for (auto it = item.globalMatch(res); it.hasNext();)
            trouvees << int(it.next().captured(1).count("<br />"));
        QCOMPARE(trouvees, lignes);
    }

    // Every figure a course page quotes is checked or listed as data; list numbers, angles and
    // factors without a unit are not figures.
    void figuresDuCours_data()
    {
        QTest::addColumn<QString>("liste");
        QTest::addColumn<QStringList>("absentes");
        QTest::newRow("rien de listé") << "" << QStringList{"5,10", "150", "1 830"};
        QTest::newRow("données") << "p.html: donnees 150; 1 830\n" << QStringList{"5,10"};
        QTest::newRow("contrôlée") << "p.html: donnees 150; 1 830\np.html: hmax[angle=90,0; v0=10,0] = 5,10\n" << QStringList{};
        QTest::newRow("flèche combinante") << "p.html: donnees 150; 1 830; 5,10\n" << QStringList{"p.html : flèche combinante (U+20D7) au lieu d'une image vecteur_*.png"};
    }
    void figuresDuCours()
    {
        QFETCH(QString, liste);
        QFETCH(QStringList, absentes);
        QTemporaryDir dossier;
        QFile page(dossier.filePath("p.html"));
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.write("<p>2. Lancée à 90°, la balle monte à 5,10&nbsp;m ; photographies toutes les 150 ms, "
                   "rocher de 1&#8239;830&nbsp;kg, 3 fois.</p>");
        if (QString::fromUtf8(QTest::currentDataTag()) == QStringLiteral("flèche combinante"))
            page.write(QStringLiteral("<p>v\u20D7</p>").toUtf8());
        page.close();
        QStringList trouvees;
        for (const QString& e : exercices::verifieCours(liste, dossier.path()))
            trouvees << (e.contains(" cite ") ? e.section(" cite ", 1).section(", absent", 0, 0) : e);
        QCOMPARE(trouvees, absentes);
    }

    // Every source says how the pupil runs the flight.
    void sansProcedure()
    {
        QString erreur;
        QVERIFY(!exercices::lisSource("titre: t\nfichier: f\n=== enonce ===\n<p>x</p>\n", &erreur));
        QVERIFY(erreur.contains("procedure"));
    }
};

QTEST_MAIN(TstCalculsExercices)
#include "tst_calculs_exercices.moc"
