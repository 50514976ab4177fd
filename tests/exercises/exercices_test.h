// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers of the exercise window tests: description, statement and configuration files
// written with the program's own writers into a temporary folder.

#include "core/enregistrements.h"
#include "rtf/rtf.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextDocument>

namespace essai {

inline bool ecrit(const QString& chemin, const QByteArray& octets)
{
    QDir().mkpath(QFileInfo(chemin).absolutePath());
    QFile f(chemin);
    return f.open(QIODevice::WriteOnly) && f.write(octets) == octets.size();
}

inline bool ecritEnregistrements(const QString& chemin, const QStringList& textes)
{
    const Enregistrements::Ecriture e = Enregistrements::ecris(textes);
    return e.ok() && ecrit(chemin, e.octets);
}

inline bool ecritRtf(const QString& chemin, const QString& texte)
{
    QTextDocument doc;
    doc.setPlainText(texte);
    return ecrit(chemin, Rtf::ecris(doc));
}

// A configuration: place, projectile, then the v0 and angle texts (other fields plain).
inline bool ecritConfiguration(const QString& chemin, int lieu, int projectile, const QString& v0,
                               const QString& angle)
{
    return ecritEnregistrements(chemin, {QStringLiteral("BALTOR"), QStringLiteral(" %1").arg(lieu),
                                         QStringLiteral(" %1").arg(projectile), QStringLiteral(" 1"),
                                         QStringLiteral(" 1"), QStringLiteral(" 0"), QStringLiteral("1,0"),
                                         QStringLiteral("0,0"), v0, angle, QStringLiteral("150")});
}

// A description: records 1 to 11.
inline bool ecritDescription(const QString& chemin, const QStringList& enregistrements)
{
    return ecritEnregistrements(chemin, enregistrements);
}

}  // namespace essai
