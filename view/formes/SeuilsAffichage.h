#pragma once
// "Seuil d'affichage des noms des villes": the two population thresholds and
// the number of letters of the names drawn on the map. Modeless.
#include "view/formes/FenetreDialogue.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace kelmo {

class BoutonRotatif;
class Jauge;
class SaisieMasquee;

class SeuilsAffichage : public FenetreDialogue {
    Q_OBJECT
public:
    explicit SeuilsAffichage(QWidget* parent = nullptr);
    void Rafraichit() override;

    QComboBox* ListeModifiable1;
    SaisieMasquee* MaskedEdit1;
    SaisieMasquee* MaskedEdit2;
    QLineEdit* Texte1;   // under the masked boxes, never shown
    QLineEdit* Texte2;
    Jauge* Gauge1;
    Jauge* Gauge2;
    BoutonRotatif* Spin1;
    BoutonRotatif* Spin2;
    QPushButton* Command3D1;
    QPushButton* Command3D2;
    QPushButton* Command3D3;

protected:
    void Ferme() override;
};

} // namespace kelmo
