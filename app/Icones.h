#pragma once
// The artwork of the main window, drawn rather than loaded: the toolbar
// buttons and the emblem of the about box.
#include <QCursor>
#include <QIcon>
#include <QPixmap>

namespace kelmo {

// Toolbar image 1 to 6: zoom out, zoom in, up, left, right, down.
QIcon IconeBarreOutils(int image);
// A stylised network over a time-space relief.
QPixmap DessineEmbleme(int cote, bool relief);
// The map pointer of the arc editor: a small square in a square, its hot
// spot at the centre.
QCursor CurseurEditeurArcs();

} // namespace kelmo
