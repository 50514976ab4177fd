// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the set-up tests share: sample records, file helpers, a temporary folder as current
// folder, the recording desktop and the main window set up by hand.

#include "config/configuration.h"
#include "config/enregistrer.h"
#include "config/ouvrir.h"
#include "core/enregistrements.h"
#include "core/module1.h"
#include "platform/plateforme_factice.h"
#include "scene/feuillep.h"
#include "widgets/dirlistbox.h"
#include "widgets/drivelistbox.h"
#include "widgets/filelistbox.h"
#include "widgets/imagecontrol.h"
#include "widgets/picturebox.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <memory>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace banc {

inline QStringList textesExemple()
{
    return {"BALTOR", " 1", " 4", " 1", " 0", " 1", "2,5", "3,0", "12,0", "-40,0", "200"};
}

inline QByteArray fichier(const QStringList& textes)
{
    return Enregistrements::ecris(textes).octets;
}

inline QStringList avec(int n, const QString& texte)
{
    QStringList t = textesExemple();
    t[n - 1] = texte;
    return t;
}

inline QByteArray contenu(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<illisible>");
}

inline bool ecrit(const QString& chemin, const QByteArray& octets)
{
    QFile f(chemin);
    return f.open(QIODevice::WriteOnly) && f.write(octets) == octets.size();
}

// What the controls show, in record order.
inline QStringList etat(const feuilleP& f)
{
    const Config::Reglages r = Config::reglagesDe(f);
    QStringList e{QString::number(r.lieu), QString::number(r.projectile)};
    for (qint16 o : r.options)
        e << QString::number(o);
    for (const QString& c : r.champs)
        e << c;
    return e;
}

}  // namespace banc

// The fixture: call prepare() from init() and termine() from cleanup().
struct BancConfig {
    std::unique_ptr<AvecPlateformeFactice> plateformeTest;
    std::unique_ptr<QTemporaryDir> dossier;
    QString dossierDepart;
    PlateformeFactice& rec() { return plateformeTest->factice; }
    QString chemin(const QString& nom) const { return QDir(dossier->path()).filePath(nom); }

    void verifieMessage(const QString& texte, const QString& titre, int style = 16)
    {
        QCOMPARE(rec().messages.size(), 1);
        QCOMPARE(rec().messages[0].texte, texte);
        QCOMPARE(rec().messages[0].titre, titre);
        QCOMPARE(rec().messages[0].style, style);
    }

    // Sets the main window up by hand, as a user would.
    static void regle(feuilleP& f)
    {
        f.Combo1->setCurrentIndex(1);
        f.Combo1_Click();
        f.Combo2->setCurrentIndex(4);
        f.Combo2_Click();
        f.Check1->setChecked(true);
        f.Check1_Click();
        f.Check2->setChecked(false);
        f.Check2_Click();
        f.Check3->setChecked(true);
        f.Check3_Click();
        f.Text1->setText("2,5");
        f.Text1_LostFocus();
        f.Text2->setText("3");
        f.Text2_LostFocus();
        f.Text3->setText("12");
        f.Text3_LostFocus();
        f.Text4->setText("-40");
        f.Text4_LostFocus();
        f.chrono->setText("200");
        f.chrono_LostFocus();
    }

    void prepare()
    {
        if (dossierDepart.isEmpty())
            dossierDepart = QDir::currentPath();
        Module1::reinitialise();
        plateformeTest = std::make_unique<AvecPlateformeFactice>();
        dossier = std::make_unique<QTemporaryDir>();
        QVERIFY(dossier->isValid());
        QDir::setCurrent(dossier->path());
    }
    void termine()
    {
        QDir::setCurrent(dossierDepart);
        plateformeTest.reset();
        dossier.reset();
    }
};
