#include "editing/ElimineNoeud.h"
#include "core/ListesNoeuds.h"
#include "core/Modele.h"
#include "core/Progression.h"
#include "editing/SuppressionArcs.h"
#include "platform/Dialogues.h"
#include "platform/Nombres.h"

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

// Node i leaves the table: the later nodes move down one place with all
// their fields, and every table that holds node numbers follows.
void retireNoeud(int32_t i)
{
    const int32_t ancienNb = K.NbNoeuds;
    K.Noeuds.erase(K.Noeuds.begin() + i);
    K.NbNoeuds = ancienNb - 1;
    K.Noeuds.resize(static_cast<std::size_t>(K.NbNoeuds) + 1);

    auto renumerote = [i](int32_t n) { return n == i ? 0 : (n > i ? n - 1 : n); };

    // The drawing order keeps its order without the node; an order that did
    // not hold every node once is rebuilt in table order.
    std::vector<int16_t> index(1, 0);
    index.reserve(static_cast<std::size_t>(K.NbNoeuds) + 1);
    std::vector<char> vu(static_cast<std::size_t>(K.NbNoeuds) + 1, 0);
    for (std::size_t k = 1; k < K.IndexNoeuds.size(); ++k) {
        const int32_t e = K.IndexNoeuds[k];
        if (e < 1 || e > ancienNb || e == i)
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
        if (valeurs[k].IndiceNoeud == i)
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
    RemplitListesNoeuds();
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

int32_t ElimineNoeudNumero(int32_t i)
{
    if (i < 1 || i > K.NbNoeuds)
        return 0;
    return elimine(i, K.Noeuds[i].Code);
}

} // namespace kelmo
