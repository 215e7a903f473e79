#include "view/LiensDialogues.h"

#include "core/Images.h"
#include "core/Modele.h"
#include "core/Projection.h"
#include "view/DessinNoeuds.h"

namespace kelmo {
namespace {

void appliquePolice(ZoneImage& z, const Police& p)
{
    z.FontName = p.nom;
    z.FontSize = p.taille;
    z.FontBold = p.gras;
    z.FontItalic = p.italique;
    z.FontUnderline = p.souligne;
    z.FontStrikethru = p.barre;
}

LiensDialogues liensParDefaut()
{
    LiensDialogues l;
    l.CalculeCoordonneesEcran = [] { CalculeCoordonneesEcran(); };
    l.TourneAutourNoeud = [](double angle, const QString& ville) { TourneAutourNoeud(angle, ville); };
    l.InclineNoeuds = [](double angle) { InclineNoeuds(angle); };
    l.TrieNoeudsProfondeur = [] { TrieNoeudsProfondeur(); };
    l.EffaceIma = [] { Ima().Cls(); };
    l.DessineNoeuds = [](bool symboles, bool noms) { DessineNoeuds(symboles, noms); };
    l.PoliceIma = [] {
        const ZoneImage& z = Ima();
        Police p;
        p.nom = z.FontName;
        p.taille = z.FontSize;
        p.gras = z.FontBold;
        p.italique = z.FontItalic;
        p.souligne = z.FontUnderline;
        p.barre = z.FontStrikethru;
        return p;
    };
    l.DefinitPoliceImages = [](const Police& p) {
        appliquePolice(Ima(), p);
        appliquePolice(ImaVec(), p);
    };
    l.TailleIma = [] { return TailleImages{Ima().Height(), Ima().Width()}; };
    l.DefinitTailleImages = [](const TailleImages& t) {
        Ima().DefinitHauteur(t.Hauteur);
        Ima().DefinitLargeur(t.Largeur);
        ImaVec().DefinitHauteur(t.Hauteur);
        ImaVec().DefinitLargeur(t.Largeur);
    };
    l.Kelmo_Form_Resize = [] {};
    l.Montre = [](FormeDialogue, bool) {};
    l.Cache = [](FormeDialogue) {};
    return l;
}

bool& visible(FormeDialogue f)
{
    FormesKelmo& m = K.Formes;
    switch (f) {
    case FormeDialogue::Angles: return m.Angles.Visible;
    case FormeDialogue::SeuilsAffichage: return m.SeuilsAffichage.Visible;
    case FormeDialogue::AspectVisuelNoeuds: return m.AspectVisuelNoeuds.Visible;
    case FormeDialogue::AspectVisuelArcs: return m.AspectVisuelArcs.Visible;
    case FormeDialogue::ParamAffichage: return m.ParamAffichage.Visible;
    case FormeDialogue::OptionsRedess: return m.OptionsRedess.Visible;
    case FormeDialogue::TraceArcs: return m.TraceArcs.Visible;
    }
    static bool autre = false;
    return autre;
}

LiensDialogues& liens()
{
    static LiensDialogues l = liensParDefaut();
    return l;
}

} // namespace

LiensDialogues& Liens() { return liens(); }

void RetablitLiensDialogues() { liens() = liensParDefaut(); }

void MontreForme(FormeDialogue f, bool modal)
{
    visible(f) = true;
    Liens().Montre(f, modal);
}

void CacheForme(FormeDialogue f)
{
    visible(f) = false;
    Liens().Cache(f);
}

} // namespace kelmo
