// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Record files: a sequence of 128-byte slots, record n (from 1) at byte (n - 1) * 128, each
// holding a 16-bit little-endian length and that many bytes of Windows-1252 text (at most
// 126); the rest of the slot is padding without meaning. Configuration and exercise files
// both use it. Pure: bytes in, texts out, errors as values.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace Enregistrements {

inline constexpr int kTailleEnregistrement = 128;
inline constexpr int kLongueurMax = kTailleEnregistrement - 2;

enum class Etat {
    Ok,
    Absent,     // the file ends before the record starts
    Endommage,  // length above 126, or the file ends inside the length or the text
};

struct Enregistrement {
    Etat etat = Etat::Absent;
    QString texte;  // empty unless Ok
};

// Reads records out of a whole file held in memory; never reads outside it.
class Lecteur {
public:
    explicit Lecteur(QByteArray octets) : octets_(std::move(octets)) {}

    Enregistrement lis(int n) const;
    // Number of slots the file starts, the last one possibly short.
    int nombre() const;

private:
    QByteArray octets_;
};

enum class ErreurEcriture {
    Aucune,
    TexteTropLong,     // more than 126 bytes once encoded
    CaractereInconnu,  // a character Windows-1252 cannot hold
};

struct Ecriture {
    QByteArray octets;                          // the whole file when no error
    ErreurEcriture erreur = ErreurEcriture::Aucune;
    int enregistrement = 0;                     // the faulty record (from 1), 0 when none
    bool ok() const { return erreur == ErreurEcriture::Aucune; }
};

// The bytes of a file holding these texts, every slot padded to 128 bytes with zeros.
Ecriture ecris(const QStringList& textes);

}  // namespace Enregistrements
