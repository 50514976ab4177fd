// SPDX-License-Identifier: GPL-3.0-or-later
#include "analyse/tableurods.h"

#include <QXmlStreamWriter>

#include <zip.h>

#include <memory>

namespace analyse {

namespace {

const QString ns_office = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:office:1.0");
const QString ns_table = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:table:1.0");
const QString ns_text = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:text:1.0");
const QString ns_style = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:style:1.0");
const QString ns_fo = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0");
const QString ns_number = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0");

const QByteArray typeMime = "application/vnd.oasis.opendocument.spreadsheet";

// Widths in centimetres: n, t, x, y, vx, vy, v, Ec, Epp, Em, point.
constexpr double largeurs[] = {1.2, 1.8, 1.8, 1.8, 1.8, 1.8, 1.8, 1.9, 1.9, 1.9, 2.2};

void styleColonne(QXmlStreamWriter& x, const QString& nom, double cm)
{
    x.writeStartElement(ns_style, QStringLiteral("style"));
    x.writeAttribute(ns_style, QStringLiteral("name"), nom);
    x.writeAttribute(ns_style, QStringLiteral("family"), QStringLiteral("table-column"));
    x.writeEmptyElement(ns_style, QStringLiteral("table-column-properties"));
    x.writeAttribute(ns_style, QStringLiteral("column-width"), QString::number(cm, 'f', 2) + QStringLiteral("cm"));
    x.writeEndElement();
}

void formatNombre(QXmlStreamWriter& x, const QString& nom, int decimales)
{
    x.writeStartElement(ns_number, QStringLiteral("number-style"));
    x.writeAttribute(ns_style, QStringLiteral("name"), nom);
    x.writeEmptyElement(ns_number, QStringLiteral("number"));
    x.writeAttribute(ns_number, QStringLiteral("decimal-places"), QString::number(decimales));
    x.writeAttribute(ns_number, QStringLiteral("min-integer-digits"), QStringLiteral("1"));
    x.writeEndElement();
}

void styleCellule(QXmlStreamWriter& x, const QString& nom, const QString& format, bool gras)
{
    x.writeStartElement(ns_style, QStringLiteral("style"));
    x.writeAttribute(ns_style, QStringLiteral("name"), nom);
    x.writeAttribute(ns_style, QStringLiteral("family"), QStringLiteral("table-cell"));
    if (!format.isEmpty())
        x.writeAttribute(ns_style, QStringLiteral("data-style-name"), format);
    if (gras) {
        x.writeEmptyElement(ns_style, QStringLiteral("text-properties"));
        x.writeAttribute(ns_fo, QStringLiteral("font-weight"), QStringLiteral("bold"));
    }
    x.writeEndElement();
}

void texte(QXmlStreamWriter& x, const QString& t, const QString& style = {})
{
    x.writeStartElement(ns_table, QStringLiteral("table-cell"));
    if (!style.isEmpty())
        x.writeAttribute(ns_table, QStringLiteral("style-name"), style);
    if (!t.isEmpty()) {
        x.writeAttribute(ns_office, QStringLiteral("value-type"), QStringLiteral("string"));
        x.writeTextElement(ns_text, QStringLiteral("p"), t);
    }
    x.writeEndElement();
}

// The value the table shows ("1,35"), typed as a number; the shown text kept for readers
// that do not format numbers.
void nombre(QXmlStreamWriter& x, const QString& affiche, const QString& style)
{
    if (affiche.isEmpty())
        return texte(x, affiche);
    QString valeur = affiche;
    valeur.replace(QLatin1Char(','), QLatin1Char('.'));
    x.writeStartElement(ns_table, QStringLiteral("table-cell"));
    x.writeAttribute(ns_table, QStringLiteral("style-name"), style);
    x.writeAttribute(ns_office, QStringLiteral("value-type"), QStringLiteral("float"));
    x.writeAttribute(ns_office, QStringLiteral("value"), valeur);
    x.writeTextElement(ns_text, QStringLiteral("p"), affiche);
    x.writeEndElement();
}

void ligneTexte(QXmlStreamWriter& x, const QString& t, const QString& style = {})
{
    x.writeStartElement(ns_table, QStringLiteral("table-row"));
    texte(x, t, style);
    x.writeEndElement();
}

bool ajoute(zip_t* z, const char* nom, const QByteArray& octets, bool stocke)
{
    zip_source_t* s = zip_source_buffer(z, octets.constData(), zip_uint64_t(octets.size()), 0);
    if (!s)
        return false;
    const zip_int64_t i = zip_file_add(z, nom, s, ZIP_FL_ENC_UTF_8);
    if (i < 0) {
        zip_source_free(s);
        return false;
    }
    // The mimetype comes first and uncompressed, so the file's type reads at a fixed offset.
    return zip_set_file_compression(z, zip_uint64_t(i), stocke ? ZIP_CM_STORE : ZIP_CM_DEFLATE, 0) == 0;
}

}  // namespace

QByteArray contenuOds(const TableauVol& t)
{
    QByteArray octets;
    QXmlStreamWriter x(&octets);
    x.writeStartDocument();
    x.writeNamespace(ns_office, QStringLiteral("office"));
    x.writeNamespace(ns_table, QStringLiteral("table"));
    x.writeNamespace(ns_text, QStringLiteral("text"));
    x.writeNamespace(ns_style, QStringLiteral("style"));
    x.writeNamespace(ns_fo, QStringLiteral("fo"));
    x.writeNamespace(ns_number, QStringLiteral("number"));
    x.writeStartElement(ns_office, QStringLiteral("document-content"));
    x.writeAttribute(ns_office, QStringLiteral("version"), QStringLiteral("1.2"));

    x.writeStartElement(ns_office, QStringLiteral("automatic-styles"));
    for (int i = 0; i < int(std::size(largeurs)); ++i)
        styleColonne(x, QStringLiteral("co%1").arg(i), largeurs[i]);
    formatNombre(x, QStringLiteral("N0"), 0);
    formatNombre(x, QStringLiteral("N2"), 2);
    formatNombre(x, QStringLiteral("N3"), 3);
    styleCellule(x, QStringLiteral("entier"), QStringLiteral("N0"), false);
    styleCellule(x, QStringLiteral("valeur"), QStringLiteral("N2"), false);
    styleCellule(x, QStringLiteral("date"), QStringLiteral("N3"), false);
    styleCellule(x, QStringLiteral("gras"), {}, true);
    x.writeEndElement();

    x.writeStartElement(ns_office, QStringLiteral("body"));
    x.writeStartElement(ns_office, QStringLiteral("spreadsheet"));
    x.writeStartElement(ns_table, QStringLiteral("table"));
    x.writeAttribute(ns_table, QStringLiteral("name"), QStringLiteral("Vol"));
    for (int i = 0; i < int(std::size(largeurs)); ++i) {
        x.writeEmptyElement(ns_table, QStringLiteral("table-column"));
        x.writeAttribute(ns_table, QStringLiteral("style-name"), QStringLiteral("co%1").arg(i));
    }
    for (const QString& s : t.sommaire)
        ligneTexte(x, s);
    x.writeStartElement(ns_table, QStringLiteral("table-row"));
    for (const QString& e : entetesVol())
        texte(x, e, QStringLiteral("gras"));
    x.writeEndElement();
    for (const Ligne& l : t.lignes) {
        const QStringList c = cellulesVol(l, t.masse.has_value());
        x.writeStartElement(ns_table, QStringLiteral("table-row"));
        for (int i = 0; i + 1 < c.size(); ++i)
            nombre(x, c[i], i == 0 ? QStringLiteral("entier") : i == 1 ? QStringLiteral("date") : QStringLiteral("valeur"));
        texte(x, c.last());
        x.writeEndElement();
    }
    ligneTexte(x, t.fin);
    x.writeEndDocument();
    return octets;
}

QByteArray classeurOds(const TableauVol& t)
{
    const QByteArray contenu = contenuOds(t);
    const QByteArray manifeste =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<manifest:manifest xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\" "
        "manifest:version=\"1.2\">\n"
        " <manifest:file-entry manifest:full-path=\"/\" manifest:version=\"1.2\" manifest:media-type=\"" +
        typeMime +
        "\"/>\n"
        " <manifest:file-entry manifest:full-path=\"content.xml\" manifest:media-type=\"text/xml\"/>\n"
        "</manifest:manifest>\n";

    zip_error_t erreur;
    zip_error_init(&erreur);
    zip_source_t* memoire = zip_source_buffer_create(nullptr, 0, 0, &erreur);
    zip_error_fini(&erreur);
    if (!memoire)
        return {};
    zip_source_keep(memoire);  // read back once the archive is closed
    std::unique_ptr<zip_source_t, decltype(&zip_source_free)> garde(memoire, &zip_source_free);
    zip_t* z = zip_open_from_source(memoire, ZIP_TRUNCATE, nullptr);
    if (!z)
        return {};
    if (!ajoute(z, "mimetype", typeMime, true) || !ajoute(z, "content.xml", contenu, false) ||
        !ajoute(z, "META-INF/manifest.xml", manifeste, false)) {
        zip_discard(z);
        return {};
    }
    if (zip_close(z) != 0) {
        zip_discard(z);
        return {};
    }
    QByteArray octets;
    zip_stat_t etat;
    if (zip_source_stat(memoire, &etat) != 0 || !(etat.valid & ZIP_STAT_SIZE) || zip_source_open(memoire) != 0)
        return {};
    octets.resize(qsizetype(etat.size));
    const zip_int64_t lus = zip_source_read(memoire, octets.data(), etat.size);
    zip_source_close(memoire);
    return lus == zip_int64_t(etat.size) ? octets : QByteArray();
}

}  // namespace analyse
