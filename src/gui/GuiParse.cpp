// The GUI file tokeniser, the error report and the value helpers.
#include "gui/GuiParse.h"

#include <cstdlib>

#include "core/Globals.h"
#include "engine/Engine.h"
#include "files/SplitText.h"
#include "files/TxtFile.h"

using namespace eng;

void TSimpleEntry::wyprintuj(const std::string& prefix) const {
    Print(prefix + _typ + " = " + _value);
}

void TSmallObject::wyprintuj(const std::string& prefix) const {
    Print(prefix + _typ + " " + _name);
    for (const Token& t : _tokeny) {
        if (t.entry) t.entry->wyprintuj(prefix + "   ");
        if (t.object) t.object->wyprintuj(prefix + "   ");
    }
}

std::vector<TSimpleEntry> TSmallObject::entries() const {
    std::vector<TSimpleEntry> out;
    for (const Token& t : _tokeny)
        if (t.entry) out.push_back(*t.entry);
    return out;
}

std::vector<std::vector<std::string>> stworzListyTokenow(const std::string& text) {
    std::vector<std::string> words;
    std::string cur;
    bool quoted = false;
    for (char c : text) {
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && (c == ' ' || c == '\t' || c == '\n' || c == '\r')) {
            words.push_back(Trim(cur));
            cur.clear();
        } else {
            cur += c;
        }
    }
    if (!cur.empty()) words.push_back(Trim(cur));

    std::vector<std::vector<std::string>> declarations;
    std::vector<std::string> current;
    int depth = 0;
    for (const std::string& w : words) {
        if (w.empty()) continue;
        if (w == "{") {
            ++depth;
            current.push_back(w);
        } else if (w == "}" && depth == 1) {
            depth = 0;
            declarations.push_back(current);
            current.clear();
        } else if (w == "}" && depth > 1) {
            --depth;
            current.push_back(w);
        } else {
            current.push_back(w);
        }
    }
    if (!current.empty()) declarations.push_back(current);
    return declarations;
}

namespace {
int collecting = 0;
std::string collected;
}  // namespace

void guiError(const std::string& message) {
    const std::string text = " >> BLAD! << : " + message;
    if (collecting > 0) {
        collected += (collected.empty() ? "" : "\n") + text;
        return;
    }
    Notify(text, false);
}

void beginGuiErrors() {
    ++collecting;
}

void endGuiErrors() {
    if (collecting > 0 && --collecting == 0 && !collected.empty()) {
        std::string text;
        text.swap(collected);
        Notify(text, false);
    }
}

std::vector<int> guiNumbers(const std::string& value) {
    std::vector<int> out;
    for (const std::string& w : splitText(Trim(value), " "))
        if (!w.empty()) out.push_back(std::atoi(w.c_str()));
    return out;
}

TRGB guiRGB(const std::string& value) {
    std::vector<int> n = guiNumbers(value);
    n.resize(3, 0);
    return TRGB{n[0], n[1], n[2]};
}

void guiPosition(const std::string& value, int& x, int& y, float& width) {
    const std::vector<int> n = guiNumbers(value);
    x = n.size() > 0 ? n[0] : 0;
    y = n.size() > 1 ? n[1] : 0;
    if (n.size() > 2) width = static_cast<float>(n[2]);
}

int guiBool(const std::string& value) {
    return Upper(Trim(value)) == "TRUE" ? 1 : 0;
}

std::string guiText(const std::string& value) {
    if (value.size() < 2 || value.front() != '[' || value.back() != ']') return value;
    std::vector<std::string> parts = splitText(value.substr(1, value.size() - 2), "|");
    if (parts.size() < 2) return value;
    const std::string path = programPrefix + parts[0];
    std::string local = path;
    for (size_t at; (at = local.find("#LANG#")) != std::string::npos;) local.replace(at, 6, languageCode);
    if (FileType(local) != 1) {  // a missing text file is a GUI error, not the end of the game
        guiError("Nie znaleziono pliku tekstowego : " + local);
        return "";
    }
    return getLine(loadTxtFile(path), std::atoi(parts[1].c_str()));
}
