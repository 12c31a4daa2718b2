// gen_content: builds the program folder's pictures, fonts, texts and tables from content/.
#include <chrono>
#include <cstdio>
#include <exception>
#include <string>

#include "Generator.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: gen_content CONTENT_DIR GAME_DIR [GENERATOR...]\n");
        return 2;
    }
    gen::Context ctx{argv[1], argv[2]};
    int failures = 0;
    for (const gen::Generator& g : gen::generators()) {
        if (argc > 3) {
            bool wanted = false;
            for (int i = 3; i < argc; ++i) wanted = wanted || std::string(argv[i]) == g.name;
            if (!wanted) continue;
        }
        const auto start = std::chrono::steady_clock::now();
        try {
            g.run(ctx);
        } catch (const std::exception& e) {
            std::fprintf(stderr, "gen_content: %s: %s\n", g.name, e.what());
            ++failures;
            continue;
        }
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        std::printf("gen_content: %-14s %.2f s\n", g.name, took.count());
    }
    return failures == 0 ? 0 : 1;
}
