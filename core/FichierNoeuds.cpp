#include "core/FichierNoeuds.h"
#include "core/Colonnes.h"
#include "core/ListesNoeuds.h"
#include "core/Modele.h"
#include "platform/CodePageAnsi.h"
#include "platform/Dialogues.h"
#include "platform/Erreurs.h"
#include "platform/Fichiers.h"
#include "platform/Nombres.h"

#include <cmath>

namespace kelmo {

void LitFichierNoeuds(const QString& chemin)
{
    const std::string contenu = LitFichierEntier(chemin);
    const std::vector<std::string_view> lignes = DecoupeLignes(contenu);
    if (lignes.empty())
        LeveErreur(ErrFinDeFichier);
    if (lignes.size() > static_cast<std::size_t>(NbMaxNoeudsFichier)) {
        const QString texte = QStringLiteral("Le fichier %1 compte %2 noeuds, plus que les %3 que peut contenir "
                                             "la table des noeuds : il n'a pas été lu.")
                                  .arg(chemin)
                                  .arg(lignes.size())
                                  .arg(NbMaxNoeudsFichier);
        // The command that asked for the file shows this, in its one box.
        LeveErreurExpliquee(ErrTropDeDonnees, texte);
    }

    std::vector<Noeud> noeuds(lignes.size() + 1);
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        std::string_view l = lignes[i];
        Noeud& n = noeuds[i + 1];
        n.Nom = DecodeAnsi(Colonnes(l, 1, 50));
        // A "," is read as a decimal point too: files written under a French
        // regional setting must read back with their decimals.
        n.Code = EnEntier32(ValeurNombre(Colonnes(l, 52, 61), true));
        n.Population = EnEntier32(ValeurNombre(Colonnes(l, 63, 70), true));
        n.X = EnSimple(ValeurReformatee3Decimales(Colonnes(l, 72, 79)));
        n.Y = EnSimple(ValeurReformatee3Decimales(Colonnes(l, 81, 88)));
        n.Z = EnSimple(ValeurReformatee3Decimales(Colonnes(l, 90, 99)));
        n.Visible = true;
    }

    K.Noeuds = std::move(noeuds);
    K.NbNoeuds = static_cast<int32_t>(lignes.size());
    K.IndexNoeuds.assign(static_cast<std::size_t>(K.NbNoeuds) + 1, 0);
    RemplitListesNoeuds();
    K.StatusBar.Panneaux[1] = QString::number(K.NbNoeuds) + QStringLiteral(" noeuds (") + chemin + QStringLiteral(")  ");
    if (K.StatusBar.Repeint)
        K.StatusBar.Repeint();
}

namespace {

struct Champ {
    const char* nom;
    double valeur;
    const char* motif;
};

} // namespace

QString TexteValeurRefusee(double valeur)
{
    if (std::isnan(valeur))
        return QStringLiteral("non numérique");
    if (std::isinf(valeur))
        return valeur < 0 ? QStringLiteral("-infini") : QStringLiteral("infini");
    return TexteGeneral(valeur);
}

void CreeFichierNoeuds(const QString& chemin)
{
    std::string sortie;
    sortie.reserve(static_cast<std::size_t>(K.NbNoeuds) * 101);
    const char sep = K.SeparateurDecimal;
    std::string champ;
    for (int i = 1; i <= K.NbNoeuds; ++i) {
        const Noeud& n = K.Noeuds[i];
        AjouteAnsi(sortie, n.Nom.texte());
        const Champ champs[] = {{"code", static_cast<double>(n.Code), "0000000000"},
                                {"population", static_cast<double>(n.Population), "00000000"},
                                {"X", n.X, "0000.000"},
                                {"Y", n.Y, "0000.000"},
                                {"Z", n.Z, "0000.00000"}};
        for (const Champ& c : champs) {
            if (!FormatMotifDansColonne(c.valeur, c.motif, sep, champ)) {
                const QString texte =
                    QStringLiteral("Le noeud n° %1 (%2) a une valeur trop large pour sa colonne (%3 = %4) : "
                                   "le fichier %5 n'a pas été écrit.")
                        .arg(i)
                        .arg(n.Nom.sansBlancsFinaux(), QString::fromLatin1(c.nom), TexteValeurRefusee(c.valeur), chemin);
                MessageErreur(texte);
                LeveErreur(ErrDepassement, texte);
            }
            sortie.push_back(' ');
            sortie += champ;
        }
        sortie += "\r\n";
    }
    EnregistreFichier(chemin, sortie);
}

} // namespace kelmo
