#include "platform/Dialogues.h"

#include <QCoreApplication>

namespace kelmo {
namespace {

class DialoguesMuets final : public Dialogues {
public:
    Reponse Message(const QString&, Boutons b, Icone, const QString&) override
    {
        return b == Boutons::OK ? Reponse::OK : (b == Boutons::OKAnnuler ? Reponse::Annuler : Reponse::Non);
    }
    std::optional<QString> Saisie(const QString&, const QString&, const QString&) override { return std::nullopt; }
    std::optional<QString> FichierOuvrir(const DemandeFichier&) override { return std::nullopt; }
    std::optional<QString> FichierEnregistrer(const DemandeFichier&) override { return std::nullopt; }
    std::optional<QString> Dossier(const QString&, const QString&) override { return std::nullopt; }
    std::optional<QColor> Couleur(const QColor&) override { return std::nullopt; }
    void Sablier(bool) override {}
    bool LanceProgramme(const QString&, const QStringList&) override { return false; }
    void Quitte() override {}
};

DialoguesMuets muets;
Dialogues* courant = &muets;

} // namespace

Dialogues& Ui() { return *courant; }
void DefinitUi(Dialogues* dialogues) { courant = dialogues ? dialogues : &muets; }

void TermineBoucleEvenements() { QCoreApplication::exit(0); }

} // namespace kelmo
