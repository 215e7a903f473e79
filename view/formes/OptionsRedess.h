#pragma once
// "Options pour redessiner": which link-type groups, nodes and names the
// full redraw draws. Modal; its boxes take effect as they are left.
#include "view/formes/FenetreDialogue.h"

#include <map>

class QCheckBox;
class QGroupBox;
class QPushButton;

namespace kelmo {

struct CaseACocher;

class OptionsRedess : public FenetreDialogue {
    Q_OBJECT
public:
    explicit OptionsRedess(QWidget* parent = nullptr);
    void Rafraichit() override;

    QGroupBox* Frame3D2;
    QGroupBox* Modes;
    QGroupBox* Frame3D1;
    QCheckBox* EffaceImage;
    QCheckBox* TousModesRoute;
    QCheckBox* TousModesUrbains;
    QCheckBox* TousModesFerroviaires;
    QCheckBox* TGVSeulement;
    QCheckBox* Autoroute;
    QCheckBox* ModesCollectifsUrbains;
    QCheckBox* ModesPresents;   // "ModesPrésents"
    QCheckBox* AfficheNoeuds;
    QCheckBox* AfficheNomsNoeuds;
    QPushButton* Command3D1;

protected:
    void Ferme() override;

private:
    std::map<QCheckBox*, CaseACocher*> cases_;
};

} // namespace kelmo
