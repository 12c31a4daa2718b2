// Fuzz target: the data-file reader and writer as a round trip, and the setters with names and values from
// the input. Whatever is read, saving it and reading the saved file gives the same tree, less what the
// writer says it leaves out; saving that again gives the same text.
#include <algorithm>
#include <cstring>

#include "FuzzInput.h"
#include "files/DataFile.h"

namespace {

std::string valueAt(const TRCMEntry& e, size_t i) {
    return i < e._value.size() ? e._value[i] : std::string();
}

// `back`, read from the saved `written`, holds what the writer keeps of `written` (TRCMGroup::save).
void expectSameGroup(const TRCMGroup& written, const TRCMGroup& back, int depth) {
    const std::string where = "group \"" + written._id + "\"";
    size_t k = 0;
    for (const auto& entry : written._listaWpisow) {
        if (depth == 0 || !nameProblem(entry->_id).empty()) continue;
        fuzzCheck(k < back._listaWpisow.size(), where + ": entry \"" + entry->_id + "\" is missing");
        const TRCMEntry& other = *back._listaWpisow[k++];
        fuzzCheck(other._id == entry->_id,
                  where + ": entry \"" + entry->_id + "\" reads as \"" + other._id + "\"");
        fuzzCheck(other._type == entry->_type, where + ": entry \"" + entry->_id + "\" changes its kind");
        const size_t count = std::max<size_t>(entry->_value.size(), 1);
        fuzzCheck(other._value.size() == count, where + ": entry \"" + entry->_id + "\" has other values");
        for (size_t i = 0; i < count; ++i) {
            const std::string a = valueAt(*entry, i), b = other._value[i];
            if (entry->_type == 0)
                fuzzCheck(b == storableText(a),
                          where + ": \"" + entry->_id + "\" text \"" + a + "\" reads as \"" + b + "\"");
            else
                fuzzCheck(numberText(a) == numberText(b) && textToFloat(a) == textToFloat(b),
                          where + ": \"" + entry->_id + "\" number \"" + a + "\" reads as \"" + b + "\"");
        }
    }
    fuzzCheck(k == back._listaWpisow.size(), where + ": entries were added");
    k = 0;
    for (const auto& group : written._listaGrup) {
        if (!nameProblem(group->_id).empty() || depth >= kMaxGroupDepth) continue;
        fuzzCheck(k < back._listaGrup.size(), where + ": group \"" + group->_id + "\" is missing");
        const TRCMGroup& other = *back._listaGrup[k++];
        fuzzCheck(other._id == group->_id,
                  where + ": group \"" + group->_id + "\" reads as \"" + other._id + "\"");
        expectSameGroup(*group, other, depth + 1);
    }
    fuzzCheck(k == back._listaGrup.size(), where + ": groups were added");
}

// Saves `file`, reads it back into `back` and checks the tree; returns the saved text.
std::string roundTrip(const TRCMFile& file, TRCMFile& back) {
    FuzzFile saved("saved.dat");
    fuzzCheck(file.save(saved.path()), "the file cannot be saved");
    fuzzCheck(back.Load(saved.path()), "the saved file cannot be read");
    expectSameGroup(*file._grupa, *back._grupa, 0);
    return fuzzReadFile(saved.path());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzFile input("input.dat", data, size);
    TRCMFile first;
    first.Load(input.path());
    TRCMFile second, third;
    const std::string text = roundTrip(first, second);
    fuzzCheck(roundTrip(second, third) == text, "saving what was read back gives another text");

    // The input's last two lines as a key path and a value: set as text and as a number on what was read.
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const size_t cut = bytes.rfind('\n');
    if (cut == std::string::npos || cut == 0) return 0;
    const size_t lineStart = bytes.rfind('\n', cut - 1);
    const size_t from = lineStart == std::string::npos ? 0 : lineStart + 1;
    const std::string path = bytes.substr(from, cut - from);
    const std::string value = bytes.substr(cut + 1);
    const int index = value.empty() ? 0 : static_cast<unsigned char>(value[0]) % 4;
    double number = 0;
    std::memcpy(&number, bytes.data() + bytes.size() - std::min<size_t>(bytes.size(), 8),
                std::min<size_t>(bytes.size(), 8));
    const std::vector<std::string> parts = splitText(path, "::");
    for (int kind = 0; kind < 2; ++kind) {
        const bool set =
            kind == 0 ? second.setString(path, value, index) : second.setFloat(path, number, index);
        if (!set || parts.size() < 2) continue;
        const std::string before = second.getString(path, index);
        const float beforeNumber = second.getFloat(path, index);
        TRCMFile back;
        roundTrip(second, back);
        const auto entry = back.getGroup(parts) ? back.getGroup(parts)->getEntry(parts.back()) : nullptr;
        fuzzCheck(entry && back.hasValue(path, index), "a value set is not read back: " + path);
        if (entry->_type == 0)
            fuzzCheck(back.getString(path, index) == before, "text set reads back otherwise: " + path);
        else
            fuzzCheck(back.getFloat(path, index) == beforeNumber, "number set reads back otherwise: " + path);
    }
    return 0;
}
