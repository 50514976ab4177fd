// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures and lists of the reader: \pict data, Word's list table, WordPad's \pn.

#include "rtf/lecteur.h"

#include <algorithm>
#include <string_view>

namespace Rtf {

namespace {

std::string_view vue(QByteArrayView v) { return {v.data(), size_t(v.size())}; }

QTextListFormat::Style styleDuNfc(int nfc, int niveau)
{
    switch (nfc) {
    case 0: return QTextListFormat::ListDecimal;
    case 1: return QTextListFormat::ListUpperRoman;
    case 2: return QTextListFormat::ListLowerRoman;
    case 3: return QTextListFormat::ListUpperAlpha;
    case 4: return QTextListFormat::ListLowerAlpha;
    case 23:
        return niveau % 3 == 0 ? QTextListFormat::ListDisc
                               : niveau % 3 == 1 ? QTextListFormat::ListCircle : QTextListFormat::ListSquare;
    case 255: return QTextListFormat::ListStyleUndefined;
    default: return QTextListFormat::ListDecimal;
    }
}

}  // namespace

void Lecteur::motImage(QByteArrayView mot, int param)
{
    const std::string_view m = vue(mot);
    if (m == "pngblip" || m == "jpegblip" || m == "emfblip" || m == "macpict")
        image_.type = QByteArray(m.data(), qsizetype(m.size()));
    else if (m == "wmetafile" || m == "dibitmap" || m == "wbitmap" || m == "pmmetafile")
        image_.type = QByteArray(m.data(), qsizetype(m.size())) + QByteArray::number(param);
    else if (m == "picw") image_.picw = std::clamp(param, 0, 1'000'000);
    else if (m == "pich") image_.pich = std::clamp(param, 0, 1'000'000);
    else if (m == "picwgoal") image_.picwgoal = std::clamp(param, 0, 1'000'000);
    else if (m == "pichgoal") image_.pichgoal = std::clamp(param, 0, 1'000'000);
    else if (m == "picscalex") image_.echelleX = std::clamp(param, 1, 1000);
    else if (m == "picscaley") image_.echelleY = std::clamp(param, 1, 1000);
}

void Lecteur::finImage()
{
    if (image_.donnees.isEmpty() || pile_.size() < 2 || pile_[pile_.size() - 2].dest != Dest::Texte) {
        image_ = ImageRtf{};
        return;
    }
    videOctets();
    Segment s;
    s.estImage = true;
    s.car = pile_[pile_.size() - 2].car;
    s.image = ajouteImage(doc_, image_, budgetImages_);
    courant_.segments.push_back(std::move(s));
    image_ = ImageRtf{};
}

void Lecteur::motListes(QByteArrayView mot, int param)
{
    const std::string_view m = vue(mot);
    if (etat().dest == Dest::Surcharges) {
        if (m == "listid")
            listidSurcharge_ = param;
        else if (m == "ls" && surcharges_.size() < kListesMax)
            surcharges_.insert(param, listidSurcharge_);
        return;
    }
    if (m == "list") {
        if (int(listes_.size()) < kListesMax)
            listes_.push_back(ListeDef{});
    } else if (listes_.empty()) {
        return;
    } else if (m == "listlevel") {
        if (listes_.back().formats.size() < 9)
            listes_.back().formats.push_back(0);
    } else if ((m == "levelnfc" || m == "levelnfcn") && !listes_.back().formats.empty()) {
        listes_.back().formats.back() = param;
    } else if (m == "listid") {
        listes_.back().id = param;
    }
}

void Lecteur::motPn(QByteArrayView mot, int param)
{
    const std::string_view m = vue(mot);
    if (m == "pnlvlblt") pn_.genre = 1;
    else if (m == "pnlvlbody") pn_.genre = 0;
    else if (m == "pnlvlcont") pn_.genre = 2;
    else if (m == "pnlvl") { pn_.genre = 0; pn_.niveau = std::clamp(param - 1, 0, 8); }
    else if (m == "pndec" || m == "pncard" || m == "pnord" || m == "pnordt" || m == "pncardt")
        pn_.style = QTextListFormat::ListDecimal;
    else if (m == "pnucltr") pn_.style = QTextListFormat::ListUpperAlpha;
    else if (m == "pnlcltr") pn_.style = QTextListFormat::ListLowerAlpha;
    else if (m == "pnucrm") pn_.style = QTextListFormat::ListUpperRoman;
    else if (m == "pnlcrm") pn_.style = QTextListFormat::ListLowerRoman;
    else if (m == "pnstart") pn_.debut = std::clamp(param, 0, 32767);
}

void Lecteur::finPn()
{
    FormatListe l;
    if (pn_.genre != 2) {
        l.style = pn_.genre == 1 ? QTextListFormat::ListDisc : pn_.style;
        l.niveau = pn_.niveau;
        l.debut = pn_.debut;
        // WordPad lists have no number: items of the same kind in a row are one list.
        l.cle = -1 - int(l.style);
    }
    etat().par.pn = l;
}

FormatListe Lecteur::listeDe(const FormatPar& p) const
{
    if (p.ls > 0) {
        auto it = surcharges_.constFind(p.ls);
        if (it != surcharges_.constEnd()) {
            for (const ListeDef& d : listes_) {
                if (d.id != it.value() || d.formats.empty())
                    continue;
                FormatListe l;
                l.niveau = p.ilvl;
                l.cle = p.ls;
                const size_t n = std::min<size_t>(size_t(p.ilvl), d.formats.size() - 1);
                l.style = styleDuNfc(d.formats[n], p.ilvl);
                return l;
            }
        }
    }
    if (p.pn.estListe()) {
        // WordPad has one level: deeper items only show as a wider indent.
        FormatListe l = p.pn;
        if (l.niveau == 0)
            l.niveau = std::clamp(p.gauche / 720 - 1, 0, 8);
        if (l.style == QTextListFormat::ListDisc) {
            l.style = styleDuNfc(23, l.niveau);
            l.cle = -1 - int(l.style);
        }
        return l;
    }
    if (p.ls > 0) {
        FormatListe l;
        l.style = styleDuNfc(23, p.ilvl);
        l.niveau = p.ilvl;
        l.cle = p.ls;
        return l;
    }
    return {};
}

}  // namespace Rtf
