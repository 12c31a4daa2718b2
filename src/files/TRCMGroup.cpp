// A named `name { ... }` block of a data file: entries and further groups, in file order.
#include "files/TRCMGroup.h"

#include <cstdio>

#include "engine/Engine.h"

namespace {

bool isAscii(const std::string& text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

}  // namespace

bool sameName(const std::string& a, const std::string& b) {
    if (!isAscii(a) || !isAscii(b)) return eng::Lower(a) == eng::Lower(b);
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
    return true;
}

std::string TRCMGroup::save(const std::string& indent) const {
    std::string out;
    if (!_id.empty()) out += indent + _id + " {\n";
    if (_listaWpisow.empty()) out += "\n";
    for (const auto& entry : _listaWpisow) out += indent + "\t" + entry->toTxt() + "\n";
    for (const auto& group : _listaGrup) out += group->save(indent + "\t");
    if (!_id.empty()) out += indent + "}\n\n";
    return out;
}

void TRCMGroup::showGroup(const std::string& indent) const {
    const std::string text = save(indent);
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
}

std::shared_ptr<TRCMGroup> TRCMGroup::getGroup(const std::string& name) const {
    for (const auto& group : _listaGrup)
        if (sameName(group->_id, name)) return group;
    return nullptr;
}

std::shared_ptr<TRCMEntry> TRCMGroup::getEntry(const std::string& name) const {
    for (const auto& entry : _listaWpisow)
        if (sameName(entry->_id, name)) return entry;
    return nullptr;
}

void TRCMGroup::setStringEntry(const std::string& name, const std::string& value, int index) {
    if (index < 0) return;
    // A value holds no double quote and no line break, so that the saved file always reads back.
    std::string clean;
    for (char c : value)
        if (c != '"' && c != '\r' && c != '\n') clean += c;
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
    _listaWpisow.push_back(entry);
    return entry;
}
