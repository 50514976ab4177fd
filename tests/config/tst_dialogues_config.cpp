// SPDX-License-Identifier: GPL-3.0-or-later
// The open and save dialogs of the set-ups.

#include "banc_config.h"

using namespace banc;

class TstDialoguesConfig : public QObject, BancConfig {
    Q_OBJECT

private Q_SLOTS:
    void init() { prepare(); }
    void cleanup() { termine(); }

    void enregistrerPlacement()
    {
        feuilleP f;
        f.move(100, 50);
        Module1::cheminConfig = "/un/chemin/essai.P03";
        enregistrer d(f);
        QCOMPARE(d.windowTitle(), QStringLiteral("Enregistrer les paramètres."));
        QCOMPARE(d.pos(), f.pos() + QPoint(20, 20));
        QCOMPARE(d.size(), QSize(371, 441));
        QCOMPARE(d.Text1->text(), Module1::cheminConfig);
        QCOMPARE(d.Command1->geometry(), QRect(216, 400, 121, 25));
        QCOMPARE(d.Command1->text(), QStringLiteral("ENREGISTRER"));
        QCOMPARE(d.File1->Pattern(), QStringLiteral("*.P03"));
        QCOMPARE(d.Dir1->Path(), QDir::cleanPath(dossier->path()));
    }

    void enregistrerNom_data()
    {
        QTest::addColumn<QString>("champ");
        QTest::addColumn<QString>("fichier");  // relative to the folder; empty: refused
        QTest::newRow("extension remplacée") << "essai.txt" << "essai.P03";
        QTest::newRow("blancs seuls") << "   " << "";
        QTest::newRow("extension seule") << ".abc" << "";
        QTest::newRow("sous-dossier à point") << "TP.2024/essai" << "TP.2024/essai.P03";
        QTest::newRow("barre inverse") << "TP.2024\\essai.doc" << "TP.2024/essai.P03";
    }
    void enregistrerNom()
    {
        QFETCH(QString, champ);
        QFETCH(QString, fichier);
        QVERIFY(QDir(dossier->path()).mkdir("TP.2024"));
        feuilleP f;
        enregistrer d(f);
        d.Text1->setText(champ);
        d.Command1_Click();
        if (fichier.isEmpty()) {
            verifieMessage("Il faut donner un nom au fichier!", "Enregistrement impossible");
            QCOMPARE(d.result(), 0);
            QCOMPARE(QDir(dossier->path()).entryList(QDir::Files), QStringList{});
        } else {
            QVERIFY(rec().messages.isEmpty());
            QCOMPARE(d.result(), int(QDialog::Accepted));
            QCOMPARE(Module1::cheminConfig, chemin(fichier));
            QVERIFY(QFileInfo::exists(chemin(fichier)));
            QCOMPARE(f.windowTitle(), "Baltor - " + chemin(fichier));
        }
    }

    void enregistrerEcrase()
    {
        QVERIFY(ecrit(chemin("essai.P03"), "ancien"));
        feuilleP f;
        Module1::cheminConfig = chemin("essai.P03");
        enregistrer d(f);
        rec().reponses = {ReponseMsg::Non};
        d.Command1_Click();
        verifieMessage("Ecraser le fichier existant?", "Ce fichier existe déjà!", 4 + 48);
        QCOMPARE(d.result(), 0);
        QCOMPARE(contenu(chemin("essai.P03")), QByteArray("ancien"));
        QCOMPARE(d.Text1->text(), QDir::toNativeSeparators(chemin("essai.P03")));

        // A double click on the listed file asks the same question; Yes overwrites.
        rec().messages.clear();
        rec().reponses = {ReponseMsg::Oui};
        d.Text1->clear();
        d.File1->setListIndex(0);
        d.File1_DblClick();
        QCOMPARE(rec().messages.size(), 1);
        QCOMPARE(rec().messages[0].texte, QStringLiteral("Ecraser le fichier existant?"));
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(contenu(chemin("essai.P03")).size(), 11 * 128);
    }

    void enregistrerChangeDeDossier()
    {
        QVERIFY(QDir(dossier->path()).mkdir("autre"));
        feuilleP f;
        Module1::cheminConfig = "/ailleurs/TP.1/essai.P03";
        enregistrer d(f);
        d.Dir1->setListIndex(0);
        d.Dir1->setFocus();
        QTest::keyClick(d.Dir1, Qt::Key_Return);
        QCOMPARE(d.File1->Path(), chemin("autre"));
        QCOMPARE(d.Text1->text(), QStringLiteral("essai.P03"));
        d.Command1_Click();
        QVERIFY(QFileInfo::exists(chemin("autre/essai.P03")));
        // The process's folder follows, so the next dialog opens there.
        QCOMPARE(QDir::currentPath(), chemin("autre"));
    }

    // Choosing a drive moves the folder and file lists to its root folder.
    void changeDeLecteur()
    {
        feuilleP f;
        ouvrir d(f);
        d.Drive1->setDrive(QDir::homePath());
        QCOMPARE(d.Dir1->Path(), QDir::cleanPath(QDir::homePath()));
        QCOMPARE(d.File1->Path(), d.Dir1->Path());
        QCOMPARE(d.Drive1->Drive(), QDir::cleanPath(QDir::homePath()));
    }

    // A grey option box read from a file keeps two states for the user's clicks.
    void caseGrise()
    {
        QVERIFY(ecrit(chemin("gris.P03"), fichier(avec(6, " 2"))));
        feuilleP f;
        Module1::cheminConfig = chemin("gris.P03");
        Module1::chargeConfig(f);
        QCOMPARE(f.Check3->checkState(), Qt::PartiallyChecked);
        Module1::cheminConfig = chemin("essai.P03");
        QVERIFY(Config::enregistreConfig(f));
        QCOMPARE(contenu(chemin("essai.P03")).mid(5 * 128, 4), QByteArray("\x02\x00 2", 4));
        f.Check3->click();
        QCOMPARE(f.Check3->checkState(), Qt::Checked);
        f.Check3->click();
        QCOMPARE(f.Check3->checkState(), Qt::Unchecked);
        f.Check3->click();
        QCOMPARE(f.Check3->checkState(), Qt::Checked);
    }

    void enregistrerEchoue()
    {
        feuilleP f;
        enregistrer d(f);
        QVERIFY(ecrit(chemin("fichier"), "x"));
        d.Text1->setText(chemin("fichier") + "/essai");  // a file where a folder should be
        const QString titreAvant = f.windowTitle();
        d.Command1_Click();
        verifieMessage("Ecriture impossible sur disque", "Enregistrement impossible");
        QCOMPARE(d.result(), 0);
        QCOMPARE(f.windowTitle(), titreAvant);
        QCOMPARE(d.cursor().shape(), Qt::ArrowCursor);
    }

    void enregistrerEntree()
    {
        feuilleP f;
        enregistrer d(f);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QCOMPARE(QApplication::focusWidget(), d.Text1);
        d.Text1->setText("clavier");
        QTest::keyClick(d.Text1, Qt::Key_Return);
        QVERIFY(QFileInfo::exists(chemin("clavier.P03")));
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QVERIFY(rec().messages.isEmpty());
    }

    // --- the open dialog ---

    void ouvrirPlacement()
    {
        feuilleP f;
        ouvrir d(f);
        QCOMPARE(d.windowTitle(), QStringLiteral("Ouvrir une configuration"));
        QCOMPARE(d.size(), QSize(369, 423));
        QCOMPARE(d.ficharge->geometry(), QRect(0, 352, 369, 19));
        QCOMPARE(d.Command1->text(), QStringLiteral("OUVRIR"));
        QVERIFY(d.Frame1->isHidden());
        QCOMPARE(d.Label4->text(), QStringLiteral("Patience: chargement du fichier"));
        QCOMPARE(d.Label4->font().pointSizeF(), 13.5);
    }

    void ouvrirSansFichierNeFaitRien()
    {
        feuilleP f;
        ouvrir d(f);
        d.Command1_Click();
        QVERIFY(rec().messages.isEmpty());
        QCOMPARE(d.result(), 0);
    }

    // Shown for real, the dialog gives its file list the focus without picking a file:
    // OUVRIR does nothing until the pupil picks one.
    void ouvrirMontreNeChoisitRien()
    {
        QVERIFY(ecrit(chemin("a.P03"), fichier(textesExemple())));
        QVERIFY(ecrit(chemin("b.P03"), fichier(textesExemple())));
        feuilleP f;
        const QString titre = f.windowTitle();
        ouvrir d(f);
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        QCOMPARE(QApplication::focusWidget(), d.File1);
        QCOMPARE(d.File1->ListIndex(), -1);
        QVERIFY(d.ficharge->text().isEmpty());
        QTest::keyClick(d.Command1, Qt::Key_Space);
        QVERIFY(rec().messages.isEmpty());
        QVERIFY(d.isVisible());
        QCOMPARE(f.windowTitle(), titre);
        QTest::keyClick(d.File1, Qt::Key_Down);  // the arrows pick
        QCOMPARE(d.ficharge->text(), QDir::toNativeSeparators(chemin("a.P03")));
    }

    void ouvrirCharge()
    {
        QVERIFY(QDir(dossier->path()).mkdir("sous"));
        QVERIFY(ecrit(chemin("sous/tir.p03"), fichier(textesExemple())));
        QDir::setCurrent(chemin("sous"));
        feuilleP f;
        ouvrir d(f);
        QCOMPARE(d.File1->ListCount(), 1);
        d.File1->setFocus();
        QTest::keyClick(d.File1, Qt::Key_Down);
        QCOMPARE(d.ficharge->text(), QDir::toNativeSeparators(chemin("sous/tir.p03")));
        QTest::keyClick(d.File1, Qt::Key_Return);  // as a double click: opens
        QVERIFY(rec().messages.isEmpty());
        QVERIFY(!d.Frame1->isHidden());
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(f.windowTitle(), "Baltor - " + chemin("sous/tir.p03"));
        QCOMPARE(Module1::cheminConfig, chemin("sous/tir.p03"));
        // The save dialog then proposes the same file, and asks before overwriting it.
        enregistrer e(f);
        QCOMPARE(e.Text1->text(), chemin("sous/tir.p03"));
        rec().reponses = {ReponseMsg::Non};
        e.Command1_Click();
        QCOMPARE(rec().messages.size(), 1);
        QCOMPARE(rec().messages[0].texte, QStringLiteral("Ecraser le fichier existant?"));
    }

    void ouvrirFichierManquant()
    {
        feuilleP f;
        ouvrir d(f);
        d.ficharge->setText(chemin("rien.P03"));
        d.Command1_Click();
        verifieMessage("Nom de fichier incorrect ou chemin non valide", "impossible d'ouvrir ce fichier");
        QCOMPARE(d.result(), 0);
        QVERIFY(d.Frame1->isHidden());
    }

    // A damaged file still closes the open dialog, after its message.
    void ouvrirFichierAbime()
    {
        QVERIFY(ecrit(chemin("abime.P03"), fichier(avec(2, " 9"))));
        feuilleP f;
        ouvrir d(f);
        d.ficharge->setText(chemin("abime.P03"));
        d.Command1_Click();
        verifieMessage("Lecture impossible sur disque", "Erreur lors du chargement du fichier");
        QCOMPARE(d.result(), int(QDialog::Accepted));
    }

    // The main window's commands show the dialogs.
    void commandes_data()
    {
        QTest::addColumn<QString>("bouton");
        QTest::addColumn<QString>("dialogue");
        QTest::newRow("Enregistrer") << "Command11" << "enregistrer";
        QTest::newRow("Ouvrir") << "Command2" << "ouvrir";
    }
    void commandes()
    {
        QFETCH(QString, bouton);
        QFETCH(QString, dialogue);
        feuilleP f;
        Config::installe(f);
        QString vu;
        QTimer::singleShot(0, this, [&vu] {
            if (QWidget* w = QApplication::activeModalWidget()) {
                vu = w->objectName();
                w->close();
            }
        });
        f.findChild<QPushButton*>(bouton)->click();
        QCOMPARE(vu, dialogue);
    }
};

QTEST_MAIN(TstDialoguesConfig)
#include "tst_dialogues_config.moc"
