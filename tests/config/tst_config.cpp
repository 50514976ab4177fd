// SPDX-License-Identifier: GPL-3.0-or-later
// Saving and loading the main window's set-up.

#include "banc_config.h"

using namespace banc;

class TstConfig : public QObject, BancConfig {
    Q_OBJECT

private Q_SLOTS:
    void init() { prepare(); }
    void cleanup() { termine(); }

    void octetsDunEnregistrement()
    {
        feuilleP f;
        regle(f);
        Module1::cheminConfig = chemin("essai.P03");
        QVERIFY(Config::enregistreConfig(f));
        QCOMPARE(f.windowTitle(), "Baltor - " + chemin("essai.P03"));
        QVERIFY(rec().messages.isEmpty());
        const QByteArray octets = contenu(Module1::cheminConfig);
        QCOMPARE(octets, fichier(textesExemple()));
        QCOMPARE(octets.mid(8 * 128, 6), QByteArray("\x04\x00" "12,0", 6));
    }

    void allerRetour()
    {
        Module1::cheminConfig = chemin("essai.P03");
        {
            feuilleP f;
            regle(f);
            QVERIFY(Config::enregistreConfig(f));
        }
        feuilleP g;
        QVERIFY(etat(g) != textesExemple().mid(1));
        Module1::rebondActif = 2;
        Module1::chargeConfig(g);
        QVERIFY(rec().messages.isEmpty());
        QCOMPARE(etat(g), (QStringList{"1", "4", "1", "0", "1", "2,5", "3,0", "12,0", "-40,0", "200"}));
        QCOMPARE(g.windowTitle(), "Baltor - " + chemin("essai.P03"));
        // The state is rebuilt by the window's own handlers: the Moon's g, the velocity, the picture.
        QCOMPARE(Module1::g, 1.62f);
        QCOMPARE(Module1::rebondActif, qint16(0));
        QVERIFY(qAbs(Module1::vx - 12.0f * std::cos(float(-40.0 * M_PI / 180))) < 1e-3f);
        QCOMPARE(g.projectile->left(), 36 * 2.5 + 14);
        QCOMPARE(g.projectile->top(), 420 - 36 * 3.0);
        QCOMPARE(g.projectile->picture().convertToFormat(QImage::Format_ARGB32),
                 g.ImageList1.value(4).convertToFormat(QImage::Format_ARGB32));
        QVERIFY(!g.Label1->isVisibleTo(&g));
    }

    void refus_data()
    {
        QTest::addColumn<QByteArray>("octets");  // "<absent>": no file; "<dossier>": a folder
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("titre");
        const QString nonValide = QStringLiteral("Ce fichier ne correspond pas à cette application");
        const QString titreNonValide = QStringLiteral("Fichier non valide");
        const QString illisible = QStringLiteral("Lecture impossible sur disque");
        const QString titreIllisible = QStringLiteral("Erreur lors du chargement du fichier");
        QTest::newRow("signature en minuscules") << fichier(avec(1, "baltor")) << nonValide << titreNonValide;
        QTest::newRow("fichier vide") << QByteArray() << nonValide << titreNonValide;
        QTest::newRow("fichier absent") << QByteArray("<absent>") << nonValide << titreNonValide;
        QTest::newRow("un dossier") << QByteArray("<dossier>") << illisible << titreIllisible;
        QTest::newRow("lieu 9") << fichier(avec(2, " 9")) << illisible << titreIllisible;
        QTest::newRow("projectile -3") << fichier(avec(3, "-3")) << illisible << titreIllisible;
        QTest::newRow("case à 3") << fichier(avec(6, " 3")) << illisible << titreIllisible;
        QTest::newRow("fichier coupé") << fichier(textesExemple()).left(700) << illisible << titreIllisible;
    }
    void refus()
    {
        QFETCH(QByteArray, octets);
        QFETCH(QString, texte);
        QFETCH(QString, titre);
        Module1::cheminConfig = chemin("charge.P03");
        if (octets == "<dossier>")
            QVERIFY(QDir(dossier->path()).mkdir("charge.P03"));
        else if (octets != "<absent>")
            QVERIFY(ecrit(Module1::cheminConfig, octets));
        feuilleP f;
        const QString titreAvant = f.windowTitle();
        Module1::chargeConfig(f);
        verifieMessage(texte, titre);
        QCOMPARE(f.windowTitle(), titreAvant);
        // Loading never creates the file it was asked for.
        QCOMPARE(QFileInfo::exists(Module1::cheminConfig), octets != "<absent>");
    }

    // A failed read keeps what was applied before the bad record; the follow-up does not run.
    void chargementPartiel()
    {
        feuilleP f;
        const QStringList avant = etat(f);
        f.Picture2->Line(QPointF(0, 0), QPointF(100, 100), Qt::red);
        const QImage dessine = f.Picture2->Image();
        Module1::cheminConfig = chemin("partiel.P03");
        QVERIFY(ecrit(Module1::cheminConfig, fichier(avec(6, " 7"))));
        const QString titreAvant = f.windowTitle();
        Module1::chargeConfig(f);
        verifieMessage("Lecture impossible sur disque", "Erreur lors du chargement du fichier");
        QStringList attendu = avant;
        attendu[0] = "1";
        attendu[1] = "4";
        attendu[2] = "1";
        attendu[3] = "0";
        QCOMPARE(etat(f), attendu);
        QCOMPARE(f.windowTitle(), titreAvant);
        QVERIFY(f.Picture2->Image() != dessine);
    }

    void refusSansChangement()
    {
        feuilleP f;
        f.Picture2->Line(QPointF(0, 0), QPointF(100, 100), Qt::red);
        const QImage dessine = f.Picture2->Image();
        const QStringList avant = etat(f);
        Module1::cheminConfig = chemin("autre.P03");
        QVERIFY(ecrit(Module1::cheminConfig, fichier(avec(1, "BALTO"))));
        Module1::chargeConfig(f);
        QCOMPARE(etat(f), avant);
        QCOMPARE(f.Picture2->Image(), dessine);
    }

    // Fields as other systems wrote them, or damaged, go through the fields' own validation.
    void champsValides_data()
    {
        QTest::addColumn<QStringList>("textes");
        QTest::addColumn<QStringList>("champs");
        QTest::newRow("points décimaux") << QStringList{"BALTOR", " 0", " 2", " 0", " 1", " 0", "2.5", "1.0", "12.5", "45.0", "150"}
                                         << QStringList{"2,5", "1,0", "12,5", "45,0", "150"};
        QTest::newRow("textes non numériques") << avec(9, "abc") + QStringList{}
                                               << QStringList{"2,5", "3,0", "0,0", "-40,0", "200"};
        QTest::newRow("hors limites") << QStringList{"BALTOR", " 0", " 2", " 0", " 1", " 0", "50", "-3", "900", "3", "1"}
                                      << QStringList{"10,03", "0,0", "100,0", "0,0", "10"};
    }
    void champsValides()
    {
        QFETCH(QStringList, textes);
        QFETCH(QStringList, champs);
        feuilleP f;
        Module1::cheminConfig = chemin("champs.P03");
        QVERIFY(ecrit(Module1::cheminConfig, fichier(textes)));
        Module1::chargeConfig(f);
        QVERIFY(rec().messages.isEmpty());
        QCOMPARE(etat(f).mid(5), champs);
    }

    // A path written on Windows, in another letter case.
    void cheminWindows()
    {
        QVERIFY(QDir(dossier->path()).mkdir("Exos"));
        QVERIFY(ecrit(chemin("Exos/Tir.P03"), fichier(textesExemple())));
        feuilleP f;
        Module1::cheminConfig = QDir::toNativeSeparators(dossier->path()).replace(u'/', u'\\') + "\\EXOS\\tir.p03";
        Module1::chargeConfig(f);
        QVERIFY(rec().messages.isEmpty());
        QCOMPARE(f.windowTitle(), "Baltor - " + chemin("Exos/Tir.P03"));
        QCOMPARE(f.Combo2->currentIndex(), 4);
    }

    void texteTropLong()
    {
        feuilleP f;
        f.Text3->setText(QString(127, u'1'));
        Module1::cheminConfig = chemin("long.P03");
        QVERIFY(ecrit(Module1::cheminConfig, "ancien"));
        const QString titreAvant = f.windowTitle();
        QVERIFY(!Config::enregistreConfig(f));
        verifieMessage("Ecriture impossible sur disque", "Enregistrement impossible");
        QCOMPARE(contenu(Module1::cheminConfig), QByteArray("ancien"));
        QCOMPARE(f.windowTitle(), titreAvant);
        f.Text3->setText(QString(126, u'1'));
        QVERIFY(Config::enregistreConfig(f));
    }

    // The disk refuses half-way: the old file stays as it was, no temporary file is left.
    void ecritureInterrompue()
    {
#ifdef Q_OS_UNIX
        feuilleP f;
        Module1::cheminConfig = chemin("garde.P03");
        const QByteArray ancien = fichier(avec(7, "ancien"));
        QVERIFY(ecrit(Module1::cheminConfig, ancien));
        // Files may not grow past 200 bytes: the write stops inside record 2.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit avant{};
        getrlimit(RLIMIT_FSIZE, &avant);
        rlimit petit = avant;
        petit.rlim_cur = 200;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &petit), 0);
        const bool ok = Config::enregistreConfig(f);
        setrlimit(RLIMIT_FSIZE, &avant);
        QVERIFY(!ok);
        verifieMessage("Ecriture impossible sur disque", "Enregistrement impossible");
        QCOMPARE(contenu(Module1::cheminConfig), ancien);
        QCOMPARE(QDir(dossier->path()).entryList(QDir::Files), QStringList{"garde.P03"});
#else
        QSKIP("needs a file size limit");
#endif
    }

    void dossierProtege()
    {
#ifdef Q_OS_UNIX
        if (geteuid() == 0)
            QSKIP("root writes into protected folders");
#endif
        QVERIFY(QDir(dossier->path()).mkdir("protege"));
        Module1::cheminConfig = chemin("protege/essai.P03");
        QVERIFY(ecrit(Module1::cheminConfig, "ancien"));
        QFile::setPermissions(chemin("protege"), QFile::ReadOwner | QFile::ExeOwner);
        feuilleP f;
        QVERIFY(!Config::enregistreConfig(f));
        QFile::setPermissions(chemin("protege"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        verifieMessage("Ecriture impossible sur disque", "Enregistrement impossible");
        QCOMPARE(contenu(Module1::cheminConfig), QByteArray("ancien"));
    }

    // --- the save dialog ---


    // The scene's scale travels as a twelfth record, written only when it is not the default.
    void echelleAllerRetour()
    {
        Module1::cheminConfig = chemin("echelle.P03");
        {
            feuilleP f;
            regle(f);
            f.changeEchelleScene(sim::Echelle(18.0f));
            QVERIFY(Config::enregistreConfig(f));
        }
        QCOMPARE(contenu(Module1::cheminConfig), fichier(textesExemple() << "18"));
        feuilleP g;
        Module1::chargeConfig(g);
        QVERIFY(rec().messages.isEmpty());
        QCOMPARE(g.echelleScene().pixelsParMetre(), 18.0f);
        QCOMPARE(etat(g), (QStringList{"1", "4", "1", "0", "1", "2,5", "3,0", "12,0", "-40,0", "200"}));
        QCOMPARE(g.projectile->left(), 18 * 2.5 + 14);
    }

    void echelleLue_data()
    {
        QTest::addColumn<QStringList>("textes");
        QTest::addColumn<float>("echelle");  // 0: refused as not valid, nothing loaded
        QTest::newRow("11 enregistrements") << textesExemple() << 36.0f;
        QTest::newRow("douzième 4.5") << (textesExemple() << "4.5") << 4.5f;
        QTest::newRow("douzième 36") << (textesExemple() << "36") << 36.0f;
        QTest::newRow("douzième 12") << (textesExemple() << "12") << 0.0f;
        QTest::newRow("douzième 3,6") << (textesExemple() << "3,6") << 0.0f;
        // The rest of a longer file written by another program: not read, as before.
        QTest::newRow("douzième texte") << (textesExemple() << "reste") << 36.0f;
    }
    void echelleLue()
    {
        QFETCH(QStringList, textes);
        QFETCH(float, echelle);
        feuilleP f;
        f.changeEchelleScene(sim::Echelle(9.0f));
        f.Picture2->Line(QPointF(0, 0), QPointF(100, 100), Qt::red);
        const QImage dessine = f.Picture2->Image();
        const QStringList avant = etat(f);
        Module1::cheminConfig = chemin("lu.P03");
        QVERIFY(ecrit(Module1::cheminConfig, fichier(textes)));
        Module1::chargeConfig(f);
        if (echelle == 0) {
            verifieMessage("Ce fichier ne correspond pas à cette application", "Fichier non valide");
            QCOMPARE(etat(f), avant);
            QCOMPARE(f.Picture2->Image(), dessine);
            QCOMPARE(f.echelleScene().pixelsParMetre(), 9.0f);
        } else {
            QVERIFY(rec().messages.isEmpty());
            QCOMPARE(f.echelleScene().pixelsParMetre(), echelle);
            QCOMPARE(etat(f).mid(5), (QStringList{"2,5", "3,0", "12,0", "-40,0", "200"}));
        }
    }

    // Air resistance travels as a thirteenth record after the scale's, written only when on.
    void frottementsAllerRetour()
    {
        Module1::cheminConfig = chemin("frottements.P03");
        {
            feuilleP f;
            regle(f);
            f.changeFrottements(true);
            QVERIFY(Config::enregistreConfig(f));
        }
        QCOMPARE(contenu(Module1::cheminConfig), fichier(textesExemple() << "36" << "1"));
        feuilleP g;
        Module1::chargeConfig(g);
        QVERIFY(rec().messages.isEmpty());
        QVERIFY(g.frottements() && g.frottementsAir->isChecked());
        // The example is on the Moon: the option is kept but does nothing, and the menu says so.
        QCOMPARE(g.reglages().trainee, 0.0);
        QVERIFY(g.frottementsAir->text().endsWith("(sans effet sur la Lune)"));
        g.Combo1->setCurrentIndex(0);
        QVERIFY(g.reglages().trainee > 0);
    }

    void frottementsLus_data()
    {
        QTest::addColumn<QStringList>("textes");
        QTest::addColumn<int>("frottements");  // -1: refused as not valid, nothing loaded
        QTest::newRow("11 enregistrements") << textesExemple() << 0;
        QTest::newRow("treizième 1") << (textesExemple() << "18" << "1") << 1;
        QTest::newRow("treizième 0") << (textesExemple() << "36" << "0") << 0;
        QTest::newRow("treizième 2") << (textesExemple() << "36" << "2") << -1;
        QTest::newRow("treizième texte") << (textesExemple() << "36" << "reste") << 0;
    }
    void frottementsLus()
    {
        QFETCH(QStringList, textes);
        QFETCH(int, frottements);
        feuilleP f;
        f.changeFrottements(true);
        Module1::cheminConfig = chemin("lu.P03");
        QVERIFY(ecrit(Module1::cheminConfig, fichier(textes)));
        Module1::chargeConfig(f);
        if (frottements < 0)
            verifieMessage("Ce fichier ne correspond pas à cette application", "Fichier non valide");
        else
            QVERIFY(rec().messages.isEmpty());
        QCOMPARE(f.frottements(), frottements != 0);
    }
};

QTEST_MAIN(TstConfig)
#include "tst_config.moc"
