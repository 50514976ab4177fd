// SPDX-License-Identifier: GPL-3.0-or-later
// The main window from the keyboard, and the sequences of actions that once went wrong: a
// field left by Tab, by another window or by its own menu; the interval read by a running
// recording; pasted text; a drag that starts on the sky.

#include "core/module1.h"
#include "platform/plateforme_factice.h"
#include "scene/aides.h"
#include "scene/feuillep.h"
#include "widgets/imagecontrol.h"
#include "widgets/picturebox.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

class TstClavier : public QObject {
    Q_OBJECT

    std::unique_ptr<AvecPlateformeFactice> plateformeTest;

    static QString focus()
    {
        QWidget* w = QApplication::focusWidget();
        return w ? w->objectName() : QString();
    }
    static void touche(Qt::Key k, Qt::KeyboardModifiers m = {})
    {
        QTest::keyClick(QApplication::focusWidget(), k, m);
    }
    static void montre(feuilleP& f)
    {
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        f.Picture2->setFocus();
    }

private Q_SLOTS:
    void init()
    {
        Module1::reinitialise();
        plateformeTest = std::make_unique<AvecPlateformeFactice>();
    }
    void cleanup() { plateformeTest.reset(); }

    // From start-up, Tab alone reaches every field in reading order, and what is typed in
    // each is validated on the way.
    void chaineDeTabulation()
    {
        feuilleP f;
        montre(f);
        const QStringList attendu = {
            "Label6", "Combo2", "Combo1", "Text1", "Text2", "Text3", "Text4", "Label7", "Check1", "Check2",
            "command15", "command16", "command18", "speed", "Check4", "command12", "chrono", "Image4",
            "fich", "supertext", "btexo", "Command2", "Command11", "Command13", "Command14", "Command8",
            "Command10", "Command4", "Command9", "Command7", "Command1", "Picture2", "Label6",
        };
        const QHash<QString, QString> tapes = {{"Text1", "2"}, {"Text2", "3.5"}, {"Text3", "20"}, {"Text4", "45"}};
        QStringList vus;
        for (qsizetype i = 0; i < attendu.size(); ++i) {
            if (const QString t = tapes.value(focus()); !t.isEmpty())
                QTest::keyClicks(QApplication::focusWidget(), t);
            touche(Qt::Key_Tab);
            vus << focus();
        }
        QCOMPARE(vus, attendu);
        QCOMPARE(f.Text1->text(), QStringLiteral("2,0"));
        QCOMPARE(f.Text2->text(), QStringLiteral("3,5"));
        QCOMPARE(f.Text3->text(), QStringLiteral("20,0"));
        QCOMPARE(f.Text4->text(), QStringLiteral("45,0"));
        QCOMPARE(f.projectile->left(), 86.0);

        // And back with Shift+Tab.
        f.Text3->setFocus(Qt::TabFocusReason);
        touche(Qt::Key_Backtab);
        QCOMPARE(focus(), QStringLiteral("Text2"));
    }

    // Reached with Tab the scene shows that it holds the focus; given it by the program, not.
    void marqueDeFocusDeLaScene()
    {
        feuilleP f;
        montre(f);
        const QImage sans = f.Picture2->grab().toImage();
        f.Command1->setFocus(Qt::TabFocusReason);
        QCOMPARE(f.Picture2->grab().toImage(), sans);
        touche(Qt::Key_Tab);
        QCOMPARE(focus(), QStringLiteral("Picture2"));
        QVERIFY(f.Picture2->grab().toImage() != sans);
    }

    // Where the focus goes when a field is left, and whether the field was validated.
    void quitterUnChamp_data()
    {
        QTest::addColumn<QString>("facon");
        QTest::addColumn<QString>("focusApres");
        QTest::addColumn<QString>("texteApres");
        QTest::addColumn<bool>("volEnCours");
        QTest::newRow("Tab") << "tab" << "Text4" << "50,0" << false;
        QTest::newRow("Maj+Tab") << "backtab" << "Text2" << "50,0" << false;
        QTest::newRow("clic sur un autre champ") << "clic" << "Text1" << "50,0" << false;
        QTest::newRow("Entrée") << "entree" << "Picture2" << "50,0" << false;
        QTest::newRow("autre application") << "fenetre" << "Text3" << "50" << true;
        QTest::newRow("menu du champ") << "menu" << "Text3" << "50" << true;
    }
    void quitterUnChamp()
    {
        QFETCH(QString, facon);
        QFETCH(QString, focusApres);
        QFETCH(QString, texteApres);
        QFETCH(bool, volEnCours);
        feuilleP f;
        montre(f);
        f.command15_Click();
        f.Text3->setFocus(Qt::MouseFocusReason);
        f.Text3->selectAll();
        QTest::keyClicks(f.Text3, QStringLiteral("50"));
        if (facon == QLatin1String("tab")) {
            touche(Qt::Key_Tab);
        } else if (facon == QLatin1String("backtab")) {
            touche(Qt::Key_Backtab);
        } else if (facon == QLatin1String("clic")) {
            QTest::mouseClick(f.Text1, Qt::LeftButton);
        } else if (facon == QLatin1String("entree")) {
            touche(Qt::Key_Return);
        } else if (facon == QLatin1String("fenetre")) {
            QWidget autre;
            autre.setObjectName(QStringLiteral("autre"));
            autre.show();
            autre.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&autre));
            QCOMPARE(f.Text3->text(), QStringLiteral("50"));
            autre.close();
            f.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&f));
        } else {
            QMenu menu;
            menu.addAction(QStringLiteral("Coller"));
            menu.popup(f.Text3->mapToGlobal(QPoint(4, 4)));
            QVERIFY(QTest::qWaitForWindowExposed(&menu));
            menu.close();
        }
        QTRY_COMPARE(focus(), focusApres);
        QCOMPARE(f.Text3->text(), texteApres);
        QCOMPARE(f.Timer1->isActive(), volEnCours);
    }

    // A running recording keeps the interval last validated while the pupil edits the field.
    void intervalleValidePendantLEnregistrement()
    {
        feuilleP f;
        montre(f);
        f.command12_Click();
        QVERIFY(f.Timer1->isActive());
        f.chrono->setFocus(Qt::MouseFocusReason);
        f.chrono->selectAll();
        QTest::keyClick(f.chrono, Qt::Key_Backspace);  // empty field
        for (int i = 0; i < 10; ++i)
            f.Timer1_Timer();
        QVERIFY(Module1::t > 0.3f);  // photographs at 0, 0,15 and 0,30: the date goes on
        QTest::keyClicks(f.chrono, QStringLiteral("5"));
        for (int i = 0; i < 10; ++i)
            f.Timer1_Timer();
        QVERIFY(Module1::t >= 0.6f);  // not slowed down by the "5" being typed
        touche(Qt::Key_Tab);
        QCOMPARE(f.chrono->text(), QStringLiteral("10"));
        for (int i = 0; i < 10; ++i)
            f.Timer1_Timer();
        const float avant = Module1::t;
        for (int i = 0; i < 5; ++i)
            f.Timer1_Timer();
        // Every tick now stops on a photograph 10 ms on.
        QVERIFY(qAbs(Module1::t - avant - 0.05f) < 1e-4f);
    }

    // Pasted text passes the field's key filter character by character.
    void collerPasseLeFiltre_data()
    {
        QTest::addColumn<QString>("champ");
        QTest::addColumn<QString>("presse");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("v0 sans signe ni lettre") << "Text3" << "-abc5" << "5";
        QTest::newRow("x0 point devient virgule") << "Text1" << "-1.5 m" << "-1,5";
        QTest::newRow("y0 sans signe") << "Text2" << "-3,25" << "3,25";
        QTest::newRow("angle avec retour à la ligne") << "Text4" << "45\n" << "45";
        QTest::newRow("intervalle chiffres seuls") << "chrono" << "1 200,5" << "12005";
    }
    void collerPasseLeFiltre()
    {
        QFETCH(QString, champ);
        QFETCH(QString, presse);
        QFETCH(QString, attendu);
        feuilleP f;
        montre(f);
        auto* c = f.findChild<QLineEdit*>(champ);
        c->setFocus(Qt::MouseFocusReason);
        c->selectAll();
        QTest::keyClick(c, Qt::Key_Backspace);
        QApplication::clipboard()->setText(presse);
        QTest::keySequence(c, QKeySequence::Paste);
        QCOMPARE(c->text(), attendu);
        c->clear();
        c->paste();  // the context menu's "Coller"
        QCOMPARE(c->text(), attendu);
        QCOMPARE(c->cursorPosition(), int(attendu.size()));
    }

    // A text the program sets is not filtered: validation decides what it becomes.
    void texteDuProgrammeNonFiltre()
    {
        feuilleP f;
        f.Text2->setText(QStringLiteral("-3"));
        QCOMPARE(f.Text2->text(), QStringLiteral("-3"));
        f.Text2_LostFocus();
        QCOMPARE(f.Text2->text(), QStringLiteral("0,0"));
    }

    // A press on the sky then a sweep over the projectile does not pick it up.
    void glisserDepuisLeCiel()
    {
        feuilleP f;
        montre(f);
        const QPoint projectile(30, 436);
        QTest::mousePress(f.Picture2, Qt::LeftButton, {}, QPoint(200, 200));
        QTest::mouseMove(f.Picture2, projectile);
        QTest::mouseMove(f.Picture2, QPoint(120, 300));
        QTest::mouseRelease(f.Picture2, Qt::LeftButton, {}, QPoint(120, 300));
        QCOMPARE(f.projectile->left(), 14.0);
        QCOMPARE(f.projectile->top(), 420.0);
        QCOMPARE(f.Text1->text(), QStringLiteral("0,0"));
        QCOMPARE(f.enPrise, qint16(0));
        // A press on the projectile itself still drags it.
        QTest::mousePress(f.Picture2, Qt::LeftButton, {}, projectile);
        QTest::mouseMove(f.Picture2, projectile + QPoint(36, 0));
        QTest::mouseRelease(f.Picture2, Qt::LeftButton, {}, projectile + QPoint(36, 0));
        QCOMPARE(f.Text1->text(), QStringLiteral("1,0"));
    }

    // The help line follows the keyboard focus.
    void aideSuitLeFocus_data()
    {
        QTest::addColumn<QString>("depuis");
        QTest::addColumn<QString>("aide");
        QTest::newRow("champ du panneau") << "Combo1" << "Picture3";
        QTest::newRow("bouton de lancement") << "Check2" << "command15";
        QTest::newRow("intervalle") << "command12" << "chrono";
        QTest::newRow("commande") << "supertext" << "btexo";
        QTest::newRow("option") << "Label7" << "Check1";
    }
    void aideSuitLeFocus()
    {
        QFETCH(QString, depuis);
        QFETCH(QString, aide);
        feuilleP f;
        montre(f);
        f.info->setText(aides::parDefaut());
        f.findChild<QWidget*>(depuis)->setFocus(Qt::MouseFocusReason);
        QCOMPARE(f.info->text(), aides::parDefaut());  // the mouse has its own help line
        touche(Qt::Key_Tab);
        QCOMPARE(f.info->text(), aides::texte(aide));
    }

    void aideDeLaCamera()
    {
        feuilleP f;
        montre(f);
        f.Image4->setFocus(Qt::MouseFocusReason);
        touche(Qt::Key_Backtab);
        touche(Qt::Key_Backtab);
        QCOMPARE(focus(), QStringLiteral("command12"));
        QCOMPARE(f.info->text(), QStringLiteral("Appuyer sur la caméra pour commencer l'enregistrement."));
        touche(Qt::Key_Space);
        QCOMPARE(f.chronoActif, qint16(1));
        QCOMPARE(f.info->text(), QStringLiteral("Appuyer sur le bouton pour arrêter l'enregistrement en cours."));
        QCOMPARE(f.command12->accessibleName(), QStringLiteral("Arrêter la chronophotographie"));
        f.command12_Click();
        QCOMPARE(f.info->text(), QStringLiteral("Appuyer sur la caméra pour commencer l'enregistrement."));
    }

    // A panel's title bar hides it from the keyboard; its button is in the chain only then.
    void panneauxAuClavier()
    {
        feuilleP f;
        montre(f);
        QVERIFY(!f.Image1->isVisible());
        f.Label6->setFocus(Qt::TabFocusReason);
        touche(Qt::Key_Space);
        QVERIFY(!f.Picture3->isVisible());
        QCOMPARE(focus(), QStringLiteral("Image1"));
        touche(Qt::Key_Tab);
        QCOMPARE(focus(), QStringLiteral("Label7"));
        touche(Qt::Key_Return);
        QCOMPARE(focus(), QStringLiteral("Image3"));
        touche(Qt::Key_Backtab);
        QCOMPARE(focus(), QStringLiteral("Image1"));
        touche(Qt::Key_Space);
        QVERIFY(f.Picture3->isVisible());
        QVERIFY(!f.Image1->isVisible());
        QCOMPARE(focus(), QStringLiteral("Label6"));
    }

    // The focused picture button looks different from the others.
    void marqueDeFocus_data()
    {
        QTest::addColumn<QString>("bouton");
        for (const char* b : {"command15", "command16", "command18", "command12", "Image4", "btexo"})
            QTest::newRow(b) << b;
    }
    void marqueDeFocus()
    {
        QFETCH(QString, bouton);
        feuilleP f;
        montre(f);
        auto* b = f.findChild<QWidget*>(bouton);
        const QImage sans = b->grab().toImage();
        b->setFocus(Qt::TabFocusReason);
        QVERIFY(b->hasFocus());
        QVERIFY(b->grab().toImage() != sans);
    }

    // "Exercices" has an access key no other command of the window uses.
    void toucheDAccesDesExercices()
    {
        feuilleP f;
        montre(f);
        auto lettre = [](const QString& texte) {
            const qsizetype i = texte.indexOf(QLatin1Char('&'));
            return i >= 0 && i + 1 < texte.size() ? texte[i + 1].toLower() : QChar();
        };
        const QChar x = lettre(f.btexo->text());
        QVERIFY(!x.isNull());
        for (QAbstractButton* b : f.findChildren<QAbstractButton*>())
            if (b != f.btexo)
                QVERIFY2(lettre(b->text()) != x, qPrintable(b->objectName()));
        bool ouvert = false;
        connect(f.btexo, &QToolButton::clicked, this, [&] { ouvert = true; });
        f.Text3->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(&f, x.toLatin1(), Qt::AltModifier);
        QTRY_VERIFY(ouvert);
    }
};

QTEST_MAIN(TstClavier)
#include "tst_clavier.moc"
