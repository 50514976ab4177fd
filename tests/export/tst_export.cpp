// SPDX-License-Identifier: GPL-3.0-or-later
// The command line run as a teacher's script runs it: a separate process, no display.

#include "analyse/mesures.h"
#include "app/lancement.h"
#include "config/configuration.h"
#include "core/module1.h"
#include "export/exportation.h"
#include "platform/plateforme_factice.h"
#include "scene/feuillep.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Resultat {
    int code = -1;
    QString sortie;
    QString erreurs;
};

Resultat lance(const QStringList& arguments, const QString& home = QString())
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!home.isEmpty())
        env.insert(QStringLiteral("HOME"), home);
    // No display and no platform chosen: the exports must choose the offscreen one themselves.
    for (const char* nom : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(nom));
    p.setProcessEnvironment(env);
    p.start(QCoreApplication::applicationDirPath() + QStringLiteral("/baltor"), arguments);
    if (!p.waitForFinished(120000))
        return {};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

QByteArray debut(const QString& chemin, int n)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.read(n) : QByteArray();
}

void ecrit(const QString& chemin, const QByteArray& octets)
{
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(octets);
}

}  // namespace

class TstExport : public QObject {
    Q_OBJECT
    QTemporaryDir dossier_;
    QString chemin(const QString& nom) const { return dossier_.filePath(nom); }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(dossier_.isValid());
        ecrit(chemin("etranger.P03"), QByteArray("Ceci n'est pas une configuration\n"));
        ecrit(chemin("vide.P03"), QByteArray());
        ecrit(chemin("minuscules.P03"), QByteArray("\x06\x00" "baltor", 8));
        QVERIFY(QDir(dossier_.path()).mkdir(QStringLiteral("dossier.P03")));
    }

    void statuts_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("sortie");
        QTest::addColumn<QString>("erreur");
        const QString img = chemin("s.png");
        QTest::newRow("aide") << QStringList{"--help"} << 0 << "Utilisation : baltor" << "";
        QTest::newRow("version") << QStringList{"--version"} << 0 << "Baltor 1.0.0" << "";
        QTest::newRow("option inconnue") << QStringList{"--vitesse", "3"} << 2 << "" << "option inconnue : --vitesse";
        QTest::newRow("valeur manquante") << QStringList{"--graphes"} << 2 << "" << "attend une valeur";
        QTest::newRow("mauvaise extension") << QStringList{"--image", chemin("s.bmp")} << 2 << "" << "extension « bmp »";
        QTest::newRow("fichier absent") << QStringList{"--image", img, chemin("absent.P03")} << 1 << ""
                                        << "fichier introuvable";
        QTest::newRow("dossier nommé .P03") << QStringList{"--image", img, chemin("dossier.P03")} << 1 << ""
                                            << "impossible de lire « " + chemin("dossier.P03") + " » : c'est un dossier";
        QTest::newRow("signature en minuscules") << QStringList{"--image", img, chemin("minuscules.P03")} << 1 << ""
                                                 << "Fichier non valide : Ce fichier ne correspond pas à cette application";
        QTest::newRow("texte quelconque") << QStringList{"--image", img, chemin("etranger.P03")} << 1 << ""
                                          << "Lecture impossible sur disque";
        QTest::newRow("fichier vide") << QStringList{"--graphes", chemin("g.pdf"), chemin("vide.P03")} << 1 << ""
                                      << "Ce fichier ne correspond pas à cette application";
        QTest::newRow("tableau sans dossier") << QStringList{"--mesures", chemin("nulle/part/m.csv")} << 1 << ""
                                              << "n'a pas pu être enregistré";
        QTest::newRow("classeur sans dossier") << QStringList{"--mesures", chemin("nulle/part/m.ods")} << 1 << ""
                                               << "n'a pas pu être enregistré";
        QTest::newRow("script sans dossier") << QStringList{"--python", chemin("etranger.P03/v.py")} << 1 << ""
                                             << "n'a pas pu être enregistré";
        QTest::newRow("script élève seul") << QStringList{"--python-eleve"} << 2 << "" << "s'emploie avec --python";
        // A file stands where the folder should be: no one can write there, not even root.
        QTest::newRow("dossier impossible") << QStringList{"--image", chemin("etranger.P03/s.png")} << 1 << ""
                                            << "impossible d'écrire";
        QTest::newRow("dossier absent") << QStringList{"--graphes", chemin("nulle/part/g.pdf")} << 1 << ""
                                        << "impossible d'écrire";
    }
    void statuts()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, sortie);
        QFETCH(QString, erreur);
        const Resultat r = lance(arguments);
        QTEST(r.code, "code");
        QVERIFY2(r.sortie.contains(sortie), qPrintable(r.sortie));
        QVERIFY2(r.erreurs.contains(erreur), qPrintable(r.erreurs));
        if (r.code != 0)
            QVERIFY2(r.erreurs.startsWith(QStringLiteral("baltor : ")), qPrintable(r.erreurs));
    }

    // The export ends cleanly whatever the size of its environment: under the sanitizers a long
    // home folder once made a system library's leak report fail the child.
    void environnements_data()
    {
        QTest::addColumn<int>("longueur");
        // Every place of the environment's end within the stack's 16-byte alignment, and a long one.
        for (int n = 1; n <= 16; ++n)
            QTest::addRow("HOME de %d caractères", n) << n;
        QTest::newRow("HOME long") << 250;
    }
    void environnements()
    {
        QFETCH(int, longueur);
        QString home = dossier_.filePath(QString(longueur, u'h'));
        QVERIFY(QDir().mkpath(home));
        const Resultat r = lance({QStringLiteral("--mesures"), chemin(QStringLiteral("h.csv"))}, home);
        QVERIFY2(r.code == 0 && r.erreurs.isEmpty(), qPrintable(QString::number(r.code) + r.erreurs));
    }

    void formats_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("fichier");
        QTest::addColumn<QByteArray>("signature");
        QTest::newRow("png") << QStringList{"--image", chemin("a.png")} << "a.png" << QByteArray("\x89PNG");
        QTest::newRow("jpeg") << QStringList{"--image", chemin("a.JPG")} << "a.JPG" << QByteArray("\xFF\xD8\xFF");
        QTest::newRow("pdf") << QStringList{"--image", chemin("a.pdf")} << "a.pdf" << QByteArray("%PDF");
        QTest::newRow("svg") << QStringList{"--image", chemin("a.svg")} << "a.svg" << QByteArray("<?xml");
        QTest::newRow("graphes pdf") << QStringList{"--graphes", chemin("g.pdf")} << "g.pdf" << QByteArray("%PDF");
        QTest::newRow("graphes png") << QStringList{"--graphes", chemin("g.png")} << "g.png" << QByteArray("\x89PNG");
        QTest::newRow("tableau csv") << QStringList{"--mesures", chemin("m.csv")} << "m.csv" << QByteArray("\xEF\xBB\xBF\"Lieu : ");
        QTest::newRow("tableau ods") << QStringList{"--mesures", chemin("m.ODS")} << "m.ODS"
                                     << QByteArray("PK\x03\x04");
        QTest::newRow("script") << QStringList{"--python", chemin("v.py")} << "v.py" << QByteArray("#!/usr/bin/env python3");
    }
    void formats()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, fichier);
        QFETCH(QByteArray, signature);
        const Resultat r = lance(arguments);
        QCOMPARE(r.code, 0);
        QVERIFY2(r.erreurs.isEmpty(), qPrintable(r.erreurs));
        QCOMPARE(debut(chemin(fichier), int(signature.size())), signature);
    }

    void pageDesGraphes()
    {
        QVERIFY(QFile::exists(chemin("g.png")));
        const QImage page(chemin("g.png"));
        QCOMPARE(page.size(), QSize(1241, 1754));  // A4 (8,27 × 11,69 in) at 150 dots per inch
        // The three graphs stand in thirds of the page, a tenth of its width from the left.
        for (int tiers = 0; tiers < 3; ++tiers) {
            int encre = 0;
            for (int y = tiers * 1754 / 3; y < (tiers + 1) * 1754 / 3; y += 3)
                for (int x = 124; x < 700; x += 3)
                    encre += page.pixel(x, y) != qRgb(255, 255, 255);
            QVERIFY2(encre > 500, qPrintable(QString::number(encre)));
        }
    }

    // The table written is the one the window's export button writes for the same set-up.
    void memeTableauQueLaFenetre_data()
    {
        QTest::addColumn<QString>("configuration");
        QTest::addColumn<bool>("frottements");
        QTest::newRow("lancer par défaut") << QString() << false;
        QTest::newRow("rocher sur Mars") << QStringLiteral("exercices/02_mars_rocher.P03") << false;
        QTest::newRow("ballon") << QStringLiteral("exercices/09_rebonds.P03") << false;
        QTest::newRow("ballon, frottements") << QStringLiteral("exercices/09_rebonds.P03") << true;
    }
    void memeTableauQueLaFenetre()
    {
        QFETCH(QString, configuration);
        QFETCH(bool, frottements);
        const QString sortie = chemin(QStringLiteral("t-%1.csv").arg(QTest::currentDataTag()));
        QStringList arguments{"--mesures", sortie};
        if (frottements)
            arguments << "--frottements";
        AvecPlateformeFactice factice;
        feuilleP f;
        if (!configuration.isEmpty()) {
            const QString p03 = QCoreApplication::applicationDirPath() + QLatin1Char('/') + configuration;
            QVERIFY2(QFile::exists(p03), qPrintable(p03));
            arguments << p03;
            Module1::cheminConfig = p03;
            Module1::chargeConfig(f);
            QVERIFY(factice.factice.messages.isEmpty());
        }
        f.changeFrottements(frottements);
        const Resultat r = lance(arguments);
        QCOMPARE(r.code, 0);
        QFile ecrit(sortie);
        QVERIFY(ecrit.open(QIODevice::ReadOnly));
        const mesures fenetre(f.entreesMesures());
        QCOMPARE(fenetre.tableauVol().sommaire.join('\n').contains("Frottements de l'air"), frottements);
        QVERIFY(fenetre.lignes().size() > 3);
        QCOMPARE(ecrit.readAll(), analyse::texteCsvVol(fenetre.tableauVol()));
    }

    // Each option of the picture changes it: the frame without its grid, the tools, the size.
    void optionsImage_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QStringList>("autres");
        QTest::addColumn<int>("taille");
        QTest::newRow("repère sans grille") << QStringList{"--repere"} << QStringList{"--grille"} << 1;
        QTest::newRow("vecteurs et sommet") << QStringList{"--vecteurs", "--sommet"} << QStringList{} << 1;
        QTest::newRow("agrandie") << QStringList{"--taille", "2", "--trajectoire", "--deltav"} << QStringList{"--taille", "2"} << 2;
    }
    void optionsImage()
    {
        QFETCH(QStringList, options);
        QFETCH(QStringList, autres);
        QFETCH(int, taille);
        const QString a = chemin(QStringLiteral("oa-%1.png").arg(QTest::currentDataTag()));
        const QString b = chemin(QStringLiteral("ob-%1.png").arg(QTest::currentDataTag()));
        QCOMPARE(lance(QStringList{"--image", a} + options).code, 0);
        QCOMPARE(lance(QStringList{"--image", b} + autres).code, 0);
        const QImage ia = QImage(a).convertToFormat(QImage::Format_RGB32);
        const QImage ib = QImage(b).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(ia.size(), QImage(chemin("a.png")).size() * taille);
        QCOMPARE(ib.size(), ia.size());
        QVERIFY(ia != ib);
    }

    // The picture written is the one the window's copy command gives after the same flight.
    void memePixelsQueLaFenetre_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("chrono");
        QTest::addColumn<bool>("repere");
        QTest::addColumn<bool>("grille");
        QTest::newRow("par défaut") << QStringList{} << -1 << false << false;
        QTest::newRow("300 ms et repère") << QStringList{"--chrono", "300", "--repere"} << 300 << true << false;
        QTest::newRow("grille") << QStringList{"--grille"} << -1 << false << true;
    }
    void memePixelsQueLaFenetre()
    {
        QFETCH(QStringList, options);
        QFETCH(int, chrono);
        QFETCH(bool, repere);
        QFETCH(bool, grille);
        const QString sortie = chemin(QStringLiteral("scene-%1.png").arg(QTest::currentDataTag()));
        const Resultat r = lance(QStringList{"--image", sortie} + options);
        QCOMPARE(r.code, 0);

        AvecPlateformeFactice factice;
        feuilleP f;
        if (chrono > 0) {
            f.chrono->setText(QString::number(chrono));
            f.chrono_LostFocus();
        }
        voleAvecChronophotographie(f, repere, grille);
        f.Command4_Click();
        QCOMPARE(factice.factice.pressePapiers.size(), 1);
        const QImage fenetre = factice.factice.pressePapiers.first().convertToFormat(QImage::Format_RGB32);
        const QImage ecrite = QImage(sortie).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(ecrite.size(), fenetre.size());
        QVERIFY(ecrite == fenetre);
        QCOMPARE(f.Check1->isChecked(), repere || grille);
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    preparesApplication();
    TstExport t;
    return QTest::qExec(&t, argc, argv);
}
#include "tst_export.moc"
