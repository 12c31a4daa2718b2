// What a data file can hold: the rules the writer keeps so that the reader reads back what it wrote.
#include "files/DataRules.h"

std::string nameProblem(const std::string& name) {
    for (char c : name) {
        if (c == '\n' || c == '\r') return "it holds a line break";
        if (c == '"' || c == '{' || c == '}' || c == '=') return std::string("it holds '") + c + "'";
    }
    if (!name.empty() &&
        (static_cast<unsigned char>(name.front()) <= ' ' || static_cast<unsigned char>(name.back()) <= ' '))
        return "it begins or ends with a blank";
    return "";
}

std::string storableText(const std::string& value) {
    std::string clean;
    for (char c : value)
        if (c != '"' && c != '\r' && c != '\n') clean += c;
    return clean;
}
