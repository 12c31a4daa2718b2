// Splitting texts at separators, with marks and with double quotes.
#include <gtest/gtest.h>

#include "files/SplitText.h"

using Pieces = std::vector<std::string>;

TEST(SplitText, PiecesFollowTheSeparators) {
    struct Case {
        std::string text, sep, open, close;
        Pieces pieces;
    } cases[] = {
        {"a::b", "::", "", "", {"a", "b"}},
        {"a::::b", "::", "", "", {"a", "", "b"}},
        {"::a", "::", "", "", {"", "a"}},
        {"a::", "::", "", "", {"a"}},
        {"", "::", "", "", {}},
        {"ab:", "::", "", "", {"ab:"}},
        {"a  b ", " ", "", "", {"a", "", "b"}},
        {" ", " ", "", "", {""}},
        // Marks are dropped and protect the separators between them.
        {"move [a b] c", " ", "[", "]", {"move", "a b", "c"}},
        {"'a b' c", " ", "'", "'", {"a b", "c"}},
        // With only one mark given, the separator splits everywhere.
        {"[a b]", " ", "[", "", {"a", "b]"}},
        {"x|\xC5\x82"
         "a b\xC5\x82|y",
         "|",
         "\xC5\x82",
         "\xC5\x82",
         {"x", "a b", "y"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(splitText(c.text, c.sep, c.open, c.close), c.pieces)
            << "'" << c.text << "' at '" << c.sep << "'";
}

TEST(SplitText, OutsideQuotesKeepsQuotedSeparators) {
    struct Case {
        std::string text, sep;
        Pieces quoted, plain;
    } cases[] = {
        {" \"a, b\", \"c\"", ",", {" \"a, b\"", " \"c\""}, {" \"a", " b\"", " \"c\""}},
        {"k = \"x=y\"", "=", {"k ", " \"x=y\""}, {"k ", " \"x", "y\""}},
        {" 10, -20", ",", {" 10", " -20"}, {" 10", " -20"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(splitOutsideQuotes(c.text, c.sep), c.quoted) << c.text;
        EXPECT_EQ(splitText(c.text, c.sep), c.plain) << c.text;
    }
}
