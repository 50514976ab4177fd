// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The configuration file (.P03): 11 records, the signature "BALTOR" then the place, the
// projectile, the three display options and the five field texts; then, only when a set-up
// needs them, extra records (the scene's scale as record 12, air resistance as record 13). Pure: bytes in, values out,
// errors as values; the windows apply the values to the controls.

#include "core/enregistrements.h"
#include "sim/echelle.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <array>

namespace Config {

inline constexpr int kNombreEnregistrements = 11;
inline const QString signature = QStringLiteral("BALTOR");

// What a configuration holds, record by record (2 to 11).
struct Reglages {
    qint16 lieu = 0;                    // Combo1's list index, -1 for none
    qint16 projectile = 0;              // Combo2's list index, -1 for none
    std::array<qint16, 3> options{};    // Check1, Check2, Check3: 0 unchecked, 1 checked, 2 grey
    std::array<QString, 5> champs;      // Text1, Text2, Text3, Text4, chrono, as shown
    // Extra records: a file without them means these defaults.
    sim::Echelle echelle;               // record 12: the scene's scale ("18", "4,5")
    bool frottements = false;           // record 13: air resistance ("1")
};

// Records 2 to 6: a non-negative value gets a leading blank (" 0", " 2"), a negative one its sign.
QString texteEntier(int valeur);

// The whole file; fails on a text over 126 bytes or a character Windows-1252 lacks.
Enregistrements::Ecriture ecris(const Reglages& r);

enum class ErreurLecture {
    Aucune,
    NonValide,   // record 1 is not exactly "BALTOR" (an empty file too), or an extra record
                 // holds a value of its kind that this program cannot take: nothing is applied
    Illisible,   // a record is damaged or missing, or a value the control cannot take
};

struct Lecture {
    ErreurLecture erreur = ErreurLecture::Aucune;
    bool signatureValide = false;  // record 1 read as "BALTOR": the load has begun
    // Values of records 2, 3 … read and accepted before the failure, in order: 0 to 10.
    // They are applied even when the read fails, as the controls took them one by one.
    int valables = 0;
    Reglages reglages;  // only the first `valables` values are meaningful; the extras once all are
};

// The limits of the controls that take the list indexes.
struct Limites {
    int lieux = 3;
    int projectiles = 5;
};

Lecture lis(const QByteArray& octets, const Limites& limites = Limites{});

// Bytes a reader takes from a file: the described records and the extra ones.
qint64 tailleLue();

}  // namespace Config
