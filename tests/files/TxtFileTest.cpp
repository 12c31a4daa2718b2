// Localised text files: line numbering, the language tag in paths, and missing files.
#include <gtest/gtest.h>

#include <filesystem>

#include "TempDir.h"
#include "core/Globals.h"
#include "files/TxtFile.h"

namespace {
const std::string kBeyond = "(BEYOND TEXT ARRAY LENGTH!)";
}

TEST(TxtFile, EveryLineFeedEndsALine) {
    struct Case {
        const char* name;
        std::string bytes;
        std::vector<std::string> lines;
    } cases[] = {
        {"empty line kept", "a\n\nb\n", {"a", "", "b"}},
        {"no final line feed", "a\nb", {"a", "b"}},
        {"only line feeds", "\n\n", {"", ""}},
        {"empty file", "", {}},
        {"carriage returns and blanks stay", " a \r\nb\r\n", {" a \r", "b\r"}},
        {"utf-16 with mark",
         std::string("\xFF\xFE"
                     "a\0\n\0\x42\x01",
                     8),
         {"a", "\xC5\x82"}},
    };
    TempDir dir;
    for (const Case& c : cases) {
        writeBytes(dir.file("t.txt"), c.bytes);
        auto file = loadTxtFile(dir.file("t.txt"));
        EXPECT_EQ(file->txt, c.lines) << c.name;
        EXPECT_EQ(file->lines(), static_cast<int>(c.lines.size())) << c.name;
    }
}

TEST(TxtFile, LinesCountFromOne) {
    TempDir dir;
    writeBytes(dir.file("t.txt"), "a\n\nb\n");
    auto file = loadTxtFile(dir.file("t.txt"));
    struct Case {
        int n;
        std::string line;
    } cases[] = {{1, "a"}, {2, ""}, {3, "b"}, {4, kBeyond}, {0, kBeyond}, {-1, kBeyond}};
    for (const Case& c : cases) EXPECT_EQ(getLine(file, c.n), c.line) << c.n;
    EXPECT_EQ(getLine(nullptr, 1), kBeyond);
}

TEST(TxtFile, LanguageTagStandsForTheLanguageFolder) {
    TempDir dir;
    std::filesystem::create_directories(dir.file("txt/pl"));
    writeBytes(dir.file("txt/pl/menu_pl.txt"), "Graj\n");
    const std::string saved = languageCode;
    languageCode = "pl";
    auto file = loadTxtFile(dir.file("txt/#LANG#/menu_#LANG#.txt"));
    languageCode = saved;
    EXPECT_EQ(getLine(file, 1), "Graj");
}

TEST(TxtFile, MissingFileIsReportedAndEmpty) {
    TempDir dir;
    testing::internal::CaptureStdout();
    auto file = loadTxtFile(dir.file("none.txt"));
    const std::string printed = testing::internal::GetCapturedStdout();
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->lines(), 0);
    EXPECT_EQ(getLine(file, 1), kBeyond);
    EXPECT_NE(printed.find(dir.file("none.txt")), std::string::npos) << printed;
}
