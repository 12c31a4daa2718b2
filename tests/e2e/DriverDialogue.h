// A game played through the driver's dialogue as a conversation: each command is sent, answered with what
// the driver printed until it asked for the next, and kept in a transcript for the test's messages.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DialogueRun.h"

class DriverDialogue {
  public:
    // Starts the driver on the per-user folder `user`, grabs going to `out`, with further driver options.
    DriverDialogue(const std::string& user, const std::string& out,
                   const std::vector<std::string>& options = {})
        : run_(user, out, options) {
        bool ready = false;
        all_ = run_.answer(ready);
    }

    // Sends one command and gives what the driver printed while carrying it out.
    const std::string& say(const std::string& command) {
        run_.send(command);
        bool ready = false;
        answer_ = run_.answer(ready);
        all_ += "> " + command + "\n" + answer_;
        return answer_;
    }
    // Sends a command that must not time out.
    void must(const std::string& command) {
        const std::string& a = say(command);
        EXPECT_EQ(a.find("timeout:"), std::string::npos) << command << "\n" << all_;
    }
    // Ends the input and waits for the driver; its exit code.
    int finish() {
        std::string rest;
        const int code = run_.finish(rest);
        all_ += rest;
        return code;
    }
    const std::string& transcript() const { return all_; }

  private:
    DialogueRun run_;
    std::string answer_, all_;
};
