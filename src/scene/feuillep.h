// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: the scene, the parameter panel, the animation and chronophotography
// controls, the exercise text area, the command row and the help line. Its methods are
// spread over several files by concern (feuillep_*.cpp).

#include "platform/plateforme.h"
#include "graphs/energiesgraphes.h"
#include "graphs/graphes.h"
#include "analyse/mesures.h"
#include "sim/animation.h"

#include <QImage>
#include <QList>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>

class ImageControl;
class MesuresScene;
class PictureBox;
class QCheckBox;
class QComboBox;
class QFocusEvent;
class QKeyEvent;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTextEdit;
class QTimer;
class QToolButton;

class feuilleP : public QWidget {
    Q_OBJECT
public:
    explicit feuilleP(QWidget* parent = nullptr);
    ~feuilleP() override;

    // --- scene ---
    PictureBox* Picture2;
    ImageControl* projectile;
    ImageControl* ombre;
    QLabel* Label1;  // "x = … m"
    QLabel* Label2;  // "date: t = … s"
    QLabel* Label4;  // "y = … m"
    QImage sauvetage;  // clean copy of the scene while it is flattened for output

    // --- parameter panel ---
    PictureBox* Picture3;
    QLabel* Label6;  // title bar " Paramètres"
    QComboBox* Combo1;  // place
    QComboBox* Combo2;  // projectile
    QLineEdit* Text1;   // x0
    QLineEdit* Text2;   // y0
    QLineEdit* Text3;   // v0
    QLineEdit* Text4;   // angle

    // --- options ---
    QFrame* Frame2;
    QLabel* Label7;     // title bar " Options"
    QCheckBox* Check1;  // "Afficher le repère"
    QCheckBox* Check3;  // "Afficher la grille"
    QCheckBox* Check2;  // "Date et coordonnées"

    // --- animation ---
    QTimer* Timer1;
    QToolButton* command15;  // start
    QToolButton* command16;  // pause
    QToolButton* command18;  // back to the initial position
    QCheckBox* speed;        // "Ralenti"
    QCheckBox* Check4;       // "Initialiser si sortie de l'écran"

    // --- chronophotography ---
    QToolButton* command12;
    QLabel* Image5;  // camera picture (hidden)
    QLabel* Image6;  // stop picture (hidden)
    QLineEdit* chrono;
    QLabel* Label5;

    // --- exercise text, help line, commands ---
    QLineEdit* fich;
    QTextEdit* supertext;
    QLabel* info;
    QPushButton* Command1;   // "&Fermer"
    QPushButton* Command7;   // "&Aide"
    QPushButton* Command9;   // "&Voir le cours"
    QPushButton* Command8;   // "&Calculatrice"
    QPushButton* Command14;  // "&Graphes"
    QPushButton* Command10;  // "&Imprimer"
    QPushButton* Command4;   // "Co&pier"
    QPushButton* Command11;  // "&Enregistrer"
    QPushButton* Command2;   // "&Ouvrir"
    QPushButton* Command13;  // "&Effacer"
    QToolButton* btexo;
    // The exercise menu, handed over by the exercise window; null again once that window is gone.
    QPointer<QMenu> optionexo;
    // Makes the exercise window, which hands over its menu, at the first press of btexo: the
    // start-up does not build a window it may never show.
    std::function<void()> prepareExercices;
    QToolButton* Image1;     // shows the parameter panel
    QToolButton* Image3;     // shows the options
    QToolButton* Image4;     // "Stop"

    // Picture lists (1-based in the description, 0-based here).
    QList<QImage> ImageList1;  // projectiles
    QList<QImage> ImageList2;  // shadows

    // The impact sound of the chosen projectile.
    std::unique_ptr<ClipSon> MMControl1;

    // Run state of the animation (chronophotography and bounce).
    sim::EtatAnimation anim;
    qint16& chronoActif = anim.chronoActif;

    // Dragging the projectile: 1 while the left button holds it, and the grab point (pixels).
    qint16 enPrise = 0;
    qint16 prisX = 0;
    qint16 prisY = 0;

    // The configuration windows behind "&Enregistrer" and "&Ouvrir", handed over by the
    // configuration subsystem, which builds on this window.
    std::function<void(feuilleP&)> dialogueEnregistrer;
    std::function<void(feuilleP&)> dialogueOuvrir;

    // Shown after a copy of the scene to the clipboard.
    QString confirmationCopie;

    // Paints the window's own background in `zone`, in the painter's scale: drawn where it is
    // shown rather than kept as an image of the whole window.
    void dessineFondFenetre(QPainter& p, const QRect& zone) const;

    // The scene's context menu `menuScene` and the measurements it draws (feuillep_mesures.cpp).
    MesuresScene* mesuresScene = nullptr;

    // The scene's scale (feuillep_echelle.cpp): every placement and drawing asks it.
    sim::Echelle echelleScene() const { return echelleScene_; }
    // A new scale: the scene is drawn again at it (the photographs and marks of the old one
    // go) and x0, y0 are kept within what it shows.
    void changeEchelleScene(sim::Echelle e);
    // The scale alone, for a loader that draws the scene again itself.
    void prendEchelleScene(sim::Echelle e);
    QMenu* menuEchelle = nullptr;  // "Échelle", in the scene's context menu

    // Air resistance, an option (feuillep_frottements.cpp): "Frottements de l'air" in the
    // scene's context menu. Changing it starts the scene afresh, as a new place does.
    bool frottements() const { return frottements_; }
    void changeFrottements(bool actifs);
    void prendFrottements(bool actifs);  // the option alone, for a loader that resets the scene itself
    QAction* frottementsAir = nullptr;

    // What the tick reads from the controls.
    sim::Reglages reglages() const;
    // What the graph window is given.
    EntreesGraphes entreesGraphes() const;
    // What the table of positions is given (feuillep_mesures.cpp).
    EntreesMesures entreesMesures() const;
    // What the velocity and energy graphs are given: the throw of the table.
    EntreesEnergies entreesEnergies() const;

public Q_SLOTS:
    void Form_Load();
    void Form_Paint();
    void Form_Activate();
    void Form_Resize();

    // Key filters: the key may be replaced or discarded (set to a null QChar).
    void Text1_KeyPress(QChar& touche);
    void Text2_KeyPress(QChar& touche);
    void Text3_KeyPress(QChar& touche);
    void Text4_KeyPress(QChar& touche);
    void chrono_KeyPress(QChar& touche);
    void Text1_LostFocus();
    void Text2_LostFocus();
    void Text3_LostFocus();
    void Text4_LostFocus();
    void chrono_LostFocus();
    void projectile_MouseMove(Qt::MouseButtons boutons, Qt::KeyboardModifiers touches, double x, double y);

    void command12_Click();

    void Image1_Click();
    void Label6_Click();
    void Image3_Click();
    void Label7_Click();
    void Image4_Click();
    void Command1_Click();
    void Command8_Click();
    void Command14_Click();
    void Command11_Click();
    void Command2_Click();
    void Command10_Click();
    void Command4_Click();
    void Command7_Click();
    void Command9_Click();
    void fich_Change();
    void btexo_Click();
    void supertext_Change();

    void Combo1_Click();
    void Combo2_Click();

    void Timer1_Timer();
    void command15_Click();
    void command16_Click();
    void command18_Click();
    void voxvoy();
    void plusbouton();
    void maj12();

    void repere();
    void miseniv();
    // "Ajuster au vol": the largest scale that shows the whole flight; false when none does.
    bool ajusteAuVol();
    void Check1_Click();
    void Check2_Click();
    void Check3_Click();

protected:
    void paintEvent(QPaintEvent* e) override;
    bool eventFilter(QObject* objet, QEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void creeControles();
    void creeScene();
    void connecteControles();
    bool toucheChamp(QObject* champ, QKeyEvent* e);
    void arreteEtRevient();
    void chargeImages();
    void photo();
    void placeImages(const sim::Placement& p);
    sim::Placement placement() const;
    void ecritAffichage(const sim::Affichage& a);
    void installeMesures();
    void mesuresPhoto();
    void mesuresTick();
    void mesuresEfface();


    void installeEchelle();
    bool toucheEchelle(QKeyEvent* e);
    void annonceEchelle(bool tient = true);
    sim::Echelle echelleScene_;

    void installeFrottements();
    void majFrottements();
    bool frottements_ = false;

    // Keyboard and screen readers (feuillep_clavier.cpp, feuillep_accessibilite.cpp).
    void prepareClavier();
    void nommeControles();
    void champQuitte(QObject* champ, QFocusEvent* e);
    void focusRecu(QWidget* w, QFocusEvent* e);
    void nommeScene(const sim::Affichage& a);
    bool quitteChamp_ = false;  // a field left for another control: the reset leaves the focus alone
    // The flight on the scene is photographed from date 0: the photographs move the balloon's
    // bounces, so the measuring tools opened after it must fly it as recorded, although the
    // recording stops with the flight.
    bool photographieDepuisZero_ = false;
    double intervalleValide_ = 150.0;  // the photograph interval as last validated (ms)
    void ordreTab();

    // Projector: the 800 x 600 content magnified to fill a larger window (feuillep_projection.cpp).
    void prepareProjection();
    void ajusteEchelle();
    QWidget* contenu_ = nullptr;
    class Projection* projection_ = nullptr;
    bool changeEchelle_ = false;  // the content moves between windows: no field is being left
};
