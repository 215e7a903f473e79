#pragma once
// The plain values of the controls that the window models are made of, so
// that computations read and fill a window's controls without the window.
#include <QString>
#include <QStringList>

namespace kelmo {

// A list or combo box: its entries and the selected one (-1: none).
struct Liste {
    QStringList Entrees;
    int ListIndex = -1;
    void Clear() { Entrees.clear(); ListIndex = -1; }
    void AddItem(const QString& s) { Entrees.push_back(s); }
    // Selects entry index, or nothing when there is no such entry.
    void Choisit(int index) { ListIndex = index >= 0 && index < Entrees.size() ? index : -1; }
    // The text of entry index; empty when there is no such entry.
    QString Entree(int index) const { return index >= 0 && index < Entrees.size() ? Entrees[index] : QString(); }
};

// A check box, with whether it can be changed.
struct CaseACocher {
    bool Value = false;
    bool Enabled = true;
};

// A command button that code shows, hides, moves or resizes. Left and Width
// are in twips (15 to a pixel), 0 where the window's own layout holds;
// FontSize in points, 0 for the window's font.
struct Bouton {
    bool Visible = true;
    bool Enabled = true;
    int Left = 0;
    int Width = 0;
    double FontSize = 0;
};

} // namespace kelmo
