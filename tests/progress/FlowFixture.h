// A program folder and a per-user folder of their own, flows written by the test, and a stand-in for the
// screen that plays nonogram entries (it records what the flow asked of it).
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "../files/TempDir.h"
#include "core/Globals.h"
#include "progress/FlowLevel.h"
#include "progress/LevelManager.h"
#include "progress/ProfileManager.h"

// A level in progress that writes one line: its file and how far it was played.
struct FakeLevel : TFlowLevel {
    int played = 0;
    int tutorial = 0;
    bool saveProgress(const std::string& path) const override {
        return eng::SaveText(url + "\n" + std::to_string(played), path);
    }
    int isTutorialLevel() const override { return tutorial; }
};

// One flow entry: kind, file, stage, level number.
struct Entry {
    std::string kind, url;
    int stage = 1, numer = 1;
};

class FlowFixture : public ::testing::Test {
  protected:
    TempDir game, user;
    std::vector<std::string> started, resumed;  // files the screen was asked to start / resume

    void SetUp() override {
        programPrefix = game.path.string() + "/";
        userFolder = user.path.string();
        std::filesystem::create_directories(game.path / "data");
        std::filesystem::create_directories(game.path / "txt/en");
        std::filesystem::create_directories(user.path / "Profiles");
        languageCode = "en";
        levelManager = TLevelManager();
        profileManager = std::make_shared<TProfileManager>();
        TLevelKind kind;
        kind.start = [this](const TLevelData& d) {
            started.push_back(d.url.substr(programPrefix.size()));
            auto level = std::make_shared<FakeLevel>();
            level->url = d.url;
            level->tutorial = d.url.find("tutorial") != std::string::npos;
            return level;
        };
        kind.load = [](const std::string& path) -> std::shared_ptr<TFlowLevel> {
            // "file\ncount", as FakeLevel writes it; anything else is no level.
            std::string text;
            const size_t nl = eng::TryLoadText(path, text) ? text.find('\n') : std::string::npos;
            if (nl == std::string::npos || nl + 1 >= text.size()) return nullptr;
            char* end = nullptr;
            const long played = std::strtol(text.c_str() + nl + 1, &end, 10);
            if (*end != '\0') return nullptr;
            auto level = std::make_shared<FakeLevel>();
            level->url = text.substr(0, nl);
            level->played = static_cast<int>(played);
            return level;
        };
        kind.resume = [this](const std::shared_ptr<TFlowLevel>& l) {
            resumed.push_back(std::static_pointer_cast<FakeLevel>(l)->url.substr(programPrefix.size()));
        };
        registerLevelKind("MAIN-GAME", kind);
    }
    void TearDown() override {
        unregisterLevelKinds();
        profileManager = nullptr;
        levelManager = TLevelManager();
    }

    // Writes data/<file> as a flow of `entries`; an entry with an empty kind has no "::gameType" key.
    void writeFlow(const std::string& file, const std::vector<Entry>& entries) {
        std::string text = "flow {\n\ti = " + std::to_string(entries.size()) + "\n";
        for (size_t i = 0; i < entries.size(); ++i) {
            const Entry& e = entries[i];
            text += "\tlevel" + std::to_string(i + 1) + " {\n\t\tnumer = " + std::to_string(e.numer) +
                    "\n\t\turl = \"" + e.url + "\"\n";
            if (!e.kind.empty()) text += "\t\tgameType = \"" + e.kind + "\"\n";
            text += "\t\tstageN = " + std::to_string(e.stage) + "\n\t\tbackground = 2\n\t}\n";
        }
        writeBytes(game.file("data/" + file), text + "}\n");
    }

    // A player with `flow` chosen, active in the manager.
    std::shared_ptr<TProfile> player(const std::string& flow = "CASUAL", const std::string& name = "ANN") {
        auto p = newProfileNamed(name);
        p->flowType = flow;
        profileManager->listaProfili.push_back(p);
        profileManager->profile = p;
        return p;
    }
};
