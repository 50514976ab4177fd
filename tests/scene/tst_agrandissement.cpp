// SPDX-License-Identifier: GPL-3.0-or-later
// On a projector every window follows the main window's magnification, and comes back to its
// design exactly when the main window does.

#include "core/module1.h"
#include "fenetres_programme.h"
#include "platform/plateforme_factice.h"
#include "widgets/agrandissement.h"
#include "widgets/projection.h"

#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>

namespace {

double ecartMoyen(const QImage& a, const QImage& b)
{
    qint64 ecart = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            ecart += qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) + qAbs(qBlue(p) - qBlue(q));
        }
    return double(ecart) / (a.width() * a.height());
}

}  // namespace

class TstAgrandissement : public QObject {
    Q_OBJECT

    std::unique_ptr<AvecPlateformeFactice> plateformeTest;

private Q_SLOTS:
    void init()
    {
        Module1::reinitialise();
        plateformeTest = std::make_unique<AvecPlateformeFactice>();
    }
    void cleanup() { plateformeTest.reset(); }

    // Magnified twice: a window drawn at a fixed size shows the same picture twice as large;
    // a menu or a standard dialog has a font twice as large. Back: the design, pixel for pixel.
    void chaqueFenetreSuit_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<bool>("parLaVue");
        for (const char* nom : {"Fichexo", "graphes", "grapheEnergies", "mesures", "Machine", "confimp", "ouvrir",
                                "enregistrer", "aide"})
            QTest::newRow(nom) << QString::fromLatin1(nom) << true;
        QTest::newRow("message") << QStringLiteral("message") << false;
        QTest::newRow("menu de la scène") << QStringLiteral("menu") << false;
    }
    void chaqueFenetreSuit()
    {
        QFETCH(QString, nom);
        QFETCH(bool, parLaVue);
        feuilleP f;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        std::unique_ptr<QWidget> propre;
        QWidget* w = f.menuEchelle;
        if (nom != QLatin1String("menu")) {
            propre = ouvreFenetre(nom, f);
            w = propre.get();
        }
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        if (parLaVue) {
            w->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(w));
        }
        const QSize taille = w->size();
        const QFont police = w->font();
        const QImage avant = w->grab().toImage().convertToFormat(QImage::Format_RGB32);

        f.resize(1600, 1200);
        QCoreApplication::processEvents();
        auto* vue = w->findChild<Projection*>();
        QCOMPARE(vue != nullptr, parLaVue);
        if (parLaVue) {
            QCOMPARE(vue->facteur(), 2.0);
            QCOMPARE(w->size(), taille * 2);
            // Seen at design size again, the magnified window is the design.
            const QImage agrandie = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
            const QImage reduite = agrandie.scaled(taille, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            const double ecart = ecartMoyen(reduite, avant);
            QVERIFY2(ecart < 12.0, qPrintable(QString::number(ecart)));
        } else {
            QCOMPARE(w->font().pointSizeF(), 2 * police.pointSizeF());
        }

        f.resize(800, 600);
        QCoreApplication::processEvents();
        QVERIFY(!w->findChild<Projection*>());
        QCOMPARE(w->font(), police);
        QTRY_COMPARE(w->size(), taille);
        QCOMPARE(w->grab().toImage().convertToFormat(QImage::Format_RGB32), avant);
    }

    // Opened while magnified, a window is magnified at once, within the screen (2600 x 1600).
    void ouverteAgrandie()
    {
        const int largeurQuestion =
            QMessageBox(QMessageBox::Question, QString(), QStringLiteral("Ecraser l'ancien?")).sizeHint().width();
        feuilleP f;
        const double policeMenu = QMenu().font().pointSizeF();
        Agrandissement::instance().changeFacteur(3.0);
        Machine calculatrice(&f);
        const QSize conception = calculatrice.size();
        calculatrice.show();
        QVERIFY(QTest::qWaitForWindowExposed(&calculatrice));
        QCOMPARE(calculatrice.size(), (conception * 3).boundedTo(QSize(2600, 1600)));
        mesures tableau(f.entreesMesures(), &f);
        tableau.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tableau));
        QCOMPARE(tableau.size(), QSize(2340, 1600));
        QCOMPARE(tableau.findChild<Projection*>()->facteur(), 3.0);
        QMenu nouveau;
        nouveau.ensurePolished();
        QCOMPARE(nouveau.font().pointSizeF(), 3 * policeMenu);
        QMessageBox question(QMessageBox::Question, QStringLiteral("Exercice"), QStringLiteral("Ecraser l'ancien?"),
                             QMessageBox::Yes | QMessageBox::No);
        question.show();
        QVERIFY(question.width() > 2 * largeurQuestion);
        // The keyboard reaches the dialog through the view: Return, its default button.
        tableau.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&tableau));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!tableau.isVisible());
        tableau.show();
        Agrandissement::instance().changeFacteur(1.0);
        QCOMPARE(tableau.size(), QSize(780, 580));
        QCOMPARE(nouveau.font().pointSizeF(), policeMenu);
    }
};

int main(int argc, char** argv)
{
    // A screen large enough for every window magnified twice.
    QTemporaryDir dossier;
    const QString ecran = dossier.filePath(QStringLiteral("ecran.json"));
    QFile fichier(ecran);
    if (!fichier.open(QIODevice::WriteOnly))
        return 1;
    fichier.write(R"({"screens": [{"name": "projecteur", "x": 0, "y": 0, "width": 2600, "height": 1600,
                  "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    fichier.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + ecran.toUtf8());
    QApplication app(argc, argv);
    TstAgrandissement test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_agrandissement.moc"
