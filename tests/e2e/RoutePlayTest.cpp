// The route puzzle through the driver: a bot turns the blocks into the level's stored solution and the
// lightning runs; another level is passed with the skip gauge once it is full.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

#include "DriverRun.h"
#include "Grabs.h"

namespace {

// The quoted rows of a group ("blocks" or "solution") of a route level file in the content sources.
std::vector<std::vector<int>> rowsOf(const std::string& name, const std::string& group, bool orientation) {
    std::ifstream in(std::string(SOURCE_DIR) + "/content/data/routes/" + name + ".dat");
    std::vector<std::vector<int>> rows;
    bool inside = false;
    for (std::string line; std::getline(in, line);) {
        if (line.find(group + " {") != std::string::npos) inside = true;
        if (!inside) continue;
        if (line.find('}') != std::string::npos) break;
        const size_t q = line.find('"');
        if (q == std::string::npos) continue;
        std::istringstream tokens(line.substr(q + 1, line.rfind('"') - q - 1));
        std::vector<int> row;
        for (std::string t; tokens >> t;)
            row.push_back(std::stoi(orientation ? t.substr(t.find('|') + 1) : t));
        rows.push_back(row);
    }
    return rows;
}

}  // namespace

TEST(RoutePlay, TheBotTurnsTheBlocksIntoARouteAndTheLightningRuns) {
    TempDir user{"route-user"}, out{"route-grabs", true};
    const std::string options = " --level data/routes/route1.dat";
    DriverRun look = runDriverWith("waitscreen FINDROUTE-PUZZLE\nquit\n", user, out, options);
    std::smatch m;
    ASSERT_TRUE(std::regex_search(look.output, m, std::regex(R"(block 0,0 at (\d+),(\d+))"))) << look.output;
    const int x0 = std::stoi(m[1]), y0 = std::stoi(m[2]);
    const auto now = rowsOf("route1", "blocks", true), goal = rowsOf("route1", "solution", false);
    ASSERT_EQ(now.size(), goal.size());
    std::ostringstream s;
    s << "waitscreen FINDROUTE-PUZZLE\nwait 60\ngrab scrambled\n";
    for (size_t r = 0; r < now.size(); ++r)
        for (size_t c = 0; c < now[r].size(); ++c)
            for (int turns = (goal[r][c] - now[r][c] + 4) % 4; turns > 0; --turns)
                s << "click " << x0 + 100 * c << " " << y0 + 100 * r << "\nwait 25\n";
    s << "wait 40\ngrab lightning\nwaitscreen GET-NEXT-LEVEL 600\n";
    DriverRun run = runDriverWith(s.str(), user, out, options);
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_TRUE(run.has("screen: GET-NEXT-LEVEL")) << run.output;
    const auto before = loadGrab(out, "scrambled"), lit = loadGrab(out, "lightning");
    ASSERT_TRUE(before && lit);
    // The source's light is on (the start block is in row 1 of this level).
    const Rect source{x0 - 123 + 15, y0 + 100 - 51 + 12, 60, 78};
    EXPECT_GT(meanBrightness(lit, source), meanBrightness(before, source));
}

TEST(RoutePlay, AFullGaugeSkipsTheLevel) {
    TempDir user{"route-user"}, out{"route-skip", true};
    DriverRun run = runDriverWith(
        "waitscreen FINDROUTE-PUZZLE\nwait 60\nclick 975 24\nwait 30\ngrab not-yet\nwait 5400\ngrab "
        "gauge-full\n"
        "click 975 24\nwaitscreen GET-NEXT-LEVEL 600\n",
        user, out, " --level data/routes/route2.dat");
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_TRUE(run.has("screen: GET-NEXT-LEVEL")) << run.output;
    EXPECT_GT(run.output.find("screen: GET-NEXT-LEVEL"), run.output.find("gauge-full.png"))
        << "not before the gauge filled";
}
