// A channel layer without a device for the sound manager's tests: it records every load and channel.
#pragma once

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "audio/SoundOutput.h"

// Behaves as the engine's channels do: cued paused, a stopped channel stays stopped.
struct RecordedChannel : TSoundChannel {
    std::string path;  // the file of the sound it plays
    bool paused = true;
    bool stopped = false;
    bool ended = false;  // set by a test: a piece that is not looping has run to its end
    float volume = 1.0f;

    void resume() override {
        if (!stopped) paused = false;
    }
    void pause() override {
        if (!stopped) paused = true;
    }
    void stop() override { stopped = true; }
    bool playing() const override { return !paused && !stopped && !ended; }
    void setVolume(float v) override { volume = v; }
};

struct RecordingOutput : TSoundOutput {
    std::vector<std::string> loads;                          // "path|flags" of every load, in order
    std::set<std::string> broken;                            // paths that fail to load
    std::vector<std::shared_ptr<RecordedChannel>> channels;  // every channel cued, in order

    struct Clip : TSoundClip {
        RecordingOutput* out;
        std::string path;
        Clip(RecordingOutput* o, std::string p) : out(o), path(std::move(p)) {}
        std::shared_ptr<TSoundChannel> cue() override {
            auto c = std::make_shared<RecordedChannel>();
            c->path = path;
            out->channels.push_back(c);
            return c;
        }
    };

    std::shared_ptr<TSoundClip> load(const std::string& path, int flags) override {
        loads.push_back(path + "|" + std::to_string(flags));
        if (broken.count(path)) return nullptr;
        return std::make_shared<Clip>(this, path);
    }

    // The channels cued for files whose path ends in `name`.
    std::vector<std::shared_ptr<RecordedChannel>> channelsOf(const std::string& name) const {
        std::vector<std::shared_ptr<RecordedChannel>> found;
        for (const auto& c : channels)
            if (c->path.size() >= name.size() &&
                c->path.compare(c->path.size() - name.size(), name.size(), name) == 0)
                found.push_back(c);
        return found;
    }
};
