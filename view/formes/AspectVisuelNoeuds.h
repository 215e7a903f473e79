#pragma once
// "Paramétres d'affichage des noeuds": radius, line width and colours of the
// node circles, the names' font and colour. Every choice applies at once;
// modeless.
#include "view/formes/FenetreDialogue.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QPushButton;

namespace kelmo {

class ApercuDessin;

class AspectVisuelNoeuds : public FenetreDialogue {
    Q_OBJECT
public:
    explicit AspectVisuelNoeuds(QWidget* parent = nullptr);
    void Rafraichit() override;

    QComboBox* Combo1;
    QComboBox* Combo2;
    ApercuDessin* Picture1;
    QGroupBox* Frame3D1;
    QPushButton* Command3D1;
    QPushButton* Command3D2;
    QCheckBox* CouleursModes;
    QCheckBox* Minuscules;
    QPushButton* Police;
    QPushButton* Seuils;
    QPushButton* Command3D4;
    QPushButton* Command3D3;

protected:
    void Ferme() override;
};

} // namespace kelmo
