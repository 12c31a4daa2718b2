// The installed fonts the generators read, with the Debian package that provides each.
#pragma once

#include <string>

namespace gen {

struct SystemFont {
    const char* path;
    const char* package;
};

inline constexpr SystemFont kRoundedBold{"/usr/share/fonts/truetype/comfortaa/Comfortaa-Bold.ttf",
                                         "fonts-comfortaa"};
// Narrow, open, bold digits for the clues, which must stay apart on the smallest cells.
inline constexpr SystemFont kCondensedBold{"/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf",
                                           "fonts-dejavu-core"};
inline constexpr SystemFont kSerifBold{"/usr/share/fonts/truetype/crosextra/Caladea-Bold.ttf",
                                       "fonts-crosextra-caladea"};
inline constexpr SystemFont kDisplay{"/usr/share/fonts/opentype/cherrybomb/CherryBomb-Regular.otf",
                                     "fonts-cherrybomb"};

// The font's path; throws with the package to install when the file is missing.
std::string requireFont(const SystemFont& f);

}  // namespace gen
