// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Qt's own texts (context menus of text fields, standard buttons, print and file dialogs) in
// French, from the translations installed with Qt.

class QCoreApplication;

// Installs Qt's French translations on the application; false when they are not installed
// (Qt's texts then stay in English, the program runs the same).
bool installeTraductionsQt(QCoreApplication& application);
