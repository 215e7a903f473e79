#pragma once
// The window "Anamorphose": the choice of the start node and the start of
// the anamorphosis. One instance, created on first use and kept: hidden, it
// keeps its list and the choice made, which live in K.Formes.frmAnamorphose.
#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
class QWidget;

namespace kelmo {

class frmAnamorphose : public QDialog {
    Q_OBJECT
public:
    explicit frmAnamorphose(QWidget* parent = nullptr);

    // The model's list and choice into the combo box.
    void Rafraichit();

    QLabel* EtiquetteAnam = nullptr;
    QLabel* Etiquette4 = nullptr;
    QComboBox* ListeModifiable1 = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdAnnuler = nullptr;

    // The close box and Escape answer as "&Annuler".
    void reject() override;

protected:
    // Nodes may have been read or edited while the window stood open.
    void changeEvent(QEvent* e) override;
};

// The one window (created at the first call, with the main window as parent
// once InstalleFenetresAnamorphose has run).
frmAnamorphose* FenetreAnamorphose();

// "&Anamorphose": hourglass, the window shown modeless beside the map.
void Kelmo_menAnamorphose_Click();
// "&OK": hides the window and runs the anamorphosis from the chosen node;
// refused while a relief is being drawn (the window then stays).
void frmAnamorphose_cmdOK_Click();
// "&Annuler": hides the window; the map's pointer becomes the cross while
// "Zoom curseur (&souris)" is ticked, else the arrow. Nothing else changes.
void frmAnamorphose_cmdAnnuler_Click();

// Registers "menAnamorphose" and "menLectFichFacettes". parent: the main
// window.
void InstalleFenetresAnamorphose(QWidget* parent);
// Destroys the window (tests, and the end of the run).
void DetruitFenetresAnamorphose();

} // namespace kelmo
