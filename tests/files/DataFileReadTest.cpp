// Reading data files: groups, entries, values and lookups by key path.
#include <gtest/gtest.h>

#include <cmath>

#include "TempDir.h"
#include "files/DataFile.h"
#include "files/FileNumber.h"

namespace {

std::shared_ptr<TRCMFile> loadText(const std::string& text) {
    TempDir dir;
    writeBytes(dir.file("t.dat"), text);
    return loadDataFile(dir.file("t.dat"));
}

// Tab-indented, as the game writes it, plus the hand-written forms the reader must take.
const char* kLevel =
    "settings {\n"
    "\tfullScreen = 1\n"
    "\tsoundVolume = 0.500000000\n"
    "\tname = \"a, b\", \"c\"\n"
    "\tn = -3\n"
    "\tm = .5\n"
    "\tdup = \"first\"\n"
    "\tDUP = \"second\"\n"
    "\tpos = 10, -20\n"
    "\ttitle = \"x {y} = z\"\n"
    "\tnone =\n"
    "\tcrlf = \"line\"\r\n"
    "\tplace {\n"
    "\t\tdeep = \"yes\"\n"
    "\t}\n"
    "\n"
    "\tafter = 7\n"
    "}\n"
    "\n"
    "empty {\n"
    "\n"
    "}\n"
    "\n"
    "last {\n"
    "\tx = \"end\"\n"
    "}";

}  // namespace

TEST(DataFileRead, ValuesByKeyPath) {
    auto file = loadText(kLevel);
    struct Case {
        const char* path;
        int index;
        std::string text;
    } cases[] = {
        {"settings::fullScreen", 0, " 1"},
        {"SETTINGS::FULLSCREEN", 0, " 1"},
        {"settings::soundVolume", 0, " 0.500000000"},
        {"settings::name", 0, "a, b"},
        {"settings::name", 1, "c"},
        {"settings::n", 0, " -3"},
        {"settings::m", 0, ""},
        {"settings::dup", 0, "first"},
        {"settings::pos", 1, " -20"},
        {"settings::title", 0, "x {y} = z"},
        {"settings::none", 0, ""},
        {"settings::crlf", 0, "line"},
        {"settings::place::deep", 0, "yes"},
        // An entry after a sub-group belongs to the group under its own key.
        {"settings::after", 0, " 7"},
        {"settings::place \tafter", 0, ""},
        {"settings::place::after", 0, ""},
        {"last::x", 0, "end"},
        // Missing groups, entries and values read as empty.
        {"settings::name", 2, ""},
        {"settings::name", -1, ""},
        {"settings::missing", 0, ""},
        {"nothing::fullScreen", 0, ""},
        {"fullScreen", 0, ""},
        {"", 0, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(file->getString(c.path, c.index), c.text) << c.path << " " << c.index;
}

TEST(DataFileRead, NumbersAndEntryKinds) {
    auto file = loadText(kLevel);
    EXPECT_FLOAT_EQ(file->getFloat("settings::soundVolume"), 0.5f);
    EXPECT_FLOAT_EQ(file->getFloat("settings::pos", 1), -20.0f);
    EXPECT_FLOAT_EQ(file->getFloat("settings::n"), -3.0f);
    EXPECT_EQ(file->getFloat("settings::pos", 5), 0.0f);
    EXPECT_EQ(file->getFloat("settings::name"), 0.0f);
    auto settings = file->getGroup({"settings", "n"});
    ASSERT_NE(settings, nullptr);
    EXPECT_EQ(settings->getEntry("n")->_type, 1);
    EXPECT_EQ(settings->getEntry("m")->_type, 0);
    EXPECT_EQ(settings->getEntry("none")->_value, std::vector<std::string>{""});
}

TEST(DataFileRead, TreeKeepsFileOrder) {
    auto file = loadText(kLevel);
    auto root = file->_grupa;
    EXPECT_EQ(root->_id, "MAINGROUP");
    ASSERT_EQ(root->_listaGrup.size(), 3u);
    EXPECT_EQ(root->_listaGrup[0]->_id, "settings");
    EXPECT_EQ(root->_listaGrup[1]->_id, "empty");
    EXPECT_TRUE(root->_listaGrup[1]->_listaWpisow.empty());
    EXPECT_EQ(root->_listaGrup[2]->_id, "last");
    std::vector<std::string> keys;
    for (const auto& entry : root->_listaGrup[0]->_listaWpisow) keys.push_back(entry->_id);
    EXPECT_EQ(keys, (std::vector<std::string>{"fullScreen", "soundVolume", "name", "n", "m", "dup", "DUP",
                                              "pos", "title", "none", "crlf", "after"}));
}

TEST(DataFileRead, TextToFloatTakesTheLeadingNumber) {
    struct Case {
        const char* text;
        float value;
    } cases[] = {
        {" 0.5", 0.5f},      {"-2.5e2x", -250.0f},   {"+3", 3.0f},
        {".25", 0.25f},      {"7.", 7.0f},           {"1e", 1.0f},
        {"1e+2", 100.0f},    {"abc", 0.0f},          {"", 0.0f},
        {"-", 0.0f},         {"$10", 0.0f},          {"\t12,5", 12.0f},
        {"1e39", HUGE_VALF}, {"-1e400", -HUGE_VALF}, {"1e-50", 0.0f},
    };
    for (const Case& c : cases) EXPECT_FLOAT_EQ(textToFloat(c.text), c.value) << c.text;
}

TEST(DataFileRead, LookupsFollowTheGroupAsItChanges) {
    auto file = loadText("g {\n\ta = 1\n\tA = 2\n\tsub {\n\t\tx = 1\n\t}\n\tSUB {\n\t\tx = 2\n\t}\n}\n");
    auto g = file->_grupa->getGroup("G");
    ASSERT_TRUE(g);
    EXPECT_EQ(file->getFloat("g::a"), 1.0f) << "the first of two names that differ in case";
    EXPECT_EQ(file->getFloat("g::Sub::x"), 1.0f);
    // Appended entries and groups are found at once; an existing name keeps its first item.
    ASSERT_TRUE(file->setFloat("g::b", 3));
    ASSERT_TRUE(file->setFloat("g::new::x", 4));
    EXPECT_EQ(file->getFloat("g::B"), 3.0f);
    EXPECT_EQ(file->getFloat("g::NEW::x"), 4.0f);
    ASSERT_TRUE(file->setFloat("g::a", 5));
    EXPECT_EQ(g->_listaWpisow[0]->_value[0], "5.00000000");
    EXPECT_EQ(g->_listaWpisow[1]->_value[0], " 2");
    // A list changed in place is looked up afresh: the second "a" is now the first.
    g->_listaWpisow.erase(g->_listaWpisow.begin());
    g->_listaGrup.erase(g->_listaGrup.begin());
    EXPECT_EQ(file->getFloat("g::a"), 2.0f);
    EXPECT_EQ(file->getFloat("g::sub::x"), 2.0f);
    g->_listaWpisow.clear();
    EXPECT_FALSE(g->getEntry("a"));
    EXPECT_FALSE(g->getEntry("b"));
}

TEST(DataFileRead, TenThousandNumberedItemsAllReadBack) {
    std::string text = "list {\n\ti = 10000\n";
    for (int n = 1; n <= 10000; ++n)
        text += "\titem" + std::to_string(n) + " = " + std::to_string(n * 3) + "\n";
    auto file = loadText(text + "}\n");
    ASSERT_EQ(countItems(*file, "list::item", 1, readInt(*file, "list::i")), 10000);
    for (int n = 1; n <= 10000; n += 999) EXPECT_EQ(readInt(*file, "list::ITEM" + std::to_string(n)), n * 3);
}
