#include "editing/ElimineNoeud.h"
#include "core/ListesNoeuds.h"
#include "core/Modele.h"
#include "core/Progression.h"
#include "editing/ModifArcs.h"
#include "editing/SuppressionArcs.h"
#include "platform/Dialogues.h"
#include "platform/Nombres.h"

#include <unordered_set>
#include <vector>

namespace kelmo {
namespace {

QString nomNoeud(int32_t i)
{
    QString n = K.Noeuds[i].Nom.texte();
    n.replace(QChar(u'\0'), QLatin1Char(' '));
    // The report names the node as the lists show it, not padded to 50.
    while (n.endsWith(QLatin1Char(' ')))
        n.chop(1);
    return n;
}

// The nodes marked leave the table: the later nodes move down with all
// their fields, and every table that holds node numbers follows.
void retireNoeuds(const std::vector<char>& retire)
{
    const int32_t ancienNb = K.NbNoeuds;
    // New number of each old node, 0 for a node that goes.
    std::vector<int32_t> nouveau(static_cast<std::size_t>(ancienNb) + 1, 0);
    int32_t gardes = 0;
    for (int32_t k = 1; k <= ancienNb; ++k) {
        if (k < static_cast<int32_t>(retire.size()) && retire[static_cast<std::size_t>(k)])
            continue;
        nouveau[static_cast<std::size_t>(k)] = ++gardes;
        if (gardes != k)
            K.Noeuds[static_cast<std::size_t>(gardes)] = K.Noeuds[static_cast<std::size_t>(k)];
    }
    K.NbNoeuds = gardes;
    K.Noeuds.resize(static_cast<std::size_t>(K.NbNoeuds) + 1);

    const int32_t retires = ancienNb - gardes;
    auto renumerote = [&nouveau, ancienNb, retires](int32_t n) {
        if (n >= 1 && n <= ancienNb)
            return nouveau[static_cast<std::size_t>(n)];
        return n > ancienNb ? n - retires : n;
    };

    // The drawing order keeps its order without the node; an order that did
    // not hold every node once is rebuilt in table order.
    std::vector<int16_t> index(1, 0);
    index.reserve(static_cast<std::size_t>(K.NbNoeuds) + 1);
    std::vector<char> vu(static_cast<std::size_t>(K.NbNoeuds) + 1, 0);
    for (std::size_t k = 1; k < K.IndexNoeuds.size(); ++k) {
        const int32_t e = K.IndexNoeuds[k];
        if (e < 1 || e > ancienNb || nouveau[static_cast<std::size_t>(e)] == 0)
            continue;
        const int32_t r = renumerote(e);
        if (vu[r])
            continue;
        vu[r] = 1;
        index.push_back(static_cast<int16_t>(r));
    }
    if (static_cast<int32_t>(index.size()) - 1 != K.NbNoeuds) {
        index.resize(static_cast<std::size_t>(K.NbNoeuds) + 1);
        for (int32_t k = 1; k <= K.NbNoeuds; ++k)
            index[k] = static_cast<int16_t>(k);
    }
    K.IndexNoeuds = std::move(index);

    for (int32_t k = 1; k <= K.NbArcs; ++k) {
        Arc& a = K.Arcs[k];
        a.IndiceOrigine = static_cast<int16_t>(renumerote(a.IndiceOrigine));
        a.IndiceDestination = static_cast<int16_t>(renumerote(a.IndiceDestination));
    }

    // The values shown per node lose the node's entry, and its symbol size
    // with it; the sizes table keeps its length.
    std::vector<ValeurNoeud>& valeurs = K.ValeursNoeuds;
    std::vector<float>& tailles = K.TailleSymboles;
    std::size_t garde = 1;
    for (std::size_t k = 1; k < valeurs.size(); ++k) {
        if (valeurs[k].IndiceNoeud >= 1 && valeurs[k].IndiceNoeud <= ancienNb
            && nouveau[static_cast<std::size_t>(valeurs[k].IndiceNoeud)] == 0)
            continue;
        valeurs[k].IndiceNoeud = static_cast<int16_t>(renumerote(valeurs[k].IndiceNoeud));
        if (garde != k) {
            valeurs[garde] = valeurs[k];
            if (k < tailles.size())
                tailles[garde] = tailles[k];
        }
        ++garde;
    }
    if (garde < valeurs.size()) {
        const std::size_t retires = valeurs.size() - garde;
        valeurs.resize(garde);
        for (std::size_t k = garde; k < tailles.size(); ++k)
            tailles[k] = k + retires < tailles.size() ? tailles[k + retires] : 0.0f;
    }
    // The pairs of the arc-value files point at node numbers too.
    for (std::vector<ArcValeur>* table : {&K.Arcs1, &K.Arcs2})
        for (ArcValeur& a : *table) {
            a.IndiceOrigine = static_cast<int16_t>(renumerote(a.IndiceOrigine));
            a.IndiceDestination = static_cast<int16_t>(renumerote(a.IndiceDestination));
        }
}

// Every node list starts again with no node chosen; the arc editor, whose
// two lists named the ends of the arc it shows, then shows none.
void remplitListes()
{
    RemplitListesNoeuds();
    ModifArcs_OublieArcAffiche();
}

void retireNoeud(int32_t i)
{
    std::vector<char> retire(static_cast<std::size_t>(K.NbNoeuds) + 1, 0);
    retire[static_cast<std::size_t>(i)] = 1;
    retireNoeuds(retire);
}

int32_t elimine(int32_t i, double code)
{
    const QString nom = i > 0 ? nomNoeud(i) : QStringLiteral("<noeud non trouvé>");
    const QString message = QStringLiteral("Elimination des arcs connectés à ") + nom.left(12) + QStringLiteral("...");
    const int32_t total = K.NbArcs;
    AfficheProgression(total, 0, message);
    const BilanSuppression b = SupprimeArcsSi(
        [code](const Arc& a) { return a.CodeOrigine == code || a.CodeDestination == code; },
        [&](int32_t k) { AfficheProgression(total, k, message); });
    if (i > 0)
        retireNoeud(i);
    remplitListes();
    if (!K.DemandeAccord)
        Ui().Message(QStringLiteral("Le noeud ") + nom + QStringLiteral(" a été éliminé.") + QChar(13)
                         + TexteAvecSigne(b.nombre) + QStringLiteral(" arc(s) a(ont) été éliminé(s)."),
                     Boutons::OK, Icone::Information, QStringLiteral("Elimination d'un noeud"));
    AfficheProgression(K.NbArcs, K.NbArcs, message);
    return b.nombre;
}

} // namespace

int32_t ElimineNoeud(double code)
{
    int32_t trouve = 0;
    for (int32_t i = 1; i <= K.NbNoeuds && trouve == 0; ++i)
        if (K.Noeuds[i].Code == code)
            trouve = i;
    return elimine(trouve, code);
}

int32_t ElimineNoeudsNumeros(const std::vector<char>& retire)
{
    std::unordered_set<int32_t> codes;
    for (int32_t k = 1; k <= K.NbNoeuds && k < static_cast<int32_t>(retire.size()); ++k)
        if (retire[static_cast<std::size_t>(k)])
            codes.insert(K.Noeuds[static_cast<std::size_t>(k)].Code);
    if (codes.empty())
        return 0;
    const BilanSuppression b = SupprimeArcsSi(
        [&codes](const Arc& a) { return codes.contains(a.CodeOrigine) || codes.contains(a.CodeDestination); },
        [](int32_t) {});
    retireNoeuds(retire);
    remplitListes();
    return b.nombre;
}

int32_t ElimineNoeudNumero(int32_t i)
{
    if (i < 1 || i > K.NbNoeuds)
        return 0;
    return elimine(i, K.Noeuds[i].Code);
}

} // namespace kelmo
