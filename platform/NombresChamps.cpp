#include "platform/NombresChamps.h"
#include "platform/Dialogues.h"
#include "platform/Erreurs.h"
#include "platform/Nombres.h"

#include <cmath>
#include <limits>

namespace kelmo {

bool TientDansChamp(double valeur, GenreChamp champ)
{
    if (!std::isfinite(valeur))
        return false;
    switch (champ) {
    case GenreChamp::Simple: return std::fabs(valeur) <= static_cast<double>(std::numeric_limits<float>::max());
    case GenreChamp::Entier16: {
        const double r = ArrondiBanquier(valeur);
        return r >= -32768.0 && r <= 32767.0;
    }
    case GenreChamp::Entier32: {
        const double r = ArrondiBanquier(valeur);
        return r >= -2147483648.0 && r <= 2147483647.0;
    }
    case GenreChamp::Double: return true;
    }
    return false;
}

NombreLu LitNombre(const QString& texte, const RegleNombre& regle)
{
    // Every rule sets aside the blanks of every kind (a no-break space or a
    // form feed pasted from another program): the whole-text rule those
    // around the number, the leading-number rules those before and inside
    // it, as they skip a space ("1 000"), since the program shows its own
    // numbers grouped by a narrow no-break space and French spreadsheets copy
    // theirs with a no-break space; stopping there would keep only the first
    // group. The number read is the one the rule checked: one number, its
    // point typed last ("25.") allowed, a second point not ("1..", "1e5.").
    QString tete = texte;
    if (regle.etendue != Etendue::Texte)
        for (QChar& c : tete)
            if (c.isSpace())
                c = QLatin1Char(' ');
    const QByteArray entier = regle.etendue == Etendue::Texte ? texte.trimmed().toLatin1() : QByteArray();
    const std::string_view nombre(entier.constData(), static_cast<std::size_t>(entier.size()));
    switch (regle.etendue) {
    case Etendue::Texte:
        if (!TexteEstNombre(nombre, regle.virgule))
            return {Lu::PasNombre, 0};
        break;
    case Etendue::Tete:
        if (!CommenceParNombre(tete, regle.virgule))
            return {Lu::PasNombre, 0};
        break;
    case Etendue::TeteOuZero: break;
    }
    double v = 0;
    try {
        v = regle.etendue == Etendue::Texte ? ValeurNombre(nombre, regle.virgule) : ValeurNombre(tete, regle.virgule);
    } catch (const ErreurExecution& e) {
        // Beyond the range of a double: no field holds it.
        if (e.numero() != ErrDepassement)
            throw;
        return {Lu::HorsChamp, 0};
    }
    if (!TientDansChamp(v, regle.champ))
        return {Lu::HorsChamp, v};
    return {Lu::Nombre, v};
}

NombreLu LitNombre(const QString& texte, const RegleNombre& regle, const QString& boite, const QString& titre)
{
    const NombreLu n = LitNombre(texte, regle);
    if (n.lu == Lu::HorsChamp)
        RefuseHorsChamp(texte, boite, regle.champ, titre);
    return n;
}

QString TexteSimpleRelu(float valeur, const std::function<QString(double, bool)>& ecrit, bool virgule)
{
    const QString court = ecrit(valeur, true);
    const NombreLu relu = LitNombre(court, {Etendue::TeteOuZero, virgule});
    return relu && static_cast<float>(*relu) == valeur ? court : ecrit(valeur, false);
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
