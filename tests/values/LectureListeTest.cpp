// The free-format item reader of the node-value files: where an item starts
// and ends, and which items end their line.
#include "values/LectureListe.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace kelmo;

namespace {

// Reads every item as a number item; "|" marks an item that ended its line.
std::string nombres(std::string_view contenu)
{
    LectureListe l(contenu);
    LectureListe::Element e;
    std::string r;
    while (l.Nombre(e)) {
        r += "[" + std::string(e.texte) + "]";
        if (e.finDeLigne)
            r += "|";
    }
    return r;
}

} // namespace

TEST(LectureListe, NumberItemsEndAtBlanksCommasAndLineEnds)
{
    struct Cas {
        const char* contenu;
        const char* attendu;
    };
    const Cas cas[] = {
        {"751 152.5\r\n", "[751][152.5]|"},
        {"751,12.5\r\n", "[751][12.5]|"},
        {"751 , 12.5", "[751][12.5]|"},
        {"  751\t\t12.5  \n752 3\n", "[751][12.5]|[752][3]|"},
        {"751,,12.5\r\n", "[751][][12.5]|"},        // two commas: an empty item between
        {"751\r\n\r\n\r\n12.5\r\n", "[751]|[12.5]|"}, // blank lines are skipped
        {"\"75 1\",12.5\r\n", "[75 1][12.5]|"},
        {"\"751\"x, 12.5\r\n", "[751][12.5]|"},      // what follows a closing quote is dropped
        {"\"751\r\n12.5", "[751]|[12.5]|"},          // an unclosed quote stops at its line end
        {"751 12.5\r752 3", "[751][12.5]|[752][3]|"}, // a lone CR ends a line too
        {"", ""},
        {" \r\n \r\n", ""},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(nombres(c.contenu), c.attendu) << c.contenu;
}

TEST(LectureListe, TextItemsKeepTheirBlanksAndStopAtCommaOrLineEnd)
{
    struct Cas {
        const char* contenu;
        const char* texte;
        bool finDeLigne;
        const char* suite; // the next number item
    };
    const Cas cas[] = {
        {"  PARIS LA DEFENSE  \r\n2", "PARIS LA DEFENSE", true, "2"},
        {"5 PARIS, FRANCE\r\n2", "5 PARIS", false, "FRANCE"},
        {"\"PARIS, 75\" \r\n2", "PARIS, 75", true, "2"},
        {"\r\n2", "", true, "2"},
        {"", "", true, ""},
    };
    for (const Cas& c : cas) {
        LectureListe l(c.contenu);
        const LectureListe::Element t = l.Texte();
        EXPECT_EQ(t.texte, c.texte) << c.contenu;
        EXPECT_EQ(t.finDeLigne, c.finDeLigne) << c.contenu;
        LectureListe::Element n;
        const bool present = l.Nombre(n);
        EXPECT_EQ(present ? std::string(n.texte) : std::string(), c.suite) << c.contenu;
    }
}

TEST(LectureListe, TheRestOfALineIsSkippedUpToItsEnd)
{
    LectureListe l("751 12.5 PARIS, FRANCE, EUROPE\r\n752 3\r\n");
    LectureListe::Element e;
    ASSERT_TRUE(l.Nombre(e));
    ASSERT_TRUE(l.Nombre(e));
    EXPECT_EQ(l.Texte().texte, "PARIS");
    l.FinDeLigne();
    ASSERT_TRUE(l.Nombre(e));
    EXPECT_EQ(e.texte, "752");
    EXPECT_FALSE(l.Fin());
}
