// The power-up slots and the hints on the main game screen: charge and buttons, the tools and their way
// back to their slots, hint use and recharge, and nothing that acts on cells outliving the level.
#include "MainGameFixture.h"
#include "gui/Button.h"
#include "gui/Gui.h"
#include "progress/Profile.h"

namespace {

const std::vector<std::string> kPicture = {"##...", ".##..", "..##.", "...##", "#####"};

std::shared_ptr<TButton> slot(int k) {
    return std::dynamic_pointer_cast<TButton>(mainGame->Gui->getItem("bonus" + std::to_string(k)));
}

int clearedCells(const TLevel& level) {
    int n = 0;
    for (const auto& row : level.tile)
        for (const auto& t : row) n += t->isCleared();
    return n;
}

}  // namespace

TEST_F(MainGameTest, PowerUpSlotsChargeFromTheProfilesClocks) {
    ownPowerUps(true);
    start(level(kPicture));
    TProfile& p = profile();
    const auto full = TProfile::maxCzasPowerUpow;
    for (int k = 0; k < 5; ++k) ASSERT_GT(full[k], 0) << "every power-up has a recharge time";
    const int64_t now = eng::MilliSecs();
    p.czas[0] = now - full[0] / 2;        // half charged
    p.czas[1] = now;                      // just used
    p.czas[2] = now + 3600 * 1000;        // a start in the future (a clock set back)
    p.czas[3] = now - full[3] - full[3];  // long ago
    p.czas[5] = now;                      // the bag is always full
    frame();
    EXPECT_NEAR(slot(1)->stan, 0.5f, 0.01f);
    eng::InjectMouseMove(slot(1)->dim->x, slot(1)->dim->y);
    button(1, true);
    EXPECT_NE(game->Gui->_clicked, "bonus1") << "a slot that is not full takes no click";
    button(1, false);
    EXPECT_NE(game->Gui->_clicked, "bonus1");
    EXPECT_NEAR(slot(2)->stan, 0, 0.01f);
    EXPECT_NEAR(slot(3)->stan, 0, 0.01f);
    EXPECT_LE(p.czas[2], eng::MilliSecs()) << "counts as just started";
    EXPECT_EQ(slot(4)->stan, 1);
    EXPECT_EQ(slot(4)->_a, 1);
    EXPECT_EQ(slot(6)->stan, 1);

    // The burst and its sound belong to the one frame on which a slot fills.
    p.czas[0] = eng::MilliSecs() - full[0] + 40;
    std::vector<size_t> gained;
    for (int i = 0; i < 6; ++i) {
        const size_t before = game->fx.particles.size();
        frame();
        gained.push_back(game->fx.particles.size() - std::min(before, game->fx.particles.size()));
    }
    EXPECT_EQ(std::count_if(gained.begin(), gained.end(), [](size_t n) { return n >= 25; }), 1);
    EXPECT_EQ(slot(1)->stan, 1);

    // A locked slot stays in sight, faint and inactive.
    release();
    ownPowerUps(false);
    start(level(kPicture));
    EXPECT_EQ(slot(3)->_v, 1);
    EXPECT_EQ(slot(3)->_a, 0);
    EXPECT_FLOAT_EQ(slot(3)->_alpha, 0.3f);
}

TEST_F(MainGameTest, ATakenToolGoesBackToItsOwnSlot) {
    ownPowerUps(true);
    auto l = level(kPicture);
    start(l);
    const TDim eyeSlot = *slot(4)->dim;

    // A right click sends the eye flying back; its slot waits for it.
    game->useBonus(4);
    frame();
    EXPECT_EQ(game->hand, TTool::EYE);
    EXPECT_EQ(slot(4)->_v, 0) << "the eye has left its slot";
    eng::InjectMouseMove(700, 400);
    button(2, true);
    button(2, false);
    EXPECT_EQ(game->hand, TTool::HAND);
    ASSERT_EQ(game->powerUps.flying.size(), 1u);
    EXPECT_EQ(game->powerUps.flying.front()->n, 3);
    EXPECT_EQ(game->powerUps.flying.front()->x2, eyeSlot.x);
    EXPECT_EQ(slot(4)->_v, 1);
    EXPECT_EQ(slot(4)->_a, 0);
    for (int i = 0; i < 60 && !game->powerUps.flying.empty(); ++i) frame();
    EXPECT_TRUE(game->powerUps.flying.empty());
    EXPECT_EQ(slot(4)->_a, 1);

    // A click on its own slot puts it away: no icon flies, no other power-up is taken.
    const std::string tools[3] = {"eye", "map", "skull"};
    const int kinds[3] = {4, 5, 6}, slots[3] = {4, 3, 5};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(tools[i]);
        game->useBonus(kinds[i]);
        frame();
        const TDim& own = *slot(slots[i])->dim;
        eng::InjectMouseMove(own.x - own.w / 2 - 3, own.y);
        button(1, true);
        button(1, false);
        EXPECT_EQ(game->hand, TTool::HAND);
        EXPECT_TRUE(game->powerUps.flying.empty());
        EXPECT_EQ(profile().tempUseOfEye + profile().tempUseOfMap + profile().tempUseOfSkull, 0);
    }

    // Another power-up's button sends the held tool back and fires at once.
    game->useBonus(6);
    frame();
    game->useBonus(2);
    EXPECT_EQ(game->hand, TTool::HAND);
    EXPECT_EQ(game->powerUps.flying.size(), 1u);
    EXPECT_TRUE(game->powerUps.miecz) << "the sword flies";
    EXPECT_EQ(game->useMieczN, 1);
}

TEST_F(MainGameTest, AToolAppliedAtACellRevealsItsCellsAndStartsItsRecharge) {
    ownPowerUps(true);
    auto l = level(kPicture);
    start(l);
    game->useBonus(6);  // the skull
    frame();
    moveTo(*l->tile[1][0]);
    frame();
    button(1, true);
    button(1, false);
    for (int c = 0; c < 5; ++c) EXPECT_TRUE(l->tile[1][c]->isCleared()) << c;
    EXPECT_EQ(clearedCells(*l), 5);
    EXPECT_EQ(game->hand, TTool::HAND);
    EXPECT_EQ(game->useCzaszkaN, 1);
    EXPECT_EQ(profile().tempUseOfSkull, 1);
    EXPECT_LT(slot(5)->stan, 0.1f) << "the skull's slot recharges";
    // The button was still down: it starts no move of the hand on release.
    frame(40);
    EXPECT_EQ(profile().mistakes, 0);
    EXPECT_EQ(clearedCells(*l), 5);
}

TEST_F(MainGameTest, HintsClearTwoCellsAndRechargeInWholeSteps) {
    auto l = level(kPicture);
    start(l);
    THints& h = game->hints;
    const int hintsBefore = profile().hintsUsed;
    h.useHint(0);
    EXPECT_EQ(h.hintUsed[0], 1);
    EXPECT_EQ(l->hintUsed[0], 1);
    EXPECT_EQ(profile().hintsUsed, hintsBefore + 1);
    ASSERT_EQ(h.flying.size(), 2u);
    for (const auto& f : h.flying) EXPECT_EQ(f->tile->noHintLoad, 1) << "a hinted cell charges no slot";
    for (int i = 0; i < 120 && !h.flying.empty(); ++i) frame();
    EXPECT_EQ(clearedCells(*l), 2);
    EXPECT_EQ(profile().mistakes, 0);

    // A treasure's charge goes to the first slot that waits for one; a full set sends none.
    EXPECT_EQ(h.getFreeHintDimNumber(), 0);
    for (int i = 0; i < THints::kChargesPerSlot - 1; ++i) h.loadUpHint(0);
    EXPECT_EQ(h.hintUsed[0], 1) << "nineteen charges are not enough";
    h.loadUpHint(0);
    EXPECT_EQ(h.hintUsed[0], 0) << "twenty always are";
    EXPECT_EQ(l->hintUsed[0], 0);
    EXPECT_FALSE(h.isHintUnloaded());
    h.chargeFrom(*l->tile[0][0]);
    EXPECT_TRUE(h.flying.empty());
    h.hintUsed[2] = 1;
    h.chargeFrom(*l->tile[0][0]);
    ASSERT_EQ(h.flying.size(), 1u);
    EXPECT_EQ(h.flying.front()->hintN, 2);
}

TEST_F(MainGameTest, NothingThatActsOnCellsOutlivesTheLevel) {
    ownPowerUps(true);
    auto l = level(kPicture);
    start(l);
    game->useBonus(2);  // the sword
    game->useBonus(3);  // the medallion
    game->useBonus(4);  // the eye, taken
    game->powerUps.resetBonus();
    game->hints.useHint(1);
    frame();
    ASSERT_TRUE(game->powerUps.miecz);
    ASSERT_FALSE(game->fx.emitters.empty());
    ASSERT_FALSE(game->hints.flying.empty());
    ASSERT_FALSE(game->powerUps.flying.empty());
    const int cleared = clearedCells(*l);
    game->finish();
    EXPECT_FALSE(game->powerUps.miecz);
    EXPECT_TRUE(game->fx.emitters.empty());
    EXPECT_TRUE(game->hints.flying.empty());
    EXPECT_TRUE(game->powerUps.flying.empty());
    frame(200);
    EXPECT_EQ(clearedCells(*l), cleared);
}

TEST_F(MainGameTest, AToolTipBalloonSaysWhatACellWaitsFor) {
    auto l = level(kPicture);
    start(l);
    // The balloon stands in the cell's quarter of the screen.
    const float places[4][2] = {{170, 170}, {750, 170}, {170, 600}, {750, 600}};
    // A picture cell in the lower half waits for the hand; the hook is tried on it.
    TTile& cell = *l->tile[4][4];
    const int q = cell.checkCwiartka();
    ASSERT_GE(q, 2);
    cell.setZadanie("UNCOVER", "");
    EXPECT_EQ(cell.rozbij(0), 0);
    ASSERT_TRUE(game->specialTip);
    EXPECT_EQ(game->specialTip->textN, 0);
    EXPECT_EQ(game->specialTip->x, places[q][0]);
    EXPECT_EQ(game->specialTip->y, places[q][1]);
    EXPECT_EQ(profile().mistakes, 0);
    frame(30);
    EXPECT_EQ(game->specialTip->alpha, 1);
    // It stands on its balloon: the text's box lies inside the picture.
    const TSpecialTip& tip = *game->specialTip;
    const float w = static_cast<float>(eng::ImageWidth(TSpecialTip::tipBack));
    const float h = static_cast<float>(eng::ImageHeight(TSpecialTip::tipBack));
    EXPECT_GE(tip.tx, tip.x - w / 2);
    EXPECT_GT(tip.ty, tip.y - h / 2);
    EXPECT_LT(tip.ty, tip.y);
    eng::Cls();
    game->draw();
    const eng::Pixmap shot = eng::GrabPixmap(0, 0, 1024, 768);
    const std::string path = ::testing::TempDir() + "tip-balloon.png";
    if (eng::SavePixmapPNG(shot, path)) std::printf("the balloon: %s\n", path.c_str());
    // It closes after four seconds by itself.
    frame(4000 / 17 + 30);
    EXPECT_FALSE(game->specialTip);

    // The other text for a cell that waits for the hook; a left click closes it early.
    TTile& empty = *l->tile[0][4];
    empty.setZadanie("BROKE", "");
    EXPECT_EQ(empty.odkryj(0), 0);
    ASSERT_TRUE(game->specialTip);
    EXPECT_EQ(game->specialTip->textN, 1);
    const int q2 = empty.checkCwiartka();
    ASSERT_LT(q2, 2);
    EXPECT_EQ(game->specialTip->x, places[q2][0]);
    EXPECT_EQ(game->specialTip->y, places[q2][1]);
    frame(5);
    eng::InjectMouseMove(1000, 20);
    button(1, true);
    button(1, false);
    frame(30);
    EXPECT_FALSE(game->specialTip);
}

TEST_F(MainGameTest, RechargeStandsStillWhileTheGameIsPaused) {
    ownPowerUps(true);
    start(level(kPicture));
    const int full = TProfile::maxCzasPowerUpow[0];
    profile().czas[0] = eng::MilliSecs() - full / 4;
    frame();
    const float before = slot(1)->stan;
    game->PauseMyGame();  // a menu over the level, the window in the background
    eng::Delay(full / 2);
    game->ResumeMyGame();
    frame();
    EXPECT_NEAR(slot(1)->stan, before, 0.01f);
    eng::Delay(full / 2);
    frame();
    EXPECT_NEAR(slot(1)->stan, before + 0.5f, 0.01f) << "and runs on afterwards";
}
