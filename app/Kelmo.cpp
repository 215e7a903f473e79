#include "app/Kelmo.h"
#include "app/Application.h"
#include "app/CommandesKelmo.h"
#include "app/Icones.h"
#include "app/Presentation.h"
#include "core/Commandes.h"
#include "core/Images.h"
#include "core/Menus.h"
#include "core/Modele.h"
#include "dxf/formes/FenetresDXF.h"
#include "editing/formes/FenetresEdition.h"
#include "timetables/formes/FenetresHoraires.h"
#include "platform/Dialogues.h"
#include "platform/GardeCommandes.h"
#include "relief/DessinRelief.h"
#include "relief/LiensCarte.h"
#include "relief/formes/FenetresRelief.h"
#include "values/CommandesCartes.h"
#include "view/DessinNoeuds.h"
#include "values/formes/FenetresStatistiques.h"
#include "view/LiensDialogues.h"
#include "view/Redessin.h"
#include "view/formes/FenetresDialogues.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressBar>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <exception>

namespace kelmo {

namespace {
Kelmo* fenetre = nullptr;

int boutonSouris(Qt::MouseButtons b)
{
    int r = 0;
    if (b & Qt::LeftButton)
        r |= 1;
    if (b & Qt::RightButton)
        r |= 2;
    if (b & Qt::MiddleButton)
        r |= 4;
    return r;
}

int etatTouches(Qt::KeyboardModifiers m)
{
    int r = 0;
    if (m & Qt::ShiftModifier)
        r |= 1;
    if (m & Qt::ControlModifier)
        r |= 2;
    if (m & Qt::AltModifier)
        r |= 4;
    return r;
}
} // namespace

Kelmo* FenetreKelmo() { return fenetre; }

// Shows one picture area's persistent image at its pixel size and hands the
// mouse to the window's handlers in picture units.
class VueImage : public QWidget {
public:
    VueImage(ZoneImage& zone, Kelmo& kelmo, QWidget* parent) : QWidget(parent), zone_(zone), kelmo_(kelmo)
    {
        setMouseTracking(true);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    void ajusteTaille() { setFixedSize(std::max(1, zone_.LargeurPixels()), std::max(1, zone_.HauteurPixels())); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        p.drawImage(0, 0, zone_.Image());
    }
    void mousePressEvent(QMouseEvent* e) override
    {
        kelmo_.Kelmo_Ima_MouseDown(boutonSouris(e->button()), etatTouches(e->modifiers()), e->position().x(),
                                   e->position().y());
    }
    void mouseReleaseEvent(QMouseEvent* e) override
    {
        kelmo_.Kelmo_Ima_MouseUp(boutonSouris(e->button()), etatTouches(e->modifiers()), e->position().x(),
                                 e->position().y());
    }
    void mouseMoveEvent(QMouseEvent* e) override
    {
        kelmo_.Kelmo_Ima_MouseMove(boutonSouris(e->buttons()), etatTouches(e->modifiers()), e->position().x(),
                                   e->position().y());
    }

private:
    ZoneImage& zone_;
    Kelmo& kelmo_;
};

Kelmo::Kelmo(QWidget* parent) : QMainWindow(parent)
{
    fenetre = this;
    setObjectName(QStringLiteral("Kelmo"));
    setWindowTitle(QStringLiteral("KELMO - Cartographie des réseaux de transport et reliefs espace-temps"));
    DefinitIma(&ima_);
    DefinitImaVec(&imaVec_);
    construitZoneCarte();
    construitMenus();
    construitBarreOutils();
    construitBarreEtat();
    installeCommandes();
    installeLiens();
    InstalleDialoguesAffichage(this);
    InstalleCommandesRelief(this);
    K.StatusBar.TraiteEvenements = [this] { traiteEvenementsPendantRelief(); };
    InstalleSortieDXF(this);
    InstalleCommandesCartes();
    InstalleFenetresEdition(this, [this] {
        SynchroniseMenus();
        SynchroniseEtat();
        vueIma_->update();
        vueImaVec_->update();
    });
    InstalleStatistiques(this);
    InstalleFenetresHoraires(this);
    ima_.Repeint = [this] { vueIma_->update(); };
    imaVec_.Repeint = [this] { vueImaVec_->update(); };
    K.StatusBar.Repeint = [this] { SynchroniseEtat(); };
    resize(1100, 800);
    SynchroniseMenus();
    SynchroniseEtat();
}

Kelmo::~Kelmo()
{
    DetruitDialoguesAffichage();
    DetruitFenetresRelief();
    K.StatusBar.TraiteEvenements = nullptr;
    DetruitFenetresDXF();
    DetruitFenetresEdition();
    DetruitFenetresStatistiques();
    DetruitFenetresHoraires();
    Liens().Kelmo_Form_Resize = [] {};
    LiensVersCarte().RepeintFenetre = [] {};
    LiensVersCarte().CurseurIma = [](bool) {};
    K.StatusBar.Repeint = nullptr;
    DefinitIma(nullptr);
    DefinitImaVec(nullptr);
    if (fenetre == this)
        fenetre = nullptr;
}

QWidget* Kelmo::Ima() const { return vueIma_; }
QWidget* Kelmo::ImaVec() const { return vueImaVec_; }

QAction* Kelmo::ActionMenu(const QString& nom) const
{
    auto it = actions_.find(nom);
    return it == actions_.end() ? nullptr : it->second;
}

QMenu* Kelmo::SousMenu(const QString& nom) const
{
    auto it = menus_.find(nom);
    return it == menus_.end() ? nullptr : it->second;
}

void Kelmo::construitMenus()
{
    for (const DefinitionMenu& d : TableMenus()) {
        const QString nom = QString::fromUtf8(d.nom);
        const QString parent = QString::fromUtf8(d.parent);
        const QString caption = QString::fromUtf8(d.caption);
        if (parent.isEmpty()) {
            QMenu* m = menuBar()->addMenu(caption);
            m->setObjectName(nom);
            menus_[nom] = m;
            continue;
        }
        QMenu* conteneur = SousMenu(parent);
        if (!conteneur)
            continue;
        if (caption == QLatin1String("-")) {
            conteneur->addSeparator()->setObjectName(nom);
            continue;
        }
        if (EstSousMenu(nom)) {
            QMenu* m = conteneur->addMenu(caption);
            m->setObjectName(nom);
            menus_[nom] = m;
            continue;
        }
        QAction* a = conteneur->addAction(caption);
        a->setObjectName(nom);
        a->setCheckable(d.cochable);
        if (*d.raccourci)
            a->setShortcut(QKeySequence(QString::fromUtf8(d.raccourci)));
        connect(a, &QAction::triggered, this, [this, nom] { ExecuteMenu(nom); });
        actions_[nom] = a;
    }
}

void Kelmo::construitBarreOutils()
{
    barre_ = addToolBar(QStringLiteral("BarreDOutils"));
    barre_->setObjectName(QStringLiteral("BarreDOutils"));
    barre_->setMovable(false);
    struct Bouton {
        int index;
        const char* infobulle;
        int image;
    };
    static const Bouton boutons[] = {
        {1, "Zoom négatif", 1},
        {2, "Zoom positif", 2},
        {3, nullptr, 0},
        {4, "Déplacement vers le haut", 3},
        {5, "Déplacement vers la gauche", 4},
        {6, "Déplacement à droite", 5},
        {7, "Déplacement vers le bas", 6},
    };
    for (const Bouton& b : boutons) {
        if (!b.infobulle) {
            barre_->addSeparator();
            continue;
        }
        QAction* a = barre_->addAction(IconeBarreOutils(b.image), QString::fromUtf8(b.infobulle));
        a->setToolTip(QString::fromUtf8(b.infobulle));
        a->setObjectName(QStringLiteral("BarreDOutils%1").arg(b.index));
        const int index = b.index;
        connect(a, &QAction::triggered, this, [this, index] { Kelmo_BarreDOutils_ButtonClick(index); });
    }
}

void Kelmo::construitZoneCarte()
{
    zoneCarte_ = new QWidget(this);
    zoneCarte_->setObjectName(QStringLiteral("ZoneCarte"));
    zoneCarte_->installEventFilter(this);
    setCentralWidget(zoneCarte_);

    conteneurIma_ = new QWidget(zoneCarte_);
    conteneurIma_->setObjectName(QStringLiteral("ImaContientIma"));
    conteneurImaVec_ = new QWidget(zoneCarte_);
    conteneurImaVec_->setObjectName(QStringLiteral("ImaContientImaVec"));
    for (QWidget* c : {conteneurIma_, conteneurImaVec_}) {
        c->setAutoFillBackground(true);
        QPalette pal = c->palette();
        pal.setColor(QPalette::Window, QColor(128, 128, 128));
        c->setPalette(pal);
    }
    vueIma_ = new VueImage(ima_, *this, conteneurIma_);
    vueIma_->setObjectName(QStringLiteral("Ima"));
    vueImaVec_ = new VueImage(imaVec_, *this, conteneurImaVec_);
    vueImaVec_->setObjectName(QStringLiteral("ImaVec"));

    auto barre = [this](Qt::Orientation o, const char* nom) {
        auto* s = new QScrollBar(o, zoneCarte_);
        s->setObjectName(QString::fromLatin1(nom));
        s->setRange(0, 0);
        return s;
    };
    hScroll1_ = barre(Qt::Horizontal, "HScroll1");
    vScroll1_ = barre(Qt::Vertical, "VScroll1");
    hScroll2_ = barre(Qt::Horizontal, "HScroll2");
    vScroll2_ = barre(Qt::Vertical, "VScroll2");
    connect(hScroll1_, &QScrollBar::valueChanged, this, [this](int v) { vueImaVec_->move(-v, vueImaVec_->y()); });
    connect(vScroll1_, &QScrollBar::valueChanged, this, [this](int v) { vueImaVec_->move(vueImaVec_->x(), -v); });
    connect(hScroll2_, &QScrollBar::valueChanged, this, [this](int v) { vueIma_->move(-v, vueIma_->y()); });
    connect(vScroll2_, &QScrollBar::valueChanged, this, [this](int v) { vueIma_->move(vueIma_->x(), -v); });
}

void Kelmo::construitBarreEtat()
{
    static const char* const dessins[6] = {"", "Les noeuds du graphe", "Les arcs du graphe", "Coordonnées x et y",
                                           "Format de l'image", ""};
    QStatusBar* sb = statusBar();
    sb->setObjectName(QStringLiteral("StatusBar"));
    sb->setSizeGripEnabled(true);
    for (int i = 1; i <= 5; ++i) {
        auto* l = new PanneauEtat(QString::fromUtf8(dessins[i]), QString::fromUtf8(dessins[i]), sb);
        l->setObjectName(QStringLiteral("Panneau%1").arg(i));
        l->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        l->setMinimumWidth(40);
        l->installEventFilter(this);
        panneaux_[i] = l;
        // Panel 4 holds one short word.
        sb->addWidget(l, i == 4 ? 2 : 5);
    }
    progression_ = new QProgressBar(sb);
    progression_->setObjectName(QStringLiteral("Progression"));
    progression_->setRange(0, 100);
    progression_->setMaximumWidth(160);
    progression_->setVisible(false);
    sb->addPermanentWidget(progression_);
}

void Kelmo::installeCommandes()
{
    auto commande = [](const char* nom, Commande c) { EnregistreCommande(QString::fromUtf8(nom), std::move(c)); };
    commande("menFichiersGraphe", [] { Kelmo_menFichiersGraphe_Click(); });
    commande("menFichierRelief3d", [] { Kelmo_menFichierRelief3d_Click(); });
    commande("menImprimeImage", [] { Kelmo_menImprimeImage_Click(); });
    commande("menChargeImageFond", [] { Kelmo_menChargeImageFond_Click(); });
    commande("menEffaceImage", [] { Kelmo_menEffaceImage_Click(); });
    commande("menImageVectorielle", [this] { Kelmo_menImageVectorielle_Click(); });
    commande("menZoomSouris", [this] { Kelmo_menZoomSouris_Click(); });
    commande("menZoomBarreOutils", [this] { Kelmo_menZoomBarreOutils_Click(); });
    commande("menSortie", [this] { Kelmo_menSortie_Click(); });
    commande("menAPropos", [this] { Kelmo_menAPropos_Click(); });
    commande("menRedessine", [] { Kelmo_menRedessine_Click(); });
    commande("menCouleursNoeuds", [] { Kelmo_menCouleursNoeuds_Click(); });
    commande("menEchelleBlindéeArcs", [] { Kelmo_menEchelleBlindéeArcs_Click(); });
    commande("menAfficheVilles", [] {
        Sablier s;
        DessineNoeuds(true, false);
    });
    commande("menAfficheNomsVilles", [] {
        Sablier s;
        DessineNoeuds(false, true);
    });
}

void Kelmo::installeLiens()
{
    // The display dialogs lay the window out again after a change of the
    // picture size; everything else they reach through Ima() and ImaVec().
    Liens().Kelmo_Form_Resize = [this] { Kelmo_Form_Resize(); };
    // The anamorphosis shows each of its steps at once, without letting any
    // other event in; its window's "Annuler" sets the map's pointer.
    LiensVersCarte().RepeintFenetre = [this] {
        if (!isVisible())
            show();
        vueIma_->repaint();
        vueImaVec_->repaint();
    };
    LiensVersCarte().CurseurIma = [this](bool croix) {
        K.ImaMousePointer = croix ? 2 : 1;
        appliqueCurseurIma();
    };
}

bool Kelmo::occupeParRelief() const { return ReliefEnCours(); }

void Kelmo::traiteEvenementsPendantRelief()
{
    if (!occupeParRelief())
        return;
    SynchroniseMenus();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void Kelmo::closeEvent(QCloseEvent* evenement)
{
    if (occupeParRelief()) {
        // The relief stops after its current node; the window closes then.
        fermetureDemandee_ = true;
        DemandeArretRelief();
        evenement->ignore();
        return;
    }
    QMainWindow::closeEvent(evenement);
    // The editors and the timetables are windows of their own: left open,
    // they would keep the program running without its map.
    if (!sortieEnCours_)
        Kelmo_menSortie_Click();
}

bool Kelmo::ExecuteMenu(const QString& nom)
{
    if (occupeParRelief()) {
        // During a relief only the about box and the quit request answer.
        if (nom == u"menSortie") {
            fermetureDemandee_ = true;
            DemandeArretRelief();
            return true;
        }
        if (nom != u"menAPropos")
            return false;
    }
    bool fait = false;
    ExecuteGarde([&] { fait = ExecuteCommande(nom); });
    SynchroniseMenus();
    SynchroniseEtat();
    vueIma_->update();
    vueImaVec_->update();
    if (fermetureDemandee_ && !occupeParRelief()) {
        fermetureDemandee_ = false;
        Kelmo_menSortie_Click();
    }
    return fait;
}

void Kelmo::SynchroniseMenus()
{
    const bool occupe = occupeParRelief();
    for (const DefinitionMenu& d : TableMenus()) {
        const QString nom = QString::fromUtf8(d.nom);
        const EtatMenu& e = K.Menu(nom);
        if (QMenu* m = SousMenu(nom)) {
            if (!e.Caption.isEmpty())
                m->setTitle(e.Caption);
            m->setEnabled(e.Enabled);
            m->menuAction()->setVisible(e.Visible);
            continue;
        }
        QAction* a = ActionMenu(nom);
        if (!a)
            continue;
        if (!e.Caption.isEmpty() && a->text() != e.Caption)
            a->setText(e.Caption);
        if (a->isCheckable())
            a->setChecked(e.Checked);
        // An item whose subsystem has no command yet stays visible, disabled.
        const bool libre = !occupe || nom == u"menAPropos" || nom == u"menSortie";
        a->setEnabled(libre && e.Enabled && CommandeEnregistree(nom));
        a->setVisible(e.Visible);
    }
    barre_->setVisible(K.Menu(QStringLiteral("menZoomBarreOutils")).Checked);
    barre_->setEnabled(!occupe);
    appliqueCurseurIma();
}

void Kelmo::SynchroniseEtat()
{
    const BarreEtat& b = K.StatusBar;
    for (int i = 1; i <= 5; ++i) {
        if (!b.Panneaux[i].isEmpty() || i == 5)
            panneaux_[i]->DefinitTexte(b.Panneaux[i]);
    }
    progression_->setVisible(b.ProgressionVisible);
    progression_->setValue(std::clamp(b.ProgressionPourcent, 0, 100));
    // A relief gives the window its events itself: a request is enough then.
    if (occupeParRelief())
        statusBar()->update();
    else
        statusBar()->repaint();
}

void Kelmo::Kelmo_Form_Resize()
{
    const bool vectoriel = K.Menu(QStringLiteral("menImageVectorielle")).Checked;
    ZoneImage& zone = vectoriel ? static_cast<ZoneImage&>(imaVec_) : static_cast<ZoneImage&>(ima_);
    VueImage* vue = vectoriel ? vueImaVec_ : vueIma_;
    QWidget* conteneur = vectoriel ? conteneurImaVec_ : conteneurIma_;
    QScrollBar* h = vectoriel ? hScroll1_ : hScroll2_;
    QScrollBar* v = vectoriel ? vScroll1_ : vScroll2_;

    vueIma_->ajusteTaille();
    vueImaVec_->ajusteTaille();
    const int epaisseur = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    miseEnPage_ = CalculeMiseEnPage(zoneCarte_->size(), QSize(zone.LargeurPixels(), zone.HauteurPixels()), epaisseur);
    conteneur->setGeometry(miseEnPage_.conteneur);
    h->setGeometry(miseEnPage_.barreH);
    v->setGeometry(miseEnPage_.barreV);
    // A shrinking range pulls the value back inside it.
    h->setRange(0, miseEnPage_.maxH);
    v->setRange(0, miseEnPage_.maxV);
    h->setPageStep(std::max(1, miseEnPage_.conteneur.width()));
    v->setPageStep(std::max(1, miseEnPage_.conteneur.height()));
    h->setSingleStep(16);
    v->setSingleStep(16);
    vue->move(-h->value(), -v->value());
    h->setVisible(miseEnPage_.barreHVisible);
    v->setVisible(miseEnPage_.barreVVisible);
    conteneur->setVisible(true);
    vue->setVisible(true);

    QWidget* autreConteneur = vectoriel ? conteneurIma_ : conteneurImaVec_;
    autreConteneur->setVisible(false);
    (vectoriel ? hScroll2_ : hScroll1_)->setVisible(false);
    (vectoriel ? vScroll2_ : vScroll1_)->setVisible(false);
}

void Kelmo::Kelmo_menImageVectorielle_Click()
{
    EtatMenu& m = K.Menu(QStringLiteral("menImageVectorielle"));
    if (m.Checked) {
        m.Checked = false;
        K.StatusBar.Panneaux[4] = QStringLiteral("Bitmap ");
    } else {
        m.Checked = true;
        K.StatusBar.Panneaux[4] = QStringLiteral("MétaFichier ");
    }
    Kelmo_Form_Resize();
    SynchroniseEtat();
}

void Kelmo::Kelmo_BarreDOutils_ButtonClick(int index)
{
    if (occupeParRelief())
        return;
    ExecuteGarde([index] { ActionBarreOutils(index); });
    SynchroniseMenus();
    SynchroniseEtat();
    vueIma_->update();
    vueImaVec_->update();
}

void Kelmo::Kelmo_Ima_MouseDown(int, int, double x, double y)
{
    XAppuiSouris = static_cast<float>(x);
    YAppuiSouris = static_cast<float>(y);
}

void Kelmo::Kelmo_Ima_MouseUp(int bouton, int shift, double x, double y)
{
    if (occupeParRelief())
        return; // the map's clicks change the view or the network
    ExecuteGarde([&] { RouteClic(bouton, shift, x, y, XAppuiSouris, YAppuiSouris); });
    SynchroniseMenus();
    SynchroniseEtat();
    vueIma_->update();
    vueImaVec_->update();
}

void Kelmo::Kelmo_Ima_MouseMove(int, int, double x, double y)
{
    K.StatusBar.Panneaux[3] = TexteCoordonnees(x, y);
    panneaux_[3]->DefinitTexte(K.StatusBar.Panneaux[3]);
}

void Kelmo::Kelmo_StatusBar_PanelDblClick(int panneau)
{
    if (panneau == 4)
        ExecuteMenu(QStringLiteral("menImageVectorielle"));
    else if (panneau == 1 || panneau == 2)
        ExecuteMenu(QStringLiteral("menFichiersGraphe"));
}

void Kelmo::appliqueCurseurIma()
{
    QCursor c(Qt::ArrowCursor);
    if (K.ImaMousePointer == 2)
        c = QCursor(Qt::CrossCursor);
    else if (K.ImaMousePointer == 4)
        c = CurseurEditeurArcs();
    vueIma_->setCursor(c);
    vueImaVec_->setCursor(c);
}

void Kelmo::Kelmo_menZoomSouris_Click()
{
    EtatMenu& m = K.Menu(QStringLiteral("menZoomSouris"));
    m.Checked = !m.Checked;
    K.ImaMousePointer = m.Checked ? 2 : 1;
    appliqueCurseurIma();
}

void Kelmo::Kelmo_menZoomBarreOutils_Click()
{
    EtatMenu& m = K.Menu(QStringLiteral("menZoomBarreOutils"));
    m.Checked = !m.Checked;
    barre_->setVisible(m.Checked);
}

void Kelmo::Kelmo_menSortie_Click()
{
    // Ending the run closes every window, this one too.
    sortieEnCours_ = true;
    ima_.AutoRedraw = false;
    Ui().Sablier(true);
    Ui().Quitte();
}

void Kelmo::Kelmo_menAPropos_Click()
{
    if (Présentation* p = FenetrePresentation())
        p->MontreAPropos();
}

bool Kelmo::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet == zoneCarte_ && evenement->type() == QEvent::Resize) {
        Kelmo_Form_Resize();
        return false;
    }
    if (evenement->type() == QEvent::MouseButtonDblClick) {
        for (int i = 1; i <= 5; ++i)
            if (objet == panneaux_[i]) {
                Kelmo_StatusBar_PanelDblClick(i);
                return true;
            }
    }
    return QMainWindow::eventFilter(objet, evenement);
}

} // namespace kelmo
