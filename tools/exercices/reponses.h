// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Room to write the answers on a printed worksheet.

#include <QString>

namespace exercices {

// The statement with dotted lines under each question of the list that follows the
// "Questions" heading: two by default, <li lignes="N"> asks for N (0 for a question answered on
// the printed chronophotography or in a table). The attribute never reaches the file.
QString avecEspacesReponse(const QString& html);

}  // namespace exercices
