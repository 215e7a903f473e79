#include "editing/formes/FenetresEdition.h"
#include "editing/CommandesEdition.h"
#include "editing/LiensEdition.h"
#include "editing/formes/ModifArcs.h"
#include "editing/formes/ModifNoeuds.h"
#include "platform/formes/PlacementFenetre.h"

#include <QPointer>

namespace kelmo {
namespace {

QPointer<QWidget> parent_;
std::function<void()> apresCommande_;
QPointer<ModifArcs> modifArcs;
QPointer<ModifNoeuds> modifNoeuds;

FenetreEdition_* fenetre(FenetreEdition f)
{
    if (f == FenetreEdition::ModifArcs)
        return FenetreModifArcs();
    return FenetreModifNoeuds();
}

void montre(FenetreEdition f)
{
    FenetreEdition_* w = fenetre(f);
    w->Rafraichit();
    w->show();
    PlaceDansEcran(w);
    ActiveFenetre(w);
}

void cache(FenetreEdition f)
{
    if (f == FenetreEdition::ModifArcs ? !modifArcs.isNull() : !modifNoeuds.isNull())
        fenetre(f)->hide();
}

} // namespace

ModifArcs* FenetreModifArcs()
{
    if (!modifArcs)
        modifArcs = new ModifArcs(parent_.data(), apresCommande_);
    return modifArcs.data();
}

ModifNoeuds* FenetreModifNoeuds()
{
    if (!modifNoeuds)
        modifNoeuds = new ModifNoeuds(parent_.data(), apresCommande_);
    return modifNoeuds.data();
}

void DetruitFenetresEdition()
{
    delete modifArcs.data();
    delete modifNoeuds.data();
    LiensFenetresEdition() = {};
}

void InstalleFenetresEdition(QWidget* parent, std::function<void()> apresCommande)
{
    parent_ = parent;
    // A command of one editor can change what the other shows (a node
    // deleted takes the arc shown with it): both show their models again.
    apresCommande_ = [suite = std::move(apresCommande)] {
        if (modifArcs)
            modifArcs->Rafraichit();
        if (modifNoeuds)
            modifNoeuds->Rafraichit();
        if (suite)
            suite();
    };
    LiensFenetresEdition().Montre = montre;
    LiensFenetresEdition().Cache = cache;
    InstalleCommandesEdition();
}

} // namespace kelmo
