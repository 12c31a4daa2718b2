// One `key = value[, value...]` line of a data file.
#pragma once

#include <string>
#include <vector>

class TRCMEntry {
  public:
    std::string _id;                  // the key, trimmed
    std::vector<std::string> _value;  // the values in order
    int _type = 0;                    // 0 string entry, 1 number entry

    // The entry's line without indentation or line feed; the entry itself is left unchanged. String
    // values are written as storableText gives them; number values as numberText gives them. An entry
    // without values is written with one empty value.
    std::string toTxt() const;
    // Stores `value` at `index`, growing the values with empty strings as needed.
    void setValue(const std::string& value, int index);
    // Makes the values `n` empty strings.
    void createArray(int n);
};

// The number at the start of `text`: blanks skipped, optional sign, digits, optional fraction and
// exponent; 0 when there is none.
float textToFloat(const std::string& text);

// The text a number entry's value is written as, which reads back as a number entry with the same
// number: a whole number as an integer ("1.00000000" as "1"); otherwise the text as it stands when it is
// nothing but a number starting with a digit or "-" ("0.500000000", "1.5e3"); otherwise the number the
// game reads from it, in the shortest form (" .5" as "0.5", "2.5x" as "2.5", "abc" as "0").
std::string numberText(const std::string& value);
