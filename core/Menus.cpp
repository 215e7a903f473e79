#include "core/Menus.h"
#include "core/Modele.h"


namespace kelmo {

const std::vector<DefinitionMenu>& TableMenus()
{
    static const std::vector<DefinitionMenu> table = {
        // name, parent, caption, accelerator, check item, ticked, enabled
        {"menFichiers", "", "&Fichier", "", false, false, true},
        {"menImage", "", "&Image", "", false, false, true},
        {"menVilles", "", "&Noeuds", "", false, false, true},
        {"menArcs", "", "&Arcs", "", false, false, true},
        {"menRelief", "", "&Relief", "", false, false, true},
        {"menAide", "", "&?", "", false, false, true},

        {"menFichiersGraphe", "menFichiers", "&Fichiers du graphe...", "", false, false, true},
        {"menSép12", "menFichiers", "-", "", false, false, true},
        {"menFichierAttractions", "menFichiers", "Fichier du type &arc-valeur ", "", false, false, true},
        {"menFichierODVal1", "menFichierAttractions", "Numéro &1 (état final)...", "", false, false, true},
        {"menFichierODVal2", "menFichierAttractions", "Numéro &2 (état initial)...", "", false, false, true},
        {"menSép11", "menFichiers", "-", "", false, false, true},
        {"menFichierCodeValeur", "menFichiers", "Fichier du type &noeud-valeur", "", false, false, true},
        {"menFichierCodeValeur1", "menFichierCodeValeur", "Numéro &1 (état final) ...", "", false, false, true},
        {"menFichierCodeValeur2", "menFichierCodeValeur", "Numéro &2 (état initial)...", "", false, false, true},
        {"menCodeValEnZ", "menFichierCodeValeur", "Intégrer NoeudVal1 au \"&z\" des noeuds", "", true, false, true},
        {"menSép4", "menFichiers", "-", "", false, false, true},
        {"menStatistiques", "menFichiers", "&Statistiques...", "", false, false, true},
        {"menExploration", "menFichiers", "E&xploration...", "", false, false, false},
        {"menSép5", "menFichiers", "-", "", false, false, true},
        {"menSortie", "menFichiers", "&Quitter", "", false, false, true},

        {"menAngles", "menImage", "&Angles de vue...", "", false, false, true},
        {"menZoomSouris", "menImage", "Zoom curseur (&souris)", "F12", true, false, true},
        {"menParamAffichage", "menImage", "Zoom et &taille de l'image...", "", false, false, true},
        {"menZoomBarreOutils", "menImage", "&Barre d'outils zoom visible", "F5", true, true, true},
        {"menImageVectorielle", "menImage", "Image &vectorielle", "F9", true, false, true},
        {"menSép21", "menImage", "-", "", false, false, true},
        {"menImprimeImage", "menImage", "&Enregistre l'image...", "", false, false, true},
        {"menCréeFichDXF", "menImage", "Crée un fichier D&XF...", "", false, false, true},
        {"menChargeImageFond", "menImage", "Charge une &image en fond...", "", false, false, true},
        {"menSép1", "menImage", "-", "", false, false, true},
        {"menRedessine", "menImage", "&Redessine", "F4", false, false, true},
        {"menOptionsRedessine", "menImage", "&Options pour redessiner...", "", false, false, true},
        {"menEffaceImage", "menImage", "E&fface l'image", "Del", false, false, true},

        {"menAfficheVilles", "menVilles", "Affiche les &noeuds", "F1", false, false, true},
        {"menAfficheNomsVilles", "menVilles", "Affiche les no&ms des noeuds", "", false, false, true},
        {"menAfficheRonds", "menVilles", "Affic&he sur les noeuds", "", false, false, true},
        {"menAfficheValeur1", "menAfficheRonds", "La valeur &1 (état final)", "", false, false, false},
        {"menAfficheValeur2", "menAfficheRonds", "La valeur &2 (état initial)", "", false, false, false},
        {"menMultiplication", "menAfficheRonds", "La &multiplication (1x2)", "", false, false, true},
        {"menAfficheDiffAbsolues", "menAfficheRonds", "Les différences &absolues", "", false, false, false},
        {"menAfficheDiffRelatives", "menAfficheRonds", "Les différences &relatives", "", false, false, false},
        {"menAffichePopulations", "menAfficheRonds", "Les &populations", "", false, false, true},
        {"menAfficheAutoAttractions", "menAfficheRonds", "Les a&uto-attractions", "", false, false, false},
        {"menSép39", "menVilles", "-", "", false, false, true},
        {"menModifieNoeuds", "menVilles", "Mo&difie les noeuds...", "", false, false, true},
        {"menSép34", "menVilles", "-", "", false, false, true},
        {"menOptionsAffichageVilles", "menVilles", "Paramétres d'affichage des n&oeuds...", "", false, false, true},
        {"menOptionsAffichageNoms", "menVilles", "Seuils d'a&ffichage des noms...", "", false, false, true},

        {"menTraceTrajets", "menArcs", "Trace les &arcs...", "F2", false, false, true},
        {"menAfficheValeursArcs", "menArcs", "Affic&he sur les arcs...", "", false, false, true},
        {"menAfficheAttractions", "menAfficheValeursArcs", "Les &attractions", "", false, false, true},
        {"menAfficheProbabilités", "menAfficheValeursArcs", "Les &probabilités", "", false, false, true},
        {"menAfficheFlux", "menAfficheValeursArcs", "Les &flux orientés", "", false, false, true},
        {"menAfficheFluxNonOrientes", "menAfficheValeursArcs", "Les flux &non-orientés", "", false, false, true},
        {"menAfficheSurfacesFlux", "menAfficheValeursArcs", "Les &surfaces de flux", "", false, false, true},
        {"menClassesArcs", "menAfficheValeursArcs", "Les c&lasses des arcs", "", false, false, true},
        {"menFluxNonOrientésEtModes", "menAfficheValeursArcs", "Les flux et les &modes", "", false, false, true},
        {"menSép33", "menAfficheValeursArcs", "-", "", false, false, true},
        {"menCouleursNoeuds", "menAfficheValeursArcs", "Les &couleurs des noeuds", "", true, false, true},
        {"menEchelleBlindéeArcs", "menAfficheValeursArcs", "Echelle blin&dée", "", true, false, true},
        {"menSép31", "menArcs", "-", "", false, false, true},
        {"menModifieOD", "menArcs", "&Modifie les arcs...", "", false, false, true},
        {"menDéveloppmentHoraire", "menArcs", "Développement &horaire", "", false, false, true},
        {"menOptimisationHoraire", "menArcs", "Op&timisation horaire", "", false, false, false},
        {"menElimineArcsDéconnectés", "menArcs", "Elimine arcs &déconnectés...", "", false, false, true},
        {"menSép32", "menArcs", "-", "", false, false, true},
        {"menArcsTrajets", "menArcs", "Aspect des a&rcs...", "", false, false, true},
        {"menOptionsAttractions", "menArcs", "&Seuil d'affichage des arcs...", "", false, false, true},
        {"menArcsAttractions", "menArcs", "Arcs des attract&ions...", "", false, false, true},

        {"menTraceRelief", "menRelief", "Trace le &relief", "", false, false, true},
        {"menAnamorphose", "menRelief", "&Anamorphose", "", false, false, true},
        {"menSép24", "menRelief", "-", "", false, false, true},
        {"menOptionsRelief", "menRelief", "&Options du relief...", "", false, false, true},
        {"menValuation", "menRelief", "&Valuation de la représentation", "", false, false, true},
        {"menValuationTemps", "menValuation", "&Temps", "", true, true, true},
        {"menValuationCoût", "menValuation", "&Coût", "", true, false, true},
        {"menValuationODVal", "menValuation", "&Basée sur ArcVal", "", true, false, false},
        {"menPasDeValuation", "menValuation", "&Pas de valuation", "", true, false, true},
        {"menFichierRelief3d", "menRelief", "Prépare le &fichier relief 3d", "", true, false, true},
        {"menCoûts", "menRelief", "Options des co&ûts...", "", false, false, false},
        {"menCouleur", "menRelief", "Eclaircir la &couleur du relief...", "", false, false, true},
        {"menSép25", "menRelief", "-", "", false, false, true},
        {"menLectFichFacettes", "menRelief", "Lecture du fichier de &facettes...", "", false, false, true},

        {"menAPropos", "menAide", "&A propos de KELMO...", "", false, false, true},
    };
    return table;
}

const DefinitionMenu* DefinitionMenuParNom(const QString& nom)
{
    for (const DefinitionMenu& d : TableMenus())
        if (nom == QString::fromUtf8(d.nom))
            return &d;
    return nullptr;
}

bool EstSousMenu(const QString& nom)
{
    for (const DefinitionMenu& d : TableMenus())
        if (nom == QString::fromUtf8(d.parent))
            return true;
    return false;
}

void InitialiseEtatsMenus()
{
    for (const DefinitionMenu& d : TableMenus()) {
        EtatMenu& e = K.Menu(QString::fromUtf8(d.nom));
        e.Caption = QString::fromUtf8(d.caption);
        e.Checked = d.coche;
        e.Enabled = d.actif;
        e.Visible = true;
    }
}

} // namespace kelmo
