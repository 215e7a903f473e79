#pragma once
// "Paramètres d'affichage": view scale, origin and picture size, typed or
// taken from a predefined display space. Modal.
#include "view/formes/FenetreDialogue.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace kelmo {

class ParamAffichage : public FenetreDialogue {
    Q_OBJECT
public:
    explicit ParamAffichage(QWidget* parent = nullptr);
    void Rafraichit() override;

    QGroupBox* Frame3D3;
    QComboBox* ListeDesEspaces;
    QGroupBox* Frame3D2;
    QLineEdit* CoefficientZoom;
    QLineEdit* xZoom;
    QLineEdit* yZoom;
    QGroupBox* Frame3D1;
    QLineEdit* HauteurImage;
    QLineEdit* LargeurImage;
    QCheckBox* PasDeRecalcul;
    QPushButton* Command3D2;
    QPushButton* Command3D1;

protected:
    void Ferme() override;
};

} // namespace kelmo
