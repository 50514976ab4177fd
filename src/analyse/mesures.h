// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window "Tableau des positions": the rows of the throw from its initial conditions, the
// flight's summary, and the buttons to copy, export, print and close. Shown modally.

#include "analyse/tableau.h"

#include <QDialog>
#include <QStringList>

class QLabel;
class QPushButton;
class QTableView;

// What the main window hands over.
struct EntreesMesures {
    analyse::Conditions conditions;
    QStringList entete;     // the place, projectile and initial conditions, as lines of text
    bool rebondit = false;  // the balloon: its bounces are not in the table
};

class mesures : public QDialog {
    Q_OBJECT
public:
    explicit mesures(const EntreesMesures& entrees, QWidget* parent = nullptr);

    const QVector<analyse::Ligne>& lignes() const { return lignes_; }
    const analyse::Resume& resume() const { return resume_; }

    QLabel* conditions = nullptr;  // the initial conditions
    QTableView* tableau = nullptr;
    QLabel* resumeVol = nullptr;   // the flight's summary
    QLabel* note = nullptr;        // what "landing" means here
    QLabel* etat = nullptr;        // the last export or copy
    QPushButton* copier = nullptr;
    QPushButton* exporter = nullptr;
    QPushButton* imprimer = nullptr;
    QPushButton* fermer = nullptr;

public Q_SLOTS:
    void copier_Click();
    void exporter_Click();
    void imprimer_Click();
    void fermer_Click();

private:
    EntreesMesures entrees_;
    QVector<analyse::Ligne> lignes_;
    analyse::Resume resume_;
};
