// Splitting a text into pieces at a separator, optionally skipping marked or quoted stretches.
#pragma once

#include <string>
#include <vector>

// Splits `text` at every `separator`. An empty piece between two separators is kept; a piece after
// the last separator is kept only when it is not empty. When `openMark` is set, the characters
// `openMark` and `closeMark` are dropped and the separator is not matched between them.
std::vector<std::string> splitText(const std::string& text, const std::string& separator,
                                   const std::string& openMark = "", const std::string& closeMark = "");

// The same, but a separator between double quotes does not split; the quotes stay in the pieces.
std::vector<std::string> splitOutsideQuotes(const std::string& text, const std::string& separator,
                                            const std::string& openMark = "",
                                            const std::string& closeMark = "");
