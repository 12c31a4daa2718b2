// A new player on the hard journey: the first stop on the map, a stage opened, its first level won with a
// first trophy (the award screen opens by itself), a passed level replayed from the stage screen and lost
// (it stays passed), and the player's points among the best scores once the journey starts afresh.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

#include "LevelBot.h"

namespace {

// Where the stage screen puts entry `index` (from 0): seven to a row from (160, 120).
std::string entryAt(int index) {
    return std::to_string(160 + 120 * (index % 7)) + " " + std::to_string(120 + 86 * (index / 7));
}

// The number of mistakes the level's source says it tolerates.
int tolerance(const std::string& name) {
    std::ifstream in(std::string(SOURCE_DIR) + "/content/levels/" + name + ".level");
    for (std::string line; std::getline(in, line);)
        if (line.rfind("mistakes = ", 0) == 0) return std::stoi(line.substr(11));
    return 0;
}

// Wrong moves with the hand on the level's empty cells, one more than it tolerates: the chest bursts.
void loseLevel(DriverDialogue& d, const LevelLine& l) {
    const auto picture = levelPicture(l.name);
    const int wrong = tolerance(l.name) + 1;
    int n = 0;
    for (int r = 0; r < l.rows && n < wrong; ++r)
        for (int c = 0; c < l.cols && n < wrong; ++c)
            if (picture[r][c] == '.') {
                d.must("click " + std::to_string(l.grid.x(c)) + " " + std::to_string(l.grid.y(r)));
                d.must("wait 20");
                ++n;
            }
}

}  // namespace

TEST(Journey, TheMapAStageATrophyAReplayAndTheBestScores) {
    TempDir user{"journey-user"}, out{"journey-grabs", true};
    {
        DriverDialogue d(user, out);
        size_t seen = 0;
        d.must("waitscreen MAIN-MENU");
        d.must("wait 60");
        d.must("type bot");
        d.must("item ok");
        d.must("wait 150");
        d.must("item play");
        d.must("wait 40");
        d.must("item hard");
        d.must("item skip 600");  // the opening story
        // The first stop: the map with the first stage presented as new.
        d.must("waitscreen MAPA 3000");
        d.must("wait 60");
        d.must("grab map-new-stage");
        d.must("wait 120");
        d.must("click 170 480");
        d.must("wait 60");
        d.must("grab stage-screen");
        d.must("item play");
        const LevelLine first = nextLevel(d, seen);
        EXPECT_EQ(first.name, "palm");
        EXPECT_GT(uncover(d, first, -1), 0);
        // A first trophy: its panel, then the award screen by itself.
        d.must("wait 420");
        d.must("grab trophy-given");
        d.must("item ok 1500");
        d.must("wait 60");
        d.must("grab award-screen");
        d.must("item OK 600");
        d.must("item play 1200");
        const LevelLine second = nextLevel(d, seen);
        EXPECT_EQ(second.name, "scarab");
        // Back to the map from the level's menu; the passed level is played again and lost.
        d.must("item menu");
        d.must("item backToMap");
        d.must("waitscreen MAPA 600");
        d.must("wait 60");
        d.must("click 170 480");
        d.must("wait 60");
        d.must("click " + entryAt(1));
        const LevelLine replay = nextLevel(d, seen);
        EXPECT_EQ(replay.name, "palm");
        loseLevel(d, replay);
        d.must("wait 200");
        d.must("grab lost-replay");
        d.must("item mapa 1500");
        d.must("waitscreen MAPA 600");
        d.must("wait 60");
        d.must("click 170 480");
        d.must("wait 60");
        d.must("grab stage-after-loss");
        d.must("key escape");
        d.must("wait 60");
        // A new journey: the points of this one go to the best scores.
        d.must("item menu");
        d.must("waitscreen MAIN-MENU");
        d.must("item play");
        d.must("item new");
        d.must("item yes");
        d.must("item hard");
        d.must("item skip 600");  // the opening story
        d.must("waitscreen MAPA 3000");
        d.must("item menu");
        d.must("waitscreen MAIN-MENU");
        d.must("item awards");
        d.must("item highscores");
        d.must("wait 60");
        d.must("grab highscores");
        d.must("key escape");
        d.must("item OK");
        d.must("item exit");
        d.must("item yes");
        d.say("wait 300");
    }
    // The replayed and lost level is still passed: it opens on the stage screen like the level after it,
    // while the third level is drawn faded.
    const auto after = loadGrab(out, "stage-after-loss");
    ASSERT_TRUE(after);
    const Rect palm{250, 95, 60, 50}, scarab{370, 95, 60, 50}, lotus{490, 95, 60, 50};
    EXPECT_NEAR(meanBrightness(after, palm), meanBrightness(after, scarab), 8);
    EXPECT_GT(std::abs(meanBrightness(after, palm) - meanBrightness(after, lotus)), 20);
    // The best scores were saved with the player's name.
    std::ifstream in(user / "Orelund/Tazmira-Zerav-2/Data/localHighScores.dat");
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_NE(text.str().find("BOT"), std::string::npos) << text.str();
}
