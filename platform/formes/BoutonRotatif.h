#pragma once
// The spin button of the option dialogs: two arrows and nothing else. It
// holds no value; the handlers read and write the text box beside it.
#include <QWidget>

class QToolButton;

namespace kelmo {

class BoutonRotatif : public QWidget {
    Q_OBJECT
public:
    explicit BoutonRotatif(QWidget* parent = nullptr);

    QToolButton* flecheHaut() const { return haut_; }
    QToolButton* flecheBas() const { return bas_; }

signals:
    void SpinUp();
    void SpinDown();

private:
    QToolButton* haut_;
    QToolButton* bas_;
};

} // namespace kelmo
