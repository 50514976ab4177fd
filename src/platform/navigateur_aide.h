// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help viewer: a set of HTML pages shipped beside the program (the help, the course),
// with a contents tree built from the pages' headings, links between pages, back and forward,
// and a search over every page.

#include <QDialog>
#include <QList>
#include <QStringList>

class QLabel;
class QLineEdit;
class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;

// The HTML document that stands for a help file name of the program's earlier versions
// ("TUVA.hlp" is the help, "Voirlecours.chm" the course); other names are kept.
QString documentAide(const QString& fichier);

// The help window's size on a screen whose free area is `disponible`.
QSize tailleAide(const QSize& disponible);

// One heading of a page: its level (1 to 3), its text and its block in the page's document.
struct TitreAide {
    int niveau = 1;
    QString texte;
    int bloc = 0;
};

struct PageAide {
    QString chemin;
    QList<TitreAide> titres;
    QString texte;  // plain text, for the search
};

// The pages reachable from a start page through local links, in reading order
// (the start page first, then each linked page in the order of the links).
QList<PageAide> pagesAide(const QString& depart);

class NavigateurAide : public QDialog {
    Q_OBJECT
public:
    // fichier: any page of a set; the contents start from the set's index.html when present.
    explicit NavigateurAide(const QString& fichier, QWidget* parent = nullptr);

    QTextBrowser* page() const { return page_; }
    QTreeWidget* sommaire() const { return sommaire_; }
    QLineEdit* recherche() const { return recherche_; }
    const QList<PageAide>& pages() const { return pages_; }
    QString pageCourante() const;

public Q_SLOTS:
    // Finds the next occurrence of the search text, in this page and then in the next pages
    // that hold it, wrapping round at the end. False when no page holds it.
    bool cherche();
    // Shows a page of the set (path) at a heading's block (-1: the top).
    void montre(const QString& chemin, int bloc = -1);

private:
    void remplitSommaire();
    void suitSommaire(QTreeWidgetItem* element);
    int indexPage(const QString& chemin) const;

    QTextBrowser* page_;
    QTreeWidget* sommaire_;
    QLineEdit* recherche_;
    QLabel* etat_;
    QList<PageAide> pages_;
};
