// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The drive list: the mounted volumes a pupil can save to (the root, the home folder,
// removable media), in a drop-down list. `Drive` is the root folder of the chosen volume.

#include <QComboBox>
#include <QStringList>

class DirListBox;
class FileListBox;

class DriveListBox : public QComboBox {
    Q_OBJECT
public:
    explicit DriveListBox(const QString& nom, QWidget* parent = nullptr);

    // Root folder of the selected volume.
    QString Drive() const;
    // Selects the volume holding `chemin` (the deepest root that contains it). Emits change()
    // when the selection moves.
    void setDrive(const QString& chemin);

    // Reads the mounted volumes again, keeping the selection when it is still there.
    void refresh();
    QStringList racines() const { return racines_; }

Q_SIGNALS:
    void change();

private:
    QStringList racines_;
    bool remplit_ = false;
};

// What the three lists of a file dialog do when the drive list changes: the folder list goes to
// the drive's root; a drive that is not ready leaves it where it was and the drive list follows it
// back (without announcing that move); the file list shows the folder.
void suitLecteur(DriveListBox& lecteur, DirListBox& dossiers, FileListBox& fichiers);
