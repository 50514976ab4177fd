// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A print that goes to a file (PDF) is written aside and replaces an existing file only once
// it is complete: a full disk or a file size limit leaves the old file as it was, and the
// user is told. A print to a real printer goes through untouched.

#include "core/ecriture.h"

#include <QString>

#include <optional>

class QPrinter;

class ImpressionFichier {
public:
    // Points the printer at a temporary file beside the one it was given.
    explicit ImpressionFichier(QPrinter& imprimante);
    // Gives the printer its file name back.
    ~ImpressionFichier();
    ImpressionFichier(const ImpressionFichier&) = delete;
    ImpressionFichier& operator=(const ImpressionFichier&) = delete;

    // Empty when printing may go on; otherwise the French message (nothing is to be printed).
    QString empechement() const;
    // After the printer's job has ended: empty on success, otherwise the French message.
    QString termine();

private:
    QString message(EchecEcriture echec) const;

    QPrinter& imprimante_;
    QString chemin_;
    std::optional<FichierACote> aCote_;
};
