// Checks that the fonts the generators read are installed.
#include "SystemFonts.h"

#include <filesystem>
#include <stdexcept>

namespace gen {

std::string requireFont(const SystemFont& f) {
    if (!std::filesystem::is_regular_file(f.path))
        throw std::runtime_error(std::string("missing font ") + f.path + " (install the Debian package " +
                                 f.package + ")");
    return f.path;
}

}  // namespace gen
