// Reading the dialogue's commands line by line, each only when the previous one is done.
#include "Dialogue.h"

#include <cstdio>
#include <string>

bool Dialogue::next(ScriptCommand& cmd) {
    for (std::string raw, error;;) {
        std::printf("ready\n");
        std::fflush(stdout);
        if (!std::getline(in_, raw)) return false;
        if (!parseLine(raw, ++line_, cmd, error))
            std::printf("script %s\n", error.c_str());
        else if (!cmd.op.empty())
            return true;
    }
}
