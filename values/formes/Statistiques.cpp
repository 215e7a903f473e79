#include "values/formes/Statistiques.h"
#include "core/Modele.h"
#include "platform/GardeCommandes.h"
#include "platform/formes/ToucheEntree.h"
#include "values/ClassesValeurs.h"
#include "values/GestionStatistiques.h"
#include "values/MethodesBornes.h"
#include "values/Statistiques.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QButtonGroup>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QValueAxis>
#include <QVBoxLayout>

namespace kelmo {
namespace {

ModeleStatistiques& modele() { return K.Formes.Statistiques; }

QLabel* etiquette(const char* nom, const QString& texte, QWidget* parent)
{
    auto* l = new QLabel(texte, parent);
    l->setObjectName(QString::fromUtf8(nom));
    return l;
}

template <class W>
W* nomme(W* w, const char* nom)
{
    w->setObjectName(QString::fromUtf8(nom));
    return w;
}

// Widget setters that emit nothing back and leave the cursor alone when
// nothing changes.
void montreTexte(QLineEdit* e, const QString& t)
{
    if (e->text() != t) {
        const QSignalBlocker b(e);
        e->setText(t);
    }
}

void montreCoche(QAbstractButton* b, bool coche)
{
    if (b->isChecked() != coche) {
        const QSignalBlocker s(b);
        b->setChecked(coche);
    }
}

QString styleBoite(Couleur fond, Couleur texte)
{
    return QStringLiteral("background-color: %1; color: %2; border: 1px solid #808080;")
        .arg(VersQColor(fond).name(), VersQColor(texte).name());
}

} // namespace

BandeStatistiques::BandeStatistiques(const Bande& bande, QWidget* parent) : QWidget(parent), bande_(bande)
{
    setFixedSize(static_cast<int>(bande.ScaleWidth), static_cast<int>(bande.ScaleHeight));
}

void BandeStatistiques::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    const double h = bande_.ScaleHeight;
    for (const TraitBande& t : bande_.Traits) {
        p.setPen(QPen(VersQColor(t.Couleur), std::max(1, t.Epaisseur), Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(t.X, 0), QPointF(t.X, h));
    }
}

PicClasseBoite::PicClasseBoite(QWidget* parent) : QLabel(parent)
{
    setFixedSize(34, 22);
    setAlignment(Qt::AlignCenter);
    setToolTip(QStringLiteral("Cliquez pour modifier la couleur"));
    setCursor(Qt::PointingHandCursor);
}

void PicClasseBoite::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        emit clique();
}

Statistiques::Statistiques(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Statistiques"));
    setWindowTitle(QStringLiteral("Statistiques"));
    setModal(false);

    SSTab1 = nomme(new QTabWidget(this), "SSTab1");
    SSTab1->addTab(ongletNoeuds(), QStringLiteral("Noeuds"));
    SSTab1->addTab(ongletArcs(), QStringLiteral("Arcs"));
    Frame3D2 = cadreClasses();

    auto* l = new QVBoxLayout(this);
    l->addWidget(SSTab1);
    l->addWidget(Frame3D2);
    l->addWidget(optionsFenetre());

    // The seven choices of the value studied are one group across the tabs.
    auto* groupe = new QButtonGroup(this);
    for (QRadioButton* b : {Option3D1, Option3D2, Multiplication, DiffAbs, DiffRelat, ArcVale1, ArcVale2})
        groupe->addButton(b);
    // Enter in a box applies that box ("Fusion.." would open its chooser).
    EntreeSansBoutonImplicite(this);
    relie();
    Rafraichit();
}

QWidget* Statistiques::ongletNoeuds()
{
    auto* w = new QWidget(this);
    Option3D1 = nomme(new QRadioButton(QStringLiteral("Noeud-valeur 1 (état final)"), w), "Option3D1");
    Option3D2 = nomme(new QRadioButton(QStringLiteral("Noeud-valeur 2 (état initial)"), w), "Option3D2");
    Multiplication = nomme(new QRadioButton(QStringLiteral("Multiplication de 1 par 2"), w), "Multiplication");
    DiffAbs = nomme(new QRadioButton(QStringLiteral("Différences absolues (1-2, final moins initial)"), w), "DiffAbs");
    DiffRelat =
        nomme(new QRadioButton(QStringLiteral("Différences relatives (1-2, final moins initial)"), w), "DiffRelat");
    BlindageEchDifAbs = nomme(new QCheckBox(QStringLiteral("Blindage échelle"), w), "BlindageEchDifAbs");
    BlindageEchDifRel = nomme(new QCheckBox(QStringLiteral("Blindage échelle"), w), "BlindageEchDifRel");
    Text3 = nomme(new QLineEdit(w), "Text3");
    Text4 = nomme(new QLineEdit(w), "Text4");
    for (QLineEdit* t : {Text3, Text4}) {
        t->setToolTip(QStringLiteral("Double-cliquez pour charger un autre fichier"));
        t->installEventFilter(this);
        t->setMinimumWidth(260);
    }
    FusionneFichiers = nomme(new QPushButton(QStringLiteral("Fusion.."), w), "FusionneFichiers");
    FusionneFichiers->setToolTip(QStringLiteral("Ne retient que les valeurs les plus petites de deux fichiers"));
    NomFichBMP = nomme(new QLineEdit(w), "NomFichBMP");
    Command3D2 = nomme(new QPushButton(QStringLiteral("Data"), w), "Command3D2");
    Command3D3 = nomme(new QPushButton(QStringLiteral("BMP"), w), "Command3D3");

    auto* g = new QGridLayout(w);
    g->addWidget(Option3D1, 0, 0);
    g->addWidget(Text3, 0, 1);
    g->addWidget(Command3D2, 0, 2);
    g->addWidget(Option3D2, 1, 0);
    g->addWidget(Text4, 1, 1);
    g->addWidget(FusionneFichiers, 1, 2);
    g->addWidget(Multiplication, 2, 0);
    g->addWidget(DiffAbs, 3, 0);
    g->addWidget(BlindageEchDifAbs, 3, 1);
    g->addWidget(DiffRelat, 4, 0);
    g->addWidget(BlindageEchDifRel, 4, 1);
    auto* bmp = new QHBoxLayout;
    bmp->addWidget(NomFichBMP);
    bmp->addWidget(Command3D3);
    g->addLayout(bmp, 2, 1, 1, 2);
    return w;
}

QWidget* Statistiques::ongletArcs()
{
    auto* w = new QWidget(this);
    ArcVale1 = nomme(new QRadioButton(QStringLiteral("Arc-Valeur 1 (état final)"), w), "ArcVale1");
    ArcVale2 = nomme(new QRadioButton(QStringLiteral("Arc-Valeur 2 (état initial)"), w), "ArcVale2");
    Command3D4 = nomme(new QPushButton(QStringLiteral("Différence absolue"), w), "Command3D4");
    Command3D5 = nomme(new QPushButton(QStringLiteral("Différence relative"), w), "Command3D5");
    R = nomme(new QPushButton(QStringLiteral("Relecture des fichiers"), w), "R");
    auto* g = new QGridLayout(w);
    g->addWidget(ArcVale1, 0, 0);
    g->addWidget(Command3D4, 0, 1);
    g->addWidget(ArcVale2, 1, 0);
    g->addWidget(Command3D5, 1, 1);
    g->addWidget(R, 2, 1);
    g->setRowStretch(3, 1);
    return w;
}

QGroupBox* Statistiques::cadreClasses()
{
    auto* f = nomme(new QGroupBox(QStringLiteral("Classes"), this), "Frame3D2");
    const ModeleStatistiques& s = modele();
    Picture2 = nomme(new BandeStatistiques(s.Picture2, f), "Picture2");
    Picture1 = nomme(new BandeStatistiques(s.Picture1, f), "Picture1");
    Text1 = nomme(new QLineEdit(f), "Text1");
    Text2 = nomme(new QLineEdit(f), "Text2");
    Text5 = nomme(new QLineEdit(f), "Text5");
    Text5->setMaximumWidth(40);
    Etiquette1 = etiquette("Etiquette1", s.Etiquette1, f);
    SSCommand1 = nomme(new QPushButton(QStringLiteral("Iso-amplitude"), f), "SSCommand1");
    SSCommand1->setToolTip(QStringLiteral("Fixe les bornes des classes d'égales amplitude"));
    SSCommand2 = nomme(new QPushButton(QStringLiteral("Iso-effectifs"), f), "SSCommand2");
    SSCommand2->setToolTip(QStringLiteral("Fixe les bornes des classes avec effectifs égaux"));
    SSCommand3 = nomme(new QPushButton(QStringLiteral("Intervalles réguliers..."), f), "SSCommand3");
    Amplitude = nomme(new QLineEdit(f), "Amplitude");
    Label4 = etiquette("Label4", s.Label4, f);
    ClassesDifférences =
        nomme(new QCheckBox(QStringLiteral("Utilise les classes des différences"), f), "ClassesDifférences");
    ClassesDifférences->setToolTip(QStringLiteral("Permet de dessiner des ronds proportionnels (valeur1 ou valeur2)  "
                                                  "avec les couleurs des classes de différence"));
    ChoixDiffClasse = nomme(new QGroupBox(f), "ChoixDiffClasse");
    ClasseDifRel = nomme(new QRadioButton(QStringLiteral("Rel."), ChoixDiffClasse), "ClasseDifRel");
    ClasseDiffAbs = nomme(new QRadioButton(QStringLiteral("Abs."), ChoixDiffClasse), "ClasseDiffAbs");
    auto* choix = new QHBoxLayout(ChoixDiffClasse);
    choix->addWidget(ClasseDifRel);
    choix->addWidget(ClasseDiffAbs);

    // One series of class counts; a bar chart for both chart types.
    effectifs_ = new QBarSet(QStringLiteral("Effectifs"));
    auto* serie = new QBarSeries;
    serie->append(effectifs_);
    auto* graphe = new QChart;
    graphe->addSeries(serie);
    graphe->legend()->hide();
    graphe->setMargins(QMargins(2, 2, 2, 2));
    auto* axeX = new QBarCategoryAxis;
    auto* axeY = new QValueAxis;
    axeY->setLabelFormat(QStringLiteral("%d"));
    graphe->addAxis(axeX, Qt::AlignBottom);
    graphe->addAxis(axeY, Qt::AlignLeft);
    serie->attachAxis(axeX);
    serie->attachAxis(axeY);
    Graph1 = nomme(new QChartView(graphe, f), "Graph1");
    Graph1->setMinimumSize(260, 160);

    auto* g = new QGridLayout(f);
    g->addWidget(Picture2, 0, 0, 1, 6);
    g->addWidget(Picture1, 1, 0, 1, 6);
    g->addWidget(etiquette("Label1", QStringLiteral("Minimum"), f), 2, 0);
    g->addWidget(Text1, 2, 1);
    g->addWidget(etiquette("Label2", QStringLiteral("Maximum"), f), 2, 2);
    g->addWidget(Text2, 2, 3);
    g->addWidget(Text5, 2, 4);
    g->addWidget(etiquette("Label3", QStringLiteral("classes"), f), 2, 5);
    auto* bornes = new QHBoxLayout;
    auto* boites = new QHBoxLayout;
    // The eleven bounds of ten classes side by side keep the window within a
    // screen 1024 pixels wide.
    const int largeurBorne = 80;
    for (int i = 1; i <= 11; ++i) {
        Borne[i] = new QLineEdit(f);
        Borne[i]->setObjectName(QStringLiteral("Borne(%1)").arg(i));
        Borne[i]->setFixedWidth(largeurBorne);
        bornes->addWidget(Borne[i]);
    }
    bornes->addStretch();
    // Each colour box sits under the bound between its class and the next.
    boites->setSpacing(0);
    boites->addSpacing(largeurBorne + 3 - 17);
    for (int k = 1; k <= 10; ++k) {
        PicClasse[k] = new PicClasseBoite(f);
        PicClasse[k]->setObjectName(QStringLiteral("PicClasse(%1)").arg(k));
        boites->addWidget(PicClasse[k]);
        boites->addSpacing(largeurBorne + 6 - 34);
    }
    boites->addStretch();
    g->addLayout(bornes, 3, 0, 1, 6);
    g->addWidget(Etiquette1, 4, 0, 1, 6);
    g->addLayout(boites, 5, 0, 1, 6);
    auto* methodes = new QVBoxLayout;
    methodes->addWidget(SSCommand1);
    methodes->addWidget(SSCommand2);
    methodes->addWidget(SSCommand3);
    auto* amplitude = new QHBoxLayout;
    amplitude->addWidget(Label4);
    amplitude->addWidget(Amplitude);
    methodes->addLayout(amplitude);
    methodes->addWidget(ClassesDifférences);
    methodes->addWidget(ChoixDiffClasse);
    methodes->addStretch();
    g->addLayout(methodes, 6, 0, 1, 2);
    g->addWidget(Graph1, 6, 2, 1, 4);
    return f;
}

QWidget* Statistiques::optionsFenetre()
{
    auto* w = new QWidget(this);
    AffValNum = nomme(new QCheckBox(QStringLiteral("Affiche les valeurs numériques"), w), "AffValNum");
    ApercuCarte = nomme(new QCheckBox(QStringLiteral("Aperçu de la carte"), w), "ApercuCarte");
    Check3D1 = nomme(new QCheckBox(QStringLiteral("Cercles proportionnels"), w), "Check3D1");
    Ech = nomme(new QLineEdit(w), "Ech");
    Ech->setMaximumWidth(70);
    ValHoraires = nomme(new QCheckBox(QStringLiteral("Données horaires"), w), "ValHoraires");
    TypeHoraire = nomme(new QGroupBox(w), "TypeHoraire");
    HoraireHHMM = nomme(new QRadioButton(QStringLiteral("hhmm"), TypeHoraire), "HoraireHHMM");
    HoraireMinutes = nomme(new QRadioButton(QStringLiteral("minutes"), TypeHoraire), "HoraireMinutes");
    auto* h = new QHBoxLayout(TypeHoraire);
    h->addWidget(HoraireHHMM);
    h->addWidget(HoraireMinutes);
    Command3D1 = nomme(new QPushButton(QStringLiteral("Fermer"), w), "Command3D1");

    auto* g = new QGridLayout(w);
    g->addWidget(Check3D1, 0, 0);
    g->addWidget(AffValNum, 1, 0);
    g->addWidget(ApercuCarte, 2, 0);
    g->addWidget(etiquette("Label5", QStringLiteral("Echelle graphique :"), w), 0, 1);
    g->addWidget(Ech, 0, 2);
    g->addWidget(ValHoraires, 1, 1);
    g->addWidget(TypeHoraire, 1, 2, 2, 1);
    g->addWidget(Command3D1, 2, 3);
    g->setColumnStretch(3, 1);
    return w;
}

void Statistiques::relie()
{
    const auto clic = [this](QAbstractButton* b, void (*h)()) {
        connect(b, &QAbstractButton::clicked, this, [this, h] { agit(h); });
    };
    const auto coche = [this](QAbstractButton* b, void (*h)(bool)) {
        connect(b, &QAbstractButton::clicked, this, [this, h](bool c) { agit([h, c] { h(c); }); });
    };
    const auto drapeau = [this](QAbstractButton* b, bool ModeleStatistiques::*m) {
        connect(b, &QAbstractButton::clicked, this, [this, m](bool c) { agit([m, c] { modele().*m = c; }); });
    };
    clic(Option3D1, Statistiques_Option3D1_Click);
    clic(Option3D2, Statistiques_Option3D2_Click);
    clic(Multiplication, Statistiques_Multiplication_Click);
    clic(DiffAbs, Statistiques_DiffAbs_Click);
    clic(DiffRelat, Statistiques_DiffRelat_Click);
    clic(ArcVale1, Statistiques_ArcVale1_Click);
    clic(ArcVale2, Statistiques_ArcVale2_Click);
    clic(Command3D4, Statistiques_Command3D4_Click);
    clic(Command3D5, Statistiques_Command3D5_Click);
    clic(R, Statistiques_R_Click);
    clic(Command3D2, Statistiques_Command3D2_Click);
    clic(FusionneFichiers, Statistiques_FusionneFichiers_Click);
    clic(Command3D3, Statistiques_Command3D3_Click);
    clic(Command3D1, Statistiques_Command3D1_Click);
    clic(SSCommand1, Statistiques_SSCommand1_Click);
    clic(SSCommand2, Statistiques_SSCommand2_Click);
    clic(SSCommand3, Statistiques_SSCommand3_Click);
    clic(HoraireHHMM, Statistiques_HoraireHHMM_Click);
    clic(HoraireMinutes, Statistiques_HoraireMinutes_Click);
    coche(ValHoraires, Statistiques_ValHoraires_Click);
    coche(ClassesDifférences, Statistiques_ClassesDifférences_Click);
    coche(AffValNum, Statistiques_AffValNum_Click);
    coche(ApercuCarte, Statistiques_ApercuCarte_Click);
    drapeau(BlindageEchDifAbs, &ModeleStatistiques::BlindageEchDifAbs);
    drapeau(BlindageEchDifRel, &ModeleStatistiques::BlindageEchDifRel);
    drapeau(Check3D1, &ModeleStatistiques::Check3D1);
    connect(ClasseDifRel, &QAbstractButton::clicked, this, [this] {
        agit([] {
            modele().ClasseDifRel = true;
            modele().ClasseDiffAbs = false;
        });
    });
    connect(ClasseDiffAbs, &QAbstractButton::clicked, this, [this] {
        agit([] {
            modele().ClasseDifRel = false;
            modele().ClasseDiffAbs = true;
        });
    });
    const auto texte = [this](QLineEdit* e, QString ModeleStatistiques::*m) {
        connect(e, &QLineEdit::textEdited, this, [this, m](const QString& t) { agit([m, t] { modele().*m = t; }); });
    };
    texte(Text3, &ModeleStatistiques::Text3);
    texte(Text4, &ModeleStatistiques::Text4);
    texte(NomFichBMP, &ModeleStatistiques::NomFichBMP);
    texte(Text1, &ModeleStatistiques::Text1);
    texte(Text2, &ModeleStatistiques::Text2);
    texte(Amplitude, &ModeleStatistiques::Amplitude);
    connect(Ech, &QLineEdit::textEdited, this, [this](const QString& t) { agit([t] { Statistiques_Ech_Change(t); }); });
    connect(Text5, &QLineEdit::textEdited, this, [this](const QString& t) {
        agit([t] {
            modele().Text5 = t;
            Statistiques_Text5_Change();
        });
    });
    for (int i = 1; i <= 11; ++i)
        connect(Borne[i], &QLineEdit::textEdited, this, [this, i](const QString& t) {
            agit([i, t] {
                modele().Borne[static_cast<std::size_t>(i)] = t;
                Statistiques_Borne_Change(i);
            });
        });
    for (int k = 1; k <= 10; ++k)
        connect(PicClasse[k], &PicClasseBoite::clique, this, [this, k] { agit([k] { Statistiques_PicClasse_Click(k); }); });
    connect(SSTab1, &QTabWidget::currentChanged, this, [this](int onglet) {
        if (!rafraichit_)
            agit([onglet] { Statistiques_SSTab1_Click(onglet); });
    });
}

bool Statistiques::eventFilter(QObject* objet, QEvent* e)
{
    if (e->type() == QEvent::MouseButtonDblClick) {
        if (objet == Text3) {
            agit(Statistiques_Text3_DblClick);
            return true;
        }
        if (objet == Text4) {
            agit(Statistiques_Text4_DblClick);
            return true;
        }
    }
    return QDialog::eventFilter(objet, e);
}

void Statistiques::agit(const std::function<void()>& handler)
{
    ExecuteGarde(handler);
    Rafraichit();
}

void Statistiques::reject() { agit(Statistiques_Command3D1_Click); }

void Statistiques::Rafraichit()
{
    rafraichit_ = true;
    const ModeleStatistiques& s = modele();
    if (SSTab1->currentIndex() != s.SSTab1)
        SSTab1->setCurrentIndex(s.SSTab1);
    montreCoche(Option3D1, s.Option3D1);
    montreCoche(Option3D2, s.Option3D2);
    montreCoche(Multiplication, s.Multiplication);
    montreCoche(DiffAbs, s.DiffAbs);
    montreCoche(DiffRelat, s.DiffRelat);
    montreCoche(ArcVale1, s.ArcVale1);
    montreCoche(ArcVale2, s.ArcVale2);
    montreCoche(BlindageEchDifAbs, s.BlindageEchDifAbs);
    montreCoche(BlindageEchDifRel, s.BlindageEchDifRel);
    montreTexte(Text3, s.Text3);
    montreTexte(Text4, s.Text4);
    montreTexte(NomFichBMP, s.NomFichBMP);
    montreTexte(Text1, s.Text1);
    montreTexte(Text2, s.Text2);
    montreTexte(Text5, s.Text5);
    montreTexte(Amplitude, s.Amplitude);
    Label4->setText(s.Label4);
    Etiquette1->setText(s.Etiquette1);
    for (int i = 1; i <= 11; ++i) {
        const auto j = static_cast<std::size_t>(i);
        montreTexte(Borne[j], s.Borne[j]);
        Borne[j]->setVisible(s.BorneVisible[j]);
    }
    for (int k = 1; k <= 10; ++k) {
        const auto j = static_cast<std::size_t>(k);
        PicClasse[j]->setVisible(s.PicClasseVisible[j]);
        PicClasse[j]->setText(s.PicClasseTexte[j]);
        PicClasse[j]->setStyleSheet(styleBoite(s.PicClasse[j], s.PicClasseForeColor[j]));
    }
    montreCoche(ClassesDifférences, s.ClassesDifférences);
    ChoixDiffClasse->setVisible(s.ChoixDiffClasseVisible);
    montreCoche(ClasseDifRel, s.ClasseDifRel);
    montreCoche(ClasseDiffAbs, s.ClasseDiffAbs);
    montreCoche(AffValNum, s.AffValNum);
    montreCoche(ApercuCarte, s.ApercuCarte);
    montreCoche(Check3D1, s.Check3D1);
    montreTexte(Ech, s.Ech);
    montreCoche(ValHoraires, s.ValHoraires);
    TypeHoraire->setVisible(s.TypeHoraireVisible);
    montreCoche(HoraireHHMM, s.HoraireHHMM);
    montreCoche(HoraireMinutes, s.HoraireMinutes);
    Picture1->update();
    Picture2->update();
    montreGraphe();
    if (isVisible() != s.Visible)
        setVisible(s.Visible);
    rafraichit_ = false;
}

void Statistiques::montreGraphe()
{
    const std::vector<int>& points = modele().Graph1.Points;
    QList<qreal> valeurs;
    QStringList classes;
    int max = 1;
    for (std::size_t i = 0; i < points.size(); ++i) {
        valeurs.append(points[i]);
        classes.append(QString::number(i + 1));
        max = std::max(max, points[i]);
    }
    if (effectifs_->count() == valeurs.size()) {
        for (int i = 0; i < valeurs.size(); ++i)
            if (effectifs_->at(i) != valeurs[i])
                effectifs_->replace(i, valeurs[i]);
    } else {
        effectifs_->remove(0, effectifs_->count());
        effectifs_->append(valeurs);
    }
    QChart* c = Graph1->chart();
    if (auto* x = qobject_cast<QBarCategoryAxis*>(c->axes(Qt::Horizontal).value(0)); x && x->categories() != classes) {
        x->clear();
        x->append(classes);
    }
    if (auto* y = qobject_cast<QValueAxis*>(c->axes(Qt::Vertical).value(0))) {
        // Counts are whole numbers: the ticks stand on whole numbers only, a
        // step of 1, 2 or 5 times a power of ten, five steps at most.
        int pas = 1;
        for (int puissance = 1; max > 5 * pas; puissance *= 10)
            for (int facteur : {1, 2, 5})
                if (max > 5 * pas)
                    pas = facteur * puissance;
        const int haut = (max + pas - 1) / pas * pas;
        y->setRange(0, haut);
        y->setTickCount(haut / pas + 1);
    }
}

} // namespace kelmo
