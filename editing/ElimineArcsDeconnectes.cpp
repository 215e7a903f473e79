#include "editing/ElimineArcsDeconnectes.h"
#include "core/DonneesDerivees.h"
#include "core/Modele.h"
#include "core/Progression.h"
#include "editing/FichierArcsEdition.h"
#include "editing/NoeudsParCode.h"
#include "editing/SuppressionArcs.h"
#include "platform/Dialogues.h"
#include "platform/Nombres.h"

#include <vector>

namespace kelmo {
namespace {

QString texteArc(const Arc& a)
{
    const QChar LF(10), TAB(9);
    return QStringLiteral("Arc déconnecté : ") + LF + LF + TexteAvecSigne(a.CodeOrigine) + TAB
           + TexteAvecSigne(a.CodeDestination) + TAB + TexteAvecSigne(a.Mode) + TAB + TexteAvecSigne(a.Longueur, true)
           + TAB + TexteAvecSigne(a.Duree, true) + LF + LF + QStringLiteral("Voulez-vous le supprimer ?");
}

} // namespace

int32_t ElimineArcsDeconnectes()
{
    const QString message = QStringLiteral("Elimination des arcs déconnectés...");
    const FinProgression fin;
    const int32_t n = K.NbArcs;
    AfficheProgression(n, 0, message);
    const NoeudsParCode codes;
    // The answers are all taken first, from the last arc to the first as
    // the questions have always come; the table is then compacted once.
    std::vector<char> supprime(static_cast<std::size_t>(n) + 1, 0);
    bool questionPosee = false, demande = true;
    for (int32_t k = n; k >= 1; --k) {
        AfficheProgression(n, n - k + 1, message);
        const Arc& a = K.Arcs[k];
        if (codes.existe(a.CodeOrigine) && codes.existe(a.CodeDestination))
            continue;
        if (!questionPosee) {
            questionPosee = true;
            demande = Ui().Message(QStringLiteral("Voulez-vous demander l'accord avant de supprimer ?"),
                                   Boutons::OuiNon, Icone::Question, QStringLiteral("Arc déconnecté"))
                      == Reponse::Oui;
        }
        if (!demande
            || Ui().Message(texteArc(a), Boutons::OuiNon, Icone::Question,
                            QStringLiteral("Erreur dans le fichier des arcs"))
                   == Reponse::Oui)
            supprime[static_cast<std::size_t>(k)] = 1;
    }
    const BilanSuppression b = SupprimeArcsMarques(supprime);
    AfficheProgression(K.NbArcs, K.NbArcs, message);
    Ui().Message(QStringLiteral("Nombre d'arcs déconnectés supprimés : ") + TexteAvecSigne(b.nombre), Boutons::OK,
                 Icone::Aucune, QString());
    return b.nombre;
}

void Kelmo_menElimineArcsDéconnectés_Click()
{
    const Sablier sablier;
    // The arc file writer leaves out the arcs with an end missing while this
    // is set; it must not stay set after the command, however it ends, or
    // every later save would lose arcs.
    K.EliminationArcsDeconnectes = true;
    struct Fin {
        ~Fin() { K.EliminationArcsDeconnectes = false; }
    } fin;
    ElimineArcsDeconnectes();
    IndexeArcs();
    EcritFichierArcs();
    K.Formes.HorairesArcs.Optimise.Visible = true;
    K.Menu(QStringLiteral("menOptimisationHoraire")).Enabled = true;
    K.StatusBar.Panneaux[2] = QString::number(K.NbArcs) + QStringLiteral(" arcs ");
    if (K.StatusBar.Repeint)
        K.StatusBar.Repeint();
}

} // namespace kelmo
