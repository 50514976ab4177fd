// SPDX-License-Identifier: GPL-3.0-or-later
// Loading and saving a 1 MB exercise statement with the formatting teachers use.

#include "bench.h"

#include "rtf/rtf.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTextDocument>

namespace {

QByteArray enonce1Mo()
{
    QByteArray r =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\\deflang1036{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}"
        "{\\f1\\froman\\fcharset2 Symbol;}}\r\n{\\colortbl ;\\red0\\green0\\blue200;\\red255\\green0\\blue0;}\r\n"
        "{\\*\\generator Riched20 10.0.19041}\\viewkind4\r\n";
    int n = 0;
    while (r.size() < 1024 * 1024) {
        ++n;
        r += "\\pard\\qc\\sa120\\cf1\\b\\fs28 Exercice " + QByteArray::number(n)
             + " : chute libre\\cf0\\b0\\fs20\\par\r\n"
               "\\pard\\li284\\fi-142\\sa60 Un objet de masse {\\i m} = 250 g est l\\'e2ch\\'e9 sans vitesse "
               "initiale d'une hauteur {\\i h} = 12,5 m. On n\\'e9glige les frottements de l'air ; "
               "{\\i g} \\u8776? 9,81 m\\'b7s\\super -2\\nosupersub .\\par\r\n"
               "\\pard{\\pntext\\f1\\'B7\\tab}{\\*\\pn\\pnlvlblt\\pnf1\\pnindent0{\\pntxtb\\'B7}}\\fi-360\\li720 "
               "Exprimer l'\\'e9nergie cin\\'e9tique E\\sub c\\nosupersub  en fonction de {\\i v}.\\par\r\n"
               "{\\pntext\\f1\\'B7\\tab}Calculer \\f1 D\\f0 E\\sub p\\nosupersub  entre le d\\'e9part et "
               "l'arriv\\'e9e \\'ab au sol \\'bb, en joules (\\cf2\\ul J\\ulnone\\cf0 ).\\par\r\n";
    }
    r += "}\r\n";
    return r;
}

}  // namespace

BALTOR_BENCH(rtf)
{
    const QByteArray rtf = enonce1Mo();
    std::vector<double> lecture;
    std::vector<double> ecriture;
    for (int i = 0; i < 7; ++i) {
        QTextDocument doc;
        QElapsedTimer t;
        t.start();
        Rtf::lis(rtf, &doc);
        lecture.push_back(double(t.nsecsElapsed()) / 1e6);
        t.restart();
        const QByteArray ecrit = Rtf::ecris(doc);
        ecriture.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::vector<Mesure> r{{"rtf_load_1mb_ms", mediane(lecture), "ms"}, {"rtf_save_1mb_ms", mediane(ecriture), "ms"}};

    // The slowest file of the test corpus (limit cases, other programs' files), when the
    // sources are at hand: each must load well within a second.
    const QString corpus = QFileInfo(QStringLiteral(__FILE__)).dir().filePath(QStringLiteral("../tests/data/rtf"));
    double pire = 0;
    QDirIterator it(corpus, {QStringLiteral("*.rtf")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        if (!f.open(QIODevice::ReadOnly))
            continue;
        const QByteArray donnees = f.readAll();
        QTextDocument doc;
        QElapsedTimer t;
        t.start();
        Rtf::lis(donnees, &doc);
        pire = std::max(pire, double(t.nsecsElapsed()) / 1e6);
    }
    if (pire > 0)
        r.push_back({"rtf_corpus_max_ms", pire, "ms"});
    return r;
}
