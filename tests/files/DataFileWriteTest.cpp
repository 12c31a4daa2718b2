// Writing data files: setters, the saved text, and reading back what was saved.
#include <gtest/gtest.h>

#include <functional>

#include "TempDir.h"
#include "files/DataFile.h"

namespace {

std::string savedText(const TRCMFile& file) {
    TempDir dir;
    EXPECT_TRUE(file.save(dir.file("out.dat")));
    return readBytes(dir.file("out.dat"));
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
