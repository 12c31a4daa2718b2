// The driver's script: one input or control command per line.
#pragma once

#include <string>
#include <vector>

struct ScriptCommand {
    std::string op;                 // move, press, release, click, drag, key, keydown, keyup, type, wait,
                                    // waitscreen, item, items, grab, focus, close, wheel, quit
    std::vector<std::string> args;  // the words after the command
    std::string text;               // the rest of the line after the command (for type)
    int line = 0;
};

// Parses one line, numbered `lineNo`; a blank line or a comment gives a command with an empty op. On a
// malformed line fills `error` with "line N: ..." and returns false.
bool parseLine(const std::string& line, int lineNo, ScriptCommand& cmd, std::string& error);
// Parses a script; on a malformed line fills `error` with "line N: ..." and returns false.
bool parseScript(const std::string& source, std::vector<ScriptCommand>& out, std::string& error);

// Key names of the script (enter, escape, space, alt, f4, a..z, 0..9, ...) or a number.
int keyCode(const std::string& name);
