// What a data file can hold: the rules the writer keeps so that the reader reads back what it wrote.
#pragma once

#include <string>

// Groups nest at most this deep below the top of a file. The reader leaves deeper groups out (with a
// message) instead of running out of stack, and the setters refuse paths that would go deeper.
constexpr int kMaxGroupDepth = 64;

// Why `name` cannot be a group name or an entry key, or "" when it can. The reader reads a name back as
// it was written only when it holds
//  - no line break ('\n', '\r'): a name is the rest of one line;
//  - no '"', '{', '}' or '=': they open quoted text, open or close a group, or end an entry's key;
//  - no blank (a character below code 33) at either end: the reader trims names.
//  - nothing but well-formed UTF-8: the file text is UTF-8 in memory and its writer keeps nothing else.
// ",", "::" and blanks inside a name are fine ("::" reads back, though a key path cannot reach it), and
// so is an empty name (an empty entry key, or a group written as " {").
std::string nameProblem(const std::string& name);

// A string value as it can be written: between the double quotes that mark it, so without '"' (there are
// no escapes), without line breaks (an entry is one line) and without bytes that are no part of a UTF-8
// character (the writer cannot keep them). Every other character is kept.
std::string storableText(const std::string& value);
