#include "view/Angles.h"

#include "core/Modele.h"
#include "platform/Nombres.h"
#include "platform/NombresChamps.h"
#include "view/LiensDialogues.h"

#include <cmath>
#include <optional>

namespace kelmo {

namespace {

QString texteDegres(double v) { return TexteAvecSigne(v) + QStringLiteral(" deg"); }

const QString vertical = QStringLiteral("Angle vertical");
const QString horizontal = QStringLiteral("Angle horizontal");
const QString titre = QStringLiteral("Angles de vue de la représentation");

// The degrees of an angle box; nothing, after the refusal naming the box,
// for a number beyond a double.
NombreLu degres(const QString& texte, const QString& boite) { return LitNombre(texte, RegleNombre{}, boite, titre); }

// The radians of an angle box; nothing, after the refusal naming the box,
// when they, or the degrees the dialog shows back from them, would not be
// finite, or would not fit the single that keeps the data drawings' tilt.
std::optional<double> radians(const QString& texte, const QString& boite, bool simple)
{
    const NombreLu d = degres(texte, boite);
    if (!d)
        return std::nullopt;
    const double r = *d * Pi / 180;
    if (!std::isfinite(r * 180 / Pi) || (simple && !TientDansChamp(r, GenreChamp::Simple))) {
        RefuseResultatHorsLimites(texte, boite, titre);
        return std::nullopt;
    }
    return r;
}

} // namespace

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
    l.Choisit(index);
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
    a.Gauge1 = EntierBorne(K.AngleVertical * 180 / Pi, 0, Gauge1AnglesMax);
    a.Gauge3 = EntierBorne(h + 180, 0, Gauge3AnglesMax);
    a.Option1 = false;
    MontreForme(FormeDialogue::Angles, false);
}

void Angles_Commande1_Click()
{
    ModeleAngles& a = K.Formes.Angles;
    // A refused angle leaves the form open on it, and the view as it was.
    const std::optional<double> v = radians(a.Texte1, vertical, a.Coche1);
    if (!v)
        return;
    const std::optional<double> h = radians(a.Texte3, horizontal, false);
    if (!h)
        return;
    K.Annule = false;
    CacheForme(FormeDialogue::Angles);
    K.AngleVerticalDeg = *LitNombre(a.Texte1, RegleNombre{});
    K.AngleHorizontal = *h;
    K.VilleCentreRotation = a.TexteListeModifiable1.left(4);
    K.AngleVertical = *v;
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
    const NombreLu d = degres(K.Formes.Angles.Texte1, vertical);
    if (!d)
        return;
    double v = *d;
    if (v > 0) {
        v -= 1;
        Angles_DefinitTexte1(texteDegres(v));
        K.Formes.Angles.Gauge1 = EntierBorne(v, 0, Gauge1AnglesMax);
    }
}

void Angles_Spin1_SpinUp()
{
    const NombreLu d = degres(K.Formes.Angles.Texte1, vertical);
    if (!d)
        return;
    double v = *d;
    if (v < 180) {
        v += 1;
        Angles_DefinitTexte1(texteDegres(v));
        K.Formes.Angles.Gauge1 = EntierBorne(v, 0, Gauge1AnglesMax);
    }
}

void Angles_Spin3_SpinDown()
{
    const NombreLu d = degres(K.Formes.Angles.Texte3, horizontal);
    if (!d)
        return;
    double v = *d;
    if (v > -180) {
        v -= 1;
        Angles_DefinitTexte3(texteDegres(v));
        K.Formes.Angles.Gauge3 = EntierBorne(v + 180, 0, Gauge3AnglesMax);
    }
}

void Angles_Spin3_SpinUp()
{
    const NombreLu d = degres(K.Formes.Angles.Texte3, horizontal);
    if (!d)
        return;
    double v = *d;
    if (v < 179) {
        v += 1;
        Angles_DefinitTexte3(texteDegres(v));
        K.Formes.Angles.Gauge3 = EntierBorne(v + 180, 0, Gauge3AnglesMax);
    }
}

} // namespace kelmo
