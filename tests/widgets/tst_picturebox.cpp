// SPDX-License-Identifier: GPL-3.0-or-later
// The picture box's drawing layer, made at the first drawing, and the magnified picture kept at
// a view's scale: each must show exactly what the box holds after any drawing.

#include "widgets/picturebox.h"

#include <QPainter>
#include <QtTest>

class TstPictureBox : public QObject {
    Q_OBJECT

    static QImage fond()
    {
        QImage image(120, 90, QImage::Format_RGB32);
        image.fill(QColor(40, 90, 160));
        return image;
    }
    static QImage pastille()
    {
        QImage image(12, 12, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setBrush(Qt::yellow);
        p.drawEllipse(1, 1, 10, 10);
        return image;
    }
    // Runs the words of `operation` in their order.
    static void dessine(PictureBox& b, const QString& operation)
    {
        for (const QString& mot : operation.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (mot == QLatin1String("ligne"))
                b.Line({10, 10}, {100, 70}, Qt::white);
            else if (mot == QLatin1String("texte")) {
                b.courant = {20, 40};
                b.Print(QStringLiteral("Baltor"));
            } else if (mot == QLatin1String("photo"))
                b.PaintPicture(pastille(), {50, 30});
            else if (mot == QLatin1String("Cls"))
                b.Cls();
            else if (mot == QLatin1String("fixe"))
                b.fixeDessin();
        }
    }
    // The largest difference of one colour of one pixel.
    static int ecart(const QImage& a, const QImage& b)
    {
        int plus = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x) {
                const QRgb u = a.pixel(x, y);
                const QRgb v = b.pixel(x, y);
                plus = std::max({plus, qAbs(qRed(u) - qRed(v)), qAbs(qGreen(u) - qGreen(v)), qAbs(qBlue(u) - qBlue(v))});
            }
        return plus;
    }
    // The box as a view magnified `f` times paints it.
    static QImage vue(PictureBox& b, qreal f)
    {
        QImage image((QSizeF(b.size()) * f).toSize(), QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter p(&image);
        p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        p.scale(f, f);
        b.render(&p);
        return image;
    }

private Q_SLOTS:
    void dessin_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<bool>("visible");  // the drawing shows in the composite
        QTest::newRow("aucune") << QString() << false;
        QTest::newRow("ligne") << "ligne" << true;
        QTest::newRow("texte") << "texte" << true;
        QTest::newRow("photo") << "photo" << true;
        QTest::newRow("ligne effacée") << "ligne Cls" << false;
        QTest::newRow("ligne fixée") << "ligne fixe" << true;
        QTest::newRow("fixée puis effacée") << "ligne fixe Cls" << true;
    }
    void dessin()
    {
        QFETCH(QString, operation);
        QFETCH(bool, visible);
        PictureBox b(QStringLiteral("b"));
        b.setTaille(fond().size());
        b.setPicture(fond());
        const double largeur = b.TextWidth(QStringLiteral("Baltor"));
        QVERIFY(largeur > 20);
        dessine(b, operation);
        QCOMPARE(b.Image() != fond(), visible);
        QCOMPARE(b.TextWidth(QStringLiteral("Baltor")), largeur);  // with or without a drawing layer
    }

    // Drawn after the magnified picture was made, the drawing shows as in a picture made anew.
    void agrandi_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<qreal>("facteur");
        QTest::newRow("ligne") << "ligne" << 2.0;
        QTest::newRow("photo") << "photo" << 1.8;
        QTest::newRow("texte") << "texte" << 2.4;
        QTest::newRow("effacée") << "ligne Cls" << 2.0;
        QTest::newRow("fixée") << "photo fixe" << 1.8;
    }
    void agrandi()
    {
        QFETCH(QString, operation);
        QFETCH(qreal, facteur);
        PictureBox suivie(QStringLiteral("suivie"));
        suivie.setTaille(fond().size());
        suivie.setPicture(fond());
        const QImage avant = vue(suivie, facteur);
        dessine(suivie, operation);
        PictureBox neuve(QStringLiteral("neuve"));
        neuve.setTaille(fond().size());
        neuve.setPicture(fond());
        dessine(neuve, operation);
        const QImage attendue = vue(neuve, facteur);
        const QImage vu = vue(suivie, facteur);
        QCOMPARE(vu.size(), attendue.size());
        // Redrawn in part, the smoothing may round a step apart: one or two levels, never a stale picture.
        QVERIFY2(ecart(vu, attendue) <= 2, qPrintable(QString::number(ecart(vu, attendue))));
        QCOMPARE(avant != attendue, operation != QLatin1String("ligne Cls"));
    }
};

QTEST_MAIN(TstPictureBox)
#include "tst_picturebox.moc"
