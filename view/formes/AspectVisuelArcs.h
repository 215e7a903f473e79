#pragma once
// "Aspect visuel des arcs": widths and colours of one link type at a time,
// with a preview, and the arrows of one-way arcs. Modeless.
#include "view/formes/FenetreDialogue.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QLabel;

namespace kelmo {

class ApercuDessin;
class BoutonRotatif;

class AspectVisuelArcs : public FenetreDialogue {
    Q_OBJECT
public:
    explicit AspectVisuelArcs(QWidget* parent = nullptr);
    void Rafraichit() override;

    QComboBox* ListeDesModes;
    QCheckBox* Fleches;          // "Flèches"
    QGroupBox* Cadre1;
    QLineEdit* Text1;
    QLineEdit* Text2;
    QLineEdit* Text3;
    BoutonRotatif* Spin1;
    BoutonRotatif* Spin2;
    QLabel* Image1;
    QComboBox* Combo1;
    QPushButton* Commande2;
    ApercuDessin* Picture1;
    QGroupBox* Frame3D1;
    QRadioButton* Option3D6;
    QRadioButton* Option3D7;
    QRadioButton* Option3D8;
    QPushButton* Command1;
    QPushButton* Commande1;

protected:
    void Ferme() override;
};

} // namespace kelmo
