// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target over the RTF reader: any bytes must load without a crash, a hang or
// a sanitizer report, and what the writer makes of the result must read back with the
// same text.

#include "rtf/rtf.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char nom[] = "fuzz_rtf";
    static char* argv[] = {nom, nullptr};
    static QGuiApplication app(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille)
{
    const QByteArray rtf(reinterpret_cast<const char*>(donnees), qsizetype(taille));
    QTextDocument doc;
    if (!Rtf::lis(rtf, &doc))
        return 0;
    const QByteArray ecrit = Rtf::ecris(doc);
    QTextDocument relu;
    if (!Rtf::lis(ecrit, &relu))
        std::abort();  // the writer made something that is not RTF
    if (relu.toPlainText() != doc.toPlainText())
        std::abort();  // text lost or changed between writer and reader
    return 0;
}
