// The generators' shared context (where sources are, where output goes) and the list of generators.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace gen {

struct Context {
    std::filesystem::path contentDir;  // content/ of the source tree
    std::filesystem::path gameDir;     // the program folder

    // The full path of an output file below the program folder; its folder is created.
    std::string out(const std::string& relative) const;
};

struct Generator {
    const char* name;
    void (*run)(const Context&);
};

// Every generator, in the order they run.
const std::vector<Generator>& generators();

}  // namespace gen
