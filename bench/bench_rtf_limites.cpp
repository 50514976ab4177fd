// SPDX-License-Identifier: GPL-3.0-or-later
// The longest texts the text area accepts, loaded into a shown text area (so that their layout
// counts), and the refusal of a million paragraphs.

#include "bench.h"

#include "rtf/rtf.h"

#include <QAbstractTextDocumentLayout>
#include <QElapsedTimer>
#include <QTextEdit>

namespace {

double chargeMs(const QByteArray& rtf)
{
    QTextEdit zone;
    zone.resize(600, 400);
    zone.show();
    QElapsedTimer t;
    t.start();
    Rtf::lis(rtf, zone.document());
    zone.document()->documentLayout()->documentSize();  // the whole layout, as the window needs it
    return double(t.nsecsElapsed()) / 1e6;
}

}  // namespace

BALTOR_BENCH(rtf_limites)
{
    const QByteArray paragraphes = "{\\rtf1\\ansi " + QByteArray("Ligne de texte\\par ").repeated(Rtf::kParagraphesMax) + "}";
    const QByteArray lignes = "{\\rtf1\\ansi " +
                              QByteArray("\\trowd\\cellx2000\\cellx4000\\intbl a\\cell b\\cell\\row ").repeated(
                                  Rtf::kLignesTableauMax) +
                              "}";
    const QByteArray million = "{\\rtf1 " + QByteArray("\\par ").repeated(1'000'000) + "}";
    return {{"rtf_load_max_paragraphs_ms", chargeMs(paragraphes), "ms"},
            {"rtf_load_max_table_rows_ms", chargeMs(lignes), "ms"},
            {"rtf_refuse_million_paragraphs_ms", chargeMs(million), "ms"}};
}
