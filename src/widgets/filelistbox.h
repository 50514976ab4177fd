// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The file list: the files of one folder that match a pattern ("*.P03", or several separated
// by ";"), whatever the letter case of their names. ListIndex is the highlighted row (-1
// none) and FileName its name. click() follows every change of the highlighted row, by mouse
// or keys; dblClick() a double click or Enter.

#include <QListWidget>

class FileListBox : public QListWidget {
    Q_OBJECT
public:
    explicit FileListBox(const QString& nom, QWidget* parent = nullptr);

    QString Path() const { return chemin_; }
    // Shows another folder and emits pathChange() when it differs. False, nothing changed,
    // when it is not a folder.
    bool setPath(const QString& chemin);

    QString Pattern() const { return motif_; }
    void setPattern(const QString& motif);

    int ListIndex() const { return currentRow(); }
    void setListIndex(int index);
    int ListCount() const { return count(); }
    QString List(int index) const;
    // Name of the highlighted file, empty when none.
    QString FileName() const { return List(ListIndex()); }

    // Reads the folder again.
    void refresh();

    // True when the name matches one of the pattern's parts, ignoring case.
    static bool correspond(const QString& nomFichier, const QString& motif);

Q_SIGNALS:
    void pathChange();
    void patternChange();
    void click();
    void dblClick();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;

private:
    QString chemin_;
    QString motif_ = QStringLiteral("*.*");
    bool remplit_ = false;
};
