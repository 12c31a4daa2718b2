// What a data file can hold: the rules the writer keeps so that the reader reads back what it wrote.
#include "files/DataRules.h"

namespace {

// The length of the well-formed UTF-8 character at text[i] (no overlong forms, no surrogates, nothing
// past U+10FFFF), or 0 when there is none there.
size_t utf8Length(const std::string& text, size_t i) {
    auto at = [&](size_t k) { return i + k < text.size() ? static_cast<unsigned char>(text[i + k]) : 0u; };
    auto cont = [&](size_t k, unsigned lo = 0x80, unsigned hi = 0xBF) { return at(k) >= lo && at(k) <= hi; };
    const unsigned c = at(0);
    if (c < 0x80) return 1;
    if (c >= 0xC2 && c <= 0xDF) return cont(1) ? 2 : 0;
    if (c == 0xE0) return cont(1, 0xA0) && cont(2) ? 3 : 0;
    if (c == 0xED) return cont(1, 0x80, 0x9F) && cont(2) ? 3 : 0;
    if (c >= 0xE1 && c <= 0xEF) return cont(1) && cont(2) ? 3 : 0;
    if (c == 0xF0) return cont(1, 0x90) && cont(2) && cont(3) ? 4 : 0;
    if (c >= 0xF1 && c <= 0xF3) return cont(1) && cont(2) && cont(3) ? 4 : 0;
    if (c == 0xF4) return cont(1, 0x80, 0x8F) && cont(2) && cont(3) ? 4 : 0;
    return 0;
}

}  // namespace

std::string nameProblem(const std::string& name) {
    for (size_t i = 0; i < name.size();) {
        const size_t n = utf8Length(name, i);
        if (n == 0) return "it is not UTF-8 text";
        i += n;
    }
    for (char c : name) {
        if (c == '\n' || c == '\r') return "it holds a line break";
        if (c == '"' || c == '{' || c == '}' || c == '=') return std::string("it holds '") + c + "'";
    }
    if (!name.empty() &&
        (static_cast<unsigned char>(name.front()) <= ' ' || static_cast<unsigned char>(name.back()) <= ' '))
        return "it begins or ends with a blank";
    return "";
}

std::string storableText(const std::string& value) {
    std::string clean;
    for (size_t i = 0; i < value.size();) {
        const size_t n = utf8Length(value, i);
        if (n == 0) {  // a byte that is no part of a UTF-8 character
            ++i;
            continue;
        }
        const char c = value[i];
        if (c != '"' && c != '\r' && c != '\n') clean.append(value, i, n);
        i += n;
    }
    return clean;
}
