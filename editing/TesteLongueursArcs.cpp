#include "editing/TesteLongueursArcs.h"
#include "core/Modele.h"
#include "core/Progression.h"
#include "core/TypesArcs.h"
#include "editing/ElimineArcsEntre.h"
#include "editing/NoeudsParCode.h"
#include "platform/Dialogues.h"
#include "platform/Erreurs.h"
#include "platform/Nombres.h"
#include "platform/NombresChamps.h"

#include <cmath>
#include <optional>

namespace kelmo {
namespace {

const QChar CR(13);

QString nomMode(int16_t mode)
{
    TypeArc t{};
    TypeArcParCode(mode, t);
    return t.Nom;
}

QString debutNom(int32_t i)
{
    return K.Noeuds[static_cast<std::size_t>(i)].Nom.debut(20).replace(QChar(u'\0'), QLatin1Char(' '));
}

// The road distance is taken as the straight line plus 8 %, in whole km.
double distanceRoute(int32_t o, int32_t d)
{
    const Noeud& no = K.Noeuds[static_cast<std::size_t>(o)];
    const Noeud& nd = K.Noeuds[static_cast<std::size_t>(d)];
    const double dx = double(no.X) - double(nd.X);
    const double dy = double(no.Y) - double(nd.Y);
    return std::floor(std::sqrt(dx * dx + dy * dy) * (203.0 / 188.0));
}

// The question about an arc whose two ends exist, or nothing when its
// length is plausible: it is questioned below 90 % or above 160 % of the
// road distance, when more than 5 km away from it.
std::optional<QString> question(int32_t k, double route, int32_t o, int32_t d)
{
    const Arc& a = K.Arcs[k];
    const double l = a.Longueur;
    if (std::fabs(route - l) <= 5)
        return std::nullopt;
    // Two ends at one place have no ratio: only the difference counts then.
    const bool avecIndice = route != 0;
    const double indice = l == 0 ? 100 : (avecIndice ? 100 * l / route : 0);
    if (avecIndice && indice >= 90 && indice <= 160)
        return std::nullopt;
    QString texte = QStringLiteral("De ") + debutNom(o) + CR + QStringLiteral("à   ") + debutNom(d) + CR
                    + QStringLiteral(" en ") + nomMode(a.Mode) + CR + QStringLiteral("Longueur à vol d'oiseau  : ")
                    + TexteAvecSigne(route) + CR + QStringLiteral("Longueur dans le fichier  : ")
                    + TexteAvecSigne(l, true) + CR + QStringLiteral(" indice  : ") + TexteAvecSigne(k) + CR;
    if (avecIndice) {
        if (l > route)
            texte += QStringLiteral("       Longueur fichier trop grande (+ ") + FormatDieses(indice)
                     + QStringLiteral(" %)") + CR;
        else
            texte += QStringLiteral("       Longueur fichier trop petite (- ") + FormatDieses(100 - indice)
                     + QStringLiteral(" %)") + CR;
    }
    return texte + QStringLiteral("       Etes-vous d'accord ?") + CR;
}

// No to the question: the new length, the road distance offered. A
// cancelled, empty or unreadable answer keeps the length there is; so does
// a length beyond the field's range, with its refusal, and the test goes on.
void corrigeLongueur(int32_t k, double route)
{
    Arc& a = K.Arcs[k];
    const QString titre = QStringLiteral("Modification");
    const std::optional<QString> reponse =
        Ui().Saisie(QStringLiteral("Ancienne Longueur     : ") + TexteAvecSigne(a.Longueur, true) + CR
                        + QStringLiteral("Entrez la modification (Longueur à vol d'oiseau par défaut)  :"),
                    titre, TexteAvecSigne(route));
    if (!reponse)
        return;
    if (const NombreLu v = LitNombre(*reponse, {Etendue::Tete, true, GenreChamp::Simple}, QStringLiteral("Longueur"), titre))
        a.Longueur = static_cast<float>(*v);
}

// Yes to an arc with an end missing: the arcs of its link go, those before
// it and after it too. Returns where the scan goes on: the first arc not
// yet examined, wherever the deletions moved it.
int32_t elimineLien(int32_t k, const Arc& a, int32_t& supprimes)
{
    const bool horaires = K.CompareHoraires;
    int32_t avant = 0;
    for (int32_t i = 1; i < k; ++i)
        avant += ArcEntre(K.Arcs[i], a.CodeOrigine, a.CodeDestination, a.Mode, 0, 0, horaires) ? 1 : 0;
    // With the times compared, an arc of the link with times set stays.
    const bool luiAussi = ArcEntre(a, a.CodeOrigine, a.CodeDestination, a.Mode, 0, 0, horaires);
    supprimes += ElimineArcsEntre(a.CodeOrigine, a.CodeDestination, a.Mode, 0, 0);
    return k - avant + (luiAussi ? 0 : 1);
}

} // namespace

int32_t TesteLongueursArcs()
{
    const QString message = QStringLiteral("Test des longueurs des arcs...");
    const FinProgression fin;
    AfficheProgression(K.NbArcs, 0, message);
    const NoeudsParCode codes;
    int32_t supprimes = 0;
    int32_t k = 1;
    while (k <= K.NbArcs) {
        if (k % 10 == 0)
            AfficheProgression(K.NbArcs, k, message);
        const Arc a = K.Arcs[k];
        int32_t o = 0, d = 0;
        if (!codes.extremites(a.CodeOrigine, a.CodeDestination, o, d)) {
            const QString texte = QStringLiteral("Elimination de l'arc déconnecté : ") + TexteAvecSigne(k) + CR
                                  + TexteAvecSigne(a.CodeOrigine) + CR + TexteAvecSigne(a.CodeDestination) + CR
                                  + QStringLiteral("en mode ") + nomMode(a.Mode);
            if (Ui().Message(texte, Boutons::OuiNon, Icone::Exclamation, QString()) == Reponse::Oui
                && double(a.CodeOrigine) + a.CodeDestination + a.Mode != 0)
                k = elimineLien(k, a, supprimes);
            else
                ++k;
            continue;
        }
        const double route = distanceRoute(o, d);
        if (const std::optional<QString> texte = question(k, route, o, d)) {
            const Reponse r = Ui().Message(*texte, Boutons::OuiNonAnnuler, Icone::Exclamation, QString());
            if (r == Reponse::Annuler)
                break;
            if (r == Reponse::Non)
                corrigeLongueur(k, route);
        }
        ++k;
    }
    AfficheProgression(K.NbArcs, K.NbArcs, message);
    return supprimes;
}

} // namespace kelmo
