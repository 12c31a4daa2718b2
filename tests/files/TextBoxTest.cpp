// Laying out word-wrapped text boxes: line breaks, the four alignments and over-wide words.
#include <gtest/gtest.h>

#include "files/TextBox.h"

namespace {

// Every character 5 pixels wide, control characters nothing.
int fixedWidth(const std::string& text) {
    int w = 0;
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 32) w += 5;
    return w;
}

struct Piece {
    std::string text;
    float x;
    int y;
    bool operator==(const Piece& o) const { return text == o.text && x == o.x && y == o.y; }
};

std::ostream& operator<<(std::ostream& out, const Piece& p) {
    return out << "{\"" << p.text << "\", " << p.x << ", " << p.y << "}";
}

}  // namespace

TEST(TextBox, LayoutTable) {
    // Box at (100, 50), lines 20 apart.
    struct Case {
        const char* name;
        std::string text;
        float width;
        std::string align;
        std::vector<Piece> pieces;
        int lines;
    } cases[] = {
        {"fits on one line", "ab cd", 100, "LEFT", {{"ab cd", 100, 50}}, 1},
        {"every word on its own line",
         "ab cd ef",
         15,
         "LEFT",
         {{"ab", 100, 50}, {"cd", 100, 70}, {"ef", 100, 90}},
         3},
        {"two blanks keep an empty word", "a  b", 100, "LEFT", {{"a  b", 100, 50}}, 1},
        {"empty text is one empty line", "", 100, "LEFT", {}, 1},
        {"right", "ab cd ef", 25, "RIGHT", {{"ab cd", 100, 50}, {"ef", 115, 70}}, 2},
        {"centre, half text width in whole pixels", "abc", 100, "CENTER", {{"abc", 143, 50}}, 1},
        {"centre, sum truncated", "abc", 101, "CENTER", {{"abc", 143, 50}}, 1},
        {"align trimmed, any letter case", "abc", 100, "  center ", {{"abc", 143, 50}}, 1},
        {"unknown align is left", "abc", 100, "MIDDLE", {{"abc", 100, 50}}, 1},
        {"justify spreads the gaps, last line left",
         "aa bb cc dd ee",
         45,
         "justify",
         {{"aa", 100, 50}, {"bb", 117.5f, 50}, {"cc", 135, 50}, {"dd ee", 100, 70}},
         2},
        {"justify, one-word line at x",
         "aaaaaaaa bb",
         45,
         "JUSTIFY",
         {{"aaaaaaaa", 100, 50}, {"bb", 100, 70}},
         2},
        {"over-wide word gets its own line",
         "a bbbbbbbbbbbb c",
         30,
         "LEFT",
         {{"a", 100, 50}, {"bbbbbbbbbbbb", 100, 70}, {"c", 100, 90}},
         3},
        {"over-wide first word", "bbbbbbbbbbbb", 30, "RIGHT", {{"bbbbbbbbbbbb", 70, 50}}, 1},
        {"carriage return measures nothing", "ab\r", 100, "RIGHT", {{"ab\r", 190, 50}}, 1},
    };
    for (const Case& c : cases) {
        const TextBoxLayout layout = layoutTextBox(c.text, 100, 50, c.width, c.align, 20, fixedWidth);
        std::vector<Piece> pieces;
        for (const TextBoxPiece& p : layout.pieces) pieces.push_back({p.text, p.x, p.y});
        EXPECT_EQ(pieces, c.pieces) << c.name;
        EXPECT_EQ(layout.lines, c.lines) << c.name;
        EXPECT_EQ(layout.height, 20 * c.lines) << c.name;
    }
}

TEST(TextBox, JustifiedLineEndsAtTheRightEdge) {
    const TextBoxLayout layout =
        layoutTextBox("one two three four five six seven", 10, 0, 83, "JUSTIFY", 12, fixedWidth);
    ASSERT_GE(layout.lines, 3);
    for (int row = 0; row + 1 < layout.lines; ++row) {
        const TextBoxPiece* last = nullptr;
        for (const TextBoxPiece& p : layout.pieces)
            if (p.y == 12 * row) last = &p;
        ASSERT_NE(last, nullptr) << row;
        EXPECT_FLOAT_EQ(last->x + fixedWidth(last->text), 10 + 83.0f) << row;
    }
}
