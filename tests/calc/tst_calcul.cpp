// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/calcul.h"

#include <QtTest>

#include <cmath>

using namespace Module1;

class TstCalcul : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void normalisation_data()
    {
        QTest::addColumn<QString>("saisie");
        QTest::addColumn<QString>("forme");
        QTest::newRow("opérateurs espacés") << "2+3*4" << " 2 + 3 * 4 ";
        QTest::newRow("chiffres séparés d'un blanc") << "2 3" << " 23 ";
        QTest::newRow("-- devient +") << "2--3" << " 2 + 3 ";
        QTest::newRow("+- devient -") << "2+-3" << " 2 - 3 ";
        QTest::newRow("-+ devient -") << "2-+3" << " 2 - 3 ";
        QTest::newRow("chaîne de signes") << "---5" << " -5 ";
        QTest::newRow("+ en tête") << "+5" << " 5 ";
        QTest::newRow("signe en tête collé") << "-5*2" << " -5 * 2 ";
        QTest::newRow("signe après opérateur") << "2*-3" << " 2 * -3 ";
        QTest::newRow("exposant négatif") << "1.5e-3+1" << " 1.5E-3 + 1 ";
        QTest::newRow("nombre entre parenthèses") << "((7))" << " 7 ";
        QTest::newRow("moins devant nombre entre parenthèses") << "-(5)" << " -5 ";
        QTest::newRow("moins moins entre parenthèses") << "3-(-2)" << " 3 + 2 ";
        QTest::newRow("signe du nombre élevé à une puissance") << "1-(-2)^2" << " 1 - -2 ^ 2 ";
        QTest::newRow("plus signe du nombre élevé") << "1+(-2)^2" << " 1 + -2 ^ 2 ";
        QTest::newRow("expression entre parenthèses gardée") << "(2+3)" << " (2 + 3) ";
        QTest::newRow("fonction minuscules") << "sin(30)" << " SIN 30 ";
        QTest::newRow("fonction d'un négatif") << "cos(-45)" << " COS -45 ";
        QTest::newRow("LN") << "ln(2)" << " LON 2 ";
        QTest::newRow("LON reçoit son blanc") << "LON5" << " LON 5 ";
        QTest::newRow("INV SIN") << "invsin 0.5" << " ISI 0.5 ";
        QTest::newRow("INV COS") << "INVCOS1" << " ICO 1 ";
        QTest::newRow("racine ù") << "ù9" << " SQR 9 ";
        QTest::newRow("fonctions en chaîne") << "sin cos 0" << " SIN COS 0 ";
    }
    void normalisation()
    {
        QFETCH(QString, saisie);
        QFETCH(QString, forme);
        normaliseExpr(saisie);
        QCOMPARE(saisie, forme);
    }

    void syntaxe_data()
    {
        QTest::addColumn<QString>("saisie");
        QTest::addColumn<int>("code");
        QTest::newRow("juste") << "2*(3+4)" << 0;
        QTest::newRow("( sans )") << "(2+3" << 2;
        QTest::newRow(") sans (") << "2+3)" << 2;
        QTest::newRow("* puis /") << "2*/3" << 3;
        QTest::newRow("^ puis *") << "2^*3" << 3;
        QTest::newRow("/ en fin") << "5/" << 3;
        QTest::newRow("* puis signe -") << "2*-3" << 0;
        QTest::newRow("+ non testé") << "2++3" << 0;
    }
    void syntaxe()
    {
        QFETCH(QString, saisie);
        QFETCH(int, code);
        qint16 erreur = 0;
        normaliseExpr(saisie);
        verifieExpr(saisie, erreur);
        QCOMPARE(int(erreur), code);
        // The driver reports the same code, before any reduction.
        QString texte = saisie;
        calculeExpression(texte, erreur, ModeAngles::Radians);
        if (code != 0)
            QCOMPARE(int(erreur), code);
    }

    void jetons_data()
    {
        QTest::addColumn<QString>("saisie");
        QTest::addColumn<int>("parentheses");
        QTest::addColumn<int>("fonctions");
        QTest::addColumn<int>("operateurs");
        QTest::newRow("rien") << "5" << 0 << 0 << 0;
        QTest::newRow("opérateurs") << "1+2-3*4/5^6" << 0 << 0 << 5;
        QTest::newRow("signes non comptés") << "-2*-3" << 0 << 0 << 1;
        QTest::newRow("fonctions et parenthèses") << "sin(cos(1+2))+ln(3+invsin(2-1))" << 4 << 4 << 4;
        QTest::newRow("exposant non compté") << "1E-5+2" << 0 << 0 << 1;
    }
    void jetons()
    {
        QFETCH(QString, saisie);
        normaliseExpr(saisie);
        const Jetons j = compteJetons(saisie);
        QTEST(j.nbParentheses, "parentheses");
        QTEST(j.nbFonctions, "fonctions");
        QTEST(j.nbOperateurs, "operateurs");
    }

    void resultats_data()
    {
        QTest::addColumn<QString>("saisie");
        QTest::addColumn<int>("angles");
        QTest::addColumn<QString>("resultat");
        const int deg = ModeAngles::Degres;
        const int rad = ModeAngles::Radians;
        QTest::newRow("10 - 2 + 3 - 1") << "10 - 2 + 3 - 1" << rad << "10";
        QTest::newRow("2 ^ 3 ^ 2 de gauche à droite") << "2 ^ 3 ^ 2" << rad << "64";
        QTest::newRow("8 / 2 / 2") << "8 / 2 / 2" << rad << "2";
        QTest::newRow("division en chaîne") << "1000/10/2/5" << rad << "10";
        QTest::newRow("priorité de *") << "2+3*4" << rad << "14";
        QTest::newRow("parenthèses") << "2*(3+4)" << rad << "14";
        QTest::newRow("parenthèses imbriquées") << "((2+3)*(4-1))^2" << rad << "225";
        QTest::newRow("signe collé élevé") << "-2^2" << rad << "4";
        QTest::newRow("multiplié par négatif") << "2*-3" << rad << "-6";
        QTest::newRow("moins un carré négatif") << "1-(-2)^2" << rad << "-3";
        QTest::newRow("moins un carré calculé") << "10-(2-4)^2" << rad << "6";
        QTest::newRow("plus un cube négatif") << "5+(1-3)^3" << rad << "-3";
        QTest::newRow("moins une parenthèse négative") << "10-(2-5)" << rad << "13";
        QTest::newRow("puissance négative") << "2^-1" << rad << "0.5";
        QTest::newRow("exposant E") << "1.5E-3*1000" << rad << "1.5";
        QTest::newRow("E sans exposant") << "2E" << rad << "2";
        QTest::newRow("très petit") << "1E-20*1" << rad << "1E-20";
        QTest::newRow("très grand") << "1E15*10" << rad << "1E+16";
        QTest::newRow("15 chiffres") << "1/3" << rad << "0.333333333333333";
        QTest::newRow("zéro sans signe") << "-0*1" << rad << "0";
        QTest::newRow("blanc entre chiffres") << "2 3+1" << rad << "24";
        QTest::newRow("sin 30 degrés") << "sin 30" << deg << "0.5";
        QTest::newRow("sin 30 radians") << "sin 30" << rad << ecritNombre(std::sin(30.0));
        QTest::newRow("sin d'un négatif") << "sin(-30)" << deg << "-0.5";
        QTest::newRow("arcsin 1 degrés") << "invsin 1" << deg << "90";
        QTest::newRow("arcsin 1 radians") << "invsin 1" << rad << ecritNombre(2 * std::atan(1.0));
        QTest::newRow("arcsin -1") << "invsin -1" << deg << "-90";
        QTest::newRow("arccos 0,5") << "invcos 0.5" << deg << "60";
        QTest::newRow("sin d'une parenthèse") << "sin(10+20)" << deg << "0.5";
        QTest::newRow("ln d'une parenthèse") << "ln(2+3)" << rad << ecritNombre(std::log(5.0));
        QTest::newRow("log 1000") << "log 1000" << rad << "3";
        QTest::newRow("racine d'une somme") << "sqr(9+7)" << rad << "4";
        QTest::newRow("racine ù") << "ù(81)" << rad << "9";
        QTest::newRow("fonctions imbriquées") << "ln(sqr(exp(4)))" << rad << "2";
        QTest::newRow("fonction dans une somme") << "1+sin(90)*2" << deg << "3";
        QTest::newRow("moins sinus négatif au carré") << "1-sin(-90)^2" << deg << "0";
        QTest::newRow("signes imbriqués") << "-(-(+(-(5))))" << rad << "-5";
        QTest::newRow("signes imbriqués sous une puissance") << "1-(-(-(-2)))^2" << rad << "-3";
        QTest::newRow("signes imbriqués multipliés") << "-(-(-(3)))*2" << rad << "-6";
        QTest::newRow("signes imbriqués en exposant") << "2^-(-(-(2)))" << rad << "0.25";
        QTest::newRow("signes imbriqués après un moins") << "5-(+(-(3)))" << rad << "8";
    }
    void resultats()
    {
        QFETCH(QString, saisie);
        QFETCH(int, angles);
        QFETCH(QString, resultat);
        qint16 erreur = -1;
        calculeExpression(saisie, erreur, qint16(angles));
        QCOMPARE(int(erreur), 0);
        QCOMPARE(saisie, resultat);
    }

    void erreurs_data()
    {
        QTest::addColumn<QString>("saisie");
        QTest::addColumn<int>("code");
        QTest::newRow("division par zéro") << "1/0" << 1;
        QTest::newRow("division par une parenthèse nulle") << "1/(3-3)" << 1;
        QTest::newRow("dépassement") << "1E308*10" << 1;
        QTest::newRow("exposant hors limites") << "1E999+1" << 1;
        // An overflowing number stays an overflow whatever the sign of its exponent.
        QTest::newRow("nombre énorme, exposant négatif") << QString(QStringLiteral("1") + QString(310, QLatin1Char('0')) + QStringLiteral("E-1")) << 1;
        QTest::newRow("exp 1000") << "exp 1000" << 1;
        QTest::newRow("racine d'un négatif") << "sqr(-4)" << 1;
        QTest::newRow("ln 0") << "ln 0" << 1;
        QTest::newRow("arcsin 1,5") << "invsin 1.5" << 1;
        QTest::newRow("racine cubique d'un négatif") << "(-8)^(1/3)" << 1;
        QTest::newRow("zéro puissance -1") << "0^-1" << 1;
        QTest::newRow("fonction sans argument") << "sin" << 1;
        QTest::newRow("lettres") << "ABC" << 1;
        QTest::newRow("lettres entre parenthèses") << "2*(ABC)" << 1;
        QTest::newRow("vide") << "" << 1;
        QTest::newRow("opérande manquant") << "5+" << 1;
        QTest::newRow("deux points") << "2..5+1" << 1;
        QTest::newRow(") avant (") << "2)(3" << 1;
        QTest::newRow("( sans )") << "(2+3" << 2;
        QTest::newRow("* puis /") << "2*/3" << 3;
        QTest::newRow("101 fonctions imbriquées") << QString("sin(").repeated(101) + "1" + QString(")").repeated(101) << 1;
    }
    void erreurs()
    {
        QFETCH(QString, saisie);
        QFETCH(int, code);
        qint16 erreur = -1;
        calculeExpression(saisie, erreur, ModeAngles::Degres);
        QCOMPARE(int(erreur), code);
    }

    void textesLongs_data()
    {
        // Far beyond what anyone types: each must still end, with the right value.
        QTest::addColumn<QString>("saisie");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("resultat");
        QTest::newRow("3000 parenthèses imbriquées")
            << QString("(1+").repeated(3000) + "1" + QString(")").repeated(3000) << 0 << "3001";
        QTest::newRow("5000 parenthèses à la suite") << QString("(1+1)+").repeated(5000) + "1" << 0 << "10001";
        QTest::newRow("10000 additions") << QString("1+").repeated(10000) + "1" << 0 << "10001";
        QTest::newRow("3000 sinus de parenthèses") << QString("sin(0)+").repeated(3000) + "1" << 0 << "1";
        QTest::newRow("50001 signes moins") << "1" + QString("-").repeated(50001) + "1" << 0 << "0";
        QTest::newRow("3000 fonctions imbriquées") << QString("sin(").repeated(3000) + "1" + QString(")").repeated(3000)
                                                  << 1 << "";
        QTest::newRow("20000 parenthèses vides") << QString("(").repeated(10000) + QString(")").repeated(10000) << 1 << "";
        // Each level frees a number whose sign folds with the one before it: one pass over the
        // text per level made these quadratic.
        QTest::newRow("20000 signes entre parenthèses imbriquées")
            << QString("(-").repeated(20000) + "1" + QString(")").repeated(20000) << 0 << "1";
        QTest::newRow("20001 moins devant des parenthèses")
            << QString("-(").repeated(20001) + "2" + QString(")").repeated(20001) << 0 << "-2";
        QTest::newRow("20000 sinus d'une lettre")
            << QString("sin(").repeated(20000) + "x" + QString(")").repeated(20000) << 1 << "";
    }
    void textesLongs()
    {
        QFETCH(QString, saisie);
        QFETCH(int, code);
        QFETCH(QString, resultat);
        qint16 erreur = -1;
        calculeExpression(saisie, erreur, ModeAngles::Degres);
        QCOMPARE(int(erreur), code);
        if (code == 0)
            QCOMPARE(saisie, resultat);
    }

    void imbricationPermise()
    {
        // Well inside the iteration bound: one function level is reduced per iteration.
        QString texte = QString("cos(").repeated(40) + "0" + QString(")").repeated(40);
        qint16 erreur = -1;
        calculeExpression(texte, erreur, ModeAngles::Degres);
        QCOMPARE(int(erreur), 0);
    }

    void afficheVide()
    {
        // A blank display stops the operator step: nothing can be computed.
        QString texte = "2+3";
        qint16 erreur = -1;
        calculeExpression(texte, erreur, ModeAngles::Radians, true);
        QCOMPARE(int(erreur), 1);
        Jetons j{0, 0, 1};
        texte = " 2 + 3 ";
        QVERIFY(calculeOperateurs(texte, j, true));
        QCOMPARE(texte, QString(" 2 + 3 "));
    }

    void ecriture_data()
    {
        QTest::addColumn<double>("valeur");
        QTest::addColumn<QString>("texte");
        QTest::newRow("entier") << 64.0 << "64";
        QTest::newRow("décimal") << 0.5 << "0.5";
        QTest::newRow("négatif") << -2.25 << "-2.25";
        QTest::newRow("moins zéro") << -0.0 << "0";
        QTest::newRow("15 chiffres") << 2.0 / 3.0 << "0.666666666666667";
        QTest::newRow("0,0001 sans exposant") << 0.0001 << "0.0001";
        QTest::newRow("petit") << 0.00001 << "1E-05";
        QTest::newRow("grand") << 1e15 << "1E+15";
        QTest::newRow("grand avec décimales") << 1.5e20 << "1.5E+20";
        QTest::newRow("sous 1E15") << 123456789012345.0 << "123456789012345";
    }
    void ecriture()
    {
        QFETCH(double, valeur);
        QTEST(ecritNombre(valeur), "texte");
    }

    void lecture_data()
    {
        QTest::addColumn<QString>("jeton");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<double>("valeur");
        QTest::newRow("entier") << "12" << true << 12.0;
        QTest::newRow("signe") << "-1.5" << true << -1.5;
        QTest::newRow("point seul devant") << ".5" << true << 0.5;
        QTest::newRow("exposant") << "1.5E-3" << true << 0.0015;
        QTest::newRow("exposant D") << "2D+2" << true << 200.0;
        QTest::newRow("E sans chiffres") << "2E" << true << 2.0;
        QTest::newRow("infime") << "1E-99999999" << true << 0.0;
        QTest::newRow("trop grand") << "1E400" << false << 0.0;
        QTest::newRow("trop grand, exposant négatif") << QString(QStringLiteral("1") + QString(310, QLatin1Char('0')) + QStringLiteral("E-1")) << false << 0.0;
        QTest::newRow("grand ramené") << QString(QStringLiteral("1") + QString(310, QLatin1Char('0')) + QStringLiteral("E-308")) << true << 100.0;
        QTest::newRow("exposant à zéros") << "1E0000002" << true << 100.0;
        QTest::newRow("infime sans exposant") << QString(QStringLiteral("0.") + QString(330, QLatin1Char('0')) + QStringLiteral("1")) << true << 0.0;
        QTest::newRow("vide") << "" << false << 0.0;
        QTest::newRow("signe seul") << "-" << false << 0.0;
        QTest::newRow("point seul") << "." << false << 0.0;
        QTest::newRow("virgule") << "2,5" << false << 0.0;
        QTest::newRow("lettres après") << "5A" << false << 0.0;
        QTest::newRow("parenthèse") << "3)" << false << 0.0;
    }
    void lecture()
    {
        QFETCH(QString, jeton);
        QFETCH(bool, ok);
        QFETCH(double, valeur);
        double v = -1.0;
        QCOMPARE(lisOperande(jeton, v), ok);
        if (ok)
            QCOMPARE(v, valeur);
    }

    void scientifique_data()
    {
        QTest::addColumn<double>("valeur");
        QTest::addColumn<QString>("texte");
        QTest::newRow("entier") << 6.0 << "6E+00";
        QTest::newRow("sept décimales") << 123.456789 << "1.2345679E+02";
        QTest::newRow("petit") << 0.00015 << "1.5E-04";
        QTest::newRow("négatif") << -2500.0 << "-2.5E+03";
        QTest::newRow("zéro") << 0.0 << "0E+00";
        QTest::newRow("exposant à trois chiffres") << 1e100 << "1E+100";
    }
    void scientifique()
    {
        QFETCH(double, valeur);
        QTEST(formateScientifique(valeur), "texte");
    }
};

QTEST_GUILESS_MAIN(TstCalcul)
#include "tst_calcul.moc"
