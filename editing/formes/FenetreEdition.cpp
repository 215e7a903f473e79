#include "editing/formes/FenetreEdition.h"
#include "platform/GardeCommandes.h"
#include "platform/formes/ToucheEntree.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

namespace kelmo {

FenetreEdition_::FenetreEdition_(QWidget* parent, std::function<void()> apresCommande)
    : QWidget(parent, Qt::Tool), apresCommande_(std::move(apresCommande))
{
    EchapFermeFenetre(this);
}

void FenetreEdition_::agit(const std::function<void()>& handler)
{
    // A handler's prompt can let a second press through; one at a time.
    if (enCours_)
        return;
    enCours_ = true;
    ExecuteGarde(handler);
    enCours_ = false;
    Rafraichit();
    if (apresCommande_)
        apresCommande_();
}

void FenetreEdition_::closeEvent(QCloseEvent* e)
{
    agit([this] { Quitte(); });
    e->accept();
}

void FenetreEdition_::changeEvent(QEvent* e)
{
    // Other windows change the model too (a network load, the timetables):
    // the window shows it again whenever the user comes back to it.
    if (e->type() == QEvent::ActivationChange && isActiveWindow())
        Rafraichit();
    QWidget::changeEvent(e);
}

QLabel* FenetreEdition_::etiquette(const char* nom, const QString& texte, QWidget* parent)
{
    auto* l = new QLabel(texte, parent);
    l->setObjectName(QString::fromUtf8(nom));
    return l;
}

void FenetreEdition_::montreTexte(QLineEdit* e, const QString& texte)
{
    if (e->text() == texte)
        return;
    const QSignalBlocker b(e);
    e->setText(texte);
    e->setCursorPosition(0);
}

void FenetreEdition_::montreListe(QComboBox* c, QStringList& montree, const QStringList& entrees, int index)
{
    const QSignalBlocker b(c);
    if (montree != entrees || c->count() != entrees.size()) {
        c->clear();
        c->addItems(entrees);
        montree = entrees;
    }
    if (c->currentIndex() != index)
        c->setCurrentIndex(index >= 0 && index < c->count() ? index : -1);
}

} // namespace kelmo
