// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/fichierconfig.h"
#include "config/nomfichier.h"

#include <QtTest>

using namespace Config;

Q_DECLARE_METATYPE(Config::ErreurLecture)

namespace {

Reglages exemple()
{
    Reglages r;
    r.lieu = 1;
    r.projectile = 4;
    r.options = {1, 0, 2};
    r.champs = {"2,5", "0,0", "14,0", "-85,0", "150"};
    return r;
}

// A file from its record texts, each slot padded to 128 bytes.
QByteArray fichier(const QStringList& textes)
{
    return Enregistrements::ecris(textes).octets;
}

QStringList textesExemple()
{
    return {"BALTOR", " 1", " 4", " 1", " 0", " 2", "2,5", "0,0", "14,0", "-85,0", "150"};
}

QStringList avec(int n, const QString& texte)
{
    QStringList t = textesExemple();
    t[n - 1] = texte;
    return t;
}

}  // namespace

class TstFichierConfig : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void octetsDores()
    {
        const Enregistrements::Ecriture e = ecris(exemple());
        QVERIFY(e.ok());
        QCOMPARE(e.octets.size(), 11 * 128);
        const QStringList attendus = textesExemple();
        for (int n = 1; n <= 11; ++n) {
            const QByteArray slot = e.octets.mid((n - 1) * 128, 128);
            const QByteArray texte = attendus[n - 1].toLatin1();
            QCOMPARE(uchar(slot[0]), uchar(texte.size()));
            QCOMPARE(uchar(slot[1]), uchar(0));
            QCOMPARE(slot.mid(2, texte.size()), texte);
        }
    }

    void entiers_data()
    {
        QTest::addColumn<int>("valeur");
        QTest::addColumn<QString>("texte");
        QTest::newRow("zéro") << 0 << " 0";
        QTest::newRow("deux") << 2 << " 2";
        QTest::newRow("aucune sélection") << -1 << "-1";
    }
    void entiers()
    {
        QFETCH(int, valeur);
        QFETCH(QString, texte);
        QCOMPARE(texteEntier(valeur), texte);
    }

    void allerRetour()
    {
        const Lecture l = lis(ecris(exemple()).octets);
        QCOMPARE(l.erreur, ErreurLecture::Aucune);
        QCOMPARE(l.valables, 10);
        QCOMPARE(l.reglages.lieu, qint16(1));
        QCOMPARE(l.reglages.projectile, qint16(4));
        QCOMPARE(l.reglages.options, exemple().options);
        QCOMPARE(l.reglages.champs, exemple().champs);
    }

    void refus()
    {
        Reglages r = exemple();
        r.champs[2] = QString(126, u'9');
        QVERIFY(ecris(r).ok());
        r.champs[2] = QString(127, u'9');
        QCOMPARE(ecris(r).erreur, Enregistrements::ErreurEcriture::TexteTropLong);
    }

    void lecture_data()
    {
        QTest::addColumn<QByteArray>("octets");
        QTest::addColumn<ErreurLecture>("erreur");
        QTest::addColumn<int>("valables");
        QTest::newRow("complet") << fichier(textesExemple()) << ErreurLecture::Aucune << 10;
        QTest::newRow("signature en minuscules") << fichier(avec(1, "Baltor")) << ErreurLecture::NonValide << 0;
        QTest::newRow("signature suivie d'un blanc") << fichier(avec(1, "BALTOR ")) << ErreurLecture::NonValide << 0;
        QTest::newRow("fichier vide") << QByteArray() << ErreurLecture::NonValide << 0;
        QTest::newRow("signature endommagée") << QByteArray("\xFF\x00", 2) + QByteArray(126, 'x')
                                              << ErreurLecture::Illisible << 0;
        QTest::newRow("lieu 9") << fichier(avec(2, " 9")) << ErreurLecture::Illisible << 0;
        QTest::newRow("lieu -1") << fichier(avec(2, "-1")) << ErreurLecture::Aucune << 10;
        QTest::newRow("lieu -2") << fichier(avec(2, "-2")) << ErreurLecture::Illisible << 0;
        QTest::newRow("projectile 5") << fichier(avec(3, " 5")) << ErreurLecture::Illisible << 1;
        QTest::newRow("case 3") << fichier(avec(5, " 3")) << ErreurLecture::Illisible << 3;
        QTest::newRow("case arrondie 1,4") << fichier(avec(5, "1.4")) << ErreurLecture::Aucune << 10;
        QTest::newRow("case sans chiffre") << fichier(avec(6, "oui")) << ErreurLecture::Aucune << 10;
        QTest::newRow("entier hors 16 bits") << fichier(avec(4, "70000")) << ErreurLecture::Illisible << 2;
        QTest::newRow("champ non numérique accepté") << fichier(avec(9, "abc")) << ErreurLecture::Aucune << 10;
        QTest::newRow("dix enregistrements") << fichier(textesExemple().mid(0, 10)) << ErreurLecture::Illisible << 9;
        QTest::newRow("dernier enregistrement court")
            << fichier(textesExemple()).left(10 * 128 + 2 + 3) << ErreurLecture::Aucune << 10;
        QTest::newRow("dernier enregistrement coupé")
            << fichier(textesExemple()).left(10 * 128 + 2 + 2) << ErreurLecture::Illisible << 9;
        QByteArray long7 = fichier(textesExemple());
        long7[6 * 128] = char(200);
        QTest::newRow("longueur 200 en 7") << long7 << ErreurLecture::Illisible << 5;
        QTest::newRow("enregistrements en trop") << fichier(textesExemple() << "reste") << ErreurLecture::Aucune << 10;
    }
    void lecture()
    {
        QFETCH(QByteArray, octets);
        QFETCH(ErreurLecture, erreur);
        QFETCH(int, valables);
        const Lecture l = lis(octets);
        QCOMPARE(l.erreur, erreur);
        QCOMPARE(l.valables, valables);
    }

    void valeursLues()
    {
        QCOMPARE(lis(fichier(avec(5, "1.4"))).reglages.options[1], qint16(1));
        QCOMPARE(lis(fichier(avec(5, " 1,6"))).reglages.options[1], qint16(2));
        QCOMPARE(lis(fichier(avec(2, "-1"))).reglages.lieu, qint16(-1));
        QCOMPARE(lis(fichier(avec(9, "14.5"))).reglages.champs[2], QStringLiteral("14.5"));
    }

    void nom_data()
    {
        QTest::addColumn<QString>("champ");
        QTest::addColumn<QString>("chemin");  // empty: no name
        const QString d = QStringLiteral("/home/eleve");
        QTest::newRow("nom nu") << "essai" << d + "/essai.P03";
        QTest::newRow("extension remplacée") << "essai.txt" << d + "/essai.P03";
        QTest::newRow("nom choisi dans la liste") << "tir.P03" << d + "/tir.P03";
        QTest::newRow("deux points") << "a.b.c" << d + "/a.P03";
        QTest::newRow("blancs autour") << "  essai .x " << d + "/essai.P03";
        QTest::newRow("blancs seuls") << "   " << "";
        QTest::newRow("extension seule") << ".P03" << "";
        QTest::newRow("point puis lettres") << "  .abc" << "";
        QTest::newRow("chemin") << "/tmp/x/essai" << "/tmp/x/essai.P03";
        QTest::newRow("dossier avec un point") << "/home/eleve/TP.2024/essai" << "/home/eleve/TP.2024/essai.P03";
        QTest::newRow("dossier avec un point, extension") << "/home/eleve/TP.2024/essai.p03"
                                                         << "/home/eleve/TP.2024/essai.P03";
        QTest::newRow("barres inverses") << "\\tmp\\TP.1\\essai.doc" << "/tmp/TP.1/essai.P03";
        QTest::newRow("chemin relatif") << "TP\\essai" << d + "/TP/essai.P03";
        QTest::newRow("dossier sans nom") << "/tmp/x/" << "";
        QTest::newRow("dossier puis extension") << "/tmp/x/.P03" << "";
    }
    void nom()
    {
        QFETCH(QString, champ);
        QFETCH(QString, chemin);
        QCOMPARE(nomEnregistrement(champ, QStringLiteral("/home/eleve")).chemin, chemin);
    }

    void nomSeul_data()
    {
        QTest::addColumn<QString>("champ");
        QTest::addColumn<QString>("nom");
        QTest::newRow("chemin") << "/home/eleve/essai.P03" << "essai.P03";
        QTest::newRow("barres inverses") << "C:\\TP\\essai.P03" << "essai.P03";
        QTest::newRow("nom nu") << "essai" << "essai";
        QTest::newRow("vide") << "" << "";
    }
    void nomSeul()
    {
        QFETCH(QString, champ);
        QFETCH(QString, nom);
        QCOMPARE(Config::nomSeul(champ), nom);
    }
};

QTEST_APPLESS_MAIN(TstFichierConfig)
#include "tst_fichierconfig.moc"
