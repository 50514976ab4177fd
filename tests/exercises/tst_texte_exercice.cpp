// SPDX-License-Identifier: GPL-3.0-or-later
// The exercise text area: saving it as RTF, reloading a saved text and printing it, with
// the dialogs and messages answered by the recording platform.

#include "exercices_test.h"

#include "core/module1.h"
#include "exercises/fichexo.h"
#include "platform/plateforme_factice.h"
#include "scene/feuillep.h"

#include <QLineEdit>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextEdit>
#include <QtTest>

using namespace essai;

class TstTexteExercice : public QObject {
    Q_OBJECT

    std::unique_ptr<AvecPlateformeFactice> plateformeTest;
    PlateformeFactice& rec() { return plateformeTest->factice; }
    std::unique_ptr<QTemporaryDir> dossier;
    std::unique_ptr<feuilleP> fenetre;
    std::unique_ptr<Fichexo> exo;

    QString chemin(const QString& nom) const { return dossier->filePath(nom); }
    static QByteArray contenu(const QString& chemin)
    {
        QFile f(chemin);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // An exercise is open and the pupil has typed an answer.
    void reponse(const QString& texte)
    {
        fenetre->fich->setText(chemin("exercice.E03"));
        fenetre->supertext->setPlainText(texte);
        QCOMPARE(Module1::texteModifie, qint16(1));
    }

private Q_SLOTS:
    void init()
    {
        Module1::reinitialise();
        plateformeTest = std::make_unique<AvecPlateformeFactice>();
        dossier = std::make_unique<QTemporaryDir>();
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

    void enregistrer_data()
    {
        QTest::addColumn<QString>("choisi");       // "" cancels the dialog
        QTest::addColumn<bool>("existe");          // a file is already there
        QTest::addColumn<int>("reponse");          // answer to "Ecraser le fichier?"
        QTest::addColumn<QString>("ecrit");        // file expected to hold the answer, "" none
        QTest::addColumn<QString>("titreMessage"); // last message shown, "" none
        QTest::newRow("nouveau nom") << "rep.rtf" << false << 0 << "rep.rtf" << QString();
        QTest::newRow("sans extension") << "rep" << false << 0 << "rep.rtf" << QString();
        QTest::newRow("annulé") << "" << false << 0 << QString() << QString();
        QTest::newRow("existe, écraser") << "rep.rtf" << true << int(ReponseMsg::Ok) << "rep.rtf"
                                         << QStringLiteral("Ecraser le fichier?");
        QTest::newRow("existe, garder") << "rep.rtf" << true << int(ReponseMsg::Annuler) << QString()
                                        << QStringLiteral("Ecraser le fichier?");
        QTest::newRow("dossier absent") << "absent/rep.rtf" << false << 0 << QString()
                                        << QStringLiteral("Erreur d'écriture.");
    }
    void enregistrer()
    {
        QFETCH(QString, choisi);
        QFETCH(bool, existe);
        QFETCH(int, reponse);
        QFETCH(QString, ecrit);
        QFETCH(QString, titreMessage);
        const QByteArray ancien = "{\\rtf1 ancien}";
        if (existe)
            QVERIFY(essai::ecrit(chemin("rep.rtf"), ancien));
        this->reponse("Ma réponse : 8,27 m");
        if (!choisi.isEmpty())
            rec().fichiersChoisis = {chemin(choisi)};
        if (reponse)
            rec().reponses = {reponse};
        exo->savetexte_Click();

        QCOMPARE(rec().dialoguesFichier.size(), 1);
        if (titreMessage.isEmpty()) {
            QVERIFY(rec().messages.isEmpty());
        } else {
            QCOMPARE(rec().messages.last().titre, titreMessage);
            QCOMPARE(rec().messages.last().style, titreMessage == "Erreur d'écriture." ? 16 : 33);
        }
        if (titreMessage == "Ecraser le fichier?")
            QCOMPARE(rec().messages.last().texte, QStringLiteral("Le fichier rep.rtf existe déjà.\r\nEcraser l'ancien?"));
        if (titreMessage == "Erreur d'écriture.")
            QCOMPARE(rec().messages.last().texte, QStringLiteral("Vérifier l'état du lecteur et le nom du fichier."));
        if (ecrit.isEmpty()) {
            if (existe)
                QCOMPARE(contenu(chemin("rep.rtf")), ancien);
            // Nothing written: the answers are still to be protected.
            QCOMPARE(Module1::texteModifie, qint16(1));
            return;
        }
        QTextDocument relu;
        QVERIFY(Rtf::lis(contenu(chemin(ecrit)), &relu));
        QCOMPARE(relu.toPlainText(), QStringLiteral("Ma réponse : 8,27 m"));
        QCOMPARE(Module1::texteModifie, qint16(0));
    }

    // A save that cannot replace the file leaves the old one whole.
    void enregistrerDansUnFichierProtege()
    {
        QVERIFY(essai::ecrit(chemin("rep.rtf"), "{\\rtf1 ancien}"));
        QFile::setPermissions(dossier->path(), QFile::ReadOwner | QFile::ExeOwner);
        if (QFile essai(chemin("essai")); essai.open(QIODevice::WriteOnly)) {
            QFile::setPermissions(dossier->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QSKIP("permissions do not stop this user from writing (root)");
        }
        reponse("nouveau");
        rec().fichiersChoisis = {chemin("rep.rtf")};
        rec().reponses = {ReponseMsg::Ok};
        exo->savetexte_Click();
        QFile::setPermissions(dossier->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(rec().messages.last().titre, QStringLiteral("Erreur d'écriture."));
        QCOMPARE(contenu(chemin("rep.rtf")), QByteArray("{\\rtf1 ancien}"));
        QCOMPARE(Module1::texteModifie, qint16(1));
    }

    void retrouver_data()
    {
        QTest::addColumn<QByteArray>("octets");  // empty: the dialog is cancelled
        QTest::addColumn<QString>("texte");      // the area afterwards
        QTest::addColumn<QString>("titreMessage");
        QTextDocument doc;
        doc.setPlainText("Réponse relue");
        QTest::newRow("texte RTF") << Rtf::ecris(doc) << QStringLiteral("Réponse relue") << QString();
        QTest::newRow("pas du RTF") << QByteArray("bonjour") << QStringLiteral("avant") << QStringLiteral("Erreur de lecture.");
        QTest::newRow("annulé") << QByteArray() << QStringLiteral("avant") << QString();
    }
    void retrouver()
    {
        QFETCH(QByteArray, octets);
        QFETCH(QString, texte);
        QFETCH(QString, titreMessage);
        fenetre->supertext->setPlainText("avant");
        Module1::exerciceCorrige = 1;
        if (!octets.isEmpty()) {
            QVERIFY(essai::ecrit(chemin("relu.rtf"), octets));
            rec().fichiersChoisis = {chemin("relu.rtf")};
        }
        exo->opentexte_Click();
        QCOMPARE(fenetre->supertext->toPlainText(), texte);
        QCOMPARE(Module1::texteModifie, qint16(0));
        if (titreMessage.isEmpty())
            QVERIFY(rec().messages.isEmpty());
        else
            QCOMPARE(rec().messages.last().titre, titreMessage);
        if (octets.isEmpty()) {
            QVERIFY(fenetre->fich->text().isEmpty());
            QCOMPARE(Module1::exerciceCorrige, qint16(1));
            return;
        }
        QCOMPARE(fenetre->fich->text(), "Texte: " + chemin("relu.rtf"));
        QCOMPARE(Module1::exerciceCorrige, qint16(0));
        QVERIFY(!fenetre->supertext->isReadOnly());
        // The reloaded text is the pupil's again: typing counts as a change.
        fenetre->supertext->insertPlainText("!");
        QCOMPARE(Module1::texteModifie, qint16(1));
    }

    // OK to the loss question, then Escape in the file dialog: the answer is still there and
    // still protected by the guards.
    void retrouverPuisAnnuler()
    {
        reponse(QStringLiteral("ma réponse"));
        rec().reponses = {ReponseMsg::Ok};
        exo->opentexte_Click();
        QCOMPARE(Module1::texteModifie, qint16(1));
        rec().reponses = {ReponseMsg::Annuler};
        exo->Closexo_Click();
        QCOMPARE(rec().messages.size(), 2);
        QCOMPARE(rec().messages.last().titre, QStringLiteral("Abandon des données?"));
        QCOMPARE(fenetre->supertext->toPlainText(), QStringLiteral("ma réponse"));
    }

    void imprimer_data()
    {
        QTest::addColumn<bool>("annule");
        QTest::addColumn<bool>("selection");
        QTest::newRow("tout") << false << false;
        QTest::newRow("sélection") << false << true;
        QTest::newRow("annulé") << true << false;
    }
    void imprimer()
    {
        QFETCH(bool, annule);
        QFETCH(bool, selection);
        fenetre->supertext->setPlainText("Question 1\nRéponse : 4,29 m");
        if (selection) {
            QTextCursor c(fenetre->supertext->document());
            c.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor);
            fenetre->supertext->setTextCursor(c);
        }
        rec().imprimanteAnnulee = annule;
        rec().sortiePdf = chemin("page.pdf");
        exo->imprimetexte_Click();
        QCOMPARE(rec().imprimantesDemandees, 1);
        QVERIFY(rec().messages.isEmpty());
        QCOMPARE(QFileInfo(chemin("page.pdf")).exists(), !annule);
        if (!annule)
            QVERIFY(contenu(chemin("page.pdf")).startsWith("%PDF"));
    }
};

QTEST_MAIN(TstTexteExercice)
#include "tst_texte_exercice.moc"
