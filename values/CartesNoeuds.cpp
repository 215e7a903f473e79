#include "values/CartesNoeuds.h"

#include "core/Heures.h"
#include "core/Images.h"
#include "core/Modele.h"
#include "core/Progression.h"
#include "platform/Dialogues.h"
#include "platform/Nombres.h"
#include "values/ClassesValeurs.h"
#include "values/CrochetsValeurs.h"
#include "values/OutilsCartes.h"
#include "values/ValeursParNoeud.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace kelmo {

std::function<void()> ActiveStatistiques;

namespace {

const bool enregistre = (EnregistreReinitialisation([] { ActiveStatistiques = nullptr; }), true);

const QString MessageRonds = QStringLiteral("Affiche les ronds...");
const QString MessageValeurs = QStringLiteral("Affiche les valeurs...");
const QString MessageAfflux = QStringLiteral("Calcule et affiche les afflux aux noeuds...");

int32_t nombreValeurs()
{
    return std::clamp<int32_t>(K.NbNoeuds, 0, static_cast<int32_t>(K.ValeursNoeuds.size()) - 1);
}

float tailleSymbole(int32_t i)
{
    return i < static_cast<int32_t>(K.TailleSymboles.size()) ? K.TailleSymboles[static_cast<std::size_t>(i)] : 0.0f;
}

// The difference colouring is allowed for these modes only.
bool couleurDifferences(const QString& mode)
{
    return mode == u"Valeur1" || mode == u"Valeur2" || mode == u"Différences absolues";
}

} // namespace

void AfficheRondsCarres(const QString& mode)
{
    const ModeleStatistiques& s = K.Formes.Statistiques;
    ZoneImage& ima = Ima();
    const int32_t nb = nombreValeurs();
    const double total = K.NbNoeuds;
    const FinProgression fin; // also with no node at all, whose report never reaches its end
    EnregistrementCarte enregistrement;
    bool erreurMontree = false;
    // The map goes on after an error, as it always did, but says so once.
    auto signale = [&] {
        AfficheProgression(total, total, MessageRonds);
        if (!erreurMontree)
            Ui().Message(QStringLiteral("Erreur lors du traçage des ronds..."), Boutons::OK, Icone::Exclamation,
                         QStringLiteral("Erreur"));
        erreurMontree = true;
    };

    ima.FillStyle = 0;
    ima.ForeColor = K.CouleurBordNoeuds;
    ima.DrawMode = 13;
    try {
        ima.DrawWidth = LargeurStylo(K.EpaisseurNoeuds);
    } catch (...) {
        signale();
    }
    AfficheProgression(total, 0, MessageRonds);
    const bool differences = s.ClassesDifférences && couleurDifferences(mode);
    for (int32_t i = 1; i <= nb; ++i) {
        try {
            if (i % 10 == 0)
                AfficheProgression(total, i, MessageRonds);
            const ValeurNoeud& v = K.ValeursNoeuds[static_cast<std::size_t>(i)];
            double r = std::sqrt(std::fabs(static_cast<double>(tailleSymbole(i))));
            if (!s.Check3D1) {
                r = 12;
                if (v.Valeur == 0)
                    r = 0;
            }
            r *= K.EchelleRonds;
            if (r > 2500) {
                AfficheProgression(total, total, MessageRonds);
                enregistrement.ferme();
                MessageOK(QStringLiteral("Réduisez l'échelle des ronds SVP..."));
                return;
            }
            if (const int c = ClasseDeValeur(v.Valeur); c > 0)
                ima.FillColor = K.Classes[static_cast<std::size_t>(c)].Couleur;
            if (differences)
                if (const int c = ClasseDeValeur(v.ValeurSecondaire); c > 0)
                    ima.FillColor = K.Classes[static_cast<std::size_t>(c)].Couleur;
            // A record of no node would put a stray symbol at the picture's
            // corner; a circle of no size shows nothing.
            double x = 0, y = 0;
            if (!PositionNoeud(v.IndiceNoeud, x, y) || !(r > 0))
                continue;
            x = ArrondiBanquier(x);
            y = ArrondiBanquier(y);
            ima.TraceCercle(x, y, r);
            if (enregistrement.vectoriel())
                CercleMeta(x, y, r, ima.FillColor, ima.ForeColor, ima.DrawWidth);
        } catch (...) {
            signale();
        }
    }
    AfficheProgression(total, total, MessageRonds);
    ima.Refresh();
    enregistrement.ferme();
    if (s.AffValNum)
        AfficheValeursNoeuds();
}

QString TexteValeurNoeud(float valeur, bool horaire)
{
    if (!horaire)
        return TexteAvecSigne(valeur, true);
    const double hhmm = MinutesEnHeure(valeur);
    QString texte = TexteAvecSigne(static_cast<float>(hhmm / 100), true);
    qsizetype p = 0;
    // Positions from 1, as the separator's place is counted.
    for (qsizetype k = 1; k <= texte.size() - 1; ++k) {
        if (texte[k - 1] == QLatin1Char('.')) {
            texte = texte.left(k - 1) + QLatin1Char(':') + texte.mid(k);
            p = k;
        }
    }
    if (p == 1)
        texte.prepend(QLatin1Char('0'));
    else if (p != 0 && p == texte.size() - 1)
        texte.append(QLatin1Char('0'));
    return texte;
}

void AfficheValeursNoeuds()
{
    ZoneImage& ima = Ima();
    const int32_t nb = nombreValeurs();
    const double total = K.NbNoeuds;
    const bool horaire = K.Formes.Statistiques.ValHoraires;
    const FinProgression fin;
    EnregistrementCarte enregistrement;
    for (int32_t i = 1; i <= nb; ++i) {
        if (i % 10 == 0)
            AfficheProgression(total, i, MessageValeurs);
        const ValeurNoeud& v = K.ValeursNoeuds[static_cast<std::size_t>(i)];
        double x = 0, y = 0;
        // No node, no label: " 0" at the picture's corner helps nobody.
        if (!PositionNoeud(v.IndiceNoeud, x, y))
            continue;
        ima.ForeColor = 0;
        QString texte = TexteValeurNoeud(v.Valeur, horaire);
        ima.TextOutA(EnEntier32(x), EnEntier32(y), texte);
        if (enregistrement.vectoriel())
            TexteMeta(texte, x, y, Couleur(0));
    }
    enregistrement.ferme();
    AfficheProgression(total, total, MessageValeurs);
}

void RedessineCarteValeurs()
{
    Ima().Cls();
    ImaVec().Cls();
    EffaceMetaFichier();
    if (K.Formes.Statistiques.SSTab1 == 0)
        AfficheRondsCarres(QStringLiteral("Comme d'hab"));
    if (ActiveStatistiques)
        ActiveStatistiques();
}

void AfficheAffluxNoeuds()
{
    ZoneImage& ima = Ima();
    const FinProgression fin;
    const int32_t nbNoeuds = std::clamp<int32_t>(K.NbNoeuds, 0, static_cast<int32_t>(K.Noeuds.size()) - 1);
    const double total = K.NbNoeuds;
    // The circles' white outline is theirs alone: the flows drawn next in
    // the picture's fore colour, by this command again, keep that colour.
    struct RendCouleur {
        ZoneImage& ima;
        const int32_t avant;
        ~RendCouleur() { ima.ForeColor = avant; }
    } rend{ima, ima.ForeColor};
    ima.DrawWidth = 1;
    ima.ForeColor = RGB(255, 255, 255);
    ima.FillStyle = 0;
    AfficheProgression(total, 0, MessageAfflux);

    // Both sums of every code in one pass, in record order so that each sum
    // is the same single a scan of the records per node would give.
    struct Sommes {
        float entrant = 0, sortant = 0;
    };
    std::unordered_map<int32_t, Sommes> parCode;
    parCode.reserve(static_cast<std::size_t>(nbNoeuds) * 2);
    for (int32_t n = 1; n <= nbNoeuds; ++n)
        parCode.try_emplace(K.Noeuds[static_cast<std::size_t>(n)].Code);
    const int32_t nbArcs = NombreArcs1Utilises();
    for (int32_t r = 1; r <= nbArcs; ++r) {
        const ArcValeur& a = K.Arcs1[static_cast<std::size_t>(r)];
        if (auto it = parCode.find(a.CodeDestination); it != parCode.end())
            it->second.entrant += a.Valeur;
        if (auto it = parCode.find(a.CodeOrigine); it != parCode.end())
            it->second.sortant += a.Valeur;
    }

    for (int32_t n = 1; n <= nbNoeuds; ++n) {
        if (n % 10 == 0)
            AfficheProgression(total, n, MessageAfflux);
        const Noeud& noeud = K.Noeuds[static_cast<std::size_t>(n)];
        const Sommes& s = parCode[noeud.Code];
        const double x = ArrondiBanquier(noeud.XEcran), y = ArrondiBanquier(noeud.YEcran);
        // A negative sum (values that are not flows) is sized by its magnitude.
        ima.FillColor = K.CouleurAfflux1;
        ima.TraceCercle(x, y, 1 + std::sqrt(std::fabs(static_cast<double>(s.entrant))) * K.EchelleRonds / 15);
        ima.FillColor = K.CouleurAfflux2;
        ima.TraceCercle(x, y, 1 + std::sqrt(std::fabs(static_cast<double>(s.sortant))) * K.EchelleRonds / 15);
    }
    ima.Refresh();
    AfficheProgression(total, total, MessageAfflux);
}

void AfficheValeur1AEchelleCourante()
{
    K.NomValeurAffichee = QStringLiteral("Valeur1");
    // With no scale in use yet (no value map since start-up) the values
    // choose it as the value map would, not a reference of 1 that would
    // draw circles wider than the picture.
    if (K.RefRonds == 0) {
        PrepareValeursNoeuds(K.NomValeurAffichee);
    } else {
        CalculeValeursNoeuds(K.NomValeurAffichee);
        TrieValeursNoeuds();
        TailleSymbolesSelonRefRonds();
    }
    Ima().Cls();
    AfficheRondsCarres(QStringLiteral("Valeur1"));
}

} // namespace kelmo
