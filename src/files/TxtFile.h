// Localised text files: one text per line, picked by line number counted from 1.
#pragma once

#include <memory>
#include <string>
#include <vector>

class TTxtFile {
  public:
    std::vector<std::string> txt;  // the lines in file order

    int lines() const { return static_cast<int>(txt.size()); }
};

// Reads the text file at `path`, every "#LANG#" in it standing for the language folder. A file that
// cannot be read is reported on the standard output and gives an empty file.
std::shared_ptr<TTxtFile> loadTxtFile(const std::string& path);

// Line `n` (from 1), or "(BEYOND TEXT ARRAY LENGTH!)" when there is no such line.
std::string getLine(const std::shared_ptr<TTxtFile>& file, int n);
