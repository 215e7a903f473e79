#pragma once
// "Modification des arcs": the arc editor's window, beside the map. Its
// controls carry the program's names; the geometry is in twips / 15, so
// that the delete button moves and the window's height follows the model.
#include "editing/formes/FenetreEdition.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;

namespace kelmo {

class ModifArcs : public FenetreEdition_ {
    Q_OBJECT
public:
    ModifArcs(QWidget* parent, std::function<void()> apresCommande);
    void Rafraichit() override;

    QComboBox* ListeModifiable1;
    QComboBox* ListeModifiable2;
    QComboBox* ListeModifiable3;
    QLineEdit* Longueur;
    QLineEdit* Heures;
    QLineEdit* Minutes;
    QLineEdit* Débit;
    QLineEdit* Capacité;
    QListWidget* ListeFichArcs;
    QPushButton* BtnCréer;
    QPushButton* BtnDétruire;
    QToolButton* BtnDoubleArc;
    QToolButton* BtnHoraires;
    QPushButton* Command3D1;
    QPushButton* Command3D3;
    QPushButton* Command3D4;
    QPushButton* SSCommand1;
    QPushButton* Command3D5;
    QPushButton* Commande1;

protected:
    void Quitte() override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    QStringList montrees_[3];
    QStringList fichiersMontres_;
};

} // namespace kelmo
