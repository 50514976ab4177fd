// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/drivelistbox.h"

#include "widgets/dirlistbox.h"
#include "widgets/filelistbox.h"

#include <QDir>
#include <QSignalBlocker>
#include <QStorageInfo>

namespace {

bool contient(const QString& racine, const QString& chemin)
{
    if (racine == QLatin1String("/") || chemin == racine)
        return chemin.startsWith(racine);
    return chemin.startsWith(racine.endsWith(u'/') ? racine : racine + u'/');
}

// Volumes a user picks from: not the system's own mounts (/proc, /sys, /run, /boot …).
bool estAmovibleOuUtilisateur(const QStorageInfo& v)
{
    const QString r = v.rootPath();
#ifdef Q_OS_WIN
    Q_UNUSED(r);
    return true;
#else
    for (const char* p : {"/media/", "/run/media/", "/mnt/", "/Volumes/"})
        if (r.startsWith(QLatin1String(p)))
            return true;
    return false;
#endif
}

}  // namespace

DriveListBox::DriveListBox(const QString& nom, QWidget* parent) : QComboBox(parent)
{
    setObjectName(nom);
    refresh();
    connect(this, &QComboBox::currentIndexChanged, this, [this] {
        if (!remplit_)
            Q_EMIT change();
    });
}

QString DriveListBox::Drive() const
{
    const int i = currentIndex();
    return i >= 0 && i < racines_.size() ? racines_[i] : QString();
}

void DriveListBox::setDrive(const QString& chemin)
{
    const QString c = QDir::cleanPath(QDir(chemin).absolutePath());
    int meilleur = -1;
    for (int i = 0; i < racines_.size(); ++i)
        if (contient(racines_[i], c) && (meilleur < 0 || racines_[i].size() > racines_[meilleur].size()))
            meilleur = i;
    if (meilleur >= 0)
        setCurrentIndex(meilleur);
}

void DriveListBox::refresh()
{
    const QString avant = Drive();
    QStringList racines;
    QStringList noms;
    auto ajoute = [&](const QString& racine, const QString& nom) {
        const QString r = QDir::cleanPath(racine);
        if (r.isEmpty() || racines.contains(r))
            return;
        racines << r;
        noms << nom;
    };
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes()) {
        if (!v.isValid() || !v.isReady())
            continue;
        if (v.isRoot())
            ajoute(v.rootPath(), QStringLiteral("%1 (système)").arg(QDir::toNativeSeparators(v.rootPath())));
        else if (estAmovibleOuUtilisateur(v)) {
            const QString nom = v.displayName() == v.rootPath() ? QDir(v.rootPath()).dirName() : v.displayName();
            ajoute(v.rootPath(), QStringLiteral("%1 (%2)").arg(nom, QDir::toNativeSeparators(v.rootPath())));
        }
    }
    ajoute(QDir::rootPath(), QDir::toNativeSeparators(QDir::rootPath()));
    ajoute(QDir::homePath(), QStringLiteral("Dossier personnel (%1)").arg(QDir::toNativeSeparators(QDir::homePath())));

    remplit_ = true;
    clear();
    racines_ = racines;
    addItems(noms);
    remplit_ = false;
    setDrive(avant.isEmpty() ? QDir::currentPath() : avant);
}

void suitLecteur(DriveListBox& lecteur, DirListBox& dossiers, FileListBox& fichiers)
{
    dossiers.setPath(lecteur.Drive());
    {
        const QSignalBlocker retour(&lecteur);
        lecteur.setDrive(dossiers.Path());
    }
    fichiers.setPath(dossiers.Path());
}
