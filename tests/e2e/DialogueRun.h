// Talks to the headless driver over pipes, one command at a time, as a program driving the game does.
#pragma once

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

class DialogueRun {
  public:
    // Starts the driver reading its commands from standard input; `options` as the driver takes them.
    DialogueRun(const std::string& user, const std::string& out, const std::vector<std::string>& options) {
        signal(SIGPIPE, SIG_IGN);  // a driver that ended early fails the test, not the test program
        int toDriver[2], fromDriver[2];
        if (pipe(toDriver) != 0) return;
        if (pipe(fromDriver) != 0) {
            close(toDriver[0]);
            close(toDriver[1]);
            return;
        }
        std::vector<std::string> args = {BINARY_DIR "/tools/driver", "--user", user, "--out", out};
        args.insert(args.end(), options.begin(), options.end());
        pid_ = fork();
        if (pid_ == 0) {
            dup2(toDriver[0], 0);
            dup2(fromDriver[1], 1);
            dup2(fromDriver[1], 2);
            for (int fd : {toDriver[0], toDriver[1], fromDriver[0], fromDriver[1]}) close(fd);
            std::vector<char*> argv;
            for (auto& a : args) argv.push_back(a.data());
            argv.push_back(nullptr);
            execv(argv[0], argv.data());
            _exit(127);
        }
        close(toDriver[0]);
        close(fromDriver[1]);
        in_ = toDriver[1];
        out_ = fromDriver[0];
    }
    ~DialogueRun() {
        closeInput();
        if (out_ >= 0) close(out_);
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }
    DialogueRun(const DialogueRun&) = delete;
    DialogueRun& operator=(const DialogueRun&) = delete;

    // Sends one line.
    void send(const std::string& line) {
        const std::string text = line + "\n";
        if (in_ >= 0 && write(in_, text.data(), text.size()) != static_cast<ssize_t>(text.size()))
            closeInput();
    }
    // The lines printed until the next "ready" (left out), or until the output ends or nothing has come
    // for `seconds`; `ready` tells whether it came.
    std::string answer(bool& ready, int seconds = 120) {
        std::string got;
        ready = false;
        for (std::string line; readLine(line, seconds);) {
            if (line == "ready") {
                ready = true;
                break;
            }
            got += line + "\n";
        }
        return got;
    }
    // Ends the input; the exit code once the driver has ended (-1 when it did not end by itself).
    int finish(std::string& rest) {
        closeInput();
        bool ready = false;
        rest = answer(ready);
        int status = 0;
        if (pid_ <= 0 || waitpid(pid_, &status, 0) != pid_) return -1;
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

  private:
    pid_t pid_ = -1;
    int in_ = -1, out_ = -1;
    std::string pending_;  // read but not yet given out

    void closeInput() {
        if (in_ >= 0) close(in_);
        in_ = -1;
    }
    bool readLine(std::string& line, int seconds) {
        for (;;) {
            const size_t end = pending_.find('\n');
            if (end != std::string::npos) {
                line = pending_.substr(0, end);
                pending_.erase(0, end + 1);
                return true;
            }
            pollfd p{out_, POLLIN, 0};
            if (out_ < 0 || poll(&p, 1, seconds * 1000) <= 0) return false;
            char buf[4096];
            const ssize_t n = read(out_, buf, sizeof buf);
            if (n <= 0) return false;
            pending_.append(buf, static_cast<size_t>(n));
        }
    }
};
