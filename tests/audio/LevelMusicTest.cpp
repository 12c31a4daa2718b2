// Choosing level music: by stage mood, from the stage lists with their no-repeat rule, fixed per level.
#include <map>
#include <set>

#include "AudioFixture.h"

using LevelMusic = AudioFixture;

namespace {
constexpr int kDraws = 400;
}

TEST_F(LevelMusic, ByStage) {
    struct Case {
        int stage;
        std::set<std::string> pieces;  // "" stands for nothing played
    } cases[] = {
        {1, {"Egypt-1", "Egypt-2", "Neutral-1", "Neutral-2"}},
        {2, {"Egypt-1", "Egypt-2", "Neutral-1", "Neutral-2"}},
        {3, {"Iran-1", "Iran-2", "Neutral-1", "Neutral-2"}},
        {4, {"Iran-1", "Iran-2", "Neutral-1", "Neutral-2"}},
        {5, {"Tibet-1", "Tibet-2", "Tibet-3", "Tibet-4", "Neutral-1", "Neutral-2"}},
        {6, {"", "Neutral-1", "Neutral-2"}},
        {0, {"", "Neutral-1", "Neutral-2"}},
    };
    eng::SeedRnd(7);
    for (const Case& c : cases) {
        std::map<std::string, int> count;
        for (int i = 0; i < kDraws; ++i) {
            const size_t before = out->channels.size();
            snd.playLevelMusic(c.stage);
            ++count[newestMusic(before)];
        }
        std::set<std::string> seen;
        for (const auto& [id, n] : count) seen.insert(id);
        EXPECT_EQ(seen, c.pieces) << "stage " << c.stage;
        // Half of the draws go to the neutral pieces.
        const int neutral = count["Neutral-1"] + count["Neutral-2"];
        EXPECT_GT(neutral, kDraws * 4 / 10) << "stage " << c.stage;
        EXPECT_LT(neutral, kDraws * 6 / 10) << "stage " << c.stage;
    }
}

TEST_F(LevelMusic, StageListNeverRepeatsTheLastPieceUnlessItComesFirst) {
    struct Case {
        std::vector<std::string> list;
        std::string last;
        std::set<std::string> pieces;  // exactly these are played over many draws
    } cases[] = {
        {{"Egypt-1", "Egypt-2", "Iran-1"}, "Egypt-2", {"Egypt-1", "Iran-1"}},
        {{"Egypt-1", "Egypt-2", "Iran-1"}, "Iran-1", {"Egypt-1", "Egypt-2"}},
        {{"Egypt-1", "Egypt-2"}, "Egypt-1", {"Egypt-1", "Egypt-2"}},
        {{"Egypt-1"}, "Egypt-1", {"Egypt-1"}},
        {{"Egypt-1", "Egypt-2"}, "", {"Egypt-1", "Egypt-2"}},
        {{}, "Egypt-1", {}},
    };
    eng::SeedRnd(11);
    for (const Case& c : cases) {
        TStageQ q;
        q.list = c.list;
        std::set<std::string> seen;
        for (int i = 0; i < kDraws / 4; ++i) {
            snd.lastMusic = c.last;
            const size_t before = out->channels.size();
            snd.playMusicFromStageQ(q);
            const std::string played = newestMusic(before);
            if (!played.empty()) {
                seen.insert(played);
                EXPECT_EQ(snd.lastMusic, played);
            }
        }
        EXPECT_EQ(seen, c.pieces) << "last " << c.last;
    }
}

TEST_F(LevelMusic, ExactMusicBySpecialLevelThenStageListThenAnyLevelMusic) {
    struct Case {
        int level, stage;
        std::set<std::string> pieces;
    } cases[] = {
        {3, 1, {"title"}},
        {1, 1, {"Egypt-1", "Egypt-2", "Neutral-1"}},
        {3, 2, {""}},  // the stage's list is empty: the music stays as it is
        {1,
         9,
         {"Egypt-1", "Egypt-2", "Iran-1", "Iran-2", "Tibet-1", "Tibet-2", "Tibet-3", "Tibet-4", "Neutral-1",
          "Neutral-2"}},
    };
    eng::SeedRnd(3);
    for (const Case& c : cases) {
        std::set<std::string> seen;
        for (int i = 0; i < kDraws; ++i) {
            snd.lastMusic.clear();
            const size_t before = out->channels.size();
            snd.playExactMusic(c.level, c.stage);
            seen.insert(newestMusic(before));
        }
        EXPECT_EQ(seen, c.pieces) << "level " << c.level << " of stage " << c.stage;
    }
}
