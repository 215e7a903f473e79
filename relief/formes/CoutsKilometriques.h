#pragma once
// "Coûts kilométriques": the eight costs per km of the three parameter sets,
// as the cost dialog's "Coûts au km" wrote them.
#include <QDialog>
#include <array>

class QLabel;
class QLineEdit;

namespace kelmo {

class CoûtsKilométriques : public QDialog {
public:
    explicit CoûtsKilométriques(QWidget* parent = nullptr);
    void Rafraichit();

    std::array<QLineEdit*, 9> Texte{}; // 1 to 8
    QLabel* Dessin1;
};

} // namespace kelmo
