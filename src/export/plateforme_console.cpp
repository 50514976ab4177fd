// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/plateforme_console.h"

#include <QPrinter>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>

namespace {

class ClipMuet : public ClipSon {
public:
    void ouvre(const QString& f) override { fichier_ = f; }
    void joue() override {}
    void ferme() override {}
    QString fichier() const override { return fichier_; }

private:
    QString fichier_;
};

}  // namespace

int PlateformeConsole::msgBox(const QString& texte, int style, const QString& titre)
{
    QString ligne = titre.isEmpty() ? texte : titre + QStringLiteral(" : ") + texte;
    ligne.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    messages.append(ligne);
    QTextStream(stderr) << QStringLiteral("baltor : ") << ligne << Qt::endl;
    // Nobody answers: the first button of the box (OK or Yes).
    const int boutons = style & 7;
    return boutons == StyleMsg::OuiNon || boutons == StyleMsg::OuiNonAnnuler ? ReponseMsg::Oui : ReponseMsg::Ok;
}

std::unique_ptr<ClipSon> PlateformeConsole::nouveauClip()
{
    return std::make_unique<ClipMuet>();
}

void PlateformeConsole::termine(int)
{
    // The fatal case (a data file of the program is missing): its message is already written.
    std::fflush(stderr);
    std::exit(1);
}
