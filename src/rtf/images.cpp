// SPDX-License-Identifier: GPL-3.0-or-later
#include "rtf/images.h"

#include "rtf/formats.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QSize>
#include <QTextDocument>
#include <QUrl>

#include <algorithm>
#include <atomic>

namespace Rtf {

namespace {

// A hostile \picwgoal must not become a giant placeholder.
constexpr int kCoteMax = 4000;

int borne(double v) { return std::clamp(int(v + 0.5), 1, kCoteMax); }

QImage decode(const ImageRtf& image, qint64& budget)
{
    const char* format = nullptr;
    if (image.type == "pngblip")
        format = "PNG";
    else if (image.type == "jpegblip")
        format = "JPEG";
    else
        return {};
    QByteArray copie = image.donnees;
    QBuffer tampon(&copie);
    QImageReader lecteur(&tampon, format);
    const QSize taille = lecteur.size();
    const qint64 octets = qint64(taille.width()) * taille.height() * 4;
    if (!taille.isValid() || octets > budget)
        return {};
    QImage resultat;
    if (!lecteur.read(&resultat))
        return {};
    budget -= resultat.sizeInBytes();
    return resultat;
}

// Small and shared: the image format's width and height stretch it to the picture's size,
// so a thousand huge undecodable pictures cost nothing.
QImage remplacant()
{
    const QSize taille(16, 16);
    QImage img(taille, QImage::Format_RGB32);
    img.fill(QColor(0xE0, 0xE0, 0xE0));
    const QRgb bord = qRgb(0x90, 0x90, 0x90);
    for (int x = 0; x < img.width(); ++x) {
        img.setPixel(x, 0, bord);
        img.setPixel(x, img.height() - 1, bord);
    }
    for (int y = 0; y < img.height(); ++y) {
        img.setPixel(0, y, bord);
        img.setPixel(img.width() - 1, y, bord);
    }
    return img;
}

}  // namespace

QTextImageFormat ajouteImage(QTextDocument* doc, const ImageRtf& image, qint64& budget)
{
    static std::atomic<int> compteur{0};
    const QImage decodee = decode(image, budget);

    // Shown size: goal x scale, in twips; without a goal, the picture's own size.
    const double sx = std::clamp(image.echelleX, 1, 1000) / 100.0;
    const double sy = std::clamp(image.echelleY, 1, 1000) / 100.0;
    double largeur = image.picwgoal > 0 ? image.picwgoal / kTwipsParPixel : 0;
    double hauteur = image.pichgoal > 0 ? image.pichgoal / kTwipsParPixel : 0;
    if (largeur <= 0 || hauteur <= 0) {
        if (!decodee.isNull()) {
            largeur = decodee.width();
            hauteur = decodee.height();
        } else {
            largeur = 96;
            hauteur = 96;
        }
    }
    const QSize taille(borne(largeur * sx), borne(hauteur * sy));

    QString nom;
    if (decodee.isNull()) {
        nom = QStringLiteral("rtf-image-absente");
        if (doc->resource(QTextDocument::ImageResource, QUrl(nom)).isNull())
            doc->addResource(QTextDocument::ImageResource, QUrl(nom), remplacant());
    } else {
        nom = QStringLiteral("rtf-image-%1").arg(compteur.fetch_add(1) + 1);
        doc->addResource(QTextDocument::ImageResource, QUrl(nom), decodee);
    }

    QTextImageFormat f;
    f.setName(nom);
    f.setWidth(taille.width());
    f.setHeight(taille.height());
    // The writer puts back the file's own bytes, except a PNG or JPEG that does not decode:
    // LibreOffice refuses a whole file for one such picture, so the placeholder is saved.
    const bool abime = decodee.isNull() && (image.type == "pngblip" || image.type == "jpegblip");
    if (!abime) {
        f.setProperty(kProprieteImageDonnees, image.donnees);
        f.setProperty(kProprieteImageType, image.type);
        f.setProperty(kProprieteImageTaille, QSize(image.picw, image.pich));
    }
    return f;
}

}  // namespace Rtf
