// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/fichiers_image.h"

#include "analyse/fichiers.h"
#include "graphs/pagegraphes.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <functional>

namespace {

constexpr int pointsParPoucePage = 150;

bool peintPdf(QIODevice& sortie, const QSizeF& pouces, int resolution,
              const std::function<void(QPainter&, const QSizeF&)>& peint)
{
    QPdfWriter pdf(&sortie);
    pdf.setCreator(QStringLiteral("Baltor"));
    pdf.setResolution(resolution);
    pdf.setPageSize(QPageSize(pouces, QPageSize::Inch));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter p;
    if (!p.begin(&pdf))
        return false;
    peint(p, QSizeF(pdf.width(), pdf.height()));
    return p.end();
}

}  // namespace

QString enregistrePageGraphes(const QList<QImage>& graphes, const QString& chemin)
{
    const QSizeF a4 = QPageSize(QPageSize::A4).size(QPageSize::Inch);
    const QString ext = QFileInfo(chemin).suffix().toLower();
    // The page is made in memory, then written aside and put in place.
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    bool fait = false;
    if (ext == QStringLiteral("pdf")) {
        fait = peintPdf(tampon, a4, pointsParPoucePage,
                        [&](QPainter& p, const QSizeF& page) { composePage(p, page, graphes); });
    } else if (ext == QStringLiteral("png")) {
        QImage page((a4 * pointsParPoucePage).toSize(), QImage::Format_RGB32);
        page.setDotsPerMeterX(qRound(pointsParPoucePage / 0.0254));
        page.setDotsPerMeterY(qRound(pointsParPoucePage / 0.0254));
        page.fill(Qt::white);
        QPainter p(&page);
        composePage(p, QSizeF(page.size()), graphes);
        p.end();
        fait = page.save(&tampon, "PNG");
    }
    if (!fait)
        return QStringLiteral("La page n'a pas pu être composée.");
    QString erreur;
    return analyse::enregistreOctets(chemin, octets, &erreur) ? QString() : erreur;
}
