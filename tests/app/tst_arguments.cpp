// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/arguments.h"

#include <QFile>
#include <QTest>

using Mode = Arguments::Mode;

class TstArguments : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void lecture_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("fichier");
        QTest::addColumn<QString>("image");
        QTest::addColumn<int>("chrono");
        QTest::addColumn<bool>("repere");
        QTest::addColumn<bool>("grille");

        QTest::newRow("rien") << QStringList{} << int(Mode::Fenetre) << "" << "" << -1 << false << false;
        QTest::newRow("fichier P03") << QStringList{"tir.P03"} << int(Mode::Fenetre) << "tir.P03" << "" << -1 << false << false;
        QTest::newRow("exercice") << QStringList{"/a/b/ex1.e03"} << int(Mode::Fenetre) << "/a/b/ex1.e03" << "" << -1 << false << false;
        QTest::newRow("aide") << QStringList{"--help"} << int(Mode::Aide) << "" << "" << -1 << false << false;
        QTest::newRow("aide courte") << QStringList{"-h"} << int(Mode::Aide) << "" << "" << -1 << false << false;
        QTest::newRow("version") << QStringList{"--version"} << int(Mode::Version) << "" << "" << -1 << false << false;
        QTest::newRow("image seule") << QStringList{"--image", "s.png"} << int(Mode::Export) << "" << "s.png" << -1 << false << false;
        QTest::newRow("image =") << QStringList{"--image=s.PNG", "t.p03"} << int(Mode::Export) << "t.p03" << "s.PNG" << -1 << false << false;
        QTest::newRow("toutes") << QStringList{"--repere", "--image", "s.svg", "--chrono", "100", "--grille", "c.P03"}
                                << int(Mode::Export) << "c.P03" << "s.svg" << 100 << true << true;
        QTest::newRow("option après le fichier") << QStringList{"c.P03", "--image", "s.jpg"} << int(Mode::Export) << "c.P03"
                                                 << "s.jpg" << -1 << false << false;
    }
    void lecture()
    {
        QFETCH(QStringList, args);
        QFETCH(int, mode);
        args.prepend(QStringLiteral("baltor"));
        const Arguments a = analyseArguments(args);
        QCOMPARE(int(a.mode), mode);
        QTEST(a.fichier, "fichier");
        QTEST(a.image, "image");
        QTEST(a.chronoMs, "chrono");
        QTEST(a.repere, "repere");
        QTEST(a.grille, "grille");
    }

    void refus_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        QTest::newRow("option inconnue") << QStringList{"--vitesse", "3"} << "option inconnue : --vitesse";
        QTest::newRow("lettre inconnue") << QStringList{"-x"} << "option inconnue : -x";
        QTest::newRow("valeur manquante") << QStringList{"--image"} << "l'option --image attend une valeur";
        QTest::newRow("deux fichiers") << QStringList{"a.P03", "b.P03"} << "un seul fichier à la fois (reçu : a.P03, b.P03)";
        QTest::newRow("chrono sans image") << QStringList{"--chrono", "50", "--mesures", "m.csv"}
                                           << "--chrono, --repere et --grille s'emploient avec --image";
        QTest::newRow("repère sans image") << QStringList{"--repere"} << "--chrono, --repere et --grille s'emploient avec --image";
        QTest::newRow("chrono non entier") << QStringList{"--image", "a.png", "--chrono", "1,5"}
                                           << "--chrono attend un nombre entier de millisecondes (reçu : « 1,5 »)";
        QTest::newRow("tableau en .P03") << QStringList{"--mesures", "x.P03"} << "--mesures : extension « p03 » inconnue (csv, txt ou ods)";
        QTest::newRow("nom hors UTF-8") << QStringList{"--mesures", QFile::decodeName("r\xe9sultat.csv")}
                                        << "--mesures : le nom « r\uFFFDsultat.csv » n'est pas écrit en UTF-8 ; choisissez un autre nom";
        QTest::newRow("chrono nul") << QStringList{"--image", "a.png", "--chrono", "0"}
                                    << "--chrono attend un nombre entier de millisecondes (reçu : « 0 »)";
        QTest::newRow("extension d'image") << QStringList{"--image", "a.gif"}
                                           << "--image : extension « gif » inconnue (png, jpg, jpeg, pdf ou svg)";
        QTest::newRow("graphes en svg") << QStringList{"--graphes", "g.svg"} << "--graphes : extension « svg » inconnue (pdf ou png)";
        QTest::newRow("export d'un exercice") << QStringList{"--mesures", "m.csv", "ex.E03"}
                                              << "l'exportation attend une configuration .P03 (reçu : ex.E03)";
        QTest::newRow("nom vide") << QStringList{"--mesures", " "} << "l'option --mesures attend un nom de fichier";
        QTest::newRow("deux images") << QStringList{"--image", "a.png", "--image", "b.png"}
                                     << "l'option --image n'est permise qu'une fois";
        QTest::newRow("taille 5") << QStringList{"--image", "a.png", "--taille", "5"}
                                  << "--taille attend un nombre entier de 1 à 4 (reçu : « 5 »)";
        QTest::newRow("vecteurs sans image") << QStringList{"--vecteurs", "--graphes", "g.pdf"}
                                             << "--vecteurs, --deltav, --trajectoire, --sommet et --taille s'emploient avec --image";
        QTest::newRow("échelle inconnue") << QStringList{"--image", "a.png", "--echelle", "12"}
                                          << "--echelle attend 36, 18, 9, 4,5, 1,8 (pixels par mètre) ou « ajuster » (reçu : « 12 »)";
        QTest::newRow("échelle sans image") << QStringList{"--echelle", "9"} << "--echelle s'emploie avec --image";
    }

    void echelle_data()
    {
        QTest::addColumn<QString>("valeur");
        QTest::addColumn<float>("echelle");
        QTest::addColumn<bool>("ajuster");
        QTest::newRow("18") << "18" << 18.0f << false;
        QTest::newRow("virgule") << "4,5" << 4.5f << false;
        QTest::newRow("point") << "1.8" << 1.8f << false;
        QTest::newRow("ajuster") << "ajuster" << 0.0f << true;
    }
    void echelle()
    {
        QFETCH(QString, valeur);
        const Arguments a = analyseArguments({"baltor", "--image", "s.png", "--echelle", valeur});
        QCOMPARE(int(a.mode), int(Mode::Export));
        QTEST(a.echelle, "echelle");
        QTEST(a.ajuster, "ajuster");
    }
    void refus()
    {
        QFETCH(QStringList, args);
        args.prepend(QStringLiteral("baltor"));
        const Arguments a = analyseArguments(args);
        QCOMPARE(int(a.mode), int(Mode::Erreur));
        QTEST(a.erreur, "message");
    }

    void aideEnFrancais()
    {
        const QString aide = texteAide(QStringLiteral("baltor"));
        for (const char* mot : {"Utilisation : baltor", "--image", "--chrono", "--repere", "--grille", "--graphes",
                                "--mesures", "--echelle", "--help", "--version", "Code de retour"})
            QVERIFY2(aide.contains(QString::fromUtf8(mot)), mot);
        QVERIFY(texteVersion().startsWith(QStringLiteral("Baltor ")));
    }
};

QTEST_GUILESS_MAIN(TstArguments)
#include "tst_arguments.moc"
