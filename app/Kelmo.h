#pragma once
// The main window: menus built from the one menu table, the zoom and pan
// toolbar, the bitmap and metafile picture areas with their scroll bars, and
// the status bar with its five panels and the progress gauge. The window
// shows the model (menu states, status texts, pictures) and re-reads it after
// every command; the commands themselves work on the model.
#include "app/MiseEnPage.h"
#include "platform/ZoneImage.h"
#include "platform/formes/PanneauEtat.h"

#include <QMainWindow>
#include <map>

class QAction;
class QLabel;
class QMenu;
class QProgressBar;
class QScrollBar;
class QToolBar;

namespace kelmo {

class VueImage;

class Kelmo : public QMainWindow {
    Q_OBJECT
public:
    explicit Kelmo(QWidget* parent = nullptr);
    ~Kelmo() override;

    // Runs the menu command of that name as if chosen, then shows the
    // model's state again. False when the item has no command.
    bool ExecuteMenu(const QString& nom);
    // Menu widgets from K.Menu: captions, check marks, enabled states.
    void SynchroniseMenus();
    // Status panels and progress gauge from K.StatusBar, painted at once.
    void SynchroniseEtat();

    // Lays out the map area of the current image mode (also after a mode
    // switch or a change of the picture size).
    void Kelmo_Form_Resize();
    void Kelmo_menImageVectorielle_Click();
    void Kelmo_BarreDOutils_ButtonClick(int index);
    void Kelmo_Ima_MouseDown(int bouton, int shift, double x, double y);
    void Kelmo_Ima_MouseUp(int bouton, int shift, double x, double y);
    void Kelmo_Ima_MouseMove(int bouton, int shift, double x, double y);
    void Kelmo_StatusBar_PanelDblClick(int panneau);
    void Kelmo_menZoomSouris_Click();
    void Kelmo_menZoomBarreOutils_Click();
    void Kelmo_menSortie_Click();
    void Kelmo_menAPropos_Click();

    // Window parts, named as the program names them (tests read them).
    ZoneImageBitmap& ImaZone() { return ima_; }
    ZoneImageBitmap& ImaVecZone() { return imaVec_; }
    QWidget* Ima() const;
    QWidget* ImaVec() const;
    QWidget* ImaContientIma() const { return conteneurIma_; }
    QWidget* ImaContientImaVec() const { return conteneurImaVec_; }
    QScrollBar* HScroll1() const { return hScroll1_; }
    QScrollBar* VScroll1() const { return vScroll1_; }
    QScrollBar* HScroll2() const { return hScroll2_; }
    QScrollBar* VScroll2() const { return vScroll2_; }
    QToolBar* BarreDOutils() const { return barre_; }
    QAction* ActionMenu(const QString& nom) const;
    QMenu* SousMenu(const QString& nom) const;
    PanneauEtat* Panneau(int i) const { return panneaux_[i]; }
    QProgressBar* Progression() const { return progression_; }
    QWidget* ZoneCarte() const { return zoneCarte_; }
    // The layout of the current mode as last computed.
    const MiseEnPageCarte& DerniereMiseEnPage() const { return miseEnPage_; }

    double XAppuiSouris = 0;
    double YAppuiSouris = 0;

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;
    void closeEvent(QCloseEvent* evenement) override;

private:
    void construitMenus();
    void construitBarreOutils();
    void construitZoneCarte();
    void construitBarreEtat();
    void installeCommandes();
    void installeLiens();
    void appliqueCurseurIma();
    // While a relief is drawn: the pending events, with every command that
    // would change what it draws greyed and refused.
    void traiteEvenementsPendantRelief();
    bool occupeParRelief() const;

    ZoneImageBitmap ima_, imaVec_;
    std::map<QString, QAction*> actions_;
    std::map<QString, QMenu*> menus_;
    QToolBar* barre_ = nullptr;
    QWidget* zoneCarte_ = nullptr;
    QWidget* conteneurIma_ = nullptr;
    QWidget* conteneurImaVec_ = nullptr;
    VueImage* vueIma_ = nullptr;
    VueImage* vueImaVec_ = nullptr;
    QScrollBar* hScroll1_ = nullptr;
    QScrollBar* vScroll1_ = nullptr;
    QScrollBar* hScroll2_ = nullptr;
    QScrollBar* vScroll2_ = nullptr;
    PanneauEtat* panneaux_[6] = {};
    QProgressBar* progression_ = nullptr;
    MiseEnPageCarte miseEnPage_;
    bool fermetureDemandee_ = false; // asked during a relief: closes once it stops
    bool sortieEnCours_ = false;     // "&Quitter" given: the windows are being closed
};

// The one main window of the run (nullptr before it is created).
Kelmo* FenetreKelmo();

} // namespace kelmo
