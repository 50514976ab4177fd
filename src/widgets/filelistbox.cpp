// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/filelistbox.h"

#include <QDir>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QRegularExpression>

FileListBox::FileListBox(const QString& nom, QWidget* parent) : QListWidget(parent)
{
    setObjectName(nom);
    chemin_ = QDir::currentPath();
    refresh();
    connect(this, &QListWidget::currentRowChanged, this, [this](int ligne) {
        if (!remplit_ && ligne >= 0)
            Q_EMIT click();
    });
    connect(this, &QListWidget::itemDoubleClicked, this, [this] { Q_EMIT dblClick(); });
}

namespace {

// The pattern's parts as expressions; "*.*" is every file, with or without a dot, as the
// classic control has it.
QList<QRegularExpression> expressions(const QString& motif)
{
    QList<QRegularExpression> r;
    for (const QString& partie : motif.split(u';', Qt::SkipEmptyParts)) {
        QString p = partie.trimmed();
        if (p == QLatin1String("*.*"))
            p = QStringLiteral("*");
        r << QRegularExpression(QRegularExpression::wildcardToRegularExpression(p),
                                QRegularExpression::CaseInsensitiveOption);
    }
    return r;
}

bool correspondA(const QString& nom, const QList<QRegularExpression>& expr)
{
    for (const QRegularExpression& re : expr)
        if (re.match(nom).hasMatch())
            return true;
    return false;
}

}  // namespace

bool FileListBox::correspond(const QString& nomFichier, const QString& motif)
{
    return correspondA(nomFichier, expressions(motif));
}

bool FileListBox::setPath(const QString& chemin)
{
    const QFileInfo fi(chemin);
    if (!fi.isDir())
        return false;
    const QString nouveau = QDir::cleanPath(fi.absoluteFilePath());
    const bool change = nouveau != chemin_;
    chemin_ = nouveau;
    refresh();
    if (change)
        Q_EMIT pathChange();
    return true;
}

void FileListBox::setPattern(const QString& motif)
{
    if (motif == motif_)
        return;
    motif_ = motif;
    refresh();
    Q_EMIT patternChange();
}

void FileListBox::setListIndex(int index)
{
    setCurrentRow(index >= 0 && index < count() ? index : -1);
}

QString FileListBox::List(int index) const
{
    const QListWidgetItem* i = item(index);
    return i ? i->text() : QString();
}

void FileListBox::refresh()
{
    QStringList noms;
    const QList<QRegularExpression> expr = expressions(motif_);
    const QStringList tous = QDir(chemin_).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase | QDir::LocaleAware);
    for (const QString& n : tous)
        if (correspondA(n, expr))
            noms << n;
    remplit_ = true;
    clear();
    addItems(noms);
    setCurrentRow(-1);
    remplit_ = false;
}

void FileListBox::keyPressEvent(QKeyEvent* e)
{
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && currentRow() >= 0) {
        Q_EMIT dblClick();
        e->accept();
        return;
    }
    QListWidget::keyPressEvent(e);
}

void FileListBox::focusInEvent(QFocusEvent* e)
{
    // Taking the focus is not picking a file: the item view would make the first row current
    // (a click, which the open dialog and the catalogue act upon). The arrows pick one.
    if (currentRow() >= 0) {
        QListWidget::focusInEvent(e);
        return;
    }
    remplit_ = true;
    QListWidget::focusInEvent(e);
    if (currentRow() >= 0)
        selectionModel()->clearCurrentIndex();
    remplit_ = false;
}
