// SPDX-License-Identifier: GPL-3.0-or-later
// Output of the scene and the help: copy (flatten, clipboard, restore), print of one and of
// ten copies to PDF, and the opening of the help and course viewers (all pages read).

#include "bench.h"

#include "platform/navigateur_aide.h"
#include "platform/plateforme_factice.h"
#include "print/miseenpage.h"
#include "scene/feuillep.h"
#include "widgets/picturebox.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPrinter>
#include <QTemporaryDir>

BALTOR_BENCH(sortie)
{
    AvecPlateformeFactice faux;
    feuilleP f;
    std::vector<double> copies;
    for (int i = 0; i < 50; ++i) {
        QElapsedTimer chrono;
        chrono.start();
        f.Command4_Click();
        copies.push_back(chrono.nsecsElapsed() / 1.0e6);
    }
    QTemporaryDir dossier;
    auto imprime = [&](int exemplaires) {
        std::vector<double> durees;
        for (int i = 0; i < 5; ++i) {
            QPrinter imprimante(QPrinter::HighResolution);
            imprimante.setOutputFormat(QPrinter::PdfFormat);
            imprimante.setOutputFileName(dossier.filePath(QStringLiteral("b%1.pdf").arg(i)));
            QElapsedTimer chrono;
            chrono.start();
            impression::imprimeExemplaires(imprimante, f.Picture2->Image(), {}, exemplaires, QString());
            durees.push_back(chrono.nsecsElapsed() / 1.0e6);
        }
        return mediane(durees);
    };
    auto ouvre = [](const QString& document) {
        std::vector<double> durees;
        for (int i = 0; i < 10; ++i) {
            QElapsedTimer chrono;
            chrono.start();
            NavigateurAide n(QDir(QCoreApplication::applicationDirPath()).filePath(document));
            durees.push_back(chrono.nsecsElapsed() / 1.0e6);
        }
        return mediane(durees);
    };
    return {
        {QStringLiteral("sortie.copie.mediane"), mediane(copies), QStringLiteral("ms")},
        {QStringLiteral("sortie.impression_pdf_1.mediane"), imprime(1), QStringLiteral("ms")},
        {QStringLiteral("sortie.impression_pdf_10.mediane"), imprime(10), QStringLiteral("ms")},
        {QStringLiteral("sortie.ouverture_aide.mediane"), ouvre(QStringLiteral("aide/index.html")), QStringLiteral("ms")},
        {QStringLiteral("sortie.ouverture_cours.mediane"), ouvre(QStringLiteral("cours/index.html")), QStringLiteral("ms")},
    };
}
