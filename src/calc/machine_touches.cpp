// SPDX-License-Identifier: GPL-3.0-or-later
// What each key of the calculator does to the expression text, and the evaluation.

#include "calc/machine.h"

#include "calc/calcul.h"
#include "core/module1.h"
#include "core/nombres.h"
#include "platform/plateforme.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <cmath>

namespace {

const QString textePatience = QStringLiteral("    Patience... Calculs en cours.     ");

QString messageErreur(qint16 code)
{
    switch (code) {
    case Module1::CodeCalcul::Parentheses:
        return QStringLiteral("Erreur saisie: revoir les parenthèses");
    case Module1::CodeCalcul::Operateurs:
        return QStringLiteral("Erreur saisie: incompréhension sur opérateurs: ^ * / + -");
    default:
        return QStringLiteral("Calcul impossible");
    }
}

}  // namespace

void Machine::montre(const QString& texte)
{
    z1->setText(texte);
}

void Machine::ajoute(const QString& texte)
{
    expr_ += texte;
    montre(expr_);
}

void Machine::ajouteFonction(const QString& texte)
{
    // Implicit multiplication: "2" then "cos" reads 2 * cos.
    if (!expr_.isEmpty()) {
        const QChar dernier = expr_.back();
        if (dernier != QLatin1Char('(') && dernier != QLatin1Char('-') && dernier != QLatin1Char(' '))
            expr_ += QStringLiteral(" * ");
    }
    ajoute(texte);
}

bool Machine::scientifique() const
{
    return C[0]->isChecked();
}

QString Machine::formateReponse(double valeur) const
{
    QString texte = scientifique() ? Module1::formateScientifique(valeur) : Module1::ecritNombre(valeur);
    // The engine reads points only.
    const int virgule = texte.indexOf(QLatin1Char(','));
    if (virgule >= 0)
        texte[virgule] = QLatin1Char('.');
    return texte;
}

void Machine::majIndicateurMemoire()
{
    indicateurMemoire->setVisible(Module1::memoire != 0.0);
}

void Machine::z1_Change()
{
    // Long texts (error messages, long expressions) get a smaller font, down to a legible size,
    // rather than scrolling out of sight at once.
    QFont police = z1->font();
    const int place = z1->width() - 20;
    int taille = 14;
    for (; taille > 8; --taille) {
        police.setPointSize(taille);
        if (QFontMetrics(police).horizontalAdvance(z1->text()) <= place)
            break;
    }
    police.setPointSize(taille);
    z1->setFont(police);
    z1->setFocus();
    z1->setCursorPosition(int(z1->text().size()));
    z1->repaint();
}

void Machine::B0_Click() { ajoute(QStringLiteral("0")); }
void Machine::B1_Click() { ajoute(QStringLiteral("1")); }
void Machine::B2_Click() { ajoute(QStringLiteral("2")); }
void Machine::B3_Click() { ajoute(QStringLiteral("3")); }
void Machine::B4_Click() { ajoute(QStringLiteral("4")); }
void Machine::B5_Click() { ajoute(QStringLiteral("5")); }
void Machine::B6_Click() { ajoute(QStringLiteral("6")); }
void Machine::B7_Click() { ajoute(QStringLiteral("7")); }
void Machine::B8_Click() { ajoute(QStringLiteral("8")); }
void Machine::B9_Click() { ajoute(QStringLiteral("9")); }
void Machine::Bpoint_Click() { ajoute(QStringLiteral(".")); }
void Machine::BtoEXP_Click() { ajoute(QStringLiteral("E")); }

void Machine::kilo_Click() { ajoute(QStringLiteral("E+3")); }
void Machine::mega_Click() { ajoute(QStringLiteral("E+6")); }
void Machine::giga_Click() { ajoute(QStringLiteral("E+9")); }
void Machine::tera_Click() { ajoute(QStringLiteral("E+12")); }
void Machine::mil_Click() { ajoute(QStringLiteral("E-3")); }
void Machine::micro_Click() { ajoute(QStringLiteral("E-6")); }
void Machine::nano_Click() { ajoute(QStringLiteral("E-9")); }
void Machine::pico_Click() { ajoute(QStringLiteral("E-12")); }

void Machine::multip_Click() { ajoute(QStringLiteral(" * ")); }
void Machine::div_Click() { ajoute(QStringLiteral(" / ")); }
void Machine::puissance_Click() { ajoute(QStringLiteral(" ^ ")); }
void Machine::btcarre_Click() { ajoute(QStringLiteral(" ^ 2")); }
void Machine::bpf_Click() { ajoute(QStringLiteral(")")); }

void Machine::bsin_Click() { ajouteFonction(QStringLiteral("sin ")); }
void Machine::Bcos_Click() { ajouteFonction(QStringLiteral("cos ")); }
void Machine::Btan_Click() { ajouteFonction(QStringLiteral("tan ")); }
void Machine::invsin_Click() { ajouteFonction(QStringLiteral("invSIN ")); }
void Machine::invcos_Click() { ajouteFonction(QStringLiteral("invCOS ")); }
void Machine::Btoncommande3_Click() { ajouteFonction(QStringLiteral("invTAN ")); }
void Machine::Blog_Click() { ajouteFonction(QStringLiteral("log ")); }
void Machine::Bln_Click() { ajouteFonction(QStringLiteral("ln ")); }
void Machine::Bexp_Click() { ajouteFonction(QStringLiteral("exp ")); }
void Machine::racine_Click() { ajouteFonction(QStringLiteral("SQR ")); }
void Machine::B10x_Click() { ajouteFonction(QStringLiteral("10 ^ ")); }
void Machine::Command5_Click() { ajouteFonction(QStringLiteral("1 / ")); }
void Machine::Bpo_Click() { ajouteFonction(QStringLiteral("(")); }
void Machine::pi_Click() { ajouteFonction(Module1::ecritNombre(Module1::valeurPi())); }

void Machine::plus_Click()
{
    if (z1->text().trimmed().isEmpty())
        return;
    // Right after a result, the calculation goes on from it.
    if (expr_.trimmed().isEmpty())
        ANS_Click();
    ajoute(expr_.endsWith(QLatin1Char('E')) ? QStringLiteral("+") : QStringLiteral(" + "));
}

void Machine::moins_Click()
{
    if (expr_.endsWith(QLatin1Char('(')) || expr_.endsWith(QLatin1Char(' ')) || expr_.endsWith(QLatin1Char('E')))
        ajoute(QStringLiteral("-"));  // a sign: of a number or of an exponent
    else if (expr_.endsWith(QLatin1Char('-')))
        ajoute(QStringLiteral(" -"));
    else if (!expr_.isEmpty())
        ajoute(QStringLiteral(" - "));
    else
        ajoute(QStringLiteral("-"));
}

void Machine::Command1_Click()
{
    Module1::memoire += Module1::lisNombre(z1->text());
    majIndicateurMemoire();
    z1->setFocus();
}

void Machine::Command2_Click()
{
    Module1::memoire -= Module1::lisNombre(z1->text());
    majIndicateurMemoire();
    z1->setFocus();
}

void Machine::Command4_Click()
{
    Module1::memoire = 0.0;
    majIndicateurMemoire();
    z1->setFocus();
}

void Machine::Command3_Click()
{
    ajoute(formateReponse(Module1::memoire).trimmed());
}

void Machine::ANS_Click()
{
    if (code_ == Module1::CodeCalcul::Succes)
        ajoute(reponse_.trimmed());
}

void Machine::RAZ_Click()
{
    expr_.clear();
    z1->clear();
}

void Machine::EFFACE_Click()
{
    const qsizetype n = expr_.size();
    if (n == 0)
        return;
    if (!expr_.endsWith(QLatin1Char(' ')) || n < 2) {
        expr_.chop(1);
    } else {
        const QChar avant = expr_[n - 2];
        if (QStringLiteral("*+/-^").contains(avant)) {
            expr_.chop(std::min<qsizetype>(3, n));  // a spaced operator
        } else if (avant == QChar(0x00FB)) {
            expr_.chop(2);
        } else {
            // A function word such as "cos ": back to the previous blank or "(".
            qsizetype k = n - 2;
            while (k >= 0 && expr_[k] != QLatin1Char(' ') && expr_[k] != QLatin1Char('('))
                --k;
            expr_.truncate(k + 1);
        }
    }
    montre(expr_);
}

void Machine::C_Click(int)
{
    // On an empty expression, the last answer is shown again in the chosen mode.
    if (!expr_.isEmpty() || code_ != Module1::CodeCalcul::Succes || reponse_.isEmpty())
        return;
    reponse_ = formateReponse(valeurReponse_);
    montre(reponse_);
}

void Machine::EXE_Click()
{
    // Nothing typed: the last answer stays on the display and stays available.
    if (expr_.trimmed().isEmpty())
        return;
    code_ = Module1::CodeCalcul::Succes;
    const QString copie = expr_;
    montre(textePatience);
    const qint16 angles = angle[0]->isChecked() ? Module1::ModeAngles::Radians : Module1::ModeAngles::Degres;
    QString texte = expr_;
    qint16 code = 0;
    Module1::calculeExpression(texte, code, angles, z1->text().trimmed().isEmpty());
    code_ = code;
    QString affiche;
    if (code_ == Module1::CodeCalcul::Succes) {
        const double valeur = Module1::lisNombre(texte);
        if (std::isfinite(valeur)) {
            valeurReponse_ = valeur;
            affiche = formateReponse(valeur);
        } else {
            // Kept as an error, so that ANS never copies this text into an expression.
            affiche = QStringLiteral("Dépassement de capacité");
            code_ = Module1::CodeCalcul::Impossible;
            plateforme().beep();
        }
    } else {
        affiche = messageErreur(code_);
        plateforme().beep();
    }
    montre(affiche);
    reponse_ = affiche;
    expr_.clear();
    if (code_ != Module1::CodeCalcul::Succes)
        expr_ = copie;  // the user corrects it
}

bool Machine::Form_KeyPress(QChar touche)
{
    const char16_t c = touche.unicode();
    if ((c >= '0' && c <= '9') || c == '.') {
        ajoute(QString(touche));
        return true;
    }
    switch (c) {
    case ',':  // the decimal key of a French keypad
        ajoute(QStringLiteral("."));
        return true;
    case 'd':
    case 'e':
    case 'D':
    case 'E':
        ajoute(QStringLiteral("E"));
        return true;
    case '\b':
        EFFACE_Click();
        return true;
    case '\r':
        EXE_Click();
        return true;
    case '(':
        Bpo_Click();
        return true;
    case ')':
        bpf_Click();
        return true;
    case '*':
        multip_Click();
        return true;
    case '+':
        plus_Click();
        return true;
    case '-':
        moins_Click();
        return true;
    case '/':
        div_Click();
        return true;
    case '^':
        puissance_Click();
        return true;
    default:
        return false;
    }
}
