#include "platform/formes/ToucheEntree.h"

#include <QPushButton>
#include <algorithm>

namespace kelmo {

void EntreeSansBoutonImplicite(QWidget* fenetre)
{
    const QList<QPushButton*> boutons = fenetre->findChildren<QPushButton*>();
    if (std::any_of(boutons.begin(), boutons.end(), [](const QPushButton* b) { return b->isDefault(); }))
        return;
    for (QPushButton* b : boutons)
        b->setAutoDefault(false);
}

} // namespace kelmo
