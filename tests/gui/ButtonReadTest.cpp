// Reading BUTTON declarations: types, keys and defaults, pictures and strips with their boxes, the fixture.
#include <gtest/gtest.h>

#include <filesystem>
#include <utility>

#include "core/Globals.h"
#include "gui/Button.h"
#include "gui/Gui.h"

namespace fs = std::filesystem;

namespace {

using Entries = std::vector<std::pair<std::string, std::string>>;

struct Made {
    std::shared_ptr<TButton> button;
    std::string messages;
};

Made make(const Entries& kv, int ox = 0, int oy = 0) {
    std::vector<TSimpleEntry> entries;
    for (const auto& [key, value] : kv) entries.push_back(TSimpleEntry{key, value});
    testing::internal::CaptureStdout();
    Made m;
    m.button = TButton::createFromList("b", entries, nullptr, ox, oy);
    m.messages = testing::internal::GetCapturedStdout();
    return m;
}

// An opaque picture of w x h pixels saved as a PNG file.
void writePicture(const std::string& path, int w, int h) {
    auto pm = std::make_shared<eng::PixmapData>();
    pm->width = w;
    pm->height = h;
    pm->rgba.assign(static_cast<size_t>(w) * h * 4, 200);
    ASSERT_TRUE(eng::SavePixmapPNG(pm, path));
}

// The read values of a button, in one line.
std::string describe(const TButton& b) {
    auto n = [](float v) { return std::to_string(static_cast<int>(v)); };
    return "typ " + n(b._typ) + " at " + n(b.dim->x) + "," + n(b.dim->y) + " kept " + n(b._pomRememberX) +
           "," + n(b._pomRememberY) + " rgb " + n(b.rgb.r) + " outline " +
           (b.outLine ? n(b.outLine->r) : "none") + " shadow " + n(b.shadowed) + " add " + n(b.dimAdX) + "," +
           n(b.dimAdY) + " dir " + n(b._dir) + " v " + n(b._v) + " a " + n(b._a);
}

}  // namespace

TEST(ButtonRead, KeysAndDefaults) {
    struct Case {
        Entries entries;
        int ox, oy;
        const char* read;     // describe() of the button, "" for no button
        const char* message;  // "" for none
    } cases[] = {
        // clang-format off
        {{}, 0, 0, "typ 0 at 0,0 kept 0,0 rgb 255 outline none shadow 0 add 0,0 dir 0 v 1 a 1", ""},
        // The type is matched with its letter case.
        {{{"TYP", "simple_button"}}, 0, 0, "", "Unknown button type : 'simple_button' !"},
        // Keys ignore case; two blanks make an empty piece, read as y.
        {{{"typ", "TEXT_BUTTON"}, {"position", "100  200"}}, 0, 0,
         "typ 4 at 100,0 kept 100,0 rgb 255 outline 255 shadow 0 add 0,0 dir 0 v 1 a 1", ""},
        // Offsets are added and a width ignored; a plain caption without colour is white.
        {{{"TYP", "TEXT_BUTTON"}, {"POSITION", "10 20 30"}, {"RGB", "-1 0 0"}, {"OUTLINE", "none"}}, 5, 7,
         "typ 4 at 15,27 kept 15,27 rgb 255 outline none shadow 0 add 0,0 dir 0 v 1 a 1", ""},
        // A caption on a picture may have no colour of its own.
        {{{"TYP", "TEXT_SPEC_BUTTON2"}, {"RGB", "-1 0 0"}, {"OUTLINE", "1 2 3"}, {"ADDDIM", "4 -5"}}, 0, 0,
         "typ 8 at 0,0 kept 0,0 rgb -1 outline 1 shadow 0 add 4,-5 dir 0 v 1 a 1", ""},
        {{{"TYP", "TEXT_SPEC_BUTTON6"}, {"SHADOW", "1"}, {"RGB", "10 20 30"}}, 0, 0,
         "typ 12 at 0,0 kept 0,0 rgb 10 outline 255 shadow 1 add 0,0 dir 0 v 1 a 1", ""},
        // Keys of other types are ignored.
        {{{"TYP", "TEXT_BUTTON"}, {"SHADOW", "1"}, {"ADDDIM", "4 5"}}, 0, 0,
         "typ 4 at 0,0 kept 0,0 rgb 255 outline 255 shadow 0 add 0,0 dir 0 v 1 a 1", ""},
        // Only "H" lays the frames side by side.
        {{{"TYP", "ANIM_BUTTON"}, {"SCHEMAT", "NORMAL 1"}, {"DIR", "h"}}, 0, 0,
         "typ 1 at 0,0 kept 0,0 rgb 255 outline none shadow 0 add 0,0 dir 1 v 1 a 1", ""},
        {{{"TYP", "ANIM_BUTTON"}, {"SCHEMAT", "NORMAL 1"}, {"DIR", "H"}}, 0, 0,
         "typ 1 at 0,0 kept 0,0 rgb 255 outline none shadow 0 add 0,0 dir 0 v 1 a 1", ""},
        // A later key replaces an earlier one.
        {{{"TYP", "TEXT_BUTTON"}, {"TYP", "TEXT_LIGHT_BUTTON"}, {"VISIBLE", "false"}, {"ACTIVE", "True"}},
         0, 0,
         "typ 14 at 0,0 kept 0,0 rgb 255 outline 255 shadow 0 add 0,0 dir 0 v 0 a 1", ""},
        {{{"TYP", "TEXT_BUTTON"}, {"FONT", "nothing"}}, 0, 0,
         "typ 4 at 0,0 kept 0,0 rgb 255 outline 255 shadow 0 add 0,0 dir 0 v 1 a 1",
         "Nie znaleziono czcionki : nothing"},
        {{{"TYP", "ANIM_BUTTON"}}, 0, 0,
         "typ 1 at 0,0 kept 0,0 rgb 255 outline none shadow 0 add 0,0 dir 0 v 1 a 1",
         "Nieprawidlowy schemat :"},
        // clang-format on
    };
    for (const auto& c : cases) {
        Made m = make(c.entries, c.ox, c.oy);
        EXPECT_EQ(m.button ? describe(*m.button) : "", c.read);
        if (*c.message)
            EXPECT_NE(m.messages.find(" >> BLAD! << : " + std::string(c.message)), std::string::npos)
                << c.read << "\n"
                << m.messages;
        else
            EXPECT_EQ(m.messages, "") << c.read;
    }
}

TEST(ButtonRead, PicturesStripsAndBoxes) {
    const fs::path dir = fs::temp_directory_path() / ("button-read-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    struct Case {
        const char* what;
        const char* typ;
        const char* schema;
        const char* direction;
        int pw, ph;  // picture size; 0: no picture file
        int frames, fw, fh;
        float x1, y1, x2, y2;
    } cases[] = {
        {"picture, mid-handled", "SIMPLE_BUTTON", "", "H", 40, 20, 1, 40, 20, 80, 90, 120, 110},
        {"four frames side by side", "FSTEP_BUTTON", "", "H", 160, 30, 4, 40, 30, 80, 85, 120, 115},
        {"odd frame size: the box uses whole halves", "FSTEP_BUTTON_PICROS", "", "H", 164, 31, 4, 41, 31, 80,
         85, 120, 115},
        {"stacked strip of the schema's frames", "ANIM_BUTTON", "NORMAL 1 2 OVER 3", "V", 30, 90, 3, 30, 30,
         85, 85, 115, 115},
        {"more frames than pixels", "ANIM_BUTTON", "NORMAL 1 12", "H", 8, 8, 8, 1, 8, 100, 96, 100, 104},
        {"a schema without frames is one picture", "ANIM_BUTTON", "NORMAL", "H", 30, 20, 1, 30, 20, 85, 90,
         115, 110},
        {"four frames of a too narrow picture", "FSTEP_BLEND_BUTTON", "", "H", 3, 6, 3, 1, 6, 100, 97, 100,
         103},
        {"missing picture", "FSTEP_BUTTON", "", "H", 0, 0, 0, 0, 0, 100, 100, 100, 100},
        {"missing picture", "TEXT_SPEC_BUTTON3", "", "H", 0, 0, 0, 0, 0, 100, 100, 100, 100},
    };
    int n = 0;
    for (const auto& c : cases) {
        const std::string file = (dir / ("p" + std::to_string(n++) + ".png")).string();
        if (c.pw > 0) writePicture(file, c.pw, c.ph);
        Made m = make({{"TYP", c.typ},
                       {"POSITION", "100 100"},
                       {"GFX", file},
                       {"SCHEMAT", c.schema},
                       {"DIR", c.direction}});
        ASSERT_TRUE(m.button) << c.what;
        const TButton& b = *m.button;
        EXPECT_EQ(eng::ImageFrames(b._image), c.frames) << c.what;
        EXPECT_EQ(eng::ImageWidth(b._image), c.fw) << c.what;
        EXPECT_EQ(eng::ImageHeight(b._image), c.fh) << c.what;
        EXPECT_EQ(std::vector<float>({b.dim->x1, b.dim->y1, b.dim->x2, b.dim->y2}),
                  std::vector<float>({c.x1, c.y1, c.x2, c.y2}))
            << c.what;
    }
    // Single pictures are masked, filtered and mipmapped; moving a button and counting again moves the box.
    writePicture((dir / "single.png").string(), 40, 20);
    auto b = make({{"GFX", (dir / "single.png").string()}, {"POSITION", "100 100"}}).button;
    EXPECT_EQ(eng::ImageFlags(b->_image), 7);
    b->dim->x = 300;
    b->CountDims();
    EXPECT_EQ(b->dim->x1, 280);
    EXPECT_EQ(b->dim->x2, 320);
    fs::remove_all(dir);
}

TEST(ButtonRead, CaptionBoxes) {
    eng::SetImageFont(nullptr);
    const float w = static_cast<float>(eng::TextWidth("Play")),
                h = static_cast<float>(eng::TextHeight("Play"));
    for (const char* typ : {"TEXT_BUTTON", "TEXT_LIGHT_BUTTON", "TEXT_SPEC_BUTTON6"}) {
        auto b = make({{"TYP", typ}, {"POSITION", "200 100"}, {"TXT", "Play"}}).button;
        EXPECT_EQ(b->dim->x1, 200 - w / 2) << typ;
        EXPECT_EQ(b->dim->y2, 100 + h / 2) << typ;
    }
    // The letter wave: each letter and 3 pixels, from the text's height up to the position.
    auto wave = make({{"TYP", "TEXT_SPEC_BUTTON1"}, {"POSITION", "200 100"}, {"TXT", "Ab"}}).button;
    const float letters = static_cast<float>(eng::TextWidth("A") + eng::TextWidth("b") + 6);
    EXPECT_EQ(wave->_textHeight, eng::TextHeight("O"));
    EXPECT_EQ(wave->dim->x1, 200 - letters / 2);
    EXPECT_EQ(wave->dim->x2, 200 + letters / 2);
    EXPECT_EQ(wave->dim->y1, 100 - wave->_textHeight);
    EXPECT_EQ(wave->dim->y2, 100);
}

// The fixture declares every type with the shared button pictures; it loads from the program folder
// without a message.
TEST(ButtonRead, FixtureLoadsEveryType) {
    const fs::path before = fs::current_path();
    fs::current_path(GAME_DIR);
    languageCode = "en";
    testing::internal::CaptureStdout();
    auto gui = loadGui(SOURCE_DIR "/tests/gui/fixtures/buttons.gui");
    const std::string messages = testing::internal::GetCapturedStdout();
    fs::current_path(before);
    EXPECT_EQ(messages, "");
    std::vector<int> seen(TButton::kTypes, 0);
    for (const auto& item : gui->_listaObiektow) {
        auto b = std::dynamic_pointer_cast<TButton>(item);
        ASSERT_TRUE(b) << item->_id;
        ++seen[b->_typ];
        const bool caption = b->_typ == TButton::kTextButton || b->_typ == TButton::kTextSpec1 ||
                             b->_typ == TButton::kTextSpec6 || b->_typ == TButton::kTextLightButton;
        EXPECT_EQ(b->_image != nullptr, !caption) << b->_id;
        EXPECT_TRUE(b->hasBox()) << b->_id;
    }
    for (int t = 0; t < TButton::kTypes; ++t) EXPECT_GT(seen[t], 0) << TButton::kTypeNames[t];
}
