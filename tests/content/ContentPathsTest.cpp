// The built program folder holds everything the game reads: the whole loading sequence runs without a
// picture, sound, font, text or data file that cannot be loaded, and every path named in the code exists.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <vector>

#include "../files/TempDir.h"
#include "app/LoadingScreen.h"
#include "app/Startup.h"
#include "engine/Engine.h"

namespace fs = std::filesystem;

namespace {

// Every string literal in the game's sources that names a file (with its extension) or a folder (ending in
// "/") below gfx/, data/ or txt/; pieces of names built at run time are left to the loading test. A GUI
// file is read from the language folder beside the name.
std::set<std::string> literalPaths() {
    std::set<std::string> paths;
    const std::regex literal("\"((gfx|data|txt)/[^\"]*)\"");
    for (const auto& entry : fs::recursive_directory_iterator(SOURCE_DIR "/src")) {
        if (!entry.is_regular_file()) continue;
        std::ifstream in(entry.path());
        std::string text((std::istreambuf_iterator<char>(in)), {});
        for (std::sregex_iterator it(text.begin(), text.end(), literal), end; it != end; ++it) {
            std::string p = (*it)[1];
            size_t tag;
            while ((tag = p.find("#LANG#")) != std::string::npos) p.replace(tag, 6, "en");
            if (p.back() != '/' && eng::ExtractExt(p).empty()) continue;
            if (eng::Lower(eng::ExtractExt(p)) == "gui") p = eng::ExtractDir(p) + "/en/" + eng::StripDir(p);
            paths.insert(p);
        }
    }
    return paths;
}

std::string lines(const std::vector<std::string>& items) {
    std::string out;
    for (const std::string& i : items) out += "\n  " + i;
    return out;
}

}  // namespace

TEST(Content, TheWholeLoadingSequenceLoadsEveryPictureSoundFontAndFile) {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs a display (the test command runs it under Xvfb)";
    // OpenAL's null output: the sounds are decoded and handed to a real device.
    setenv("ALSOFT_DRIVERS", "null", 1);
    eng::HeadlessConfig config;
    config.audio = true;
    eng::SetHeadless(config);
    TempDir user;
    commonFolderOverride = user.path.string();
    ASSERT_TRUE(eng::ChangeDir(GAME_DIR));
    eng::TakeLoadFailures();

    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();  // data file problems are reported there
    initGlobals();
    startGame();
    const std::string said = testing::internal::GetCapturedStdout() + testing::internal::GetCapturedStderr();

    EXPECT_EQ(eng::TakeLoadFailures(), std::vector<std::string>{}) << "could not be loaded:";
    EXPECT_EQ(said.find("Napotkano problem"), std::string::npos) << "a malformed data file:\n" << said;
    EXPECT_EQ(said.find("Couldn't load"), std::string::npos) << said;
    int steps = 0;
    for (int part = 1; part <= 5; ++part) steps += static_cast<int>(TLoadingScreen::steps(part).size());
    ASSERT_NE(loadingScreen, nullptr);
    EXPECT_EQ(loadingScreen->stepsRun, steps) << "the loading sequence stopped early";
}

TEST(Content, EveryPathNamedInTheCodeExistsAndLoads) {
    const std::set<std::string> paths = literalPaths();
    ASSERT_FALSE(paths.empty());
    std::vector<std::string> missing;
    eng::TakeLoadFailures();
    for (const std::string& rel : paths) {
        const std::string full = std::string(GAME_DIR) + "/" + rel;
        if (rel.back() == '/') {
            if (eng::FileType(full) != 2) missing.push_back(rel);
            continue;
        }
        if (eng::FileType(full) != 1) {
            missing.push_back(rel);
            continue;
        }
        const std::string ext = eng::Lower(eng::ExtractExt(rel));
        std::string text;
        if (ext == "png" || ext == "jpg") eng::LoadPixmap(full);
        if (ext == "ttf") eng::LoadImageFont(full, 24);
        if (ext == "ogg" || ext == "wav") eng::LoadSound(full);
        if ((ext == "txt" || ext == "dat" || ext == "gui") && eng::TryLoadText(full, text) &&
            eng::Trim(text).empty())
            missing.push_back(rel + " (empty)");
    }
    EXPECT_EQ(missing, std::vector<std::string>{}) << "missing:" << lines(missing);
    EXPECT_EQ(eng::TakeLoadFailures(), std::vector<std::string>{}) << "could not be loaded";
}

TEST(Content, LanguageFileNamesAnExistingLanguageFolder) {
    std::string code;
    ASSERT_TRUE(eng::TryLoadText(GAME_DIR "/txt/lang.txt", code));
    EXPECT_EQ(eng::Trim(code), "en");
    EXPECT_EQ(eng::FileType(GAME_DIR "/txt/" + eng::Trim(code)), 2);
}

TEST(Content, LoadingScreenPicturesFitTheScreen) {
    auto back = eng::LoadPixmap(GAME_DIR "/gfx/gui/loading/back.jpg");
    auto bars = eng::LoadPixmap(GAME_DIR "/gfx/gui/loading/bars.png");
    auto bar = eng::LoadPixmap(GAME_DIR "/gfx/gui/loading/loading.png");
    ASSERT_TRUE(back && bars && bar);
    EXPECT_EQ(back->width, 1024);
    EXPECT_EQ(back->height, 768);
    EXPECT_EQ(bars->width, 1024);
    EXPECT_EQ(bars->height, 768);
    EXPECT_LE(bar->width, 1024);
    // The overlay leaves the middle of the screen open.
    EXPECT_LT(bars->rgba[(384 * 1024 + 512) * 4 + 3], 32);
}
