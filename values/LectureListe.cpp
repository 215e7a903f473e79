#include "values/LectureListe.h"

namespace kelmo {

void LectureListe::sauteFinLigne()
{
    if (i_ < c_.size() && c_[i_] == '\r')
        ++i_;
    if (i_ < c_.size() && c_[i_] == '\n')
        ++i_;
}

bool LectureListe::Fin()
{
    while (i_ < c_.size() && (c_[i_] == ' ' || c_[i_] == '\t' || c_[i_] == '\r' || c_[i_] == '\n'))
        ++i_;
    return i_ >= c_.size();
}

// A quoted item never runs past its line: a missing closing quote ends it
// there rather than swallowing the rest of the file.
std::string_view LectureListe::entreGuillemets()
{
    ++i_;
    const std::size_t debut = i_;
    while (!finLigne() && c_[i_] != '"')
        ++i_;
    std::string_view t = c_.substr(debut, i_ - debut);
    if (i_ < c_.size() && c_[i_] == '"')
        ++i_;
    // Whatever follows the closing quote up to the separator is not part of
    // any item.
    while (!finLigne() && c_[i_] != ',')
        ++i_;
    return t;
}

bool LectureListe::separateur()
{
    sauteBlancs();
    if (i_ < c_.size() && c_[i_] == ',') {
        ++i_;
        return false;
    }
    if (finLigne()) {
        sauteFinLigne();
        return true;
    }
    return false;
}

bool LectureListe::Nombre(Element& e)
{
    if (Fin())
        return false;
    if (c_[i_] == '"') {
        e.texte = entreGuillemets();
    } else {
        const std::size_t debut = i_;
        while (!finLigne() && !blanc() && c_[i_] != ',')
            ++i_;
        e.texte = c_.substr(debut, i_ - debut);
    }
    e.finDeLigne = separateur();
    return true;
}

LectureListe::Element LectureListe::Texte()
{
    Element e;
    sauteBlancs();
    if (finLigne()) {
        sauteFinLigne();
        e.finDeLigne = true;
        return e;
    }
    if (c_[i_] == '"') {
        e.texte = entreGuillemets();
    } else {
        const std::size_t debut = i_;
        while (!finLigne() && c_[i_] != ',')
            ++i_;
        std::size_t fin = i_;
        while (fin > debut && (c_[fin - 1] == ' ' || c_[fin - 1] == '\t'))
            --fin;
        e.texte = c_.substr(debut, fin - debut);
    }
    e.finDeLigne = separateur();
    return e;
}

void LectureListe::FinDeLigne()
{
    while (!finLigne())
        ++i_;
    sauteFinLigne();
}

} // namespace kelmo
