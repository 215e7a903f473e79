#pragma once
// "Coûts": the traveller's parameters of the generalised cost model.
// Modeless; the lists and option buttons write K.Formes.Coûts as they change,
// and closing the window stores and computes, as "Quitter" does.
#include <QDialog>
#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace kelmo {

// No Q_OBJECT: the names the program gives its windows are not ones moc reads.
class Coûts : public QDialog {
public:
    explicit Coûts(QWidget* parent = nullptr);
    void Rafraichit();
    void reject() override;

    QGroupBox *Frame3D1, *Frame3D2, *Frame3D3, *Frame3D4;
    QComboBox *Combo1, *Combo2, *Combo3;
    std::array<QRadioButton*, 13> Option3D{}; // 1 to 12
    QPushButton* Annuler;    // "Coûts au km"
    QPushButton* Command3D1; // "Quitter"
};

} // namespace kelmo
