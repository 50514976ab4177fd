// SPDX-License-Identifier: GPL-3.0-or-later
// The scene's context menu, what it draws on the scene, the table window and the saving of
// the scene's image, driven through the main window's handlers.

#include "analyse/dessin.h"
#include "analyse/tableauvol.h"
#include "analyse/mesures.h"
#include "analyse/mesuresscene.h"
#include "core/module1.h"
#include "platform/plateforme_factice.h"
#include "scene/feuillep.h"
#include "widgets/imagecontrol.h"
#include "widgets/picturebox.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

namespace {

int anime(feuilleP& f, int maxTicks = 3000)
{
    int n = 0;
    while (f.Timer1->isActive() && n < maxTicks) {
        f.Timer1_Timer();
        ++n;
    }
    return n;
}

QAction* action(feuilleP& f, const char* nom)
{
    return f.findChild<QAction*>(QString::fromLatin1(nom));
}

void coche(feuilleP& f, const char* nom)
{
    QAction* a = action(f, nom);
    if (!a->isChecked())
        a->trigger();
}

bool proche(QRgb pixel, const QColor& c, int tolerance = 40)
{
    return qAbs(qRed(pixel) - c.red()) + qAbs(qGreen(pixel) - c.green()) + qAbs(qBlue(pixel) - c.blue()) <= tolerance;
}

int pixelsDeCouleur(const QImage& image, const QColor& c)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += proche(image.pixel(x, y), c, 12);
    return n;
}

// The pixel that contains a point.
QRgb pixelA(const QImage& image, QPointF p)
{
    return image.pixel(int(std::floor(p.x())), int(std::floor(p.y())));
}

QByteArray lis(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

EntreesMesures lancerParDefaut(bool ballon)
{
    EntreesMesures e;
    const sim::Vitesse v = sim::voxvoy(14.0f, 85.0f);
    e.conditions = {0.0f, 0.0f, v.vx, v.vy, 9.8f, 150.0};
    e.entete = {QStringLiteral("Lieu : Terre"), QStringLiteral("x0 = 0,0 m")};
    e.rebondit = ballon;
    return e;
}

}  // namespace

class TstMesures : public QObject {
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

    void menu_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<bool>("cochable");
        QTest::newRow("vitesse") << "vecteursVitesse" << "Vecteurs vitesse" << true;
        QTest::newRow("Δv") << "vecteursDeltaV" << "Vecteurs variation de vitesse Δv" << true;
        QTest::newRow("trace") << "traceTrajectoire" << "Tracer la trajectoire" << true;
        QTest::newRow("marques") << "sommetImpact" << "Sommet et point de chute" << true;
        QTest::newRow("tableau") << "tableauMesures" << "Tableau des positions…" << false;
        QTest::newRow("énergies") << "grapheEnergies" << "Graphes des vitesses et des énergies…" << false;
        QTest::newRow("image") << "enregistrerImage" << "Enregistrer l'image sous…" << false;
    }
    void menu()
    {
        QFETCH(QString, nom);
        QFETCH(QString, texte);
        QFETCH(bool, cochable);
        feuilleP f;
        auto* menu = f.findChild<QMenu*>(QStringLiteral("menuScene"));
        QVERIFY(menu);
        auto* a = menu->findChild<QAction*>(nom);
        QVERIFY(a);
        QVERIFY(menu->actions().contains(a));
        QCOMPARE(a->text(), texte);
        QCOMPARE(a->isCheckable(), cochable);
        QVERIFY(!a->isChecked());
    }

    void ouvertureDuMenu_data()
    {
        QTest::addColumn<int>("facon");
        QTest::newRow("clic droit") << 0;
        QTest::newRow("touche Menu") << 1;
        QTest::newRow("Maj+F10") << 2;
    }
    void ouvertureDuMenu()
    {
        QFETCH(int, facon);
        feuilleP f;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        auto* menu = f.findChild<QMenu*>(QStringLiteral("menuScene"));
        f.Picture2->setFocus();
        if (facon == 0) {
            QContextMenuEvent e(QContextMenuEvent::Mouse, QPoint(100, 100), f.Picture2->mapToGlobal(QPoint(100, 100)));
            QApplication::sendEvent(f.Picture2, &e);
        } else if (facon == 1) {
            QTest::keyClick(f.Picture2, Qt::Key_Menu);
        } else {
            QTest::keyClick(f.Picture2, Qt::Key_F10, Qt::ShiftModifier);
        }
        QTRY_VERIFY(menu->isVisible());
        menu->hide();
        // Shift+F10 elsewhere than on the scene does nothing.
        QTest::keyClick(f.Text3, Qt::Key_F10, Qt::ShiftModifier);
        QVERIFY(!menu->isVisible());
    }

    // At the first photograph of the default throw, the velocity arrow starts at the projectile's
    // centre and its tip is 60 pixels away along the velocity.
    void pointeDuVecteurVitesse()
    {
        feuilleP f;
        coche(f, "vecteursVitesse");
        f.command12_Click();
        QVERIFY(f.Timer1->isActive());
        f.Timer1_Timer();
        QCOMPARE(Module1::t, 0.0f);
        const QImage scene = f.Picture2->grab().toImage();
        const QPointF u = QPointF(Module1::vx, -Module1::vy) / std::hypot(Module1::vx, Module1::vy);
        const QPointF centre(30, 436);
        const QColor jaune = analyse::couleurFleche(analyse::TypeFleche::Vitesse);
        QVERIFY(proche(pixelA(scene, centre + u * 55.0), jaune));
        QVERIFY(proche(pixelA(scene, centre + u * 30.0), jaune));
        QVERIFY(!proche(pixelA(scene, centre + u * 68.0), jaune));
        // The labelled scale arrow ("10 m/s", 43 pixels) is in the free top left corner.
        const QImage coin = f.Picture2->Image().copy(90, 6, 50, 30);
        QVERIFY(pixelsDeCouleur(coin, jaune) > 40);
    }

    void deltaVVerticalVersLeBas()
    {
        feuilleP f;
        coche(f, "vecteursDeltaV");
        f.command12_Click();
        while (Module1::t < 0.29f)
            f.Timer1_Timer();
        // Photographs at 0, 0,15 and 0,30 s: Δv drawn at the second one, straight down.
        QCOMPARE(Module1::t, 0.3f);
        const QImage scene = f.Picture2->Image();
        const QPointF m1(30 + 36 * Module1::vx * 0.15, 436 - 36 * (Module1::vy * 0.15 - 4.9 * 0.0225));
        const QColor cyan = analyse::couleurFleche(analyse::TypeFleche::DeltaV);
        QVERIFY(proche(pixelA(scene, m1 + QPointF(0, 30)), cyan));
        QVERIFY(!proche(pixelA(scene, m1 + QPointF(12, 30)), cyan));
        QVERIFY(!proche(pixelA(scene, m1 + QPointF(0, -30)), cyan));
    }

    void effacerRetireLesMesures()
    {
        feuilleP vierge;
        const QImage fond = vierge.Picture2->Image();
        feuilleP f;
        for (const char* nom : {"vecteursVitesse", "vecteursDeltaV", "traceTrajectoire", "sommetImpact"})
            coche(f, nom);
        f.command12_Click();
        anime(f);
        QVERIFY(f.Picture2->Image() != fond);
        QVERIFY(pixelsDeCouleur(f.Picture2->Image(), analyse::couleurFleche(analyse::TypeFleche::Vitesse)) > 100);
        f.Command13->click();
        QCOMPARE(f.Picture2->Image(), fond);
        // The choices stay for the session.
        for (const char* nom : {"vecteursVitesse", "vecteursDeltaV", "traceTrajectoire", "sommetImpact"})
            QVERIFY(action(f, nom)->isChecked());
        // A new throw draws them again.
        f.command12_Click();
        anime(f);
        QVERIFY(pixelsDeCouleur(f.Picture2->Image(), analyse::couleurFleche(analyse::TypeFleche::Vitesse)) > 100);
    }

    void traceDeLaTrajectoire()
    {
        feuilleP f;
        coche(f, "traceTrajectoire");
        const QImage avant = f.Picture2->Image();
        f.command15_Click();
        anime(f);
        const QImage apres = f.Picture2->Image();
        // Each tick's centre, from the launch to the landing, lies on the white line.
        int surLaTrace = 0;
        for (double t = 0.2; t < 2.8; t += 0.2) {
            const double x = 30 + 36 * Module1::vx * t;
            const double y = 436 - 36 * (Module1::vy * t - 4.9 * t * t);
            bool blanc = false;
            for (int dx = -1; dx <= 1; ++dx)
                for (int dy = -1; dy <= 1; ++dy)
                    blanc = blanc || qMin(qMin(qRed(apres.pixel(int(x) + dx, int(y) + dy)), qGreen(apres.pixel(int(x) + dx, int(y) + dy))),
                                          qBlue(apres.pixel(int(x) + dx, int(y) + dy))) >= 215;
            surLaTrace += blanc;
        }
        QVERIFY2(surLaTrace >= 12, qPrintable(QString::number(surLaTrace)));
        // Nothing drawn without the option.
        feuilleP g;
        g.command15_Click();
        anime(g);
        QCOMPARE(g.Picture2->Image(), avant);
    }

    void sommetEtPointDeChute()
    {
        feuilleP f;
        coche(f, "sommetImpact");
        const QImage scene = f.Picture2->Image();
        // The diamonds at the apex (1,73 m; 9,92 m) and at the landing point (3,47 m; 0).
        QVERIFY(proche(scene.pixel(30 + qRound(36 * 1.7317), 436 - qRound(36 * 9.924)), QColor(255, 140, 0)));
        QVERIFY(proche(scene.pixel(30 + qRound(36 * 3.4727), 436), QColor(255, 140, 0)));
    }

    void fenetreDuTableau()
    {
        mesures m(lancerParDefaut(true));
        QCOMPARE(m.objectName(), QStringLiteral("mesures"));
        QCOMPARE(m.windowTitle(), QStringLiteral("Tableau des positions"));
        // The whole flight: past the last photograph before the landing, through the bounces.
        const QAbstractItemModel* modele = m.tableau->model();
        QCOMPARE(modele->columnCount(), 11);
        QCOMPARE(modele->index(1, 1).data().toString(), QStringLiteral("0,150"));
        QCOMPARE(modele->headerData(2, Qt::Horizontal).toString(), QStringLiteral("x (m)"));
        const QModelIndexList chute = modele->match(modele->index(0, 10), Qt::DisplayRole, QStringLiteral("chute"));
        QCOMPARE(chute.size(), 1);
        QCOMPARE(modele->index(chute.first().row(), 1).data().toString(), QStringLiteral("2,846"));
        QCOMPARE(modele->index(chute.first().row(), 2).data().toString(), QStringLiteral("3,47"));
        QCOMPARE(modele->index(modele->rowCount() - 1, 10).data().toString(), QStringLiteral("arrêt"));
        QVERIFY(m.resumeVol->text().contains(QStringLiteral("Hauteur maximale : 9,92 m à t = 1,42 s")));
        QVERIFY(m.note->text().contains(QStringLiteral("chaque impact du ballon")));
        QVERIFY(!mesures(lancerParDefaut(false)).note->text().contains(QStringLiteral("ballon")));
        for (QPushButton* b : {m.copier, m.exporter, m.imprimer, m.fermer})
            QVERIFY(!b->text().isEmpty());
        QCOMPARE(m.exporter->text(), QStringLiteral("Exporter…"));

        m.copier_Click();
        QCOMPARE(rec().textesCopies.size(), 1);
        QVERIFY(rec().textesCopies.first().contains(QStringLiteral("\nn\tt (s)\tx (m)")));
        QCOMPARE(rec().textesCopies.first().count(QLatin1Char('\n')),
                 m.tableauVol().sommaire.size() + modele->rowCount() + 2);

        QTemporaryDir dossier;
        rec().fichiersChoisis = {dossier.filePath(QStringLiteral("lancer"))};
        m.exporter_Click();
        QCOMPARE(lis(dossier.filePath(QStringLiteral("lancer.csv"))), analyse::texteCsvVol(m.tableauVol()));
        QVERIFY(rec().messages.isEmpty());

        m.imprimer_Click();
        QCOMPARE(rec().pdfsImprimes.size(), 1);
        QVERIFY(lis(rec().pdfsImprimes.first()).startsWith("%PDF"));
    }

    void exportQuiEchoue()
    {
        mesures m(lancerParDefaut(false));
        QTemporaryDir dossier;
        // A folder of that name is in the way: nothing can be written there.
        QVERIFY(QDir(dossier.path()).mkdir(QStringLiteral("occupe.csv")));
        rec().fichiersChoisis = {dossier.filePath(QStringLiteral("occupe.csv"))};
        m.exporter_Click();
        QCOMPARE(rec().messages.size(), 1);
        QCOMPARE(rec().messages.first().titre, QStringLiteral("Tableau des positions"));
        QCOMPARE(rec().messages.first().style, StyleMsg::Exclamation);
        QVERIFY(rec().messages.first().texte.contains(QStringLiteral("n'a pas pu être enregistré")));
        QVERIFY(QFileInfo(dossier.filePath(QStringLiteral("occupe.csv"))).isDir());
    }

    void tableauDepuisLeMenu()
    {
        feuilleP f;
        int lignes = -1;
        QTimer::singleShot(0, [&] {
            auto* m = qobject_cast<mesures*>(QApplication::activeModalWidget());
            if (m) {
                lignes = m->tableau->model()->rowCount();
                m->fermer_Click();
            }
        });
        action(f, "tableauMesures")->trigger();
        QCOMPARE(lignes, analyse::tableauVol(f.entreesMesures().conditions, f.entreesMesures().montage).lignes.size());
        QVERIFY(lignes > 19);  // the whole flight, not only up to the last photograph before the landing
    }

    // After a balloon's flight photographed from date 0, the table ends where the scene ended
    // (the photographs move the bounces); run by the start button, or reset, it is the flight
    // without photographs.
    void tableauDuVolPhotographie_data()
    {
        QTest::addColumn<bool>("photographie");
        QTest::addColumn<bool>("remisAZero");
        QTest::newRow("photographié") << true << false;
        QTest::newRow("sans photographies") << false << false;
        QTest::newRow("photographié puis remis à zéro") << true << true;
    }
    void tableauDuVolPhotographie()
    {
        QFETCH(bool, photographie);
        QFETCH(bool, remisAZero);
        feuilleP f;
        if (photographie)
            f.command12_Click();
        else
            f.command15_Click();
        double fin = 0;
        for (int n = 0; f.Timer1->isActive() && n < 3000; ++n) {
            f.Timer1_Timer();
            fin = std::max(fin, double(Module1::t));
        }
        if (remisAZero)
            f.command18_Click();
        const analyse::Conditions c = f.entreesMesures().conditions;
        QCOMPARE(c.enregistre, photographie && !remisAZero);
        const analyse::TableauVol t = analyse::tableauVol(c, f.entreesMesures().montage);
        QCOMPARE(t.lignes.last().genre, analyse::Genre::Arret);
        // The stop is dated by the tick after the last one that moved the balloon, as the scene
        // writes it: 9,23 s photographed, 9,40 s not.
        if (!remisAZero)
            QVERIFY2(qAbs(t.lignes.last().t - (fin + sim::pasNormal)) < 1e-3, qPrintable(QString::number(fin)));
    }

    // Ticked after a flight, a tool draws that flight at once; unticked, it goes.
    void outilsApresLeVol_data()
    {
        QTest::addColumn<QString>("outil");
        QTest::newRow("vecteurs") << "vecteursVitesse";
        QTest::newRow("Δv") << "vecteursDeltaV";
        QTest::newRow("trace") << "traceTrajectoire";
        QTest::newRow("marques") << "sommetImpact";
    }
    void outilsApresLeVol()
    {
        QFETCH(QString, outil);
        feuilleP f;
        f.Combo2->setCurrentIndex(0);  // the apple: one arc
        f.Combo2_Click();
        f.command12_Click();
        anime(f);
        const QImage apresLeVol = f.Picture2->Image();
        // Fields typed since do not change the flight the tools and the table show.
        f.Text3->setText(QStringLiteral("5,0"));
        f.Text3_LostFocus();
        QAction* a = f.findChild<QAction*>(outil);
        a->trigger();
        QVERIFY(a->isChecked());
        const QImage coche = f.Picture2->Image();
        QVERIFY(coche != apresLeVol);
        analyse::Conditions vole = f.entreesMesures().conditions;
        vole.vx = sim::voxvoy(14.0f, 85.0f).vx;
        vole.vy = sim::voxvoy(14.0f, 85.0f).vy;
        QImage attendu(f.Picture2->size(), QImage::Format_ARGB32_Premultiplied);
        attendu.fill(Qt::transparent);
        {
            QPainter p(&attendu);
            p.setRenderHint(QPainter::Antialiasing);
            analyse::dessineMesures(p, vole, {outil == "vecteursVitesse", outil == "vecteursDeltaV",
                                              outil == "traceTrajectoire", outil == "sommetImpact"}, f.Picture2->size());
        }
        // The drawing of the flown throw, not of the fields typed since.
        int dessines = 0;
        int pareils = 0;
        for (int y = 0; y < attendu.height(); ++y)
            for (int x = 0; x < attendu.width(); ++x)
                if (qAlpha(attendu.pixel(x, y)) == 255) {
                    ++dessines;
                    pareils += (coche.pixel(x, y) | 0xFF000000) == attendu.pixel(x, y);
                }
        QVERIFY(pareils > dessines * 9 / 10);
        QVERIFY(dessines > 10);
        a->trigger();
        QCOMPARE(f.Picture2->Image(), apresLeVol);
        QVERIFY(f.Picture2->toolTip().contains(QStringLiteral("Clic droit")));
    }

    // The energies need a mass: every projectile of the list gives one in its caption.
    void massesDesProjectiles()
    {
        feuilleP f;
        QCOMPARE(f.Combo2->count(), 5);
        for (int i = 0; i < f.Combo2->count(); ++i)
            QVERIFY2(sim::masseLegende(f.Combo2->itemText(i)).has_value(), qPrintable(f.Combo2->itemText(i)));
    }

    void enregistrerLImage()
    {
        feuilleP f;
        f.Check1->setChecked(true);
        f.Check1_Click();
        const QImage avant = f.Picture2->Image();
        QTemporaryDir dossier;
        rec().fichiersChoisis = {dossier.filePath(QStringLiteral("scene.png"))};
        action(f, "enregistrerImage")->trigger();
        const QImage image(dossier.filePath(QStringLiteral("scene.png")));
        QCOMPARE(image.size(), f.Picture2->size());
        // The flattened scene: the projectile's picture is in it; the scene is as it was after.
        QCOMPARE(image.pixel(30, 428), f.projectile->picture().pixel(16, 8));
        QCOMPARE(f.Picture2->Image(), avant);
        QVERIFY(rec().messages.isEmpty());

        rec().fichiersChoisis = {dossier.filePath(QStringLiteral("absent/scene.pdf"))};
        action(f, "enregistrerImage")->trigger();
        QCOMPARE(rec().messages.size(), 1);
        QCOMPARE(rec().messages.first().titre, QStringLiteral("Enregistrer l'image sous"));
        QCOMPARE(f.Picture2->Image(), avant);
    }
};

QTEST_MAIN(TstMesures)
#include "tst_mesures.moc"
