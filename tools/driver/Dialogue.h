// Commands read one at a time as a program sends them, for driving the game in a dialogue.
#pragma once

#include <istream>

#include "Script.h"

class Dialogue {
  public:
    explicit Dialogue(std::istream& in) : in_(in) {}
    // Prints "ready" and reads a line; a blank line or a comment is answered with another "ready", a
    // malformed one with "script line N: ..." and "ready". Gives the first command read; false at the end
    // of the input.
    bool next(ScriptCommand& cmd);

  private:
    std::istream& in_;
    int line_ = 0;
};
