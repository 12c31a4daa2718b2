// Writing data files: setters, the saved text, and reading back what was saved.
#include <gtest/gtest.h>

#include <functional>

#include "TempDir.h"
#include "files/DataFile.h"

namespace {

std::string savedText(const TRCMFile& file) {
    TempDir dir;
    testing::internal::CaptureStderr();  // what the writer leaves out is reported there
    EXPECT_TRUE(file.save(dir.file("out.dat")));
    testing::internal::GetCapturedStderr();
    return readBytes(dir.file("out.dat"));
}

std::shared_ptr<TRCMFile> loadText(const std::string& text) {
    TempDir dir;
    writeBytes(dir.file("in.dat"), text);
    return loadDataFile(dir.file("in.dat"));
}

}  // namespace

TEST(DataFileWrite, SavedTextOfSetters) {
    struct Case {
        const char* name;
        std::function<void(TRCMFile&)> fill;
        std::string text;
    } cases[] = {
        {"settings example",
         [](TRCMFile& f) {
             f.setFloat("settings::fullScreen", 1);
             f.setFloat("settings::soundVolume", 0.5);
         },
         "settings {\n\tfullScreen = 1\n\tsoundVolume = 0.500000000\n}\n\n"},
        {"whole number", [](TRCMFile& f) { f.setFloat("a::b", 2.0); }, "a {\n\tb = 2\n}\n\n"},
        {"fraction", [](TRCMFile& f) { f.setFloat("a::b", 2.5); }, "a {\n\tb = 2.50000000\n}\n\n"},
        {"float rounding", [](TRCMFile& f) { f.setFloat("a::b", 0.1); }, "a {\n\tb = 0.100000001\n}\n\n"},
        {"negative and big", [](TRCMFile& f) { f.setFloat("a::b", -1e10); },
         "a {\n\tb = -1.00000000e+10\n}\n\n"},
        {"string at index 2", [](TRCMFile& f) { f.setString("a::b", "x", 2); },
         "a {\n\tb = \"\", \"\", \"x\"\n}\n\n"},
        {"number at index 2", [](TRCMFile& f) { f.setFloat("a::b", 3, 2); }, "a {\n\tb = 0, 0, 3\n}\n\n"},
        {"two values",
         [](TRCMFile& f) {
             f.setFloat("a::pos", 10);
             f.setFloat("A::POS", -20, 1);
         },
         "a {\n\tpos = 10, -20\n}\n\n"},
        {"root entries are not saved",
         [](TRCMFile& f) {
             f.setString("loose", "1");
             f.setString("a::b", "kept");
         },
         "a {\n\tb = \"kept\"\n}\n\n"},
        {"group without entries", [](TRCMFile& f) { f.setString("a::g::x", "v"); },
         "a {\n\n\tg {\n\t\tx = \"v\"\n\t}\n\n}\n\n"},
        {"entries before sub-groups",
         [](TRCMFile& f) {
             f.setString("a::g::x", "v");
             f.setFloat("a::y", 4);
             f.setString("b::z", "w");
         },
         "a {\n\ty = 4\n\tg {\n\t\tx = \"v\"\n\t}\n\n}\n\nb {\n\tz = \"w\"\n}\n\n"},
        {"quotes and line breaks dropped", [](TRCMFile& f) { f.setString("a::b", "say \"hi\"\r\nnow"); },
         "a {\n\tb = \"say hinow\"\n}\n\n"},
        {"bytes that are no UTF-8 dropped",
         [](TRCMFile& f) { f.setString("a::b", "\xC3\xA9\x95\xC3x\xED\xA0\x80"); },
         "a {\n\tb = \"\xE9x\"\n}\n\n"},
        {"string into a number entry",
         [](TRCMFile& f) {
             f.setFloat("a::b", 1.5);
             f.setString("a::b", "abc");
         },
         "a {\n\tb = 0\n}\n\n"},
        {"number into a string entry",
         [](TRCMFile& f) {
             f.setString("a::b", "abc");
             f.setFloat("a::b", 1);
         },
         "a {\n\tb = \"1.00000000\"\n}\n\n"},
        {"negative index ignored", [](TRCMFile& f) { f.setString("a::b", "x", -1); }, ""},
        {"nothing set", [](TRCMFile&) {}, ""},
    };
    for (const Case& c : cases) {
        auto file = newDataFile();
        c.fill(*file);
        EXPECT_EQ(savedText(*file), c.text) << c.name;
    }
}

TEST(DataFileWrite, SetFloatStoresNineDigits) {
    auto file = newDataFile();
    file->setFloat("a::b", 0.5);
    EXPECT_EQ(file->getString("a::b"), "0.500000000");
    EXPECT_FLOAT_EQ(file->getFloat("a::b"), 0.5f);
}

TEST(DataFileWrite, WritingLeavesTheEntryUnchanged) {
    TRCMEntry entry;
    entry._id = "b";
    entry._type = 1;
    entry.setValue("2", 1);
    EXPECT_EQ(entry.toTxt(), "b = 0, 2");
    EXPECT_EQ(entry._value, (std::vector<std::string>{"", "2"}));
    entry._value.clear();
    EXPECT_EQ(entry.toTxt(), "b = 0");
    entry._type = 0;
    EXPECT_EQ(entry.toTxt(), "b = \"\"");
}

TEST(DataFileWrite, LoadAndSaveKeepsTheText) {
    const std::string text =
        "level {\n"
        "\tname = \"Stones, {and} = sticks\", \"b\"\n"
        "\tspeed = 0.500000000\n"
        "\tscale = 1.5e3\n"
        "\tcount = 3\n"
        "\tpos = 10, -20\n"
        "\tgrid {\n"
        "\n"
        "\t\trow1 {\n"
        "\t\t\tcells = \"x.x\"\n"
        "\t\t}\n"
        "\n"
        "\t}\n"
        "\n"
        "}\n"
        "\n"
        "other {\n"
        "\n"
        "}\n"
        "\n";
    TempDir dir;
    writeBytes(dir.file("in.dat"), text);
    auto file = loadDataFile(dir.file("in.dat"));
    EXPECT_EQ(savedText(*file), text);
    EXPECT_EQ(file->getString("level::grid::row1::cells"), "x.x");
}

TEST(DataFileWrite, SetChangesTheFirstOfDuplicates) {
    TempDir dir;
    writeBytes(dir.file("in.dat"), "a {\n\tb = \"one\"\n\tB = \"two\"\n}\n");
    auto file = loadDataFile(dir.file("in.dat"));
    file->setString("A::b", "new");
    EXPECT_EQ(savedText(*file), "a {\n\tb = \"new\"\n\tB = \"two\"\n}\n\n");
}

TEST(DataFileWrite, SavedValuesReadBack) {
    TempDir dir;
    auto file = newDataFile();
    const std::vector<std::string> values = {
        "plain", "with, comma", "{braces}", "a = b", "\xC5\xBC\xC3\xB3\xC5\x82w", "", "\"quoted\""};
    for (size_t i = 0; i < values.size(); ++i) file->setString("texts::t", values[i], static_cast<int>(i));
    file->setFloat("texts::g::speed", 0.1);
    ASSERT_TRUE(file->save(dir.file("t.dat")));
    auto back = loadDataFile(dir.file("t.dat"));
    for (size_t i = 0; i < values.size(); ++i)
        EXPECT_EQ(back->getString("texts::t", static_cast<int>(i)),
                  file->getString("texts::t", static_cast<int>(i)))
            << i;
    EXPECT_EQ(back->getString("texts::t", 6), "quoted");
    EXPECT_FLOAT_EQ(back->getFloat("texts::g::speed"), 0.1f);
}

TEST(DataFileWrite, DamagedFilesAreSavedSoThatTheyReadBack) {
    struct Case {
        const char* name;
        std::string text;
        const char* key;
        std::string value;  // what the key reads after a change is saved and read back
    } cases[] = {
        {"quote inside a value", "g {\n\tb = \"x\"yz\n}\n", "g::b", "xy"},
        {"quoted stretch over two lines", "g {\n\tb = \"x\n\t{ k\" = 1\n\ta = \"y\"\n}\n", "g::a", "y"},
        {"quoted brace ending up in a key", "g {\n\tb = 1\"\n\tx{\" = 2\n\ta = \"y\"\n}\n", "g::a", "y"},
        {"quote in a number", "g {\n\tb = 1.5\"x\n\ta = \"\n}\n", "g::b", " 1.5"},
        {"hand-written value ending in a letter of two bytes", "g {\n\tb = xyz\xBC\n}\n", "g::b", "yz"},
        {"number text that is no number", "g {\n\tb = 2, .5x, $10, 1e39x\n}\n", "g::b", " 2"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        auto file = loadText(c.text);
        file->setFloat("g::c", 6);
        const std::string saved = savedText(*file);
        writeBytes(dir.file("out.dat"), saved);
        auto back = loadDataFile(dir.file("out.dat"));
        EXPECT_EQ(back->getFloat("g::c"), 6.0f) << c.name << "\n" << saved;
        EXPECT_EQ(back->getString(c.key), c.value) << c.name << "\n" << saved;
        EXPECT_EQ(savedText(*back), saved) << c.name;  // and it stays that way
    }
    auto numbers = loadText(cases[5].text);
    EXPECT_EQ(savedText(*numbers), "g {\n\tb = 2, 0.5, 0, 1e39\n}\n\n");
}

TEST(DataFileWrite, SettersRefuseNamesTheFileCannotHold) {
    std::string tooDeep;
    for (int i = 0; i < 65; ++i) tooDeep += "g::";
    for (const std::string& path :
         {std::string("g::a{b"), std::string("g::a}b"), std::string("g::a=b"), std::string("g::a\"b"),
          std::string("g::a\nb"), std::string("g:: a"), std::string("g::a\t"), std::string("a{::b"),
          std::string("g::a\x95"), tooDeep + "x"}) {
        auto file = newDataFile();
        testing::internal::CaptureStderr();
        EXPECT_FALSE(file->setString(path, "v")) << path;
        EXPECT_FALSE(file->setFloat(path, 1)) << path;
        EXPECT_NE(testing::internal::GetCapturedStderr().find("cannot set"), std::string::npos) << path;
        EXPECT_EQ(savedText(*file), "") << path;
    }
    // Names that can be written read back, an empty group name too.
    TempDir dir;
    auto file = newDataFile();
    const std::vector<std::string> paths = {"g::a,b", "g::a b", "::x", tooDeep.substr(3) + "x"};
    for (const std::string& path : paths) EXPECT_TRUE(file->setString(path, path)) << path;
    ASSERT_TRUE(file->save(dir.file("t.dat")));
    auto back = loadDataFile(dir.file("t.dat"));
    for (const std::string& path : paths) EXPECT_EQ(back->getString(path), path) << path;
}

TEST(DataFileWrite, TreesWithNamesTheFileCannotHoldLeaveThemOut) {
    auto file = newDataFile();
    file->setString("g::keep", "k");
    file->setString("g::sub::x", "y");
    file->getGroup({"g", "keep"})->getEntry("keep")->_id = "a=b";
    file->getGroup({"g", "sub", "x"})->_id = "s{";
    file->setString("loose", "1");
    TempDir dir;
    testing::internal::CaptureStderr();
    ASSERT_TRUE(file->save(dir.file("t.dat")));
    const std::string printed = testing::internal::GetCapturedStderr();
    EXPECT_EQ(readBytes(dir.file("t.dat")), "g {\n\n}\n\n");
    for (const char* word : {"\"a=b\"", "\"s{\"", "\"loose\""})
        EXPECT_NE(printed.find(word), std::string::npos) << word << " in " << printed;
}
