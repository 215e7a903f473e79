#include "view/formes/FenetresDialogues.h"

#include "core/Commandes.h"
#include "platform/formes/PlacementFenetre.h"
#include "view/Angles.h"
#include "view/AspectVisuelArcs.h"
#include "view/AspectVisuelNoeuds.h"
#include "view/ParamAffichage.h"
#include "view/Redessin.h"
#include "view/SaisiesAffichage.h"
#include "view/SeuilsAffichage.h"
#include "view/formes/Angles.h"
#include "view/formes/AspectVisuelArcs.h"
#include "view/formes/AspectVisuelNoeuds.h"
#include "view/formes/OptionsRedess.h"
#include "view/formes/ParamAffichage.h"
#include "view/formes/SeuilsAffichage.h"
#include "view/formes/TraceArcs.h"

#include <QPointer>
#include <map>

namespace kelmo {
namespace {

QPointer<QWidget> parent_;
std::map<FormeDialogue, QPointer<FenetreDialogue>> fenetres;

FenetreDialogue* cree(FormeDialogue f)
{
    QWidget* p = parent_.data();
    switch (f) {
    case FormeDialogue::Angles: return new Angles(p);
    case FormeDialogue::SeuilsAffichage: return new SeuilsAffichage(p);
    case FormeDialogue::AspectVisuelNoeuds: return new AspectVisuelNoeuds(p);
    case FormeDialogue::AspectVisuelArcs: return new AspectVisuelArcs(p);
    case FormeDialogue::ParamAffichage: return new ParamAffichage(p);
    case FormeDialogue::OptionsRedess: return new OptionsRedess(p);
    case FormeDialogue::TraceArcs: return new TraceArcs(p);
    }
    return nullptr;
}

void montre(FormeDialogue f, bool modal)
{
    FenetreDialogue* w = FenetreAffichage(f);
    w->Rafraichit();
    if (modal) {
        if (!w->isVisible())
            w->exec();
        return;
    }
    w->show();
    ActiveFenetre(w);
}

void cache(FormeDialogue f)
{
    auto it = fenetres.find(f);
    if (it == fenetres.end() || !it->second)
        return;
    // done() also ends a modal run of the window.
    it->second->done(QDialog::Accepted);
}

} // namespace

FenetreDialogue* FenetreAffichage(FormeDialogue forme)
{
    QPointer<FenetreDialogue>& w = fenetres[forme];
    if (!w)
        w = cree(forme);
    return w.data();
}

void DetruitDialoguesAffichage()
{
    for (auto& [f, w] : fenetres)
        delete w.data();
    fenetres.clear();
}

void InstalleDialoguesAffichage(QWidget* parent)
{
    parent_ = parent;
    Liens().Montre = montre;
    Liens().Cache = cache;
    EnregistreCommande(QStringLiteral("menAngles"), [] { Kelmo_menAngles_Click(); });
    EnregistreCommande(QStringLiteral("menOptionsAffichageNoms"), [] { Kelmo_menOptionsAffichageNoms_Click(); });
    EnregistreCommande(QStringLiteral("menOptionsAffichageVilles"), [] { Kelmo_menOptionsAffichageVilles_Click(); });
    EnregistreCommande(QStringLiteral("menArcsTrajets"), [] { Kelmo_menArcsTrajets_Click(MontreAspectVisuelArcs); });
    EnregistreCommande(QStringLiteral("menParamAffichage"), [] { Kelmo_menParamAffichage_Click(); });
    EnregistreCommande(QStringLiteral("menOptionsRedessine"), [] { Kelmo_menOptionsRedessine_Click(); });
    EnregistreCommande(QStringLiteral("menTraceTrajets"), [] { Kelmo_menTraceTrajets_Click(MontreTraceArcs); });
    EnregistreCommande(QStringLiteral("menCouleur"), [] { Kelmo_menCouleur_Click(); });
    EnregistreCommande(QStringLiteral("menOptionsAttractions"), [] { Kelmo_menOptionsAttractions_Click(); });
}

} // namespace kelmo
