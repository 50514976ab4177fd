#include "platform/navigateur_aide.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

NavigateurAide::NavigateurAide(const QString& fichier, QWidget* parent)
    : QDialog(parent)
    , page_(new QTextBrowser(this))
    , sommaire_(new QListWidget(this))
    , recherche_(new QLineEdit(this))
{
    setObjectName(QStringLiteral("NavigateurAide"));
    setWindowTitle(QStringLiteral("Baltor - Aide"));
    resize(760, 540);

    page_->setObjectName(QStringLiteral("page"));
    page_->setOpenExternalLinks(true);
    sommaire_->setObjectName(QStringLiteral("sommaire"));
    recherche_->setObjectName(QStringLiteral("recherche"));
    recherche_->setPlaceholderText(QStringLiteral("Rechercher dans l'aide"));

    if (QFileInfo::exists(fichier)) {
        page_->setSource(QUrl::fromLocalFile(fichier));
    } else {
        page_->setHtml(QStringLiteral("<h2>Aide indisponible</h2><p>Le fichier %1 est introuvable.</p>")
                           .arg(fichier.toHtmlEscaped()));
    }

    auto* chercher = new QPushButton(QStringLiteral("&Rechercher"), this);
    auto* fermer = new QPushButton(QStringLiteral("&Fermer"), this);
    auto* gauche = new QWidget(this);
    auto* colonne = new QVBoxLayout(gauche);
    colonne->setContentsMargins(0, 0, 0, 0);
    colonne->addWidget(new QLabel(QStringLiteral("Sommaire"), gauche));
    colonne->addWidget(sommaire_);
    auto* ligne = new QHBoxLayout;
    ligne->addWidget(recherche_);
    ligne->addWidget(chercher);
    colonne->addLayout(ligne);

    auto* separateur = new QSplitter(this);
    separateur->addWidget(gauche);
    separateur->addWidget(page_);
    separateur->setStretchFactor(1, 3);

    auto* bas = new QHBoxLayout;
    bas->addStretch();
    bas->addWidget(fermer);
    auto* tout = new QVBoxLayout(this);
    tout->addWidget(separateur);
    tout->addLayout(bas);

    remplitSommaire();
    connect(sommaire_, &QListWidget::currentRowChanged, this, [this](int ligneChoisie) {
        if (ligneChoisie < 0)
            return;
        const int bloc = sommaire_->item(ligneChoisie)->data(Qt::UserRole).toInt();
        QTextCursor curseur(page_->document()->findBlockByNumber(bloc));
        page_->setTextCursor(curseur);
        page_->ensureCursorVisible();
    });
    connect(recherche_, &QLineEdit::returnPressed, this, &NavigateurAide::cherche);
    connect(chercher, &QPushButton::clicked, this, &NavigateurAide::cherche);
    connect(fermer, &QPushButton::clicked, this, &QDialog::accept);
    connect(page_, &QTextBrowser::sourceChanged, this, [this] { remplitSommaire(); });
}

void NavigateurAide::remplitSommaire()
{
    sommaire_->clear();
    for (QTextBlock b = page_->document()->begin(); b.isValid(); b = b.next()) {
        const int niveau = b.blockFormat().headingLevel();
        if (niveau < 1 || niveau > 3 || b.text().trimmed().isEmpty())
            continue;
        auto* element = new QListWidgetItem(QString(2 * (niveau - 1), QLatin1Char(' ')) + b.text().trimmed());
        element->setData(Qt::UserRole, b.blockNumber());
        sommaire_->addItem(element);
    }
}

bool NavigateurAide::cherche()
{
    const QString texte = recherche_->text().trimmed();
    if (texte.isEmpty())
        return false;
    if (page_->find(texte))
        return true;
    QTextCursor debut(page_->document());
    page_->setTextCursor(debut);
    return page_->find(texte);
}
