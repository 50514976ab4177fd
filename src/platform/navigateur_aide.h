#pragma once
// The help viewer: an HTML document shipped beside the program, with its contents (the
// document's headings) and a search field.

#include <QDialog>

class QLineEdit;
class QListWidget;
class QTextBrowser;

class NavigateurAide : public QDialog {
    Q_OBJECT
public:
    explicit NavigateurAide(const QString& fichier, QWidget* parent = nullptr);

    QTextBrowser* page() const { return page_; }
    QListWidget* sommaire() const { return sommaire_; }

public Q_SLOTS:
    // Finds the next occurrence of the search text, wrapping round at the end.
    bool cherche();

private:
    void remplitSommaire();

    QTextBrowser* page_;
    QListWidget* sommaire_;
    QLineEdit* recherche_;
};
