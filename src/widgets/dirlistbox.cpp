// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/dirlistbox.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QStyle>

DirListBox::DirListBox(const QString& nom, QWidget* parent) : QListWidget(parent)
{
    setObjectName(nom);
    setPath(QDir::currentPath());
    connect(this, &QListWidget::itemDoubleClicked, this, [this] { ouvreSurligne(); });
}

bool DirListBox::setPath(const QString& chemin)
{
    const QFileInfo fi(chemin);
    if (!fi.isDir() || !fi.isReadable())
        return false;
    const QString nouveau = QDir::cleanPath(fi.absoluteFilePath());
    const bool change = nouveau != chemin_;
    chemin_ = nouveau;
    refresh();
    if (change)
        Q_EMIT this->change();
    return true;
}

void DirListBox::refresh()
{
    ancetres_.clear();
    for (QDir d(chemin_);;) {
        ancetres_.prepend(d.absolutePath());
        if (d.isRoot() || !d.cdUp())
            break;
    }
    sousDossiers_ = QDir(chemin_).entryList(QDir::Dirs | QDir::NoDotAndDotDot,
                                            QDir::Name | QDir::IgnoreCase | QDir::LocaleAware);

    const QIcon ouvert = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon ferme = style()->standardIcon(QStyle::SP_DirClosedIcon);
    clear();
    for (int i = 0; i < ancetres_.size(); ++i) {
        const QString nom = i == 0 ? QDir::toNativeSeparators(ancetres_[i]) : QDir(ancetres_[i]).dirName();
        auto* item = new QListWidgetItem(ouvert, QString(i * 2, u' ') + nom, this);
        item->setToolTip(QDir::toNativeSeparators(ancetres_[i]));
    }
    const QString retrait(ancetres_.size() * 2, u' ');
    for (const QString& s : sousDossiers_)
        new QListWidgetItem(ferme, retrait + s, this);
    setCurrentRow(ancetres_.size() - 1);
}

int DirListBox::ligneDe(int index) const
{
    // -1 is the last ancestor row (the open folder), 0 the first sub-folder.
    return int(ancetres_.size()) + index;
}

int DirListBox::ListIndex() const
{
    const int r = currentRow();
    return r < 0 ? -1 : r - int(ancetres_.size());
}

void DirListBox::setListIndex(int index)
{
    const int r = ligneDe(index);
    if (r >= 0 && r < count())
        setCurrentRow(r);
}

QString DirListBox::List(int index) const
{
    const int r = ligneDe(index);
    if (r < 0 || r >= count())
        return {};
    if (r < ancetres_.size())
        return ancetres_[r];
    return QDir(chemin_).filePath(sousDossiers_[r - ancetres_.size()]);
}

void DirListBox::ouvreSurligne()
{
    const QString cible = List(ListIndex());
    if (!cible.isEmpty() && !setPath(cible))
        refresh();  // the folder vanished or is closed to us: show what is there now
}

void DirListBox::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        ouvreSurligne();
        e->accept();
        return;
    }
    QListWidget::keyPressEvent(e);
}

void DirListBox::keyboardSearch(const QString& recherche)
{
    if (recherche.isEmpty() || count() == 0)
        return;
    for (int i = 1; i <= count(); ++i) {
        const int r = (currentRow() + i) % count();
        if (item(r)->text().trimmed().startsWith(recherche, Qt::CaseInsensitive)) {
            setCurrentRow(r);
            return;
        }
    }
}
