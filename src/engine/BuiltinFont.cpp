// The engine's built-in font: a TrueType file compiled into the program, used when no font is set.
#include <cstddef>

#include "engine/Internal.h"

extern "C" {
extern const unsigned char builtinFontData[];
extern const unsigned char builtinFontEnd[];
}

__asm__(
    ".section .rodata\n"
    ".global builtinFontData\n"
    ".global builtinFontEnd\n"
    ".balign 16\n"
    "builtinFontData:\n"
    ".incbin \"" BUILTIN_FONT_PATH
    "\"\n"
    "builtinFontEnd:\n"
    ".byte 0\n"
    ".previous\n");

namespace eng {

std::string builtinFontBytes() {
    return std::string(reinterpret_cast<const char*>(builtinFontData),
                       static_cast<size_t>(builtinFontEnd - builtinFontData));
}

}  // namespace eng
