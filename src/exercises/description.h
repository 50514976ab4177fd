// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Exercise description files (".E03" and the getting-started "BALTOR.PEM"): record files of
// eleven texts, read without any window so the catalogue, the menu actions and the tests
// share one reader.
//
//   1 statement (RTF), 2 its configuration, 3 correction text, 4 its configuration,
//   5 difficulty (0 to 3 marks), 6 unused, 7-10 notions, 11 title
//
// File names are relative to the description's folder. A record the file does not reach
// reads as blank; a damaged one (a length beyond the slot) is reported apart, so that the
// reader of records 1-4 can refuse the file while the preview still shows what it can.

#include <QByteArray>
#include <QString>

#include <array>

namespace Exercices {

inline constexpr int nombreEnregistrements = 11;

struct DescriptionExercice {
    std::array<QString, nombreEnregistrements> textes;  // record n at index n - 1
    std::array<bool, nombreEnregistrements> abimes{};   // record n is damaged

    // Text of record n (1 to 11); blank when missing, damaged or out of range.
    QString texte(int n) const;
    bool abime(int n) const;
    // Whether the records needed by an action (first to last, inclusive) read correctly.
    bool lisible(int premier, int dernier) const;

    QString enonce() const { return texte(1); }
    QString configuration() const { return texte(2); }
    QString correction() const { return texte(3); }
    QString configurationCorrection() const { return texte(4); }
    // A correction text or a correction configuration makes the exercise corrected.
    bool corrige() const;
    // Record 5 as a number (comma or point); a text without a number counts as 0.
    double difficulte() const;
    // The non-blank records 7 to 10, each appended unchanged.
    QString notions() const;
    // Record 11, trimmed.
    QString titre() const;
    // The class level that our generator writes in record 6 ("Seconde", "Première",
    // "Terminale"), spelt as the catalogue shows it; empty for anything else, so that files
    // whose record 6 is blank or holds other data preview as they always have.
    QString classe() const;
};

// Blank: empty once leading and trailing spaces are removed.
bool estVide(const QString& texte);

// Reads a whole description file held in memory. Never fails: what cannot be read is blank.
DescriptionExercice lisDescription(const QByteArray& octets);

// Number of lit marks out of three for a difficulty: mark i is lit when difficulty > i.
int marquesAllumees(double difficulte);

}  // namespace Exercices
