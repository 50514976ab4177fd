// SPDX-License-Identifier: GPL-3.0-or-later
#include "source.h"

#include "calculs.h"
#include "core/nombres.h"

#include <QRegularExpression>

#include <cmath>

namespace exercices {

namespace {

bool lisControle(const QString& valeur, Controle& c)
{
    const qsizetype egal = valeur.lastIndexOf(QLatin1Char('='));
    if (egal < 0)
        return false;
    c.expression = valeur.left(egal).trimmed();
    c.valeur = valeur.mid(egal + 1).trimmed();
    return !c.expression.isEmpty() && !c.valeur.isEmpty();
}

}  // namespace

std::optional<SourceExercice> lisSource(const QString& texte, QString* erreur)
{
    SourceExercice s;
    Montage correction;
    bool avecCorrection = false;
    bool procedure = false;
    QStringList changementsCorrection;  // applied once the whole statement set-up is known
    enum { Entete, Enonce, Correction } partie = Entete;
    const QStringList lignes = texte.split(QLatin1Char('\n'));
    const auto echec = [&](int ligne, const QString& message) {
        if (erreur)
            *erreur = QStringLiteral("%1: %2").arg(ligne).arg(message);
        return std::nullopt;
    };
    for (int i = 0; i < lignes.size(); ++i) {
        const QString ligne = lignes.at(i);
        const QString nette = ligne.trimmed();
        if (nette == QLatin1String("=== enonce ===")) {
            partie = Enonce;
            continue;
        }
        if (nette == QLatin1String("=== correction ===")) {
            partie = Correction;
            continue;
        }
        if (partie == Enonce) {
            s.htmlEnonce += ligne + QLatin1Char('\n');
            continue;
        }
        if (partie == Correction) {
            s.htmlCorrection += ligne + QLatin1Char('\n');
            continue;
        }
        if (nette.isEmpty() || nette.startsWith(QLatin1Char('#')))
            continue;
        const qsizetype deuxPoints = nette.indexOf(QLatin1Char(':'));
        if (deuxPoints < 0)
            return echec(i + 1, QStringLiteral("« clé: valeur » attendu"));
        const QString cle = nette.left(deuxPoints).trimmed();
        const QString valeur = nette.mid(deuxPoints + 1).trimmed();
        if (cle == QLatin1String("titre"))
            s.titre = valeur;
        else if (cle == QLatin1String("fichier"))
            s.fichier = valeur;
        else if (cle == QLatin1String("description"))
            s.description = valeur;
        else if (cle == QLatin1String("classe"))
            s.classe = valeur;
        else if (cle == QLatin1String("difficulte"))
            s.difficulte = valeur;
        else if (cle == QLatin1String("notions"))
            s.notions << valeur;
        else if (cle == QLatin1String("outils")) {
            static const QStringList connus = {QStringLiteral("marques"), QStringLiteral("tableau"),
                                               QStringLiteral("vecteurs"), QStringLiteral("deltav"),
                                               QStringLiteral("graphes"), QStringLiteral("python")};
            for (const QString& o : valeur.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
                if (!connus.contains(o.trimmed()))
                    return echec(i + 1, QStringLiteral("outil inconnu : %1").arg(o.trimmed()));
                s.outils << o.trimmed();
            }
        } else if (cle == QLatin1String("enonce.montage"))
            s.montageEnonce = valeur != QLatin1String("non");
        else if (cle == QLatin1String("correction.montage"))
            avecCorrection = valeur == QLatin1String("oui");
        else if (cle.startsWith(QLatin1String("correction."))) {
            avecCorrection = true;
            changementsCorrection << cle.mid(11) << valeur << QString::number(i + 1);
        } else if (cle == QLatin1String("controle") || cle == QLatin1String("controle.correction")) {
            Controle c;
            c.ligne = i + 1;
            c.correction = cle.endsWith(QLatin1String("correction"));
            if (!lisControle(valeur, c))
                return echec(i + 1, QStringLiteral("« grandeur = valeur » attendu"));
            s.controles << c;
        } else if (!s.enonce.regle(cle, valeur)) {
            return echec(i + 1, QStringLiteral("clé ou valeur inconnue : %1").arg(cle));
        } else if (cle == QLatin1String("procedure")) {
            procedure = true;
        }
    }
    if (avecCorrection) {
        correction = s.enonce;
        for (qsizetype k = 0; k + 2 < changementsCorrection.size(); k += 3)
            if (!correction.regle(changementsCorrection.at(k), changementsCorrection.at(k + 1)))
                return echec(changementsCorrection.at(k + 2).toInt(), QStringLiteral("clé ou valeur inconnue"));
        s.correction = correction;
    }
    if (s.description.isEmpty())
        s.description = s.fichier + QStringLiteral(".E03");
    s.htmlEnonce = s.htmlEnonce.trimmed();
    s.htmlCorrection = s.htmlCorrection.trimmed();
    if (s.fichier.isEmpty() || s.titre.isEmpty())
        return echec(1, QStringLiteral("« fichier » et « titre » sont obligatoires"));
    if (s.htmlEnonce.isEmpty())
        return echec(lignes.size(), QStringLiteral("énoncé vide"));
    if (!procedure)
        return echec(1, QStringLiteral("« procedure: chronophotographie » ou « procedure: animation » attendu"));
    if (s.notions.size() > 4)
        return echec(1, QStringLiteral("quatre lignes de notions au plus"));
    return s;
}

std::optional<Montage> avecChangements(const Montage& base, const QString& expression, QString* nom)
{
    Montage m = base;
    const qsizetype crochet = expression.indexOf(QLatin1Char('['));
    *nom = crochet < 0 ? expression.trimmed() : expression.left(crochet).trimmed();
    if (crochet < 0)
        return m;
    if (!expression.endsWith(QLatin1Char(']')))
        return std::nullopt;
    const QString liste = expression.mid(crochet + 1, expression.size() - crochet - 2);
    for (const QString& c : liste.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const qsizetype egal = c.indexOf(QLatin1Char('='));
        if (egal < 0 || !m.regle(c.left(egal).trimmed(), c.mid(egal + 1)))
            return std::nullopt;
    }
    return m;
}

QString verifie(const SourceExercice& s, const Controle& c)
{
    if (c.correction && !s.correction)
        return QStringLiteral("%1: pas de montage de correction").arg(c.ligne);
    QString nom;
    const std::optional<Montage> m = avecChangements(c.correction ? *s.correction : s.enonce, c.expression, &nom);
    if (!m)
        return QStringLiteral("%1: changement inconnu dans %2").arg(c.ligne).arg(c.expression);
    const qsizetype point = nom.indexOf(QLatin1Char('.'));
    if (point > 0 && !s.outils.contains(nom.left(point)))
        return QStringLiteral("%1: %2 demande « outils: %3 »").arg(c.ligne).arg(nom, nom.left(point));
    QString erreur;
    const std::optional<double> calcule = grandeur(*m, nom, &erreur);
    if (!calcule)
        return QStringLiteral("%1: %2").arg(c.ligne).arg(erreur);
    const qsizetype virgule = c.valeur.indexOf(QRegularExpression(QStringLiteral("[,.]")));
    const int decimales = virgule < 0 ? 0 : int(c.valeur.size() - virgule - 1);
    const double ecrit = Module1::lisNombre(c.valeur);
    if (std::fabs(*calcule - ecrit) <= 0.5 * std::pow(10.0, -decimales) + 1e-9)
        return QString();
    return QStringLiteral("%1: %2 vaut %3, pas %4")
        .arg(c.ligne)
        .arg(c.expression, QString::number(*calcule, 'f', decimales + 2), c.valeur);
}

}  // namespace exercices
