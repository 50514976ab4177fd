// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window "Tableau des positions": the rows of the whole flight (photographs, launch, apex,
// landing, the balloon's impacts), the flight's summary, and the buttons to copy, export,
// print and close. Shown modally.

#include "analyse/scriptpython.h"
#include "analyse/tableauvol.h"

#include <QDialog>
#include <QStringList>

class QLabel;
class QPushButton;
class QTableView;

// What the main window hands over.
struct EntreesMesures {
    analyse::Conditions conditions;
    QStringList entete;     // the place, projectile and initial conditions, as lines of text
    bool rebondit = false;  // the balloon
    analyse::Montage montage;  // the set-up's texts, for the summary and the projectile's mass
};

class mesures : public QDialog {
    Q_OBJECT
public:
    explicit mesures(const EntreesMesures& entrees, QWidget* parent = nullptr);

    const QVector<analyse::Ligne>& lignes() const { return tableau_.lignes; }
    const analyse::TableauVol& tableauVol() const { return tableau_; }
    const analyse::Resume& resume() const { return resume_; }

    QLabel* conditions = nullptr;  // the initial conditions
    QTableView* tableau = nullptr;
    QLabel* resumeVol = nullptr;   // the flight's summary
    QLabel* note = nullptr;        // what "landing" means here
    QLabel* etat = nullptr;        // the last export or copy
    QPushButton* copier = nullptr;
    QPushButton* exporter = nullptr;
    QPushButton* exporterPython = nullptr;
    QPushButton* imprimer = nullptr;
    QPushButton* fermer = nullptr;

public Q_SLOTS:
    void copier_Click();
    void exporter_Click();
    void exporterPython_Click();

public:
    // The table written to `chemin`: OpenDocument for ".ods", CSV otherwise. On failure the
    // window's message is shown and false returned.
    bool enregistreTableau(const QString& chemin);
    bool enregistrePython(const QString& chemin, analyse::VarianteScript variante);
    void imprimer_Click();
    void fermer_Click();

private:
    bool enregistre(const QString& chemin, const QByteArray& octets, const QString& quoi);

    EntreesMesures entrees_;
    analyse::TableauVol tableau_;
    analyse::Resume resume_;
};
