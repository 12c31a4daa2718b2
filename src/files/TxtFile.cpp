// Localised text files: one text per line, picked by line number counted from 1.
#include "files/TxtFile.h"

#include "core/Globals.h"
#include "engine/Engine.h"

std::shared_ptr<TTxtFile> loadTxtFile(const std::string& path) {
    std::string localPath = path;
    const std::string tag = "#LANG#";
    for (size_t at = localPath.find(tag); at != std::string::npos; at = localPath.find(tag, at)) {
        localPath.replace(at, tag.size(), languageCode);
        at += languageCode.size();
    }
    auto file = std::make_shared<TTxtFile>();
    std::string text;
    if (!eng::TryLoadText(localPath, text)) {
        eng::Print("Could not read the text file \"" + localPath + "\"; its texts are missing.");
        return file;
    }
    // Every line feed ends a line; the text after the last one is a line only when it is not empty.
    size_t start = 0;
    for (size_t lf = text.find('\n'); lf != std::string::npos; lf = text.find('\n', start)) {
        file->txt.push_back(text.substr(start, lf - start));
        start = lf + 1;
    }
    if (start < text.size()) file->txt.push_back(text.substr(start));
    return file;
}

std::string getLine(const std::shared_ptr<TTxtFile>& file, int n) {
    if (!file || n < 1 || n > file->lines()) return "(BEYOND TEXT ARRAY LENGTH!)";
    return file->txt[n - 1];
}
