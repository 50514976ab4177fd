// SPDX-License-Identifier: GPL-3.0-or-later
// The exercise window: preview, opening an exercise, its correction, the getting-started
// activity, closing, the unsaved-text guard and the menu, driven through their handlers.

#include "exercices_test.h"

#include "core/module1.h"
#include "exercises/dessins.h"
#include "exercises/fichexo.h"
#include "widgets/picturebox.h"
#include "platform/plateforme_factice.h"
#include "scene/feuillep.h"
#include "widgets/dirlistbox.h"
#include "widgets/filelistbox.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTextEdit>
#include <QtTest>

using namespace essai;

class TstFichexo : public QObject {
    Q_OBJECT

    std::unique_ptr<AvecPlateformeFactice> plateformeTest;
    PlateformeFactice& rec() { return plateformeTest->factice; }
    std::unique_ptr<QTemporaryDir> dossier;
    std::unique_ptr<feuilleP> fenetre;
    std::unique_ptr<Fichexo> exo;

    QString chemin(const QString& nom) const { return dossier->filePath(nom); }

    // Selects a description file in the catalogue, as a click in the file list does.
    void selectionne(const QString& nom)
    {
        exo->Form_Load();
        QVERIFY(exo->Dir1->setPath(dossier->path()));
        exo->File1->setPath(exo->Dir1->Path());
        const QList<QListWidgetItem*> trouves = exo->File1->findItems(nom, Qt::MatchExactly);
        QVERIFY2(trouves.size() == 1, qPrintable(nom));
        exo->File1->setListIndex(-1);
        exo->File1->setListIndex(exo->File1->row(trouves.first()));
        QCOMPARE(exo->fichierexo->text(), QDir(dossier->path()).absolutePath() + "/" + nom);
    }

    void ouvre(const QString& nom)
    {
        selectionne(nom);
        exo->ouvreur_Click();
    }

    int lit() const
    {
        int n = 0;
        for (QLabel* m : exo->Image4)
            if (m->isVisibleTo(exo.get())
                && m->pixmap().toImage().convertToFormat(QImage::Format_ARGB32)
                       == exo->Imagalu.convertToFormat(QImage::Format_ARGB32))
                ++n;
        return n;
    }

private Q_SLOTS:
    void init()
    {
        Module1::reinitialise();
        plateformeTest = std::make_unique<AvecPlateformeFactice>();
        dossier = std::make_unique<QTemporaryDir>();
        QVERIFY(dossier->isValid());
        // a: corrected, with set-ups; b: text only, stored with "\" and another letter case;
        // c: correction without text; d: its statement is missing; e: record 3 damaged.
        QVERIFY(ecritRtf(chemin("a.rtf"), "Énoncé A"));
        QVERIFY(ecritConfiguration(chemin("a.P03"), 1, 0, "3,0", "45,0"));
        QVERIFY(ecritRtf(chemin("a_c.rtf"), "Correction A"));
        QVERIFY(ecritConfiguration(chemin("a_c.P03"), 2, 1, "4,0", "30,0"));
        QVERIFY(ecritDescription(chemin("a.E03"), {"a.rtf", "a.P03", "a_c.rtf", "a_c.P03", "2", "Seconde",
                                                    "Chute libre\r\n", "", "Portée", "", " Titre A "}));
        QVERIFY(ecritRtf(chemin("sous/b.rtf"), "Énoncé B"));
        QVERIFY(ecritDescription(chemin("b.E03"), {"Sous\\B.RTF", "", "", "", "0", "", "", "", "", "", "Titre B"}));
        QVERIFY(ecritRtf(chemin("c.rtf"), "Énoncé C"));
        QVERIFY(ecritConfiguration(chemin("c_c.P03"), 1, 3, "5,0", "60,0"));
        QVERIFY(ecritDescription(chemin("c.E03"), {"c.rtf", "", "   ", "c_c.P03", "1", "", "", "", "", "", "Titre C"}));
        QVERIFY(ecritDescription(chemin("d.E03"), {"absent.rtf", "", "", "", "1", "", "", "", "", "", "Titre D"}));
        QByteArray abime = Enregistrements::ecris({"a.rtf", "a.P03", "x", "y", "3"}).octets;
        abime[256] = char(200);
        QVERIFY(ecrit(chemin("e.E03"), abime));

        // The folder may stand for the program's: the places' pictures are found there too.
        for (const char* image : {"terre.jpg", "lune.jpg", "mars.jpg"})
            QVERIFY(QFile::copy(QCoreApplication::applicationDirPath() + "/" + image, chemin(image)));

        fenetre = std::make_unique<feuilleP>();
        exo = std::make_unique<Fichexo>(fenetre.get());
    }
    void cleanup()
    {
        exo.reset();
        fenetre.reset();
        dossier.reset();
        plateformeTest.reset();
    }

    void lienAvecLaFenetre_data()
    {
        QTest::addColumn<bool>("fenetreDAbord");
        QTest::newRow("exercices fermés avant la fenêtre") << false;
        // The main window then deletes the exercise window as one of its children, half
        // destroyed itself: nothing may reach into it any more.
        QTest::newRow("fenêtre fermée avec ses exercices") << true;
    }
    void lienAvecLaFenetre()
    {
        QFETCH(bool, fenetreDAbord);
        QPointer<Fichexo> exercices = exo.release();
        QVERIFY(fenetre->optionexo);
        if (fenetreDAbord) {
            fenetre.reset();
        } else {
            delete exercices;
            QVERIFY(!fenetre->optionexo);
            fenetre->btexo_Click();  // no menu left to pop up
        }
        QVERIFY(exercices.isNull());
    }

    // The program makes the exercise window at the first press of the exercise button.
    void faiteAuPremierClic()
    {
        exo.reset();
        QVERIFY(!fenetre->optionexo);
        fenetre->prepareExercices = [this] { exo = std::make_unique<Fichexo>(fenetre.get()); };
        fenetre->btexo_Click();
        QVERIFY(exo);
        QCOMPARE(fenetre->optionexo, exo->optionexo);
        QTRY_VERIFY(exo->optionexo->isVisible());
        exo->optionexo->hide();
    }

    void menu()
    {
        QCOMPARE(fenetre->optionexo, exo->optionexo);
        QStringList noms, textes;
        for (QAction* a : exo->optionexo->actions()) {
            noms << a->objectName();
            textes << (a->isSeparator() ? QStringLiteral("-") : a->text());
        }
        QCOMPARE(noms, QStringList({"PRISENMAIN", "separons1", "openexo", "opencor", "separons2", "savetexte",
                                    "opentexte", "imprimetexte", "separons3", "Closexo"}));
        QCOMPARE(textes, QStringList({"Prise en main", "-", "Ouvrir un exercice (énoncé + configuration)",
                                      "Voir la correction", "-", "Enregistrer le contenu de la fenêtre exercice",
                                      "Retrouver un texte", "Imprimer le contenu de la fenêtre exercice", "-",
                                      "Fermer l'exercice"}));
    }

    void apercu_data()
    {
        QTest::addColumn<QString>("difficulte");
        QTest::addColumn<int>("allumees");
        QTest::newRow("0") << "0" << 0;
        QTest::newRow("1") << "1" << 1;
        QTest::newRow("1,5") << "1,5" << 2;
        QTest::newRow("3") << "3" << 3;
        QTest::newRow("pas un nombre") << "difficile" << 0;
    }
    void apercu()
    {
        QFETCH(QString, difficulte);
        QFETCH(int, allumees);
        QVERIFY(ecritDescription(chemin("f.E03"), {"a.rtf", "", "", "", difficulte, "", "Vecteur vitesse\r\n",
                                                    "", "  ", "Énergie", "  Mon titre  "}));
        selectionne("f.E03");
        QVERIFY(rec().messages.isEmpty());
        QCOMPARE(lit(), allumees);
        for (QLabel* m : exo->Image4)
            QVERIFY(m->isVisibleTo(exo.get()));
        QCOMPARE(exo->Label2->text(), QStringLiteral("Non corrigé"));
        QCOMPARE(exo->Label3->text(), exo->Label2->text());
        QCOMPARE(exo->Text1->toPlainText(), QStringLiteral("Vecteur vitesse\nÉnergie"));
        QCOMPARE(exo->titratexo->text(), QStringLiteral("Mon titre"));
        QVERIFY(exo->ouvreur->isVisibleTo(exo.get()));
        QVERIFY(!exo->intratro->isVisibleTo(exo.get()));
        QCOMPARE(Module1::dossierExercice, QDir(dossier->path()).absolutePath() + "/");
    }

    // Record 6 shows beside the marks when it names a class level; blank or anything else, the
    // preview is the described one.
    void apercuClasse_data()
    {
        QTest::addColumn<QString>("enregistrement6");
        QTest::addColumn<QString>("affiche");
        QTest::newRow("seconde") << "Seconde" << "Classe de Seconde";
        QTest::newRow("premiere en minuscules") << " première " << "Classe de Première";
        QTest::newRow("terminale") << "Terminale" << "Classe de Terminale";
        QTest::newRow("vide") << "" << "";
        QTest::newRow("autre donnee") << "12" << "";
    }
    void apercuClasse()
    {
        QFETCH(QString, enregistrement6);
        QFETCH(QString, affiche);
        QVERIFY(ecritDescription(chemin("k.E03"), {"a.rtf", "", "", "", "2", enregistrement6, "Vitesse", "", "", "",
                                                    "Titre"}));
        selectionne("k.E03");
        QCOMPARE(exo->classeExo->isVisibleTo(exo.get()), !affiche.isEmpty());
        if (!affiche.isEmpty())
            QCOMPARE(exo->classeExo->text(), affiche);
        QCOMPARE(lit(), 2);
        QCOMPARE(exo->Text1->toPlainText(), QStringLiteral("Vitesse"));
        // Selecting a file without a level hides it again.
        selectionne("b.E03");
        QVERIFY(!exo->classeExo->isVisibleTo(exo.get()));
    }

    void apercuCorrige()
    {
        selectionne("a.E03");
        QCOMPARE(exo->Label2->text(), QStringLiteral("Exercice corrigé"));
        selectionne("c.E03");
        QCOMPARE(exo->Label2->text(), QStringLiteral("Exercice corrigé"));
        selectionne("b.E03");
        QCOMPARE(exo->Label2->text(), QStringLiteral("Non corrigé"));
    }

    void apercuIllisible()
    {
        selectionne("e.E03");
        QCOMPARE(rec().messages.size(), 1);
        QCOMPARE(rec().messages.first().titre, QStringLiteral("Lecture impossible"));
        QCOMPARE(rec().messages.first().texte, QStringLiteral("Vérifier:\r\n- le nom du fichier,\r\n- l'état du lecteur."));
        QCOMPARE(rec().messages.first().style, 16);
        QCOMPARE(lit(), 0);
    }

    void ouvrir()
    {
        Module1::texteModifie = 1;
        rec().reponses = {ReponseMsg::Ok};
        ouvre("a.E03");
        QCOMPARE(rec().messages.size(), 0);  // the guard is asked by openexo, not by the open itself
        QCOMPARE(fenetre->supertext->toPlainText(), QStringLiteral("Énoncé A"));
        QCOMPARE(fenetre->fich->text(), exo->fichierexo->text());
        QCOMPARE(Module1::exerciceCorrige, qint16(1));
        QCOMPARE(Module1::texteModifie, qint16(0));
        QCOMPARE(fenetre->Combo1->currentIndex(), 1);
        QCOMPARE(fenetre->Combo2->currentIndex(), 0);
        QCOMPARE(fenetre->Text3->text(), QStringLiteral("3,0"));
        QVERIFY(!fenetre->supertext->isReadOnly());
        QVERIFY(!exo->Frame2->isVisibleTo(exo.get()));
        // Typing in the text now counts as a change.
        fenetre->supertext->insertPlainText("réponse");
        QCOMPARE(Module1::texteModifie, qint16(1));
    }

    void ouvrirSansConfiguration()
    {
        ouvre("b.E03");
        QVERIFY(rec().messages.isEmpty());
        QCOMPARE(fenetre->supertext->toPlainText(), QStringLiteral("Énoncé B"));
        QCOMPARE(Module1::exerciceCorrige, qint16(0));
        QCOMPARE(fenetre->Text3->text(), QStringLiteral("14,0"));
        QCOMPARE(fenetre->Combo1->currentIndex(), 0);
    }

    void ouvrirEnonceAbsent()
    {
        const QString avant = fenetre->supertext->toPlainText();
        ouvre("d.E03");
        QCOMPARE(rec().messages.size(), 1);
        QCOMPARE(rec().messages.first().titre, QStringLiteral("Fichier absent"));
        QCOMPARE(rec().messages.first().texte,
                 "Le fichier " + QDir(dossier->path()).absolutePath() + "/absent.rtf est introuvable");
        QCOMPARE(fenetre->supertext->toPlainText(), avant);
        QVERIFY(fenetre->fich->text().isEmpty());
        QVERIFY(!exo->Frame2->isVisibleTo(exo.get()));
    }

    void garde_data()
    {
        QTest::addColumn<QString>("action");
        QTest::newRow("ouvrir") << "openexo";
        QTest::newRow("correction") << "opencor";
        QTest::newRow("fermer") << "Closexo";
        QTest::newRow("retrouver") << "opentexte";
        QTest::newRow("prise en main") << "PRISENMAIN";
    }
    void garde()
    {
        QFETCH(QString, action);
        ouvre("a.E03");
        fenetre->supertext->insertPlainText("ma réponse ");
        QCOMPARE(Module1::texteModifie, qint16(1));
        const QString texte = fenetre->supertext->toPlainText();
        const QString titre = fenetre->fich->text();
        rec().reponses = {ReponseMsg::Annuler};
        rec().repertoire = dossier->path();
        QVERIFY(QMetaObject::invokeMethod(exo.get(), qPrintable(action + "_Click")));
        QCOMPARE(rec().messages.size(), 1);
        QCOMPARE(rec().messages.first().texte, QStringLiteral("Attention: perte des modifications du texte."));
        QCOMPARE(rec().messages.first().titre, QStringLiteral("Abandon des données?"));
        QCOMPARE(rec().messages.first().style, 33);
        QVERIFY(rec().dialoguesFichier.isEmpty());
        QCOMPARE(fenetre->supertext->toPlainText(), texte);
        QCOMPARE(fenetre->fich->text(), titre);
        QCOMPARE(fenetre->Text3->text(), QStringLiteral("3,0"));
        QCOMPARE(fenetre->Combo1->currentIndex(), 1);
        QCOMPARE(Module1::texteModifie, qint16(1));
    }

    void voirLaCorrection()
    {
        QAction* opencor = exo->opencor;
        QAction* fermer = exo->Closexo;
        fenetre->btexo_Click();
        QVERIFY(!opencor->isEnabled());
        QVERIFY(!fermer->isEnabled());
        ouvre("b.E03");
        fenetre->btexo_Click();
        QVERIFY(!opencor->isEnabled());
        QVERIFY(fermer->isEnabled());
        exo->optionexo->hide();
        ouvre("a.E03");
        QCOMPARE(Module1::exerciceCorrige, qint16(1));
        fenetre->btexo_Click();
        QVERIFY(opencor->isEnabled());
        exo->optionexo->hide();

        exo->opencor_Click();
        QVERIFY(rec().messages.isEmpty());
        QCOMPARE(fenetre->supertext->toPlainText(), QStringLiteral("Correction A"));
        QCOMPARE(fenetre->Combo1->currentIndex(), 2);
        QCOMPARE(fenetre->Text3->text(), QStringLiteral("4,0"));
        QCOMPARE(Module1::texteModifie, qint16(0));
        QCOMPARE(fenetre->cursor().shape(), Qt::ArrowCursor);

        // The getting-started activity has no correction.
        rec().repertoire = dossier->path();
        QVERIFY(ecritDescription(chemin("BALTOR.PEM"), {"b.rtf", ""}));
        QVERIFY(ecritRtf(chemin("b.rtf"), "Bienvenue"));
        exo->PRISENMAIN_Click();
        fenetre->btexo_Click();
        QVERIFY(!opencor->isEnabled());
        exo->optionexo->hide();
    }

    void correctionSansTexte()
    {
        ouvre("c.E03");
        exo->opencor_Click();
        QVERIFY(rec().messages.isEmpty());
        QCOMPARE(fenetre->supertext->toPlainText(), QStringLiteral("Énoncé C"));
        QCOMPARE(fenetre->Combo1->currentIndex(), 1);
        QCOMPARE(fenetre->Combo2->currentIndex(), 3);
        QCOMPARE(fenetre->Text4->text(), QStringLiteral("60,0"));
    }

    // The correction is looked for beside the exercise shown, even after the catalogue
    // was left in another folder.
    void correctionDuBonDossier()
    {
        ouvre("a.E03");
        QTemporaryDir autre;
        Module1::dossierExercice = autre.path() + "/";
        exo->opencor_Click();
        QVERIFY(rec().messages.isEmpty());
        QCOMPARE(fenetre->supertext->toPlainText(), QStringLiteral("Correction A"));
    }

    void priseEnMain_data()
    {
        QTest::addColumn<QString>("nomFichier");
        QTest::addColumn<QStringList>("enregistrements");
        QTest::addColumn<QString>("titreMessage");
        QTest::addColumn<QString>("texte");
        QTest::newRow("avec configuration") << "BALTOR.PEM" << QStringList{"a.rtf", "a.P03"} << QString() << "Énoncé A";
        QTest::newRow("casse différente") << "baltor.pem" << QStringList{"A.RTF", ""} << QString() << "Énoncé A";
        QTest::newRow("énoncé absent") << "BALTOR.PEM" << QStringList{"rien.rtf", ""}
                                       << QStringLiteral("Erreur lors du chargement") << QString();
        QTest::newRow("pas de fichier") << "" << QStringList{} << QString() << QString();
    }
    void priseEnMain()
    {
        QFETCH(QString, nomFichier);
        QFETCH(QStringList, enregistrements);
        QFETCH(QString, titreMessage);
        QFETCH(QString, texte);
        if (!nomFichier.isEmpty())
            QVERIFY(ecritDescription(chemin(nomFichier), enregistrements));
        rec().repertoire = dossier->path();
        Module1::exerciceCorrige = 1;
        const QString accueil = fenetre->supertext->toPlainText();
        exo->PRISENMAIN_Click();
        if (!titreMessage.isEmpty()) {
            QCOMPARE(rec().messages.size(), 1);
            QCOMPARE(rec().messages.first().titre, titreMessage);
            QCOMPARE(rec().messages.first().texte, QStringLiteral("Fichier introuvable. Revoir l'installation du logiciel."));
            QCOMPARE(fenetre->supertext->toPlainText(), accueil);
            return;
        }
        QVERIFY(rec().messages.isEmpty());
        if (texte.isEmpty()) {
            QCOMPARE(fenetre->supertext->toPlainText(), accueil);
            QVERIFY(fenetre->fich->text().isEmpty());
            return;
        }
        QCOMPARE(fenetre->supertext->toPlainText(), texte);
        QCOMPARE(QFileInfo(fenetre->fich->text()).fileName(), nomFichier);
        QCOMPARE(Module1::exerciceCorrige, qint16(0));
        QCOMPARE(fenetre->Text3->text(), enregistrements.at(1).isEmpty() ? QStringLiteral("14,0") : QStringLiteral("3,0"));
    }

    void fermer()
    {
        const QString accueil = fenetre->supertext->toPlainText();
        ouvre("a.E03");
        fenetre->supertext->insertPlainText("x");
        rec().reponses = {ReponseMsg::Ok};
        exo->Closexo_Click();
        QCOMPARE(rec().messages.size(), 1);
        QVERIFY(fenetre->fich->text().isEmpty());
        QCOMPARE(fenetre->supertext->toPlainText(), accueil);
        QCOMPARE(Module1::texteModifie, qint16(0));
        QCOMPARE(Module1::exerciceCorrige, qint16(0));
    }

    // The heading's letters go from pale yellow to white over the dark band.
    void titre()
    {
        exo->Form_Load();
        const QImage image = exo->tito->Image();
        const auto trouve = [&](QRgb couleur, int x0, int x1) {
            for (int x = x0; x < x1; ++x)
                for (int y = 0; y < image.height(); ++y)
                    if ((image.pixel(x, y) & 0xffffff) == (couleur & 0xffffff))
                        return true;
            return false;
        };
        QVERIFY(trouve(qRgb(255, 255, Exercices::bleuDeLettre(1, 18)), 30, 60));
        QVERIFY(!trouve(qRgb(255, 255, 255), 0, 60));
        QVERIFY(trouve(qRgb(255, 255, 255), 200, image.width()));
        QCOMPARE(Exercices::bleuDeLettre(18, 18), 255);
    }

    void activation()
    {
        rec().repertoire = dossier->path();
        exo->Form_Load();
        QCOMPARE(QDir(exo->Dir1->Path()), QDir(dossier->path()));
        QVERIFY(exo->fichierexo->text().isEmpty());
        exo->Form_Activate();
        QCOMPARE(exo->File1->ListIndex(), 0);
        QCOMPARE(QFileInfo(exo->fichierexo->text()).fileName(), QStringLiteral("a.E03"));
        QCOMPARE(exo->titratexo->text(), QStringLiteral("Titre A"));
    }
};

QTEST_MAIN(TstFichexo)
#include "tst_fichexo.moc"
