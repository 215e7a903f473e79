#include "dxf/SortieDXF.h"
#include "core/Modele.h"
#include "dxf/DonneesDXF.h"
#include "dxf/FacettesDXF.h"
#include "dxf/FichierDXF.h"
#include "platform/Dialogues.h"

namespace kelmo {


LiensSortieDXF& LiensDXF()
{
    static LiensSortieDXF l;
    return l;
}

namespace {
void appelle(const std::function<void()>& f)
{
    if (f)
        f();
}
} // namespace

void Kelmo_menCréeFichDXF_Click()
{
    // The relief valuation stays the user's: the next drawing keeps it and
    // the menus' marks still tell it. Facets for the export come from a
    // relief drawn with "Prépare le fichier relief 3d".
    K.Formes.SortieDXF.Visible = true;
    appelle(LiensDXF().MontreSortieDXF);
}

void SortieDXF_Coche3DFace_Click()
{
    CaseACocher& c = K.Formes.SortieDXF.Coche3DFace;
    if (!c.Value || NbFacettesDXF() != 0)
        return;
    Ui().Message(QStringLiteral("Attention : il est nécessaire de dessiner le relief dans KELMO avec l'option "
                                "'prépare le fichier de relief 3d' avant de pouvoir exporter les facettes en DXF"),
                 Boutons::OK, Icone::Information, QStringLiteral("Facettes du relief"));
    c.Value = false;
}

void SortieDXF_CocheArcs_Click(int)
{
    // The group follows its enabled state, not the tick of the box: both
    // start off and every click changes both.
    bool& actif = K.Formes.SortieDXF.GroupeArcsActif;
    actif = !actif;
}

void SortieDXF_cochecircle_Click()
{
    bool& actif = K.Formes.SortieDXF.GroupeCerclesActif;
    actif = !actif;
}

void SortieDXF_Command3D1_Click() { K.Formes.SortieDXF.Visible = false; }

void SortieDXF_CouleurCad_DblClick(int index)
{
    if (index < 1 || index > 14)
        return;
    DXF.IndiceCouleurCad = static_cast<int16_t>(index);
    K.Formes.CouleursDXF.Visible = true;
    appelle(LiensDXF().MontreCouleursDXF);
}

void CouleursDXF_CouleurCad_DblClick(int index)
{
    ModeleCouleursDXF& p = K.Formes.CouleursDXF;
    if (index < 0 || index > 7)
        return;
    const int ligne = DXF.IndiceCouleurCad;
    if (ligne >= 1 && ligne <= 14)
        K.Formes.SortieDXF.couleurcad[static_cast<std::size_t>(ligne)] = p.CouleurCad[static_cast<std::size_t>(index)];
    p.Visible = false;
    appelle(LiensDXF().CacheCouleursDXF);
    K.Formes.SortieDXF.Visible = true;
    appelle(LiensDXF().MontreSortieDXF);
}

void SortieDXF_ecritleDXF_Click()
{
    if (const auto refus = RefusSortieDXF()) {
        Ui().Message(*refus, Boutons::OK, Icone::Exclamation, TitreSortieDXF);
        return;
    }
    DemandeFichier d;
    d.filtre = QStringLiteral("(*.dxf)|*.dxf");
    d.nomFichier = DXF.NomFichierDXF;
    const std::optional<QString> nom = Ui().FichierEnregistrer(d);
    if (!nom || nom->isEmpty())
        return;
    DXF.NomFichierDXF = *nom;
    EcritFichierDXF();
}

} // namespace kelmo
