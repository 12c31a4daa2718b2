// Clues as a player reads them: a two-digit clue on the smallest cells is tall enough, and on every
// shipped level each clue stands inside its panel, off the gold frame and apart from the others.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "core/Globals.h"
#include "engine/Engine.h"
#include "nonogram/Caption.h"
#include "nonogram/Level.h"
#include "nonogram/Number.h"
#include "nonogram/NumberLine.h"
#include "nonogram/TileData.h"

namespace {

struct Box {
    float x, y, w, h;
    bool inside(float left, float top, float right, float bottom) const {
        return x >= left && y >= top && x + w <= right && y + h <= bottom;
    }
    bool overlaps(const Box& o) const { return x < o.x + o.w && o.x < x + w && y < o.y + o.h && o.y < y + h; }
};

class ClueLayout : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        if (!std::getenv("DISPLAY")) return;
        eng::SetHeadless(eng::HeadlessConfig{});
        ASSERT_TRUE(eng::Graphics(320, 240, 0, 60, 0));
        eng::SetVirtualResolution(320, 240);
        eng::SetViewport(0, 0, 320, 240);
        eng::SetOrigin(0, 0);
        programPrefix = std::string(GAME_DIR) + "/";
        loadTileData();
        loadTileHide();
        loadTresures();
        loadTileImages();
        loadNumberImages();
        languageCode = "en";
        loadCaptionImages();
    }
    void SetUp() override {
        if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs a display (the test command runs it under Xvfb)";
    }
    // The clue's inked rectangle: its pictures' box less the see-through columns at both ends.
    static Box box(const TNumber& n) {
        const float k = n.txt.size() > 1 ? 0.8f : 1.0f;
        Box b{};
        n.drawnBox(k, b.x, b.y, b.w, b.h);
        const float left = clearColumns(n.txt.front(), n.size, true) * k;
        const float right = clearColumns(n.txt.back(), n.size, false) * k;
        b.x += left;
        b.w -= left + right;
        return b;
    }
    static int clearColumns(char digit, int size, bool fromLeft) {
        const eng::Pixmap px = eng::ImagePixmap(numberImg[size][digit - '0']);
        for (int i = 0; i < px->width; ++i) {
            const int x = fromLeft ? i : px->width - 1 - i;
            for (int y = 0; y < px->height; ++y)
                if (px->rgba[(static_cast<size_t>(y) * px->width + x) * 4 + 3] > 40) return i;
        }
        return px->width;
    }
};

}  // namespace

TEST_F(ClueLayout, ATwoDigitClueOnTheSmallestCellsIsAtLeastTwelvePixelsTall) {
    for (const char* txt : {"11", "25", "38", "69"}) {
        TNumber n;
        n.txt = txt;
        n.size = TILE_SIZES - 1;
        n.alpha = n.majorA = n.sc = 1;
        n.dim.x = 160;
        n.dim.y = 120;
        eng::SetClsColor(0, 0, 0);
        eng::Cls();
        n.draw(0);
        const eng::Pixmap px = eng::GrabPixmap(0, 0, 320, 240);
        int top = 240, bottom = -1;
        for (int y = 0; y < 240; ++y)
            for (int x = 0; x < 320; ++x) {
                const uint8_t* p = &px->rgba[(static_cast<size_t>(y) * 320 + x) * 4];
                if (p[0] + p[1] + p[2] > 3 * 100) {
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
            }
        EXPECT_GE(bottom - top + 1, 12) << txt;
    }
    eng::Flip(0);  // nothing drawn here is left for the next test
}

TEST_F(ClueLayout, EveryClueOfEveryShippedLevelStandsInItsPanelApartFromTheOthers) {
    constexpr float kFrame = 4;  // the gold frame's width along the panels' outer edges
    int levels = 0;
    for (const auto& entry : std::filesystem::directory_iterator(std::string(GAME_DIR) + "/data/levels")) {
        const std::string name = entry.path().filename().string();
        auto level = loadLevel(entry.path().string(), 0);
        ASSERT_NE(level, nullptr) << name;
        ++levels;
        TLevel& L = *level;
        L.setProperPosition();
        L.InitNumberBack();
        // Row clues: left of the grid, inside the left panel's frame; column clues above, inside the top one.
        std::vector<Box> rows, cols;
        for (const auto& line : L.numbersHList)
            for (const auto& n : line->lista) rows.push_back(box(*n));
        for (const auto& line : L.numbersVList)
            for (const auto& n : line->lista) cols.push_back(box(*n));
        for (const Box& b : rows)
            EXPECT_TRUE(b.inside(L.leftX + kFrame, L.leftY, L.leftX + L.leftW, L.leftY + L.leftH - kFrame))
                << name << " row clue at " << b.x << "," << b.y;
        for (const Box& b : cols)
            EXPECT_TRUE(b.inside(L.upX + kFrame, L.upY + kFrame, L.upX + L.upW - kFrame, L.upY + L.upH))
                << name << " column clue at " << b.x << "," << b.y;
        for (const auto* list : {&rows, &cols})
            for (size_t i = 0; i < list->size(); ++i)
                for (size_t j = i + 1; j < list->size(); ++j)
                    EXPECT_FALSE((*list)[i].overlaps((*list)[j]))
                        << name << ": clues at " << (*list)[i].x << "," << (*list)[i].y << " and "
                        << (*list)[j].x << "," << (*list)[j].y;
        // Praise stands clear of the clues and of the grid's upper half.
        const TPraisePlace place = praisePlace(L, static_cast<float>(L.getGridXCenter()));
        EXPECT_GE(place.scale, 0.35f) << name;
        const float pw = place.scale * static_cast<float>(eng::ImageWidth(praiseImages[1]));
        const float ph = place.scale * static_cast<float>(eng::ImageHeight(praiseImages[1]));
        const Box praise{place.x - pw / 2, place.y - ph / 2, pw, ph};
        const float gridMiddle = (L.tile.front()[0]->dim.y + L.tile.back()[0]->dim.y) / 2;
        const Box cluesAndUpperHalf{static_cast<float>(L.leftX), static_cast<float>(L.upY),
                                    static_cast<float>(L.upX + L.upW - L.leftX), gridMiddle - L.upY};
        const Box rowClues{static_cast<float>(L.leftX), static_cast<float>(L.leftY),
                           static_cast<float>(L.leftW), static_cast<float>(L.leftH)};
        EXPECT_FALSE(praise.overlaps(cluesAndUpperHalf))
            << name << ": praise at " << place.x << "," << place.y;
        EXPECT_FALSE(praise.overlaps(rowClues)) << name << ": praise at " << place.x << "," << place.y;
        // The whole level, clues included, stays in the play area left of the side panel.
        EXPECT_GE(L.leftX, 0) << name;
        EXPECT_GE(L.upY, 40) << name;
        EXPECT_LE(L.upX + L.upW, 785) << name;
    }
    EXPECT_GE(levels, 10);
}
