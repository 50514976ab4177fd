// SPDX-License-Identifier: GPL-3.0-or-later
// The exercises delivered beside the program: each one opens without a message, its set-up
// loads, its statement and correction are not empty; together they cover the three places
// and every level of difficulty; and the committed files are those the sources give.

#include "core/chemins.h"
#include "core/enregistrements.h"
#include "core/module1.h"
#include "core/nombres.h"
#include "exercises/description.h"
#include "exercises/fichexo.h"
#include "platform/plateforme_factice.h"
#include "scene/feuillep.h"
#include "sim/echelle.h"
#include "widgets/filelistbox.h"
#include "exercices/generateur.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTextEdit>
#include <QtTest>

class TstExercicesLivres : public QObject {
    Q_OBJECT

    static QString programme() { return QCoreApplication::applicationDirPath(); }
    static QStringList descriptions()
    {
        return QDir(programme()).entryList({QStringLiteral("*.E03")}, QDir::Files, QDir::Name);
    }
    // The whole flight of the loaded set-up stays within the scene at the set-up's scale.
    static bool volDansLaScene(const feuilleP& f)
    {
        const sim::Reglages r = f.reglages();
        const sim::Ajustement a = sim::ajusteAuVol({r.x0, r.y0, Module1::vx, Module1::vy, Module1::g,
                                                    r.projectile == int(sim::Projectile::Ballon), false});
        return a.tient && a.echelle.pixelsParMetre() >= f.echelleScene().pixelsParMetre();
    }
    static Exercices::DescriptionExercice lis(const QString& chemin)
    {
        QFile f(chemin);
        return f.open(QIODevice::ReadOnly) ? Exercices::lisDescription(f.readAll()) : Exercices::DescriptionExercice();
    }

private Q_SLOTS:
    void init() { Module1::reinitialise(); }

    void ensemble()
    {
        const QStringList noms = descriptions();
        QVERIFY2(noms.size() >= 10, qPrintable(noms.join(' ')));
        QSet<int> lieux, difficultes;
        int corriges = 0;
        for (const QString& nom : noms) {
            const auto d = lis(programme() + "/" + nom);
            QVERIFY2(!d.titre().isEmpty(), qPrintable(nom));
            QVERIFY2(!Exercices::estVide(d.notions()), qPrintable(nom));
            difficultes.insert(int(d.difficulte()));
            corriges += d.corrige() ? 1 : 0;
            // The place is record 2 of the statement's configuration.
            QFile p(Module1::resoudChemin(d.configuration(), programme()));
            QVERIFY2(p.open(QIODevice::ReadOnly), qPrintable(nom));
            lieux.insert(int(Module1::lisNombre(Enregistrements::Lecteur(p.readAll()).lis(2).texte)));
        }
        QCOMPARE(lieux, QSet<int>({0, 1, 2}));
        QCOMPARE(difficultes, QSet<int>({0, 1, 2, 3}));
        QVERIFY(corriges * 3 >= noms.size() * 2);
    }

    void ouvrir_data()
    {
        QTest::addColumn<QString>("nom");
        for (const QString& nom : descriptions())
            QTest::newRow(qPrintable(nom)) << nom;
    }
    void ouvrir()
    {
        QFETCH(QString, nom);
        AvecPlateformeFactice plateformeTest;
        feuilleP fenetre;
        Fichexo exo(&fenetre);
        exo.Form_Load();
        const auto trouves = exo.File1->findItems(nom, Qt::MatchExactly);
        QCOMPARE(trouves.size(), 1);
        exo.File1->setListIndex(exo.File1->row(trouves.first()));
        const auto d = lis(exo.fichierexo->text());
        exo.ouvreur_Click();
        QVERIFY2(plateformeTest.factice.messages.isEmpty(), qPrintable(plateformeTest.factice.messages.value(0).texte));
        QCOMPARE(fenetre.fich->text(), exo.fichierexo->text());
        QVERIFY(fenetre.supertext->toPlainText().size() > 200);
        QVERIFY(fenetre.windowTitle().startsWith("Baltor - "));
        QCOMPARE(Module1::exerciceCorrige, qint16(d.corrige() ? 1 : 0));
        QVERIFY(volDansLaScene(fenetre));
        if (!d.corrige())
            return;
        const QString enonce = fenetre.supertext->toPlainText();
        exo.opencor_Click();
        QVERIFY(plateformeTest.factice.messages.isEmpty());
        QVERIFY(volDansLaScene(fenetre));
        if (!Exercices::estVide(d.correction())) {
            QVERIFY(fenetre.supertext->toPlainText().contains("Correction"));
            QVERIFY(fenetre.supertext->toPlainText() != enonce);
        }
    }

    void priseEnMain()
    {
        AvecPlateformeFactice plateformeTest;
        feuilleP fenetre;
        Fichexo exo(&fenetre);
        exo.PRISENMAIN_Click();
        QVERIFY(plateformeTest.factice.messages.isEmpty());
        QCOMPARE(QFileInfo(fenetre.fich->text()).fileName(), QStringLiteral("BALTOR.PEM"));
        QVERIFY(fenetre.supertext->toPlainText().contains("Prise en main"));
        QCOMPARE(Module1::exerciceCorrige, qint16(0));
    }

    // The course quotes what the program gives.
    void cours()
    {
        QFile f(BALTOR_SOURCES_EXERCICES "/../cours.txt");
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QStringList erreurs = exercices::verifieCours(QString::fromUtf8(f.readAll()), BALTOR_SOURCE_DATA "/cours");
        QVERIFY2(erreurs.isEmpty(), qPrintable(erreurs.join('\n')));
    }

    // The committed files are exactly what the sources give today.
    void aJour()
    {
        QStringList erreurs;
        const auto fichiers = exercices::fichiersDeTout(exercices::lisSources(BALTOR_SOURCES_EXERCICES, &erreurs), &erreurs);
        QVERIFY2(erreurs.isEmpty(), qPrintable(erreurs.join('\n')));
        QVERIFY(fichiers.size() > 30);
        for (auto it = fichiers.begin(); it != fichiers.end(); ++it) {
            QFile f(QStringLiteral(BALTOR_SOURCE_DATA) + "/" + it.key());
            QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(it.key() + " manque : cmake --build --target exercices"));
            QVERIFY2(f.readAll() == it.value(), qPrintable(it.key() + " n'est pas à jour : cmake --build --target exercices"));
        }
    }
};

QTEST_MAIN(TstExercicesLivres)
#include "tst_exercices_livres.moc"
