// Reading GUI description files: words and declarations, the key = value cycle and its errors, lookups.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "common/SmallStack.h"
#include "core/Globals.h"
#include "gui/Gui.h"
#include "gui/Mouse.h"
#include "gui/Text.h"
#include "gui/TextEntry.h"

namespace fs = std::filesystem;

namespace {

// Writes `text` as <tmp>/en/name.gui and loads it through loadGui; returns the container and the
// messages shown.
struct Loaded {
    std::shared_ptr<TGui> gui;
    std::string messages;
    int boxes = 0;
};

Loaded loadText(const std::string& text) {
    languageCode = "en";
    const fs::path dir = fs::temp_directory_path() / ("gui-test-" + std::to_string(::getpid()));
    fs::create_directories(dir / "en");
    std::ofstream(dir / "en" / "t.gui") << text;
    testing::internal::CaptureStdout();
    Loaded out;
    out.gui = loadGui((dir / "t.gui").string());
    out.messages = testing::internal::GetCapturedStdout();
    for (size_t at = 0; (at = out.messages.find("[message]", at)) != std::string::npos; ++at) ++out.boxes;
    fs::remove_all(dir);
    return out;
}

}  // namespace

TEST(GuiFile, WordsAndDeclarations) {
    auto decls =
        stworzListyTokenow("TEXT a { TXT = \"two words\" }\nBAR b {\n MENU m { X = 1 }\n}\nTEXT open {");
    ASSERT_EQ(decls.size(), 3u);
    EXPECT_EQ(decls[0], (std::vector<std::string>{"TEXT", "a", "{", "TXT", "=", "two words"}));
    EXPECT_EQ(decls[1], (std::vector<std::string>{"BAR", "b", "{", "MENU", "m", "{", "X", "=", "1", "}"}));
    EXPECT_EQ(decls[2], (std::vector<std::string>{"TEXT", "open", "{"}));  // still open at the end
}

TEST(GuiFile, OneLineAndOneWordPerLineLoadAlike) {
    const std::string oneLine =
        "TEXT Title { POSITION = \"100 200 300\" TXT = \"Hello there\" ALIGN = center }";
    std::string perWord;
    for (const auto& w : {"TEXT", "Title", "{", "POSITION", "=", "\"100 200 300\"", "TXT", "=",
                          "\"Hello there\"", "ALIGN", "=", "center", "}"})
        perWord += std::string(w) + "\n";
    for (const std::string& text : {oneLine, perWord}) {
        Loaded l = loadText(text);
        EXPECT_EQ(l.boxes, 0) << l.messages;
        auto t = std::dynamic_pointer_cast<TText>(l.gui->getItem("title"));  // ids ignore letter case
        ASSERT_TRUE(t);
        EXPECT_EQ(t->dim->x, 100);
        EXPECT_EQ(t->dim->y, 200);
        EXPECT_EQ(t->dim->w, 300);
        EXPECT_EQ(t->_txt, "Hello there");
        EXPECT_EQ(t->_align, 2);
    }
}

TEST(GuiFile, MalformedDeclarationsAreReportedInOneMessageAndSkipped) {
    struct Case {
        const char* text;
        const char* word;  // the word the message names
        int items;         // text items still made
    } cases[] = {
        {"TEXT a { POSITION = 100 200 TXT = x }", "Nieprawidlowy wpis :TXT",
         1},                                                       // unquoted pair shifts words
        {"TEXT a { TXT = x RGB }", "Nieprawidlowy wpis :RGB", 1},  // a final key without a value
        {"TEXT a { TXT = }", "Nieprawidlowy wpis :TXT", 1},        // "=" without a value
        {"TEXT a { FONT = nofont }", "Nie znaleziono czcionki : nofont", 1},
        {"FONT f { SIZE = 3 }", "Nie podano scierzki do czcionki.", 0},
        {"THEME t { }", "No path for theme file!", 0},
    };
    for (const auto& c : cases) {
        Loaded l = loadText(std::string(c.text) + "\nTEXT b { TXT = \"y\" }\nTEXT c { TXT = z QQ }\n");
        EXPECT_EQ(l.boxes, 1) << c.text << "\n" << l.messages;  // every problem of a file in one message
        EXPECT_NE(l.messages.find(" >> BLAD! << : " + std::string(c.word)), std::string::npos)
            << c.text << l.messages;
        EXPECT_EQ(static_cast<int>(l.gui->_listaObiektow.size()), c.items + 2) << c.text;
    }
}

TEST(GuiFile, DeclarationOfFewerThanThreeWordsIsReported) {
    Loaded l = loadText("TEXT b { TXT = y }\nTEXT a");
    EXPECT_EQ(l.boxes, 1);
    EXPECT_NE(l.messages.find("Nieprawidlowy wpis :TEXT"), std::string::npos) << l.messages;
    EXPECT_EQ(l.gui->_listaObiektow.size(), 1u);
}

TEST(GuiFile, MissingLanguageVersionGivesOneMessageAndAnEmptyContainer) {
    languageCode = "en";
    testing::internal::CaptureStdout();
    auto gui = loadGui("/nonexistent/screen.gui");
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_TRUE(gui->_listaObiektow.empty());
    EXPECT_NE(out.find("Plik : /nonexistent/en/screen.gui nie istenieje!"), std::string::npos) << out;
}

TEST(GuiFile, MenusNestedTooDeepAreLeftOut) {
    std::string text = "BAR b {\n";
    for (int i = 0; i < 10000; ++i) text += "MENU m" + std::to_string(i + 1) + " { CAPTION = x\n";
    for (int i = 0; i < 10000; ++i) text += "}\n";
    text += "}\nTEXT after { TXT = y }\n";
    Loaded l;
    ASSERT_TRUE(runOnSmallStack([&] { l = loadText(text); }));
    EXPECT_NE(l.messages.find(" : MENU m65 is nested deeper than 64 levels and is left out"),
              std::string::npos)
        << l.messages.substr(0, 2000);
    EXPECT_TRUE(l.gui->getItem("b"));
    EXPECT_TRUE(l.gui->getItem("after"));

    TGui gui;
    TSmallObject bar;
    const std::vector<std::vector<std::string>> words = stworzListyTokenow(text);
    testing::internal::CaptureStdout();
    ASSERT_TRUE(runOnSmallStack([&] { gui.readEntries(words[0], 3, words[0].size(), true, bar); }));
    testing::internal::GetCapturedStdout();
    int depth = 0;
    for (const TSmallObject* o = &bar; !o->_tokeny.empty() && o->_tokeny.back().object; ++depth)
        o = o->_tokeny.back().object.get();
    EXPECT_EQ(depth, 64);
}

TEST(GuiContainer, ClicksOverlapsVisibilityAndKeys) {
    TMouse m;
    TGui gui;
    auto make = [&](const std::string& id, int x) {
        auto item = std::make_shared<TGuiObject>();
        item->_id = id;
        item->_class = TGuiObject::kControl;
        item->dim = createDim(x, 0, 100, 100);
        gui.addItem(item);
        return item;
    };
    auto under = make("Under", 0), over = make("Over", 50);
    auto frame = [&](int x, int y, int pressed) {
        m.x = x;
        m.y = y;
        m.leftPressed = pressed;
        m.leftHolded = pressed;
        gui.update();
    };
    frame(75, 50, 1);
    EXPECT_EQ(gui._clicked, "Over");  // the later item wins
    EXPECT_EQ(gui.clickedItem("OVER"), 1);
    EXPECT_EQ(gui.clickedItem("under"), 0);
    frame(75, 50, 0);
    EXPECT_EQ(gui.clickedItem("over"), 0);  // a click holds for one frame
    EXPECT_EQ(gui._over, "Over");
    frame(100, 100, 1);  // edges are inside
    EXPECT_EQ(gui._clicked, "Over");
    over->setState(0, 1);
    frame(75, 50, 1);
    EXPECT_EQ(gui._clicked, "Under");
    under->setState(1, 0);
    under->setKey(13);
    eng::InjectKey(13, true);
    eng::InjectKey(13, false);
    frame(75, 50, 1);
    EXPECT_EQ(gui._clicked, "");  // neither the mouse nor the key reach an inactive item
    under->setState(1, 1);
    eng::InjectKey(13, true);
    eng::InjectKey(13, false);
    frame(500, 500, 0);
    EXPECT_EQ(gui._clicked, "Under");
}

TEST(GuiContainer, ItemsWithoutABoxNeverTakeTheMouse) {
    TMouse m;
    eng::FlushKeys();
    Loaded l = loadText("TEXT t { TXT = x }\nTEXTENTRY e { POSITION = \"0 0\" }\n");
    m.x = 0;
    m.y = 0;
    m.leftPressed = 1;
    l.gui->update();
    EXPECT_EQ(l.gui->_clicked, "");
    EXPECT_EQ(l.gui->_over, "");
}

TEST(TextEntry, TypingFilterLengthAndEnter) {
    struct Case {
        std::vector<int> codes;
        int maxChars;
        std::string text;
        int clicked;
    } cases[] = {
        {{'a', 'b', 'c'}, 2, "ab", 0},
        {{8, 'x', 8, 8}, 5, "", 0},
        {{'a', 13}, 5, "a", 1},
        {{'a', 9, 27, 1, 127, '"', 'b'}, 9, "ab", 0},  // control codes and quotes are not text
        {{0xE9, 0x142}, 5, "\xC3\xA9\xC5\x82", 0},
    };
    for (const auto& c : cases) {
        TTextEntry e;
        e._maxZnakow = c.maxChars;
        for (int code : c.codes) e.takeChar(code);
        EXPECT_EQ(e._txt, c.text);
        EXPECT_EQ(e._clicked, c.clicked);
    }
}

TEST(TextEntry, TypesOnlyWhileActive) {
    TTextEntry e;
    eng::FlushKeys();
    eng::InjectText("q");
    e._a = 0;
    e.updateMe(0, 0);
    EXPECT_EQ(e._txt, "");
    e._a = 1;
    e.updateMe(0, 0);
    EXPECT_EQ(e._txt, "q");
}

TEST(GuiFile, ReloadKeepsTheOffsetsAndNeedsTheFile) {
    const fs::path dir = fs::temp_directory_path() / ("gui-reload-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::string path = (dir / "r.gui").string();
    std::ofstream(path) << "TEXT t { POSITION = \"10 20\" TXT = a }";
    TGui gui;
    gui.Load(path, 100, 50);
    std::ofstream(path) << "TEXT t { POSITION = \"30 40\" TXT = b }";
    gui.reload();
    auto t = std::dynamic_pointer_cast<TText>(gui.getItem("t"));
    ASSERT_TRUE(t);
    EXPECT_EQ(t->dim->x, 130);
    EXPECT_EQ(t->dim->y, 90);
    EXPECT_EQ(t->_txt, "b");
    fs::remove_all(dir);
    gui.reload();  // the file is gone: the items stay
    EXPECT_TRUE(gui.getItem("t"));
}
