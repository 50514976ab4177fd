// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ecriture.h"

#include <QSaveFile>

EchecEcriture ecritACote(const QString& chemin, const QByteArray& octets)
{
    QSaveFile f(chemin);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return EchecEcriture::Creation;
    if (f.write(octets) != octets.size()) {
        f.cancelWriting();
        return EchecEcriture::Ecriture;
    }
    return f.commit() ? EchecEcriture::Aucun : EchecEcriture::Ecriture;
}
