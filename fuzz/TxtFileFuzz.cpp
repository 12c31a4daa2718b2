// Fuzz target: the text-file reader, on any bytes.
#include "FuzzInput.h"
#include "engine/Engine.h"
#include "files/TxtFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzFile input("text.txt", data, size);
    auto file = loadTxtFile(input.path());
    std::string joined;
    for (int n = 1; n <= file->lines(); ++n) joined += getLine(file, n) + "\n";
    // Every line feed of the text (as the engine decodes it) ends a line; only a last line without one may
    // be missing its "\n".
    std::string text;
    fuzzCheck(eng::TryLoadText(input.path(), text), "the file cannot be read");
    fuzzCheck(joined == text || joined == text + "\n", "the lines do not make up the file");
    fuzzCheck(getLine(file, file->lines() + 1) == "(BEYOND TEXT ARRAY LENGTH!)", "a line past the end");
    return 0;
}
