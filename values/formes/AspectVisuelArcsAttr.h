#pragma once
// "Arcs des attractions": the widths and colour of the attraction arc's
// line with a preview, over K.Formes.AspectVisuelArcsAttr. Modal; "OK"
// hides it and it is kept for the next showing.
#include <QDialog>
#include <functional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kelmo {

class ApercuDessin;
class BoutonRotatif;

class AspectVisuelArcsAttr : public QDialog {
    Q_OBJECT
public:
    explicit AspectVisuelArcsAttr(QWidget* parent = nullptr);
    void Rafraichit();
    void reject() override;

    QPushButton* Command1;
    QGroupBox* Cadre1;
    QLineEdit* Text1;
    QLineEdit* Text2;
    QLabel* Image1;
    QPushButton* Commande2;
    ApercuDessin* Picture1;
    BoutonRotatif* Spin1;
    BoutonRotatif* Spin2;
    QRadioButton* Option3D1;
    QRadioButton* Option3D2;
    QRadioButton* Option3D3;

private:
    void agit(const std::function<void()>& handler);
};

} // namespace kelmo
