// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Function names of the engine and fast tests for them: the steps look for names at every
// position of the text, so the test must cost next to nothing.

#include <QStringView>

namespace Module1::noms {

// The ten names of the normal form.
inline constexpr const char* fonctions[] = {"SQR", "EXP", "LON", "LOG", "SIN", "COS", "TAN", "ISI", "ICO", "ITA"};

// True when the text holds the ASCII word `mot` at position i.
inline bool en(QStringView texte, qsizetype i, const char* mot)
{
    for (qsizetype k = 0; mot[k]; ++k)
        if (i + k >= texte.size() || texte[i + k].unicode() != char16_t(mot[k]))
            return false;
    return true;
}

// The function name at position i, or nullptr.
inline const char* fonctionEn(QStringView texte, qsizetype i)
{
    if (i >= texte.size())
        return nullptr;
    switch (texte[i].unicode()) {  // every name starts with one of these letters
    case 'S': case 'E': case 'L': case 'C': case 'T': case 'I':
        break;
    default:
        return nullptr;
    }
    for (const char* nom : fonctions)
        if (en(texte, i, nom))
            return nom;
    return nullptr;
}

}  // namespace Module1::noms
