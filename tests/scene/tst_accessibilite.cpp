// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader finds in every window, the calculator's options from the keyboard, and
// Qt's own texts in French.

#include "calc/machine.h"
#include "config/enregistrer.h"
#include "config/ouvrir.h"
#include "core/module1.h"
#include "exercises/fichexo.h"
#include "graphs/graphes.h"
#include "outils/accessibilite.h"
#include "platform/plateforme_factice.h"
#include "platform/traductions.h"
#include "print/confimp.h"
#include "scene/feuillep.h"
#include "widgets/picturebox.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

class TstAccessibilite : public QObject {
    Q_OBJECT

    std::unique_ptr<AvecPlateformeFactice> plateformeTest;

private Q_SLOTS:
    void init()
    {
        Module1::reinitialise();
        plateformeTest = std::make_unique<AvecPlateformeFactice>();
    }
    void cleanup() { plateformeTest.reset(); }

    // No control the keyboard reaches is nameless, in any window.
    void balayageDesFenetres_data()
    {
        QTest::addColumn<QString>("fenetre");
        QTest::newRow("feuilleP") << "feuilleP";
        QTest::newRow("feuilleP, panneaux cachés") << "feuilleP cachés";
        QTest::newRow("graphes") << "graphes";
        QTest::newRow("Machine") << "Machine";
        QTest::newRow("ouvrir") << "ouvrir";
        QTest::newRow("enregistrer") << "enregistrer";
        QTest::newRow("confimp") << "confimp";
        QTest::newRow("Fichexo") << "Fichexo";
        QTest::newRow("mesures") << "mesures";
    }
    void balayageDesFenetres()
    {
        QFETCH(QString, fenetre);
        feuilleP f;
        std::unique_ptr<QWidget> autre;
        QWidget* balayee = &f;
        if (fenetre == QLatin1String("feuilleP cachés")) {
            f.Label6_Click();
            f.Label7_Click();
        } else if (fenetre == QLatin1String("graphes")) {
            autre = std::make_unique<graphes>(EntreesGraphes{f.Combo2->currentText(), QRect(0, 0, 800, 600), Module1::g,
                                                             Module1::vx, Module1::vy, f.Text1->text(), f.Text2->text()},
                                              &f);
            balayee = autre.get();
        } else if (fenetre == QLatin1String("Machine")) {
            autre = std::make_unique<Machine>(&f);
            balayee = autre.get();
        } else if (fenetre == QLatin1String("ouvrir")) {
            autre = std::make_unique<ouvrir>(f);
            balayee = autre.get();
        } else if (fenetre == QLatin1String("enregistrer")) {
            autre = std::make_unique<enregistrer>(f);
            balayee = autre.get();
        } else if (fenetre == QLatin1String("confimp")) {
            autre = std::make_unique<confimp>(f.Picture2, &f.sauvetage, &f);
            balayee = autre.get();
        } else if (fenetre == QLatin1String("Fichexo")) {
            auto exercices = std::make_unique<Fichexo>(&f);
            exercices->Form_Load();  // the catalogue on the delivered exercises
            exercices->Form_Activate();  // the first one selected and previewed
            QVERIFY(!exercices->titratexo->text().isEmpty());
            autre = std::move(exercices);
            balayee = autre.get();
        } else if (fenetre == QLatin1String("mesures")) {
            autre = std::make_unique<mesures>(f.entreesMesures(), &f);
            balayee = autre.get();
        }
        balayee->show();
        QVERIFY(QTest::qWaitForWindowExposed(balayee));
        const QStringList manquants = outils::controlesSansNom(balayee);
        QVERIFY2(manquants.isEmpty(), qPrintable(manquants.join(QStringLiteral(", "))));
    }

    void nomsParticuliers()
    {
        feuilleP f;
        QCOMPARE(outils::nomAccessible(f.Text1), QStringLiteral("Position initiale x0 en mètres"));
        // On Linux Qt reads a list by its current entry and takes its name from a label; the
        // name is for the other systems.
        QCOMPARE(f.Combo1->accessibleName(), QStringLiteral("Lieu"));
        QCOMPARE(outils::nomAccessible(f.Combo1).isEmpty(), false);
        QCOMPARE(outils::nomAccessible(f.command15), QStringLiteral("Lancer"));
        QCOMPARE(outils::nomAccessible(f.command12), QStringLiteral("Chronophotographie"));
        QCOMPARE(outils::nomAccessible(f.Picture2), QStringLiteral("Scène: position du projectile x = 0,0 m, y = 0,0 m"));
        // The scene's name follows the labels during the flight.
        f.command15_Click();
        for (int i = 0; i < 10; ++i)
            f.Timer1_Timer();
        QCOMPARE(outils::nomAccessible(f.Picture2),
                 QStringLiteral("Scène: position du projectile ") + f.Label1->text() + QStringLiteral(", ") +
                     f.Label4->text());
        QVERIFY(f.Label4->text() != QStringLiteral("y = 0,0 m"));

        graphes g(EntreesGraphes{QStringLiteral("ballon"), QRect(0, 0, 800, 600), 9.8f, 1.22f, 13.95f,
                                 QStringLiteral("0,0"), QStringLiteral("0,0")});
        QCOMPARE(outils::nomAccessible(g.Command1), QStringLiteral("Copier le graphe x(t)"));
        QCOMPARE(outils::nomAccessible(g.Command7), QStringLiteral("Imprimer le graphe y(x)"));
        Machine m;
        QCOMPARE(outils::nomAccessible(m.multip), QStringLiteral("multiplier"));
    }

    // Tab from the display reaches each option group; the arrows change the choice.
    void optionsDeLaCalculatrice()
    {
        Machine m;
        m.show();
        QVERIFY(QTest::qWaitForWindowActive(&m));
        m.z1->setFocus();
        QTest::keyClicks(m.z1, QStringLiteral("2*3"));
        QTest::keyClick(m.z1, Qt::Key_Return);
        QCOMPARE(m.z1->text(), QStringLiteral("6"));
        QTest::keyClick(m.z1, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), m.angle[1]);
        QTest::keyClick(m.angle[1], Qt::Key_Left);
        QVERIFY(m.angle[0]->isChecked());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), m.C[1]);
        QTest::keyClick(m.C[1], Qt::Key_Left);
        QVERIFY(m.C[0]->isChecked());
        QCOMPARE(m.z1->text(), QStringLiteral("6E+00"));  // the last answer shown again, scientific
        // Keys typed on an option still reach the calculator.
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("1+1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(m.z1->text(), QStringLiteral("2E+00"));
    }

    // Qt's own texts in French: the context menu of a field.
    void menuDUnChampEnFrancais()
    {
        QVERIFY(installeTraductionsQt(*qApp));
        QLineEdit champ(QStringLiteral("12,5"));
        std::unique_ptr<QMenu> menu(champ.createStandardContextMenu());
        QStringList textes;
        for (QAction* a : menu->actions())
            if (!a->isSeparator())
                textes << a->text().remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0);
        QVERIFY2(textes.contains(QStringLiteral("Coller")), qPrintable(textes.join(QStringLiteral(", "))));
        QVERIFY(textes.contains(QStringLiteral("Tout sélectionner")));
    }
};

QTEST_MAIN(TstAccessibilite)
#include "tst_accessibilite.moc"
