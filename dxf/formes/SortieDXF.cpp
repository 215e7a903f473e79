#include "dxf/formes/SortieDXF.h"
#include "core/Modele.h"
#include "dxf/SortieDXF.h"
#include "dxf/formes/TexteControle.h"
#include "platform/GardeCommandes.h"
#include "platform/formes/ToucheEntree.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kelmo {

namespace {

template <class W>
W* nomme(W* w, const QString& nom)
{
    w->setObjectName(nom);
    return w;
}

} // namespace

SortieDXF::SortieDXF(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SortieDXF"));
    setWindowTitle(QStringLiteral("Sortie DXF"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(false);
    // The layer grid.
    auto* plans = nomme(new QGroupBox(QStringLiteral("Gestion des Plans AutoCad"), this), QStringLiteral("Frame3"));
    auto* grille = new QGridLayout(plans);
    for (int i = 0; i <= 14; ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (i >= 1) {
            Etiquette1[k - 1] = nomme(new QLabel(plans), QStringLiteral("Etiquette1_%1").arg(i - 1));
            grille->addWidget(Etiquette1[k - 1], i, 0);
        }
        const auto cellule = [&](std::array<QLineEdit*, 15>& t, const char* nom, int colonne,
                                 std::array<QString, 15> ModeleSortieDXF::*champ) {
            t[k] = nomme(new QLineEdit(plans), QStringLiteral("%1_%2").arg(QLatin1String(nom)).arg(i));
            t[k]->setMinimumWidth(colonne == 2 ? 80 : 64);
            t[k]->setMaximumWidth(colonne == 2 ? 100 : 80);
            // The headings stand in the boxes of row 0.
            if (i == 0) {
                t[k]->setReadOnly(true);
                t[k]->setFocusPolicy(Qt::NoFocus);
            }
            grille->addWidget(t[k], i, colonne);
            connect(t[k], &QLineEdit::textEdited, this, [this, k, champ](const QString& s) {
                agit([k, champ, s] { (K.Formes.SortieDXF.*champ)[k] = s; });
            });
        };
        cellule(plancad, "plancad", 1, &ModeleSortieDXF::plancad);
        cellule(couleurcad, "couleurcad", 2, &ModeleSortieDXF::couleurcad);
        cellule(epaisseurcad, "epaisseurcad", 3, &ModeleSortieDXF::epaisseurcad);
        if (i >= 1) {
            couleurcad[k]->installEventFilter(this);
            couleurcad[k]->setToolTip(QStringLiteral("Double cliquez pour choisir une couleur"));
        }
    }

    // Nodes: labels and circles.
    auto* ponctuels = nomme(new QGroupBox(QStringLiteral("Eléments ponctuels"), this), QStringLiteral("Frame4"));
    const char* noeuds[] = {"Noeuds", "Nom", "Code", "Population"};
    for (int i = 0; i < 4; ++i) {
        CocheNoeud[static_cast<std::size_t>(i)] =
            nomme(new QCheckBox(QString::fromUtf8(noeuds[i]), ponctuels), QStringLiteral("CocheNoeud_%1").arg(i));
        connect(CocheNoeud[static_cast<std::size_t>(i)], &QCheckBox::clicked, this, [this, i](bool c) {
            agit([i, c] { K.Formes.SortieDXF.CocheNoeud[static_cast<std::size_t>(i)].Value = c; });
        });
    }
    const char* textes[] = {"Police", "Alignement", "Angle de rotation ", "Hauteur du texte"};
    auto* etiquettes = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        const auto k = static_cast<std::size_t>(i);
        NomVilleDxf[k] = nomme(new QLineEdit(ponctuels), QStringLiteral("NomVilleDxf_%1").arg(i));
        etiquettes->addWidget(new QLabel(QString::fromUtf8(textes[i]), ponctuels), i, 0);
        etiquettes->addWidget(NomVilleDxf[k], i, 1);
        connect(NomVilleDxf[k], &QLineEdit::textEdited, this,
                [this, k](const QString& s) { agit([k, s] { K.Formes.SortieDXF.NomVilleDxf[k] = s; }); });
    }
    cochecircle = nomme(new QCheckBox(QStringLiteral("Circle"), ponctuels), QStringLiteral("cochecircle"));
    connect(cochecircle, &QCheckBox::clicked, this, [this](bool c) {
        agit([c] {
            K.Formes.SortieDXF.cochecircle.Value = c;
            SortieDXF_cochecircle_Click();
        });
    });
    Frame2 = nomme(new QGroupBox(QStringLiteral("Rayon"), ponctuels), QStringLiteral("Frame2"));
    RayonFixe = nomme(new QRadioButton(QStringLiteral("Fixe"), Frame2), QStringLiteral("RayonFixe"));
    FonctionPopulation = nomme(new QRadioButton(QStringLiteral("f (population)"), Frame2), QStringLiteral("FonctionPopulation"));
    FonctionNoeudVal = nomme(new QRadioButton(QStringLiteral("f (Noeud-Valeur)"), Frame2), QStringLiteral("FonctionNoeudVal"));
    CouleursClasses = nomme(new QCheckBox(QStringLiteral("Couleur Classes"), Frame2), QStringLiteral("CouleursClasses"));
    CoulNVal2 = nomme(new QCheckBox(QStringLiteral("Couleur Noeud-Valeur 2"), Frame2), QStringLiteral("CoulNVal2"));
    Etiquette2 = nomme(new QLabel(QStringLiteral("Valeur de R"), Frame2), QStringLiteral("Etiquette2"));
    Etiquette3 = nomme(new QLabel(QStringLiteral("Facteur d'échelle"), Frame2), QStringLiteral("Etiquette3"));
    for (int i = 1; i <= 2; ++i) {
        const auto k = static_cast<std::size_t>(i);
        cadcircle[k] = nomme(new QLineEdit(Frame2), QStringLiteral("cadcircle_%1").arg(i));
        connect(cadcircle[k], &QLineEdit::textEdited, this,
                [this, k](const QString& s) { agit([k, s] { K.Formes.SortieDXF.cadcircle[k] = s; }); });
    }
    auto* rayons = new QButtonGroup(this);
    const std::pair<QRadioButton*, RayonCerclesDXF> choixRayon[] = {{RayonFixe, RayonCerclesDXF::RayonFixe},
                                                                    {FonctionPopulation, RayonCerclesDXF::FonctionPopulation},
                                                                    {FonctionNoeudVal, RayonCerclesDXF::FonctionNoeudVal}};
    for (auto [b, r] : choixRayon) {
        rayons->addButton(b);
        const RayonCerclesDXF choix = r;
        connect(b, &QRadioButton::clicked, this, [this, choix] { agit([choix] { K.Formes.SortieDXF.Rayon = choix; }); });
    }
    connect(CouleursClasses, &QCheckBox::clicked, this,
            [this](bool c) { agit([c] { K.Formes.SortieDXF.CouleursClasses.Value = c; }); });
    connect(CoulNVal2, &QCheckBox::clicked, this, [this](bool c) { agit([c] { K.Formes.SortieDXF.CoulNVal2.Value = c; }); });
    auto* lRayon = new QGridLayout(Frame2);
    lRayon->addWidget(RayonFixe, 0, 0);
    lRayon->addWidget(CouleursClasses, 0, 1);
    lRayon->addWidget(FonctionPopulation, 1, 0);
    lRayon->addWidget(FonctionNoeudVal, 2, 0);
    lRayon->addWidget(CoulNVal2, 2, 1);
    lRayon->addWidget(Etiquette2, 3, 0);
    lRayon->addWidget(cadcircle[2], 3, 1);
    lRayon->addWidget(Etiquette3, 4, 0);
    lRayon->addWidget(cadcircle[1], 4, 1);
    auto* lPonctuels = new QVBoxLayout(ponctuels);
    auto* contenus = new QHBoxLayout;
    for (int i = 0; i < 4; ++i)
        contenus->addWidget(CocheNoeud[static_cast<std::size_t>(i)]);
    lPonctuels->addLayout(contenus);
    lPonctuels->addLayout(etiquettes);
    lPonctuels->addWidget(cochecircle);
    lPonctuels->addWidget(Frame2);

    // Arcs.
    auto* lineiques = nomme(new QGroupBox(QStringLiteral("Eléments linéiques"), this), QStringLiteral("Frame5"));
    CocheArcs0 = nomme(new QCheckBox(QStringLiteral("Arcs"), lineiques), QStringLiteral("CocheArcs_0"));
    connect(CocheArcs0, &QCheckBox::clicked, this, [this](bool c) {
        agit([c] {
            K.Formes.SortieDXF.CocheArcs[0].Value = c;
            SortieDXF_CocheArcs_Click(0);
        });
    });
    Minimaux = nomme(new QRadioButton(QStringLiteral("Arcs"), lineiques), QStringLiteral("Minimaux"));
    ArcValeur = nomme(new QRadioButton(QStringLiteral("Arc-Valeur (ArcVal1)"), lineiques), QStringLiteral("ArcValeur"));
    ArcValeurBiColor = nomme(new QRadioButton(QStringLiteral("Couleur des noeuds"), lineiques), QStringLiteral("ArcValeurBiColor"));
    ArcValCouleurModes =
        nomme(new QRadioButton(QStringLiteral("Arc-Valeur avec Couleur-Modes"), lineiques), QStringLiteral("ArcValCouleurModes"));
    auto* valeurs = new QButtonGroup(this);
    const std::pair<QRadioButton*, ValeurArcsDXF> choixValeur[] = {{Minimaux, ValeurArcsDXF::Minimaux},
                                                                   {ArcValeur, ValeurArcsDXF::ArcValeur},
                                                                   {ArcValeurBiColor, ValeurArcsDXF::ArcValeurBiColor},
                                                                   {ArcValCouleurModes, ValeurArcsDXF::ArcValCouleurModes}};
    for (auto [b, v] : choixValeur) {
        valeurs->addButton(b);
        const ValeurArcsDXF choix = v;
        connect(b, &QRadioButton::clicked, this, [this, choix] { agit([choix] { K.Formes.SortieDXF.Valeur = choix; }); });
    }
    Frame1 = nomme(new QGroupBox(QStringLiteral("Objet DXF"), lineiques), QStringLiteral("Frame1"));
    TroisDTubes = nomme(new QRadioButton(QStringLiteral("3DTubes"), Frame1), QStringLiteral("TroisDTubes"));
    PolyLignes = nomme(new QRadioButton(QStringLiteral("PolyLignes (2D)"), Frame1), QStringLiteral("PolyLignes"));
    TroisDFaces = nomme(new QRadioButton(QStringLiteral("3DFaces"), Frame1), QStringLiteral("TroisDFaces"));
    auto* objets = new QButtonGroup(this);
    const std::pair<QRadioButton*, ObjetArcsDXF> choixObjet[] = {
        {TroisDTubes, ObjetArcsDXF::TroisDTubes}, {PolyLignes, ObjetArcsDXF::PolyLignes}, {TroisDFaces, ObjetArcsDXF::TroisDFaces}};
    for (auto [b, o] : choixObjet) {
        objets->addButton(b);
        const ObjetArcsDXF choix = o;
        connect(b, &QRadioButton::clicked, this, [this, choix] { agit([choix] { K.Formes.SortieDXF.Objet = choix; }); });
    }
    APlat = nomme(new QCheckBox(QStringLiteral("A plat"), Frame1), QStringLiteral("APlat"));
    connect(APlat, &QCheckBox::clicked, this, [this](bool c) { agit([c] { K.Formes.SortieDXF.APlat.Value = c; }); });
    Etiquette4 = nomme(new QLabel(QStringLiteral("Section : "), Frame1), QStringLiteral("Etiquette4"));
    Etiquette5 = nomme(new QLabel(QStringLiteral("Nbre Facettes"), Frame1), QStringLiteral("Etiquette5"));
    for (int i = 0; i <= 1; ++i) {
        const auto k = static_cast<std::size_t>(i);
        Tube[k] = nomme(new QLineEdit(Frame1), QStringLiteral("Tube_%1").arg(i));
        Tube[k]->setMaximumWidth(60);
        connect(Tube[k], &QLineEdit::textEdited, this,
                [this, k](const QString& s) { agit([k, s] { K.Formes.SortieDXF.Tube[k] = s; }); });
    }
    auto* lObjet = new QGridLayout(Frame1);
    lObjet->addWidget(TroisDTubes, 0, 0);
    lObjet->addWidget(Etiquette4, 0, 1);
    lObjet->addWidget(Tube[0], 0, 2);
    lObjet->addWidget(PolyLignes, 1, 0);
    lObjet->addWidget(Etiquette5, 1, 1);
    lObjet->addWidget(Tube[1], 1, 2);
    lObjet->addWidget(TroisDFaces, 2, 0);
    lObjet->addWidget(APlat, 2, 1);
    auto* lLineiques = new QVBoxLayout(lineiques);
    lLineiques->addWidget(CocheArcs0);
    for (QRadioButton* b : {Minimaux, ArcValeur, ArcValeurBiColor, ArcValCouleurModes})
        lLineiques->addWidget(b);
    lLineiques->addWidget(Frame1);

    Coche3DFace = nomme(new QCheckBox(QStringLiteral("Le relief en 3DFacettes"), this), QStringLiteral("Coche3DFace"));
    connect(Coche3DFace, &QCheckBox::clicked, this, [this](bool c) {
        agit([c] {
            K.Formes.SortieDXF.Coche3DFace.Value = c;
            SortieDXF_Coche3DFace_Click();
        });
    });
    ecritleDXF = nomme(new QPushButton(QStringLiteral("Ecrit le fichier DXF"), this), QStringLiteral("ecritleDXF"));
    Command3D1 = nomme(new QPushButton(QStringLiteral("Quitter"), this), QStringLiteral("Command3D1"));
    connect(ecritleDXF, &QPushButton::clicked, this, [this] { agit([] { SortieDXF_ecritleDXF_Click(); }); });
    connect(Command3D1, &QPushButton::clicked, this, [this] { agit([] { SortieDXF_Command3D1_Click(); }); });

    // The relief box and the buttons stand under the layers, the shorter
    // column: beside the node and arc frames they would make the window too
    // tall for a screen of 768 pixels.
    auto* gauche = new QVBoxLayout;
    gauche->addWidget(plans);
    gauche->addWidget(Coche3DFace);
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(ecritleDXF);
    boutons->addStretch();
    boutons->addWidget(Command3D1);
    gauche->addLayout(boutons);
    auto* droite = new QVBoxLayout;
    droite->addWidget(ponctuels);
    droite->addWidget(lineiques);
    droite->addStretch();
    auto* l = new QHBoxLayout(this);
    l->addLayout(gauche);
    l->addLayout(droite);
    EntreeSansBoutonImplicite(this);
    Rafraichit();
}

void SortieDXF::agit(const std::function<void()>& handler)
{
    ExecuteGarde(handler);
    Rafraichit();
    if (!K.Formes.SortieDXF.Visible && isVisible())
        hide();
}

void SortieDXF::reject() { agit([] { SortieDXF_Command3D1_Click(); }); }

bool SortieDXF::eventFilter(QObject* objet, QEvent* evenement)
{
    if (evenement->type() == QEvent::MouseButtonDblClick)
        for (int i = 1; i <= 14; ++i)
            if (objet == couleurcad[static_cast<std::size_t>(i)]) {
                agit([i] { SortieDXF_CouleurCad_DblClick(i); });
                return true;
            }
    return QDialog::eventFilter(objet, evenement);
}

void SortieDXF::Rafraichit()
{
    const ModeleSortieDXF& m = K.Formes.SortieDXF;
    for (std::size_t i = 0; i <= 14; ++i) {
        MontreTexteDXF(plancad[i], m.plancad[i]);
        MontreTexteDXF(couleurcad[i], m.couleurcad[i]);
        MontreTexteDXF(epaisseurcad[i], m.epaisseurcad[i]);
        if (i >= 1)
            Etiquette1[i - 1]->setText(m.Etiquette1[i - 1]);
    }
    for (std::size_t i = 0; i < 4; ++i) {
        MontreCocheDXF(CocheNoeud[i], m.CocheNoeud[i].Value);
        MontreTexteDXF(NomVilleDxf[i], m.NomVilleDxf[i]);
    }
    MontreCocheDXF(cochecircle, m.cochecircle.Value);
    MontreCocheDXF(RayonFixe, m.Rayon == RayonCerclesDXF::RayonFixe);
    MontreCocheDXF(FonctionPopulation, m.Rayon == RayonCerclesDXF::FonctionPopulation);
    MontreCocheDXF(FonctionNoeudVal, m.Rayon == RayonCerclesDXF::FonctionNoeudVal);
    MontreCocheDXF(CouleursClasses, m.CouleursClasses.Value);
    MontreCocheDXF(CoulNVal2, m.CoulNVal2.Value);
    MontreTexteDXF(cadcircle[1], m.cadcircle[1]);
    MontreTexteDXF(cadcircle[2], m.cadcircle[2]);
    for (QWidget* w : std::initializer_list<QWidget*>{RayonFixe, CouleursClasses, FonctionPopulation, FonctionNoeudVal,
                                                      CoulNVal2, Etiquette2, Etiquette3, cadcircle[2], cadcircle[1], Frame2})
        w->setEnabled(m.GroupeCerclesActif);

    MontreCocheDXF(CocheArcs0, m.CocheArcs[0].Value);
    MontreCocheDXF(Minimaux, m.Valeur == ValeurArcsDXF::Minimaux);
    MontreCocheDXF(ArcValeur, m.Valeur == ValeurArcsDXF::ArcValeur);
    MontreCocheDXF(ArcValeurBiColor, m.Valeur == ValeurArcsDXF::ArcValeurBiColor);
    MontreCocheDXF(ArcValCouleurModes, m.Valeur == ValeurArcsDXF::ArcValCouleurModes);
    MontreCocheDXF(TroisDTubes, m.Objet == ObjetArcsDXF::TroisDTubes);
    MontreCocheDXF(PolyLignes, m.Objet == ObjetArcsDXF::PolyLignes);
    MontreCocheDXF(TroisDFaces, m.Objet == ObjetArcsDXF::TroisDFaces);
    MontreCocheDXF(APlat, m.APlat.Value);
    MontreTexteDXF(Tube[0], m.Tube[0]);
    MontreTexteDXF(Tube[1], m.Tube[1]);
    for (QWidget* w : std::initializer_list<QWidget*>{Minimaux, ArcValeur, ArcValCouleurModes, ArcValeurBiColor, Frame1,
                                                      PolyLignes, TroisDFaces, APlat, TroisDTubes, Etiquette4,
                                                      Etiquette5, Tube[0], Tube[1]})
        w->setEnabled(m.GroupeArcsActif);

    MontreCocheDXF(Coche3DFace, m.Coche3DFace.Value);
}

} // namespace kelmo
