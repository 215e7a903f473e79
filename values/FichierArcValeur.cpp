#include "values/FichierArcValeur.h"
#include "core/Colonnes.h"
#include "core/Modele.h"
#include "core/Progression.h"
#include "platform/CodePageAnsi.h"
#include "platform/Erreurs.h"
#include "platform/Fichiers.h"
#include "platform/Nombres.h"
#include "core/IndexCodes.h"
#include "platform/NombresChamps.h"
#include "values/LimitesTables.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace kelmo {
namespace {

bool estChiffre(char c) { return c >= '0' && c <= '9'; }

// From column p: over what is not a digit, then over digits; the first
// column after the number.
int apresNombre(std::string_view l, int p)
{
    const int n = static_cast<int>(l.size());
    while (p <= n && !estChiffre(l[static_cast<std::size_t>(p - 1)]))
        ++p;
    while (p <= n && estChiffre(l[static_cast<std::size_t>(p - 1)]))
        ++p;
    return p;
}

std::string_view fenetre(std::string_view ligne, int debut, int largeur)
{
    return Colonnes(ligne, static_cast<std::size_t>(debut), static_cast<std::size_t>(debut + largeur - 1));
}

void litFichier(const QString& chemin, int numero, std::vector<ArcValeur>& arcs, int32_t& nombre)
{
    const std::string contenu = LitFichierEntier(chemin);
    const std::vector<std::string_view> lignes = DecoupeLignes(contenu);
    if (lignes.empty() || lignes.front().empty()) {
        nombre = 0;
        return;
    }
    ColonnesArcValeur c;
    if (!MesureColonnesArcValeur(lignes.front(), numero, c))
        LeveErreur(ErrAppelIncorrect);

    std::vector<ArcValeur> table = arcs;
    table.resize(std::max<std::size_t>(table.size(), NbMaxArcsValeurs + 1));
    int32_t n = 0;
    bool depasse = false;
    for (std::string_view l : lignes) {
        const double valeur = ValeurNombre(fenetre(l, c.d3, c.w3));
        // The value is kept in single precision: one that is 0 there (1E-46)
        // is a 0, and the next line takes the position.
        if (TientDansChamp(valeur, GenreChamp::Simple) && static_cast<float>(valeur) == 0)
            continue;
        if (n == NbMaxArcsValeurs) {
            depasse = true;
            break;
        }
        ArcValeur& a = table[static_cast<std::size_t>(++n)];
        a.CodeOrigine = EnEntier32(ValeurNombre(fenetre(l, c.d1, c.w1)));
        a.CodeDestination = EnEntier32(ValeurNombre(fenetre(l, c.d2, c.w2)));
        a.Valeur = EnSimple(valeur);
        a.Largeur = 0;
        a.Couleur = RGB(255, 0, 0);
    }
    arcs = std::move(table);
    nombre = n;
    if (depasse)
        AvertitLimiteTable(chemin, NbMaxArcsValeurs);
}

void indexe(std::vector<ArcValeur>& arcs, int32_t nombre)
{
    const QString message = QStringLiteral("Implémente les indices par les codes...");
    const IndexCodes noeuds = IndexCodesNoeuds();
    const int32_t n = std::min<int32_t>(nombre, static_cast<int32_t>(arcs.size()) - 1);
    for (int32_t i = 1; i <= n; ++i) {
        AfficheProgression(n, i, message);
        ArcValeur& a = arcs[static_cast<std::size_t>(i)];
        a.IndiceOrigine = static_cast<int16_t>(noeuds.Premier(a.CodeOrigine));
        a.IndiceDestination = static_cast<int16_t>(noeuds.Premier(a.CodeDestination));
    }
    AfficheProgression(n, n, message);
}

} // namespace

bool MesureColonnesArcValeur(std::string_view ligne1, int numeroFichier, ColonnesArcValeur& c)
{
    const int p1 = apresNombre(ligne1, 1);
    int d1 = p1 - 10, w1 = 10;
    const bool court = d1 < 1;
    if (court) {
        w1 = 11 - d1;
        d1 = 1;
    }
    const int p2 = apresNombre(ligne1, p1);
    const int d2 = p2 - w1 + 1;
    c.d3 = d2 + w1 + (numeroFichier == 1 ? 17 : 20);
    c.w3 = static_cast<int>(ligne1.size()) - c.d3 + 10;
    c.d1 = d1;
    c.w1 = w1;
    c.d2 = d2;
    c.w2 = w1 + 1;
    if (court) {
        // A short first number would otherwise lend its window the separator
        // and the destination's first digits, which then join the code.
        c.w1 = p1 - 1;
        c.d2 = std::max(d2, p1);
        c.w2 = d2 + w1 - c.d2 + 1;
    }
    return c.d1 >= 1 && c.d2 >= 1 && c.d3 >= 1 && c.w1 >= 0 && c.w2 >= 0 && c.w3 >= 0;
}

void LitFichierArcValeur1(const QString& chemin) { litFichier(chemin, 1, K.Arcs1, K.NombreArcs1); }
void LitFichierArcValeur2(const QString& chemin) { litFichier(chemin, 2, K.Arcs2, K.NombreArcs2); }

void IndexeArcs1() { indexe(K.Arcs1, K.NombreArcs1); }
void IndexeArcs2() { indexe(K.Arcs2, K.NombreArcs2); }

} // namespace kelmo
