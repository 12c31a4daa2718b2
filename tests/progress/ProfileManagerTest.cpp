// The players' list: the active player, at most five players, damaged entries, and the buttons' rules.
#include <gtest/gtest.h>

#include "FlowFixture.h"
#include "files/DataFile.h"
#include "gui/Gui.h"
#include "progress/EnterName.h"

namespace {

using Players = FlowFixture;

void writeList(const std::string& path, const std::vector<std::pair<std::string, std::string>>& players,
               const std::string& active) {
    std::string text = "profiles {\n\ti = " + std::to_string(players.size()) + "\n";
    for (size_t j = 0; j < players.size(); ++j)
        text += "\tprof" + std::to_string(j + 1) + " {\n\t\tid = \"" + players[j].first +
                "\"\n\t\tname = \"" + players[j].second + "\"\n\t}\n";
    if (!active.empty()) text += "\tactProfile = \"" + active + "\"\n";
    writeBytes(path, text + "}\n");
}

}  // namespace

TEST_F(Players, TheListReadsBackWithItsActivePlayer) {
    player("CASUAL", "ANN");
    auto bob = player("HARD", "BOB");
    profileManager->save();
    profileManager = std::make_shared<TProfileManager>();
    profileManager->loadProfiles();
    ASSERT_EQ(profileManager->listaProfili.size(), 2u);
    EXPECT_EQ(profileManager->profile->name, "BOB");
    EXPECT_EQ(profileManager->profile->flowType, "HARD");
}

TEST_F(Players, DamagedOrForeignEntriesNeverCostAPlayerTheirFolder) {
    auto ann = player("CASUAL", "ANN");
    ann->score = 4000;
    ASSERT_TRUE(ann->save());
    std::filesystem::create_directories(user.path / "Profiles/66-79-66-");
    writeBytes(user.file("Profiles/66-79-66-/profile.dat"),
               "profile { standards { name = \"BOB\"");  // damaged
    writeList(profilesListPath(), {{"66-79-66-", "BOB"}, {"../../etc", "EVIL"}, {"65-78-78-", "ANN"}}, "");
    testing::internal::CaptureStderr();
    profileManager = std::make_shared<TProfileManager>();
    profileManager->loadProfiles();
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("../../etc"), std::string::npos) << said;
    ASSERT_EQ(profileManager->listaProfili.size(), 2u) << "the foreign id is left out";
    const auto& bob = profileManager->listaProfili[0];
    EXPECT_TRUE(bob->unreadable);
    EXPECT_EQ(bob->name, "BOB");
    EXPECT_EQ(bob->id, "66-79-66-");
    // No active player named: the first readable one, never a request for a new name.
    ASSERT_TRUE(profileManager->profile);
    EXPECT_EQ(profileManager->profile->name, "ANN");
    EXPECT_EQ(profileManager->profile->score, 4000);
    profileManager->save();
    EXPECT_EQ(readBytes(user.file("Profiles/66-79-66-/profile.dat")), "profile { standards { name = \"BOB\"");
    TRCMFile list;
    ASSERT_TRUE(list.Load(profilesListPath()));
    EXPECT_EQ(list.getString("profiles::prof1::id"), "66-79-66-") << "the damaged player keeps its place";
    EXPECT_EQ(list.getString("profiles::actProfile"), "65-78-78-");
}

TEST_F(Players, IdsAreCheckedBeforeTheyBecomeFolderNames) {
    const std::pair<const char*, bool> cases[] = {{"65-78-78-", true}, {"1-", true},      {"", false},
                                                  {"65-78-78", false}, {"-65-", false},   {"65--", false},
                                                  {"../65-", false},   {"65-/..", false}, {"6a-", false}};
    for (const auto& [id, ok] : cases) EXPECT_EQ(isProfileId(id), ok) << id;
    EXPECT_EQ(profileIdOf("AB"), "65-66-");
    EXPECT_TRUE(isProfileId(profileIdOf("ZED09")));
}

TEST_F(Players, ButtonsFollowTheNumberOfPlayers) {
    profileManager->Gui = newGui();
    for (const char* id : {"new", "delete", "rename"}) {
        auto item = std::make_shared<TGuiObject>();
        item->_id = id;
        profileManager->Gui->addItem(item);
    }
    auto active = [&](const char* id) { return profileManager->Gui->getItem(id)->_a; };
    profileManager->updateButtonStates();
    EXPECT_EQ(active("new"), 1);
    EXPECT_EQ(active("delete"), 0);
    EXPECT_EQ(active("rename"), 0);
    player("CASUAL", "ONE");
    profileManager->updateButtonStates();
    EXPECT_EQ(active("delete"), 0) << "the last player cannot be deleted";
    EXPECT_EQ(active("rename"), 1);
    for (const char* name : {"TWO", "THREE", "FOUR", "FIVE"}) player("CASUAL", name);
    profileManager->updateButtonStates();
    EXPECT_EQ(active("new"), 0) << "five players fill the list";
    EXPECT_EQ(active("delete"), 1);
    profileManager->goNew();  // refused without asking
    EXPECT_EQ(profileManager->listaProfili.size(), 5u);
    // The list scrolls no further than its end, and never above its start.
    profileManager->startP = 0;
    profileManager->goUp();
    EXPECT_EQ(profileManager->startP, 0);
    profileManager->goDown();
    EXPECT_EQ(profileManager->startP, 0);
    EXPECT_EQ(profileManager->aktLista.size(), 5u);
}

TEST_F(Players, NamesAreLettersAndDigitsAndTakenNamesAreRefused) {
    player("CASUAL", "ANN");
    player("CASUAL", "BOB");
    TEnterName dialog;
    for (char c : std::string("a n-n!9 ")) dialog.type(static_cast<unsigned char>(c));
    EXPECT_EQ(dialog.wpis, "ann9");
    for (int i = 0; i < 30; ++i) dialog.type('x');
    EXPECT_EQ(dialog.wpis.size(), 20u) << "the 21st character is ignored";
    dialog.type(8);
    EXPECT_EQ(dialog.wpis.size(), 19u);

    dialog.wpis = "ann";
    dialog.nowy = 1;
    EXPECT_TRUE(dialog.takiProfilIstnieje());
    dialog.nowy = 0;
    dialog.myEditNode = "ANN";
    EXPECT_FALSE(dialog.takiProfilIstnieje2()) << "keeping one's own name is accepted";
    dialog.wpis = "BOB";
    EXPECT_TRUE(dialog.takiProfilIstnieje2());
}
