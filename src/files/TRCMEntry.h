// One `key = value[, value...]` line of a data file.
#pragma once

#include <string>
#include <vector>

class TRCMEntry {
  public:
    std::string _id;                  // the key, trimmed
    std::vector<std::string> _value;  // the values in order
    int _type = 0;                    // 0 string entry, 1 number entry

    // The entry's line without indentation or line feed; the entry itself is left unchanged.
    std::string toTxt() const;
    // Stores `value` at `index`, growing the values with empty strings as needed.
    void setValue(const std::string& value, int index);
    // Makes the values `n` empty strings.
    void createArray(int n);
};

// The number at the start of `text`: blanks skipped, optional sign, digits, optional fraction and
// exponent; 0 when there is none.
float textToFloat(const std::string& text);
