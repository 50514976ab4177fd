// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/filelistbox.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QRegularExpression>

#include <filesystem>

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

namespace {

// The toolkit leaves out the files whose name is not UTF-8; they are listed all the same (as
// the system gives them, with U+FFFD for the bytes it cannot read), so that the user sees the
// file is there and, choosing it, learns why it cannot be opened.
QStringList nomsHorsUtf8(const QString& dossier)
{
    QStringList noms;
    std::error_code erreur;
    namespace fs = std::filesystem;
    for (fs::directory_iterator it(fs::path(QFile::encodeName(dossier).toStdString()), erreur), fin;
         !erreur && it != fin; it.increment(erreur)) {
        const std::string octets = it->path().filename().string();
        const QString nom = QFile::decodeName(QByteArray::fromStdString(octets));
        if (nom.startsWith(QLatin1Char('.')) || QFile::encodeName(nom).toStdString() == octets)
            continue;  // hidden, or listed already
        std::error_code e;
        if (it->is_regular_file(e))
            noms << nom;
    }
    return noms;
}

}  // namespace

void FileListBox::refresh()
{
    QStringList noms;
    const QList<QRegularExpression> expr = expressions(motif_);
    QStringList tous = QDir(chemin_).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase | QDir::LocaleAware);
    tous += nomsHorsUtf8(chemin_);
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
