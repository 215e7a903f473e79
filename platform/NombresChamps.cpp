#include "platform/NombresChamps.h"
#include "platform/Dialogues.h"
#include "platform/Nombres.h"

#include <cmath>

namespace kelmo {

bool TientDansChamp(double valeur, GenreChamp champ)
{
    if (!std::isfinite(valeur))
        return false;
    switch (champ) {
    case GenreChamp::Simple: return TientEnSimple(valeur);
    case GenreChamp::Entier16: return TientEnEntier16(valeur);
    case GenreChamp::Entier32: return TientEnEntier32(valeur);
    case GenreChamp::Double: return true;
    }
    return false;
}

std::optional<double> NombrePourChamp(const QString& texte, GenreChamp champ, bool virguleDecimale)
{
    const std::optional<double> v = ValeurNombreFinie(texte, virguleDecimale);
    if (!v || !TientDansChamp(*v, champ))
        return std::nullopt;
    return v;
}

std::optional<double> NombreAccepte(const QString& texte, GenreChamp champ, const QString& boite,
                                    const QString& titre, bool virguleDecimale)
{
    const std::optional<double> v = NombrePourChamp(texte, champ, virguleDecimale);
    if (!v)
        RefuseHorsChamp(texte, boite, champ, titre);
    return v;
}

QString LimitesChamp(GenreChamp champ)
{
    switch (champ) {
    case GenreChamp::Simple: return QStringLiteral("de -3,402823E+38 à 3,402823E+38");
    case GenreChamp::Entier16: return QStringLiteral("de -32768 à 32767");
    case GenreChamp::Entier32: return QStringLiteral("de -2147483648 à 2147483647");
    case GenreChamp::Double: return QStringLiteral("de -1,797693E+308 à 1,797693E+308");
    }
    return QString();
}

QString MessageHorsChamp(const QString& texte, const QString& boite, GenreChamp champ)
{
    return QStringLiteral("Le nombre %1 tapé dans « %2 » est hors des limites (%3) : rien n'est changé.")
        .arg(texte.trimmed(), boite, LimitesChamp(champ));
}

void RefuseHorsChamp(const QString& texte, const QString& boite, GenreChamp champ, const QString& titre)
{
    Ui().Message(MessageHorsChamp(texte, boite, champ), Boutons::OK, Icone::Exclamation, titre);
}

QString MessageResultatHorsLimites(const QString& texte, const QString& boite)
{
    return QStringLiteral("Le nombre %1 tapé dans « %2 » donnerait un résultat hors des limites des nombres : "
                          "rien n'est changé.")
        .arg(texte.trimmed(), boite);
}

void RefuseResultatHorsLimites(const QString& texte, const QString& boite, const QString& titre)
{
    Ui().Message(MessageResultatHorsLimites(texte, boite), Boutons::OK, Icone::Exclamation, titre);
}

} // namespace kelmo
