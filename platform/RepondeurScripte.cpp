#include "platform/RepondeurScripte.h"

namespace kelmo {

RepondeurScripte::RepondeurScripte() { DefinitUi(this); }
RepondeurScripte::~RepondeurScripte() { DefinitUi(nullptr); }

template <class T>
bool RepondeurScripte::prend(T& sortie)
{
    if (reponses_.empty() || !std::holds_alternative<T>(reponses_.front()))
        return false;
    sortie = std::get<T>(reponses_.front());
    reponses_.pop_front();
    return true;
}

std::vector<QString> RepondeurScripte::messages() const
{
    std::vector<QString> r;
    for (const auto& a : appels_)
        if (a.genre == AppelDialogue::Message)
            r.push_back(a.texte);
    return r;
}

Reponse RepondeurScripte::Message(const QString& texte, Boutons boutons, Icone icone, const QString& titre)
{
    AppelDialogue a{AppelDialogue::Message, texte, titre, boutons, icone, {}, {}, true};
    Reponse r = Reponse::OK;
    if (!prend(r)) {
        // An unscripted box takes its safe answer: OK, Annuler or Non.
        a.scripte = boutons == Boutons::OK;
        r = boutons == Boutons::OK ? Reponse::OK : (boutons == Boutons::OKAnnuler ? Reponse::Annuler : Reponse::Non);
    }
    appels_.push_back(a);
    return r;
}

std::optional<QString> RepondeurScripte::texte(AppelDialogue a)
{
    std::optional<QString> r;
    if (!prend(r))
        a.scripte = false;
    appels_.push_back(a);
    return r;
}

std::optional<QString> RepondeurScripte::Saisie(const QString& invite, const QString& titre, const QString& defaut)
{
    AppelDialogue a{AppelDialogue::Saisie, invite, titre, Boutons::OKAnnuler, Icone::Aucune, {}, {defaut}, true};
    return texte(a);
}

std::optional<QString> RepondeurScripte::FichierOuvrir(const DemandeFichier& d)
{
    return texte({AppelDialogue::FichierOuvrir, QString(), d.titre, Boutons::OK, Icone::Aucune, d, {}, true});
}

std::optional<QString> RepondeurScripte::FichierEnregistrer(const DemandeFichier& d)
{
    return texte({AppelDialogue::FichierEnregistrer, QString(), d.titre, Boutons::OK, Icone::Aucune, d, {}, true});
}

std::optional<QString> RepondeurScripte::Dossier(const QString& titre, const QString& dossierInitial)
{
    DemandeFichier d;
    d.titre = titre;
    d.dossierInitial = dossierInitial;
    return texte({AppelDialogue::Dossier, QString(), titre, Boutons::OK, Icone::Aucune, d, {}, true});
}

std::optional<QColor> RepondeurScripte::Couleur(const QColor& initiale)
{
    AppelDialogue a{AppelDialogue::Couleur, initiale.name(), QString(), Boutons::OK, Icone::Aucune, {}, {}, true};
    std::optional<QColor> r;
    if (!prend(r))
        a.scripte = false;
    appels_.push_back(a);
    return r;
}

std::optional<Police> RepondeurScripte::ChoixPolice(const Police& initiale)
{
    derniereDemandePolice = initiale;
    AppelDialogue a{AppelDialogue::ChoixPolice, initiale.nom, QString(), Boutons::OK, Icone::Aucune, {}, {}, true};
    std::optional<Police> r;
    if (!prend(r))
        a.scripte = false;
    appels_.push_back(a);
    return r;
}

void RepondeurScripte::Sablier(bool actif)
{
    if (actif && !sablier_)
        ++sablierActive_;
    sablier_ = actif;
}

// Out of line: inlined with a constant, the variant's construction sets off a
// false "may be used uninitialized" warning in the tests.
void RepondeurScripte::RepondLancement(bool ok) { reponses_.push_back(ok); }

bool RepondeurScripte::LanceProgramme(const QString& programme, const QStringList& arguments)
{
    AppelDialogue a{AppelDialogue::Lancement, programme, QString(), Boutons::OK, Icone::Aucune, {}, arguments, true};
    bool ok = true;
    if (!prend(ok))
        a.scripte = false;
    appels_.push_back(a);
    return ok;
}

void RepondeurScripte::Quitte()
{
    appels_.push_back({AppelDialogue::Quitte, QString(), QString(), Boutons::OK, Icone::Aucune, {}, {}, true});
}

} // namespace kelmo
