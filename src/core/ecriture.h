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

#include <memory>

class QTemporaryFile;

enum class EchecEcriture {
    Aucun,
    Creation,      // the file cannot be created there (missing or protected folder)
    Ecriture,      // the bytes could not all be written or put in place (disk full, size limit)
    PasUnFichier,  // something else stands there (folder, pipe, device, link loop): left alone
};

// True when nothing stands at chemin yet or it is (a link to) an ordinary file: the only
// targets a save may replace.
bool cibleRemplacable(const QString& chemin);

EchecEcriture ecritACote(const QString& chemin, const QByteArray& octets);

// For a writer that insists on writing a file by name itself (a printer printing to a PDF
// file): it is given a temporary file beside the target; termine() checks what it wrote and
// only then puts it in place. Destroyed without termine(), the temporary file goes away.
class FichierACote {
public:
    explicit FichierACote(const QString& chemin);
    ~FichierACote();
    FichierACote(const FichierACote&) = delete;
    FichierACote& operator=(const FichierACote&) = delete;

    // Where the writer writes; empty when the target cannot be replaced or nothing can be
    // created beside it (echec() says which).
    QString cheminTemporaire() const;
    EchecEcriture echec() const { return echec_; }

    // The writer is done. A file that does not end with fin (apart from trailing blanks) is
    // incomplete: the target is left as it was.
    EchecEcriture termine(const QByteArray& fin);

private:
    QString chemin_;
    std::unique_ptr<QTemporaryFile> temporaire_;
    EchecEcriture echec_ = EchecEcriture::Aucun;
};
