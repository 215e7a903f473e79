#pragma once
// A timetable list on screen: the model's lines in their order, each item
// carrying its service's key as item data, and the model's selection.
#include "core/modeles/ListeServices.h"

class QListWidget;

namespace kelmo {

// The key's fields, as the item data of every line.
constexpr int RoleCleService = 0x0100 + 1; // Qt::UserRole + 1

void MontreListe(QListWidget* liste, const ListeServices& modele);
// The selection of the window into the model (extended selection).
void LitSelection(QListWidget* liste, ListeServices& modele);
// The key an item carries.
CleService CleDeLigne(const QListWidget* liste, int ligne);

// Twips of the old layout, 15 to a pixel at 96 dpi.
constexpr int TwipsParPixel = 15;

} // namespace kelmo
