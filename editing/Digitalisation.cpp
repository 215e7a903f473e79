#include "editing/Digitalisation.h"
#include "core/ListesNoeuds.h"
#include "core/Modele.h"
#include "core/Tables.h"
#include "editing/Calage.h"
#include "editing/ModifNoeuds.h"
#include "platform/Dialogues.h"
#include "platform/Erreurs.h"
#include "platform/Nombres.h"
#include "platform/NombresChamps.h"

#include <optional>

namespace kelmo {
namespace {

const QChar CR(13);

const QString TitreRefus = QStringLiteral("Erreur de digitalisation");

void refus(const QString& texte) { MessageOK(texte, Icone::Exclamation, TitreRefus); }

// One reference town as the prompts give it.
struct Ville {
    QString nom;
    int32_t code = 0;
    double population = 0;
    QString x, y;   // as typed
    double xv = 0, yv = 0;
};

struct DefautsVille {
    const char16_t* nom;
    double code, population, x, y;
};
const DefautsVille DefautsA{u"Pékin", 123456, 1000000, 10, 50};
const DefautsVille DefautsB{u"Moscou", 321654, 7000000, 60, 6.8};

// A prompt's answer, read by its leading number with "." or "," as decimal
// point (a French setting must not turn "6.8" into an error), 0 when none or
// cancelled. A number its field cannot hold is refused naming the box, as
// the node editor refuses it.
NombreLu nombreTape(const std::optional<QString>& texte, GenreChamp champ, const QString& boite)
{
    return LitNombre(texte.value_or(QString()), {Etendue::TeteOuZero, true, champ}, boite, TitreRefus);
}

// Asks for one town; false when the click is abandoned (a name or code
// cancelled, a number refused, a code already held). With creation, the
// town's population and position are asked too.
bool demandeVille(bool villeA, bool creation, Ville& v)
{
    const DefautsVille& def = villeA ? DefautsA : DefautsB;
    const std::optional<QString> nom = Ui().Saisie(QStringLiteral("Entrez le nom du noeud") + CR + QStringLiteral("    Nom : "),
                                                   QStringLiteral("Nom"), QString::fromUtf16(def.nom));
    if (!nom || nom->trimmed().isEmpty())
        return false;
    v.nom = *nom;
    const std::optional<QString> code = Ui().Saisie(QStringLiteral("Entrez le code de ") + v.nom + CR + QStringLiteral("    Code = "),
                                                    QStringLiteral("Code"), TexteAvecSigne(def.code));
    if (!code || code->trimmed().isEmpty())
        return false;
    const NombreLu c = nombreTape(code, GenreChamp::Entier32, QStringLiteral("Code"));
    if (!c)
        return false;
    v.code = EnEntier32(*c);
    if (!creation)
        return true;
    if (!CodeNoeudLibre(v.code))
        return false;
    const NombreLu population =
        nombreTape(Ui().Saisie(QStringLiteral("Entrez la population de ") + v.nom + CR + QStringLiteral("    Population = "),
                               QStringLiteral("Population"), TexteAvecSigne(def.population)),
                   GenreChamp::Entier32, QStringLiteral("Population"));
    if (!population)
        return false;
    const QString position = QStringLiteral("Entrez la position absolue de ") + v.nom + CR;
    const QString origine = QStringLiteral("(le point (0,0) est en bas à gauche)") + CR;
    v.x = Ui().Saisie(position + origine + QStringLiteral("    x = "), QStringLiteral("X"), TexteAvecSigne(def.x)).value_or(QString());
    const NombreLu x = nombreTape(v.x, GenreChamp::Simple, QStringLiteral("x"));
    if (!x)
        return false;
    const QString rappelX = QStringLiteral("    x = ") + TexteAvecSigne(*x) + QStringLiteral("     y = ");
    v.y = Ui().Saisie(villeA ? position + origine + rappelX : position + rappelX, QStringLiteral("Y"), TexteAvecSigne(def.y))
              .value_or(QString());
    const NombreLu y = nombreTape(v.y, GenreChamp::Simple, QStringLiteral("y"));
    if (!y)
        return false;
    v.population = *population;
    v.xv = *x;
    v.yv = *y;
    return true;
}

// The node of a town created by a click; 0 when the table refuses it.
int32_t creeVille(const Ville& v)
{
    try {
        AjouteNoeud(v.nom, v.code, v.population, v.xv, v.yv, 0);
    } catch (const ErreurExecution& e) {
        refus(e.description());
        return 0;
    }
    RemplitListesNoeuds();
    // Arcs already waiting for this code get their node, as after "Créer".
    ReconstruitVue(true);
    return K.NbNoeuds;
}

bool prendVille(bool villeA, double x, double y)
{
    EtatDigitalisation& d = Digitalisation();
    const bool creation = K.ModeDigitalisation;
    Ville v;
    if (!demandeVille(villeA, creation, v))
        return false;
    const int32_t noeud = creation ? creeVille(v) : 0;
    if (creation && noeud == 0)
        return false;
    if (villeA) {
        d.XReferenceCalage = x;
        d.YReferenceCalage = y;
        d.NomVille = v.nom;
        d.CodeVille = v.code;
        if (creation) {
            d.PopulationVille = v.population;
            d.XA = v.x;
            d.YA = v.y;
            d.IndiceNoeudTrouve = noeud;
        }
    } else {
        d.XClic = x;
        d.YClic = static_cast<float>(y);
        d.NomNouveauNoeud = v.nom;
        d.CodeNouveauNoeud = v.code;
        if (creation) {
            d.PopulationNouveauNoeud = EnEntier32(v.population);
            d.XB = v.x;
            d.YNouveauNoeud = static_cast<float>(v.yv);
            d.IndiceNouveauNoeud = noeud;
        }
    }
    return true;
}

bool noeudDeCode(int32_t i, int32_t code) { return i >= 1 && i <= K.NbNoeuds && K.Noeuds[i].Code == code; }

// The two towns by their codes, the first node of each code; both must be
// found, and one code given twice finds one town only.
bool trouveVilles(int32_t& a, int32_t& b)
{
    const EtatDigitalisation& d = Digitalisation();
    const double codeA = d.CodeVille;
    const int32_t codeB = d.CodeNouveauNoeud;
    a = 0;
    b = 0;
    if (codeA == codeB)
        return false;
    for (int32_t i = 1; i <= K.NbNoeuds && (a == 0 || b == 0); ++i) {
        const int32_t c = K.Noeuds[i].Code;
        if (a == 0 && c == codeA)
            a = i;
        else if (b == 0 && c == codeB)
            b = i;
    }
    return a != 0 && b != 0;
}

void cale()
{
    EtatDigitalisation& d = Digitalisation();
    int32_t a = d.IndiceNoeudTrouve;
    int32_t b = d.IndiceNouveauNoeud;
    // The towns created by the first clicks are used as they stand; the
    // node editor may have deleted or renumbered them since, and then they
    // are looked for by code as on a calibration.
    const bool creees = K.ModeDigitalisation && !K.ModeCalage && a != b
                        && noeudDeCode(a, static_cast<int32_t>(d.CodeVille)) && noeudDeCode(b, d.CodeNouveauNoeud);
    if (!creees) {
        if (!trouveVilles(a, b)) {
            refus(QStringLiteral("Une ville n'a pas été trouvée. Le code donné était sans doute erroné."));
            return;
        }
        d.IndiceNoeudTrouve = a;
        d.IndiceNouveauNoeud = b;
    }
    CaleVueSurVilles(a, b);
}

} // namespace

EtatDigitalisation& Digitalisation()
{
    static EtatDigitalisation etat;
    static const bool enregistre = [] {
        EnregistreReinitialisation([] { etat = EtatDigitalisation{}; });
        return true;
    }();
    (void)enregistre;
    return etat;
}

void DigitaliseNoeud(double x, double y)
{
    const int clic = K.NbClicsDigitalisation + 1;
    if (clic <= 2) {
        K.ImaMousePointer = 2;
        if (!prendVille(clic == 1, x, y))
            return;
    } else {
        cale();
    }
    K.NbClicsDigitalisation = clic;
}

} // namespace kelmo
