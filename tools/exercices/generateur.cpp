// SPDX-License-Identifier: GPL-3.0-or-later
#include "generateur.h"

#include "reponses.h"
#include "typographie.h"

#include "core/enregistrements.h"
#include "rtf/rtf.h"

#include <QRegularExpression>
#include <QSet>
#include <QTextDocument>

namespace exercices {

namespace {

// Names as the description stores them: the sub-folder with a backslash, so that the files
// read the same on every system the program runs on.
QString nomStocke(const QString& nom)
{
    return sousDossier + QLatin1Char('\\') + nom;
}

QString nomFichier(const QString& nom)
{
    return sousDossier + QLatin1Char('/') + nom;
}

const QString feuilleDeStyle = QStringLiteral(
    "body { font-family: Arial; font-size: 10pt; }"
    "h1 { font-family: Arial; font-size: 15pt; color: #0000c8; }"
    "h2 { font-family: Arial; font-size: 11pt; font-weight: bold; color: #0000c8; }"
    "p.soustitre { font-size: 10pt; font-style: italic; color: #505050; }"
    "p.nom { font-size: 10pt; color: #303030; }"
    "td { font-family: Arial; font-size: 10pt; }");

}  // namespace

Config::Reglages reglagesDe(const Montage& m)
{
    Config::Reglages r;
    r.lieu = qint16(m.lieu);
    r.projectile = qint16(m.projectile);
    r.options = {qint16(m.repere), qint16(m.dates), qint16(m.grille)};
    r.champs = {m.x0, m.y0, m.v0, m.angle, m.chrono};
    r.echelle = m.echelleScene();
    r.frottements = m.frottements;
    return r;
}

QByteArray rtfDe(const QString& titre, const QString& sousTitre, const QString& html)
{
    QTextDocument doc;
    doc.setDefaultFont(QFont(QStringLiteral("Arial"), 10));
    doc.setDefaultStyleSheet(feuilleDeStyle);
    QString entete = QStringLiteral("<h1 align=\"center\">") + titre.toHtmlEscaped() + QStringLiteral("</h1>");
    if (!sousTitre.isEmpty())
        entete += QStringLiteral("<p class=\"soustitre\" align=\"center\">") + sousTitre.toHtmlEscaped()
                  + QStringLiteral("</p>");
    doc.setHtml(QStringLiteral("<html><body>") + entete + html + QStringLiteral("</body></html>"));
    return Rtf::ecris(doc);
}

QMap<QString, QByteArray> fichiersDe(const SourceExercice& s, QString* erreur)
{
    QMap<QString, QByteArray> fichiers;
    const auto echec = [&](const QString& message) {
        if (erreur)
            *erreur = s.fichier + QStringLiteral(": ") + message;
        return QMap<QString, QByteArray>();
    };
    const auto garde = [&](const QString& nom, const Enregistrements::Ecriture& e) {
        if (!e.ok())
            return false;
        fichiers.insert(nom, e.octets);
        return true;
    };
    const auto ecris = [&](const QString& nom, const QStringList& textes) {
        return garde(nom, Enregistrements::ecris(textes));
    };

    const QString enonce = s.fichier + QStringLiteral(".rtf");
    const QString sousTitre = s.classe.isEmpty() ? QString() : QStringLiteral("Classe de ") + s.classe;
    const QString titre = typographie(s.titre);
    // A worksheet handed out on paper: the pupil's name and class under the title (the
    // getting-started text is read on screen only).
    const QString ligneNom = s.description.compare(QStringLiteral("BALTOR.PEM"), Qt::CaseInsensitive) == 0
                                 ? QString()
                                 : QStringLiteral("<p class=\"nom\">Nom : ………………………………………</p>"
                                                  "<p class=\"nom\">Classe : ……………………</p>");
    const QString texteEnonce = ligneNom.isEmpty() ? s.htmlEnonce : ligneNom + avecEspacesReponse(s.htmlEnonce);
    fichiers.insert(nomFichier(enonce), rtfDe(titre, sousTitre, typographieHtml(texteEnonce)));
    QString configuration;
    if (s.montageEnonce) {
        configuration = s.fichier + QStringLiteral(".P03");
        if (!garde(nomFichier(configuration), Config::ecris(reglagesDe(s.enonce))))
            return echec(QStringLiteral("configuration de l'énoncé impossible à écrire"));
    }
    QString correction;
    if (!s.htmlCorrection.isEmpty()) {
        correction = s.fichier + QStringLiteral("_corrige.rtf");
        fichiers.insert(nomFichier(correction), rtfDe(titre, QStringLiteral("Correction"), typographieHtml(s.htmlCorrection)));
    }
    QString configurationCorrection;
    if (s.correction) {
        configurationCorrection = s.fichier + QStringLiteral("_corrige.P03");
        if (!garde(nomFichier(configurationCorrection), Config::ecris(reglagesDe(*s.correction))))
            return echec(QStringLiteral("configuration de la correction impossible à écrire"));
    }

    QStringList notions;
    for (qsizetype i = 0; i < 4; ++i) {
        // Each notion on its own line in the preview: every piece but the last ends the line.
        const bool derniere = i + 1 >= s.notions.size();
        notions << (i < s.notions.size() ? typographie(s.notions.at(i)) + (derniere ? QString() : QStringLiteral("\r\n")) : QString());
    }
    const auto stocke = [](const QString& nom) { return nom.isEmpty() ? QString() : nomStocke(nom); };
    const QStringList description = {stocke(enonce), stocke(configuration), stocke(correction),
                                     stocke(configurationCorrection), s.difficulte, s.classe,
                                     notions.at(0), notions.at(1), notions.at(2), notions.at(3), titre};
    if (!ecris(s.description, description))
        return echec(QStringLiteral("description impossible à écrire (un texte dépasse 126 octets ?)"));
    return fichiers;
}

}  // namespace exercices

#include "calculs.h"

#include <QDir>
#include <QFile>

namespace exercices {

QList<SourceExercice> lisSources(const QString& dossier, QStringList* erreurs)
{
    QList<SourceExercice> sources;
    const QDir d(dossier);
    for (const QString& nom : d.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name)) {
        QFile f(d.filePath(nom));
        if (!f.open(QIODevice::ReadOnly)) {
            *erreurs << nom + QStringLiteral(": illisible");
            continue;
        }
        QString erreur;
        const auto s = lisSource(QString::fromUtf8(f.readAll()), &erreur);
        if (!s) {
            *erreurs << nom + QStringLiteral(":") + erreur;
            continue;
        }
        for (const QString& defaut : defautsMontage(s->enonce))
            *erreurs << nom + QStringLiteral(": énoncé: ") + defaut;
        if (s->correction)
            for (const QString& defaut : defautsMontage(*s->correction))
                *erreurs << nom + QStringLiteral(": correction: ") + defaut;
        for (const Controle& c : s->controles)
            if (const QString e = verifie(*s, c); !e.isEmpty())
                *erreurs << nom + QStringLiteral(":") + e;
        sources << *s;
    }
    return sources;
}

namespace {

// A figure as compared between a page and the list: no sign, no thousands separator.
QString figure(QString texte)
{
    texte.remove(QRegularExpression(QStringLiteral("[\\s\\x{00A0}\\x{202F}]")));
    return texte.startsWith(QLatin1Char('-')) || texte.startsWith(QChar(0x2212)) ? texte.mid(1) : texte;
}

// The figures a page quotes, as the reader sees them: numbers with decimals, and whole numbers
// followed by a unit ("150 ms", "5 000 m"); list numbers, angles and factors are left out.
QStringList figuresDeLaPage(const QString& html)
{
    QTextDocument doc;
    doc.setHtml(html);
    const QString texte = doc.toPlainText();
    static const QRegularExpression nombre(QStringLiteral(
        "(?<![\\d,.])(\\d{1,3}(?:[\\x{00A0}\\x{202F} ]\\d{3})+|\\d+)(,\\d+)?(?:[\\x{00A0}\\x{202F} ]?(ms|m/s|km/h|m|s|J|kg|N/kg|N|%)(?![\\w/]))?"));
    QStringList figures;
    for (auto it = nombre.globalMatch(texte); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.capturedLength(2) > 0 || m.capturedLength(3) > 0)
            figures << m.captured(1) + m.captured(2);
    }
    return figures;
}

}  // namespace

QStringList verifieCours(const QString& controles, const QString& dossierCours)
{
    QStringList erreurs;
    SourceExercice cours;
    cours.outils = QStringList{QStringLiteral("marques"), QStringLiteral("tableau")};
    // Per page, every figure the list accounts for: checked ones and the data of the set-ups.
    QMap<QString, QSet<QString>> listees;
    const QStringList lignes = controles.split(QLatin1Char('\n'));
    for (int i = 0; i < lignes.size(); ++i) {
        const QString ligne = lignes.at(i).trimmed();
        if (ligne.isEmpty() || ligne.startsWith(QLatin1Char('#')))
            continue;
        const qsizetype deuxPoints = ligne.indexOf(QLatin1Char(':'));
        const QString page = ligne.left(deuxPoints).trimmed();
        static const QRegularExpression donnees(QStringLiteral("^[\\w.]+:\\s*donnees\\s+(.*)$"));
        if (const QRegularExpressionMatch d = donnees.match(ligne); d.hasMatch()) {
            for (const QString& v : d.captured(1).split(QLatin1Char(';'), Qt::SkipEmptyParts))
                listees[page].insert(figure(v));
            continue;
        }
        listees[page];
        Controle c;
        c.ligne = i + 1;
        const qsizetype egal = ligne.lastIndexOf(QLatin1Char('='));
        c.expression = ligne.mid(deuxPoints + 1, egal - deuxPoints - 1).trimmed();
        c.valeur = ligne.mid(egal + 1).trimmed();
        QFile f(QDir(dossierCours).filePath(page));
        if (deuxPoints < 0 || egal < deuxPoints || !f.open(QIODevice::ReadOnly)) {
            erreurs << QStringLiteral("%1: page introuvable ou ligne illisible").arg(i + 1);
            continue;
        }
        const QString valeur = c.valeur.startsWith(QLatin1Char('-')) ? c.valeur.mid(1) : c.valeur;
        if (!QString::fromUtf8(f.readAll()).contains(valeur))
            erreurs << QStringLiteral("%1: %2 ne cite pas %3").arg(i + 1).arg(page, valeur);
        if (const QString e = verifie(cours, c); !e.isEmpty())
            erreurs << page + QStringLiteral(":") + e;
        listees[page].insert(figure(c.valeur));
    }
    // A figure written on a page and in no list has been checked by no one.
    const QStringList pages = QDir(dossierCours).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
    for (const QString& page : pages) {
        QFile f(QDir(dossierCours).filePath(page));
        if (!f.open(QIODevice::ReadOnly))
            continue;
        const QString html = QString::fromUtf8(f.readAll());
        for (const QString& v : figuresDeLaPage(html))
            if (!listees.value(page).contains(figure(v)))
                erreurs << QStringLiteral("%1 cite %2, absent de la liste des figures").arg(page, v);
        // A combining arrow lands beside its letter: the pages show the vector pictures.
        if (html.contains(QChar(0x20D7)))
            erreurs << QStringLiteral("%1 : flèche combinante (U+20D7) au lieu d'une image vecteur_*.png").arg(page);
    }
    erreurs.removeDuplicates();
    return erreurs;
}

QMap<QString, QByteArray> fichiersDeTout(const QList<SourceExercice>& sources, QStringList* erreurs)
{
    QMap<QString, QByteArray> tout;
    for (const SourceExercice& s : sources) {
        QString erreur;
        const QMap<QString, QByteArray> fichiers = fichiersDe(s, &erreur);
        if (fichiers.isEmpty())
            *erreurs << erreur;
        for (auto it = fichiers.begin(); it != fichiers.end(); ++it) {
            if (tout.contains(it.key()))
                *erreurs << s.fichier + QStringLiteral(": ") + it.key() + QStringLiteral(" existe déjà");
            tout.insert(it.key(), it.value());
        }
    }
    return tout;
}

}  // namespace exercices
