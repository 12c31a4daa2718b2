// Reading GUI description files: words, declarations, key = value records and value helpers.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/Dim.h"

struct TSimpleEntry {
    std::string _typ;    // the key
    std::string _value;  // the value, quotes removed
    void wyprintuj(const std::string& prefix) const;
};

// One declaration: its type word, id, and its entries and nested declarations in file order.
struct TSmallObject {
    struct Token {
        std::shared_ptr<TSimpleEntry> entry;   // either an entry ...
        std::shared_ptr<TSmallObject> object;  // ... or a nested declaration
    };
    std::vector<Token> _tokeny;
    std::string _typ, _name, _tytul;
    void wyprintuj(const std::string& prefix) const;
    // The entries alone, in order.
    std::vector<TSimpleEntry> entries() const;
};

// Splits a file's text into declarations, each the list of its words up to its closing brace.
std::vector<std::vector<std::string>> stworzListyTokenow(const std::string& text);

// GUI description problems: collected while a file loads and shown in one message box.
void guiError(const std::string& message);
void beginGuiErrors();
void endGuiErrors();

// Value helpers shared by the item readers.
std::vector<int> guiNumbers(const std::string& value);  // whole numbers separated by blanks
int guiBool(const std::string& value);                  // 1 for "TRUE" in any letter case
TRGB guiRGB(const std::string& value);                  // "r g b"; missing parts read as 0
// "x y [width]": sets x and y (0 when missing) and the width only when a third number is given.
void guiPosition(const std::string& value, int& x, int& y, float& width);
std::string guiText(const std::string& value);  // resolves a [path|n] reference
