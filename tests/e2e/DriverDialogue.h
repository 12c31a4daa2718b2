// Plays the game through the headless driver in a dialogue: one command at a time over a pipe, each
// answered by what the driver printed until it asked for the next ("ready").
#pragma once

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>

class DriverDialogue {
  public:
    // Starts the driver on the per-user folder `user`, grabs going to `out`.
    DriverDialogue(const std::string& user, const std::string& out) {
        int toDriver[2], fromDriver[2];
        if (pipe(toDriver) != 0 || pipe(fromDriver) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
            dup2(toDriver[0], 0);
            dup2(fromDriver[1], 1);
            dup2(fromDriver[1], 2);
            close(toDriver[1]);
            close(fromDriver[0]);
            execl(BINARY_DIR "/tools/driver", "driver", "--user", user.c_str(), "--out", out.c_str(),
                  "--script", "-", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(toDriver[0]);
        close(fromDriver[1]);
        in_ = fdopen(toDriver[1], "w");
        out_ = fdopen(fromDriver[0], "r");
        answer_ = readUntilReady();
    }
    ~DriverDialogue() {
        if (in_) fclose(in_);
        if (out_) fclose(out_);
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }
    DriverDialogue(const DriverDialogue&) = delete;
    DriverDialogue& operator=(const DriverDialogue&) = delete;

    // Sends one command and gives what the driver printed while carrying it out.
    const std::string& say(const std::string& command) {
        if (!in_) {
            answer_.clear();
            return answer_;
        }
        std::fprintf(in_, "%s\n", command.c_str());
        std::fflush(in_);
        answer_ = readUntilReady();
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
        if (in_) fclose(in_);
        in_ = nullptr;
        answer_ = readUntilReady();
        all_ += answer_;
        int status = 0;
        waitpid(pid_, &status, 0);
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    bool ended() const { return ended_; }
    const std::string& transcript() const { return all_; }

  private:
    pid_t pid_ = -1;
    FILE* in_ = nullptr;
    FILE* out_ = nullptr;
    std::string answer_, all_;
    bool ended_ = false;

    // Lines up to the next "ready", or to the end of the output.
    std::string readUntilReady() {
        std::string got;
        char line[4096];
        while (out_ && std::fgets(line, sizeof line, out_)) {
            if (std::string(line) == "ready\n") return got;
            got += line;
            if (got.find("end: ") != std::string::npos) ended_ = true;
        }
        ended_ = true;
        return got;
    }
};
