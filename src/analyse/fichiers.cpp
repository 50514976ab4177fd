// SPDX-License-Identifier: GPL-3.0-or-later
#include "analyse/fichiers.h"

#include "core/ecriture.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace analyse {

bool enregistreOctets(const QString& chemin, const QByteArray& octets, QString* erreur)
{
    const EchecEcriture echec = ecritACote(chemin, octets);
    if (erreur && echec == EchecEcriture::Creation)
        *erreur = QStringLiteral("Le fichier ne peut pas être créé à cet endroit.");
    else if (erreur && echec == EchecEcriture::Ecriture)
        *erreur = QStringLiteral("L'écriture a échoué (disque plein ou protégé ?).");
    else if (erreur && echec == EchecEcriture::PasUnFichier)
        *erreur = QStringLiteral("Ce n'est pas un fichier ordinaire : il est laissé tel quel.");
    return echec == EchecEcriture::Aucun;
}

FormatImage formatDe(const QString& chemin)
{
    const QString ext = QFileInfo(chemin).suffix().toLower();
    if (ext == QLatin1String("png"))
        return FormatImage::Png;
    if (ext == QLatin1String("jpg") || ext == QLatin1String("jpeg"))
        return FormatImage::Jpeg;
    if (ext == QLatin1String("pdf"))
        return FormatImage::Pdf;
    if (ext == QLatin1String("svg"))
        return FormatImage::Svg;
    if (!ext.isEmpty() && QImageWriter::supportedImageFormats().contains(ext.toLatin1()))
        return FormatImage::Autre;
    return FormatImage::Inconnu;
}

QString cheminImage(const QString& chemin)
{
    return QFileInfo(chemin).suffix().isEmpty() ? chemin + QStringLiteral(".png") : chemin;
}

QStringList extensionsImage()
{
    QStringList resultat{QStringLiteral("png"), QStringLiteral("jpg"), QStringLiteral("jpeg"), QStringLiteral("pdf"),
                         QStringLiteral("svg")};
    for (const QByteArray& f : QImageWriter::supportedImageFormats())
        if (!resultat.contains(QString::fromLatin1(f)))
            resultat.append(QString::fromLatin1(f));
    return resultat;
}

namespace {

QByteArray png(const QImage& image)
{
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    image.save(&tampon, "PNG");
    return octets;
}

QByteArray pdf(const QImage& image)
{
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    {
        QPdfWriter ecrivain(&tampon);
        ecrivain.setPageSize(QPageSize(QPageSize::A4));
        ecrivain.setResolution(150);
        ecrivain.setTitle(QStringLiteral("Baltor"));
        ecrivain.setCreator(QStringLiteral("Baltor"));
        QPainter p(&ecrivain);
        // Natural size at 96 pixels per inch, reduced to the page when wider.
        const double facteur = 150.0 / 96.0;
        QSizeF taille = QSizeF(image.size()) * facteur;
        const QRect page = p.viewport();
        if (taille.width() > page.width())
            taille.scale(page.width(), page.height(), Qt::KeepAspectRatio);
        const QRectF cible(QPointF((page.width() - taille.width()) / 2, page.height() / 20.0), taille);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(cible, image);
    }
    return octets;
}

QByteArray svg(const QImage& image)
{
    const QByteArray l = QByteArray::number(image.width());
    const QByteArray h = QByteArray::number(image.height());
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" "
           "version=\"1.1\" width=\"" + l + "\" height=\"" + h + "\" viewBox=\"0 0 " + l + " " + h + "\">\n"
           "<title>Baltor</title>\n"
           "<image x=\"0\" y=\"0\" width=\"" + l + "\" height=\"" + h + "\" xlink:href=\"data:image/png;base64," +
           png(image).toBase64() + "\"/>\n</svg>\n";
}

}  // namespace

QByteArray octetsImage(const QImage& image, FormatImage format)
{
    switch (format) {
    case FormatImage::Jpeg: {
        QByteArray octets;
        QBuffer tampon(&octets);
        tampon.open(QIODevice::WriteOnly);
        image.convertToFormat(QImage::Format_RGB32).save(&tampon, "JPEG", 92);
        return octets;
    }
    case FormatImage::Pdf:
        return pdf(image);
    case FormatImage::Svg:
        return svg(image);
    case FormatImage::Png:
    case FormatImage::Autre:
    case FormatImage::Inconnu:
        break;
    }
    return png(image);
}

bool enregistreImage(const QImage& image, const QString& chemin, QString* erreur)
{
    const FormatImage format = formatDe(chemin);
    if (format == FormatImage::Inconnu && !QFileInfo(chemin).suffix().isEmpty()) {
        if (erreur)
            *erreur = QStringLiteral("Extensions possibles : ") + extensionsImage().join(QStringLiteral(", ")) +
                      QStringLiteral(".");
        return false;
    }
    QByteArray octets;
    if (format == FormatImage::Autre) {
        QBuffer tampon(&octets);
        tampon.open(QIODevice::WriteOnly);
        QImageWriter(&tampon, QFileInfo(chemin).suffix().toLower().toLatin1()).write(image);
    } else {
        octets = octetsImage(image, format);
    }
    if (octets.isEmpty()) {
        if (erreur)
            *erreur = QStringLiteral("L'image n'a pas pu être convertie dans ce format.");
        return false;
    }
    return enregistreOctets(chemin, octets, erreur);
}

}  // namespace analyse
