#include "platform/Erreurs.h"

namespace kelmo {

ErreurExecution::ErreurExecution(int numero, const QString& description, bool expliquee)
    : std::runtime_error(description.toStdString()), numero_(numero), description_(description), expliquee_(expliquee)
{
}

QString DescriptionErreur(int numero)
{
    switch (numero) {
    case ErrAppelIncorrect: return QStringLiteral("Argument ou appel de procédure incorrect");
    case ErrDepassement: return QStringLiteral("Dépassement de capacité");
    case ErrTypeIncompatible: return QStringLiteral("Type incompatible");
    case ErrTropDeDonnees: return QStringLiteral("L'indice n'appartient pas à la sélection");
    case ErrFichierIntrouvable: return QStringLiteral("Fichier introuvable");
    case ErrEcriture: return QStringLiteral("Erreur d'entrée/sortie de périphérique");
    case ErrFinDeFichier: return QStringLiteral("Entrée au-delà de la fin du fichier");
    case ErrPeripherique: return QStringLiteral("Périphérique non disponible");
    case ErrDisqueNonPret: return QStringLiteral("Le disque n'est pas prêt");
    case ErrAccesChemin: return QStringLiteral("Erreur d'accès au chemin/fichier");
    case ErrCheminIntrouvable: return QStringLiteral("Chemin d'accès introuvable");
    default: return QStringLiteral("Erreur définie par l'application ou par l'objet");
    }
}

void LeveErreur(int numero, const QString& detail)
{
    throw ErreurExecution(numero, detail.isEmpty() ? DescriptionErreur(numero) : detail);
}

void LeveErreurExpliquee(int numero, const QString& texte)
{
    throw ErreurExecution(numero, texte, true);
}

QString TexteErreurPourCommande(const std::exception& e, const QString& messageCommande)
{
    const auto* erreur = dynamic_cast<const ErreurExecution*>(&e);
    return erreur && erreur->expliquee() ? erreur->description() : messageCommande;
}

} // namespace kelmo
