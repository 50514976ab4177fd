// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator window: its keys, their layout and look, the background and the keyboard.

#include "calc/machine.h"

#include "core/module1.h"
#include "widgets/agrandissement.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

namespace {

QRect enPixels(QRectF unites)
{
    const double k = Machine::echelle;
    return QRect(qRound(unites.x() * k), qRound(unites.y() * k), qRound(unites.width() * k),
                 qRound(unites.height() * k));
}

// Key families and their look; the property "famille" of each key picks its style.
const char* feuilleDeStyle = R"(
QPushButton {
    border: 1px solid #2d4446; border-radius: 4px; padding: 0px;
    font-size: 9pt; color: #10262a;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #d5e0e0);
}
QPushButton:pressed { background: #9fb8ba; }
QPushButton[famille="chiffre"] {
    font-size: 12pt; font-weight: bold;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fffef6, stop:1 #e2e0d2);
}
QPushButton[famille="chiffre"]:pressed { background: #c9c6b0; }
QPushButton[famille="operation"] {
    font-size: 12pt; font-weight: bold;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #eef5fb, stop:1 #b8cddd);
}
QPushButton[famille="operation"]:pressed { background: #8fa9bd; }
QPushButton[famille="fonction"] {
    color: #ffffff; font-weight: bold;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #4f7f84, stop:1 #2c5155);
}
QPushButton[famille="fonction"]:pressed { background: #1f3a3d; }
QPushButton[famille="prefixe"] {
    color: #ffffff; font-size: 10pt;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #76848c, stop:1 #4e5b63);
}
QPushButton[famille="prefixe"]:pressed { background: #3a444a; }
QPushButton[famille="memoire"] {
    color: #ffffff; font-weight: bold;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #7b8a55, stop:1 #55613a);
}
QPushButton[famille="memoire"]:pressed { background: #3e4729; }
QPushButton[famille="efface"] {
    color: #ffffff; font-size: 11pt; font-weight: bold;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #e0665f, stop:1 #b23a33);
}
QPushButton[famille="efface"]:pressed { background: #8a2a25; }
QPushButton[famille="exe"] {
    color: #ffffff; font-size: 11pt; font-weight: bold;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #f4a94c, stop:1 #d0761a);
}
QPushButton[famille="exe"]:pressed { background: #a55c12; }
QLineEdit#z1 {
    border: 2px solid #2d4446; border-radius: 3px; padding: 0px 6px;
    background: #dfe8d6; color: #10201a;
}
QGroupBox {
    border: 1px solid #ffffff; border-radius: 3px; margin-top: 7px;
    font-size: 8pt; font-weight: bold; color: #10262a;
}
QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0px 2px; }
QRadioButton { font-size: 8pt; color: #10262a; }
QLabel#indicateurMemoire { color: #10201a; font-size: 7pt; font-weight: bold; background: transparent; }
)";

}  // namespace

Machine::Machine(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Machine"));
    setWindowTitle(QStringLiteral("Machine à calculer"));
    setFixedSize(enPixels(QRectF(0, 0, largeurUnites, hauteurUnites)).size());
    setStyleSheet(QLatin1String(feuilleDeStyle));
    Agrandissement::suit(this);

    z1 = new QLineEdit(this);
    z1->setObjectName(QStringLiteral("z1"));
    // The keys and the keyboard handler write the display; typing goes through the window.
    z1->setReadOnly(true);
    z1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    z1->setContextMenuPolicy(Qt::NoContextMenu);
    z1->setAcceptDrops(false);
    z1->setGeometry(enPixels(QRectF(10, 10, 280, 36)));
    z1->installEventFilter(this);
    connect(z1, &QLineEdit::textChanged, this, &Machine::z1_Change);

    indicateurMemoire = new QLabel(QStringLiteral("M"), this);
    indicateurMemoire->setObjectName(QStringLiteral("indicateurMemoire"));
    indicateurMemoire->setToolTip(QStringLiteral("La mémoire n'est pas vide"));
    indicateurMemoire->setGeometry(enPixels(QRectF(15, 12, 12, 11)));

    cadreAngles = new QGroupBox(QStringLiteral("Angles"), this);
    cadreAngles->setObjectName(QStringLiteral("cadreAngles"));
    cadreAngles->setGeometry(enPixels(QRectF(10, 52, 136, 40)));
    cadreAffichage = new QGroupBox(QStringLiteral("Affichage"), this);
    cadreAffichage->setObjectName(QStringLiteral("cadreAffichage"));
    cadreAffichage->setGeometry(enPixels(QRectF(154, 52, 136, 40)));
    const char* nomsAngles[] = {"Radians", "Degrés"};
    const char* nomsAffichage[] = {"Scientifique", "Standard"};
    auto* groupeAngles = new QButtonGroup(this);
    auto* groupeAffichage = new QButtonGroup(this);
    for (int i = 0; i < 2; ++i) {
        angle[i] = new QRadioButton(QString::fromUtf8(nomsAngles[i]), cadreAngles);
        angle[i]->setObjectName(QStringLiteral("angle%1").arg(i));
        angle[i]->setGeometry(enPixels(QRectF(6 + 64 * i, 16, 62, 20)));
        angle[i]->setFocusPolicy(Qt::TabFocus);
        groupeAngles->addButton(angle[i], i);
        C[i] = new QRadioButton(QString::fromUtf8(nomsAffichage[i]), cadreAffichage);
        C[i]->setObjectName(QStringLiteral("C%1").arg(i));
        C[i]->setGeometry(enPixels(QRectF(4 + 70 * i, 16, 68, 20)));
        C[i]->setFocusPolicy(Qt::TabFocus);
        groupeAffichage->addButton(C[i], i);
    }
    // Physics at school counts angles in degrees; results read best in plain decimals.
    angle[1]->setChecked(true);
    C[1]->setChecked(true);
    connect(groupeAffichage, &QButtonGroup::idClicked, this, &Machine::C_Click);
    // Tab reaches each group on its chosen option; the arrows change the choice.
    for (QRadioButton* r : {angle[0], angle[1], C[0], C[1]}) {
        r->setFocusPolicy(r->isChecked() ? Qt::TabFocus : Qt::NoFocus);
        connect(r, &QRadioButton::toggled, r,
                [r](bool coche) { r->setFocusPolicy(coche ? Qt::TabFocus : Qt::NoFocus); });
    }
    setTabOrder(z1, angle[1]);
    setTabOrder(angle[1], angle[0]);
    setTabOrder(angle[0], C[1]);
    setTabOrder(C[1], C[0]);

    construitTouches();
    nommeTouches();
    majIndicateurMemoire();
    z1_Change();
}

QPushButton* Machine::touche(const QString& nom, const QString& legende, const char* famille, QRectF unites,
                             void (Machine::*action)())
{
    auto* b = new QPushButton(legende, this);
    b->setObjectName(nom);
    b->setProperty("famille", QString::fromLatin1(famille));
    b->setGeometry(enPixels(unites));
    // The display keeps the focus, so that the keyboard always reaches the window's handler
    // and Enter evaluates instead of pressing a key.
    b->setFocusPolicy(Qt::NoFocus);
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, action);
    return b;
}

void Machine::construitTouches()
{
    // Upper block: four rows across the window.
    const double gauche = 10.0;
    const double largeur = 280.0;
    auto rangee = [&](double y, int n, double ecart) {
        const double l = (largeur - ecart * (n - 1)) / n;
        QList<QRectF> r;
        for (int i = 0; i < n; ++i)
            r.append(QRectF(gauche + i * (l + ecart), y, l, 34));
        return r;
    };
    auto r1 = rangee(100, 4, 6);
    invsin = touche("invsin", "INV S&IN", "fonction", r1[0], &Machine::invsin_Click);
    invcos = touche("invcos", "INV C&OS", "fonction", r1[1], &Machine::invcos_Click);
    Btoncommande3 = touche("Btoncommande3", "INV T&AN", "fonction", r1[2], &Machine::Btoncommande3_Click);
    racine = touche("racine", QStringLiteral("√"), "fonction", r1[3], &Machine::racine_Click);
    invsin->setToolTip(QStringLiteral("Inverse sinus"));
    invcos->setToolTip(QStringLiteral("Inverse cosinus"));
    Btoncommande3->setToolTip(QStringLiteral("Inverse tangente"));
    racine->setToolTip(QStringLiteral("Racine carrée"));

    auto r2 = rangee(144, 6, 4);
    bsin = touche("bsin", "&SIN", "fonction", r2[0], &Machine::bsin_Click);
    Bcos = touche("Bcos", "&COS", "fonction", r2[1], &Machine::Bcos_Click);
    Btan = touche("Btan", "&TAN", "fonction", r2[2], &Machine::Btan_Click);
    Blog = touche("Blog", "&Log", "fonction", r2[3], &Machine::Blog_Click);
    Bln = touche("Bln", "l&n", "fonction", r2[4], &Machine::Bln_Click);
    Bexp = touche("Bexp", QStringLiteral("eˣ"), "fonction", r2[5], &Machine::Bexp_Click);
    Bexp->setToolTip(QStringLiteral("Exponentielle"));

    auto r3 = rangee(188, 8, 4);
    pico = touche("pico", "p", "prefixe", r3[0], &Machine::pico_Click);
    nano = touche("nano", "n", "prefixe", r3[1], &Machine::nano_Click);
    micro = touche("micro", QStringLiteral("µ"), "prefixe", r3[2], &Machine::micro_Click);
    mil = touche("mil", "m", "prefixe", r3[3], &Machine::mil_Click);
    kilo = touche("kilo", "k", "prefixe", r3[4], &Machine::kilo_Click);
    mega = touche("mega", "M", "prefixe", r3[5], &Machine::mega_Click);
    giga = touche("giga", "G", "prefixe", r3[6], &Machine::giga_Click);
    tera = touche("tera", "T", "prefixe", r3[7], &Machine::tera_Click);

    auto r4 = rangee(232, 4, 6);
    Command1 = touche("Command1", "M+", "memoire", r4[0], &Machine::Command1_Click);
    Command2 = touche("Command2", "M-", "memoire", r4[1], &Machine::Command2_Click);
    Command3 = touche("Command3", "RM", "memoire", r4[2], &Machine::Command3_Click);
    Command4 = touche("Command4", "CM", "memoire", r4[3], &Machine::Command4_Click);
    Command1->setToolTip(QStringLiteral("Ajouter à la méoire"));
    Command2->setToolTip(QStringLiteral("Soustraire à la mémoire"));
    Command3->setToolTip(QStringLiteral("Rappel mémoire"));
    Command4->setToolTip(QStringLiteral("Effacer la mémoire"));

    // Lower block: the digit pad inside the framed box, functions on its left, operations on
    // its right.
    const double lignes[] = {294, 325, 356, 387};
    const double h = 27;
    auto gaucheCase = [&](int ligne, int col) { return QRectF(10 + col * 35, lignes[ligne], 31, h); };
    btcarre = touche("btcarre", QStringLiteral("x²"), "fonction", gaucheCase(0, 0), &Machine::btcarre_Click);
    puissance = touche("puissance", QStringLiteral("xʸ"), "fonction", gaucheCase(0, 1), &Machine::puissance_Click);
    B10x = touche("B10x", QStringLiteral("10ˣ"), "fonction", gaucheCase(1, 0), &Machine::B10x_Click);
    Command5 = touche("Command5", "1/x", "fonction", gaucheCase(1, 1), &Machine::Command5_Click);
    Bpo = touche("Bpo", "(", "fonction", gaucheCase(2, 0), &Machine::Bpo_Click);
    bpf = touche("bpf", ")", "fonction", gaucheCase(2, 1), &Machine::bpf_Click);
    pi = touche("pi", QStringLiteral("π"), "fonction", QRectF(10, lignes[3], 66, h), &Machine::pi_Click);
    btcarre->setToolTip(QStringLiteral("Carré"));
    puissance->setToolTip(QStringLiteral("Puissance"));
    B10x->setToolTip(QStringLiteral("Puissance de 10"));

    auto chiffre = [&](int ligne, int col) { return QRectF(86 + col * 40, lignes[ligne], 36, h); };
    B7 = touche("B7", "7", "chiffre", chiffre(0, 0), &Machine::B7_Click);
    B8 = touche("B8", "8", "chiffre", chiffre(0, 1), &Machine::B8_Click);
    B9 = touche("B9", "9", "chiffre", chiffre(0, 2), &Machine::B9_Click);
    B4 = touche("B4", "4", "chiffre", chiffre(1, 0), &Machine::B4_Click);
    B5 = touche("B5", "5", "chiffre", chiffre(1, 1), &Machine::B5_Click);
    B6 = touche("B6", "6", "chiffre", chiffre(1, 2), &Machine::B6_Click);
    B1 = touche("B1", "1", "chiffre", chiffre(2, 0), &Machine::B1_Click);
    B2 = touche("B2", "2", "chiffre", chiffre(2, 1), &Machine::B2_Click);
    B3 = touche("B3", "3", "chiffre", chiffre(2, 2), &Machine::B3_Click);
    B0 = touche("B0", "0", "chiffre", chiffre(3, 0), &Machine::B0_Click);
    Bpoint = touche("Bpoint", ".", "chiffre", chiffre(3, 1), &Machine::Bpoint_Click);
    BtoEXP = touche("BtoEXP", "EXP", "chiffre", chiffre(3, 2), &Machine::BtoEXP_Click);
    BtoEXP->setStyleSheet(QStringLiteral("font-size: 9pt;"));
    BtoEXP->setToolTip(QStringLiteral("Exposant de la puissance de 10"));

    auto droiteCase = [&](int ligne, int col) { return QRectF(212 + col * 41, lignes[ligne], 37, h); };
    EFFACE = touche("EFFACE", QStringLiteral("←"), "efface", droiteCase(0, 0), &Machine::EFFACE_Click);
    RAZ = touche("RAZ", "AC", "efface", droiteCase(0, 1), &Machine::RAZ_Click);
    multip = touche("multip", "x", "operation", droiteCase(1, 0), &Machine::multip_Click);
    div = touche("div", QStringLiteral("÷"), "operation", droiteCase(1, 1), &Machine::div_Click);
    plus = touche("plus", "+", "operation", droiteCase(2, 0), &Machine::plus_Click);
    moins = touche("moins", "-", "operation", droiteCase(2, 1), &Machine::moins_Click);
    ANS = touche("ANS", "ANS", "operation", droiteCase(3, 0), &Machine::ANS_Click);
    EXE = touche("EXE", "EXE", "exe", droiteCase(3, 1), &Machine::EXE_Click);
    EFFACE->setToolTip(QStringLiteral("Effacer"));
    ANS->setStyleSheet(QStringLiteral("font-size: 9pt;"));
    ANS->setToolTip(QStringLiteral("Dernier résultat"));
}

void Machine::dessineFond(QPainter& p)
{
    // A horizontal gradient of vertical lines, from (200, 250, 250) to (50, 100, 100).
    for (int i = 0; i <= 301; ++i) {
        // c = 200 - i/2 rounded to the nearest integer, halves to even.
        int moitie = i / 2;
        if (i % 2 == 1 && moitie % 2 == 1)
            ++moitie;
        const int c = 200 - moitie;
        p.fillRect(QRectF(i, 0, 1, 431), QColor(c, c + 50, c + 50));
    }
    const QColor blanc(255, 255, 255);
    const QColor noir(0, 0, 0);
    const QColor cyan(0, 128, 128);  // colour 3 of the console palette
    auto cadre = [&p](QPointF a, QPointF b, const QColor& c) {
        p.setPen(QPen(c, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(a, b));
    };
    cadre(QPointF(1, 1), QPointF(299, 428), blanc);
    p.setPen(QPen(noir, 1));
    p.drawLine(QPointF(1, 1), QPointF(299, 1));
    p.drawLine(QPointF(1, 1), QPointF(1, 427));
    // The digit pad's box, white with a cyan outline one unit up and left: a raised look.
    cadre(QPointF(82, 290), QPointF(206, 421), blanc);
    cadre(QPointF(81, 289), QPointF(205, 420), cyan);
}

void Machine::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.scale(echelle, echelle);
    dessineFond(p);
}

namespace {

// The character a key event stands for, as the window's handler reads it.
QChar caractereDe(const QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Backspace:
        return QLatin1Char('\b');
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return QLatin1Char('\r');
    default:
        break;
    }
    if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return QChar();  // shortcuts (copy, mnemonics) keep their own meaning
    const QString t = e->text();
    return t.size() == 1 ? t[0] : QChar();
}

}  // namespace

void Machine::keyPressEvent(QKeyEvent* e)
{
    const QChar c = caractereDe(e);
    if (!c.isNull() && Form_KeyPress(c)) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);  // Escape still closes the window
}

bool Machine::eventFilter(QObject* objet, QEvent* e)
{
    if (objet == z1 && e->type() == QEvent::KeyPress) {
        const QChar c = caractereDe(static_cast<QKeyEvent*>(e));
        if (!c.isNull() && Form_KeyPress(c))
            return true;
    }
    return QDialog::eventFilter(objet, e);
}
