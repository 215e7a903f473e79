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
    for (std::size_t i : lignes)
        if (!PlanCelluleDXF(s.plancad[i]))
            return QStringLiteral("Le numéro de plan de la ligne « %1 » ne tient pas sur 16 bits (de -32768 à 32767).")
                .arg(s.Etiquette1[i - 1]);
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

void ConstruitFichierDXF(TamponDXF& t)
{
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
    return EnregistreFichierDXF(DXF.NomFichierDXF, t.octets);
}

} // namespace kelmo
