// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The calculator window: keys build an expression text, EXE evaluates it with the engine and
// shows the result or an error text in the display z1. The memory lives in Module1 and
// outlives the window.

#include <QDialog>
#include <QString>

class QButtonGroup;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPainter;
class QPushButton;
class QRadioButton;

class Machine : public QDialog {
    Q_OBJECT
public:
    explicit Machine(QWidget* parent = nullptr);

    // Drawing units of the window: the background is drawn in a 300 x 430 frame, scaled.
    static constexpr double largeurUnites = 300.0;
    static constexpr double hauteurUnites = 430.0;
    static constexpr double echelle = 1.25;

    // The window's state, read by tests.
    QString expression() const { return expr_; }
    QString derniereReponse() const { return reponse_; }
    qint16 codeResultat() const { return code_; }

    // Draws the background (gradient and boxes) in drawing units.
    static void dessineFond(QPainter& p);

    // The display and its keys.
    QLineEdit* z1 = nullptr;
    QLabel* indicateurMemoire = nullptr;
    QPushButton *B0 = nullptr, *B1 = nullptr, *B2 = nullptr, *B3 = nullptr, *B4 = nullptr, *B5 = nullptr,
                *B6 = nullptr, *B7 = nullptr, *B8 = nullptr, *B9 = nullptr;
    QPushButton *Bpoint = nullptr, *BtoEXP = nullptr;
    QPushButton *kilo = nullptr, *mega = nullptr, *giga = nullptr, *tera = nullptr;
    QPushButton *mil = nullptr, *micro = nullptr, *nano = nullptr, *pico = nullptr;
    QPushButton *multip = nullptr, *div = nullptr, *puissance = nullptr, *btcarre = nullptr;
    QPushButton *Bpo = nullptr, *bpf = nullptr;
    QPushButton *bsin = nullptr, *Bcos = nullptr, *Btan = nullptr;
    QPushButton *invsin = nullptr, *invcos = nullptr, *Btoncommande3 = nullptr;
    QPushButton *Blog = nullptr, *Bln = nullptr, *Bexp = nullptr, *racine = nullptr, *B10x = nullptr,
                *Command5 = nullptr, *pi = nullptr;
    QPushButton *plus = nullptr, *moins = nullptr;
    QPushButton *Command1 = nullptr, *Command2 = nullptr, *Command3 = nullptr, *Command4 = nullptr;
    QPushButton *ANS = nullptr, *RAZ = nullptr, *EFFACE = nullptr, *EXE = nullptr;

    // Option groups: angle 0 "Radians", 1 "Degrés"; C 0 "Scientifique", 1 "Standard".
    QGroupBox* cadreAngles = nullptr;
    QGroupBox* cadreAffichage = nullptr;
    QRadioButton* angle[2] = {nullptr, nullptr};
    QRadioButton* C[2] = {nullptr, nullptr};

public Q_SLOTS:
    void B0_Click();
    void B1_Click();
    void B2_Click();
    void B3_Click();
    void B4_Click();
    void B5_Click();
    void B6_Click();
    void B7_Click();
    void B8_Click();
    void B9_Click();
    void Bpoint_Click();
    void BtoEXP_Click();
    void kilo_Click();
    void mega_Click();
    void giga_Click();
    void tera_Click();
    void mil_Click();
    void micro_Click();
    void nano_Click();
    void pico_Click();
    void multip_Click();
    void div_Click();
    void puissance_Click();
    void btcarre_Click();
    void bpf_Click();
    void Bpo_Click();
    void bsin_Click();
    void Bcos_Click();
    void Btan_Click();
    void invsin_Click();
    void invcos_Click();
    void Btoncommande3_Click();
    void Blog_Click();
    void Bln_Click();
    void Bexp_Click();
    void racine_Click();
    void B10x_Click();
    void Command5_Click();
    void pi_Click();
    void plus_Click();
    void moins_Click();
    void Command1_Click();  // M+
    void Command2_Click();  // M-
    void Command3_Click();  // RM
    void Command4_Click();  // CM
    void ANS_Click();
    void RAZ_Click();
    void EFFACE_Click();
    void C_Click(int index);
    void EXE_Click();
    // A character typed on the window or in z1 ('\b' Backspace, '\r' Enter); false when the
    // window ignores it.
    bool Form_KeyPress(QChar touche);
    void z1_Change();

protected:
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    void construitTouches();
    void nommeTouches();  // what a screen reader says of each key
    QPushButton* touche(const QString& nom, const QString& legende, const char* famille, QRectF unites,
                        void (Machine::*action)());
    void ajoute(const QString& texte);
    void ajouteFonction(const QString& texte);
    void montre(const QString& texte);
    bool scientifique() const;
    QString formateReponse(double valeur) const;
    void majIndicateurMemoire();

    QString expr_;        // what the keys have built so far
    QString reponse_;     // text of the last answer shown
    double valeurReponse_ = 0.0;
    qint16 code_ = 0;     // result code of the last evaluation
};
