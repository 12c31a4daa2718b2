// The game's data files: a tree of named groups holding `key = value` entries, looked up by "a::b::key".
#include "files/DataFile.h"

#include <algorithm>
#include <cstdio>

#include "engine/Engine.h"
#include "files/DataRules.h"

namespace {

// Where the UTF-8 character after the one at `i` starts.
size_t nextUtf8(const std::string& text, size_t i) {
    if (i < text.size()) ++i;
    while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) ++i;
    return i;
}

}  // namespace

bool TRCMFile::save(const std::string& path) const {
    std::vector<std::string> problems;
    for (const auto& entry : _grupa->_listaWpisow)
        problems.push_back("the entry \"" + entry->_id + "\" is outside any group and is not saved");
    std::string text;
    for (const auto& group : _grupa->_listaGrup) {
        const std::string problem = nameProblem(group->_id);
        if (problem.empty())
            text += group->save("", &problems);
        else
            problems.push_back("the group \"" + group->_id + "\" (" + problem + ") is left out");
    }
    for (const std::string& problem : problems) errorMsg(path + " : " + problem);
    return eng::SaveText(text, path);
}

bool TRCMFile::Load(const std::string& path) {
    _path = path;
    _realPath = eng::RealPath(path);
    _grupa = std::make_shared<TRCMGroup>();
    _txt.clear();
    _reportedDepth = false;
    if (eng::FileType(path) != 1) {
        errorMsg("Nie znaleziono pliku : " + path);
        return false;
    }
    if (!eng::TryLoadText(path, _txt)) {
        _txt.clear();
        errorMsg("Nie mozna odczytac pliku : " + path);
        return false;
    }
    if (!checkTxt()) return false;
    _grupa = readAll(_txt, "MAINGROUP");
    return true;
}

bool TRCMFile::checkGroups() {
    int opening = 0, closing = 0;
    bool quoted = false;
    for (char c : _txt) {
        if (c == '"') quoted = !quoted;
        if (quoted) continue;
        if (c == '{') ++opening;
        if (c == '}') ++closing;
    }
    if (opening == closing) return true;
    errorMsg("Blad nawiasow klamrowych! \"{\" - " + std::to_string(opening) + " \"}\" - " +
             std::to_string(closing));
    return false;
}

bool TRCMFile::checkTxt() {
    if (!_txt.empty() && _txt.back() == '}') _txt += '\n';
    return checkGroups();
}

std::shared_ptr<TRCMGroup> TRCMFile::readAll(const std::string& text, const std::string& name) {
    return _readGroup(text, 0, text.size(), name, 0);
}

// Reads one group from text[begin, end). A sub-group is read from just after its "{" up to, but not
// including, the last character of the range; braces and "=" inside double quotes are plain text. A
// sub-group that would be nested deeper than kMaxGroupDepth (`depth` is this group's; the top is 0) is
// left out with everything in it, and the rest of the file is read.
std::shared_ptr<TRCMGroup> TRCMFile::_readGroup(const std::string& text, size_t begin, size_t end,
                                                const std::string& name, int depth) {
    auto group = std::make_shared<TRCMGroup>();
    group->_id = name;
    std::string head, line;
    bool hasEquals = false;
    bool quoted = false;
    size_t i = begin;
    while (i < end) {
        const char c = text[i];
        if (c == '"') quoted = !quoted;
        if (!quoted && c == '{' && depth >= kMaxGroupDepth) {
            if (!_reportedDepth)
                errorMsg(_path + " : groups nested deeper than " + std::to_string(kMaxGroupDepth) +
                         " levels are left out");
            _reportedDepth = true;
            i = _skipGroup(text, i + 1, std::max(i + 1, end - 1));
            head.clear();
            line.clear();
            hasEquals = false;
            continue;
        }
        if (!quoted && c == '{') {
            auto sub = _readGroup(text, i + 1, std::max(i + 1, end - 1), eng::Trim(head), depth + 1);
            group->addGroup(sub);
            // A sub-group that ran out of text before its "}" has _pos 0: go on right after its "{".
            i += 1 + sub->_pos;
            // The text before the "{" was the sub-group's name: an entry after the sub-group belongs to
            // this group under its own key.
            head.clear();
            line.clear();
            hasEquals = false;
            continue;
        }
        if (!quoted && c == '}') {
            group->_pos = static_cast<int>(i - begin + 1);
            return group;
        }
        if (c == '\n') {
            if (hasEquals) {
                group->addEntry(readEntry(eng::Trim(line)));
                head.clear();
                line.clear();
                hasEquals = false;
            }
        } else {
            if (c == '=' && !quoted) hasEquals = true;
            head += c;
            line += c;
        }
        ++i;
    }
    group->_pos = 0;
    return group;
}

size_t TRCMFile::_skipGroup(const std::string& text, size_t begin, size_t end) {
    int open = 1;
    bool quoted = false;
    for (size_t i = begin; i < end; ++i) {
        if (text[i] == '"') quoted = !quoted;
        if (quoted) continue;
        if (text[i] == '{') ++open;
        if (text[i] == '}' && --open == 0) return i + 1;
    }
    return end;
}

std::string TRCMFile::myTrim(const std::string& text) const {
    std::string s = text;
    std::replace(s.begin(), s.end(), '0', '*');
    s = eng::Trim(s);
    std::replace(s.begin(), s.end(), '*', '0');
    return s;
}

std::shared_ptr<TRCMEntry> TRCMFile::readEntry(const std::string& line) const {
    auto entry = std::make_shared<TRCMEntry>();
    const std::vector<std::string> halves = splitOutsideQuotes(line, "=");
    entry->_id = halves.empty() ? std::string() : eng::Trim(halves[0]);
    const std::string valueText = halves.size() > 1 ? halves[1] : std::string();
    entry->_value = splitOutsideQuotes(valueText, ",");
    // Nothing after "=": one empty value.
    if (entry->_value.empty()) entry->_value.emplace_back();
    const std::string trimmed = eng::Trim(valueText);
    const char first = trimmed.empty() ? '\0' : trimmed[0];
    entry->_type = ((first >= '0' && first <= '9') || first == '-') ? 1 : 0;
    if (entry->_type == 0) {
        // String values are read in the written form ` "text"`: a blank, the quotes around the text. The
        // two characters before the text and the one after it are dropped whatever they are, counted in
        // UTF-8 characters so that a hand-written value never loses half a character.
        for (std::string& value : entry->_value) {
            const size_t begin = nextUtf8(value, nextUtf8(value, 0));
            size_t end = value.empty() ? 0 : value.size() - 1;
            while (end > 0 && (static_cast<unsigned char>(value[end]) & 0xC0) == 0x80) --end;
            value = begin < end ? value.substr(begin, end - begin) : std::string();
        }
    }
    return entry;
}

std::shared_ptr<TRCMGroup> TRCMFile::getGroupSet(const std::vector<std::string>& parts) {
    std::shared_ptr<TRCMGroup> group = _grupa;
    for (size_t i = 0; i + 1 < parts.size(); ++i) {
        auto next = group->getGroup(parts[i]);
        if (!next) {
            next = std::make_shared<TRCMGroup>();
            next->_id = parts[i];
            group->addGroup(next);
        }
        group = next;
    }
    return group;
}

bool TRCMFile::_settablePath(const std::string& path, int index, std::vector<std::string>& parts) const {
    parts = splitText(path, "::");
    if (parts.empty() || index < 0) return false;
    if (parts.size() - 1 > static_cast<size_t>(kMaxGroupDepth)) {
        errorMsg("cannot set \"" + path + "\" : groups nest at most " + std::to_string(kMaxGroupDepth) +
                 " levels deep");
        return false;
    }
    for (const std::string& part : parts) {
        const std::string problem = nameProblem(part);
        if (!problem.empty()) {
            errorMsg("cannot set \"" + path + "\" : the name \"" + part + "\" cannot be written (" + problem +
                     ")");
            return false;
        }
    }
    return true;
}

bool TRCMFile::setString(const std::string& path, const std::string& value, int index) {
    std::vector<std::string> parts;
    if (!_settablePath(path, index, parts)) return false;
    getGroupSet(parts)->setStringEntry(parts.back(), value, index);
    return true;
}

bool TRCMFile::setFloat(const std::string& path, double value, int index) {
    std::vector<std::string> parts;
    if (!_settablePath(path, index, parts)) return false;
    getGroupSet(parts)->setFloatEntry(parts.back(), value, index);
    return true;
}

bool TRCMFile::hasValue(const std::string& path, int index) const {
    return _findEntry(path, index) != nullptr;
}

std::shared_ptr<TRCMEntry> TRCMFile::_findEntry(const std::string& path, int index) const {
    const std::vector<std::string> parts = splitText(path, "::");
    if (parts.empty()) return nullptr;
    auto group = getGroup(parts);
    if (!group) return nullptr;
    auto entry = group->getEntry(parts.back());
    if (!entry || index < 0 || static_cast<size_t>(index) >= entry->_value.size()) return nullptr;
    return entry;
}

std::string TRCMFile::getString(const std::string& path, int index) const {
    auto entry = _findEntry(path, index);
    return entry ? entry->_value[index] : std::string();
}

float TRCMFile::getFloat(const std::string& path, int index, int printGroup) const {
    if (printGroup != 0) {
        if (auto group = getGroup(splitText(path, "::"))) group->showGroup("");
    }
    auto entry = _findEntry(path, index);
    return entry ? textToFloat(entry->_value[index]) : 0.0f;
}

std::shared_ptr<TRCMGroup> TRCMFile::getGroup(const std::vector<std::string>& parts) const {
    std::shared_ptr<TRCMGroup> group = _grupa;
    for (size_t i = 0; i + 1 < parts.size() && group; ++i) group = group->getGroup(parts[i]);
    return group;
}

void TRCMFile::printAll() const {
    for (const auto& group : _grupa->_listaGrup) group->showGroup("");
}

void TRCMFile::errorMsg(const std::string& text) const {
    eng::Warn("Napotkano problem : " + text);
}

std::shared_ptr<TRCMFile> newDataFile() {
    return std::make_shared<TRCMFile>();
}

std::shared_ptr<TRCMFile> loadDataFile(const std::string& path) {
    auto file = std::make_shared<TRCMFile>();
    file->Load(path);
    return file;
}
