// SPDX-License-Identifier: GPL-3.0-or-later
// The first-frame signal that baltor-bench reads: one line once the window is painted, only
// when asked for, and never again after.

#include "app/lancement.h"

#include <QTest>
#include <QWidget>

#include <cstdio>

class TstDemarrage : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void premiereImage_data()
    {
        QTest::addColumn<QByteArray>("variable");
        QTest::addColumn<QByteArray>("attendu");
        QTest::newRow("demandée") << QByteArray("1") << QByteArray("premiere-image\n");
        QTest::newRow("non demandée") << QByteArray() << QByteArray();
    }
    void premiereImage()
    {
        QFETCH(QByteArray, variable);
        QFETCH(QByteArray, attendu);
        qputenv("BALTOR_PREMIERE_IMAGE", variable);
        std::FILE* sortie = std::tmpfile();
        QVERIFY(sortie);
        {
            QWidget fenetre;
            fenetre.resize(200, 100);
            signalePremiereImage(fenetre, sortie);
            fenetre.show();
            QVERIFY(QTest::qWaitForWindowExposed(&fenetre));
            // Later frames say nothing more.
            for (int i = 0; i < 3; ++i) {
                fenetre.repaint();
                QTest::qWait(20);
            }
        }
        std::rewind(sortie);
        char tampon[64] = {};
        const size_t lu = std::fread(tampon, 1, sizeof tampon - 1, sortie);
        std::fclose(sortie);
        QCOMPARE(QByteArray(tampon, int(lu)), attendu);
    }
};

QTEST_MAIN(TstDemarrage)
#include "tst_demarrage.moc"
