// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/navigateur_aide.h"

#include "widgets/agrandissement.h"

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QSet>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

QString documentAide(const QString& fichier)
{
    const QFileInfo info(fichier);
    const QString nom = info.fileName().toLower();
    if (nom == QStringLiteral("tuva.hlp"))
        return info.dir().filePath(QStringLiteral("aide/index.html"));
    if (nom == QStringLiteral("voirlecours.chm"))
        return info.dir().filePath(QStringLiteral("cours/index.html"));
    return fichier;
}

QSize tailleAide(const QSize& disponible)
{
    // Small screens get at most the 800 x 600 of the main window; larger ones a roomier page.
    if (disponible.width() >= 1000 && disponible.height() >= 700)
        return QSize(900, 620);
    return QSize(std::min(800, disponible.width()), std::min(600, disponible.height()));
}

namespace {

QString canonique(const QString& chemin)
{
    const QFileInfo info(chemin);
    return info.exists() ? info.canonicalFilePath() : QDir::cleanPath(info.absoluteFilePath());
}

// Local pages linked from an HTML text, in order, without their anchors.
QStringList liens(const QString& html, const QDir& dossier)
{
    static const QRegularExpression href(QStringLiteral("<a\\s[^>]*href\\s*=\\s*\"([^\"#]*)(#[^\"]*)?\""),
                                         QRegularExpression::CaseInsensitiveOption);
    QStringList resultat;
    for (auto it = href.globalMatch(html); it.hasNext();) {
        const QString cible = it.next().captured(1);
        if (cible.isEmpty() || QUrl(cible).scheme().size() > 1 || !cible.endsWith(QStringLiteral(".html")))
            continue;
        resultat.append(canonique(dossier.filePath(cible)));
    }
    return resultat;
}

PageAide litPage(const QString& chemin, QString* html)
{
    PageAide page;
    page.chemin = chemin;
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly))
        return page;
    *html = QString::fromUtf8(f.readAll());
    QTextDocument document;
    document.setHtml(*html);
    page.texte = document.toPlainText();
    for (QTextBlock b = document.begin(); b.isValid(); b = b.next()) {
        const int niveau = b.blockFormat().headingLevel();
        if (niveau >= 1 && niveau <= 3 && !b.text().trimmed().isEmpty())
            page.titres.append({niveau, b.text().trimmed(), b.blockNumber()});
    }
    return page;
}

}  // namespace

QList<PageAide> pagesAide(const QString& depart)
{
    QList<PageAide> pages;
    QSet<QString> vues;
    QStringList aLire{canonique(depart)};
    // Depth first in link order, so that the contents follow the index.
    while (!aLire.isEmpty()) {
        const QString chemin = aLire.takeFirst();
        if (vues.contains(chemin) || !QFileInfo::exists(chemin))
            continue;
        vues.insert(chemin);
        QString html;
        pages.append(litPage(chemin, &html));
        QStringList suivants;
        for (const QString& l : liens(html, QFileInfo(chemin).dir()))
            if (!vues.contains(l) && !suivants.contains(l))
                suivants.append(l);
        aLire = suivants + aLire;
    }
    return pages;
}

NavigateurAide::NavigateurAide(const QString& fichier, QWidget* parent)
    : QDialog(parent)
    , page_(new QTextBrowser(this))
    , sommaire_(new QTreeWidget(this))
    , recherche_(new QLineEdit(this))
    , etat_(new QLabel(this))
{
    setObjectName(QStringLiteral("NavigateurAide"));
    resize(tailleAide(screen() ? screen()->availableGeometry().size() : QSize(800, 600)));
    Agrandissement::suit(this);

    page_->setObjectName(QStringLiteral("page"));
    page_->setOpenExternalLinks(true);
    sommaire_->setObjectName(QStringLiteral("sommaire"));
    sommaire_->setHeaderHidden(true);
    sommaire_->setAccessibleName(QStringLiteral("Sommaire"));
    recherche_->setObjectName(QStringLiteral("recherche"));
    recherche_->setPlaceholderText(QStringLiteral("Mot à rechercher"));
    recherche_->setClearButtonEnabled(true);
    etat_->setObjectName(QStringLiteral("etat"));

    const QFileInfo info(fichier);
    const QString index = info.dir().filePath(QStringLiteral("index.html"));
    pages_ = pagesAide(QFileInfo::exists(index) ? index : fichier);

    auto* precedent = new QPushButton(QStringLiteral("&Précédent"), this);
    auto* suivant = new QPushButton(QStringLiteral("&Suivant"), this);
    auto* accueil = new QPushButton(QStringLiteral("S&ommaire"), this);
    auto* chercher = new QPushButton(QStringLiteral("&Rechercher"), this);
    auto* fermer = new QPushButton(QStringLiteral("&Fermer"), this);
    precedent->setEnabled(false);
    suivant->setEnabled(false);
    // Enter belongs to the search box and the contents: no button may take it as well (an
    // automatic default "Précédent" would undo the search it has just made).
    for (QPushButton* b : {precedent, suivant, accueil, chercher, fermer})
        b->setAutoDefault(false);

    auto* gauche = new QWidget(this);
    auto* colonne = new QVBoxLayout(gauche);
    colonne->setContentsMargins(0, 0, 0, 0);
    auto* titreSommaire = new QLabel(QStringLiteral("So&mmaire"), gauche);
    titreSommaire->setBuddy(sommaire_);
    colonne->addWidget(titreSommaire);
    colonne->addWidget(sommaire_);
    auto* titreRecherche = new QLabel(QStringLiteral("Rec&hercher :"), gauche);
    titreRecherche->setBuddy(recherche_);
    colonne->addWidget(titreRecherche);
    auto* ligne = new QHBoxLayout;
    ligne->addWidget(recherche_);
    ligne->addWidget(chercher);
    colonne->addLayout(ligne);
    colonne->addWidget(etat_);

    auto* separateur = new QSplitter(this);
    separateur->addWidget(gauche);
    separateur->addWidget(page_);
    separateur->setStretchFactor(1, 3);
    separateur->setSizes({250, 650});

    auto* haut = new QHBoxLayout;
    haut->addWidget(precedent);
    haut->addWidget(suivant);
    haut->addWidget(accueil);
    haut->addStretch();
    auto* bas = new QHBoxLayout;
    bas->addStretch();
    bas->addWidget(fermer);
    auto* tout = new QVBoxLayout(this);
    tout->addLayout(haut);
    tout->addWidget(separateur);
    tout->addLayout(bas);

    remplitSommaire();
    if (QFileInfo::exists(fichier)) {
        page_->setSource(QUrl::fromLocalFile(fichier));
    } else {
        page_->setHtml(QStringLiteral("<h2>Aide indisponible</h2><p>Le fichier %1 est introuvable.</p>")
                           .arg(fichier.toHtmlEscaped()));
    }
    const QString titre = page_->documentTitle();
    setWindowTitle(titre.isEmpty() ? QStringLiteral("Baltor - Aide") : titre);

    connect(sommaire_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* element) { suitSommaire(element); });
    connect(sommaire_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* element) { suitSommaire(element); });
    connect(recherche_, &QLineEdit::returnPressed, this, &NavigateurAide::cherche);
    connect(chercher, &QPushButton::clicked, this, &NavigateurAide::cherche);
    connect(fermer, &QPushButton::clicked, this, &QDialog::accept);
    connect(precedent, &QPushButton::clicked, page_, &QTextBrowser::backward);
    connect(suivant, &QPushButton::clicked, page_, &QTextBrowser::forward);
    connect(page_, &QTextBrowser::backwardAvailable, precedent, &QPushButton::setEnabled);
    connect(page_, &QTextBrowser::forwardAvailable, suivant, &QPushButton::setEnabled);
    // The contents follow the page shown, whether reached by a link, the search or the history.
    connect(page_, &QTextBrowser::sourceChanged, this, [this](const QUrl& adresse) {
        const int i = indexPage(adresse.toLocalFile());  // source() still names the old page here
        if (i < 0 || i >= sommaire_->topLevelItemCount())
            return;
        QTreeWidgetItem* courant = sommaire_->currentItem();
        while (courant && courant->parent())
            courant = courant->parent();
        if (courant == sommaire_->topLevelItem(i))
            return;
        const QSignalBlocker bloque(sommaire_);
        sommaire_->setCurrentItem(sommaire_->topLevelItem(i));
        sommaire_->topLevelItem(i)->setExpanded(true);
    });
    connect(accueil, &QPushButton::clicked, this, [this] {
        if (!pages_.isEmpty())
            montre(pages_.first().chemin);
    });
}

void NavigateurAide::remplitSommaire()
{
    sommaire_->clear();
    for (int p = 0; p < pages_.size(); ++p) {
        QTreeWidgetItem* racine = nullptr;
        for (const TitreAide& t : pages_[p].titres) {
            if (t.niveau == 3)
                continue;
            QTreeWidgetItem* element = (t.niveau == 1 || !racine) ? new QTreeWidgetItem(sommaire_)
                                                                  : new QTreeWidgetItem(racine);
            if (t.niveau == 1 || !racine)
                racine = element;
            element->setText(0, t.texte);
            element->setData(0, Qt::UserRole, p);
            element->setData(0, Qt::UserRole + 1, element == racine ? -1 : t.bloc);
        }
    }
    if (sommaire_->topLevelItemCount() > 0)
        sommaire_->topLevelItem(0)->setExpanded(true);
}

int NavigateurAide::indexPage(const QString& chemin) const
{
    const QString c = canonique(chemin);
    for (int i = 0; i < pages_.size(); ++i)
        if (pages_[i].chemin == c)
            return i;
    return -1;
}

QString NavigateurAide::pageCourante() const
{
    return canonique(page_->source().toLocalFile());
}

void NavigateurAide::montre(const QString& chemin, int bloc)
{
    if (pageCourante() != canonique(chemin))
        page_->setSource(QUrl::fromLocalFile(chemin));
    QTextCursor curseur(page_->document());
    if (bloc >= 0)
        curseur = QTextCursor(page_->document()->findBlockByNumber(bloc));
    page_->setTextCursor(curseur);
    // The heading at the top of the view, not just somewhere in it.
    page_->verticalScrollBar()->setValue(page_->verticalScrollBar()->maximum());
    page_->ensureCursorVisible();
}

void NavigateurAide::suitSommaire(QTreeWidgetItem* element)
{
    if (!element)
        return;
    const int p = element->data(0, Qt::UserRole).toInt();
    if (p < 0 || p >= pages_.size())
        return;
    montre(pages_[p].chemin, element->data(0, Qt::UserRole + 1).toInt());
}

bool NavigateurAide::cherche()
{
    const QString texte = recherche_->text().trimmed();
    if (texte.isEmpty())
        return false;
    etat_->clear();
    if (page_->find(texte))
        return true;
    // Next pages that hold the word, wrapping round to the current one.
    const int courante = std::max(0, indexPage(pageCourante()));
    for (int k = 1; k <= pages_.size(); ++k) {
        const PageAide& p = pages_[(courante + k) % pages_.size()];
        if (!p.texte.contains(texte, Qt::CaseInsensitive))
            continue;
        montre(p.chemin);
        if (page_->find(texte))
            return true;
    }
    etat_->setText(QStringLiteral("Aucune page ne contient « %1 ».").arg(texte));
    return false;
}
