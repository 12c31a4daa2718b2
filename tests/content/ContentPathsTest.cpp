// Every content path the game's code reads exists in the built program folder and loads.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <vector>

#include "engine/Engine.h"

namespace fs = std::filesystem;

namespace {

// Paths the code builds from pieces (language folder, numbers); the literal scan cannot see them whole.
const char* kBuiltPaths[] = {
    "gfx/captions/cyfry/0.png",
    "gfx/captions/cyfry/1.png",
    "gfx/captions/cyfry/2.png",
    "gfx/captions/cyfry/3.png",
    "gfx/captions/cyfry/4.png",
    "gfx/captions/cyfry/5.png",
    "gfx/captions/cyfry/6.png",
    "gfx/captions/cyfry/7.png",
    "gfx/captions/cyfry/8.png",
    "gfx/captions/cyfry/9.png",
    "gfx/captions/txt/en/fantastic.png",
    "gfx/captions/txt/en/great.png",
    "gfx/captions/txt/en/level-completed.png",
    "gfx/captions/txt/en/magnificent.png",
    "gfx/captions/txt/en/superb.png",
    "gfx/gui/loading/en/logo.png",
    "txt/en/name.txt",
    "txt/lang.txt",
};

// Pictures made for every tile size: <s> stands for the size names 50, 36, 30, 24 and 20, <d> for the
// digits 0 to 9.
const char* kSizedPaths[] = {
    "gfx/tiles/over-size-<s>.png",
    "gfx/tresures/rock-size-<s>.png",
    "gfx/efekty/rock-<s>.png",
    "gfx/numbers/<d>-<s>.png",
};

std::vector<std::string> expandSized(const std::string& pattern) {
    std::vector<std::string> out;
    for (const char* size : {"50", "36", "30", "24", "20"})
        for (int d = 0; d < 10; ++d) {
            std::string p = pattern;
            size_t at;
            if ((at = p.find("<s>")) != std::string::npos) p.replace(at, 3, size);
            const bool digits = (at = p.find("<d>")) != std::string::npos;
            if (digits) p.replace(at, 3, std::to_string(d));
            out.push_back(p);
            if (!digits) break;
        }
    return out;
}

// The main game's pictures, named in pieces by its set-up and its GUI file.
std::vector<std::string> mainGamePaths() {
    const std::string dir = "gfx/gui/mainGame/";
    std::vector<std::string> out = {dir + "en/game.gui"};
    for (const char* name :
         {"gui.png",        "chest-back.png",    "chest-front.png", "chest.pnt",    "chest-cover.png",
          "worek.png",      "punkt.png",         "klepsydra.png",   "gwiazda.png",  "ramka-powerup.png",
          "shell-over.png", "gradient-left.png", "gradient-up.png", "divLeft.png",  "divUp.png",
          "back.png",       "scarabNormal.png",  "hint-anim.png",   "btn-menu.png", "btn-skip.png"})
        out.push_back(dir + name);
    for (const char* tool : {"reka-", "hak-"})
        for (const char* state : {"over", "click", "normal"}) out.push_back(dir + tool + state + ".png");
    for (const char* power : {"sword", "medallion", "map", "eye", "skull"})
        out.push_back(dir + "pu-" + power + "_4.png");
    for (int i = 0; i < 21; ++i) out.push_back(dir + "frame" + std::to_string(i) + ".png");
    for (int i = 0; i < 5; ++i) {
        out.push_back(dir + "darker" + std::to_string(i) + ".png");
        out.push_back(dir + "grid-" + std::to_string(i) + ".png");
    }
    for (int i = 1; i <= 19; ++i) out.push_back("gfx/particles/chest/part-" + std::to_string(i) + ".png");
    for (int i = 1; i <= 6; ++i) out.push_back("gfx/backgrounds/background-" + std::to_string(i) + ".jpg");
    return out;
}

// Every string literal in the game's sources that names something below gfx/, data/ or txt/.
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
            paths.insert(p);
        }
    }
    return paths;
}

}  // namespace

TEST(Content, EveryPathTheCodeReadsExistsAndLoads) {
    std::set<std::string> paths = literalPaths();
    ASSERT_FALSE(paths.empty());
    for (const char* p : kBuiltPaths) paths.insert(p);
    for (const std::string& p : mainGamePaths()) paths.insert(p);
    for (const char* pattern : kSizedPaths)
        for (const std::string& p : expandSized(pattern)) paths.insert(p);
    for (const std::string& rel : paths) {
        const std::string full = std::string(GAME_DIR) + "/" + rel;
        if (rel.back() == '/') {
            EXPECT_EQ(eng::FileType(full), 2) << "missing folder " << rel;
            continue;
        }
        ASSERT_EQ(eng::FileType(full), 1) << "missing file " << rel;
        const std::string ext = eng::Lower(eng::ExtractExt(rel));
        if (ext == "png" || ext == "jpg") {
            EXPECT_TRUE(eng::LoadPixmap(full)) << "undecodable picture " << rel;
        }
        if (ext == "ttf") {
            EXPECT_TRUE(eng::LoadImageFont(full, 24)) << "unrenderable font " << rel;
        }
        if (ext == "txt") {
            std::string text;
            EXPECT_TRUE(eng::TryLoadText(full, text)) << rel;
            EXPECT_FALSE(eng::Trim(text).empty()) << "empty text file " << rel;
        }
    }
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
