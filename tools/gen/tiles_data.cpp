// Writing the tables of tile kinds, covers and treasures in the game's data file format.
#include <fstream>
#include <stdexcept>

#include "tiles_art.h"

namespace gen::tiles {

void DataText::open(const std::string& group) {
    out_ += indent() + group + " {\n";
    ++depth_;
}

void DataText::close() {
    --depth_;
    out_ += indent() + "}\n\n";
}

void DataText::number(const std::string& key, int value) {
    out_ += indent() + key + " = " + std::to_string(value) + "\n";
}

void DataText::text(const std::string& key, const std::string& value) {
    out_ += indent() + key + " = \"" + value + "\"\n";
}

void DataText::write(const std::string& path) const {
    std::ofstream f(path, std::ios::binary);
    f << out_;
    if (!f) throw std::runtime_error("cannot write " + path);
}

}  // namespace gen::tiles
