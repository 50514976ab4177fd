// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/enregistrements.h"
#include "core/windows1252.h"

#include <QtTest>

using namespace Enregistrements;

Q_DECLARE_METATYPE(Enregistrements::Etat)
Q_DECLARE_METATYPE(Enregistrements::ErreurEcriture)

namespace {

// One slot: length, text, then `bourrage` bytes of padding.
QByteArray slot(const QByteArray& texte, int bourrage, char octet = '\0')
{
    QByteArray s;
    s += char(texte.size() & 0xFF);
    s += char(texte.size() >> 8);
    s += texte;
    s += QByteArray(bourrage, octet);
    return s;
}

QByteArray slotPlein(const QByteArray& texte, char octet = '\0')
{
    return slot(texte, kTailleEnregistrement - 2 - int(texte.size()), octet);
}

}  // namespace

class TstEnregistrements : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void lecture_data()
    {
        QTest::addColumn<QByteArray>("fichier");
        QTest::addColumn<int>("n");
        QTest::addColumn<Etat>("etat");
        QTest::addColumn<QString>("texte");

        const QByteArray deux = slotPlein("BALTOR") + slotPlein(" 2");
        QTest::newRow("premier") << deux << 1 << Etat::Ok << "BALTOR";
        QTest::newRow("second") << deux << 2 << Etat::Ok << " 2";
        QTest::newRow("après la fin") << deux << 3 << Etat::Absent << "";
        QTest::newRow("zéro") << deux << 0 << Etat::Absent << "";
        QTest::newRow("fichier vide") << QByteArray() << 1 << Etat::Absent << "";
        QTest::newRow("bourrage quelconque ignoré")
            << slotPlein("BALTOR", '\xFF') + slotPlein("abc", 'Z') << 2 << Etat::Ok << "abc";
        QTest::newRow("dernier enregistrement court") << deux + slot("14,0", 0) << 3 << Etat::Ok << "14,0";
        QTest::newRow("texte vide court") << deux + slot("", 0) << 3 << Etat::Ok << "";
        QTest::newRow("texte de 126 octets") << slot(QByteArray(126, 'a'), 0) << 1 << Etat::Ok
                                             << QString(126, u'a');
        QTest::newRow("longueur 127") << QByteArray("\x7F\x00", 2) + QByteArray(200, 'a') << 1
                                      << Etat::Endommage << "";
        QTest::newRow("longueur 65535 sans lire au-delà")
            << deux + QByteArray("\xFF\xFF", 2) + QByteArray(126, 'a') << 3 << Etat::Endommage << "";
        QTest::newRow("texte coupé par la fin") << deux + slot("14,0", 0).left(4) << 3 << Etat::Endommage << "";
        QTest::newRow("longueur coupée") << deux + QByteArray(1, '\x04') << 3 << Etat::Endommage << "";
        QTest::newRow("petit-boutiste") << slot(QByteArray(1, 'x'), 125) << 1 << Etat::Ok << "x";
        QTest::newRow("windows-1252") << slotPlein("\xE9\x9C\x80\x92") << 1 << Etat::Ok << u"éœ€’"_qs;
        QTest::newRow("octets indéfinis")
            << slotPlein("\x81\x8D\x8F\x90\x9D") << 1 << Etat::Ok << u"\u0081\u008D\u008F\u0090\u009D"_qs;
    }
    void lecture()
    {
        QFETCH(QByteArray, fichier);
        QFETCH(int, n);
        QFETCH(Etat, etat);
        QFETCH(QString, texte);
        const Enregistrement e = Lecteur(fichier).lis(n);
        QCOMPARE(e.etat, etat);
        QCOMPARE(e.texte, texte);
    }

    void nombre()
    {
        QCOMPARE(Lecteur({}).nombre(), 0);
        QCOMPARE(Lecteur(QByteArray(128, 0)).nombre(), 1);
        QCOMPARE(Lecteur(QByteArray(129, 0)).nombre(), 2);
    }

    void ecritureDoree()
    {
        const Ecriture e = ecris({"BALTOR", " 0", u"€é"_qs, ""});
        QVERIFY(e.ok());
        QCOMPARE(e.octets.size(), 4 * 128);
        QCOMPARE(e.octets.mid(0, 8), QByteArray("\x06\x00" "BALTOR", 8));
        QCOMPARE(e.octets.mid(128, 4), QByteArray("\x02\x00 0", 4));
        QCOMPARE(e.octets.mid(256, 4), QByteArray("\x02\x00\x80\xE9", 4));
        QCOMPARE(e.octets.mid(384, 2), QByteArray("\x00\x00", 2));
        QCOMPARE(e.octets.mid(8, 120), QByteArray(120, '\0'));
    }

    void ecritureRefusee_data()
    {
        QTest::addColumn<QStringList>("textes");
        QTest::addColumn<ErreurEcriture>("erreur");
        QTest::addColumn<int>("enregistrement");
        QTest::newRow("127 octets") << QStringList{"a", QString(127, u'x')} << ErreurEcriture::TexteTropLong << 2;
        QTest::newRow("126 caractères dont un euro de 3 octets en UTF-8")
            << QStringList{QString(125, u'x') + u"€"_qs} << ErreurEcriture::Aucune << 0;
        QTest::newRow("alpha grec") << QStringList{"a", "b", u"α"_qs} << ErreurEcriture::CaractereInconnu << 3;
    }
    void ecritureRefusee()
    {
        QFETCH(QStringList, textes);
        QFETCH(ErreurEcriture, erreur);
        QFETCH(int, enregistrement);
        const Ecriture e = ecris(textes);
        QCOMPARE(e.erreur, erreur);
        QCOMPARE(e.enregistrement, enregistrement);
        QCOMPARE(e.octets.isEmpty(), !e.ok());
    }

    // Every byte string of a field reads back and writes out unchanged.
    void allerRetourDeTousLesOctets()
    {
        QByteArray tous;
        for (int o = 1; o < 256; ++o)
            tous += char(o);
        QStringList textes;
        for (int i = 0; i < tous.size(); i += 100)
            textes << Windows1252::decode(tous.mid(i, 100));
        const Ecriture e = ecris(textes);
        QVERIFY(e.ok());
        const Lecteur l(e.octets);
        QByteArray relu;
        for (int n = 1; n <= textes.size(); ++n) {
            const Enregistrement r = l.lis(n);
            QCOMPARE(r.etat, Etat::Ok);
            relu += Windows1252::encode(r.texte).value();
        }
        QCOMPARE(relu, tous);
    }
};


QTEST_APPLESS_MAIN(TstEnregistrements)
#include "tst_enregistrements.moc"
