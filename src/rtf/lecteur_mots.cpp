// SPDX-License-Identifier: GPL-3.0-or-later
// Control words of the reader, dispatched by the destination of the current group.

#include "rtf/lecteur.h"


#include <algorithm>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace Rtf {

namespace {

std::string_view vue(QByteArrayView v) { return {v.data(), size_t(v.size())}; }

// Destinations whose content is never shown. Many come without \*, so a reader that
// only skips {\* ...} would show document titles, style names or list markers.
const std::unordered_set<std::string_view>& destinationsSautees()
{
    static const std::unordered_set<std::string_view> s = {
        "stylesheet", "info", "header", "headerl", "headerr", "headerf", "footer", "footerl",
        "footerr", "footerf", "revtbl", "rsidtbl", "generator", "themedata", "colorschememapping",
        "datastore", "latentstyles", "xmlnstbl", "mmathPr", "pgdsctbl", "nonshppict", "pntext",
        "listtext", "footnote", "ftnsep", "ftnsepc", "ftncn", "aftnsep", "aftnsepc", "aftncn",
        "objdata", "objclass", "objname", "objalias", "objsect", "shp", "sp", "sn", "sv", "xe", "tc",
        "tcn", "txe", "bkmkstart", "bkmkend", "annotation", "atnid", "atnauthor", "atnref",
        "atnicn", "atndate", "atrfstart", "atrfend", "template", "docvar", "userprops", "fchars",
        "lchars", "pgptbl", "filetbl", "pntxta", "pntxtb", "pnseclvl", "nonesttables",
        "nesttableprops", "picprop", "blipuid", "falt", "panose", "fname", "comment", "title",
        "author", "operator", "keywords", "subject", "doccomm", "company", "category", "manager",
        "hlinkbase", "creatim", "revtim", "printim", "buptim", "passwordhash", "protusertbl",
        "wgrffmtfilter", "htmltag", "mhtmltag", "fontemb", "fontfile", "listpicture", "listname",
        "leveltext", "levelnumbers", "expandedcolortbl", "bkmkstart", "formfield", "ffdeftext",
        "shpinst", "shprslt", "background", "mmath", "oleclsid"};
    return s;
}

// Words of a font table entry; anything else at the table's own level means the
// table was never closed and the body has started.
const std::unordered_set<std::string_view>& motsPolices()
{
    static const std::unordered_set<std::string_view> s = {
        "f", "fnil", "froman", "fswiss", "fmodern", "fscript", "fdecor", "ftech", "fbidi",
        "fcharset", "fprq", "cpg", "fttruetype", "ftnil", "uc", "u", "upr"};
    return s;
}

bool egal(QByteArrayView a, const char* b) { return vue(a) == b; }

QString cibleDuLien(const QByteArray& instruction)
{
    const QByteArray i = instruction.trimmed();
    if (!i.startsWith("HYPERLINK"))
        return {};
    QByteArray reste = i.mid(9).trimmed();
    if (reste.startsWith('"')) {
        const qsizetype fin = reste.indexOf('"', 1);
        reste = fin < 0 ? reste.mid(1) : reste.mid(1, fin - 1);
    } else {
        const qsizetype fin = reste.indexOf(' ');
        if (fin >= 0)
            reste.truncate(fin);
    }
    return QString::fromLatin1(reste.left(2048));
}

}  // namespace

void Lecteur::mot(const Lexeme& l)
{
    Etat& e = etat();
    const bool etoile = e.etoile;
    e.etoile = false;
    if (e.dest == Dest::Saute)
        return;
    if (l.mot.isEmpty()) {
        if (etoile)
            e.dest = Dest::Saute;
        return;  // a name too long to be a control word
    }
    if (egal(l.mot, "u")) {
        unicode(l.aParam ? l.param : 0);
        return;
    }
    if (egal(l.mot, "uc")) {
        e.uc = std::clamp(l.aParam ? l.param : 1, 0, 8);
        return;
    }
    if (destination(l.mot))
        return;
    if (etoile) {
        e.dest = Dest::Saute;
        return;
    }
    switch (e.dest) {
    case Dest::Texte: motTexte(l.mot, l.aParam, l.param); break;
    case Dest::Polices:
        if (pile_.size() >= 2 && pile_[pile_.size() - 2].dest != Dest::Polices && police_.nom.isEmpty()
            && !motsPolices().contains(vue(l.mot)) && l.mot.front() != 'f') {
            // The font table was never closed: what follows is the body.
            validePolice();
            e.dest = pile_[pile_.size() - 2].dest;
            if (e.dest == Dest::Texte)
                motTexte(l.mot, l.aParam, l.param);
            break;
        }
        motPolices(l.mot, l.aParam, l.param);
        break;
    case Dest::Couleurs: {
        const int v = std::clamp(l.param, 0, 255);
        if (egal(l.mot, "red"))
            rouge_ = v, couleurDefinie_ = true;
        else if (egal(l.mot, "green"))
            vert_ = v, couleurDefinie_ = true;
        else if (egal(l.mot, "blue"))
            bleu_ = v, couleurDefinie_ = true;
        break;
    }
    case Dest::Image: motImage(l.mot, l.param); break;
    case Dest::Listes:
    case Dest::Surcharges: motListes(l.mot, l.param); break;
    case Dest::Pn: motPn(l.mot, l.param); break;
    case Dest::Upr:
    case Dest::ChampInst:
    case Dest::Saute: break;
    }
}

bool Lecteur::destination(QByteArrayView mot)
{
    Etat& e = etat();
    const std::string_view m = vue(mot);
    if (m == "ud") {
        if (e.dest == Dest::Upr)
            e.dest = e.destAvantUpr;
        else
            e.dest = Dest::Saute;
        return true;
    }
    if (destinationsSautees().contains(m)) {
        e.dest = Dest::Saute;
        return true;
    }
    if (m == "fonttbl") {
        e.dest = Dest::Polices;
        police_ = PoliceEnCours{};
    } else if (m == "colortbl") {
        e.dest = Dest::Couleurs;
    } else if (m == "pict") {
        e.dest = Dest::Image;
        image_ = ImageRtf{};
        demiOctet_ = -1;
    } else if (m == "listtable") {
        e.dest = Dest::Listes;
    } else if (m == "listoverridetable") {
        e.dest = Dest::Surcharges;
    } else if (m == "pn") {
        e.dest = e.dest == Dest::Texte ? Dest::Pn : Dest::Saute;
        pn_ = PnEnCours{};
    } else if (m == "field") {
        instruction_.clear();
    } else if (m == "fldinst") {
        e.dest = Dest::ChampInst;
    } else if (m == "fldrslt") {
        if (e.dest != Dest::Texte) {
            e.dest = Dest::Saute;  // a field result belongs in the body, nowhere else
            return true;
        }
        const QString lien = cibleDuLien(instruction_);
        if (!lien.isEmpty())
            e.car.lien = lien;
    } else if (m == "upr") {
        e.destAvantUpr = e.dest;
        e.dest = Dest::Upr;
    } else if (m != "shppict" && m != "object" && m != "result") {
        return false;
    }
    // \shppict, \object and \result hold content shown in place.
    return true;
}

void Lecteur::finCote()
{
    if (cote_.actif)
        cadre_.bordure = std::max(cadre_.bordure, cote_.trait ? (cote_.largeur > 0 ? cote_.largeur : 15) : 0);
    cote_ = {};
}

void Lecteur::motTexte(QByteArrayView mot, bool aParam, int param)
{
    Etat& e = etat();
    FormatCar& c = e.car;
    FormatPar& p = e.par;
    const std::string_view m = vue(mot);
    const bool actif = !aParam || param != 0;
    // Format changes apply from here on: text gathered so far keeps the old format.
    videOctets();

    if (m == "par" || m == "sect" || m == "page") finParagraphe(false);
    else if (m == "line") ajouteCaractere(0x2028);
    else if (m == "tab") ajouteCaractere('\t');
    else if (m == "cell") finParagraphe(true);
    else if (m == "nestcell" || m == "nestrow") { p.dansTableau = true; finParagraphe(false); }
    else if (m == "row") {
        if (!courant_.segments.empty())
            finParagraphe(true);
        constructeur_->rangee(cellx_, cadre_);
    }
    else if (m == "trowd") { cellx_.clear(); cadre_ = {}; cote_ = {}; }
    else if (m == "cellx") { finCote(); if (cellx_.size() < Constructeur::kColonnesMax) cellx_.append(param); }
    else if (m == "clbrdrt" || m == "clbrdrl" || m == "clbrdrb" || m == "clbrdrr") { finCote(); cote_.actif = true; }
    else if (m == "brdrw") cote_.largeur = std::clamp(param, 0, 255);
    else if (m == "brdrnone") cote_.trait = false;
    else if (m == "brdrt" || m == "brdrb" || m == "brdrl" || m == "brdrr" || m == "brdrbtw" || m == "brdrbar" || m == "box")
        finCote();  // a paragraph's border, not a cell's
    else if (m.substr(0, 4) == "brdr" && m != "brdrcf") cote_.trait = true;  // \brdrs, \brdrdb, \brdrdot…
    else if (m == "trpaddl") cadre_.marge = std::clamp(param, 0, 1440);
    else if (m == "clpadl" && cadre_.margeCellule < 0) cadre_.margeCellule = std::clamp(param, 0, 1440);
    else if (m == "emdash") ajouteCaractere(0x2014);
    else if (m == "endash") ajouteCaractere(0x2013);
    else if (m == "bullet") ajouteCaractere(0x2022);
    else if (m == "lquote") ajouteCaractere(0x2018);
    else if (m == "rquote") ajouteCaractere(0x2019);
    else if (m == "ldblquote") ajouteCaractere(0x201C);
    else if (m == "rdblquote") ajouteCaractere(0x201D);
    else if (m == "emspace") ajouteCaractere(0x2003);
    else if (m == "enspace") ajouteCaractere(0x2002);
    else if (m == "qmspace") ajouteCaractere(0x2005);
    else if (m == "zwj") ajouteCaractere(0x200D);
    else if (m == "zwnj") ajouteCaractere(0x200C);
    else if (m == "zwbo") ajouteCaractere(0x200B);
    else if (m == "ltrmark") ajouteCaractere(0x200E);
    else if (m == "rtlmark") ajouteCaractere(0x200F);
    // Character formats
    else if (m == "plain") { const QString lien = c.lien; c = FormatCar{}; c.lien = lien; }
    else if (m == "b") c.gras = actif;
    else if (m == "i") c.italique = actif;
    else if (m == "strike" || m == "striked") c.barre = actif;
    else if (m == "caps") c.majuscules = actif;
    else if (m == "scaps") c.petitesMajuscules = actif;
    else if (m == "v") c.cache = actif;
    else if (m == "ul" || m == "uldb" || m == "ulw" || m == "ulth")
        c.souligne = actif ? QTextCharFormat::SingleUnderline : QTextCharFormat::NoUnderline;
    else if (m == "uld") c.souligne = actif ? QTextCharFormat::DotLine : QTextCharFormat::NoUnderline;
    else if (m == "uldash") c.souligne = actif ? QTextCharFormat::DashUnderline : QTextCharFormat::NoUnderline;
    else if (m == "uldashd") c.souligne = actif ? QTextCharFormat::DashDotLine : QTextCharFormat::NoUnderline;
    else if (m == "uldashdd") c.souligne = actif ? QTextCharFormat::DashDotDotLine : QTextCharFormat::NoUnderline;
    else if (m == "ulwave") c.souligne = actif ? QTextCharFormat::WaveUnderline : QTextCharFormat::NoUnderline;
    else if (m == "ulnone") c.souligne = QTextCharFormat::NoUnderline;
    else if (m == "f") c.police = aParam ? std::max(param, 0) : 0;
    else if (m == "fs") c.taille = aParam && param > 0 ? std::min(param, 3276) : 24;
    else if (m == "cf") c.couleur = param;
    else if (m == "cb" || m == "highlight" || m == "chcbpat") c.fond = param;
    else if (m == "super") c.vertical = Vertical::Exposant;
    else if (m == "sub") c.vertical = Vertical::Indice;
    else if (m == "nosupersub") c.vertical = Vertical::Normal;
    else if (m == "up") c.vertical = actif ? Vertical::Exposant : Vertical::Normal;
    else if (m == "dn") c.vertical = actif ? Vertical::Indice : Vertical::Normal;
    // Paragraph formats
    else if (m == "pard") p = FormatPar{};
    else if (m == "ql") p.alignement = Qt::AlignLeft;
    else if (m == "qc") p.alignement = Qt::AlignHCenter;
    else if (m == "qr") p.alignement = Qt::AlignRight;
    else if (m == "qj" || m == "qd") p.alignement = Qt::AlignJustify;
    else if (m == "li" || m == "lin") p.gauche = std::clamp(param, -31680, 31680);
    else if (m == "ri" || m == "rin") p.droite = std::clamp(param, -31680, 31680);
    else if (m == "fi") p.premiereLigne = std::clamp(param, -31680, 31680);
    else if (m == "sb") p.avant = std::clamp(param, 0, 31680);
    else if (m == "sa") p.apres = std::clamp(param, 0, 31680);
    else if (m == "sl") p.interligne = std::clamp(param, -31680, 31680);
    else if (m == "slmult") p.interligneMultiple = param != 0;
    else if (m == "tx") { if (p.tabulations.size() < 64) p.tabulations.append(std::clamp(param, 0, 31680)); }
    else if (m == "intbl") p.dansTableau = actif;
    else if (m == "itap") p.dansTableau = param > 0;
    else if (m == "ls") p.ls = std::max(param, 0);
    else if (m == "ilvl") p.ilvl = std::clamp(param, 0, 8);
    // Header
    else if (m == "ansicpg") codePageDoc_ = codePageValide(param);
    else if (m == "mac") codePageDoc_ = 10000;
    else if (m == "pc") codePageDoc_ = 437;
    else if (m == "pca") codePageDoc_ = codePageValide(850);
    else if (m == "deff") { deff_ = std::max(param, 0); tables_.deff = deff_; }
}

void Lecteur::motPolices(QByteArrayView mot, bool aParam, int param)
{
    const std::string_view m = vue(mot);
    if (m == "f") {
        if (police_.numero >= 0)
            validePolice();
        police_ = PoliceEnCours{};
        police_.numero = aParam ? std::max(param, 0) : 0;
    } else if (m == "fcharset") {
        police_.charset = param;
    } else if (m == "cpg") {
        police_.cpg = codePageValide(param);
    }
}

void Lecteur::texteTable(QByteArrayView octets)
{
    for (char c : octets) {
        if (etat().dest == Dest::Couleurs) {
            if (c != ';')
                continue;
            if (tables_.couleurs.size() < kCouleursMax)
                tables_.couleurs.append(couleurDefinie_ ? QColor(rouge_, vert_, bleu_) : QColor());
            rouge_ = vert_ = bleu_ = 0;
            couleurDefinie_ = false;
        } else if (c == ';') {
            validePolice();
        } else if (police_.numero >= 0 && police_.nom.size() < 256) {
            police_.nom.append(c);
        }
    }
}

void Lecteur::validePolice()
{
    if (police_.numero < 0)
        return;
    if (tables_.polices.size() < kPolicesMax || tables_.polices.contains(police_.numero)) {
        Police p;
        const int cpCharset = police_.charset >= 0 ? codePageDuCharset(police_.charset) : 0;
        p.charset = police_.charset;
        p.nom = nomDePolice(decodeur_.decode(police_.nom, cpCharset > 0 ? cpCharset : codePageDoc_));
        p.codePage = police_.cpg > 0 ? police_.cpg : cpCharset;
        // The Symbol font has no other encoding: its bytes are glyphs whatever \fcharset says.
        if (p.nom.compare(u"Symbol", Qt::CaseInsensitive) == 0)
            p.codePage = kCodePageSymbole;
        else if (police_.charset == 2)
            p.codePage = kCodePagePrivee;
        tables_.polices.insert(police_.numero, p);
    }
    police_ = PoliceEnCours{};
}

}  // namespace Rtf
