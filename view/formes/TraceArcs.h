#pragma once
// "Arcs": which group of arcs "Trace les arcs..." draws over the picture,
// the comparison with the reference arc file and the node-colour DXF. Modal.
#include "view/formes/FenetreDialogue.h"

#include <vector>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QGridLayout;

namespace kelmo {

enum class ChoixTraceArcs;

class TraceArcs : public FenetreDialogue {
    Q_OBJECT
public:
    explicit TraceArcs(QWidget* parent = nullptr);
    void Rafraichit() override;

    QLabel* Label1;
    QRadioButton* TousModesRoute;
    QRadioButton* TousModesUrbains;
    QRadioButton* CollectifsUrbains;
    QRadioButton* Option3D6;
    QRadioButton* ModesPresents;           // "ModesPrésents"
    std::vector<QRadioButton*> Option3DMode; // element i (from 1) is the i-th link type present; 0 unused
    std::vector<QRadioButton*> Inertes;      // VoieU .. Option3D1, read by no command
    QCheckBox* Check3D1;
    QLabel* Label2;
    QCheckBox* DXFCouleurNoeuds;
    QPushButton* Command3D2;
    QPushButton* Command3D1;

protected:
    void Ferme() override;

private:
    void construitModes();
    QButtonGroup* groupe_;
    QGridLayout* modes_;
    std::vector<QString> legendes_;
    std::vector<std::pair<QRadioButton*, ChoixTraceArcs>> fixes_;
};

} // namespace kelmo
