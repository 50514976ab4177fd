#include "export/fichiers_image.h"

#include "graphs/pagegraphes.h"

#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <functional>

namespace {

constexpr int pointsParPoucePage = 150;

// Opens the file aside, lets `ecrit` fill it, then replaces the old file.
QString ecritAcote(const QString& chemin, const std::function<bool(QSaveFile&)>& ecrit)
{
    QSaveFile f(chemin);
    if (!f.open(QIODevice::WriteOnly))
        return QStringLiteral("impossible de créer le fichier (%1)").arg(f.errorString());
    if (!ecrit(f)) {
        f.cancelWriting();
        return QStringLiteral("l'écriture a échoué");
    }
    if (!f.commit())
        return QStringLiteral("impossible d'enregistrer le fichier (%1)").arg(f.errorString());
    return {};
}

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
    return ecritAcote(chemin, [&](QSaveFile& f) {
        if (ext == QStringLiteral("pdf"))
            return peintPdf(f, a4, pointsParPoucePage,
                            [&](QPainter& p, const QSizeF& page) { composePage(p, page, graphes); });
        if (ext == QStringLiteral("png")) {
            QImage page((a4 * pointsParPoucePage).toSize(), QImage::Format_RGB32);
            page.setDotsPerMeterX(qRound(pointsParPoucePage / 0.0254));
            page.setDotsPerMeterY(qRound(pointsParPoucePage / 0.0254));
            page.fill(Qt::white);
            QPainter p(&page);
            composePage(p, QSizeF(page.size()), graphes);
            p.end();
            return page.save(&f, "PNG");
        }
        return false;
    });
}
