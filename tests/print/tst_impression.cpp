// SPDX-License-Identifier: GPL-3.0-or-later
// Printing and copying the scene from the main window, through the recording platform.

#include "lecturepdf.h"

#include "core/module1.h"
#include "platform/plateforme_factice.h"
#include "print/confimp.h"
#include "scene/feuillep.h"
#include "widgets/imagecontrol.h"
#include "widgets/picturebox.h"

#include <QApplication>
#include <QCheckBox>
#include <QEnterEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

// Runs an action on the print window once it is shown modally.
void surConfimp(QObject* contexte, std::function<void(confimp&)> action)
{
    QTimer::singleShot(0, contexte, [action] {
        auto* c = qobject_cast<confimp*>(QApplication::activeModalWidget());
        QVERIFY(c);
        action(*c);
        if (c->isVisible())
            c->reject();  // never leave the test blocked
    });
}

// The printable area of the printers the recorder hands out.
QSizeF pageFactice()
{
    QPrinter p(QPrinter::HighResolution);
    p.setOutputFormat(QPrinter::PdfFormat);
    return QSizeF(p.width(), p.height());
}

bool proche(double a, double b)
{
    return qAbs(a - b) < 1.0;
}

}  // namespace

class TstImpression : public QObject {
    Q_OBJECT

    std::unique_ptr<AvecPlateformeFactice> plateformeTest;
    PlateformeFactice& rec() { return plateformeTest->factice; }

private Q_SLOTS:
    void init()
    {
        Module1::reinitialise();
        plateformeTest = std::make_unique<AvecPlateformeFactice>();
    }
    void cleanup() { plateformeTest.reset(); }

    void fenetreAuChargement()
    {
        feuilleP f;
        f.move(100, 80);
        QImage sauvetage;
        confimp c(f.Picture2, &sauvetage, &f);
        QCOMPARE(c.windowTitle(), QStringLiteral("Imprimer"));
        QCOMPARE(c.y(), f.frameGeometry().y() + 20);
        QVERIFY(c.Chec[0]->isChecked() && !c.Chec[1]->isChecked() && !c.Chec[3]->isChecked());
        QCOMPARE(c.Chec[3]->text(), QStringLiteral("Imprimer l'image en miniature"));
        QCOMPARE(c.Label4->text(), QStringLiteral("1"));
        QCOMPARE(c.UpDown1->minimum(), 1);
        QCOMPARE(c.UpDown1->maximum(), 99);
        c.UpDown1->setValue(12);
        QCOMPARE(c.Label4->text(), QStringLiteral("12"));
        c.UpDown1->setValue(150);
        QCOMPARE(c.Label4->text(), QStringLiteral("99"));
        QVERIFY(c.defaut->text().startsWith(QStringLiteral("Fichier PDF : ")));
        QVERIFY(c.Frame2->isHidden());
        QCOMPARE(c.Label1->text(), QStringLiteral("Veuillez patienter quelques instants..."));
    }

    // The printer's name is read whole: in the field when a smaller type lets it fit, in the
    // tooltip always.
    void nomDeLImprimante_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<bool>("tient");
        QTest::newRow("court") << QStringLiteral("PDF") << true;
        QTest::newRow("aucune imprimante") << confimp::nomImprimante(nullptr) << true;
        QTest::newRow("fichier à nommer") << QStringLiteral("Fichier PDF (nom demandé à l'impression)") << true;
        QTest::newRow("très long") << QStringLiteral("Imprimante laser couleur de la salle de physique 2B, "
                                                     "bâtiment Sud, deuxième étage") << false;
    }
    void nomDeLImprimante()
    {
        QFETCH(QString, nom);
        QFETCH(bool, tient);
        feuilleP f;
        QImage sauvetage;
        confimp c(f.Picture2, &sauvetage, &f);
        c.montreImprimante(nom);
        QCOMPARE(c.defaut->text(), nom);
        QCOMPARE(c.defaut->toolTip(), nom);
        QCOMPARE(QFontMetrics(c.defaut->font()).horizontalAdvance(nom) <= c.defaut->contentsRect().width() - 8, tient);
    }

    // Pages of the PDF job: one per copy, the image where the options put it.
    void pagesImprimees_data()
    {
        QTest::addColumn<bool>("centreH");
        QTest::addColumn<bool>("centreV");
        QTest::addColumn<bool>("miniature");
        QTest::addColumn<int>("copies");
        QTest::newRow("options par défaut") << true << false << false << 1;
        QTest::newRow("centrée dans les deux sens") << true << true << false << 1;
        QTest::newRow("miniature") << true << false << true << 1;
        QTest::newRow("deux exemplaires, un seul travail") << false << false << false << 2;
    }
    void pagesImprimees()
    {
        QFETCH(bool, centreH);
        QFETCH(bool, centreV);
        QFETCH(bool, miniature);
        QFETCH(int, copies);
        feuilleP f;
        f.Check1->setChecked(true);
        f.Check1_Click();
        const QImage avant = f.Picture2->Image();
        surConfimp(this, [&](confimp& c) {
            c.Chec[0]->setChecked(centreH);
            c.Chec[1]->setChecked(centreV);
            c.Chec[3]->setChecked(miniature);
            c.UpDown1->setValue(copies);
            c.Command1_Click();
        });
        f.Command10_Click();

        QCOMPARE(rec().pdfsImprimes.size(), 1);  // one job
        const QList<PagePdf> pages = lisPdf(rec().pdfsImprimes.first());
        QCOMPARE(pages.size(), copies);
        const QSizeF page = pageFactice();
        const double echelle = miniature ? 1.0 : 1200.0 / 96.0;
        const double w = f.Picture2->width() * echelle, h = f.Picture2->height() * echelle;
        for (const PagePdf& p : pages) {
            QCOMPARE(p.images.size(), 1);
            const QRectF r = p.images.first();
            QVERIFY2(proche(r.width(), w) && proche(r.height(), h), qPrintable(QString::number(r.width())));
            QVERIFY(proche(r.x(), centreH ? (page.width() - w) / 2 : page.width() / 10));
            QVERIFY(proche(r.y(), centreV ? (page.height() - h) / 2 : page.height() / 20));
        }
        // The scene is back as it was, frame redrawn.
        QCOMPARE(f.Picture2->Image(), avant);
        QVERIFY(f.sauvetage.isNull());
        QVERIFY(rec().messages.isEmpty());
    }

    // While printing, the window shows only its waiting frame (seen when the failure is told).
    void attentePendantImpression()
    {
        feuilleP f;
        rec().imprimanteEnPanne = true;
        bool attente = false;
        surConfimp(this, [&](confimp& c) {
            rec().surMessage = [&](const MessageEnregistre&) {
                attente = c.Frame2->isVisible() && c.Frame1->isHidden() && c.Command1->isHidden() &&
                          c.Command2->isHidden() && c.Command3->isHidden();
            };
            c.Command1_Click();
        });
        f.Command10_Click();
        QVERIFY(attente);
    }

    // Cancel and a failing printer both give the scene back; the flattening never stays.
    void sceneRestauree_data()
    {
        QTest::addColumn<int>("cas");
        QTest::addColumn<bool>("repere");
        QTest::newRow("Annuler, repère affiché") << 0 << true;
        QTest::newRow("Annuler, sans repère") << 0 << false;
        QTest::newRow("imprimante en panne") << 1 << true;
        QTest::newRow("fermeture de la fenêtre") << 2 << true;
    }
    void sceneRestauree()
    {
        QFETCH(int, cas);
        QFETCH(bool, repere);
        feuilleP f;
        f.command15_Click();
        for (int i = 0; i < 20; ++i)
            f.Timer1_Timer();  // projectile in the air, labels written
        f.command16_Click();
        if (repere) {
            f.Check1->setChecked(true);
            f.Check1_Click();
        }
        const QImage avant = f.Picture2->Image();
        const QImage fondAvant = f.Picture2->picture();
        rec().imprimanteEnPanne = cas == 1;
        surConfimp(this, [&](confimp& c) {
            QVERIFY(f.Picture2->Image() != avant);  // flattened while the window is open
            if (cas == 0)
                c.Command3_Click();
            else if (cas == 1)
                c.Command1_Click();
            else
                c.close();
        });
        f.Command10_Click();
        QCOMPARE(f.Picture2->Image(), avant);
        QCOMPARE(f.Picture2->picture(), fondAvant);
        QVERIFY(f.sauvetage.isNull());
        if (cas == 1) {
            QCOMPARE(rec().messages.size(), 1);
            QVERIFY(rec().messages.first().texte.contains(QStringLiteral("rien n'a été imprimé")));
            QCOMPARE(rec().messages.first().titre, QStringLiteral("Imprimer"));
        } else {
            QVERIFY(rec().messages.isEmpty());
            for (const QString& pdf : rec().pdfsImprimes)
                QVERIFY(!QFileInfo::exists(pdf));  // nothing printed
        }
    }

    // No printer installed: the window says so and OK writes a PDF file the user names.
    void sansImprimante()
    {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("scene"));
        rec().aucuneImprimante = true;
        rec().fichiersChoisis = {QString(), chemin};  // first cancelled, then named
        feuilleP f;
        int ok = 0;
        surConfimp(this, [&](confimp& c) {
            QVERIFY(c.defaut->text().startsWith(QStringLiteral("Aucune imprimante installée")));
            c.Command1_Click();
            ok += c.isVisible();  // cancelled name: still open, options shown
            QVERIFY(c.Frame1->isVisible() || !c.isVisible());
            c.UpDown1->setValue(3);
            c.Command1_Click();
        });
        f.Command10_Click();
        QCOMPARE(ok, 1);
        QCOMPARE(rec().dialoguesFichier.size(), 2);
        QCOMPARE(lisPdf(chemin + QStringLiteral(".pdf")).size(), 3);
    }

    void imprimantesConfigure()
    {
        feuilleP f;
        QImage sauvetage;
        confimp c(f.Picture2, &sauvetage, &f);
        c.Command2_Click();
        QCOMPARE(rec().imprimantesDemandees, 1);
        QVERIFY(!c.defaut->text().isEmpty());
        rec().aucuneImprimante = true;
        rec().imprimanteAnnulee = true;
        confimp sans(f.Picture2, &sauvetage, &f);
        sans.Command2_Click();  // cancelled: still no printer
        QVERIFY(!sans.imprimante());
        rec().imprimanteAnnulee = false;
        sans.Command2_Click();  // a printer chosen in the dialog
        QVERIFY(sans.imprimante());
    }

    // The clipboard gets the flattened scene; the scene itself comes back as it was.
    void copie_data()
    {
        QTest::addColumn<bool>("repere");
        QTest::addColumn<bool>("etiquettes");
        QTest::newRow("repère et étiquettes") << true << true;
        QTest::newRow("sans étiquettes") << true << false;
        QTest::newRow("sans repère") << false << true;
    }
    void copie()
    {
        QFETCH(bool, repere);
        QFETCH(bool, etiquettes);
        feuilleP f;
        f.command15_Click();
        for (int i = 0; i < 25; ++i)
            f.Timer1_Timer();
        f.command16_Click();
        if (repere) {
            f.Check1->setChecked(true);
            f.Check1_Click();
        }
        f.Check2->setChecked(etiquettes);
        f.Check2_Click();
        const QImage avant = f.Picture2->Image();
        f.Command4_Click();

        QCOMPARE(rec().pressePapiers.size(), 1);
        const QImage copie = rec().pressePapiers.first();
        QCOMPARE(copie.size(), avant.size());
        // The frame as shown, the projectile and its shadow where they stand.
        QCOMPARE(copie.pixel(200, 436) == qRgb(255, 255, 255), repere);
        QImage attendu = avant.copy();
        QRect zone;
        {
            QPainter peintre(&attendu);
            for (ImageControl* image : {f.projectile, f.ombre}) {
                const QPoint coin(qRound(image->left()), qRound(image->top()));
                peintre.drawImage(coin, image->picture());
                zone |= QRect(coin, image->picture().size());
            }
        }
        QVERIFY(!zone.isEmpty());
        QCOMPARE(copie.copy(zone), attendu.copy(zone));
        QVERIFY(copie.copy(zone) != avant.copy(zone));
        // The date and coordinate labels are printed into the copy only when shown.
        const QRect etiquette(f.Label2->geometry());
        int differents = 0;
        for (int y = etiquette.top(); y <= etiquette.bottom(); ++y)
            for (int x = etiquette.left(); x <= etiquette.right(); ++x)
                differents += copie.pixel(x, y) != avant.pixel(x, y);
        QCOMPARE(differents > 20, etiquettes);

        QCOMPARE(f.Picture2->Image(), avant);
        QVERIFY(f.sauvetage.isNull());
        QCOMPARE(f.info->text(), f.confirmationCopie);
        // Passing over "Co&pier" keeps the confirmation; another control replaces it.
        QEnterEvent entree(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QApplication::sendEvent(f.Command4, &entree);
        QCOMPARE(f.info->text(), f.confirmationCopie);
        QApplication::sendEvent(f.Command10, &entree);
        QCOMPARE(f.info->text(),
                 QStringLiteral("Utiliser la touche imprimer pour configurer l'imprimante et imprimer l'image"));
        QApplication::sendEvent(f.Command4, &entree);
        QCOMPARE(f.info->text(),
                 QStringLiteral("Copier pour placer l'image dans le presse- papiers puis coller depuis Word, Paint..."));
    }
};

QTEST_MAIN(TstImpression)
#include "tst_impression.moc"
