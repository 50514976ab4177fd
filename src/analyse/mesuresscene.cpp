// SPDX-License-Identifier: GPL-3.0-or-later
#include "analyse/mesuresscene.h"

#include "analyse/dessin.h"
#include "analyse/fichiers.h"
#include "platform/plateforme.h"
#include "sim/animation.h"
#include "widgets/picturebox.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QDir>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>

namespace {

QString cleConditions(const analyse::Conditions& c)
{
    return QString::asprintf("%a %a %a %a %a %a", double(c.x0), double(c.y0), double(c.vx), double(c.vy), double(c.g),
                             c.trainee);
}

// Photographs drawn while the projectile flies: not the one where it lies on the ground
// after an impact, nor the last one once the motion has ended.
bool enVol(const InstantScene& i)
{
    return i.enCours && i.rebondActif != 1 && !(i.rebondActif == 2 && i.tRebond == i.t);
}

}  // namespace

MesuresScene::MesuresScene(const LienScene& lien, QWidget* fenetre)
    : QObject(fenetre), lien_(lien), fenetre_(fenetre)
{
    setObjectName(QStringLiteral("mesuresScene"));
    menuScene = new QMenu(fenetre);
    menuScene->setObjectName(QStringLiteral("menuScene"));
    auto action = [&](const char* nom, const QString& texte, bool cochable, void (MesuresScene::*slot)()) {
        auto* a = new QAction(texte, menuScene);
        a->setObjectName(QString::fromLatin1(nom));
        a->setCheckable(cochable);
        connect(a, &QAction::triggered, this, slot);
        menuScene->addAction(a);
        return a;
    };
    vecteursVitesse = action("vecteursVitesse", QStringLiteral("Vecteurs vitesse"), true, &MesuresScene::vecteursVitesse_Click);
    vecteursDeltaV = action("vecteursDeltaV", QStringLiteral("Vecteurs variation de vitesse Δv"), true,
                            &MesuresScene::vecteursDeltaV_Click);
    traceTrajectoire = action("traceTrajectoire", QStringLiteral("Tracer la trajectoire"), true,
                              &MesuresScene::traceTrajectoire_Click);
    sommetImpact = action("sommetImpact", QStringLiteral("Sommet et point de chute"), true, &MesuresScene::sommetImpact_Click);
    menuScene->addSeparator();
    tableauMesures = action("tableauMesures", QStringLiteral("Tableau des positions…"), false,
                            &MesuresScene::tableauMesures_Click);
    grapheEnergies = action("grapheEnergies", QStringLiteral("Graphes des vitesses et des énergies…"), false,
                            &MesuresScene::grapheEnergies_Click);
    enregistrerImage = action("enregistrerImage", QStringLiteral("Enregistrer l'image sous…"), false,
                              &MesuresScene::enregistrerImage_Click);
    vecteursVitesse->setStatusTip(QStringLiteral("À chaque photographie, le vecteur vitesse"));
    if (lien_.scene)
        lien_.scene->installEventFilter(this);
}

void MesuresScene::montreMenu(const QPoint& global)
{
    menuScene->popup(global);
}

bool MesuresScene::eventFilter(QObject* objet, QEvent* e)
{
    if (objet == lien_.scene) {
        if (e->type() == QEvent::ContextMenu) {
            auto* m = static_cast<QContextMenuEvent*>(e);
            const QPoint ici = m->reason() == QContextMenuEvent::Mouse
                                   ? m->globalPos()
                                   : lien_.scene->mapToGlobal(lien_.scene->rect().center());
            montreMenu(ici);
            return true;
        }
        if (e->type() == QEvent::KeyPress) {
            auto* k = static_cast<QKeyEvent*>(e);
            if (k->key() == Qt::Key_Menu || (k->key() == Qt::Key_F10 && k->modifiers() == Qt::ShiftModifier)) {
                montreMenu(lien_.scene->mapToGlobal(lien_.scene->rect().center()));
                return true;
            }
        }
    }
    return QObject::eventFilter(objet, e);
}

void MesuresScene::peint(const QRectF& zone, const std::function<void(QPainter&)>& dessin)
{
    if (!lien_.scene)
        return;
    const QRect r = zone.toAlignedRect().intersected(QRect(QPoint(0, 0), lien_.scene->size()));
    if (r.isEmpty())
        return;
    if (surcouche_.size() != lien_.scene->size()) {
        surcouche_ = QImage(lien_.scene->size(), QImage::Format_ARGB32_Premultiplied);
        surcouche_.fill(Qt::transparent);
    }
    {
        QPainter p(&surcouche_);
        p.setClipRect(r);
        dessin(p);
    }
    lien_.scene->setSurcouche(surcouche_);
}

EntreesMesures MesuresScene::volAffiche() const
{
    return dernierVol_ ? *dernierVol_ : lien_.entrees();
}

void MesuresScene::redessine()
{
    if (!lien_.scene || !dernierVol_)
        return;
    surcouche_ = QImage(lien_.scene->size(), QImage::Format_ARGB32_Premultiplied);
    surcouche_.fill(Qt::transparent);
    const analyse::OptionsMesures o{vecteursVitesse->isChecked(), vecteursDeltaV->isChecked(),
                                    traceTrajectoire->isChecked(), sommetImpact->isChecked()};
    {
        QPainter p(&surcouche_);
        p.setRenderHint(QPainter::Antialiasing);
        analyse::dessineMesures(p, dernierVol_->conditions, o, lien_.scene->size());
    }
    lien_.scene->setSurcouche(surcouche_);
    // What a later flight draws as it goes starts afresh over this.
    dessines_.clear();
    decalageEchelles_ = 0;
    derniereEchelle_[0] = derniereEchelle_[1] = 0;
    avantDernierValide_ = false;
}

bool MesuresScene::dejaDessine(const QString& cle)
{
    if (dessines_.contains(cle))
        return true;
    dessines_.insert(cle);
    return false;
}

void MesuresScene::echelle(const analyse::Conditions& c, bool deltaV)
{
    analyse::Echelles e;
    if (deltaV)
        e.deltaV = analyse::echelleDeltaV(c);
    else
        e.vitesse = analyse::echelleVitesse(c);
    const double valeur = deltaV ? e.deltaV : e.vitesse;
    if (valeur == derniereEchelle_[deltaV])
        return;  // the usual case: this scale arrow is on the scene already
    derniereEchelle_[deltaV] = valeur;
    if (valeur <= 0 || dejaDessine(QStringLiteral("echelle %1 %2").arg(deltaV).arg(valeur, 0, 'g', 17)))
        return;
    const QSizeF taille = analyse::tailleEchelles(e);
    const QSize scene = lien_.scene ? lien_.scene->size() : QSize(410, 460);
    // The first scale arrow finds a corner free for every arrow asked for; the next ones go
    // under it (or above it at the bottom).
    if (decalageEchelles_ == 0) {
        analyse::Echelles toutes;
        toutes.vitesse = vecteursVitesse->isChecked() ? analyse::echelleVitesse(c) : 0;
        toutes.deltaV = vecteursDeltaV->isChecked() ? analyse::echelleDeltaV(c) : 0;
        coinEchelles_ = analyse::coinLibre(c, analyse::tailleEchelles(toutes).expandedTo(taille), scene);
    }
    const bool enBas = coinEchelles_.y() > scene.height() / 2;
    const QPointF coin = coinEchelles_ + QPointF(0, enBas ? -decalageEchelles_ : decalageEchelles_);
    decalageEchelles_ += taille.height() + 2;
    peint(QRectF(coin, taille).adjusted(-2, -2, 2, 2), [&](QPainter& p) { analyse::dessineEchelles(p, coin, e); });
}

void MesuresScene::marques(const analyse::Conditions& c, bool sommet, bool chute, bool dessus)
{
    const analyse::Resume r = analyse::resume(c);
    if (!r.vol || !lien_.scene)
        return;
    const QSize scene = lien_.scene->size();
    const QString cle = cleConditions(c);
    if (sommet && (!dejaDessine(QStringLiteral("sommet ") + cle) || dessus))
        peint(analyse::zoneSommet(r, scene), [&](QPainter& p) { analyse::dessineSommet(p, r, scene); });
    if (chute && (!dejaDessine(QStringLiteral("chute ") + cle) || dessus))
        peint(analyse::zoneChute(r, scene), [&](QPainter& p) { analyse::dessineChute(p, r, scene); });
}

void MesuresScene::photo(const InstantScene& i)
{
    const bool vitesse = vecteursVitesse->isChecked();
    const bool deltaV = vecteursDeltaV->isChecked();
    if (!enVol(i)) {
        serie_.clear();
        return;
    }
    const analyse::Conditions c = lien_.conditions();
    const Prise prise{i.t, i.rebondActif, i.tRebond, i.centre, i.vitesse};
    if (!serie_.isEmpty()) {
        const Prise& avant = serie_.last();
        const bool suivante = sim::photoSuivante(avant.t, analyse::intervalleBorne(c.intervalleMs)) == i.t;
        const bool memeArc = avant.rebondActif == i.rebondActif && (i.rebondActif == 0 || avant.tRebond == i.tRebond);
        if (!suivante || !memeArc)
            serie_.clear();
    }
    serie_.append(prise);
    if (serie_.size() > 3)
        serie_.removeFirst();

    QElapsedTimer chrono;
    chrono.start();
    if (vitesse) {
        const double k = analyse::echelleVitesse(c);
        const QPointF bout = i.centre + QPointF(i.vitesse.x(), -i.vitesse.y()) * k;
        peint(analyse::zoneFleche(i.centre, bout),
              [&](QPainter& p) { analyse::dessineFleche(p, i.centre, bout, analyse::TypeFleche::Vitesse); });
        echelle(c, false);
    }
    if (deltaV && serie_.size() == 3) {
        const double k = analyse::echelleDeltaV(c);
        const QPointF dv = serie_[2].vitesse - serie_[0].vitesse;
        const QPointF origine = serie_[1].centre;
        const QPointF bout = origine + QPointF(dv.x(), -dv.y()) * k;
        peint(analyse::zoneFleche(origine, bout),
              [&](QPainter& p) { analyse::dessineFleche(p, origine, bout, analyse::TypeFleche::DeltaV); });
        echelle(c, true);
    }
    dureeVecteursMs_ = chrono.nsecsElapsed() / 1e6;
}

void MesuresScene::tick(const InstantScene& i)
{
    const bool trace = traceTrajectoire->isChecked();
    const bool marque = sommetImpact->isChecked();
    // A flight that (re)starts: the date went back, or nothing was seen before.
    if (i.t > 0 && i.enCours && (!precedentValide_ || i.t < precedent_.t)) {
        precedentValide_ = i.rebondActif == 0 && i.t <= float(sim::pasNormal) * 1.01f;
        precedent_ = InstantScene{};
        precedent_.centre = i.centreInitial;
    }
    // The set-up of the flight now on the scene, taken as it starts.
    if (i.enCours && i.rebondActif == 0 && i.t <= float(sim::pasNormal) * 1.01f && lien_.entrees)
        dernierVol_ = lien_.entrees();
    QPolygonF morceau;
    bool chute = false;
    bool sommet = false;
    if (precedentValide_) {
        const bool fin = i.t == 0 && !i.enCours;
        // Leaving the scene puts the projectile back at its start: no line to it. (A throw that
        // lands where it started never moved sideways.)
        const bool sortie = fin && i.centre == i.centreInitial && precedent_.centre.x() != i.centre.x();
        if ((i.t > precedent_.t || fin) && !sortie) {
            if (avantDernierValide_)
                morceau.append(avantDernier_);
            morceau.append(precedent_.centre);
            morceau.append(i.centre);
        }
        chute = (fin && !sortie && precedent_.rebondActif == 0) || (i.rebondActif == 1 && precedent_.rebondActif == 0);
        if (marque && precedent_.rebondActif == 0 && i.t > precedent_.t) {
            const analyse::Resume r = analyse::resume(lien_.conditions());
            sommet = r.vol && r.dateSommet > 0 && double(precedent_.t) < r.dateSommet && r.dateSommet <= double(i.t);
        }
    }
    avantDernierValide_ = false;
    if (morceau.size() >= 2 && morceau.last() != morceau[morceau.size() - 2]) {
        if (trace)
            peint(analyse::zoneTrace(morceau),
                  [&](QPainter& p) { analyse::dessineTrace(p, morceau, int(morceau.size()) - 2); });
        avantDernier_ = morceau[morceau.size() - 2];
        avantDernierValide_ = trace;
    }
    if (marque && (sommet || chute))
        marques(lien_.conditions(), sommet, chute);
    // At the end of the motion the marks go over the photographs that covered them.
    if (marque && precedentValide_ && i.t == 0 && !i.enCours && !morceau.isEmpty())
        marques(lien_.conditions(), true, true, true);
    precedent_ = i;
    precedentValide_ = i.enCours;
}

void MesuresScene::efface()
{
    surcouche_ = QImage();
    if (lien_.scene)
        lien_.scene->setSurcouche(QImage());
    dernierVol_.reset();
    serie_.clear();
    dessines_.clear();
    decalageEchelles_ = 0;
    derniereEchelle_[0] = derniereEchelle_[1] = 0;
    precedentValide_ = false;
    avantDernierValide_ = false;
}

void MesuresScene::oublieMarques()
{
    for (auto it = dessines_.begin(); it != dessines_.end();) {
        if (it->startsWith(QLatin1String("sommet ")) || it->startsWith(QLatin1String("chute ")))
            it = dessines_.erase(it);
        else
            ++it;
    }
}

// During a flight a ticked tool is drawn from the next photograph or tick on. Once the flight
// is over (or for an untick at any time) the overlay is drawn again for the whole last flight.
void MesuresScene::vecteursVitesse_Click()
{
    if (vecteursVitesse->isChecked())
        derniereEchelle_[0] = 0;  // the scale arrow is looked for again
    if (!precedentValide_ || !vecteursVitesse->isChecked())
        redessine();
}

void MesuresScene::vecteursDeltaV_Click()
{
    if (vecteursDeltaV->isChecked())
        derniereEchelle_[1] = 0;
    if (!precedentValide_ || !vecteursDeltaV->isChecked())
        redessine();
}

void MesuresScene::traceTrajectoire_Click()
{
    avantDernierValide_ = false;  // a new line starts with its whole outline
    if (!precedentValide_ || !traceTrajectoire->isChecked())
        redessine();
}

void MesuresScene::sommetImpact_Click()
{
    if (!precedentValide_ || !sommetImpact->isChecked()) {
        if (dernierVol_) {
            redessine();
            return;
        }
    }
    if (!sommetImpact->isChecked())
        return;
    // Asked for: drawn now, even if an earlier drawing of the same throw was covered.
    const QString cle = cleConditions(lien_.conditions());
    dessines_.remove(QStringLiteral("sommet ") + cle);
    dessines_.remove(QStringLiteral("chute ") + cle);
    marques(lien_.conditions(), true, true);
}

void MesuresScene::tableauMesures_Click()
{
    mesures fenetre(volAffiche(), fenetre_);
    fenetre.exec();
}

void MesuresScene::grapheEnergies_Click()
{
    if (lien_.energies)
        lien_.energies(volAffiche());
}

void MesuresScene::enregistrerImage_Click()
{
    const QImage image = lien_.imageAplatie ? lien_.imageAplatie() : QImage();
    if (image.isNull())
        return;
    const QString choisi = plateforme().fichierAEnregistrer(
        fenetre_, QStringLiteral("Enregistrer l'image sous"), QDir::current().filePath(QStringLiteral("scene.png")),
        QStringLiteral("Image PNG (*.png);;Image JPEG (*.jpg *.jpeg);;Document PDF (*.pdf);;Image SVG (*.svg)"));
    if (choisi.isEmpty())
        return;
    const QString chemin = analyse::cheminImage(choisi);
    QString erreur;
    if (!analyse::enregistreImage(image, chemin, &erreur))
        plateforme().msgBox(QStringLiteral("L'image n'a pas pu être enregistrée dans le fichier ") +
                                QDir::toNativeSeparators(chemin) + QStringLiteral(".") + QStringLiteral("\r\n") + erreur,
                            StyleMsg::Exclamation, QStringLiteral("Enregistrer l'image sous"));
}
