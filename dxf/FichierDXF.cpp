#include "dxf/FichierDXF.h"
#include "core/Modele.h"
#include "dxf/ArcsDXF.h"
#include "dxf/ArcsValeursDXF.h"
#include "dxf/DonneesDXF.h"
#include "dxf/EnteteDXF.h"
#include "dxf/Faces3DDXF.h"
#include "dxf/FacettesDXF.h"
#include "dxf/GrilleDXF.h"
#include "dxf/NoeudsDXF.h"
#include "dxf/TubesDXF.h"
#include "platform/Dialogues.h"
#include "platform/Fichiers.h"
#include "platform/NombresChamps.h"

#include <algorithm>
#include <exception>

namespace kelmo {


namespace {

// Characters that no layer name may hold.
bool nomDePlanValide(const QString& nom)
{
    static const QString interdits = QStringLiteral("<>/\\\":;?*=`|");
    for (QChar c : nom)
        if (interdits.contains(c) || c.unicode() < 0x20)
            return false;
    return true;
}

bool arcsParLigneDeType(const ModeleSortieDXF& s)
{
    return s.CocheArcs[0].Value && !(s.Objet == ObjetArcsDXF::PolyLignes && s.Valeur == ValeurArcsDXF::ArcValeur);
}

// Every arc of the valued options takes its width from arc-value file
// no. 1: without a pair there is not one line to draw. Why, when so.
std::optional<QString> arcsValeursSansFichier(const ModeleSortieDXF& s)
{
    if (!s.CocheArcs[0].Value || s.Objet != ObjetArcsDXF::PolyLignes || s.Valeur == ValeurArcsDXF::Minimaux
        || std::min<int32_t>(K.NombreArcs1, static_cast<int32_t>(K.Arcs1.size()) - 1) > 0)
        return std::nullopt;
    return QStringLiteral("les arcs en « %1 » prennent leur largeur du fichier arc-valeur numéro 1, et aucun "
                          "arc-valeur n'est chargé.")
        .arg(s.Valeur == ValeurArcsDXF::ArcValeurBiColor ? QStringLiteral("Couleur des noeuds")
             : s.Valeur == ValeurArcsDXF::ArcValeur      ? QStringLiteral("Arc-Valeur (ArcVal1)")
                                                         : QStringLiteral("Arc-Valeur avec Couleur-Modes"));
}

// Something besides the arcs that the drawing would hold.
bool autreChoseAEcrire(const ModeleSortieDXF& s)
{
    return ((s.CocheNoeud[0].Value || s.cochecircle.Value) && K.NbNoeuds > 0)
        || (s.Coche3DFace.Value && NbFacettesDXF() > 0);
}

} // namespace

std::optional<QString> RefusSortieDXF()
{
    const ModeleSortieDXF& s = K.Formes.SortieDXF;
    for (std::size_t i = 1; i <= 11; ++i)
        if (!nomDePlanValide(s.plancad[i]))
            return QStringLiteral("Le plan de la ligne « %1 » contient un caractère interdit dans un nom de plan "
                                  "(< > / \\ \" : ; ? * = ` |).")
                .arg(s.Etiquette1[i - 1]);
    // The plane cells that this export reads as layer numbers.
    std::vector<std::size_t> lignes;
    if (s.CocheNoeud[0].Value)
        lignes.push_back(1);
    if (s.Coche3DFace.Value)
        lignes.push_back(3);
    if (arcsParLigneDeType(s))
        for (std::size_t i = 4; i <= 14; ++i)
            lignes.push_back(i);
    // A cell is named by its column and its row.
    const auto cellule = [&s](const QString& colonne, std::size_t i) {
        return QStringLiteral("%1 (%2)").arg(colonne, s.Etiquette1[i - 1]);
    };
    for (std::size_t i : lignes)
        if (!PlanCelluleDXF(s.plancad[i]))
            return MessageHorsChamp(s.plancad[i], cellule(s.plancad[0], i), GenreChamp::Entier16);
    // A number beyond a double in a box the export reads would stop it
    // half-way, the file chooser already answered. The tubes and faces put
    // the thickness into coordinates of the drawing, which are singles.
    const GenreChamp epaisseur = s.Objet == ObjetArcsDXF::PolyLignes ? GenreChamp::Double : GenreChamp::Simple;
    if (arcsParLigneDeType(s))
        for (std::size_t i = 4; i <= 14; ++i)
            if (!LitNombre(s.epaisseurcad[i], {CelluleDXF.etendue, CelluleDXF.virgule, epaisseur}))
                return MessageHorsChamp(s.epaisseurcad[i], cellule(s.epaisseurcad[0], i), epaisseur);
    if (s.CocheArcs[0].Value && s.Objet == ObjetArcsDXF::TroisDTubes && !NombreFiniCelluleDXF(s.Tube[1]))
        return MessageHorsChamp(s.Tube[1], QStringLiteral("Nbre Facettes"), GenreChamp::Double);
    // The drawing is written without the valued arcs when it holds
    // something else.
    if (const auto pourquoi = arcsValeursSansFichier(s); pourquoi && !autreChoseAEcrire(s))
        return QStringLiteral("Il n'y a rien à écrire : ") + *pourquoi;
    if (s.CocheNoeud[0].Value)
        if (auto refus = RefusNomsNoeudsDXF())
            return refus;
    if (s.cochecircle.Value)
        if (auto refus = RefusCerclesNoeudsDXF())
            return refus;
    return std::nullopt;
}

void EcritSectionEntitesDXF(TamponDXF& t)
{
    const ModeleSortieDXF& s = K.Formes.SortieDXF;
    t.DebutSection("ENTITIES");
    if (s.CocheNoeud[0].Value) {
        PrepareNoeudsDXF();
        EcritNomsNoeudsDXF(t);
    }
    if (s.cochecircle.Value) {
        PrepareNoeudsDXF();
        PrepareCerclesDXF();
        EcritCerclesNoeudsDXF(t);
    }
    if (s.CocheArcs[0].Value) {
        switch (s.Objet) {
        case ObjetArcsDXF::TroisDTubes:
            PrepareArcsDXF();
            EcritArcsTubesDXF(t);
            break;
        case ObjetArcsDXF::TroisDFaces:
            PrepareArcsDXF();
            EcritArcs3DFacesDXF(t);
            break;
        case ObjetArcsDXF::PolyLignes:
            switch (s.Valeur) {
            case ValeurArcsDXF::ArcValCouleurModes:
                PrepareArcsValeurModesDXF();
                EcritArcsPolylignesModesDXF(t);
                break;
            case ValeurArcsDXF::ArcValeurBiColor:
                PrepareArcsValeurNoeudsDXF();
                EcritArcsPolylignesModesDXF(t);
                break;
            case ValeurArcsDXF::ArcValeur:
                PrepareArcsValeurDXF();
                EcritArcsValeurPolylignesDXF(t);
                break;
            case ValeurArcsDXF::Minimaux:
                PrepareArcsDXF();
                EcritArcsPolylignesDXF(t);
                break;
            }
            break;
        }
    }
    if (s.Coche3DFace.Value) {
        PrepareFacettesDXF();
        EcritFacettesDXF(t);
    }
    t.FinSection();
}

std::size_t BorneOctetsDXF()
{
    // Upper bounds of a record of each kind, numbers at their longest.
    constexpr std::size_t texte = 400, cercle = 220, polyligne = 560, face = 440;
    const ModeleSortieDXF& s = K.Formes.SortieDXF;
    const auto noeuds = static_cast<std::size_t>(std::max(K.NbNoeuds, 0));
    const auto arcs = static_cast<std::size_t>(std::max(K.NbArcs, 0));
    std::size_t n = 4096;
    for (const QString& c : s.plancad)
        n += static_cast<std::size_t>(c.size()) + 64;
    if (s.CocheNoeud[0].Value)
        n += noeuds * (texte + static_cast<std::size_t>(s.NomVilleDxf[0].size() + s.NomVilleDxf[3].size()));
    if (s.cochecircle.Value)
        n += noeuds * cercle;
    if (s.CocheArcs[0].Value) {
        switch (s.Objet) {
        case ObjetArcsDXF::TroisDTubes: {
            const double cotes = std::clamp(NombreCelluleDXF(s.Tube[1]), 0.0, 1e6);
            n += arcs * 2 * static_cast<std::size_t>(cotes) * face;
            break;
        }
        case ObjetArcsDXF::TroisDFaces:
            n += arcs * 6 * face;
            break;
        case ObjetArcsDXF::PolyLignes:
            n += std::max<std::size_t>(arcs, static_cast<std::size_t>(std::max(K.NombreArcs1, 0))) * polyligne;
            break;
        }
    }
    if (s.Coche3DFace.Value)
        n += static_cast<std::size_t>(std::max(NbFacettesDXF(), 0)) * face;
    return n;
}

void ConstruitFichierDXF(TamponDXF& t)
{
    t.Reserve(BorneOctetsDXF());
    EcritEnteteDXF(t);
    EcritTablesDXF(t);
    EcritSectionEntitesDXF(t);
    t.Groupe(0, "EOF");
}

bool EnregistreFichierDXF(const QString& chemin, const std::string& octets)
{
    try {
        EnregistreFichier(chemin, octets);
        return true;
    } catch (const std::exception&) {
        Ui().Sablier(false);
        MessageErreur(QStringLiteral("Erreur lors de l'écriture du fichier DXF"));
        return false;
    }
}

bool EcritFichierDXF()
{
    if (const auto refus = RefusSortieDXF()) {
        Ui().Message(*refus, Boutons::OK, Icone::Exclamation, TitreSortieDXF);
        return false;
    }
    Sablier sablier;
    TamponDXF t;
    try {
        ConstruitFichierDXF(t);
    } catch (const std::exception&) {
        // Nothing has been written yet: the old file stays as it was.
        Ui().Sablier(false);
        MessageErreur(QStringLiteral("Erreur lors de l'écriture du fichier DXF"));
        return false;
    }
    if (!EnregistreFichierDXF(DXF.NomFichierDXF, t.octets))
        return false;
    if (const auto pourquoi = arcsValeursSansFichier(K.Formes.SortieDXF))
        Ui().Message(QStringLiteral("Le fichier DXF est écrit sans les arcs : ") + *pourquoi, Boutons::OK,
                     Icone::Information, TitreSortieDXF);
    return true;
}

} // namespace kelmo
