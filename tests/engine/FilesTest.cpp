// Text encodings, safe saving, letter-case-tolerant paths and the path helpers.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "engine/Engine.h"

namespace fs = std::filesystem;

namespace {

struct TempDir {
    fs::path path;
    TempDir() {
        path = fs::temp_directory_path() / ("engine-files-" + std::to_string(::getpid()) + "-" +
                                            std::to_string(reinterpret_cast<uintptr_t>(this)));
        fs::create_directories(path);
    }
    ~TempDir() { fs::remove_all(path); }
    std::string file(const std::string& name) const { return (path / name).string(); }
};

std::string readBytes(const std::string& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeBytes(const std::string& p, const std::string& bytes) {
    std::ofstream out(p, std::ios::binary);
    out << bytes;
}

}  // namespace

TEST(TextFiles, EncodingIsChosenByByteOrderMark) {
    TempDir dir;
    struct Case {
        const char* name;
        std::string bytes;
        std::string text;  // as UTF-8
    } cases[] = {
        {"latin1", "caf\xE9\n", "caf\xC3\xA9\n"},
        {"utf8 bom",
         "\xEF\xBB\xBF"
         "caf\xC3\xA9",
         "caf\xC3\xA9"},
        {"utf16 le",
         std::string("\xFF\xFE"
                     "a\0\x42\x01",
                     6),
         "a\xC5\x82"},
        {"utf16 be", std::string("\xFE\xFF\0a\x01\x42", 6), "a\xC5\x82"},
        {"empty", "", ""},
    };
    for (const auto& c : cases) {
        writeBytes(dir.file("t.txt"), c.bytes);
        std::string text;
        ASSERT_TRUE(eng::TryLoadText(dir.file("t.txt"), text)) << c.name;
        EXPECT_EQ(text, c.text) << c.name;
    }
}

TEST(TextFiles, SaveWritesLatin1OrUtf16WithMark) {
    TempDir dir;
    ASSERT_TRUE(eng::SaveText("caf\xC3\xA9", dir.file("a.txt")));
    EXPECT_EQ(readBytes(dir.file("a.txt")), "caf\xE9");
    ASSERT_TRUE(eng::SaveText("a\xC5\x82", dir.file("b.txt")));
    EXPECT_EQ(readBytes(dir.file("b.txt")), std::string("\xFF\xFE"
                                                        "a\0\x42\x01",
                                                        6));
    std::string back;
    ASSERT_TRUE(eng::TryLoadText(dir.file("b.txt"), back));
    EXPECT_EQ(back, "a\xC5\x82");
}

TEST(TextFiles, TextThatBeginsLikeAByteOrderMarkReadsBackAsWritten) {
    // "þÿ", "ÿþ" and "ï»¿" in one byte each would be taken for a mark: such text is written as UTF-16.
    TempDir dir;
    for (const std::string text :
         {"\xC3\xBE\xC3\xBFpty {", "\xC3\xBF\xC3\xBE", "\xC3\xAF\xC2\xBB\xC2\xBFx"}) {
        ASSERT_TRUE(eng::SaveText(text, dir.file("m.txt")));
        std::string back;
        ASSERT_TRUE(eng::TryLoadText(dir.file("m.txt"), back));
        EXPECT_EQ(back, text);
    }
}

TEST(TextFiles, FailedSaveKeepsTheOldFileAndLeavesNoTemporary) {
    TempDir dir;
    ASSERT_TRUE(eng::SaveText("old", dir.file("keep.txt")));
    // A folder standing where the file should go cannot be replaced by a rename.
    fs::create_directories(dir.file("folder.txt"));
    testing::internal::CaptureStdout();
    EXPECT_FALSE(eng::SaveText("new", dir.file("folder.txt")));
    EXPECT_FALSE(eng::SaveText("new", dir.file("missing/inside.txt")));
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("Could not write"), std::string::npos);
    EXPECT_EQ(readBytes(dir.file("keep.txt")), "old");
    for (const auto& e : fs::directory_iterator(dir.path))
        EXPECT_EQ(e.path().filename().string().find(".tmp"), std::string::npos) << e.path();
}

TEST(Paths, FoundWithoutRegardToLetterCase) {
    TempDir dir;
    fs::create_directories(dir.path / "gfx" / "miniGames");
    writeBytes(dir.file("gfx/miniGames/Piece.png"), "x");
    EXPECT_EQ(eng::FileType(dir.file("gfx/minigames/piece.PNG")), 1);
    EXPECT_EQ(eng::FileType(dir.file("GFX/MINIGAMES")), 2);
    EXPECT_EQ(eng::FileType(dir.file("gfx/minigames/none.png")), 0);
    EXPECT_EQ(eng::ResolvePath(dir.file("gfx/minigames/piece.png")), dir.file("gfx/miniGames/Piece.png"));
    // Writing through another spelling replaces the existing file instead of making a second one.
    ASSERT_TRUE(eng::SaveText("y", dir.file("GFX/minigames/PIECE.png")));
    EXPECT_EQ(readBytes(dir.file("gfx/miniGames/Piece.png")), "y");
}

TEST(Paths, Helpers) {
    struct Case {
        std::string path, dir, strippedDir, ext, strippedExt, all;
    } cases[] = {
        {"gfx/gui/back.jpg", "gfx/gui", "back.jpg", "jpg", "gfx/gui/back", "back"},
        {"name", "", "name", "", "name", "name"},
        {"a.b/c", "a.b", "c", "", "a.b/c", "c"},
        {"dir/file.tar.gz", "dir", "file.tar.gz", "gz", "dir/file.tar", "file.tar"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(eng::ExtractDir(c.path), c.dir) << c.path;
        EXPECT_EQ(eng::StripDir(c.path), c.strippedDir) << c.path;
        EXPECT_EQ(eng::ExtractExt(c.path), c.ext) << c.path;
        EXPECT_EQ(eng::StripExt(c.path), c.strippedExt) << c.path;
        EXPECT_EQ(eng::StripAll(c.path), c.all) << c.path;
    }
    EXPECT_EQ(eng::RealPath("/a/b/../c"), "/a/c");
}

TEST(Paths, CopyDirCopiesTheTreeAndIgnoresNonFolders) {
    TempDir dir;
    fs::create_directories(dir.path / "old" / "Profiles" / "p1");
    writeBytes(dir.file("old/Profiles/p1/profile.dat"), "data");
    EXPECT_TRUE(eng::CopyDir(dir.file("old"), dir.file("new")));
    EXPECT_EQ(readBytes(dir.file("new/Profiles/p1/profile.dat")), "data");
    EXPECT_FALSE(eng::CopyDir(dir.file("old/Profiles/p1/profile.dat"), dir.file("other")));
    EXPECT_FALSE(fs::exists(dir.file("other")));
}

TEST(FileSystem, RenameReplacesTheTargetAndFileTimeTellsWhenItWasWritten) {
    TempDir dir;
    writeBytes(dir.file("new.dat"), "new");
    writeBytes(dir.file("old.dat"), "old");
    EXPECT_TRUE(eng::RenameFile(dir.file("new.dat"), dir.file("old.dat")));
    EXPECT_EQ(readBytes(dir.file("old.dat")), "new");
    EXPECT_EQ(eng::FileType(dir.file("new.dat")), 0);
    EXPECT_FALSE(eng::RenameFile(dir.file("missing.dat"), dir.file("other.dat")));

    fs::last_write_time(dir.file("old.dat"), fs::file_time_type::clock::now() - std::chrono::hours(48));
    const int64_t then = eng::FileTime(dir.file("old.dat"));
    writeBytes(dir.file("fresh.dat"), "x");
    EXPECT_GT(eng::FileTime(dir.file("fresh.dat")), then + 47 * 3600);
    EXPECT_EQ(eng::FileTime(dir.file("missing.dat")), 0);
    EXPECT_EQ(eng::FileTime(dir.path.string()), 0) << "a folder is no file";
}
