#include "view/formes/ApercuDessin.h"

#include <QPainter>

namespace kelmo {

ApercuDessin::ApercuDessin(int largeur, int hauteur, QColor fond, QWidget* parent) : QWidget(parent), fond_(fond)
{
    setFixedSize(largeur, hauteur);
}

void ApercuDessin::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), fond_);
    if (Dessin)
        Dessin(p);
}

} // namespace kelmo
