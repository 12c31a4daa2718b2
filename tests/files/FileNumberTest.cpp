// Whole numbers and list lengths from data files: out-of-range values and lying counts are reported.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "TempDir.h"
#include "files/DataFile.h"
#include "files/FileNumber.h"

TEST(FileNumbers, ValuesBeyondAnIntAreClampedAndReported) {
    const struct {
        double value;
        int expected;
        bool reported;
    } cases[] = {
        {2.9, 2, false},
        {-2.9, -2, false},
        {1e9, 1000000000, false},
        {1e30, kFileIntLimit, true},
        {-1e30, -kFileIntLimit, true},
        {std::numeric_limits<double>::infinity(), kFileIntLimit, true},
        {std::nan(""), 0, true},
    };
    for (const auto& c : cases) {
        testing::internal::CaptureStderr();
        EXPECT_EQ(checkedInt(c.value, "f.dat: a::b"), c.expected) << c.value;
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_EQ(said.find("f.dat: a::b") != std::string::npos, c.reported) << c.value << ": " << said;
    }
}

TEST(FileNumbers, ListsAreAsLongAsTheItemsThatExistWhateverTheirCountSays) {
    TempDir dir;
    writeBytes(dir.file("t.dat"),
               "list {\n\ti = 2000000000\n\tp1 = 5\n\tp2 = 6\n\tp4 = 8\n\tt1 {\n\t\tid = 1\n\t}\n}\n");
    TRCMFile file;
    ASSERT_TRUE(file.Load(dir.file("t.dat")));
    testing::internal::CaptureStderr();
    EXPECT_EQ(countItems(file, "list::p", 1, readInt(file, "list::i")), 2);  // p4 is past the gap
    const std::string said = testing::internal::GetCapturedStderr();
    for (const char* what : {"t.dat: list::i: 2000000000 is out of range; 1000000000 is used",
                             "t.dat: 1000000000 items of \"list::p\" are declared and 2 found"})
        EXPECT_NE(said.find(what), std::string::npos) << said;
    // Groups count as items too, and a count that agrees says nothing.
    testing::internal::CaptureStderr();
    EXPECT_EQ(countItems(file, "list::t", 1, 1), 1);
    EXPECT_EQ(countItems(file, "list::p", 0, 0), 0);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}
