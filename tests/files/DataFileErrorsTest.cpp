// Data files that are missing, unreadable, broken or nested too deep: the message and what is read.
#include <gtest/gtest.h>

#include <filesystem>

#include "TempDir.h"
#include "common/SmallStack.h"
#include "files/DataFile.h"

namespace {

// Loads `path` and returns what was printed on the standard error.
std::string loadPrinting(const std::string& path, std::shared_ptr<TRCMFile>& file) {
    testing::internal::CaptureStderr();
    file = loadDataFile(path);
    return testing::internal::GetCapturedStderr();
}

}  // namespace

TEST(DataFileErrors, BraceMismatchIsReportedAndReadsEmpty) {
    TempDir dir;
    writeBytes(dir.file("b.dat"), "a {\n\tx = 1\n\tb {\n\t\ty = \"}\"\n\t}\n\tc {\n}\n");
    std::shared_ptr<TRCMFile> file;
    EXPECT_EQ(loadPrinting(dir.file("b.dat"), file),
              "Napotkano problem : Blad nawiasow klamrowych! \"{\" - 3 \"}\" - 2\n");
    EXPECT_TRUE(file->_grupa->_listaGrup.empty());
    EXPECT_EQ(file->getString("a::x"), "");
}

TEST(DataFileErrors, BracesInsideQuotesAreText) {
    TempDir dir;
    writeBytes(dir.file("q.dat"), "a {\n\tx = \"}{}\"\n\ty = \"{\"\n}\nb {\n\tz = 2\n}\n");
    std::shared_ptr<TRCMFile> file;
    EXPECT_EQ(loadPrinting(dir.file("q.dat"), file), "");
    EXPECT_EQ(file->getString("a::x"), "}{}");
    EXPECT_EQ(file->getString("a::y"), "{");
    EXPECT_EQ(file->getFloat("b::z"), 2.0f);
}

TEST(DataFileErrors, NothingReadableAtThePathReadsAsMissing) {
    TempDir dir;
    std::filesystem::create_directories(dir.file("folder.dat"));
    for (const std::string& path : {dir.file("none.dat"), dir.file("folder.dat")}) {
        std::shared_ptr<TRCMFile> file;
        EXPECT_EQ(loadPrinting(path, file), "Napotkano problem : Nie znaleziono pliku : " + path + "\n");
        EXPECT_TRUE(file->_grupa->_listaGrup.empty());
        EXPECT_EQ(file->getString("a::b"), "");
        EXPECT_EQ(file->getFloat("a::b"), 0.0f);
    }
}

TEST(DataFileErrors, UnreadableFileReadsEmpty) {
    TempDir dir;
    const std::string path = dir.file("locked.dat");
    writeBytes(path, "a {\n\tb = 1\n}\n");
    std::filesystem::permissions(path, std::filesystem::perms::none);
    if (!readBytes(path).empty()) GTEST_SKIP() << "this user can read files without permission";
    std::shared_ptr<TRCMFile> file;
    EXPECT_EQ(loadPrinting(path, file), "Napotkano problem : Nie mozna odczytac pliku : " + path + "\n");
    EXPECT_EQ(file->getString("a::b"), "");
}

TEST(DataFileErrors, FileAfterAFailedLoadCanStillBeWritten) {
    TempDir dir;
    std::shared_ptr<TRCMFile> file;
    loadPrinting(dir.file("new.dat"), file);
    file->setFloat("s::v", 3);
    ASSERT_TRUE(file->save(dir.file("new.dat")));
    EXPECT_EQ(readBytes(dir.file("new.dat")), "s {\n\tv = 3\n}\n\n");
}

TEST(DataFileErrors, StrayTextIsNoError) {
    TempDir dir;
    std::shared_ptr<TRCMFile> file;
    // A line without "=" joins the next entry's key; "}" and the end of the text end groups quietly.
    writeBytes(dir.file("s.dat"), "a {\n\tnote\n\tb = 1\n\tc = 2 }\nd {\n\te = 3\n}\n");
    EXPECT_EQ(loadPrinting(dir.file("s.dat"), file), "");
    EXPECT_EQ(file->getString("a::note\tb"), " 1");
    EXPECT_EQ(file->getString("a::c"), "");
    EXPECT_EQ(file->getFloat("d::e"), 3.0f);
}

TEST(DataFileErrors, DeepNestingIsCutAtTheCapAndTheRestIsRead) {
    TempDir dir;
    const std::string path = dir.file("deep.dat");
    std::string text = "a {\n\tv = 1\n}\n";
    for (int i = 0; i < 20000; ++i)
        text += "d" + std::to_string(i + 1) + " {\n\tn = " + std::to_string(i + 1) + "\n";
    text += std::string(20000, '}') + "\nz {\n\tw = \"{\"\n}\n";
    writeBytes(path, text);
    std::shared_ptr<TRCMFile> file;
    std::string printed;
    ASSERT_TRUE(runOnSmallStack([&] { printed = loadPrinting(path, file); }));
    EXPECT_EQ(printed,
              "Napotkano problem : " + path + " : groups nested deeper than 64 levels are left out\n");
    EXPECT_EQ(file->getFloat("a::v"), 1.0f);
    EXPECT_EQ(file->getString("z::w"), "{");
    std::string deepest;
    for (int i = 1; i <= 64; ++i) deepest += "d" + std::to_string(i) + "::";
    EXPECT_EQ(file->getFloat(deepest + "n"), 64.0f);
    EXPECT_EQ(file->getGroup(splitText(deepest + "d65::n", "::")), nullptr);

    // What was read is saved and reads back whole.
    ASSERT_TRUE(file->save(dir.file("again.dat")));
    auto again = loadDataFile(dir.file("again.dat"));
    EXPECT_EQ(again->getFloat(deepest + "n"), 64.0f);
    EXPECT_EQ(again->getString("z::w"), "{");
}
