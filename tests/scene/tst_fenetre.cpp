// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's editing, chronophotography, help line, panels, welcome text and quit guard.

#include "core/module1.h"
#include "platform/plateforme_factice.h"
#include "scene/accueil.h"
#include "scene/feuillep.h"
#include "widgets/imagecontrol.h"
#include "widgets/picturebox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

class TstFenetre : public QObject {
    Q_OBJECT

    std::unique_ptr<AvecPlateformeFactice> plateformeTest;
    PlateformeFactice& rec() { return plateformeTest->factice; }

    // Types into a field, then leaves it (Tab to the next control).
    static void tape(feuilleP& f, QLineEdit* champ, const QString& texte, bool entree = false)
    {
        champ->setFocus();
        champ->selectAll();
        QTest::keyClick(champ, Qt::Key_Backspace);
        QTest::keyClicks(champ, texte);
        if (entree)
            QTest::keyClick(champ, Qt::Key_Return);
        else
            f.Picture2->setFocus();
    }

private Q_SLOTS:
    void init()
    {
        Module1::reinitialise();
        plateformeTest = std::make_unique<AvecPlateformeFactice>();
    }
    void cleanup() { plateformeTest.reset(); }

    void saisieDesChamps_data()
    {
        QTest::addColumn<QString>("champ");
        QTest::addColumn<QString>("tapees");
        QTest::addColumn<bool>("entree");
        QTest::addColumn<QString>("affiche");
        QTest::newRow("angle 3 -> 0") << "Text4" << "3" << true << "0,0";
        QTest::newRow("angle -200") << "Text4" << "-200" << false << "-180,0";
        QTest::newRow("y0 12,5 -> 11,67") << "Text2" << "12,5" << false << "11,67";
        QTest::newRow("v0 point devient virgule") << "Text3" << "2.5" << true << "2,5";
        QTest::newRow("v0 sans moins") << "Text3" << "-7" << false << "7,0";
        QTest::newRow("y0 sans moins") << "Text2" << "-3" << true << "3,0";
        QTest::newRow("x0 négatif") << "Text1" << "-0.2" << false << "-0,2";
        QTest::newRow("intervalle 5") << "chrono" << "5" << false << "10";
        QTest::newRow("intervalle 9999") << "chrono" << "9999" << true << "5000";
        QTest::newRow("intervalle sans lettre") << "chrono" << "2a0" << false << "20";
    }
    void saisieDesChamps()
    {
        QFETCH(QString, champ);
        QFETCH(QString, tapees);
        QFETCH(bool, entree);
        QFETCH(QString, affiche);
        feuilleP f;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        auto* c = f.findChild<QLineEdit*>(champ);
        QVERIFY(c);
        f.command15_Click();
        tape(f, c, tapees, entree);
        QCOMPARE(c->text(), affiche);
        if (champ != QStringLiteral("chrono")) {
            QVERIFY(!f.Timer1->isActive());  // the animation stops and resets
            QCOMPARE(f.Label2->text(), QStringLiteral("date: t = 0,0 s"));
        }
    }

    void positionSuitLesChamps()
    {
        feuilleP f;
        f.Text1->setText(QStringLiteral("2,5"));
        f.Text1_LostFocus();
        f.Text2->setText(QStringLiteral("12,5"));
        f.Text2_LostFocus();
        QCOMPARE(f.projectile->left(), 104.0);
        QVERIFY(qAbs(f.projectile->top()) < 0.2);  // 11,67 m: the rounded text puts it a hair above
        QCOMPARE(f.ombre->left(), 104.0);
        QCOMPARE(f.Label1->text(), QStringLiteral("x = 2,5 m"));
        QCOMPARE(f.Label4->text(), QStringLiteral("y = 11,67 m"));
        f.Text3->setText(QStringLiteral("10"));
        f.Text4->setText(QStringLiteral("0"));
        f.Text4_LostFocus();
        QCOMPARE(Module1::vx, 10.0f);
        QCOMPARE(Module1::vy, 0.0f);
        QVERIFY(f.Command14->isEnabled());  // thrown from 11,67 m: it can fly
        f.Text2->setText(QStringLiteral("0"));
        f.Text2_LostFocus();
        QVERIFY(!f.Command14->isEnabled() && !f.command15->isEnabled() && !f.command12->isEnabled());
    }

    void glisserLeProjectile()
    {
        feuilleP f;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        const QPoint prise(30, 436);  // the balloon's middle, 16 pixels into the picture
        QTest::mousePress(f.Picture2, Qt::LeftButton, {}, prise);
        QTest::mouseMove(f.Picture2, prise + QPoint(72, -108));
        QTest::mouseRelease(f.Picture2, Qt::LeftButton, {}, prise + QPoint(72, -108));
        QCOMPARE(f.projectile->left(), 86.0);
        QCOMPARE(f.projectile->top(), 312.0);
        QCOMPARE(f.ombre->left(), 86.0);
        QCOMPARE(f.Text1->text(), QStringLiteral("2,0"));
        QCOMPARE(f.Text2->text(), QStringLiteral("3,0"));
        QCOMPARE(f.Label4->text(), QStringLiteral("y = 3,0 m"));

        // Clamped to the scene.
        const QPoint ici(102, 328);
        QTest::mousePress(f.Picture2, Qt::LeftButton, {}, ici);
        QTest::mouseMove(f.Picture2, QPoint(405, 2));
        QTest::mouseRelease(f.Picture2, Qt::LeftButton, {}, QPoint(405, 2));
        QCOMPARE(f.projectile->left(), 375.0);
        QCOMPARE(f.projectile->top(), 0.0);
        QCOMPARE(f.Text1->text(), QStringLiteral("10,03"));
        QCOMPARE(f.Text2->text(), QStringLiteral("11,67"));

        // Refused while the animation runs.
        f.command15_Click();
        QVERIFY(f.Timer1->isActive());
        const double gauche = f.projectile->left();
        const QPoint centre(int(gauche) + 16, int(f.projectile->top()) + 16);
        QTest::mousePress(f.Picture2, Qt::LeftButton, {}, centre);
        QTest::mouseMove(f.Picture2, centre + QPoint(-100, 100));
        QTest::mouseRelease(f.Picture2, Qt::LeftButton, {}, centre + QPoint(-100, 100));
        QCOMPARE(f.projectile->left(), gauche);
        QCOMPARE(f.projectile->cursor().shape(), Qt::ArrowCursor);
        QVERIFY(f.Timer1->isActive());
    }

    void glisserArreteLeRebond()
    {
        feuilleP f;
        Module1::t = 2.0f;
        Module1::rebondActif = 2;
        f.projectile_MouseMove(Qt::LeftButton, {}, 16, 16);
        QCOMPARE(Module1::t, 0.0f);
        QCOMPARE(Module1::rebondActif, qint16(0));
        QCOMPARE(f.enPrise, qint16(1));
        f.projectile_MouseMove(Qt::NoButton, {}, 16, 16);
        QCOMPARE(f.enPrise, qint16(0));
    }

    void chronophotographie()
    {
        feuilleP f;
        f.Check1->setChecked(true);
        f.Check1_Click();
        f.command12_Click();
        QCOMPARE(f.chronoActif, qint16(1));
        QVERIFY(f.Timer1->isActive());
        QVERIFY(!f.Check1->isChecked() && !f.Check1->isEnabled());
        QCOMPARE(f.command12->toolTip(), QStringLiteral("Arrêter la chronophotographie"));
        QCOMPARE(f.command12->icon().pixmap(16).toImage(), QIcon(f.Image6->pixmap()).pixmap(16).toImage());
        QEvent entree(QEvent::Enter);
        QApplication::sendEvent(f.command12, &entree);
        QCOMPARE(f.info->text(), QStringLiteral("Appuyer sur le bouton pour arrêter l'enregistrement en cours."));

        // The start button switches the recording off.
        f.command15_Click();
        QCOMPARE(f.chronoActif, qint16(0));
        QCOMPARE(f.command12->toolTip(), QStringLiteral("Chronophotographie"));
        QApplication::sendEvent(f.command12, &entree);
        QCOMPARE(f.info->text(), QStringLiteral("Appuyer sur la caméra pour commencer l'enregistrement."));
        QVERIFY(f.Check1->isEnabled());
    }

    void chronoSansMouvement()
    {
        feuilleP f;
        f.Text3->setText(QStringLiteral("0"));
        f.Text3_LostFocus();
        f.command12_Click();
        QCOMPARE(f.chronoActif, qint16(1));
        QVERIFY(!f.Timer1->isActive());
        f.command12_Click();
        QCOMPARE(f.chronoActif, qint16(0));
        QVERIFY(f.Check1->isEnabled() && !f.Check1->isChecked());
    }

    void chronophotographieDuTirParDefaut()
    {
        feuilleP f;
        const QImage avant = f.Picture2->Image();
        f.command12_Click();
        int ticks = 0;
        while (f.Timer1->isActive() && ticks < 1000) {
            f.Timer1_Timer();
            ++ticks;
        }
        QCOMPARE(f.chronoActif, qint16(0));
        QCOMPARE(f.command12->toolTip(), QStringLiteral("Chronophotographie"));
        // Photographs along the way up: the picture appears around (x, y) = (0,18 m, 2,0 m) at 0,15 s.
        const QImage apres = f.Picture2->Image();
        int changes = 0;
        for (int y = 0; y < 440; ++y)
            for (int x = 0; x < 120; ++x)
                changes += apres.pixel(x, y) != avant.pixel(x, y) ? 1 : 0;
        QVERIFY(changes > 1000);
        f.Command13->click();  // "&Effacer"
        QCOMPARE(f.Picture2->Image(), avant);
    }

    void lignesDAide_data()
    {
        QTest::addColumn<QString>("controle");
        QTest::addColumn<QString>("texte");
        QTest::newRow("Fermer") << "Command1" << "Pour retrouver le module principal et quitter cette application: bouton Fermer";
        QTest::newRow("Graphes") << "Command14" << "Pour obtenir les graphes x(t), y(t) et y(x), appuyer sur le bouton « Graphes »";
        QTest::newRow("Copier") << "Command4" << "Copier pour placer l'image dans le presse- papiers puis coller depuis Word, Paint...";
        QTest::newRow("Effacer") << "Command13" << "Pour effacer les chronophotographies de l'image actuelle: bouton « Nouveau »";
        QTest::newRow("grille") << "Check3" << "Les options d'affichage s'appliquent également à l'image copiée ou imprimée.";
        QTest::newRow("intervalle") << "Label5" << "Vous pouvez régler l'intervalle de temps pour la chronophotographie.";
        QTest::newRow("ralenti") << "speed" << "Vous pouvez activer ou arrêter l'animation ou retrouver la position initiale.";
        QTest::newRow("scène") << "Picture2" << "Vous pouvez déplacer le projectile directement sur l'image pour modifier la position initiale";
        QTest::newRow("panneau") << "Picture3" << "Vous pouvez modifier tous les paramètres de la simulation: lieu, position et vitesse initiale.";
        QTest::newRow("Image3") << "Image3" << "Afficher le repère, la grille, les coordonnées... Options";
        QTest::newRow("exercices") << "btexo" << "Ouvrir un énoncé, enregistrer le texte, obtenir la correction, imprimer ou fermer.";
    }
    void lignesDAide()
    {
        QFETCH(QString, controle);
        QFETCH(QString, texte);
        feuilleP f;
        QWidget* w = f.findChild<QWidget*>(controle);
        QVERIFY(w);
        QEvent entree(QEvent::Enter);
        QApplication::sendEvent(w, &entree);
        QCOMPARE(f.info->text(), texte);
        QMouseEvent bouge(QEvent::MouseMove, QPointF(2, 2), QPointF(2, 2), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&f, &bouge);
        QCOMPARE(f.info->text(), QStringLiteral("Vous pouvez modifier les paramètres,\r\nouvrir une configuration ou un exercice"));
    }

    void legendesDuPanneau()
    {
        feuilleP f;
        const QImage panneau = f.Picture3->Image();
        const QRgb fond = panneau.pixel(2, 2);
        auto bordDroit = [&](int haut, int bas) {
            int droite = -1;
            for (int y = haut; y <= bas; ++y)
                for (int x = 100; x < 156; ++x)
                    if (panneau.pixel(x, y) != fond && qGray(panneau.pixel(x, y)) < 160)
                        droite = qMax(droite, x);
            return droite;
        };
        // The text fields start at 156; the angle caption ends on the line x = 152 (its last glyph a
        // pixel or two before). The quantity captions are measured with the blanks that reserve the
        // subscript's room and printed with fewer, so they end up to two blanks short of it.
        const int angle = bordDroit(130, 142);
        QVERIFY2(angle >= 149 && angle <= 152, qPrintable(QString::number(angle)));
        for (int ligne : {58, 82, 106}) {
            const int d = bordDroit(ligne, ligne + 12);
            QVERIFY2(d >= 142 && d <= 152, qPrintable(QStringLiteral("ligne %1: %2").arg(ligne).arg(d)));
        }
        // Section titles in dark blue, to the left on the x0 and v0 lines.
        bool bleu = false;
        for (int x = 10; x < 60; ++x)
            for (int y = 58; y < 70; ++y) {
                const QColor c = panneau.pixelColor(x, y);
                bleu = bleu || (c.blue() > 100 && c.red() < 90 && c.green() < 90);
            }
        QVERIFY(bleu);
    }

    void texteDAccueil()
    {
        feuilleP f;
        QTextDocument* doc = f.supertext->document();
        const QTextBlock titre = doc->firstBlock();
        QCOMPARE(titre.text(), QStringLiteral("Baltor"));
        QCOMPARE(titre.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        const QTextCharFormat ft = titre.begin().fragment().charFormat();
        QCOMPARE(ft.fontPointSize(), 18.0);
        QCOMPARE(ft.foreground().color(), QColor(0, 0, 200));
        QCOMPARE(ft.fontFamilies().toStringList().value(0), QStringLiteral("Arial"));

        const QString texte = doc->toPlainText();
        auto formatDe = [&](const QString& mot) {
            QTextCursor c(doc);
            c.setPosition(int(texte.indexOf(mot)) + 1);
            return c.charFormat();
        };
        for (const char* bleu : {"déplacer le projectile", "la souris", "Tous les paramètres", "Exercices.", "Prise en main"}) {
            const QTextCharFormat cf = formatDe(QString::fromUtf8(bleu));
            QCOMPARE(cf.foreground().color(), QColor(0, 0, 200));
            QCOMPARE(cf.fontPointSize(), 10.0);
        }
        const QTextCharFormat noir = formatDe(QStringLiteral("Cette application"));
        QCOMPARE(noir.foreground().color(), QColor(0, 0, 0));
        QVERIFY(!noir.font().bold() && !noir.font().italic() && !noir.font().underline());
        QTextCursor c(doc);
        c.setPosition(int(texte.indexOf(QStringLiteral("Cette"))));
        QCOMPARE(c.blockFormat().leftMargin(), 20.0);
        QCOMPARE(f.supertext->textCursor().position(), 0);

        // Shown again: exactly the same text, never appended twice.
        Module1::texteAccueil(*f.supertext);
        QCOMPARE(doc->toPlainText(), texte);
        QVERIFY(texte.endsWith(QStringLiteral("dans le menu Exercices.")));
    }

    void panneaux()
    {
        feuilleP f;
        f.show();
        f.Label6_Click();
        QVERIFY(!f.Picture3->isVisible() && !f.Label6->isVisible());
        f.Image1_Click();
        QVERIFY(f.Picture3->isVisible() && f.Label6->isVisible());
        f.Label7_Click();
        QVERIFY(!f.Frame2->isVisible() && !f.Label7->isVisible());
        f.Image3->click();
        QVERIFY(f.Frame2->isVisible() && f.Label7->isVisible());
    }

    void quitter_data()
    {
        QTest::addColumn<bool>("titre");        // an exercise is open
        QTest::addColumn<QList<int>>("reponses");
        QTest::addColumn<QStringList>("questions");
        QTest::addColumn<bool>("ferme");
        const QString perte = QStringLiteral("Attention: perte des modifications du texte.");
        const QString quitter = QStringLiteral("Quitter vraiment ce simulteur ?");
        QTest::newRow("sans exercice, OK") << false << QList<int>{1} << QStringList{quitter} << true;
        QTest::newRow("sans exercice, Annuler") << false << QList<int>{2} << QStringList{quitter} << false;
        QTest::newRow("texte changé, Annuler") << true << QList<int>{2} << QStringList{perte} << false;
        QTest::newRow("texte changé, OK puis Annuler") << true << QList<int>{1, 2} << QStringList{perte, quitter} << false;
        QTest::newRow("texte changé, OK puis OK") << true << QList<int>{1, 1} << QStringList{perte, quitter} << true;
    }
    void quitter()
    {
        QFETCH(bool, titre);
        QFETCH(QList<int>, reponses);
        QFETCH(QStringList, questions);
        QFETCH(bool, ferme);
        feuilleP f;
        f.show();
        if (titre)
            f.fich->setText(QStringLiteral("Exercice 1"));
        f.supertext->insertPlainText(QStringLiteral("ma réponse"));
        QCOMPARE(Module1::texteModifie, qint16(titre ? 1 : 0));
        rec().reponses = reponses;
        f.Command1->click();
        QStringList posees;
        for (const MessageEnregistre& m : rec().messages) {
            posees << m.texte;
            QCOMPARE(m.style, 33);
        }
        QCOMPARE(posees, questions);
        QCOMPARE(f.isVisible(), !ferme);
        if (titre)
            QCOMPARE(rec().messages.first().titre, QStringLiteral("Abandon des données?"));
        QCOMPARE(rec().messages.last().titre, questions.last().startsWith(QStringLiteral("Quitter"))
                                                  ? QStringLiteral("Fermer")
                                                  : QStringLiteral("Abandon des données?"));
    }

    void fenetresModales_data()
    {
        QTest::addColumn<QString>("bouton");
        QTest::addColumn<QString>("fenetre");
        QTest::newRow("calculatrice") << "Command8" << "Machine";
        QTest::newRow("graphes") << "Command14" << "graphes";
    }
    void fenetresModales()
    {
        QFETCH(QString, bouton);
        QFETCH(QString, fenetre);
        feuilleP f;
        f.show();
        QString ouverte;
        QTimer::singleShot(0, this, [&] {
            if (QWidget* w = QApplication::activeModalWidget()) {
                ouverte = QString::fromLatin1(w->metaObject()->className());
                w->close();
            }
        });
        f.findChild<QPushButton*>(bouton)->click();
        QCOMPARE(ouverte, fenetre);
        QVERIFY(rec().messages.isEmpty());
    }

    void titreDExercice()
    {
        feuilleP f;
        f.fich->setText(QStringLiteral("Un titre d'exercice très long qui dépasse la largeur du champ de titre"));
        QCOMPARE(f.fich->toolTip(), f.fich->text());
        QCOMPARE(f.fich->cursorPosition(), int(f.fich->text().size()));
    }

    void petitEcran_data()
    {
        QTest::addColumn<QSize>("ecran");
        QTest::addColumn<QSize>("apres");
        QTest::newRow("800 pixels") << QSize(800, 600) << QSize(800, 600);
        QTest::newRow("849 pixels") << QSize(849, 700) << QSize(800, 600);
        QTest::newRow("850 pixels") << QSize(850, 700) << QSize(840, 640);
    }
    void petitEcran()
    {
        QFETCH(QSize, ecran);
        QFETCH(QSize, apres);
        rec().ecran = ecran;
        feuilleP f;
        f.show();
        f.resize(840, 640);
        QCOMPARE(f.size(), apres);
        if (ecran.width() < 850) {
            QCOMPARE(f.frameGeometry().left(), (ecran.width() - f.frameGeometry().width()) / 2);
            QCOMPARE(f.frameGeometry().top(), (ecran.height() - f.frameGeometry().height()) / 2);
        }
    }
};

QTEST_MAIN(TstFenetre)
#include "tst_fenetre.moc"
