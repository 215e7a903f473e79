#pragma once
// "Couleurs DXF": the palette of the grid colour cells, eight names each on
// its own colour; a double click puts the name into the cell that opened it.
// Modal over "Sortie DXF".
#include <QDialog>
#include <array>

class QLineEdit;

namespace kelmo {

class CouleursDXF : public QDialog {
    Q_OBJECT
public:
    explicit CouleursDXF(QWidget* parent = nullptr);
    std::array<QLineEdit*, 8> CouleurCad{};

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;
};

} // namespace kelmo
