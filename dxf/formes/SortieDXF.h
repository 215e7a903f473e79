#pragma once
// "Sortie DXF": the layer grid, the node, circle, arc and facet options and
// the button that writes the drawing. Modeless, made on first use and only
// hidden by "Quitter". Every control shows K.Formes.SortieDXF and its
// handlers are those of dxf/SortieDXF.h.
#include <QDialog>
#include <array>
#include <functional>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kelmo {

class SortieDXF : public QDialog {
    Q_OBJECT
public:
    explicit SortieDXF(QWidget* parent = nullptr);
    // The model's values into the controls.
    void Rafraichit();

    std::array<QLineEdit*, 15> plancad{}, couleurcad{}, epaisseurcad{};
    std::array<QLabel*, 14> Etiquette1{};
    std::array<QCheckBox*, 4> CocheNoeud{};
    std::array<QLineEdit*, 4> NomVilleDxf{};
    QCheckBox* cochecircle;
    QGroupBox* Frame2;
    QRadioButton *RayonFixe, *FonctionPopulation, *FonctionNoeudVal;
    QCheckBox *CouleursClasses, *CoulNVal2;
    QLabel *Etiquette2, *Etiquette3;
    std::array<QLineEdit*, 3> cadcircle{};
    QCheckBox* CocheArcs0;
    QRadioButton *Minimaux, *ArcValeur, *ArcValeurBiColor, *ArcValCouleurModes;
    QGroupBox* Frame1;
    QRadioButton *TroisDTubes, *PolyLignes, *TroisDFaces;
    QCheckBox* APlat;
    QLabel *Etiquette4, *Etiquette5;
    std::array<QLineEdit*, 2> Tube{};
    QCheckBox* Coche3DFace;
    QPushButton *ecritleDXF, *Command3D1;

protected:
    void reject() override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void agit(const std::function<void()>& handler);
};

} // namespace kelmo
