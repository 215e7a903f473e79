#pragma once
// "Options du relief": the relief's ten switches. Modal, one instance, kept
// hidden between openings so that the boxes keep their state; the boxes
// write K.Formes.OptionsRelief as they are ticked.
#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

namespace kelmo {

class OptionsRelief : public QDialog {
public:
    explicit OptionsRelief(QWidget* parent = nullptr);
    // The model's boxes into the window.
    void Rafraichit();
    // The close box and Escape cancel, as "Annuler" does.
    void reject() override;

    QLabel* Etiquette1;
    QCheckBox *TGV, *Autoroute, *Train, *Route, *Métro;
    QCheckBox *ModesMinimaux, *GainVirtuel, *Dual, *ReliefThématique, *Anamorphose;
    QPushButton* Command3D1; // "OK"
    QPushButton* Command3D2; // "Annuler"
};

} // namespace kelmo
