// The datafile command-line tool: get, getf, set, setf and resave on a temporary file.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>

#include "TempDir.h"

namespace {

struct ToolRun {
    int code;
    std::string out, err;
};

// Runs the tool with `args` (already quoted for the shell), keeping its standard output and error apart.
ToolRun datafile(const std::string& args) {
    TempDir dir;
    const std::string errPath = dir.file("stderr");
    const std::string command = std::string(BINARY_DIR "/tools/datafile ") + args + " 2>" + errPath;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return {-1, "", ""};
    std::string out;
    char buffer[256];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out, readBytes(errPath)};
}

}  // namespace

TEST(DataFileTool, SetsGetsAndResaves) {
    TempDir dir;
    const std::string f = dir.file("p.dat");
    EXPECT_EQ(datafile("set " + f + " profile::name 'Ann Lee'").code, 0);
    EXPECT_EQ(datafile("setf " + f + " profile::volume 0.25").code, 0);
    EXPECT_EQ(datafile("setf " + f + " profile::pos -20 1").code, 0);
    EXPECT_EQ(datafile("set " + f + " PROFILE::NAME Bo").code, 0);
    EXPECT_EQ(readBytes(f), "profile {\n\tname = \"Bo\"\n\tvolume = 0.250000000\n\tpos = 0, -20\n}\n\n");

    struct Case {
        std::string args, out;
    } cases[] = {
        {"get " + f + " profile::name", "Bo\n"},
        {"get " + f + " profile::volume", " 0.250000000\n"},
        {"getf " + f + " profile::volume", "0.25\n"},
        {"getf " + f + " profile::pos 1", "-20\n"},
    };
    for (const Case& c : cases) {
        const ToolRun run = datafile(c.args);
        EXPECT_EQ(run.code, 0) << c.args;
        EXPECT_EQ(run.out, c.out) << c.args;
    }

    EXPECT_EQ(datafile("resave " + f + " " + dir.file("copy.dat")).code, 0);
    EXPECT_EQ(readBytes(dir.file("copy.dat")), readBytes(f));
}

TEST(DataFileTool, ProblemsAndBadArguments) {
    TempDir dir;
    const std::string f = dir.file("p.dat");
    writeBytes(f, "a {\n\tb = 1\n}\n");
    const ToolRun missing = datafile("get " + dir.file("none.dat") + " a::b");
    EXPECT_EQ(missing.code, 1);
    EXPECT_EQ(missing.out, "");
    EXPECT_EQ(missing.err, "Napotkano problem : Nie znaleziono pliku : " + dir.file("none.dat") + "\n");

    // Messages go to the standard error alone; a value that is not there is a failure.
    writeBytes(dir.file("odd.dat"), "a {\n\tb = 1\n}\n}\n");
    for (const std::string& args : {"get " + dir.file("odd.dat") + " a::b", "get " + f + " a::c",
                                    "getf " + f + " a::b 1", "getf " + f + " b"}) {
        const ToolRun run = datafile(args);
        EXPECT_EQ(run.code, 1) << args;
        EXPECT_EQ(run.out, "") << args;
        EXPECT_NE(run.err, "") << args;
    }

    // Changes the file cannot hold are refused and leave it as it was.
    for (const std::string& args : {"set " + f + " a::b text", "set " + f + " b x", "setf " + f + " b 1",
                                    "set " + f + " 'a::c{d' v", "setf " + f + " 'a:: c' 1"}) {
        const ToolRun run = datafile(args);
        EXPECT_EQ(run.code, 1) << args;
        EXPECT_NE(run.err, "") << args;
        EXPECT_EQ(readBytes(f), "a {\n\tb = 1\n}\n") << args;
    }
    const std::string q = dir.file("q.dat");
    writeBytes(q, "g {\n\tb = \"x\"yz\n}\n");
    const ToolRun quoted = datafile("set " + q + " g::c '\"6\"'");
    EXPECT_EQ(quoted.code, 0);
    EXPECT_NE(quoted.err.find("dropped"), std::string::npos) << quoted.err;
    EXPECT_EQ(readBytes(q), "g {\n\tb = \"xy\"\n\tc = \"6\"\n}\n\n");
    EXPECT_EQ(datafile("get " + q + " g::c").out, "6\n");

    writeBytes(dir.file("broken.dat"), "a {\n");
    EXPECT_EQ(datafile("set " + dir.file("broken.dat") + " a::b 1").code, 1);
    EXPECT_EQ(readBytes(dir.file("broken.dat")), "a {\n");

    for (const std::string& args :
         {std::string(""), "get " + f, "get " + f + " a::b -1", "get " + f + " a::b x",
          "setf " + f + " a::b ten", "setf " + f + " a::b inf", "set " + f + " a::b", "resave " + f,
          "frob " + f}) {
        EXPECT_EQ(datafile(args).code, 2) << args;
    }
    EXPECT_EQ(readBytes(f), "a {\n\tb = 1\n}\n");
}
