#pragma once
// "Statistiques": the window over K.Formes.Statistiques. Modeless, created
// at start-up and only hidden by "Fermer"; every event calls its handler
// (values/GestionStatistiques.h, ClassesValeurs.h, MethodesBornes.h) and the
// window then shows the model again.
#include <QDialog>
#include <QLabel>
#include <QWidget>
#include <array>
#include <functional>

class QAbstractButton;
class QBarSet;
class QChartView;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace kelmo {

struct Bande;

// A strip: paints the ticks its model holds, one unit one pixel.
class BandeStatistiques : public QWidget {
    Q_OBJECT
public:
    BandeStatistiques(const Bande& bande, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    const Bande& bande_;
};

// A colour box: a frame whose background is the class colour, clickable.
class PicClasseBoite : public QLabel {
    Q_OBJECT
public:
    explicit PicClasseBoite(QWidget* parent);
signals:
    void clique();

protected:
    void mousePressEvent(QMouseEvent* e) override;
};

class Statistiques : public QDialog {
    Q_OBJECT
public:
    explicit Statistiques(QWidget* parent = nullptr);

    // The model's values into the widgets.
    void Rafraichit();
    void reject() override;

    QTabWidget* SSTab1;
    QRadioButton* Option3D1;
    QRadioButton* Option3D2;
    QRadioButton* Multiplication;
    QRadioButton* DiffAbs;
    QRadioButton* DiffRelat;
    QCheckBox* BlindageEchDifAbs;
    QCheckBox* BlindageEchDifRel;
    QLineEdit* Text3;
    QLineEdit* Text4;
    QPushButton* FusionneFichiers;
    QLineEdit* NomFichBMP;
    QPushButton* Command3D2;
    QPushButton* Command3D3;
    QRadioButton* ArcVale1;
    QRadioButton* ArcVale2;
    QPushButton* Command3D4;
    QPushButton* Command3D5;
    QPushButton* R;
    QGroupBox* Frame3D2;
    BandeStatistiques* Picture2;
    BandeStatistiques* Picture1;
    QLineEdit* Text1;
    QLineEdit* Text2;
    std::array<QLineEdit*, 12> Borne{};
    QLineEdit* Text5;
    std::array<PicClasseBoite*, 11> PicClasse{};
    QLabel* Etiquette1;
    QPushButton* SSCommand1;
    QPushButton* SSCommand2;
    QPushButton* SSCommand3;
    QLineEdit* Amplitude;
    QLabel* Label4;
    QChartView* Graph1;
    QCheckBox* ClassesDifférences;
    QGroupBox* ChoixDiffClasse;
    QRadioButton* ClasseDifRel;
    QRadioButton* ClasseDiffAbs;
    QCheckBox* AffValNum;
    QCheckBox* ApercuCarte;
    QCheckBox* Check3D1;
    QLineEdit* Ech;
    QCheckBox* ValHoraires;
    QGroupBox* TypeHoraire;
    QRadioButton* HoraireHHMM;
    QRadioButton* HoraireMinutes;
    QPushButton* Command3D1;

    // The chart's one series of class counts.
    QBarSet* Effectifs() const { return effectifs_; }

protected:
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    QWidget* ongletNoeuds();
    QWidget* ongletArcs();
    QGroupBox* cadreClasses();
    QWidget* optionsFenetre();
    void relie();
    // Runs a handler, then shows the model again (the hourglass comes from
    // the handler).
    void agit(const std::function<void()>& handler);
    void montreGraphe();

    QBarSet* effectifs_ = nullptr;
    bool rafraichit_ = false;
};

} // namespace kelmo
