// UTF-8 helpers shared by the engine and the game: decoding, encoding, case and trimming.
#include <cctype>

#include "engine/Engine.h"

namespace eng {

std::vector<uint32_t> DecodeUtf8(const std::string& text) {
    std::vector<uint32_t> out;
    out.reserve(text.size());
    const size_t n = text.size();
    size_t i = 0;
    while (i < n) {
        const uint8_t c = static_cast<uint8_t>(text[i]);
        if (c < 0x80) {
            out.push_back(c);
            ++i;
            continue;
        }
        int extra = 0;
        uint32_t code = 0;
        if (c >= 0xC2 && c < 0xE0) {
            extra = 1;
            code = c & 0x1F;
        } else if (c >= 0xE0 && c < 0xF0) {
            extra = 2;
            code = c & 0x0F;
        } else if (c >= 0xF0 && c < 0xF5) {
            extra = 3;
            code = c & 0x07;
        }
        bool ok = extra > 0;
        for (int k = 1; ok && k <= extra; ++k) {
            if (i + k >= n || (static_cast<uint8_t>(text[i + k]) & 0xC0) != 0x80) {
                ok = false;
            } else {
                code = (code << 6) | (static_cast<uint8_t>(text[i + k]) & 0x3F);
            }
        }
        if (!ok) {  // not UTF-8: the byte stands for its Latin-1 character
            out.push_back(c);
            ++i;
            continue;
        }
        out.push_back(code);
        i += extra + 1;
    }
    return out;
}

void AppendUtf8(std::string& out, uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

std::string EncodeUtf8(const std::vector<uint32_t>& codes) {
    std::string out;
    out.reserve(codes.size());
    for (uint32_t c : codes) AppendUtf8(out, c);
    return out;
}

namespace {
// Case mapping for ASCII and the Latin-1 letters, which is all the game's texts compare.
uint32_t upperCode(uint32_t c) {
    if (c >= 'a' && c <= 'z') return c - 32;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;
    return c;
}
uint32_t lowerCode(uint32_t c) {
    if (c >= 'A' && c <= 'Z') return c + 32;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
    return c;
}
template <typename F>
std::string mapCase(const std::string& text, F f) {
    bool ascii = true;
    for (char ch : text)
        if (static_cast<uint8_t>(ch) >= 0x80) ascii = false;
    if (ascii) {
        std::string out = text;
        for (char& ch : out) ch = static_cast<char>(f(static_cast<uint8_t>(ch)));
        return out;
    }
    std::vector<uint32_t> codes = DecodeUtf8(text);
    for (uint32_t& c : codes) c = f(c);
    return EncodeUtf8(codes);
}
}  // namespace

std::string Upper(const std::string& text) {
    return mapCase(text, upperCode);
}
std::string Lower(const std::string& text) {
    return mapCase(text, lowerCode);
}

std::string Trim(const std::string& text) {
    size_t a = 0, b = text.size();
    while (a < b && static_cast<uint8_t>(text[a]) < 33) ++a;
    while (b > a && static_cast<uint8_t>(text[b - 1]) < 33) --b;
    return text.substr(a, b - a);
}

}  // namespace eng
