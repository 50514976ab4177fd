// SPDX-License-Identifier: GPL-3.0-or-later
// The flight's Python script run as a pupil runs it (python3 and matplotlib, no display), and
// the .ods spreadsheet unzipped and read back cell by cell.

#include "analyse/scriptpython.h"
#include "analyse/tableurods.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include <zip.h>

using namespace analyse;

namespace {

struct Cas {
    Conditions c;
    Montage m;
};

Cas cas(float g, float v0, float angle, float y0, const QString& projectile, double intervalleMs = 150.0)
{
    const sim::Vitesse v = sim::voxvoy(v0, angle);
    return {Conditions{1.0f, y0, v.vx, v.vy, g, intervalleMs, false},
            {QStringLiteral("Terre ( g = 9,8 N / kg )"), projectile, "1,0", "0,0", "14,0", "85,0"}};
}

void donnees()
{
    QTest::addColumn<Cas>("vol");
    QTest::newRow("lancer par défaut") << cas(9.8f, 14.0f, 85.0f, 0.0f, QStringLiteral("pomme ( m = 180 g )"));
    QTest::newRow("Lune, de haut") << cas(1.62f, 3.0f, 0.0f, 5.0f, QStringLiteral("balle ( m = 58 g )"), 400.0);
    // A typed text never becomes code nor breaks a comment or a cell.
    QTest::newRow("texte hostile, sans masse")
        << cas(3.71f, 20.0f, 40.0f, 2.0f, QStringLiteral("\"); import os; os.remove(__file__) #\n<x>&\\"));
}

// The system's Python first: a user's own one (pyenv, venv) may lack matplotlib.
QString pythonAvecMatplotlib()
{
    for (const QString& python : {QStringLiteral("/usr/bin/python3"), QStringLiteral("python3")}) {
        QProcess p;
        p.start(python, {QStringLiteral("-c"), QStringLiteral("import matplotlib")});
        if (p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0)
            return python;
    }
    return {};
}

QByteArray lisDansZip(const QByteArray& zipOctets, const char* nom, int* index)
{
    zip_error_t e;
    zip_error_init(&e);
    zip_source_t* s = zip_source_buffer_create(zipOctets.constData(), zip_uint64_t(zipOctets.size()), 0, &e);
    zip_t* z = s ? zip_open_from_source(s, ZIP_RDONLY, &e) : nullptr;
    zip_error_fini(&e);
    if (!z) {
        zip_source_free(s);
        return {};
    }
    QByteArray octets;
    *index = int(zip_name_locate(z, nom, 0));
    zip_stat_t st;
    if (*index >= 0 && zip_stat_index(z, zip_uint64_t(*index), 0, &st) == 0) {
        if (zip_file_t* f = zip_fopen_index(z, zip_uint64_t(*index), 0)) {
            octets.resize(qsizetype(st.size));
            octets.resize(qsizetype(std::max<zip_int64_t>(0, zip_fread(f, octets.data(), st.size))));
            zip_fclose(f);
        }
    }
    zip_discard(z);
    return octets;
}

}  // namespace

Q_DECLARE_METATYPE(Cas)

class TstExportsVol : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void scriptPython_data() { donnees(); }
    void scriptPython()
    {
        QFETCH(Cas, vol);
        const QString python = pythonAvecMatplotlib();
        if (python.isEmpty())
            QSKIP("python3 et matplotlib (paquet python3-matplotlib) sont absents : script non essayé");
        const TableauVol t = tableauVol(vol.c, vol.m);
        QTemporaryDir dossier;
        for (const auto variante : {VarianteScript::Complete, VarianteScript::Eleve}) {
            const bool eleve = variante == VarianteScript::Eleve;
            const QString script = dossier.filePath(eleve ? QStringLiteral("vol_élève.py") : QStringLiteral("vol.py"));
            QFile f(script);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(analyse::scriptPython(t, vol.c, vol.m, variante));
            f.close();
            QProcess p;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("MPLBACKEND"), QStringLiteral("Agg"));
            env.insert(QStringLiteral("MPLCONFIGDIR"), dossier.path());
            p.setProcessEnvironment(env);
            p.start(python, {script});
            QVERIFY(p.waitForFinished(120000));
            const QString sortie = QString::fromUtf8(p.readAllStandardOutput());
            const QString erreurs = QString::fromUtf8(p.readAllStandardError());
            QVERIFY2(QFile::exists(script), "the script is still there");
            QVERIFY2(QFile::exists(script.chopped(3) + QStringLiteral(".png")), qPrintable(erreurs));
            if (eleve) {
                QCOMPARE(p.exitCode(), 1);
                QVERIFY2(erreurs.contains(QStringLiteral("Le calcul des vecteurs vitesse est à compléter")), qPrintable(erreurs));
                continue;
            }
            QVERIFY2(p.exitCode() == 0, qPrintable(erreurs));
            // Each speed from two positions 2τ apart against the table's v at that photograph.
            const QRegularExpression vitesse(QStringLiteral("^M(\\d+) : t = [\\d,]+ s ; v = ([\\d,]+) m/s$"),
                                             QRegularExpression::MultilineOption);
            int comparees = 0;
            for (auto it = vitesse.globalMatch(sortie); it.hasNext();) {
                const QRegularExpressionMatch m = it.next();
                const int n = m.captured(1).toInt();
                const auto l = std::find_if(t.lignes.begin(), t.lignes.end(), [n](const Ligne& l) { return l.n == n; });
                QVERIFY(l != t.lignes.end());
                QVERIFY2(std::fabs(m.captured(2).replace(',', '.').toDouble() - l->v) <= 0.01, qPrintable(m.captured(0)));
                ++comparees;
            }
            QCOMPARE(comparees, int(std::count_if(t.lignes.begin(), t.lignes.end(), [](const Ligne& l) { return l.n >= 0; })) - 2);
        }
    }

    void classeur_data() { donnees(); }
    void classeur()
    {
        QFETCH(Cas, vol);
        const TableauVol t = tableauVol(vol.c, vol.m);
        const QByteArray ods = classeurOds(t);
        int index = -1;
        QCOMPARE(lisDansZip(ods, "mimetype", &index), QByteArray("application/vnd.oasis.opendocument.spreadsheet"));
        QCOMPARE(index, 0);
        QCOMPARE(ods.mid(30, 8), QByteArray("mimetype"));  // first, stored: readable at a fixed offset
        const QByteArray contenu = lisDansZip(ods, "content.xml", &index);
        QVERIFY(!lisDansZip(ods, "META-INF/manifest.xml", &index).isEmpty());

        // Every row as (type, value or text) cells, in order.
        QVector<QStringList> lignes;
        QXmlStreamReader x(contenu);
        while (!x.atEnd()) {
            x.readNext();
            if (x.isStartElement() && x.name() == QLatin1String("table-row"))
                lignes.append(QStringList());
            else if (x.isStartElement() && x.name() == QLatin1String("table-cell")) {
                const auto a = x.attributes();
                const QString type = a.value(QStringLiteral("office:value-type")).toString();
                lignes.last() << (type == QLatin1String("float") ? QStringLiteral("=") + a.value(QStringLiteral("office:value")).toString()
                                                                 : x.readElementText(QXmlStreamReader::IncludeChildElements));
            }
        }
        QVERIFY2(!x.hasError(), qPrintable(x.errorString()));
        const int s = int(t.sommaire.size());
        QCOMPARE(lignes.size(), s + 1 + int(t.lignes.size()) + 1);
        for (int i = 0; i < s; ++i)
            QCOMPARE(lignes[i], QStringList{t.sommaire[i]});
        QCOMPARE(lignes[s], entetesVol());
        for (int i = 0; i < t.lignes.size(); ++i) {
            QStringList attendu = cellulesVol(t.lignes[i], t.masse.has_value());
            for (int j = 0; j + 1 < attendu.size(); ++j)
                if (!attendu[j].isEmpty())
                    attendu[j] = QStringLiteral("=") + attendu[j].replace(',', '.');
            QCOMPARE(lignes[s + 1 + i], attendu);
        }
        QCOMPARE(lignes.last(), QStringList{t.fin});
    }

    // LibreOffice itself, headless, converting to CSV in the C locale.
    void classeurLuParLibreOffice()
    {
        QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
        if (soffice.isEmpty())
            soffice = QStandardPaths::findExecutable(QStringLiteral("libreoffice"));
        if (soffice.isEmpty())
            QSKIP("LibreOffice (soffice) est absent : classeur non ouvert par LibreOffice");
        const Cas vol = cas(9.8f, 14.0f, 85.0f, 0.0f, QStringLiteral("pomme ( m = 180 g )"));
        const TableauVol t = tableauVol(vol.c, vol.m);
        QTemporaryDir dossier;
        QFile f(dossier.filePath(QStringLiteral("vol.ods")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(classeurOds(t));
        f.close();
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
        env.insert(QStringLiteral("HOME"), dossier.path());
        p.setProcessEnvironment(env);
        p.start(soffice, {QStringLiteral("--headless"), QStringLiteral("--convert-to"), QStringLiteral("csv"),
                          QStringLiteral("--outdir"), dossier.path(), f.fileName()});
        QVERIFY(p.waitForFinished(180000));
        QFile csv(dossier.filePath(QStringLiteral("vol.csv")));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QStringList lignes = QString::fromUtf8(csv.readAll()).split(QLatin1Char('\n'));
        const int s = int(t.sommaire.size());
        for (int i = 0; i < t.lignes.size(); ++i) {
            const QStringList cellules = lignes.value(s + 1 + i).trimmed().split(QLatin1Char(','));
            const QStringList attendu = cellulesVol(t.lignes[i], true);
            for (int j = 1; j + 1 < attendu.size(); ++j)
                QCOMPARE(cellules.value(j).toDouble(), QString(attendu[j]).replace(',', '.').toDouble());
        }
    }
};

QTEST_GUILESS_MAIN(TstExportsVol)
#include "tst_exports_vol.moc"
