// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphs/graphes.h"

#include "graphs/energiesgraphes.h"

#include "platform/plateforme_factice.h"
#include "widgets/picturebox.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <cmath>

namespace {

EntreesGraphes lancer(float g, double v0, double angle, const QString& x0 = QStringLiteral("0,0"),
                      const QString& y0 = QStringLiteral("0,0"))
{
    const double a = angle * M_PI / 180.0;
    return EntreesGraphes{QStringLiteral("ballon ( m = 450 g )"), QRect(40, 30, 800, 600), g,
                          float(v0 * std::cos(a)), float(v0 * std::sin(a)), x0, y0};
}

EntreesGraphes parDefaut()
{
    return lancer(9.8f, 14, 85);
}

EntreesGraphes horizontalSurMars()
{
    return lancer(3.71f, 5, 0, QStringLiteral("0,0"), QStringLiteral("10,0"));
}

EntreesGraphes vertical()
{
    return EntreesGraphes{QStringLiteral("pomme"), QRect(0, 0, 800, 600), 9.8f, 0.0f, 54.2f,
                          QStringLiteral("0"), QStringLiteral("0")};
}

PictureBox* boite(graphes& f, int numero)
{
    return numero == 1 ? f.Picture1 : numero == 2 ? f.Picture2 : f.Picture3;
}

// Drawing units of a picture box to pixels of its image.
QPoint enPixels(const PictureBox* b, double x, double y)
{
    return QPoint(int(x * b->width() / graphes::largeurUnites), int(y * b->height() / graphes::hauteurUnites));
}

bool estGrille(QRgb c)
{
    return c == couleurConsole(7).rgb() || c == couleurConsole(1).rgb();
}

// Grid lines (light grey or blue axis) crossed along a row or a column of the image.
int lignesCroisees(const QImage& image, QPoint debut, QPoint fin)
{
    const QPoint pas = QPoint(fin.x() > debut.x() ? 1 : 0, fin.y() > debut.y() ? 1 : 0);
    int lignes = 0;
    bool dedans = false;
    for (QPoint p = debut; p != fin + pas; p += pas) {
        const bool grille = estGrille(image.pixel(p));
        if (grille && !dedans)
            ++lignes;
        dedans = grille;
    }
    return lignes;
}

int pixelsDeCouleur(const QImage& image, const QColor& couleur)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == couleur.rgb())
                ++n;
    return n;
}

// Leftmost and rightmost columns holding dark text pixels between two heights (units).
QPair<int, int> etendueTexte(const PictureBox* b, double haut, double bas)
{
    const QImage image = b->Image();
    const int y0 = enPixels(b, 0, haut).y();
    const int y1 = std::min(image.height() - 1, enPixels(b, 0, bas).y());
    int gauche = image.width();
    int droite = -1;
    for (int y = y0; y <= y1; ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 100 && qBlue(image.pixel(x, y)) < 100) {
                gauche = std::min(gauche, x);
                droite = std::max(droite, x);
            }
    return {gauche, droite};
}

int imagesDansPdf(const QString& chemin)
{
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    return int(f.readAll().count("/Subtype /Image"));
}

}  // namespace

Q_DECLARE_METATYPE(EntreesGraphes)

class TstGraphes : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void refus_data()
    {
        QTest::addColumn<EntreesGraphes>("entrees");
        QTest::addColumn<bool>("refuse");
        QTest::newRow("au sol, angle nul") << lancer(9.8f, 14, 0) << true;
        QTest::newRow("bien trop loin") << lancer(9.8f, 14, 85, QStringLiteral("3E6")) << true;
        QTest::newRow("défaut") << parDefaut() << false;
        QTest::newRow("horizontal depuis 10 m") << horizontalSurMars() << false;
    }
    void refus()
    {
        QFETCH(EntreesGraphes, entrees);
        QFETCH(bool, refuse);
        AvecPlateformeFactice f;
        graphes fenetre(entrees);
        QCOMPARE(fenetre.grapheImpossible, qint16(refuse ? 1 : 0));
        if (!refuse) {
            QVERIFY(f.factice.messages.isEmpty());
            return;
        }
        QCOMPARE(f.factice.messages.size(), 1);
        const MessageEnregistre m = f.factice.messages.first();
        QCOMPARE(m.titre, QStringLiteral("Procédure non disponible"));
        QCOMPARE(m.texte, QStringLiteral("Représentation graphique impossible.\r\nRevoir les paramètres"));
        QCOMPARE(m.style, 16);
        // Neither activation nor a modal run can show it.
        fenetre.Form_Activate();
        fenetre.show();
        QVERIFY(!fenetre.isVisible());
        QCOMPARE(fenetre.exec(), int(QDialog::Rejected));
        QVERIFY(!fenetre.isVisible());
    }

    void afficheRefuseRendLaMain()
    {
        AvecPlateformeFactice f;
        graphes::affiche(lancer(9.8f, 14, 0), nullptr);
        // Returning at all shows that no modal loop was started for a hidden window.
        QCOMPARE(f.factice.messages.size(), 1);
    }

    void afficheEstModal()
    {
        AvecPlateformeFactice f;
        bool modal = false;
        QString legende;
        QTimer::singleShot(0, [&] {
            auto* w = qobject_cast<graphes*>(QApplication::activeModalWidget());
            if (!w)
                return;
            modal = w->isModal() && w->isVisible();
            legende = w->windowTitle();
            w->Command9_Click();
        });
        graphes::affiche(parDefaut(), nullptr);
        QVERIFY(modal);
        QCOMPARE(legende, QStringLiteral("ballon ( m = 450 g )"));
    }

    void fenetre()
    {
        AvecPlateformeFactice f;
        graphes g(parDefaut());
        QCOMPARE(g.windowTitle(), QStringLiteral("ballon ( m = 450 g )"));
        QCOMPARE(g.geometry(), QRect(40, 30, 800, 600));
        // The three graphs side by side fit the 800-pixel window, each larger than 235 pixels.
        g.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g));
        int droite = 0;
        for (int i = 1; i <= 3; ++i) {
            PictureBox* b = g.findChild<PictureBox*>(QStringLiteral("Picture%1").arg(i));
            QVERIFY(b);
            QVERIFY(b->width() > 235);
            const QRect r(b->mapTo(&g, QPoint(0, 0)), b->size());
            QVERIFY(r.left() >= droite);
            QVERIFY(r.bottom() < 600);
            droite = r.right();
        }
        QVERIFY(droite < 800);
        g.Command9_Click();
        QVERIFY(!g.isVisible());
    }

    void grille_data()
    {
        QTest::addColumn<EntreesGraphes>("entrees");
        QTest::addColumn<int>("graphe");
        QTest::addColumn<double>("ligne");     // row scanned for the vertical lines (units)
        QTest::addColumn<double>("colonne");   // column scanned for the horizontal lines (units)
        QTest::addColumn<int>("verticales");
        QTest::addColumn<int>("horizontales");
        QTest::newRow("défaut x(t)") << parDefaut() << 1 << 45.0 << 40.0 << 6 << 6;
        QTest::newRow("défaut y(t)") << parDefaut() << 2 << 35.0 << 40.0 << 6 << 11;
        QTest::newRow("vertical y(t), 20 divisions") << vertical() << 2 << 40.0 << 205.0 << 21 << 21;
        QTest::newRow("Mars y(x)") << horizontalSurMars() << 3 << 55.0 << 205.0 << 21 << 11;
        QTest::newRow("Mars x(t)") << horizontalSurMars() << 1 << 30.0 << 205.0 << 6 << 21;
    }
    void grille()
    {
        QFETCH(EntreesGraphes, entrees);
        QFETCH(int, graphe);
        QFETCH(double, ligne);
        QFETCH(double, colonne);
        QFETCH(int, verticales);
        QFETCH(int, horizontales);
        AvecPlateformeFactice f;
        graphes g(entrees);
        const PictureBox* b = boite(g, graphe);
        const QImage image = b->Image();
        QCOMPARE(lignesCroisees(image, enPixels(b, 0, ligne), enPixels(b, 222, ligne)), verticales);
        QCOMPARE(lignesCroisees(image, enPixels(b, colonne, 20), enPixels(b, colonne, 228)), horizontales);
    }

    void courbes_data()
    {
        QTest::addColumn<EntreesGraphes>("entrees");
        QTest::newRow("défaut") << parDefaut();
        QTest::newRow("Mars") << horizontalSurMars();
    }
    void courbes()
    {
        QFETCH(EntreesGraphes, entrees);
        AvecPlateformeFactice f;
        graphes g(entrees);
        const QList<QVector<QPointF>> points{g.vol().courbeXT(), g.vol().courbeYT(), g.vol().courbeYX()};
        const QList<QColor> couleurs{couleurConsole(9), couleurConsole(12), couleurConsole(13)};
        for (int i = 0; i < 3; ++i) {
            const PictureBox* b = boite(g, i + 1);
            const QImage image = b->Image();
            QVERIFY(pixelsDeCouleur(image, couleurs[i]) > 100);
            for (int j = 0; j < 3; ++j)
                if (j != i)
                    QCOMPARE(pixelsDeCouleur(image, couleurs[j]), 0);
            // Mid-flight and landing points lie on the curve (the curve is drawn over the axes).
            for (const QPointF& p : {points[i][100], points[i].last()}) {
                const QPoint c = enPixels(b, p.x(), p.y());
                bool trouve = false;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx)
                        if (image.valid(c + QPoint(dx, dy)) && image.pixel(c + QPoint(dx, dy)) == couleurs[i].rgb())
                            trouve = true;
                QVERIFY2(trouve, qPrintable(QStringLiteral("graphe %1 en (%2, %3)").arg(i + 1).arg(p.x()).arg(p.y())));
            }
        }
    }

    void x0VirguleOuPoint_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<double>("x0");
        QTest::newRow("virgule") << "2,5" << 2.5;
        QTest::newRow("point") << "2.5" << 2.5;
        QTest::newRow("négatif") << "-0,39" << double(-0.39f);
        QTest::newRow("illisible") << "abc" << 0.0;
    }
    void x0VirguleOuPoint()
    {
        QFETCH(QString, texte);
        QFETCH(double, x0);
        AvecPlateformeFactice f;
        graphes g(lancer(9.8f, 14, 85, texte));
        QCOMPARE(g.vol().echantillons.first().x, x0);
    }

    void etiquettes()
    {
        AvecPlateformeFactice f;
        graphes court(parDefaut());               // x: 1 division of 1,0 m
        graphes long_(lancer(1.62f, 100, 45));    // x: 1 division of 1000,0 m
        for (graphes* g : {&court, &long_}) {
            for (int i = 1; i <= 3; ++i) {
                const PictureBox* b = boite(*g, i);
                // The horizontal label ends at 235, the right edge of the drawing area.
                const auto [gauche, droite] = etendueTexte(b, 229, graphes::hauteurUnites);
                QVERIFY2(droite >= enPixels(b, 232, 0).x() && droite <= enPixels(b, 235, 0).x(),
                         qPrintable(QString::number(droite)));
                // and starts where the whole text, name included, just fits before it.
                const QString texte = i == 3 ? QStringLiteral("x") + g->vol().echelleX.texteDivision(QStringLiteral("m"))
                                             : QStringLiteral("t") + g->vol().echelleT.texteDivision(QStringLiteral("s"));
                const int debut = enPixels(b, graphes::largeurUnites - b->TextWidth(texte), 0).x();
                QVERIFY2(gauche >= debut && gauche - debut <= 3, qPrintable(QStringLiteral("%1 / %2").arg(gauche).arg(debut)));
                // The vertical label starts at 30, at the top.
                const auto [gaucheV, droiteV] = etendueTexte(b, 2, 16);
                QVERIFY(std::abs(gaucheV - enPixels(b, 30, 0).x()) <= 3);
                QVERIFY(droiteV > enPixels(b, 120, 0).x());
            }
        }
        // A longer number moves the start of the label to the left.
        QVERIFY(etendueTexte(long_.Picture3, 229, 248).first < etendueTexte(court.Picture3, 229, 248).first);
    }

    void copie_data()
    {
        QTest::addColumn<int>("graphe");
        QTest::newRow("Command1") << 1;
        QTest::newRow("Command2") << 2;
        QTest::newRow("Command3") << 3;
    }
    void copie()
    {
        QFETCH(int, graphe);
        AvecPlateformeFactice f;
        graphes g(parDefaut());
        g.findChild<QPushButton*>(QStringLiteral("Command%1").arg(graphe))->click();
        QCOMPARE(f.factice.pressePapiers.size(), 1);
        QCOMPARE(f.factice.pressePapiers.first(), boite(g, graphe)->Image());
        for (int i = 1; i <= 3; ++i)
            if (i != graphe)
                QVERIFY(f.factice.pressePapiers.first() != boite(g, i)->Image());
    }

    void impression_data()
    {
        QTest::addColumn<QString>("commande");
        QTest::addColumn<int>("images");
        QTest::newRow("Command5") << "Command5" << 1;
        QTest::newRow("Command6") << "Command6" << 1;
        QTest::newRow("Command7") << "Command7" << 1;
        QTest::newRow("Command8") << "Command8" << 3;
    }
    void impression()
    {
        QFETCH(QString, commande);
        QFETCH(int, images);
        AvecPlateformeFactice f;
        QTemporaryDir dossier;
        f.factice.sortiePdf = dossier.filePath(QStringLiteral("graphes.pdf"));
        graphes g(parDefaut());
        g.findChild<QPushButton*>(commande)->click();
        QCOMPARE(f.factice.imprimantesDemandees, 1);
        QVERIFY(QFileInfo(f.factice.sortiePdf).size() > 0);
        QCOMPARE(imagesDansPdf(f.factice.sortiePdf), images);
        QVERIFY(f.factice.messages.isEmpty());
    }

    void impressionAnnulee_data()
    {
        QTest::addColumn<QString>("commande");
        QTest::newRow("Command5") << "Command5";
        QTest::newRow("Command8") << "Command8";
    }
    void impressionAnnulee()
    {
        QFETCH(QString, commande);
        AvecPlateformeFactice f;
        QTemporaryDir dossier;
        f.factice.sortiePdf = dossier.filePath(QStringLiteral("graphes.pdf"));
        f.factice.imprimanteAnnulee = true;
        graphes g(parDefaut());
        g.findChild<QPushButton*>(commande)->click();
        QCOMPARE(f.factice.imprimantesDemandees, 1);
        QVERIFY(!QFile::exists(f.factice.sortiePdf));
        QVERIFY(f.factice.messages.isEmpty());
    }

    // A printer that cannot start says so instead of pretending the page went out.
    void imprimanteEnPanne()
    {
        AvecPlateformeFactice f;
        QTemporaryDir dossier;
        f.factice.sortiePdf = dossier.filePath(QStringLiteral("absent/graphes.pdf"));
        graphes g(parDefaut());
        g.Command8_Click();
        QCOMPARE(f.factice.messages.size(), 1);
        QCOMPARE(f.factice.messages.first().titre, QStringLiteral("Imprimer les trois graphes"));
        QCOMPARE(f.factice.messages.first().style, 48);
    }

    // The velocity and energy graphs: refused without a flight or a readable mass, else drawn
    // with the mass, the ground as the origin of Epp, and copies of what is shown.
    void vitessesEtEnergies_data()
    {
        QTest::addColumn<QString>("projectile");
        QTest::addColumn<float>("vy");
        QTest::addColumn<QString>("message");  // empty: the window opens
        QTest::newRow("ballon") << "ballon ( m = 450 g )" << 13.9f << "";
        QTest::newRow("rocher") << "rocher ( m = 1830 kg )" << 13.9f << "";
        QTest::newRow("masse illisible") << "caillou" << 13.9f << "La masse du projectile ne peut pas être lue dans « caillou »";
        QTest::newRow("pas de vol") << "pomme ( m = 180 g )" << -1.0f << "Représentation graphique impossible.";
    }
    void vitessesEtEnergies()
    {
        QFETCH(QString, projectile);
        QFETCH(float, vy);
        QFETCH(QString, message);
        AvecPlateformeFactice f;
        EntreesEnergies e{projectile, QRect(0, 0, 800, 600), {0.0f, 0.0f, 1.2f, vy, 9.8f, 150.0, true},
                          {QStringLiteral("Terre"), projectile, "0,0", "0,0", "14,0", "85,0"}};
        grapheEnergies fenetre(e);
        QCOMPARE(fenetre.refuse, !message.isEmpty());
        if (fenetre.refuse) {
            QCOMPARE(f.factice.messages.size(), 1);
            QVERIFY2(f.factice.messages.first().texte.startsWith(message), qPrintable(f.factice.messages.first().texte));
            return;
        }
        QVERIFY(f.factice.messages.isEmpty());
        QVERIFY(fenetre.note->text().contains(QStringLiteral("à partir du sol (y = 0)")));
        QVERIFY(fenetre.note->text().contains(QStringLiteral("0,7 de chaque composante")));
        QCOMPARE(fenetre.energies->graphe().courbes.size(), 3);
        QVERIFY(fenetre.vitesses->graphe().symetrique);  // vy changes sign
        fenetre.copierEnergies_Click();
        QCOMPARE(f.factice.pressePapiers.size(), 1);
        QCOMPARE(f.factice.pressePapiers.first(), fenetre.energies->image());
        QTemporaryDir dossier;
        f.factice.sortiePdf = dossier.filePath(QStringLiteral("page.pdf"));
        fenetre.imprimerPage_Click();
        QVERIFY(f.factice.messages.isEmpty());
        QVERIFY(QFile(f.factice.sortiePdf).size() > 1000);
    }
};

QTEST_MAIN(TstGraphes)
#include "tst_graphes.moc"
