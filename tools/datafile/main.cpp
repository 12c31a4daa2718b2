// datafile: reads and writes one value of a game data file from the command line, with the game's own code.
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "engine/Engine.h"
#include "files/DataFile.h"

namespace {

const char* kUsage =
    "usage: datafile get FILE KEYPATH [INDEX]      print a value as text\n"
    "       datafile getf FILE KEYPATH [INDEX]     print a value as a number, in the shortest form that\n"
    "                                              reads back the same (like %g: 0.5, 2, 1e+10)\n"
    "       datafile set FILE KEYPATH VALUE [INDEX]     set a text value and save FILE\n"
    "       datafile setf FILE KEYPATH NUMBER [INDEX]   set a number value and save FILE\n"
    "       datafile resave FILE OUT               load FILE and save it unchanged as OUT\n"
    "KEYPATH is group names and an entry name joined by \"::\" (letter case ignored), for example\n"
    "settings::fullScreen. INDEX counts the values of an entry from 0 (default 0). A missing FILE\n"
    "is created by set and setf.\n"
    "Only the value asked for goes to standard output; every message goes to standard error.\n"
    "Exit codes: 0 done; 1 nothing read or written: FILE unreadable or broken, no such entry or\n"
    "value (get, getf), or a change the file cannot hold (set, setf): a KEYPATH without a group\n"
    "(the file saves groups only), a name holding '\"', '{', '}', '=', a line break, blanks at its\n"
    "ends or bytes that are not UTF-8, groups nested deeper than 64, or set on an entry that holds\n"
    "numbers (use setf); 2 bad arguments. A text value cannot hold '\"', line breaks or bytes that are\n"
    "not UTF-8: set drops them and says so. What a damaged FILE holds that cannot be written back is\n"
    "left out when it is saved, and reported.\n";

int usage(const std::string& problem = "") {
    if (!problem.empty()) std::fprintf(stderr, "datafile: %s\n", problem.c_str());
    std::fputs(kUsage, stderr);
    return 2;
}

bool parseIndex(const std::string& text, int& index) {
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), index);
    return ec == std::errc() && ptr == text.data() + text.size() && index >= 0;
}

bool parseNumber(const std::string& text, double& value) {
    const char* begin = text.data();
    if (!text.empty() && text[0] == '+') ++begin;
    auto [ptr, ec] = std::from_chars(begin, text.data() + text.size(), value);
    return !text.empty() && ec == std::errc() && ptr == text.data() + text.size() && std::isfinite(value);
}

std::string formatNumber(float value) {
    char text[64];
    auto [ptr, ec] = std::to_chars(text, text + sizeof text, value);
    return ec == std::errc() ? std::string(text, ptr) : std::string("0");
}

// Reports a problem on the standard error and gives the exit code for it.
int problem(const std::string& text) {
    std::fprintf(stderr, "datafile: %s\n", text.c_str());
    return 1;
}

// The file at `path` read into `file`; false (after the game's message) when it cannot be read.
bool readInto(const std::string& path, std::shared_ptr<TRCMFile>& file) {
    file = newDataFile();
    return file->Load(path);
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) return usage();
    const std::string& command = args[0];
    int index = 0;

    if (command == "get" || command == "getf") {
        if (args.size() < 3 || args.size() > 4) return usage("wrong number of arguments for " + command);
        if (args.size() == 4 && !parseIndex(args[3], index)) return usage("not an index: " + args[3]);
        std::shared_ptr<TRCMFile> file;
        if (!readInto(args[1], file)) return 1;
        if (!file->hasValue(args[2], index))
            return problem(args[1] + " has no value " + std::to_string(index) + " at " + args[2]);
        const std::string out =
            command == "get" ? file->getString(args[2], index) : formatNumber(file->getFloat(args[2], index));
        std::printf("%s\n", out.c_str());
        return 0;
    }
    if (command == "set" || command == "setf") {
        if (args.size() < 4 || args.size() > 5) return usage("wrong number of arguments for " + command);
        if (args.size() == 5 && !parseIndex(args[4], index)) return usage("not an index: " + args[4]);
        double number = 0;
        if (command == "setf" && !parseNumber(args[3], number)) return usage("not a number: " + args[3]);
        // A missing file is made new; a file that is there but cannot be read is left alone.
        std::shared_ptr<TRCMFile> file = newDataFile();
        if (eng::FileType(args[1]) != 0 && !readInto(args[1], file)) return 1;
        const std::vector<std::string> parts = splitText(args[2], "::");
        if (parts.size() < 2)
            return problem(args[2] + " names no group; entries outside a group are not saved");
        if (command == "set") {
            const auto group = file->getGroup(parts);
            const auto entry = group ? group->getEntry(parts.back()) : nullptr;
            if (entry && entry->_type == 1) return problem(args[2] + " holds numbers; use setf to change it");
            if (!file->setString(args[2], args[3], index)) return 1;
            if (storableText(args[3]) != args[3])
                std::fputs(
                    "datafile: a text value cannot hold '\"', line breaks or bytes that are not UTF-8; they "
                    "were "
                    "dropped\n",
                    stderr);
        } else if (!file->setFloat(args[2], number, index)) {
            return 1;
        }
        if (!file->save(args[1])) return problem("cannot write " + args[1]);
        return 0;
    }
    if (command == "resave") {
        if (args.size() != 3) return usage("wrong number of arguments for resave");
        std::shared_ptr<TRCMFile> file;
        if (!readInto(args[1], file)) return 1;
        if (!file->save(args[2])) return problem("cannot write " + args[2]);
        return 0;
    }
    return usage("unknown command: " + command);
}
