#pragma once
// "Angles de vue de la représentation": the tilt, the rotation and the node
// the map turns about. Modeless.
#include "view/formes/FenetreDialogue.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kelmo {

class BoutonRotatif;
class Jauge;

class Angles : public FenetreDialogue {
    Q_OBJECT
public:
    explicit Angles(QWidget* parent = nullptr);
    void Rafraichit() override;

    QGroupBox* Cadre1;
    QGroupBox* Cadre2;
    QLineEdit* Texte1;
    QLineEdit* Texte3;
    BoutonRotatif* Spin1;
    BoutonRotatif* Spin3;
    Jauge* Gauge1;
    Jauge* Gauge3;
    QCheckBox* Coche1;
    QCheckBox* Option1;
    QComboBox* ListeModifiable1;
    QLabel* Dessin1;
    QPushButton* Commande1;
    QPushButton* Commande2;

protected:
    void Ferme() override;
};

} // namespace kelmo
