// SPDX-License-Identifier: GPL-3.0-or-later
#include "outils.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>

namespace outils {

namespace {

QString nombre(double v) { return QString::number(v, 'f', 1); }

QString car(const QTextCharFormat& f, const QFont* defaut)
{
    const QString familleDefaut = defaut ? defaut->family() : QString();
    QStringList a;
    // The writer names the document's default font where the text names none.
    const QStringList familles = f.fontFamilies().toStringList();
    if (!familles.isEmpty() && familles.front() != familleDefaut)
        a << "police=" + familles.front();
    if (f.hasProperty(QTextFormat::FontPointSize) && !(defaut && f.fontPointSize() == defaut->pointSizeF()))
        a << "pt=" + nombre(f.fontPointSize());
    if (f.fontWeight() >= QFont::DemiBold)
        a << "gras";
    if (f.fontItalic())
        a << "italique";
    if (f.underlineStyle() != QTextCharFormat::NoUnderline)
        a << "souligne=" + QString::number(int(f.underlineStyle()));
    if (f.fontStrikeOut())
        a << "barre";
    if (f.fontCapitalization() != QFont::MixedCase)
        a << "casse=" + QString::number(int(f.fontCapitalization()));
    if (f.hasProperty(QTextFormat::ForegroundBrush))
        a << "couleur=" + f.foreground().color().name();
    if (f.hasProperty(QTextFormat::BackgroundBrush))
        a << "fond=" + f.background().color().name();
    if (f.verticalAlignment() == QTextCharFormat::AlignSuperScript)
        a << "exposant";
    if (f.verticalAlignment() == QTextCharFormat::AlignSubScript)
        a << "indice";
    if (f.isAnchor())
        a << "lien=" + f.anchorHref();
    return a.join(',');
}

QString bloc(const QTextBlock& b, bool sansDefauts)
{
    const QFont police = b.document()->defaultFont();
    const QFont* defaut = sansDefauts ? &police : nullptr;
    const QTextBlockFormat f = b.blockFormat();
    QStringList a;
    const int align = int(f.alignment() & Qt::AlignHorizontal_Mask);
    if (align != 0 && align != Qt::AlignLeft)
        a << "align=" + QString::number(align);
    if (QTextList* l = b.textList()) {
        a << "liste=" + QString::number(int(l->format().style())) + "/" + QString::number(l->format().indent());
    } else {
        if (f.leftMargin() != 0)
            a << "gauche=" + nombre(f.leftMargin());
        if (f.textIndent() != 0)
            a << "alinea=" + nombre(f.textIndent());
    }
    if (f.rightMargin() != 0)
        a << "droite=" + nombre(f.rightMargin());
    if (f.topMargin() != 0)
        a << "avant=" + nombre(f.topMargin());
    if (f.bottomMargin() != 0)
        a << "apres=" + nombre(f.bottomMargin());
    if (f.lineHeightType() != QTextBlockFormat::SingleHeight)
        a << "interligne=" + QString::number(f.lineHeightType()) + ":" + nombre(f.lineHeight());
    QString r = "[" + a.join(',') + "]";
    for (auto it = b.begin(); !it.atEnd(); ++it) {
        const QTextFragment fr = it.fragment();
        if (fr.charFormat().isImageFormat()) {
            const QTextImageFormat img = fr.charFormat().toImageFormat();
            r += QStringLiteral("[image %1x%2]").arg(nombre(img.width()), nombre(img.height()));
            continue;
        }
        r += "«" + fr.text() + "»{" + car(fr.charFormat(), defaut) + "}";
    }
    return r;
}

void cadre(QTextFrame* f, QStringList& lignes, bool sansDefauts)
{
    for (auto it = f->begin(); !it.atEnd(); ++it) {
        if (QTextFrame* enfant = it.currentFrame()) {
            if (auto* t = qobject_cast<QTextTable*>(enfant)) {
                lignes << QStringLiteral("[tableau %1x%2]").arg(t->rows()).arg(t->columns());
                for (int r = 0; r < t->rows(); ++r)
                    for (int c = 0; c < t->columns(); ++c) {
                        const QTextTableCell cellule = t->cellAt(r, c);
                        for (auto ci = cellule.begin(); !ci.atEnd(); ++ci)
                            if (!ci.currentFrame())
                                lignes << QStringLiteral("  (%1,%2) ").arg(r).arg(c) + bloc(ci.currentBlock(), sansDefauts);
                    }
                lignes << "[fin tableau]";
            } else {
                cadre(enfant, lignes, sansDefauts);
            }
        } else {
            lignes << bloc(it.currentBlock(), sansDefauts);
        }
    }
}

}  // namespace

QString resume(const QTextDocument& doc, bool sansDefauts)
{
    QStringList lignes;
    cadre(doc.rootFrame(), lignes, sansDefauts);
    return lignes.join('\n');
}

QString texte(const QTextDocument& doc)
{
    QStringList lignes;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        lignes << b.text();
    return lignes.join('\n');
}

QString dossierDonnees()
{
    const QString env = qEnvironmentVariable("BALTOR_TEST_DATA");
    return (env.isEmpty() ? QStringLiteral(BALTOR_SOURCE_TESTS "/data") : env) + "/rtf";
}

QByteArray lisFichier(const QString& chemin)
{
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

QStringList fichiersRtf(const QString& dossier)
{
    QStringList r;
    QDirIterator it(dossier, {"*.rtf"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        r << QDir(dossier).relativeFilePath(it.next());
    r.sort();
    return r;
}

}  // namespace outils
