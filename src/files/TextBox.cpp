// Word-wrapped text in a box, with left, right, centred or justified lines.
#include "files/TextBox.h"

#include "files/SplitText.h"

namespace {

enum class Align { Left, Right, Center, Justify };

Align alignOf(const std::string& name) {
    const std::string n = eng::Upper(eng::Trim(name));
    if (n == "RIGHT") return Align::Right;
    if (n == "CENTER") return Align::Center;
    if (n == "JUSTIFY") return Align::Justify;
    return Align::Left;
}

}  // namespace

TextBoxLayout layoutTextBox(const std::string& text, int x, int y, float width, const std::string& align,
                            int lineH, const TextMeasure& measure) {
    const TextMeasure textWidth = measure ? measure : TextMeasure(eng::TextWidth);
    const Align mode = alignOf(align);
    const std::vector<std::string> words = splitText(text + " ", " ");
    TextBoxLayout out;
    int row = 0;
    std::string cur, raw;  // the current line, and its words without blanks
    size_t first = 0;      // the current line's first word

    auto add = [&](const std::string& s, float px, int py) {
        if (!s.empty()) out.pieces.push_back({s, px, py});
    };
    // Places line `s` made of words first..last; the last line of a justified text is left-aligned.
    auto placeLine = [&](const std::string& s, size_t last, bool lastLine) {
        const int ly = y + lineH * row;
        if (mode == Align::Justify && !lastLine) {
            const float gap =
                last > first ? (width - textWidth(raw)) / static_cast<float>(last - first) : 8.0f;
            std::string before;
            for (size_t j = first; j <= last; ++j) {
                add(words[j], x + static_cast<float>(j - first) * gap + static_cast<float>(textWidth(before)),
                    ly);
                before += words[j];
            }
        } else if (mode == Align::Right) {
            add(s, x + (width - static_cast<float>(textWidth(s))), ly);
        } else if (mode == Align::Center) {
            add(s, static_cast<float>(static_cast<int>(x + width / 2 - static_cast<float>(textWidth(s) / 2))),
                ly);
        } else {
            add(s, static_cast<float>(x), ly);
        }
    };

    for (size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        // The first word of a line is always placed, so a word wider than the box gets a line of its own.
        if (i > first && textWidth(cur + " " + word) > width) {
            placeLine(eng::Trim(cur), i - 1, false);
            ++row;
            cur.clear();
            raw.clear();
            first = i;
        }
        cur = cur.empty() ? word : cur + " " + word;
        raw += word;
    }
    placeLine(cur, words.size() - 1, true);
    out.lines = row + 1;
    out.height = lineH * out.lines;
    return out;
}

int drawTextBox(const std::string& text, int x, int y, float width, const std::string& align, int ignored,
                const eng::ImageFont& font, int spacing) {
    if (font) eng::SetImageFont(font);
    const int lineH = eng::TextHeight("A") + spacing;
    const TextBoxLayout layout = layoutTextBox(text, x, y, width, align, lineH, eng::TextWidth);
    for (const TextBoxPiece& piece : layout.pieces)
        eng::DrawText(piece.text, piece.x, static_cast<float>(piece.y));
    return layout.height;
}
