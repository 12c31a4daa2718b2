// A named `name { ... }` block of a data file: entries and further groups, in file order.
#include "files/TRCMGroup.h"

#include <cstdio>

#include "engine/Engine.h"
#include "files/DataRules.h"

namespace {

bool isAscii(const std::string& text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

// The first item of `list` named `name`, through `index` (see TRCMGroup::NameIndex).
template <typename T>
std::shared_ptr<T> findNamed(const std::vector<std::shared_ptr<T>>& list, TRCMGroup::NameIndex& index,
                             const std::string& name) {
    if (index.covered > list.size()) {
        index.first.clear();
        index.covered = 0;
    }
    for (; index.covered < list.size(); ++index.covered)
        index.first.emplace(foldedName(list[index.covered]->_id), index.covered);
    const auto it = index.first.find(foldedName(name));
    if (it == index.first.end()) return nullptr;
    if (it->second < list.size() && sameName(list[it->second]->_id, name)) return list[it->second];
    // The list was changed in place: index it afresh on the next look-up, and look through it now.
    index.first.clear();
    index.covered = 0;
    for (const auto& item : list)
        if (sameName(item->_id, name)) return item;
    return nullptr;
}

}  // namespace

std::string foldedName(const std::string& name) {
    return eng::Lower(name);
}

bool sameName(const std::string& a, const std::string& b) {
    if (!isAscii(a) || !isAscii(b)) return eng::Lower(a) == eng::Lower(b);
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
    return true;
}

std::string TRCMGroup::save(const std::string& indent, std::vector<std::string>* problems, int depth) const {
    auto leaveOut = [&](const std::string& what) {
        if (problems) problems->push_back(what + " is left out");
    };
    std::string out = indent + _id + " {\n";
    std::string entries;
    for (const auto& entry : _listaWpisow) {
        const std::string problem = nameProblem(entry->_id);
        if (problem.empty())
            entries += indent + "\t" + entry->toTxt() + "\n";
        else
            leaveOut("the entry \"" + entry->_id + "\" of \"" + _id + "\" (" + problem + ")");
    }
    out += entries.empty() ? "\n" : entries;
    for (const auto& group : _listaGrup) {
        const std::string problem = nameProblem(group->_id);
        if (!problem.empty())
            leaveOut("the group \"" + group->_id + "\" in \"" + _id + "\" (" + problem + ")");
        else if (depth >= kMaxGroupDepth)
            leaveOut("the group \"" + group->_id + "\", nested deeper than " +
                     std::to_string(kMaxGroupDepth) + " levels,");
        else
            out += group->save(indent + "\t", problems, depth + 1);
    }
    return out + indent + "}\n\n";
}

void TRCMGroup::showGroup(const std::string& indent) const {
    const std::string text = save(indent);
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
}

std::shared_ptr<TRCMGroup> TRCMGroup::getGroup(const std::string& name) const {
    return findNamed(_listaGrup, _groupIndex, name);
}

std::shared_ptr<TRCMEntry> TRCMGroup::getEntry(const std::string& name) const {
    return findNamed(_listaWpisow, _entryIndex, name);
}

void TRCMGroup::addGroup(std::shared_ptr<TRCMGroup> group) {
    _listaGrup.push_back(std::move(group));
}

void TRCMGroup::addEntry(std::shared_ptr<TRCMEntry> entry) {
    _listaWpisow.push_back(std::move(entry));
}

void TRCMGroup::setStringEntry(const std::string& name, const std::string& value, int index) {
    if (index < 0) return;
    const std::string clean = storableText(value);
    if (auto entry = getEntry(name))
        entry->setValue(clean, index);
    else
        _addEntry(name, clean, index);
}

void TRCMGroup::setFloatEntry(const std::string& name, double value, int index) {
    if (index < 0) return;
    char text[64];
    std::snprintf(text, sizeof text, "%#.9g", static_cast<double>(static_cast<float>(value)));
    if (auto entry = getEntry(name))
        entry->setValue(text, index);
    else
        _addEntry(name, text, index)->_type = 1;
}

std::shared_ptr<TRCMEntry> TRCMGroup::_addEntry(const std::string& name, const std::string& value,
                                                int index) {
    auto entry = std::make_shared<TRCMEntry>();
    entry->_id = name;
    entry->setValue(value, index < 0 ? 0 : index);
    addEntry(entry);
    return entry;
}
