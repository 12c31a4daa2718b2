// Generators that copy content unchanged: texts, data tables and fonts; and the tiny mouse probe picture.
#include <filesystem>
#include <stdexcept>
#include <vector>

#include "Entries.h"
#include "SystemFonts.h"
#include "paint/Canvas.h"
#include "paint/ImageIO.h"

namespace fs = std::filesystem;

namespace gen {

namespace {

// Copies every file below `from` to the same relative place below `to` (overwriting).
void copyTree(const fs::path& from, const fs::path& to) {
    std::vector<fs::path> files;
    for (const auto& e : fs::recursive_directory_iterator(from))
        if (e.is_regular_file()) files.push_back(e.path());
    for (const fs::path& f : files) {
        const fs::path target = to / fs::relative(f, from);
        fs::create_directories(target.parent_path());
        fs::copy_file(f, target, fs::copy_options::overwrite_existing);
    }
}

void copyFile(const std::string& from, const std::string& to) {
    fs::copy_file(from, to, fs::copy_options::overwrite_existing);
}

}  // namespace

void genTexts(const Context& c) {
    const fs::path src = c.contentDir / "txt";
    if (!fs::is_directory(src)) throw std::runtime_error("missing " + src.string());
    copyTree(src, c.gameDir / "txt");
}

void genData(const Context& c) {
    const fs::path src = c.contentDir / "data";
    if (fs::is_directory(src)) copyTree(src, c.gameDir / "data");
}

void genGuiFiles(const Context& c) {
    const fs::path src = c.contentDir / "gui";
    if (fs::is_directory(src)) copyTree(src, c.gameDir / "gfx/gui");
    // The mini-games keep their GUI files beside their pictures.
    const fs::path mini = c.contentDir / "miniGames";
    if (fs::is_directory(mini)) copyTree(mini, c.gameDir / "gfx/miniGames");
    const fs::path story = c.contentDir / "story";
    if (fs::is_directory(story)) copyTree(story, c.gameDir / "gfx/story");
}

void genFonts(const Context& c) {
    copyFile(requireFont(kRoundedBold), c.out("gfx/fonts/font.ttf"));
    copyFile(requireFont(kSerifBold), c.out("gfx/fonts/storyFont.ttf"));
    copyFile(requireFont(kDisplay), c.out("gfx/fonts/berry.ttf"));  // the head-up display's rounded face
    copyFile(requireFont(kCondensedBold), c.out("gfx/fonts/bluehigh.ttf"));  // the pop-up's message text
}

void genPoint(const Context& c) {
    paint::writePng(paint::Canvas(3, 3, paint::kWhite), c.out("gfx/point.png"));
}

}  // namespace gen
