// One `key = value[, value...]` line of a data file.
#include "files/TRCMEntry.h"

#include <charconv>
#include <cmath>
#include <cstdint>

#include "engine/Engine.h"
#include "files/DataRules.h"

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

size_t skipBlanks(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && static_cast<unsigned char>(text[i]) <= ' ') ++i;
    return i;
}

// The whole number at the start of `text`: blanks skipped, optional sign, then decimal digits, or
// "$" and hexadecimal digits, or "%" and binary digits. Stops growing before it would overflow.
int64_t textToInt(const std::string& text) {
    size_t i = skipBlanks(text);
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i < text.size() && text[i] == '%') {
        base = 2;
        ++i;
    }
    int64_t n = 0;
    for (; i < text.size(); ++i) {
        int d;
        char c = text[i];
        if (isDigit(c))
            d = c - '0';
        else if (c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        else
            break;
        if (d >= base) break;
        if (n < INT64_MAX / 16) n = n * base + d;
    }
    return negative ? -n : n;
}

// The number at the start of `text` as textToFloat reads it: its text for from_chars (no "+"), the
// count of its digits, and where it ends in `text`.
struct LeadingNumber {
    std::string text;
    size_t digits = 0;
    size_t end = 0;
};

LeadingNumber leadingNumber(const std::string& text) {
    LeadingNumber n;
    size_t i = skipBlanks(text);
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        if (text[i] == '-') n.text += '-';
        ++i;
    }
    for (; i < text.size() && isDigit(text[i]); ++i, ++n.digits) n.text += text[i];
    if (i < text.size() && text[i] == '.') {
        n.text += text[i++];
        for (; i < text.size() && isDigit(text[i]); ++i, ++n.digits) n.text += text[i];
    }
    if (n.digits > 0 && i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::string exponent = "e";
        size_t j = i + 1;
        if (j < text.size() && (text[j] == '-' || text[j] == '+')) exponent += text[j++];
        if (j < text.size() && isDigit(text[j])) {
            for (; j < text.size() && isDigit(text[j]); ++j) exponent += text[j];
            n.text += exponent;
            i = j;
        }
    }
    n.end = i;
    return n;
}

}  // namespace

float textToFloat(const std::string& text) {
    const LeadingNumber lead = leadingNumber(text);
    if (lead.digits == 0) return 0.0f;
    const std::string& number = lead.text;
    float value = 0.0f;
    const auto ec = std::from_chars(number.data(), number.data() + number.size(), value).ec;
    if (ec == std::errc::result_out_of_range) {
        // Beyond a float: through a double to infinity or zero, or by the exponent's sign beyond that.
        double wide = 0.0;
        if (std::from_chars(number.data(), number.data() + number.size(), wide).ec == std::errc())
            value = static_cast<float>(wide);
        else
            value = number.find("e-") == std::string::npos ? HUGE_VALF : 0.0f;
        if (number[0] == '-') value = -std::fabs(value);
    }
    return value;
}

std::string numberText(const std::string& value) {
    const int64_t whole = textToInt(value);
    const float number = textToFloat(value);
    if (static_cast<double>(whole) == static_cast<double>(number)) return std::to_string(whole);
    const std::string trimmed = eng::Trim(value);
    const LeadingNumber lead = leadingNumber(trimmed);
    if (lead.digits > 0 && lead.end == trimmed.size() && (isDigit(trimmed[0]) || trimmed[0] == '-'))
        return trimmed;
    // Beyond a float reads back as infinity.
    if (std::isinf(number)) return number < 0 ? "-1e39" : "1e39";
    char text[64];
    auto [ptr, ec] = std::to_chars(text, text + sizeof text, number);
    return ec == std::errc() ? std::string(text, ptr) : std::string("0");
}

std::string TRCMEntry::toTxt() const {
    std::string out = _id + " = ";
    const size_t count = _value.empty() ? 1 : _value.size();
    for (size_t i = 0; i < count; ++i) {
        const std::string value = i < _value.size() ? _value[i] : std::string();
        if (i > 0) out += ", ";
        out += _type == 0 ? "\"" + storableText(value) + "\"" : numberText(value);
    }
    return out;
}

void TRCMEntry::setValue(const std::string& value, int index) {
    if (index < 0) return;
    if (_value.size() <= static_cast<size_t>(index)) _value.resize(index + 1);
    _value[index] = value;
}

void TRCMEntry::createArray(int n) {
    _value.assign(n > 0 ? n : 0, std::string());
}
