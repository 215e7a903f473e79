#pragma once
// Free-format lists, as the value files written by hand or by spreadsheets
// hold them: items are separated by blanks, commas or line ends, and a text
// in double quotes runs to its closing quote (commas and blanks included).
#include <string_view>

namespace kelmo {

class LectureListe {
public:
    struct Element {
        std::string_view texte;   // without the quotes of a quoted item
        bool finDeLigne = false;  // the item ended its line (or the content)
    };

    explicit LectureListe(std::string_view contenu) : c_(contenu) {}

    // True when only blanks and line ends remain.
    bool Fin();
    // The next number item: blank lines before it are skipped; it ends at a
    // blank, a comma or a line end. False at the end of the content.
    bool Nombre(Element& e);
    // The next text item of the current line: leading blanks skipped, it
    // runs to the next comma or to the line end, blanks included. An item
    // at the line end is empty and ends the line.
    Element Texte();
    // Skips what is left of the current line, its line end included.
    void FinDeLigne();

private:
    bool blanc() const { return i_ < c_.size() && (c_[i_] == ' ' || c_[i_] == '\t'); }
    bool finLigne() const { return i_ >= c_.size() || c_[i_] == '\r' || c_[i_] == '\n'; }
    void sauteBlancs()
    {
        while (blanc())
            ++i_;
    }
    void sauteFinLigne();
    std::string_view entreGuillemets();
    // After an item: the blanks, then one comma or one line end.
    bool separateur();

    std::string_view c_;
    std::size_t i_ = 0;
};

} // namespace kelmo
