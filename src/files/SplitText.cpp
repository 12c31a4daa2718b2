// Splitting a text into pieces at a separator, optionally skipping marked or quoted stretches.
#include "files/SplitText.h"

#include "engine/Engine.h"

namespace {

// True when `mark` is one character (in UTF-8) and the text at `i` is that character.
bool markAt(const std::string& text, size_t i, const std::string& mark) {
    if (mark.empty() || text.compare(i, mark.size(), mark) != 0) return false;
    return mark.size() == 1 || eng::DecodeUtf8(mark).size() == 1;
}

std::vector<std::string> split(const std::string& text, const std::string& sep, const std::string& openMark,
                               const std::string& closeMark, bool outsideQuotes) {
    std::vector<std::string> pieces;
    std::string cur;
    bool inside = false;
    bool quoted = false;
    const bool marksOff = openMark.empty() || closeMark.empty();
    size_t i = 0;
    while (i < text.size()) {
        if (!sep.empty() && !quoted && (!inside || marksOff) && text.compare(i, sep.size(), sep) == 0) {
            pieces.push_back(cur);
            cur.clear();
            i += sep.size();
            continue;
        }
        if (outsideQuotes && text[i] == '"') quoted = !quoted;
        if (!openMark.empty() && !inside && markAt(text, i, openMark)) {
            inside = true;
            i += openMark.size();
        } else if (!openMark.empty() && markAt(text, i, closeMark)) {
            inside = false;
            i += closeMark.size();
        } else {
            cur += text[i];
            ++i;
        }
    }
    if (!cur.empty()) pieces.push_back(cur);
    return pieces;
}

}  // namespace

std::vector<std::string> splitText(const std::string& text, const std::string& separator,
                                   const std::string& openMark, const std::string& closeMark) {
    return split(text, separator, openMark, closeMark, false);
}

std::vector<std::string> splitOutsideQuotes(const std::string& text, const std::string& separator,
                                            const std::string& openMark, const std::string& closeMark) {
    return split(text, separator, openMark, closeMark, true);
}
