// Parsing of the driver's script format.
#include "Script.h"

#include <cctype>
#include <map>
#include <sstream>

namespace {

const std::map<std::string, int>& keyNames() {
    static const std::map<std::string, int> names = {
        {"backspace", 8}, {"tab", 9},      {"enter", 13},    {"return", 13}, {"escape", 27}, {"esc", 27},
        {"space", 32},    {"pageup", 33},  {"pagedown", 34}, {"end", 35},    {"home", 36},   {"left", 37},
        {"up", 38},       {"right", 39},   {"down", 40},     {"insert", 45}, {"delete", 46}, {"lshift", 160},
        {"shift", 160},   {"rshift", 161}, {"lctrl", 162},   {"ctrl", 162},  {"rctrl", 163}, {"lalt", 164},
        {"alt", 164},     {"ralt", 165},   {"grave", 192},   {"tilde", 192}, {"lwin", 91}};
    return names;
}

// Number of words each command needs at least and at most.
bool arity(const std::string& op, size_t& lo, size_t& hi) {
    static const std::map<std::string, std::pair<size_t, size_t>> table = {
        {"move", {2, 2}},       {"press", {0, 1}}, {"release", {0, 1}},    {"click", {2, 3}},
        {"drag", {4, 6}},       {"key", {1, 1}},   {"keydown", {1, 1}},    {"keyup", {1, 1}},
        {"type", {0, 1000}},    {"wait", {1, 1}},  {"waitscreen", {1, 2}}, {"grab", {1, 1}},
        {"grabscreen", {1, 1}}, {"focus", {1, 1}}, {"close", {0, 0}},      {"wheel", {1, 1}},
        {"quit", {0, 0}},       {"item", {1, 2}},  {"items", {0, 0}}};
    auto it = table.find(op);
    if (it == table.end()) return false;
    lo = it->second.first;
    hi = it->second.second;
    return true;
}

// A whole number of at most nine digits: it always fits an int, so reading it cannot throw.
bool isNumber(const std::string& s) {
    if (s.empty()) return false;
    size_t i = (s[0] == '-') ? 1 : 0;
    if (i == s.size() || s.size() - i > 9) return false;
    for (; i < s.size(); ++i)
        if (!std::isdigit(static_cast<unsigned char>(s[i]))) return false;
    return true;
}

}  // namespace

int keyCode(const std::string& name) {
    std::string n;
    for (char c : name) n += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (isNumber(n)) return std::stoi(n);
    auto it = keyNames().find(n);
    if (it != keyNames().end()) return it->second;
    if (n.size() == 1 && std::isalpha(static_cast<unsigned char>(n[0]))) return std::toupper(n[0]);
    if (n.size() == 1 && std::isdigit(static_cast<unsigned char>(n[0]))) return n[0];
    if (n.size() >= 2 && n[0] == 'f' && isNumber(n.substr(1))) {
        int f = std::stoi(n.substr(1));
        if (f >= 1 && f <= 12) return 111 + f;
    }
    return -1;
}

bool parseLine(const std::string& line, int lineNo, ScriptCommand& cmd, std::string& error) {
    std::string raw = line;
    if (!raw.empty() && raw.back() == '\r') raw.pop_back();
    cmd = ScriptCommand{};
    size_t start = raw.find_first_not_of(" \t");
    if (start == std::string::npos || raw[start] == '#') return true;
    std::istringstream words(raw.substr(start));
    cmd.line = lineNo;
    words >> cmd.op;
    std::string w;
    while (words >> w) cmd.args.push_back(w);
    size_t after = raw.find(cmd.op, start) + cmd.op.size();
    cmd.text = after < raw.size() ? raw.substr(after + 1) : "";
    size_t lo = 0, hi = 0;
    auto fail = [&](const std::string& why) {
        error = "line " + std::to_string(lineNo) + ": " + why + ": " + raw;
        cmd.op.clear();
        return false;
    };
    if (!arity(cmd.op, lo, hi)) return fail("unknown command");
    if (cmd.args.size() < lo || cmd.args.size() > hi) return fail("wrong number of words");
    size_t numeric = 0;  // leading words that must be numbers
    if (cmd.op == "move" || cmd.op == "click") numeric = 2;
    if (cmd.op == "drag") numeric = 4;
    if (cmd.op == "wait" || cmd.op == "wheel") numeric = 1;
    for (size_t i = 0; i < numeric; ++i)
        if (!isNumber(cmd.args[i])) return fail("a number is expected");
    for (size_t i = numeric; i < cmd.args.size(); ++i) {
        const std::string& a = cmd.args[i];
        bool button = a == "left" || a == "right" || a == "middle";
        bool framesWord = cmd.op == "drag" && i == 4 && isNumber(a);
        if ((cmd.op == "press" || cmd.op == "release" || cmd.op == "click" || cmd.op == "drag") && !button &&
            !framesWord)
            return fail("a button (left, right, middle) is expected");
    }
    if ((cmd.op == "waitscreen" || cmd.op == "item") && cmd.args.size() == 2 && !isNumber(cmd.args[1]))
        return fail("the frame cap must be a number");
    if ((cmd.op == "key" || cmd.op == "keydown" || cmd.op == "keyup") && keyCode(cmd.args[0]) <= 0)
        return fail("unknown key");
    if (cmd.op == "focus" && cmd.args[0] != "lost" && cmd.args[0] != "gained")
        return fail("focus takes lost or gained");
    return true;
}

bool parseScript(const std::string& source, std::vector<ScriptCommand>& out, std::string& error) {
    std::istringstream in(source);
    std::string raw;
    int lineNo = 0;
    while (std::getline(in, raw)) {
        ScriptCommand cmd;
        if (!parseLine(raw, ++lineNo, cmd, error)) return false;
        if (!cmd.op.empty()) out.push_back(cmd);
    }
    return true;
}
