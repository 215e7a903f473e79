#pragma once
// "Modifie les noeuds": the node editor's window, beside the map.
#include "editing/formes/FenetreEdition.h"

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace kelmo {

class ModifNoeuds : public FenetreEdition_ {
    Q_OBJECT
public:
    ModifNoeuds(QWidget* parent, std::function<void()> apresCommande);
    void Rafraichit() override;

    QComboBox* ListeModifiable1;
    QGroupBox* Frame3D1;
    QLineEdit* Texte1;
    QLineEdit* Texte2;
    QLineEdit* Texte3;
    QLineEdit* Texte4;
    QLineEdit* Texte5;
    QLineEdit* Texte6;
    QLineEdit* Texte7;
    QLineEdit* Texte8;
    QPushButton* Command3D2;
    QPushButton* Command3D5;
    QPushButton* Command3D1;
    QPushButton* Command3D4;
    QPushButton* Command3D3;
    QPushButton* Command3D6;
    QToolButton* BtnHoraires;

protected:
    void Quitte() override;

private:
    QStringList montree_;
};

} // namespace kelmo
