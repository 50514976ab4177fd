// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/machine.h"

#include "core/module1.h"
#include "platform/plateforme_factice.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {

// Presses keys by name ("B2", "Bcos") or types characters ("#1" types "1", "#\r" Enter).
void joue(Machine& m, const QStringList& touches)
{
    for (const QString& t : touches) {
        if (t.startsWith(QLatin1Char('#'))) {
            for (const QChar c : t.mid(1))
                m.Form_KeyPress(c);
            continue;
        }
        if (auto* r = m.findChild<QRadioButton*>(t)) {
            r->click();
            continue;
        }
        auto* b = m.findChild<QPushButton*>(t);
        QVERIFY2(b, qPrintable(t));
        b->click();
    }
}

}  // namespace

class TstMachine : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { Module1::reinitialise(); }

    void fenetre()
    {
        Machine m;
        QCOMPARE(m.windowTitle(), QString("Machine à calculer"));
        QCOMPARE(m.minimumSize(), m.maximumSize());
        QCOMPARE(m.z1->objectName(), QString("z1"));
        QCOMPARE(m.angle[0]->text(), QString("Radians"));
        QCOMPARE(m.angle[1]->text(), QString("Degrés"));
        QCOMPARE(m.C[0]->text(), QString("Scientifique"));
        QCOMPARE(m.C[1]->text(), QString("Standard"));
        QCOMPARE(m.findChildren<QPushButton*>().size(), 49);
        QCOMPARE(m.Command1->toolTip(), QString("Ajouter à la méoire"));
    }

    void saisie_data()
    {
        QTest::addColumn<QStringList>("touches");
        QTest::addColumn<QString>("texte");
        QTest::newRow("2 puis cos") << QStringList{"B2", "Bcos"} << "2 * cos ";
        QTest::newRow("cos seul") << QStringList{"Bcos"} << "cos ";
        QTest::newRow("après ( pas de *") << QStringList{"Bpo", "bsin"} << "(sin ";
        QTest::newRow("après un signe pas de *") << QStringList{"moins", "Bln"} << "-ln ";
        QTest::newRow("parenthèse après chiffre") << QStringList{"B2", "Bpo"} << "2 * (";
        QTest::newRow("fonction après )") << QStringList{"Bpo", "B1", "bpf", "Btan"} << "(1) * tan ";
        QTest::newRow("10 puissance") << QStringList{"B3", "B10x", "B2"} << "3 * 10 ^ 2";
        QTest::newRow("1/x") << QStringList{"Command5", "B4"} << "1 / 4";
        QTest::newRow("pi") << QStringList{"B2", "pi"} << "2 * 3.14159265358979";
        QTest::newRow("carré") << QStringList{"B7", "btcarre"} << "7 ^ 2";
        QTest::newRow("puissance") << QStringList{"B2", "puissance", "B3"} << "2 ^ 3";
        QTest::newRow("préfixes grands") << QStringList{"B1", "kilo", "plus", "B1", "mega", "plus", "B1", "giga", "plus", "B1", "tera"}
                                         << "1E+3 + 1E+6 + 1E+9 + 1E+12";
        QTest::newRow("préfixes petits") << QStringList{"B1", "mil", "B1", "micro", "B1", "nano", "B1", "pico"}
                                         << "1E-31E-61E-91E-12";
        QTest::newRow("moins après EXP") << QStringList{"B2", "BtoEXP", "moins", "B3"} << "2E-3";
        QTest::newRow("plus après EXP") << QStringList{"B2", "BtoEXP", "plus", "B3"} << "2E+3";
        QTest::newRow("moins en tête") << QStringList{"moins", "B5"} << "-5";
        QTest::newRow("moins après opérateur") << QStringList{"B5", "multip", "moins", "B2"} << "5 * -2";
        QTest::newRow("moins après moins") << QStringList{"B5", "moins", "moins", "moins"} << "5 - - -";
        QTest::newRow("moins après (") << QStringList{"Bpo", "moins"} << "(-";
        QTest::newRow("plus sans affichage") << QStringList{"plus"} << "";
        QTest::newRow("efface un mot") << QStringList{"B2", "Bcos", "EFFACE"} << "2 * ";
        QTest::newRow("efface un opérateur") << QStringList{"B2", "Bcos", "EFFACE", "EFFACE"} << "2";
        QTest::newRow("efface jusqu'à (") << QStringList{"Bpo", "bsin", "EFFACE"} << "(";
        QTest::newRow("efface sur vide") << QStringList{"EFFACE"} << "";
        QTest::newRow("efface un mot en tête") << QStringList{"invsin", "EFFACE"} << "";
        QTest::newRow("AC") << QStringList{"B1", "plus", "B2", "RAZ"} << "";
        QTest::newRow("clavier chiffres et opérateurs") << QStringList{"#12+3*4-5/6^7"} << "12 + 3 * 4 - 5 / 6 ^ 7";
        QTest::newRow("clavier exposants") << QStringList{"#1e3", "#2E4", "#3d5", "#4D6"} << "1E32E43E54E6";
        QTest::newRow("clavier parenthèses") << QStringList{"#2(1)"} << "2 * (1)";
        QTest::newRow("clavier retour arrière") << QStringList{"#12\b"} << "1";
        QTest::newRow("clavier virgule") << QStringList{"#1,5"} << "1.5";
        QTest::newRow("clavier lettres ignorées") << QStringList{"#1xyz!2"} << "12";
    }
    void saisie()
    {
        QFETCH(QStringList, touches);
        QFETCH(QString, texte);
        Machine m;
        joue(m, touches);
        QCOMPARE(m.expression(), texte);
        QCOMPARE(m.z1->text(), texte);
    }

    void evaluation_data()
    {
        QTest::addColumn<QStringList>("touches");
        QTest::addColumn<QString>("affiche");
        QTest::addColumn<QString>("reste");  // expression text left for the user
        QTest::addColumn<int>("bips");
        QTest::newRow("somme") << QStringList{"#1+2", "EXE"} << "3" << "" << 0;
        QTest::newRow("plus continue le résultat") << QStringList{"#2+3", "EXE", "plus", "B4", "EXE"} << "9" << "" << 0;
        QTest::newRow("ANS") << QStringList{"#6*7", "EXE", "B2", "multip", "ANS", "EXE"} << "84" << "" << 0;
        QTest::newRow("sinus en degrés") << QStringList{"bsin", "#30", "EXE"} << "0.5" << "" << 0;
        QTest::newRow("sinus en radians") << QStringList{"angle0", "bsin", "#30", "EXE"} << "-0.988031624092862" << "" << 0;
        QTest::newRow("arcsin de 1") << QStringList{"invsin", "#1", "EXE"} << "90" << "" << 0;
        QTest::newRow("ln d'une parenthèse") << QStringList{"Bln", "#(2+3)*1", "EXE"} << "1.6094379124341" << "" << 0;
        QTest::newRow("scientifique") << QStringList{"C0", "#123.456789", "EXE"} << "1.2345679E+02" << "" << 0;
        QTest::newRow("préfixe") << QStringList{"#3", "kilo", "multip", "#2", "mil", "EXE"} << "6" << "" << 0;
        QTest::newRow("division par zéro") << QStringList{"#1/0", "EXE"} << "Calcul impossible" << "1 / 0" << 1;
        QTest::newRow("arcsin 1,5") << QStringList{"invsin", "#1.5", "EXE"} << "Calcul impossible" << "invSIN 1.5" << 1;
        const QString enorme = QStringLiteral("1") + QString(310, QLatin1Char('0')) + QStringLiteral("E-1");
        QTest::newRow("nombre trop grand") << QStringList{QStringLiteral("#") + enorme, "EXE"} << "Calcul impossible" << enorme << 1;
        QTest::newRow("parenthèses") << QStringList{"#(2+3", "#\r"} << "Erreur saisie: revoir les parenthèses" << "(2 + 3" << 1;
        QTest::newRow("opérateurs") << QStringList{"#2*/3", "EXE"}
                                    << "Erreur saisie: incompréhension sur opérateurs: ^ * / + -" << "2 *  / 3" << 1;
        QTest::newRow("EXE sans rien") << QStringList{"#5", "EXE", "EXE"} << "5" << "" << 0;
    }
    void evaluation()
    {
        QFETCH(QStringList, touches);
        QFETCH(QString, affiche);
        QFETCH(QString, reste);
        QFETCH(int, bips);
        AvecPlateformeFactice f;
        Machine m;
        joue(m, touches);
        QCOMPARE(m.z1->text(), affiche);
        QCOMPARE(m.expression(), reste);
        QCOMPARE(m.derniereReponse(), affiche);
        QCOMPARE(f.factice.beeps, bips);
    }

    void ansApresErreur()
    {
        // A failed evaluation leaves nothing for ANS to copy.
        AvecPlateformeFactice f;
        Machine m;
        joue(m, {"#1/0\r", "RAZ", "ANS"});
        QCOMPARE(m.expression(), QString());
    }

    void memoire()
    {
        Machine m;
        QVERIFY(m.indicateurMemoire->isHidden());
        joue(m, {"#3", "Command1", "Command1", "RAZ", "Command3"});
        QCOMPARE(Module1::memoire, 6.0);
        QCOMPARE(m.expression(), QString("6"));
        QVERIFY(!m.indicateurMemoire->isHidden());
        joue(m, {"Command2"});  // the display shows "6"
        QCOMPARE(Module1::memoire, 0.0);
        joue(m, {"RAZ", "#2.5", "Command1", "C0", "RAZ", "Command3"});
        QCOMPARE(m.expression(), QString("2.5E+00"));
        joue(m, {"Command4"});
        QCOMPARE(Module1::memoire, 0.0);
        // A display without a number adds nothing.
        m.z1->setText(QStringLiteral("Calcul impossible"));
        joue(m, {"Command1"});
        QCOMPARE(Module1::memoire, 0.0);
    }

    void memoireEntreOuvertures()
    {
        {
            Machine m;
            joue(m, {"#4", "Command1"});
        }
        Machine autre;
        joue(autre, {"Command3"});
        QCOMPARE(autre.expression(), QString("4"));
    }

    void changementDAffichage()
    {
        Machine m;
        joue(m, {"#1/8", "EXE"});
        QCOMPARE(m.z1->text(), QString("0.125"));
        m.C[0]->click();
        QCOMPARE(m.z1->text(), QString("1.25E-01"));
        QCOMPARE(m.expression(), QString());
        m.C[1]->click();
        QCOMPARE(m.z1->text(), QString("0.125"));
        // With an expression under way, the display is left alone.
        joue(m, {"#2"});
        m.C[0]->click();
        QCOMPARE(m.z1->text(), QString("2"));
    }

    void clavierReel()
    {
        AvecPlateformeFactice f;
        Machine m;
        m.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m));
        QTest::keyClicks(m.z1, "2^3");
        QTest::keyClick(m.z1, Qt::Key_Return);
        QCOMPARE(m.z1->text(), QString("8"));
        QVERIFY(m.isVisible());  // Enter evaluates, it does not close the window
        QTest::keyClicks(m.z1, "12");
        QTest::keyClick(m.z1, Qt::Key_Backspace);
        QCOMPARE(m.expression(), QString("1"));
        QTest::keyClick(&m, Qt::Key_Enter);
        QCOMPARE(m.z1->text(), QString("1"));
        QCOMPARE(m.z1->cursorPosition(), 1);
    }

    void fond_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<QColor>("couleur");
        QTest::newRow("dégradé à gauche") << QPoint(4, 200) << QColor(198, 248, 248);
        QTest::newRow("demi arrondi au pair") << QPoint(5, 200) << QColor(198, 248, 248);
        QTest::newRow("demi arrondi au pair suivant") << QPoint(7, 200) << QColor(196, 246, 246);
        QTest::newRow("milieu") << QPoint(150, 100) << QColor(125, 175, 175);
        QTest::newRow("bord noir en haut") << QPoint(150, 1) << QColor(0, 0, 0);
        QTest::newRow("bord noir à gauche") << QPoint(1, 200) << QColor(0, 0, 0);
        QTest::newRow("bord blanc à droite") << QPoint(299, 200) << QColor(255, 255, 255);
        QTest::newRow("bord blanc en bas") << QPoint(150, 428) << QColor(255, 255, 255);
        QTest::newRow("cadre cyan") << QPoint(81, 350) << QColor(0, 128, 128);
        QTest::newRow("cadre blanc à droite") << QPoint(206, 350) << QColor(255, 255, 255);
        QTest::newRow("cadre blanc à gauche") << QPoint(82, 350) << QColor(255, 255, 255);
    }
    void fond()
    {
        QFETCH(QPoint, point);
        QFETCH(QColor, couleur);
        QImage image(300, 430, QImage::Format_RGB32);
        image.fill(Qt::magenta);
        {
            QPainter p(&image);
            Machine::dessineFond(p);
        }
        QCOMPARE(image.pixelColor(point), couleur);
    }

    void fondALEcran()
    {
        Machine m;
        const QImage image = m.grab().toImage();
        QCOMPARE(image.size(), m.size());
        // The gradient shows between the keys: its right end is the darkest teal.
        const QColor c = image.pixelColor(image.width() - 3, image.height() / 2);
        QVERIFY(c.red() < 70 && c.green() > c.red() + 30);
    }
};

QTEST_MAIN(TstMachine)
#include "tst_machine.moc"
