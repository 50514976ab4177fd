// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes a whole file aside and puts it in place only once every byte is written (QSaveFile),
// so a failure (disk full, file size limit, protected folder) leaves an existing file as it was.
//
// The write is unbuffered: with a buffer, a short write of a small file only shows when the
// buffer is flushed at commit, and commit() still reports success, putting a truncated file in
// place of the old one.

#include <QByteArray>
#include <QString>

enum class EchecEcriture {
    Aucun,
    Creation,  // the file cannot be created there (missing or protected folder)
    Ecriture,  // the bytes could not all be written or put in place (disk full, size limit)
};

EchecEcriture ecritACote(const QString& chemin, const QByteArray& octets);
