// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The folder list: the open folder's ancestors from the root down, then its sub-folders.
// As in the classic control, ListIndex -1 is the open folder itself, -2 its parent and so
// on up to the root, and 0 … ListCount - 1 its sub-folders. A double click, or Enter, opens
// the highlighted entry.

#include <QListWidget>

class DirListBox : public QListWidget {
    Q_OBJECT
public:
    explicit DirListBox(const QString& nom, QWidget* parent = nullptr);

    QString Path() const { return chemin_; }
    // Opens a folder and emits change() when it differs from the open one. False, and
    // nothing changed, when it is not a readable folder.
    bool setPath(const QString& chemin);

    int ListIndex() const;
    void setListIndex(int index);
    int ListCount() const { return sousDossiers_.size(); }
    // Full path of an entry by its index (see above); empty out of range.
    QString List(int index) const;

    // Reads the open folder again (a folder was created or removed).
    void refresh();

    // Typing a letter goes to the next entry whose name starts with it (names are indented).
    void keyboardSearch(const QString& recherche) override;

Q_SIGNALS:
    void change();

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    int ligneDe(int index) const;
    void ouvreSurligne();

    QString chemin_;
    QStringList ancetres_;     // from the root down to the open folder, itself included
    QStringList sousDossiers_; // names
};
