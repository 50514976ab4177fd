// SPDX-License-Identifier: GPL-3.0-or-later
// Saving and loading the main window's set-up, and the open and save dialogs.

#include "config/configuration.h"
#include "config/enregistrer.h"
#include "config/ouvrir.h"
#include "core/enregistrements.h"
#include "core/module1.h"
#include "platform/plateforme_factice.h"
#include "scene/feuillep.h"
#include "widgets/dirlistbox.h"
#include "widgets/drivelistbox.h"
#include "widgets/filelistbox.h"
#include "widgets/imagecontrol.h"
#include "widgets/picturebox.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace {

QStringList textesExemple()
{
    return {"BALTOR", " 1", " 4", " 1", " 0", " 1", "2,5", "3,0", "12,0", "-40,0", "200"};
}

QByteArray fichier(const QStringList& textes)
{
    return Enregistrements::ecris(textes).octets;
}

QStringList avec(int n, const QString& texte)
{
    QStringList t = textesExemple();
    t[n - 1] = texte;
    return t;
}

QByteArray contenu(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<illisible>");
}

bool ecrit(const QString& chemin, const QByteArray& octets)
{
    QFile f(chemin);
    return f.open(QIODevice::WriteOnly) && f.write(octets) == octets.size();
}

// What the controls show, in record order.
QStringList etat(const feuilleP& f)
{
    const Config::Reglages r = Config::reglagesDe(f);
    QStringList e{QString::number(r.lieu), QString::number(r.projectile)};
    for (qint16 o : r.options)
        e << QString::number(o);
    for (const QString& c : r.champs)
        e << c;
    return e;
}

}  // namespace

class TstConfig : public QObject {
    Q_OBJECT

    std::unique_ptr<AvecPlateformeFactice> plateformeTest;
    std::unique_ptr<QTemporaryDir> dossier;
    QString dossierDepart;
    PlateformeFactice& rec() { return plateformeTest->factice; }
    QString chemin(const QString& nom) const { return QDir(dossier->path()).filePath(nom); }

    void verifieMessage(const QString& texte, const QString& titre, int style = 16)
    {
        QCOMPARE(rec().messages.size(), 1);
        QCOMPARE(rec().messages[0].texte, texte);
        QCOMPARE(rec().messages[0].titre, titre);
        QCOMPARE(rec().messages[0].style, style);
    }

    // Sets the main window up by hand, as a user would.
    static void regle(feuilleP& f)
    {
        f.Combo1->setCurrentIndex(1);
        f.Combo1_Click();
        f.Combo2->setCurrentIndex(4);
        f.Combo2_Click();
        f.Check1->setChecked(true);
        f.Check1_Click();
        f.Check2->setChecked(false);
        f.Check2_Click();
        f.Check3->setChecked(true);
        f.Check3_Click();
        f.Text1->setText("2,5");
        f.Text1_LostFocus();
        f.Text2->setText("3");
        f.Text2_LostFocus();
        f.Text3->setText("12");
        f.Text3_LostFocus();
        f.Text4->setText("-40");
        f.Text4_LostFocus();
        f.chrono->setText("200");
        f.chrono_LostFocus();
    }

private Q_SLOTS:
    void initTestCase() { dossierDepart = QDir::currentPath(); }

    void init()
    {
        Module1::reinitialise();
        plateformeTest = std::make_unique<AvecPlateformeFactice>();
        dossier = std::make_unique<QTemporaryDir>();
        QVERIFY(dossier->isValid());
        QDir::setCurrent(dossier->path());
    }
    void cleanup()
    {
        QDir::setCurrent(dossierDepart);
        plateformeTest.reset();
        dossier.reset();
    }

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

QTEST_MAIN(TstConfig)
#include "tst_config.moc"
