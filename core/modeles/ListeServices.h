#pragma once
// A timetable list: lines kept sorted by their text, each carrying the key
// of the service it shows, so that a line reads back to its service whatever
// its columns hold (a minus sign, a third hour digit, a long code).
#include "platform/TexteFixe.h"

#include <QString>
#include <algorithm>
#include <cstdint>
#include <vector>

namespace kelmo {

// What finds a service again: its two end codes, its mode and its times,
// and what else it stores, so that two services of one link at the same
// minutes with their own line number or days stay two. Two services alike in
// all of these are the same service twice: either may stand for the other.
// The node numbers are left out: re-indexing the arcs changes no service.
struct CleService {
    int32_t CodeOrigine = 0;
    int32_t CodeDestination = 0;
    int16_t Mode = 0;
    int16_t HeureDepart = 0;
    int16_t HeureArrivee = 0;
    float Longueur = 0;
    float Duree = 0;
    float Debit = 0;
    float Capacite = 0;
    TexteFixe<7> Jours{};
    bool operator==(const CleService&) const = default;
};

struct LigneService {
    QString Texte;
    CleService Cle;
};

struct ListeServices {
    std::vector<LigneService> Lignes;
    std::vector<char> Selection; // one flag per line (extended selection)
    int ListIndex = -1;          // the line last chosen, -1 for none

    int ListCount() const { return static_cast<int>(Lignes.size()); }
    void Clear()
    {
        Lignes.clear();
        Selection.clear();
        ListIndex = -1;
    }
    // Inserted after the lines of equal text, in code-unit order: lines that
    // start with digits come in the order of their times.
    int AddItem(LigneService l)
    {
        const auto pos = std::upper_bound(Lignes.begin(), Lignes.end(), l.Texte,
                                          [](const QString& t, const LigneService& e) { return t < e.Texte; });
        const auto i = static_cast<int>(pos - Lignes.begin());
        Lignes.insert(pos, std::move(l));
        Selection.insert(Selection.begin() + i, 0);
        if (ListIndex >= i)
            ++ListIndex;
        return i;
    }
    const LigneService* Ligne(int i) const { return i >= 0 && i < ListCount() ? &Lignes[static_cast<std::size_t>(i)] : nullptr; }
    bool Selected(int i) const { return i >= 0 && i < ListCount() && Selection[static_cast<std::size_t>(i)]; }
    void Selectionne(int i, bool oui)
    {
        if (i >= 0 && i < ListCount())
            Selection[static_cast<std::size_t>(i)] = oui ? 1 : 0;
    }
    int SelCount() const { return static_cast<int>(std::count(Selection.begin(), Selection.end(), 1)); }
    // Chooses line i alone (out of range: nothing chosen).
    void Choisit(int i)
    {
        std::fill(Selection.begin(), Selection.end(), 0);
        ListIndex = i >= 0 && i < ListCount() ? i : -1;
        if (ListIndex >= 0)
            Selection[static_cast<std::size_t>(ListIndex)] = 1;
    }
};

} // namespace kelmo
