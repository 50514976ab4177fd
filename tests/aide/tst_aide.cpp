// SPDX-License-Identifier: GPL-3.0-or-later
// The help and the course: every page reachable from the contents, no broken link or picture,
// search, the commands of the main window and F1.

#include "calc/machine.h"
#include "core/module1.h"
#include "platform/navigateur_aide.h"
#include "platform/plateforme_factice.h"
#include "platform/plateforme_qt.h"
#include "scene/aide_f1.h"
#include "scene/feuillep.h"
#include "widgets/picturebox.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QtTest>

namespace {

QString dossier(const QString& nom)
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(nom);
}

QString lis(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

QStringList pagesSurDisque(const QString& nom)
{
    QStringList resultat;
    const QDir d(dossier(nom));
    for (const QString& f : d.entryList({QStringLiteral("*.html")}, QDir::Files))
        resultat.append(QFileInfo(d.filePath(f)).canonicalFilePath());
    return resultat;
}

}  // namespace

class TstAide : public QObject {
    Q_OBJECT

    std::unique_ptr<AvecPlateformeFactice> plateformeTest;
    PlateformeFactice& rec() { return plateformeTest->factice; }
    static void installeF1()
    {
        static bool installe = false;
        if (!installe) {
            installeAideF1(*QCoreApplication::instance());
            installe = true;
        }
    }

private Q_SLOTS:
    void init()
    {
        Module1::reinitialise();
        plateformeTest = std::make_unique<AvecPlateformeFactice>();
    }
    void cleanup() { plateformeTest.reset(); }

    void documents_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::newRow("aide") << QStringLiteral("aide");
        QTest::newRow("cours") << QStringLiteral("cours");
    }

    // Every page of the folder is in the contents, in the viewer's tree, and opens from it.
    void documents()
    {
        QFETCH(QString, nom);
        const QStringList surDisque = pagesSurDisque(nom);
        QVERIFY(surDisque.size() >= 6);
        NavigateurAide n(dossier(nom + QStringLiteral("/index.html")));
        QStringList atteintes;
        for (const PageAide& p : n.pages()) {
            atteintes.append(p.chemin);
            QVERIFY2(!p.titres.isEmpty() && p.titres.first().niveau == 1, qPrintable(p.chemin));
        }
        QCOMPARE(QSet<QString>(atteintes.begin(), atteintes.end()),
                 QSet<QString>(surDisque.begin(), surDisque.end()));
        QCOMPARE(n.sommaire()->topLevelItemCount(), int(n.pages().size()));
        for (int i = 0; i < n.sommaire()->topLevelItemCount(); ++i) {
            QTreeWidgetItem* element = n.sommaire()->topLevelItem(i);
            n.sommaire()->setCurrentItem(element);
            QCOMPARE(n.pageCourante(), n.pages()[i].chemin);
            QCOMPARE(element->text(0), n.pages()[i].titres.first().texte);
            // A heading of the page brings its block into the cursor.
            if (element->childCount() > 0) {
                n.sommaire()->setCurrentItem(element->child(0));
                QCOMPARE(n.page()->textCursor().block().text().trimmed(), element->child(0)->text(0));
            }
        }
        QVERIFY(n.windowTitle().contains(nom == QStringLiteral("aide") ? QStringLiteral("Aide")
                                                                        : QStringLiteral("Cours")));
    }

    // Links lead to existing pages and anchors; pictures exist, load, and none is left unused.
    void liensEtImages_data() { documents_data(); }
    void liensEtImages()
    {
        QFETCH(QString, nom);
        static const QRegularExpression lien(QStringLiteral("<a\\s[^>]*href=\"([^\"]*)\""));
        static const QRegularExpression image(QStringLiteral("<img\\s[^>]*src=\"([^\"]*)\""));
        QSet<QString> imagesUtilisees;
        for (const QString& page : pagesSurDisque(nom)) {
            const QString html = lis(page);
            const QDir ici = QFileInfo(page).dir();
            QVERIFY2(html.contains(QStringLiteral("<meta charset=\"utf-8\">")), qPrintable(page));
            for (auto it = lien.globalMatch(html); it.hasNext();) {
                const QString cible = it.next().captured(1);
                QVERIFY2(!cible.contains(QStringLiteral("://")), qPrintable(cible));  // readable offline
                const QString fichier = cible.section(QLatin1Char('#'), 0, 0);
                const QString ancre = cible.section(QLatin1Char('#'), 1);
                const QString chemin = fichier.isEmpty() ? page : ici.filePath(fichier);
                QVERIFY2(QFileInfo::exists(chemin), qPrintable(page + QStringLiteral(" -> ") + cible));
                if (!ancre.isEmpty())
                    QVERIFY2(lis(chemin).contains(QStringLiteral("name=\"%1\"").arg(ancre)),
                             qPrintable(page + QStringLiteral(" -> ") + cible));
            }
            for (auto it = image.globalMatch(html); it.hasNext();) {
                const QString cible = ici.filePath(it.next().captured(1));
                QVERIFY2(!QImage(cible).isNull(), qPrintable(page + QStringLiteral(" -> ") + cible));
                imagesUtilisees.insert(QFileInfo(cible).canonicalFilePath());
            }
        }
        const QDir images(dossier(nom + QStringLiteral("/images")));
        for (const QString& f : images.entryList(QDir::Files))
            QVERIFY2(imagesUtilisees.contains(QFileInfo(images.filePath(f)).canonicalFilePath()), qPrintable(f));
    }

    void recherche_data()
    {
        QTest::addColumn<QString>("document");
        QTest::addColumn<QString>("mot");
        QTest::addColumn<QString>("page");  // where the first match is, "" when none
        QTest::newRow("aide: une page plus loin") << QStringLiteral("aide") << QStringLiteral("Centrrer")
                                                  << QStringLiteral("impression.html");
        QTest::newRow("aide: casse indifférente") << QStringLiteral("aide") << QStringLiteral("CALCUL IMPOSSIBLE")
                                                  << QStringLiteral("calculatrice.html");
        QTest::newRow("cours") << QStringLiteral("cours") << QStringLiteral("galiléen")
                               << QStringLiteral("conditions.html");
        QTest::newRow("absent") << QStringLiteral("aide") << QStringLiteral("zygomatique") << QString();
    }
    void recherche()
    {
        QFETCH(QString, document);
        QFETCH(QString, mot);
        QFETCH(QString, page);
        NavigateurAide n(dossier(document + QStringLiteral("/index.html")));
        n.recherche()->setText(mot);
        QCOMPARE(n.cherche(), !page.isEmpty());
        if (page.isEmpty()) {
            QVERIFY(n.findChild<QLabel*>(QStringLiteral("etat"))->text().contains(mot));
            return;
        }
        QCOMPARE(QFileInfo(n.pageCourante()).fileName(), page);
        QCOMPARE(n.page()->textCursor().selectedText().toLower(), mot.toLower());
        // The contents show where the search went.
        QTreeWidgetItem* courant = n.sommaire()->currentItem();
        QVERIFY(courant && !courant->parent());
        QCOMPARE(n.pages()[n.sommaire()->indexOfTopLevelItem(courant)].chemin, n.pageCourante());
        // Searching on goes through every match and comes back round.
        int trouves = 1;
        while (n.cherche() && QFileInfo(n.pageCourante()).fileName() != page && trouves < 50)
            ++trouves;
        QVERIFY(trouves < 50);
    }

    // Enter in the search box does what "Rechercher" does, and nothing more.
    void rechercheAuClavier_data() { recherche_data(); }
    void rechercheAuClavier()
    {
        QFETCH(QString, document);
        QFETCH(QString, mot);
        QFETCH(QString, page);
        NavigateurAide n(dossier(document + QStringLiteral("/index.html")));
        n.show();
        QVERIFY(QTest::qWaitForWindowExposed(&n));
        n.recherche()->setText(mot);  // keyClicks takes ASCII only
        QTest::keyClick(n.recherche(), Qt::Key_Return);
        QCOMPARE(QFileInfo(n.pageCourante()).fileName(), page.isEmpty() ? QStringLiteral("index.html") : page);
        QVERIFY(!n.page()->isForwardAvailable());
        QVERIFY(n.isVisible());
    }

    // The help and the course sit beside the simulator: one window each, not modal, within
    // the screen, on the page asked.
    void fenetresDAide()
    {
        PlateformeQt qt;
        feuilleP f;
        qt.afficheAide(&f, dossier(QStringLiteral("aide/index.html")));
        qt.afficheAide(&f, dossier(QStringLiteral("cours/index.html")));
        qt.afficheAide(f.Text3, dossier(QStringLiteral("aide/graphes.html")));
        const QList<NavigateurAide*> fenetres = f.findChildren<NavigateurAide*>();
        QCOMPARE(fenetres.size(), 2);
        for (NavigateurAide* n : fenetres) {
            QVERIFY(n->isVisible());
            QCOMPARE(n->windowModality(), Qt::NonModal);
            QVERIFY(n->screen()->availableGeometry().size().expandedTo(n->size()) ==
                    n->screen()->availableGeometry().size());
        }
        QStringList pages;
        for (NavigateurAide* n : fenetres)
            pages << QFileInfo(n->pageCourante()).fileName();
        pages.sort();
        QCOMPARE(pages, QStringList({QStringLiteral("graphes.html"), QStringLiteral("index.html")}));
    }

    // Once "Voir le cours" has made the course the document in use, F1 opens the course, at
    // the page about the window in front; a new start goes back to the help.
    void toucheF1ApresLeCours()
    {
        installeF1();
        feuilleP f;
        f.Command9->click();
        QTest::keyClick(f.Text3, Qt::Key_F1);
        QCOMPARE(rec().aides.size(), 2);
        QVERIFY(rec().aides[1].endsWith(QStringLiteral("cours/index.html")));
        QVERIFY(pageAidePour(QStringLiteral("graphes")).endsWith(QStringLiteral("cours/equations.html")));
        feuilleP nouvelle;
        QVERIFY(pageAidePour(QStringLiteral("graphes")).endsWith(QStringLiteral("aide/graphes.html")));
    }

    void documentsDuProgramme_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("aide") << "TUVA.hlp" << "aide/index.html";
        QTest::newRow("casse") << "tuva.HLP" << "aide/index.html";
        QTest::newRow("cours") << "Voirlecours.chm" << "cours/index.html";
        QTest::newRow("autre") << "autre.html" << "autre.html";
    }
    void documentsDuProgramme()
    {
        QFETCH(QString, nom);
        QFETCH(QString, attendu);
        QCOMPARE(documentAide(QStringLiteral("/prog/") + nom), QStringLiteral("/prog/") + attendu);
    }

    // "&Aide" and "&Voir le cours" show their documents; the scene is given back untouched.
    void commandes_data()
    {
        QTest::addColumn<QString>("bouton");
        QTest::addColumn<QString>("document");
        QTest::newRow("Aide") << "Command7" << "aide/index.html";
        QTest::newRow("Voir le cours") << "Command9" << "cours/index.html";
    }
    void commandes()
    {
        QFETCH(QString, bouton);
        QFETCH(QString, document);
        feuilleP f;
        f.Check1->setChecked(true);
        f.Check1_Click();
        const QImage avant = f.Picture2->Image();
        f.findChild<QPushButton*>(bouton)->click();
        QCOMPARE(rec().aides.size(), 1);
        QVERIFY(rec().aides.first().endsWith(document));
        QVERIFY(QFileInfo::exists(rec().aides.first()));
        QCOMPARE(f.Picture2->Image(), avant);
        QVERIFY(f.sauvetage.isNull());
        // The frame is still a drawing: hiding it takes it away.
        f.Check1->setChecked(false);
        f.Check1_Click();
        QVERIFY(f.Picture2->Image() != avant);
    }

    // F1 opens the help at the page about the window in front.
    void toucheF1()
    {
        installeF1();
        feuilleP f;
        QTest::keyClick(f.Text3, Qt::Key_F1);
        Machine m;
        QTest::keyClick(&m, Qt::Key_F1);
        QCOMPARE(rec().aides.size(), 2);
        QVERIFY(rec().aides[0].endsWith(QStringLiteral("aide/fenetre.html")));
        QVERIFY(rec().aides[1].endsWith(QStringLiteral("aide/calculatrice.html")));
        QCOMPARE(f.Text3->text(), QStringLiteral("14,0"));  // the key went nowhere else
    }

    void pagesDesFenetres_data()
    {
        QTest::addColumn<QString>("fenetre");
        for (const char* nom : {"feuilleP", "graphes", "Machine", "confimp", "Fichexo", "ouvrir", "enregistrer",
                                "mesures", "inconnue"})
            QTest::newRow(nom) << QString::fromLatin1(nom);
    }
    void pagesDesFenetres()
    {
        QFETCH(QString, fenetre);
        QVERIFY(QFileInfo::exists(pageAidePour(fenetre)));
    }
};

QTEST_MAIN(TstAide)
#include "tst_aide.moc"
