#include "relief/FacettesGPS.h"
#include "core/Colonnes.h"
#include "core/Demarrage.h"
#include "core/Modele.h"
#include "core/Progression.h"
#include "platform/Chemins.h"
#include "platform/CodePageAnsi.h"
#include "platform/Dialogues.h"
#include "platform/Erreurs.h"
#include "platform/Fichiers.h"
#include "platform/Nombres.h"

#include <QFileInfo>
#include <algorithm>
#include "core/IndexCodes.h"

namespace kelmo {
namespace {

const bool enregistre = (EnregistreEtapeDemarrage(InitCheminFacettesGPS), true);

bool estBlanche(std::string_view ligne)
{
    return std::all_of(ligne.begin(), ligne.end(), [](char c) { return c == ' ' || c == '\t'; });
}

// A code field reads as the old Val did (blanks anywhere ignored, reading
// stops at the first character that cannot continue the number, no number
// is 0), then goes to the nearest 32-bit integer, halves to even.
int32_t code(std::string_view ligne, std::size_t debut, std::size_t fin)
{
    return EnEntier32(ValeurNombre(Colonnes(ligne, debut, fin)));
}

} // namespace

void InitCheminFacettesGPS() { K.RepertoireFacettes = Joint(K.RacineDonnees, QStringLiteral("\\data\\facettes")); }

bool LitFichierFacettesGPS(const QString& chemin)
{
    Sablier sablier;
    std::string contenu;
    try {
        contenu = LitFichierEntier(chemin);
    } catch (const ErreurExecution& e) {
        MessageErreur(QStringLiteral("Erreur dans la lecture du fichier des facettes ") + chemin + QStringLiteral(" : ")
                      + e.description());
        return false;
    }
    // A text file never holds a NUL; anything that does would read as
    // thousands of triangles of code 0.
    if (contenu.find('\0') != std::string::npos) {
        MessageErreur(QStringLiteral("Le fichier %1 n'est pas un fichier texte de facettes : il n'a pas été lu.")
                          .arg(chemin));
        return false;
    }

    const std::vector<std::string_view> lignes = DecoupeLignes(contenu);
    std::size_t derniere = lignes.size();
    while (derniere > 0 && estBlanche(lignes[derniere - 1]))
        --derniere;

    std::vector<FacetteGPS> facettes(1);
    facettes.reserve(std::min<std::size_t>(derniere, NbMaxFacettesGPS) + 1);
    bool tronque = false;
    for (std::size_t i = 0; i < derniere; ++i) {
        if (estBlanche(lignes[i]))
            continue;
        FacetteGPS f;
        try {
            f.Code1 = code(lignes[i], 1, 10);
            f.Code2 = code(lignes[i], 12, 21);
            f.Code3 = code(lignes[i], 23, 32);
        } catch (const ErreurExecution&) {
            MessageErreur(QStringLiteral("La ligne %1 du fichier %2 donne un code de noeud hors des limites "
                                         "d'un entier sur 32 bits : le fichier n'a pas été lu.")
                              .arg(i + 1)
                              .arg(chemin));
            return false;
        }
        if (i + 1 == derniere && f.Code1 == 0 && f.Code2 == 0 && f.Code3 == 0)
            break; // the end mark
        if (facettes.size() > static_cast<std::size_t>(NbMaxFacettesGPS)) {
            tronque = true;
            break;
        }
        facettes.push_back(f);
    }

    K.FacettesGPS = std::move(facettes);
    K.NbFacettesGPS = static_cast<int32_t>(K.FacettesGPS.size()) - 1;
    if (tronque)
        MessageOK(QStringLiteral("Le fichier %1 compte plus de %2 facettes : seules les %2 premières ont été lues.")
                      .arg(chemin)
                      .arg(NbMaxFacettesGPS),
                  Icone::Exclamation);
    return true;
}

void IndexeFacettesGPS()
{
    const IndexCodes noeudDuCode = IndexCodesNoeuds();
    // A code no node holds leaves the number there is.
    auto indice = [&](int32_t code, int16_t& indice) {
        if (const int32_t k = noeudDuCode.Premier(code))
            indice = static_cast<int16_t>(k);
    };

    const int32_t n = K.NbFacettesGPS;
    for (int32_t f = 1; f <= n; ++f) {
        AfficheProgression(n, f, MessageIndexationFacettes);
        FacetteGPS& t = K.FacettesGPS[f];
        indice(t.Code1, t.Indice1);
        indice(t.Code2, t.Indice2);
        indice(t.Code3, t.Indice3);
    }
    // Without any triangle the report would show the panel and never hide it.
    if (n > 0)
        AfficheProgression(n, n, MessageIndexationFacettes);
}

void Kelmo_menLectFichFacettes_Click()
{
    DemandeFichier d;
    d.titre = TitreFichierFacettes;
    d.filtre = FiltreFichierFacettes;
    d.indexFiltre = 1;
    d.dossierInitial = K.RepertoireFacettes;
    d.nomFichier = K.NomFichierFacettes;
    const std::optional<QString> choix = Ui().FichierOuvrir(d);
    if (!choix || choix->isEmpty())
        return;
    K.RepertoireFacettes = QFileInfo(CheminLocal(*choix)).absolutePath();
    K.NomFichierFacettes = *choix;
    if (FichierExiste(K.NomFichierFacettes) && LitFichierFacettesGPS(K.NomFichierFacettes))
        IndexeFacettesGPS();
}

} // namespace kelmo
