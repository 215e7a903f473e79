#include "platform/formes/BoutonRotatif.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace kelmo {

BoutonRotatif::BoutonRotatif(QWidget* parent) : QWidget(parent), haut_(new QToolButton(this)), bas_(new QToolButton(this))
{
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    for (QToolButton* b : {haut_, bas_}) {
        // Held down, an arrow keeps stepping as the old control did.
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setFixedSize(18, 11);
        l->addWidget(b);
    }
    haut_->setArrowType(Qt::UpArrow);
    bas_->setArrowType(Qt::DownArrow);
    connect(haut_, &QToolButton::clicked, this, &BoutonRotatif::SpinUp);
    connect(bas_, &QToolButton::clicked, this, &BoutonRotatif::SpinDown);
}

} // namespace kelmo
