#include "relief/CommandesRelief.h"
#include "core/ArcsMinimaux.h"
#include "core/Modele.h"
#include "core/TypesArcs.h"
#include "platform/Dialogues.h"
#include "platform/Nombres.h"
#include "platform/NombresChamps.h"
#include "relief/CoutsGeneralises.h"
#include "relief/DessinRelief.h"
#include "relief/LiensCarte.h"
#include "relief/VitesseMaximale.h"

#include <cmath>
#include <exception>
#include <tuple>

namespace kelmo {

std::function<void()> CrochetVitesseReferenceArcVal;

namespace {

bool& visibilite(FenetreRelief f)
{
    switch (f) {
    case FenetreRelief::OptionsRelief: return K.Formes.OptionsRelief.Visible;
    case FenetreRelief::Coûts: return K.Formes.Coûts.Visible;
    case FenetreRelief::CoûtsKilométriques: return K.Formes.CoûtsKilométriques.Visible;
    }
    return K.Formes.Coûts.Visible;
}

LiensFenetresRelief liensParDefaut()
{
    LiensFenetresRelief l;
    l.Montre = [](FenetreRelief f, bool) { visibilite(f) = true; };
    l.Cache = [](FenetreRelief f) { visibilite(f) = false; };
    return l;
}

LiensFenetresRelief& liens()
{
    static LiensFenetresRelief l = liensParDefaut();
    return l;
}

const bool enregistre = (EnregistreReinitialisation([] {
                             CrochetVitesseReferenceArcVal = nullptr;
                             RetablitFenetresRelief();
                         }),
                         true);

void marqueValuation(const char* menu, bool coûts)
{
    for (const char* m : {"menValuationTemps", "menValuationCoût", "menValuationODVal", "menPasDeValuation"})
        K.Menu(QString::fromUtf8(m)).Checked = QByteArrayView(m) == QByteArrayView(menu);
    K.Menu(QStringLiteral("menCoûts")).Enabled = coûts;
}

// The reference speed when none of the four modes is ticked.
double vitesseSansMode()
{
    const int16_t code = TypeVoieExpressInterurb().Code;
    for (int32_t a = 1; a <= K.NbArcs && a < static_cast<int32_t>(K.Arcs.size()); ++a)
        if (K.Arcs[static_cast<std::size_t>(a)].Mode == code)
            return TypeVoieExpressInterurb().Vitesse;
    return TypeRoute70().Vitesse;
}

void choisitModesRelief()
{
    const ModeleOptionsRelief& o = K.Formes.OptionsRelief;
    K.CodeModeRelief1 = 0;
    K.CodeModeRelief2 = 0;
    if (o.TGV) {
        K.CodeModeRelief1 = 3;
        K.VitesseReference = TypeTGV().Vitesse;
    } else if (o.Autoroute) {
        K.CodeModeRelief2 = 6;
        K.VitesseReference = TypeAutoroute().Vitesse;
    } else if (o.Train) {
        K.CodeModeRelief3 = 4;
        K.VitesseReference = TypeTrain().Vitesse;
    } else if (o.Métro) {
        K.CodeModeRelief3 = 8;
        K.VitesseReference = TypeMetro().Vitesse;
    } else {
        K.VitesseReference = vitesseSansMode();
    }
}

QString texteCout(double v, bool simple = false) { return TexteGeneral(v, QLatin1Char(K.SeparateurDecimal), simple); }

// The dialog's choices into the cost model.
void appliqueChoix(const ModeleCouts& c, double passagers, double puissance, double longueur)
{
    K.NombrePassagers = passagers;
    K.PuissanceFiscale = puissance;
    K.LongueurDeplacementKm = longueur;
    K.CoefClasseFer = c.Option3D[6] ? 1.5 : 1;
    for (int k = 1; k <= 5; ++k)
        if (c.Option3D[static_cast<std::size_t>(k)]) {
            K.NiveauRevenuSmic = k;
            break;
        }
    if (c.Option3D[8])
        K.TypeCout = QStringLiteral("Direct");
    else if (c.Option3D[9])
        K.TypeCout = QStringLiteral("Généralisé");
    else if (c.Option3D[10])
        K.TypeCout = QStringLiteral("Généralisé professionnel");
    K.ValeurTempsNationalite = c.Option3D[11] ? K.ValeurTempsFrance : K.ValeurTempsAllemagne;
}

// True when these parameters give costs that the relief can take: every
// cost per km finite and within a single, which the zones' road cost and
// the rail and German and Spanish motorway costs are kept in. The model is
// left as it was.
bool coutsTiennent(const ModeleCouts& c, double passagers, double puissance, double longueur)
{
    const auto modele = [] {
        return std::tie(K.NombrePassagers, K.PuissanceFiscale, K.LongueurDeplacementKm, K.CoefClasseFer,
                        K.NiveauRevenuSmic, K.TypeCout, K.ValeurTempsNationalite, K.CoutKmMinimal, K.CoutKmRoute,
                        K.CoutKmAutoroute, K.CoutKmTGV, K.CoutKmMinimal3, K.CoutKmTrain, K.CoutKmRoute1,
                        K.CoutKmAutoroute1, K.CoutKmMinimal1, K.CoutKmRoute2, K.CoutKmAutoroute2, K.CoutKmMinimal2);
    };
    const auto avant = std::apply([](const auto&... v) { return std::make_tuple(v...); }, modele());
    appliqueChoix(c, passagers, puissance, longueur);
    CalculeTousLesCouts();
    bool tiennent = std::isfinite(K.CoutKmMinimal);
    for (double v : {K.CoutKmRoute, K.CoutKmAutoroute, K.CoutKmTGV, double(K.CoutKmTrain), K.CoutKmRoute1,
                     double(K.CoutKmAutoroute1), K.CoutKmRoute2, double(K.CoutKmAutoroute2)})
        tiennent = tiennent && TientDansChamp(v, GenreChamp::Simple);
    modele() = avant;
    return tiennent;
}

// The dialog's choices into the cost model, then the costs computed. A list
// whose number is out of range, or would make a cost out of range, is
// refused before anything changes: the dialog stays open on it and the
// parameters and costs stay as they were. The lists are taken in order, so
// that the message names the first whose new number the costs cannot take.
bool stockeEtCalculeCouts()
{
    const ModeleCouts& c = K.Formes.Coûts;
    const QString titre = QStringLiteral("Coûts");
    // A list's number (its leading number, 0 when none), refused naming
    // the list beyond a double; then the costs it makes with the lists
    // before it, refused with the list's own message.
    double p = K.NombrePassagers, f = K.PuissanceFiscale, l = K.LongueurDeplacementKm;
    const auto prend = [&](const QString& texte, const QString& boite, double& valeur, const QString& refus) {
        const NombreLu n = LitNombre(texte, RegleNombre{}, boite, titre);
        if (!n)
            return false;
        valeur = *n;
        if (coutsTiennent(c, p, f, l))
            return true;
        MessageOK(refus, Icone::Exclamation, titre);
        return false;
    };
    if (!prend(c.TexteCombo1, QStringLiteral("Nombre de passagers"), p,
               QStringLiteral("Le nombre de passagers n'est pas un nombre valable."))
        || !prend(c.TexteCombo2, QStringLiteral("Puissance de la voiture"), f,
                  QStringLiteral("La puissance de la voiture n'est pas un nombre valable."))
        || !prend(c.TexteCombo3, QStringLiteral("Longueur du déplacement"), l,
                  QStringLiteral("La longueur du déplacement n'est pas un nombre valable.")))
        return false;
    FenetresRelief().Cache(FenetreRelief::CoûtsKilométriques);
    FenetresRelief().Cache(FenetreRelief::Coûts);
    appliqueChoix(c, p, f, l);
    CalculeTousLesCouts();
    return true;
}

} // namespace

LiensFenetresRelief& FenetresRelief() { return liens(); }
void RetablitFenetresRelief() { liens() = liensParDefaut(); }

void Kelmo_menValuationTemps_Click()
{
    K.TypeValuationRelief = QStringLiteral("Temps");
    marqueValuation("menValuationTemps", false);
}

void Kelmo_menValuationCoût_Click()
{
    K.TypeValuationRelief = QStringLiteral("Coût");
    marqueValuation("menValuationCoût", true);
    ModeleOptionsRelief& o = K.Formes.OptionsRelief;
    o.TGV = o.Autoroute = o.Train = o.Route = true;
    Kelmo_menCoûts_Click();
}

void Kelmo_menValuationODVal_Click()
{
    K.TypeValuationRelief = QStringLiteral("BaséSurArcVal");
    marqueValuation("menValuationODVal", false);
}

void Kelmo_menPasDeValuation_Click()
{
    K.TypeValuationRelief = QStringLiteral("PasDeValuation");
    marqueValuation("menPasDeValuation", false);
}

void Kelmo_menOptionsRelief_Click()
{
    try {
        K.Annule = false;
        FenetresRelief().Montre(FenetreRelief::OptionsRelief, true);
        Sablier sablier;
        const ModeleOptionsRelief& o = K.Formes.OptionsRelief;
        if (o.GainVirtuel) {
            K.VitesseGainVirtuel = TypeRoute70().Vitesse;
            if (o.Autoroute)
                K.VitesseGainVirtuel = TypeAutoroute().Vitesse;
            if (o.Train)
                K.VitesseGainVirtuel = TypeTrain().Vitesse;
        }
        if (o.ReliefThématique)
            K.TypeValuationRelief = QStringLiteral("ReliefThématique");
        const double ancienne = K.VitesseReference;
        if (!K.Annule) {
            choisitModesRelief();
            RecalculeVitesseMaximale(ancienne);
            if (K.Menu(QStringLiteral("menValuationCoût")).Checked)
                Kelmo_menCoûts_Click();
        }
        LiensVersCarte().RedessineCarte();
    } catch (const std::exception&) {
        Ui().Sablier(false); // ends silently
    }
}

void Kelmo_menTraceRelief_Click()
{
    Sablier sablier;
    K.NbMaxFacettes = 10000;
    K.NbMaxSommets = 10000;
    if (K.Menu(QStringLiteral("menValuationODVal")).Checked) {
        if (CrochetVitesseReferenceArcVal)
            CrochetVitesseReferenceArcVal();
        DessineRelief(1, K.NbNoeuds);
        return;
    }
    if (K.Formes.OptionsRelief.ModesMinimaux)
        SelectionneArcsMinimaux();
    if (K.Formes.OptionsRelief.Route)
        DessineRelief(1, K.NbNoeuds);
}

void Kelmo_menCoûts_Click()
{
    try {
        ModeleCouts& c = K.Formes.Coûts;
        auto choisit = [&](std::initializer_list<int> groupe, int choix) {
            for (int i : groupe)
                c.Option3D[static_cast<std::size_t>(i)] = i == choix;
        };
        choisit({6, 7}, K.CoefClasseFer == 1.5 ? 6 : 7);
        for (int n = 1; n <= 5; ++n)
            if (K.NiveauRevenuSmic == n)
                choisit({1, 2, 3, 4, 5}, n);
        if (K.TypeCout == u"Direct")
            choisit({8, 9, 10}, 8);
        else if (K.TypeCout == u"Généralisé")
            choisit({8, 9, 10}, 9);
        else if (K.TypeCout == u"Généralisé professionnel")
            choisit({8, 9, 10}, 10);
        if (K.ValeurTempsNationalite == K.ValeurTempsFrance)
            choisit({11, 12}, 11);
        else if (K.ValeurTempsNationalite == K.ValeurTempsAllemagne)
            choisit({11, 12}, 12);
        // The lists show the parameters in force, so that closing the dialog
        // without touching them keeps them.
        c.TexteCombo1 = TexteGeneral(K.NombrePassagers);
        c.TexteCombo2 = TexteGeneral(K.PuissanceFiscale);
        c.TexteCombo3 = TexteGeneral(K.LongueurDeplacementKm);
        FenetresRelief().Montre(FenetreRelief::Coûts, false);
        K.Menu(QStringLiteral("menTraceRelief")).Enabled = true;
        K.Menu(QStringLiteral("menTraceTrajets")).Enabled = true;
    } catch (const std::exception&) {
    }
}

void OptionsRelief_Command3D1_Click() { FenetresRelief().Cache(FenetreRelief::OptionsRelief); }

void OptionsRelief_Command3D2_Click()
{
    K.Annule = true;
    FenetresRelief().Cache(FenetreRelief::OptionsRelief);
}

void Coûts_Command3D1_Click() { stockeEtCalculeCouts(); }

void Coûts_Annuler_Click()
{
    if (!stockeEtCalculeCouts())
        return;
    ModeleCoutsKilometriques& t = K.Formes.CoûtsKilométriques;
    t.Texte[1] = texteCout(K.CoutKmAutoroute);
    t.Texte[2] = texteCout(K.CoutKmRoute);
    t.Texte[3] = texteCout(K.CoutKmTGV);
    t.Texte[4] = texteCout(K.CoutKmTrain, true);
    t.Texte[5] = texteCout(K.CoutKmAutoroute1, true);
    t.Texte[6] = texteCout(K.CoutKmRoute1);
    t.Texte[7] = texteCout(K.CoutKmAutoroute2, true);
    t.Texte[8] = texteCout(K.CoutKmRoute2);
    FenetresRelief().Montre(FenetreRelief::Coûts, false);
    FenetresRelief().Montre(FenetreRelief::CoûtsKilométriques, false);
}

void Coûts_Combo2_Change()
{
    ModeleCouts& c = K.Formes.Coûts;
    // A number out of range ticks nothing while it is typed: "Quitter"
    // refuses it.
    const NombreLu puissance = LitNombre(c.TexteCombo2, RegleNombre{});
    if (puissance && *puissance > 10) {
        c.Option3D[6] = true;
        c.Option3D[7] = false;
    }
}

} // namespace kelmo
