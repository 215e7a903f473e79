#include "view/formes/FenetreDialogue.h"
#include "platform/GardeCommandes.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include <algorithm>

namespace kelmo {

FenetreDialogue::FenetreDialogue(FormeDialogue forme, QWidget* parent) : QDialog(parent), forme_(forme)
{
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

void FenetreDialogue::reject()
{
    Ferme();
    if (isVisible())
        QDialog::reject();
}

int FenetreDialogue::LargeurTitre(const QString& titre, const QFont& police)
{
    // Title bars write in bold, most of them at the interface's size; room
    // is left for the icon and three buttons of about two lines' height.
    QFont gras = police;
    gras.setBold(true);
    const QFontMetrics fm(gras);
    return fm.horizontalAdvance(titre) + 4 * std::max(28, 2 * fm.height());
}

void FenetreDialogue::showEvent(QShowEvent* e)
{
    const int largeur = LargeurTitre(windowTitle(), font());
    if (minimumWidth() < largeur)
        setMinimumWidth(largeur);
    if (width() < largeur)
        resize(largeur, height());
    QDialog::showEvent(e);
}

void FenetreDialogue::agit(const std::function<void()>& handler)
{
    ExecuteGarde(handler);
    Rafraichit();
}

void FenetreDialogue::montreTexte(QLineEdit* e, const QString& texte)
{
    if (e->text() == texte)
        return;
    const QSignalBlocker b(e);
    const int curseur = e->cursorPosition();
    e->setText(texte);
    e->setCursorPosition(std::min<int>(curseur, static_cast<int>(texte.size())));
}

void FenetreDialogue::montreTexte(QComboBox* c, const QString& texte)
{
    if (c->currentText() == texte)
        return;
    const QSignalBlocker b(c);
    c->setEditText(texte);
}

void FenetreDialogue::montreListe(QComboBox* c, const QStringList& entrees, int index)
{
    QStringList actuelles;
    for (int i = 0; i < c->count(); ++i)
        actuelles << c->itemText(i);
    const QSignalBlocker b(c);
    if (actuelles != entrees) {
        const QString texte = c->currentText();
        c->clear();
        c->addItems(entrees);
        if (c->isEditable())
            c->setEditText(texte);
    }
    if (index >= 0 && index < c->count() && c->currentIndex() != index) {
        const QString texte = c->currentText();
        c->setCurrentIndex(index);
        if (c->isEditable())
            c->setEditText(texte);
    }
}

void FenetreDialogue::montreCoche(QAbstractButton* b, bool coche)
{
    if (b->isChecked() == coche)
        return;
    const QSignalBlocker bloque(b);
    b->setChecked(coche);
}

QComboBox* FenetreDialogue::listeModifiable(QWidget* parent)
{
    auto* c = new QComboBox(parent);
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    return c;
}

QLabel* FenetreDialogue::etiquette(const char* nom, const QString& texte, QWidget* parent)
{
    auto* l = new QLabel(texte, parent);
    l->setObjectName(QString::fromUtf8(nom));
    return l;
}

} // namespace kelmo
