#include "timetables/formes/FenetresHoraires.h"
#include "core/Modele.h"
#include "editing/formes/FenetresEdition.h"
#include "editing/formes/ModifArcs.h"
#include "editing/formes/ModifNoeuds.h"
#include "platform/formes/PlacementFenetre.h"
#include "timetables/CommandesHoraires.h"
#include "timetables/LiensHoraires.h"
#include "timetables/formes/HorairesArcs.h"
#include "timetables/formes/HorairesNoeuds.h"
#include "timetables/formes/Trains.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPointer>

namespace kelmo {
namespace {
QPointer<QWidget> parent_;
QPointer<HorairesArcs> arcs_;
QPointer<HorairesNoeuds> noeuds_;
QPointer<Trains> trains_;

QWidget* fenetre(FenetreHoraire f)
{
    switch (f) {
    case FenetreHoraire::HorairesArcs:
        return FenetreHorairesArcs();
    case FenetreHoraire::HorairesNoeuds:
        return FenetreHorairesNoeuds();
    case FenetreHoraire::Trains:
        break;
    }
    return FenetreTrains();
}

void actualise()
{
    if (arcs_)
        arcs_->Rafraichit();
    if (noeuds_)
        noeuds_->Rafraichit();
    if (trains_)
        trains_->Rafraichit();
    // The timetables choose links in the arc editor and change the tables
    // the main window counts.
    if (K.Formes.ModifArcs.Visible)
        FenetreModifArcs()->Rafraichit();
    if (K.Formes.ModifNoeuds.Visible)
        FenetreModifNoeuds()->Rafraichit();
    if (K.StatusBar.Repeint)
        K.StatusBar.Repeint();
}
} // namespace

HorairesArcs* FenetreHorairesArcs()
{
    if (!arcs_)
        arcs_ = new HorairesArcs(parent_.data());
    return arcs_.data();
}

HorairesNoeuds* FenetreHorairesNoeuds()
{
    if (!noeuds_)
        noeuds_ = new HorairesNoeuds(parent_.data());
    return noeuds_.data();
}

Trains* FenetreTrains()
{
    if (!trains_)
        trains_ = new Trains(parent_.data());
    return trains_.data();
}

void DetruitFenetresHoraires()
{
    delete trains_.data();
    delete noeuds_.data();
    delete arcs_.data();
    LiensFenetresHoraires() = LiensHoraires{};
}

void InstalleFenetresHoraires(QWidget* parent)
{
    parent_ = parent;
    LiensHoraires& l = LiensFenetresHoraires();
    l.Montre = [](FenetreHoraire f) {
        QWidget* w = fenetre(f);
        actualise();
        w->show();
        PlaceDansEcran(w);
        ActiveFenetre(w);
    };
    l.Cache = [](FenetreHoraire f) {
        const QPointer<QWidget> w = f == FenetreHoraire::HorairesArcs     ? static_cast<QWidget*>(arcs_.data())
                                    : f == FenetreHoraire::HorairesNoeuds ? static_cast<QWidget*>(noeuds_.data())
                                                                          : static_cast<QWidget*>(trains_.data());
        if (w)
            w->hide();
    };
    l.CopieTexte = [](const QString& texte) { QGuiApplication::clipboard()->setText(texte); };
    l.Actualise = [] { actualise(); };
    InstalleCommandesHoraires();
}

} // namespace kelmo
