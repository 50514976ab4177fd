// SPDX-License-Identifier: GPL-3.0-or-later
// No write costs a file: the exports and the prints to a file, each run as a separate process
// (the program itself, or this test started again to print), over an old file under a file size
// limit, over a pipe, a device or a link loop, and over the set-up they read.

#include "analyse/mesures.h"
#include "app/lancement.h"
#include "exercises/fichexo.h"
#include "graphs/energiesgraphes.h"
#include "graphs/graphes.h"
#include "platform/plateforme_factice.h"
#include "print/confimp.h"
#include "scene/feuillep.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTextStream>

#include <sys/resource.h>
#include <sys/stat.h>

namespace {

// Started again as "--imprime KIND FILE": prints to FILE as the window's command does, through
// the recording platform's PDF printer, and writes the messages shown on the standard output.
int imprime(const QString& quoi, const QString& fichier)
{
    AvecPlateformeFactice plateforme;
    plateforme.factice.sortiePdf = fichier;
    feuilleP f;
    if (quoi == QLatin1String("scene")) {
        QImage sauvetage;
        confimp c(f.Picture2, &sauvetage, &f);
        c.Command1_Click();
    } else if (quoi == QLatin1String("graphes")) {
        graphes(f.entreesGraphes()).Command8_Click();
    } else if (quoi == QLatin1String("energies")) {
        grapheEnergies(f.entreesEnergies()).imprimerPage_Click();
    } else if (quoi == QLatin1String("tableau")) {
        mesures(f.entreesMesures()).imprimer_Click();
    } else {
        Fichexo exercices(&f);
        f.supertext->setPlainText(QStringLiteral("Réponse : 4,29 m\n").repeated(200));
        exercices.imprimetexte_Click();
    }
    for (const MessageEnregistre& m : plateforme.factice.messages)
        QTextStream(stdout) << m.texte << Qt::endl;
    return 0;
}

struct Resultat {
    int code = -1;
    QString sortie;
    QString texte;  // standard output and error together
};

Resultat lance(const QString& programme, const QStringList& arguments, rlim_t limite)
{
    QProcess p;
    // Only the limit is set in the child: ignoring the signal it raises is the program's own work.
    p.setChildProcessModifier([limite] {
        if (limite > 0) {
            rlimit r{};
            getrlimit(RLIMIT_FSIZE, &r);
            r.rlim_cur = limite;
            setrlimit(RLIMIT_FSIZE, &r);
        }
    });
    p.start(programme, arguments);
    if (!p.waitForFinished(120000))
        return {};
    const QString sortie = QString::fromUtf8(p.readAllStandardOutput());
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : 128 + p.exitCode(), sortie,
            sortie + QString::fromUtf8(p.readAllStandardError())};
}

// What stands at a path, to see that a refused write left it as it was.
QByteArray nature(const QString& chemin)
{
    struct stat s {};
    const QByteArray nom = QFile::encodeName(chemin);
    if (lstat(nom.constData(), &s) != 0)
        return "absent";
    if (S_ISLNK(s.st_mode))
        return "lien vers " + QFile::symLinkTarget(chemin).toUtf8();
    if (S_ISFIFO(s.st_mode))
        return "tube";
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? "fichier : " + f.readAll() : "illisible";
}

}  // namespace

class TstSortiesSures : public QObject {
    Q_OBJECT
    QTemporaryDir dossier_;
    QString chemin(const QString& nom) const { return dossier_.filePath(nom); }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(dossier_.isValid());
        QVERIFY(QFile::copy(QCoreApplication::applicationDirPath() + QStringLiteral("/exercices/09_rebonds.P03"),
                            chemin(QStringLiteral("entree.P03"))));
    }

    void sorties_data()
    {
        QTest::addColumn<QString>("cible");     // file name in the test folder
        QTest::addColumn<QString>("avant");     // what stands there first
        QTest::addColumn<QStringList>("commande");  // program arguments; "@" is the target
        QTest::addColumn<int>("limite");        // file size limit in bytes, 0 for none
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        const QString entree = chemin(QStringLiteral("entree.P03"));
        // The print rows run this test again; their message is the recorder's.
        QTest::newRow("tableau sur sa configuration") << "entree.P03" << "entree" << QStringList{"--mesures", "@", entree}
                                                      << 0 << 2 << "extension « p03 » inconnue";
        QTest::newRow("tableau sur un lien vers sa configuration")
            << "lien.csv" << "lien entree" << QStringList{"--mesures", "@", entree} << 0 << 2
            << "c'est le fichier de configuration lu";
        QTest::newRow("script sur un lien vers sa configuration")
            << "lien.py" << "lien entree" << QStringList{"--python", "@", entree} << 0 << 2
            << "c'est le fichier de configuration lu";
        QTest::newRow("tableur dans un tube") << "tube.ods" << "tube" << QStringList{"--mesures", "@"} << 0 << 1
                                               << "pas un fichier ordinaire";
        QTest::newRow("tableau dans un tube") << "tube.csv" << "tube" << QStringList{"--mesures", "@"} << 0 << 1
                                              << "pas un fichier ordinaire";
        QTest::newRow("image sur un périphérique") << "noeud.png" << "peripherique" << QStringList{"--image", "@"} << 0
                                                   << 1 << "pas un fichier ordinaire";
        QTest::newRow("graphes sur une boucle de liens") << "boucle.pdf" << "boucle" << QStringList{"--graphes", "@"}
                                                         << 0 << 1 << "pas un fichier ordinaire";
        QTest::newRow("image, disque plein") << "s.png" << "ancien" << QStringList{"--image", "@"} << 200 << 1
                                             << "L'écriture a échoué";
        QTest::newRow("graphes, disque plein") << "g.pdf" << "ancien" << QStringList{"--graphes", "@"} << 200 << 1
                                               << "L'écriture a échoué (disque plein ou protégé ?).";
        QTest::newRow("tableau, disque plein") << "m.csv" << "ancien" << QStringList{"--mesures", "@", entree} << 200
                                               << 1 << "n'a pas pu être enregistré";
        for (const char* quoi : {"scene", "graphes", "energies", "tableau", "texte"})
            QTest::addRow("impression %s, disque plein", quoi)
                << "p.pdf" << "ancien" << QStringList{"--imprime", quoi, "@"} << 2000 << 0
                << "n'a pas pu être écrite en entier";
        QTest::newRow("impression dans un tube") << "tube.pdf" << "tube" << QStringList{"--imprime", "scene", "@"} << 0
                                                 << 0 << "n'est pas un fichier ordinaire";
        QTest::newRow("impression réussie") << "p.pdf" << "ancien" << QStringList{"--imprime", "graphes", "@"} << 0
                                            << 0 << "";
    }
    void sorties()
    {
        QFETCH(QString, cible);
        QFETCH(QString, avant);
        QFETCH(QStringList, commande);
        QFETCH(int, limite);
        QFETCH(int, code);
        QFETCH(QString, message);
        const QString c = chemin(cible);
        if (avant != QLatin1String("entree"))
            QFile::remove(c);
        if (avant == QLatin1String("ancien")) {
            QFile f(c);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("ancien");
        } else if (avant == QLatin1String("tube")) {
            QCOMPARE(mkfifo(QFile::encodeName(c).constData(), 0600), 0);
        } else if (avant == QLatin1String("peripherique")) {
            QVERIFY(QFile::link(QStringLiteral("/dev/null"), c));
        } else if (avant == QLatin1String("boucle")) {
            QVERIFY(QFile::link(c, c));
        } else if (avant == QLatin1String("lien entree")) {
            QVERIFY(QFile::link(chemin(QStringLiteral("entree.P03")), c));
        }
        const QByteArray natureAvant = nature(c);
        commande.replaceInStrings(QRegularExpression(QStringLiteral("^@$")), c);

        const bool impression = commande.first() == QLatin1String("--imprime");
        const Resultat r = lance(impression ? QCoreApplication::applicationFilePath()
                                            : QCoreApplication::applicationDirPath() + QStringLiteral("/baltor"),
                                 commande, rlim_t(limite));
        QVERIFY2(r.code == code, qPrintable(QString::number(r.code) + QLatin1Char(' ') + r.texte));
        QVERIFY2(r.texte.contains(message), qPrintable(r.texte));
        if (message.isEmpty()) {
            QVERIFY2(r.sortie.isEmpty(), qPrintable(r.sortie));
            QVERIFY(nature(c).startsWith("fichier : %PDF"));
            QVERIFY(nature(c).trimmed().endsWith("%%EOF"));
        } else {
            QCOMPARE(nature(c), natureAvant);
        }
        // Nothing is left beside it.
        const QStringList restes = QDir(dossier_.path()).entryList({QStringLiteral(".baltor-*")}, QDir::Files | QDir::Hidden);
        QVERIFY2(restes.isEmpty(), qPrintable(restes.join(QLatin1Char(' '))));
    }
};

int main(int argc, char** argv)
{
    const bool enfant = argc == 4 && qstrcmp(argv[1], "--imprime") == 0;
    if (enfant)
        protegeEcritures();
    QApplication app(argc, argv);
    preparesApplication();
    if (enfant)
        return imprime(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    TstSortiesSures t;
    return QTest::qExec(&t, argc, argv);
}
#include "tst_sorties_sures.moc"
