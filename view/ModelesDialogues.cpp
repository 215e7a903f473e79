#include "view/ModelesDialogues.h"

#include "core/TypesArcs.h"
#include "platform/Dialogues.h"
#include "platform/Nombres.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>
#include <limits>

namespace kelmo {
namespace {

constexpr double Pi = 3.141593; // the program's factor, not the exact value

bool& visible(FormeDialogue f)
{
    static bool autre = false;
    switch (f) {
    case FormeDialogue::Angles: return K.Formes.Angles.Visible;
    case FormeDialogue::SeuilsAffichage: return K.Formes.SeuilsAffichage.Visible;
    case FormeDialogue::AspectVisuelNoeuds: return K.Formes.AspectVisuelNoeuds.Visible;
    case FormeDialogue::AspectVisuelArcs: return K.Formes.AspectVisuelArcs.Visible;
    case FormeDialogue::ParamAffichage: return K.Formes.ParamAffichage.Visible;
    case FormeDialogue::OptionsRedess: return K.Formes.OptionsRedess.Visible;
    case FormeDialogue::TraceArcs: return K.Formes.TraceArcs.Visible;
    default: return autre;
    }
}

QString texteDegres(double v) { return TexteAvecSigne(v) + QStringLiteral(" deg"); }

int borne(double v, int minimum, int maximum)
{
    if (std::isnan(v) || v <= minimum)
        return minimum;
    if (v >= maximum)
        return maximum;
    return static_cast<int>(ArrondiBanquier(v));
}

// The rounded number of a box, without overflow on absurd input.
double arrondi(const QString& t) { return ArrondiBanquier(ValeurNombre(t)); }

QString entreeListe(const Liste& l, int index)
{
    return index >= 0 && index < l.Entrees.size() ? l.Entrees[index] : QString();
}

} // namespace

void MontreForme(FormeDialogue f, bool modal)
{
    visible(f) = true;
    Liens().Montre(f, modal);
}

void CacheForme(FormeDialogue f)
{
    visible(f) = false;
    Liens().Cache(f);
}

// ---------------------------------------------------------------- number rules

double DegresEntiers(double radians)
{
    const double d = radians * 180 / Pi;
    const double proche = std::nearbyint(d);
    if (std::fabs(d - proche) < 1e-9)
        return proche;
    return std::floor(d);
}

double ValeurSeuil(const QString& texte)
{
    QString t = texte;
    // Whatever grouping the masked box showed: blanks of every width,
    // commas and apostrophes never belong to a whole number of people.
    static const QRegularExpression groupes(QStringLiteral("[,'\u00A0\u202F\u2009\u2019]"));
    t.remove(groupes);
    // Dots group thousands only where every dot is followed by three digits
    // and there is more than one (a single dot stays a decimal point).
    static const QRegularExpression points(QStringLiteral("^\\s*-?\\d{1,3}(\\.\\d{3}){2,}\\s*$"));
    if (points.match(t).hasMatch())
        t.remove(QLatin1Char('.'));
    return ValeurNombre(t);
}

QString TexteRegional(double valeur, bool simplePrecision)
{
    return TexteGeneral(valeur, QLatin1Char(K.SeparateurDecimal), simplePrecision);
}

bool NombreRegional(const QString& texte, double& valeur)
{
    QString t = texte.trimmed();
    t.replace(QLatin1Char(K.SeparateurDecimal), QLatin1Char('.'));
    if (t.endsWith(QLatin1Char('.')))
        t.chop(1);
    const QByteArray a = t.toLatin1();
    if (t.isEmpty() || t.contains(QLatin1Char(',')) || !TexteEstNombre(std::string_view(a.constData(), a.size())))
        return false;
    valeur = ValeurNombre(t);
    return std::isfinite(valeur);
}

double ValeurTeteRegionale(const QString& texte)
{
    QString t = texte;
    t.replace(QLatin1Char(K.SeparateurDecimal), QLatin1Char('.'));
    return ValeurNombre(t);
}

QString FormatDieses2(double valeur)
{
    // Two decimals, halves away from zero, then the empty places dropped.
    const double r = std::round(std::fabs(valeur) * 100) / 100;
    double entier = std::floor(r);
    int centiemes = static_cast<int>(std::lround((r - entier) * 100));
    if (centiemes >= 100) {
        entier += 1;
        centiemes -= 100;
    }
    QString t = entier > 0 ? QString::number(entier, 'f', 0) : QString();
    t += QLatin1Char(K.SeparateurDecimal);
    if (centiemes > 0) {
        QString d = QStringLiteral("%1").arg(centiemes, 2, 10, QLatin1Char('0'));
        while (d.endsWith(QLatin1Char('0')))
            d.chop(1);
        t += d;
    }
    return (valeur < 0 && r > 0 ? QStringLiteral("-") : QString()) + t;
}

// ---------------------------------------------------------------- Angles

void Angles_Texte3_Change() { K.Formes.Angles.Option1 = true; }

void Angles_DefinitTexte1(const QString& texte) { K.Formes.Angles.Texte1 = texte; }

void Angles_DefinitTexte3(const QString& texte)
{
    if (K.Formes.Angles.Texte3 == texte)
        return;
    K.Formes.Angles.Texte3 = texte;
    Angles_Texte3_Change();
}

void Angles_DefinitListIndex(int index)
{
    Liste& l = K.Formes.Angles.ListeModifiable1;
    l.ListIndex = index >= 0 && index < l.Entrees.size() ? index : -1;
    if (l.ListIndex >= 0)
        K.Formes.Angles.TexteListeModifiable1 = l.Entrees[l.ListIndex];
}

void Kelmo_menAngles_Click()
{
    ModeleAngles& a = K.Formes.Angles;
    double h = DegresEntiers(K.AngleHorizontal);
    if (h < -180 || h > 180)
        h = 0;
    Angles_DefinitTexte1(texteDegres(DegresEntiers(K.AngleVertical)));
    Angles_DefinitTexte3(texteDegres(h));
    a.Gauge1 = borne(K.AngleVertical * 180 / Pi, 0, Gauge1AnglesMax);
    a.Gauge3 = borne(h + 180, 0, Gauge3AnglesMax);
    a.Option1 = false;
    MontreForme(FormeDialogue::Angles, false);
}

void Angles_Commande1_Click()
{
    ModeleAngles& a = K.Formes.Angles;
    K.Annule = false;
    CacheForme(FormeDialogue::Angles);
    K.AngleVerticalDeg = ValeurNombre(a.Texte1);
    K.AngleHorizontal = ValeurNombre(a.Texte3) * Pi / 180;
    K.VilleCentreRotation = a.TexteListeModifiable1.left(4);
    K.AngleVertical = K.AngleVerticalDeg * Pi / 180;
    if (a.Coche1) {
        K.AngleVerticalDonnees = static_cast<float>(K.AngleVertical);
        K.AngleVertical = 0;
        return;
    }
    LiensDialogues& l = Liens();
    l.CalculeCoordonneesEcran();
    l.TourneAutourNoeud(K.AngleHorizontal, K.VilleCentreRotation);
    l.InclineNoeuds(K.AngleVertical);
    l.TrieNoeudsProfondeur();
    l.EffaceIma();
    l.DessineNoeuds(true, true);
}

void Angles_Commande2_Click()
{
    CacheForme(FormeDialogue::Angles);
    K.Annule = true;
}

// The old handlers paused in an empty loop after each step so that a held
// arrow did not race; the arrows' own repeat delay does that here.
void Angles_Spin1_SpinDown()
{
    double v = ValeurNombre(K.Formes.Angles.Texte1);
    if (v > 0) {
        v -= 1;
        Angles_DefinitTexte1(texteDegres(v));
        K.Formes.Angles.Gauge1 = borne(v, 0, Gauge1AnglesMax);
    }
}

void Angles_Spin1_SpinUp()
{
    double v = ValeurNombre(K.Formes.Angles.Texte1);
    if (v < 180) {
        v += 1;
        Angles_DefinitTexte1(texteDegres(v));
        K.Formes.Angles.Gauge1 = borne(v, 0, Gauge1AnglesMax);
    }
}

void Angles_Spin3_SpinDown()
{
    double v = ValeurNombre(K.Formes.Angles.Texte3);
    if (v > -180) {
        v -= 1;
        Angles_DefinitTexte3(texteDegres(v));
        K.Formes.Angles.Gauge3 = borne(v + 180, 0, Gauge3AnglesMax);
    }
}

void Angles_Spin3_SpinUp()
{
    double v = ValeurNombre(K.Formes.Angles.Texte3);
    if (v < 179) {
        v += 1;
        Angles_DefinitTexte3(texteDegres(v));
        K.Formes.Angles.Gauge3 = borne(v + 180, 0, Gauge3AnglesMax);
    }
}

// ------------------------------------------------------ SeuilsAffichage

void SeuilsAffichage_DefinitTexte1(const QString& texte)
{
    ModeleSeuilsAffichage& s = K.Formes.SeuilsAffichage;
    if (s.Texte1 == texte)
        return;
    s.Texte1 = texte;
    SeuilsAffichage_DefinitMaskedEdit1(s.Texte1);
}

void SeuilsAffichage_DefinitMaskedEdit1(const QString& texte)
{
    ModeleSeuilsAffichage& s = K.Formes.SeuilsAffichage;
    if (s.MaskedEdit1 == texte)
        return;
    s.MaskedEdit1 = texte;
    SeuilsAffichage_DefinitTexte1(s.MaskedEdit1);
}

void SeuilsAffichage_DefinitTexte2(const QString& texte)
{
    ModeleSeuilsAffichage& s = K.Formes.SeuilsAffichage;
    if (s.Texte2 == texte)
        return;
    s.Texte2 = texte;
    SeuilsAffichage_DefinitMaskedEdit2(s.Texte2);
}

void SeuilsAffichage_DefinitMaskedEdit2(const QString& texte)
{
    ModeleSeuilsAffichage& s = K.Formes.SeuilsAffichage;
    if (s.MaskedEdit2 == texte)
        return;
    s.MaskedEdit2 = texte;
    SeuilsAffichage_DefinitTexte2(s.MaskedEdit2);
}

void SeuilsAffichage_DefinitTexteListe(const QString& texte)
{
    K.Formes.SeuilsAffichage.TexteListeModifiable1 = texte;
    K.Formes.SeuilsAffichage.TexteInitialise = true;
}

void SeuilsAffichage_ListeModifiable1_Click(int index)
{
    Liste& l = K.Formes.SeuilsAffichage.ListeModifiable1;
    l.ListIndex = index >= 0 && index < l.Entrees.size() ? index : -1;
    if (l.ListIndex >= 0)
        SeuilsAffichage_DefinitTexteListe(l.Entrees[l.ListIndex]);
}

namespace {
void initialiseTexteListeSeuils()
{
    if (!K.Formes.SeuilsAffichage.TexteInitialise)
        SeuilsAffichage_DefinitTexteListe(TexteGeneral(K.NombreLettresNoms));
}
} // namespace

void Kelmo_menOptionsAffichageNoms_Click()
{
    initialiseTexteListeSeuils();
    MontreForme(FormeDialogue::SeuilsAffichage, false);
}

bool SeuilsAffichage_EnregistreValeurs()
{
    const ModeleSeuilsAffichage& s = K.Formes.SeuilsAffichage;
    const double superieur = ValeurSeuil(s.Texte1);
    const double inferieur = ArrondiBanquier(ValeurSeuil(s.Texte2));
    if (!(inferieur >= std::numeric_limits<int32_t>::min() && inferieur <= std::numeric_limits<int32_t>::max())) {
        MessageErreur(QStringLiteral("Le seuil d'affichage inférieur doit être compris entre -2147483648 et 2147483647."));
        return false;
    }
    K.SeuilSuperieurNoms = superieur;
    K.SeuilInferieurNoms = static_cast<int32_t>(inferieur);
    initialiseTexteListeSeuils();
    K.NombreLettresNoms = ValeurNombre(K.Formes.SeuilsAffichage.TexteListeModifiable1);
    return true;
}

void SeuilsAffichage_Command3D1_Click()
{
    if (!SeuilsAffichage_EnregistreValeurs())
        return;
    K.Annule = false;
    CacheForme(FormeDialogue::SeuilsAffichage);
}

void SeuilsAffichage_Command3D2_Click()
{
    K.Annule = true;
    CacheForme(FormeDialogue::SeuilsAffichage);
}

void SeuilsAffichage_Command3D3_Click()
{
    if (!SeuilsAffichage_EnregistreValeurs())
        return;
    Liens().EffaceIma();
    Liens().DessineNoeuds(true, true);
}

namespace {

void lisSeuils(double& u, double& l)
{
    u = std::floor(ValeurSeuil(K.Formes.SeuilsAffichage.Texte1));
    l = std::floor(ValeurSeuil(K.Formes.SeuilsAffichage.Texte2));
}

void ecritSeuil(int numero, double v, double diviseur)
{
    ModeleSeuilsAffichage& s = K.Formes.SeuilsAffichage;
    const QString t = TexteAvecSigne(v);
    if (numero == 1) {
        s.Gauge1 = borne(v / diviseur, 0, GaugeSeuilsMax);
        SeuilsAffichage_DefinitTexte1(t);
        SeuilsAffichage_DefinitMaskedEdit1(t);
    } else {
        s.Gauge2 = borne(v / diviseur, 0, GaugeSeuilsMax);
        SeuilsAffichage_DefinitTexte2(t);
        SeuilsAffichage_DefinitMaskedEdit2(t);
    }
}

} // namespace

void SeuilsAffichage_Spin1_SpinDown()
{
    double u, l;
    lisSeuils(u, l);
    if (u > 100000 && u > l + 100000)
        ecritSeuil(1, u - 100000, 10000);
}

void SeuilsAffichage_Spin1_SpinUp()
{
    double u, l;
    lisSeuils(u, l);
    if (u < 13990000)
        ecritSeuil(1, u + 100000, 10000);
}

void SeuilsAffichage_Spin2_SpinDown()
{
    double u, l;
    lisSeuils(u, l);
    if (l >= 100000)
        ecritSeuil(2, l - 100000, 10000);
    else if (l >= 10000)
        ecritSeuil(2, l - 10000, 10000);
    else if (l >= 1000)
        ecritSeuil(2, l - 1000, 1000);
    else if (l >= 100)
        ecritSeuil(2, l - 100, 100);
}

void SeuilsAffichage_Spin2_SpinUp()
{
    double u, l;
    lisSeuils(u, l);
    if (!(l < 13990000 && l < u - 100000))
        return;
    if (l < 1000)
        ecritSeuil(2, l + 100, 100);
    else if (l < 10000)
        ecritSeuil(2, l + 1000, 1000);
    else if (l < 100000)
        ecritSeuil(2, l + 10000, 10000);
    else
        ecritSeuil(2, l + 100000, 10000);
}

// ---------------------------------------------------- AspectVisuelNoeuds

void DessineApercuNoeud()
{
    ModeleAspectVisuelNoeuds& n = K.Formes.AspectVisuelNoeuds;
    ApercuNoeud& a = n.Apercu;
    a.X = static_cast<float>(n.LargeurApercu / 2);
    a.Y = static_cast<float>(n.HauteurApercu / 2);
    a.Bord = K.CouleurBordNoeuds;
    a.Interieur = K.CouleurInterieurNoeuds;
    a.Epaisseur = borne(K.EpaisseurNoeuds, 1, 32767);
    a.Rayon = K.RayonNoeuds;
    a.Dessine = true;
}

void AspectVisuelNoeuds_DefinitTexteCombo1(const QString& texte)
{
    ModeleAspectVisuelNoeuds& n = K.Formes.AspectVisuelNoeuds;
    if (n.Charge && n.TexteCombo1 == texte)
        return;
    n.TexteCombo1 = texte;
    // A circle has no negative radius.
    K.RayonNoeuds = std::max(0.0, ValeurNombre(texte));
    if (n.Charge)
        DessineApercuNoeud();
}

void AspectVisuelNoeuds_DefinitTexteCombo2(const QString& texte)
{
    ModeleAspectVisuelNoeuds& n = K.Formes.AspectVisuelNoeuds;
    if (n.Charge && n.TexteCombo2 == texte)
        return;
    n.TexteCombo2 = texte;
    // A line thinner than one unit cannot be drawn.
    K.EpaisseurNoeuds = std::max(1.0, ValeurNombre(texte));
    if (n.Charge)
        DessineApercuNoeud();
}

void AspectVisuelNoeuds_Charge()
{
    ModeleAspectVisuelNoeuds& n = K.Formes.AspectVisuelNoeuds;
    if (n.Charge)
        return;
    for (int i = 1; i <= 60; ++i) {
        n.Combo1.AddItem(QString::number(i));
        n.Combo2.AddItem(QString::number(i));
    }
    const double rayon = K.RayonNoeuds, epaisseur = K.EpaisseurNoeuds;
    AspectVisuelNoeuds_DefinitTexteCombo1(TexteAvecSigne(rayon));
    AspectVisuelNoeuds_DefinitTexteCombo2(TexteAvecSigne(epaisseur));
    n.Charge = true;
    DessineApercuNoeud();
}

void AspectVisuelNoeuds_Combo1_Click(int index)
{
    AspectVisuelNoeuds_Charge();
    ModeleAspectVisuelNoeuds& n = K.Formes.AspectVisuelNoeuds;
    n.Combo1.ListIndex = index;
    n.TexteCombo1 = entreeListe(n.Combo1, index);
    K.RayonNoeuds = std::max(0.0, ValeurNombre(n.TexteCombo1));
    DessineApercuNoeud();
}

void AspectVisuelNoeuds_Combo2_Click(int index)
{
    AspectVisuelNoeuds_Charge();
    ModeleAspectVisuelNoeuds& n = K.Formes.AspectVisuelNoeuds;
    n.Combo2.ListIndex = index;
    n.TexteCombo2 = entreeListe(n.Combo2, index);
    K.EpaisseurNoeuds = std::max(1.0, ValeurNombre(n.TexteCombo2));
    DessineApercuNoeud();
}

void Kelmo_menOptionsAffichageVilles_Click()
{
    AspectVisuelNoeuds_Charge();
    MontreForme(FormeDialogue::AspectVisuelNoeuds, false);
}

namespace {

bool choisitCouleur(Couleur& courante, Couleur& cible)
{
    const std::optional<QColor> c = Ui().Couleur(VersQColor(courante));
    if (!c || !c->isValid())
        return false;
    courante = DepuisQColor(*c);
    cible = courante;
    return true;
}

} // namespace

void AspectVisuelNoeuds_Command3D1_Click()
{
    AspectVisuelNoeuds_Charge();
    if (choisitCouleur(K.Formes.AspectVisuelNoeuds.CouleurDialogue, K.CouleurInterieurNoeuds))
        DessineApercuNoeud();
}

void AspectVisuelNoeuds_Command3D2_Click()
{
    AspectVisuelNoeuds_Charge();
    if (choisitCouleur(K.Formes.AspectVisuelNoeuds.CouleurDialogue, K.CouleurBordNoeuds))
        DessineApercuNoeud();
}

void AspectVisuelNoeuds_Police_Click()
{
    AspectVisuelNoeuds_Charge();
    Police initiale = Liens().PoliceIma();
    initiale.couleur = VersQColor(K.CouleurNoms);
    const std::optional<Police> p = Ui().ChoixPolice(initiale);
    if (!p)
        return;
    Liens().DefinitPoliceImages(*p);
    K.CouleurNoms = DepuisQColor(p->couleur);
}

void AspectVisuelNoeuds_Seuils_Click() { Kelmo_menOptionsAffichageNoms_Click(); }

void AspectVisuelNoeuds_Command3D4_Click()
{
    K.Annule = false;
    CacheForme(FormeDialogue::AspectVisuelNoeuds);
}

void AspectVisuelNoeuds_Command3D3_Click()
{
    K.Annule = true;
    CacheForme(FormeDialogue::AspectVisuelNoeuds);
}

// ------------------------------------------------------ AspectVisuelArcs

namespace {

void lisLargeursApercu()
{
    const ModeleAspectVisuelArcs& a = K.Formes.AspectVisuelArcs;
    // The preview draws nothing thinner than one unit nor wider than the spins go.
    K.EpaisseurTraitArcs = std::clamp(ValeurNombre(a.Text2), 0.0, static_cast<double>(EpaisseurArcsMax));
    K.EpaisseurBlancArcs = static_cast<int16_t>(borne(ValeurNombre(a.Text1), EpaisseurArcsMin, EpaisseurArcsMax));
}

} // namespace

void DessineApercuArc(double x1, double y1, double x2, double y2)
{
    ModeleAspectVisuelArcs& a = K.Formes.AspectVisuelArcs;
    a.CouleurApercu = a.Image1;
    SegmentApercu fond{x1, y1, x2, y2, std::max<int>(1, K.EpaisseurBlancArcs), QBColor(7)};
    a.Apercu.push_back(fond);
    SegmentApercu trait = fond;
    if (K.EpaisseurTraitArcs != 0)
        trait.Epaisseur = std::max(1, borne(K.EpaisseurTraitArcs, 1, EpaisseurArcsMax));
    trait.Couleur_ = a.CouleurApercu;
    a.Apercu.push_back(trait);
}

void DessineFigureApercuArcs()
{
    ModeleAspectVisuelArcs& a = K.Formes.AspectVisuelArcs;
    a.Apercu.clear();
    const double w = a.LargeurApercu, h = a.HauteurApercu;
    DessineApercuArc(0, 0, w, h);
    DessineApercuArc(w / 2, 0, w / 2, h);
    DessineApercuArc(0, h / 2, w, h / 2);
}

void AspectVisuelArcs_DefinitText1(const QString& texte)
{
    ModeleAspectVisuelArcs& a = K.Formes.AspectVisuelArcs;
    if (a.Text1 == texte)
        return;
    a.Text1 = texte;
    lisLargeursApercu();
    DessineFigureApercuArcs();
}

void AspectVisuelArcs_DefinitText2(const QString& texte)
{
    ModeleAspectVisuelArcs& a = K.Formes.AspectVisuelArcs;
    if (a.Text2 == texte)
        return;
    a.Text2 = texte;
    lisLargeursApercu();
    DessineFigureApercuArcs();
}

void AspectVisuelArcs_DefinitText3(const QString& texte)
{
    ModeleAspectVisuelArcs& a = K.Formes.AspectVisuelArcs;
    if (a.Text3 == texte)
        return;
    a.Text3 = texte;
    a.CouleurApercu = a.Image1;
    lisLargeursApercu();
    DessineFigureApercuArcs();
}

void AspectVisuelArcs_Charge()
{
    ModeleAspectVisuelArcs& a = K.Formes.AspectVisuelArcs;
    if (a.Charge)
        return;
    a.Charge = true;
    const double blanc = K.EpaisseurBlancArcs, trait = K.EpaisseurTraitArcs;
    AspectVisuelArcs_DefinitText1(TexteAvecSigne(blanc));
    AspectVisuelArcs_DefinitText2(TexteAvecSigne(trait));
}

void AfficheAspectArcCourant()
{
    ModeleAspectVisuelArcs& a = K.Formes.AspectVisuelArcs;
    const TypeArc& t = K.TypeArcChoisi;
    a.TypeAffiche = true;
    a.CodeAffiche = t.Code;
    AspectVisuelArcs_DefinitText2(QString::number(t.Epaisseur));
    AspectVisuelArcs_DefinitText1(QString::number(t.EpaisseurBlanc));
    Couleur c;
    switch (a.GenreChoisi) {
    case 6: c = t.CouleurCommun; break;
    case 7: c = t.CouleurPlus; break;
    case 8: c = t.CouleurMoins; break;
    default: return;
    }
    a.Image1 = c;
    const QString texte = QString::number(c);
    if (a.Text3 == texte) {
        // The same number still has to repaint the preview in this colour.
        a.CouleurApercu = c;
        DessineFigureApercuArcs();
    } else {
        AspectVisuelArcs_DefinitText3(texte);
    }
}

void EnregistreAspectMode(int16_t code, const QString& genre)
{
    ModeleAspectVisuelArcs& a = K.Formes.AspectVisuelArcs;
    if (ValeurNombre(a.Text2) == 0)
        AspectVisuelArcs_DefinitText2(QStringLiteral("1"));
    const int i = IndiceTypeArcParCode(code);
    if (i < 0)
        return;
    TypeArc& t = K.TypesArcs[static_cast<std::size_t>(i)];
    t.EpaisseurBlanc = static_cast<int16_t>(borne(ValeurNombre(a.Text1), EpaisseurArcsMin, EpaisseurArcsMax));
    t.Epaisseur = static_cast<int16_t>(borne(ValeurNombre(a.Text2), EpaisseurArcsMin, EpaisseurArcsMax));
    const Couleur c = a.Image1;
    const bool unGenre = i == iTGV || i == iTrain || i == iAutoroute || i == iRoute70;
    if (!unGenre) {
        t.CouleurCommun = t.CouleurPlus = t.CouleurMoins = c;
    } else if (genre == QLatin1String("C")) {
        t.CouleurCommun = c;
    } else if (genre == QLatin1String("P")) {
        t.CouleurPlus = c;
    } else if (genre == QLatin1String("M")) {
        t.CouleurMoins = c;
    }
    // The ordered copy of the link types is what lists and lookups show.
    for (TypeArc& o : K.TypesArcsOrdonnes)
        if (o.Code == t.Code && !o.Nom.isEmpty() && o.Nom == t.Nom) {
            o.EpaisseurBlanc = t.EpaisseurBlanc;
            o.Epaisseur = t.Epaisseur;
            o.CouleurCommun = t.CouleurCommun;
            o.CouleurPlus = t.CouleurPlus;
            o.CouleurMoins = t.CouleurMoins;
        }
}

void ValideAspectArc()
{
    const ModeleAspectVisuelArcs& a = K.Formes.AspectVisuelArcs;
    // Nothing has been shown yet: the boxes hold no link type's values.
    if (!a.TypeAffiche)
        return;
    QString genre;
    if (a.GenreChoisi == 6)
        genre = QStringLiteral("C");
    else if (a.GenreChoisi == 7)
        genre = QStringLiteral("P");
    else if (a.GenreChoisi == 8)
        genre = QStringLiteral("M");
    EnregistreAspectMode(a.CodeAffiche, genre);
}

void AspectVisuelArcs_ListeDesModes_Click()
{
    AspectVisuelArcs_Charge();
    ModeleAspectVisuelArcs& a = K.Formes.AspectVisuelArcs;
    const Liste& l = K.Formes.AspectVisuelArcs.ListeDesModes;
    ValideAspectArc();
    TypeArcParNom(entreeListe(l, l.ListIndex), K.TypeArcChoisi);
    a.Image1 = K.TypeArcChoisi.CouleurCommun;
    a.GenreChoisi = 6;
    AfficheAspectArcCourant();
}

void AspectVisuelArcs_DefinitListIndex(int index)
{
    Liste& l = K.Formes.AspectVisuelArcs.ListeDesModes;
    l.ListIndex = index >= 0 && index < l.Entrees.size() ? index : -1;
    AspectVisuelArcs_ListeDesModes_Click();
}

void MontreAspectVisuelArcs()
{
    AspectVisuelArcs_Charge();
    if (!K.Formes.AspectVisuelArcs.TypeAffiche)
        AspectVisuelArcs_ListeDesModes_Click();
    MontreForme(FormeDialogue::AspectVisuelArcs, false);
}

namespace {

void pasLargeur(int numero, int pas)
{
    ModeleAspectVisuelArcs& a = K.Formes.AspectVisuelArcs;
    QString& texte = numero == 1 ? a.Text1 : a.Text2;
    double n = arrondi(texte);
    // A value typed outside the range moves one step towards it.
    if (pas < 0 && n > EpaisseurArcsMin)
        n -= 1;
    else if (pas > 0 && n < EpaisseurArcsMax)
        n += 1;
    else
        n = std::nan("");
    if (!std::isnan(n)) {
        if (numero == 1)
            AspectVisuelArcs_DefinitText1(TexteAvecSigne(n));
        else
            AspectVisuelArcs_DefinitText2(TexteAvecSigne(n));
    }
    a.Apercu.clear();
    lisLargeursApercu();
    DessineFigureApercuArcs();
}

} // namespace

void AspectVisuelArcs_Spin1_SpinDown() { pasLargeur(1, -1); }
void AspectVisuelArcs_Spin1_SpinUp() { pasLargeur(1, +1); }
void AspectVisuelArcs_Spin2_SpinDown() { pasLargeur(2, -1); }
void AspectVisuelArcs_Spin2_SpinUp() { pasLargeur(2, +1); }

void AspectVisuelArcs_Commande2_Click()
{
    ModeleAspectVisuelArcs& a = K.Formes.AspectVisuelArcs;
    Couleur choisie = 0;
    if (!choisitCouleur(a.CouleurDialogue, choisie))
        return;
    a.Image1 = choisie;
    const QString texte = QString::number(choisie);
    if (a.Text3 != texte)
        AspectVisuelArcs_DefinitText3(texte);
    a.CouleurApercu = a.Image1;
    DessineFigureApercuArcs();
}

void AspectVisuelArcs_Flèches_Click(bool coche)
{
    K.Formes.AspectVisuelArcs.Flèches = coche;
    K.TraceFleches = coche ? 1 : 0;
}

void AspectVisuelArcs_Combo1_Change(const QString& texte)
{
    K.Formes.AspectVisuelArcs.Combo1 = texte;
    DessineFigureApercuArcs();
}

void AspectVisuelArcs_Command1_Click()
{
    ValideAspectArc();
    CacheForme(FormeDialogue::AspectVisuelArcs);
    K.Annule = false;
}

void AspectVisuelArcs_Commande1_Click()
{
    CacheForme(FormeDialogue::AspectVisuelArcs);
    K.Annule = true;
}

// ------------------------------------------------------ ParamAffichage

bool ChercheEspace(const QString& nom, Espace& espace)
{
    for (int i = 1; i <= 10; ++i)
        if (K.Espaces[static_cast<std::size_t>(i)].Nom.texte() == nom) {
            espace = K.Espaces[static_cast<std::size_t>(i)];
            return true;
        }
    return false;
}

void ParamAffichage_ListeDesEspaces_Click()
{
    ModeleParamAffichage& p = K.Formes.ParamAffichage;
    ChercheEspace(p.TexteListeDesEspaces, p.EspaceTrouve);
    const Espace& e = p.EspaceTrouve;
    p.CoefficientZoom = TexteRegional(e.CoefficientZoom, true);
    p.xZoom = TexteRegional(e.XZoom, true);
    p.yZoom = TexteRegional(e.YZoom, true);
    p.HauteurImage = TexteRegional(e.HauteurImage / 10.0);
    p.LargeurImage = TexteRegional(e.LargeurImage / 10.0);
}

void ParamAffichage_DefinitListIndex(int index)
{
    Liste& l = K.Formes.ParamAffichage.ListeDesEspaces;
    l.ListIndex = index >= 0 && index < l.Entrees.size() ? index : -1;
    if (l.ListIndex >= 0)
        K.Formes.ParamAffichage.TexteListeDesEspaces = l.Entrees[l.ListIndex];
    ParamAffichage_ListeDesEspaces_Click();
}

void ParamAffichage_Command3D2_Click()
{
    CacheForme(FormeDialogue::ParamAffichage);
    K.Annule = false;
}

void ParamAffichage_Command3D1_Click()
{
    CacheForme(FormeDialogue::ParamAffichage);
    K.Annule = true;
}

void Kelmo_menParamAffichage_Click()
{
    ModeleParamAffichage& p = K.Formes.ParamAffichage;
    LiensDialogues& l = Liens();
    const TailleImages taille = l.TailleIma();
    p.CoefficientZoom = TexteRegional(K.Echelle);
    p.xZoom = TexteRegional(K.OrigineX);
    p.yZoom = TexteRegional(K.OrigineY);
    p.HauteurImage = FormatDieses2(taille.Hauteur / 10);
    p.LargeurImage = FormatDieses2(taille.Largeur / 10);

    // Cleared here so that a dialog closed without either button reads as
    // cancelled only through its own handler, never through a stale flag.
    K.Annule = false;
    MontreForme(FormeDialogue::ParamAffichage, true);
    if (K.Annule)
        return;

    double coefficient = 0;
    if (!NombreRegional(p.CoefficientZoom, coefficient)) {
        MessageErreur(QStringLiteral("Le coefficient de zoom doit être un nombre."));
        return;
    }
    double hauteur = 0, largeur = 0;
    if (!NombreRegional(p.HauteurImage, hauteur) || !NombreRegional(p.LargeurImage, largeur)) {
        MessageErreur(QStringLiteral("La hauteur et la largeur de l'image doivent être des nombres."));
        return;
    }
    const double hauteurMm = ArrondiBanquier(hauteur * 10), largeurMm = ArrondiBanquier(largeur * 10);
    const auto tient16 = [](double v) { return v >= -32768 && v <= 32767; };
    if (!tient16(hauteurMm) || !tient16(largeurMm)) {
        MessageErreur(QStringLiteral("La hauteur et la largeur de l'image ne peuvent pas dépasser 3276,7 cm."));
        return;
    }

    // "##.#####": five decimals at most, halves away from zero.
    K.Echelle = static_cast<float>(std::round(coefficient * 100000) / 100000);
    K.OrigineX = ValeurTeteRegionale(p.xZoom);
    K.OrigineY = ValeurTeteRegionale(p.yZoom);
    l.DefinitTailleImages(TailleImages{hauteurMm, largeurMm});
    l.Kelmo_Form_Resize();

    Sablier sablier;
    if (p.PasDeRecalcul)
        return;
    l.CalculeCoordonneesEcran();
    if (K.AngleHorizontal != 0)
        l.TourneAutourNoeud(K.AngleHorizontal, K.VilleCentreRotation);
    l.InclineNoeuds(K.AngleVertical);
    l.TrieNoeudsProfondeur();
    l.EffaceIma();
    l.DessineNoeuds(true, false);
}

// ------------------------------------------------------ other input boxes

void Kelmo_menOptionsRedessine_Click() { MontreForme(FormeDialogue::OptionsRedess, true); }

void MontreTraceArcs() { MontreForme(FormeDialogue::TraceArcs, true); }

void TraceArcs_DXFCouleurNoeuds_Change(int valeur)
{
    if (valeur != 1)
        return;
    const std::optional<QString> r = Ui().Saisie(QStringLiteral("Entrez l'épaisseur des arcs en DXF :"),
                                                 QStringLiteral("Jonction Kelmo - DXF"), QStringLiteral(".5"));
    if (r)
        K.EpaisseurArcsDXF = ValeurNombre(*r);
}

namespace {

// True when the text begins (after blanks and a sign) with a digit, or a
// decimal point and a digit: the leading-number rule finds a number there.
bool commenceParNombre(const QString& texte)
{
    int i = 0;
    const int n = static_cast<int>(texte.size());
    while (i < n && (texte[i] == QLatin1Char(' ') || texte[i] == QLatin1Char('\t')))
        ++i;
    if (i < n && (texte[i] == QLatin1Char('+') || texte[i] == QLatin1Char('-')))
        ++i;
    if (i < n && texte[i] == QLatin1Char('.'))
        ++i;
    return i < n && texte[i].isDigit();
}

} // namespace

void Kelmo_menCouleur_Click()
{
    const QString invite = QStringLiteral(
        "Entrez la valeur du coefficient d'éclaircissement de la couleur du relief :\r"
        "     1 = vert foncé\r"
        "     2 = vert clair\r"
        "     3 = vert trés clair\r"
        "     4 = gris foncé \r"
        "     5 = gris clair modifiable (stat.)\r");
    const std::optional<QString> r =
        Ui().Saisie(invite, QStringLiteral("Eclaircissement de la couleur"), TexteAvecSigne(K.CoefEclaircissement));
    // An empty answer or one without a number keeps the palette, as a cancel.
    if (r && commenceParNombre(*r))
        K.CoefEclaircissement = ValeurNombre(*r);
}

void Kelmo_menOptionsAttractions_Click()
{
    const std::optional<QString> r = Ui().Saisie(
        QStringLiteral("Entrez la valeur du seuil des attractions (en valeurs réelles ou en % suivant le fichier...)"),
        QStringLiteral("Seuil des attractions"), TexteAvecSigne(K.SeuilAttractions));
    if (r)
        K.SeuilAttractions = ValeurNombre(*r);
}

} // namespace kelmo
