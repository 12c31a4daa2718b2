// The players' list: the active player, at most five players, damaged entries, and the buttons' rules.
#include <gtest/gtest.h>

#include <chrono>

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

// Reads the list as the game does at start, keeping what it said on the standard error.
std::string reload() {
    testing::internal::CaptureStderr();
    profileManager = std::make_shared<TProfileManager>();
    profileManager->loadProfiles();
    return testing::internal::GetCapturedStderr();
}

std::vector<std::string> names() {
    std::vector<std::string> out;
    for (const auto& p : profileManager->listaProfili) out.push_back(p->name + (p->unreadable ? "?" : ""));
    return out;
}

// Makes the profile file of `p` look `hoursAgo` old.
void ageSave(const TProfile& p, int hoursAgo) {
    std::filesystem::last_write_time(
        p.folder() + "/profile.dat",
        std::filesystem::file_time_type::clock::now() - std::chrono::hours(hoursAgo));
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

TEST_F(Players, ListedIdsNameTheFoldersWhateverThePlayersAreCalled) {
    auto ann = player("CASUAL", "ANN");
    auto level = std::make_shared<FakeLevel>();
    level->url = "data/a.lvl";
    level->played = 4;
    ann->gameType = "MAIN-GAME";
    ann->actLevel = level;
    profileManager->save();
    // Renamed: the player stays in their folder with their level in progress.
    ann->name = "ZOE";
    profileManager->save();
    EXPECT_FALSE(std::filesystem::exists(user.file("Profiles/90-79-69-")));
    reload();
    ASSERT_EQ(names(), std::vector<std::string>{"ZOE"});
    ASSERT_TRUE(profileManager->profile->actLevel) << "the level in progress stays with the player";
    EXPECT_EQ(profileManager->profile->id, "65-78-78-");

    // A name far too long for a folder name, written into the file by hand, costs the player nothing.
    TRCMFile f;
    ASSERT_TRUE(f.Load(user.file("Profiles/65-78-78-/profile.dat")));
    f.setString("profile::standards::name", std::string(400, 'Q'));
    ASSERT_TRUE(f.save(user.file("Profiles/65-78-78-/profile.dat")));
    reload();
    profileManager->save();
    reload();
    ASSERT_EQ(profileManager->listaProfili.size(), 1u);
    EXPECT_EQ(profileManager->profile->name, std::string(400, 'Q'));
    EXPECT_TRUE(profileManager->profile->actLevel);

    // A new player called as a renamed or deleted player once was gets a folder of their own.
    EXPECT_EQ(profileManager->freeId("ann"), "65-78-78-2-");
    EXPECT_EQ(profileManager->freeId("BOB"), "66-79-66-");
}

TEST_F(Players, APlayerMadeWhenNoListedPlayerCanBeReadStaysListed) {
    std::vector<std::pair<std::string, std::string>> broken;
    for (const char* name : {"A", "B", "C", "D", "E"}) broken.push_back({profileIdOf(name), name});
    writeList(profilesListPath(), broken, "");  // five players without folders
    reload();
    EXPECT_FALSE(profileManager->profile);
    // The title asks for a name; the new player joins the list and the list is saved.
    auto fresh = newProfileNamed("NEW");
    profileManager->listaProfili.push_back(fresh);
    profileManager->profile = fresh;
    profileManager->save();
    for (int start = 0; start < 2; ++start) {
        reload();
        ASSERT_TRUE(profileManager->profile) << "start " << start << ": no name is asked again";
        EXPECT_EQ(profileManager->profile->name, "NEW");
        EXPECT_EQ(names(), (std::vector<std::string>{"A?", "B?", "C?", "D?", "E?", "NEW"}));
        profileManager->save();
    }
    EXPECT_EQ(profileManager->readablePlayers(), 1);
}

TEST_F(Players, ALostOrDamagedListIsMadeAgainFromThePlayersFolders) {
    auto ann = player("CASUAL", "ANN");
    auto bob = player("HARD", "BOB");
    bob->score = 700;
    profileManager->save();
    ageSave(*ann, 1);
    ageSave(*bob, 5);
    // A folder without a profile, and one of another name form, are no players.
    std::filesystem::create_directories(user.file("Profiles/67-"));
    std::filesystem::create_directories(user.file("Profiles/stray"));
    writeBytes(user.file("Profiles/stray/profile.dat"),
               readBytes(user.file("Profiles/66-79-66-/profile.dat")));
    const std::pair<const char*, const char*> damages[] = {
        {"missing", nullptr},
        {"empty", ""},
        {"damaged", "profiles {\n\ti = 2\n\tprof1 {\n\t\tid = \"65-78-78-\""},
        {"names no player", "profiles {\n\ti = 0\n}\n"},
        {"only foreign ids", "profiles {\n\ti = 1\n\tprof1 {\n\t\tid = \"../x\"\n\t}\n}\n"},
    };
    for (const auto& [what, text] : damages) {
        std::filesystem::remove(profilesListPath());
        if (text) writeBytes(profilesListPath(), text);
        const std::string said = reload();
        EXPECT_EQ(names(), (std::vector<std::string>{"ANN", "BOB"})) << what;
        ASSERT_TRUE(profileManager->profile) << what;
        EXPECT_EQ(profileManager->profile->name, "ANN") << what << ": the player saved last is active";
        EXPECT_NE(said.find("made again"), std::string::npos) << what << "\n" << said;
    }
    EXPECT_EQ(profileManager->listaProfili[1]->score, 700);
    // Saved again, the list is whole once more.
    profileManager->save();
    EXPECT_EQ(reload().find("made again"), std::string::npos);
    EXPECT_EQ(names(), (std::vector<std::string>{"ANN", "BOB"}));

    // A first start has no players and nothing to say about them.
    std::filesystem::remove_all(user.file("Profiles"));
    EXPECT_EQ(reload(), "");
    EXPECT_TRUE(profileManager->listaProfili.empty());
}

TEST_F(Players, AHandWrittenListNamesItsActivePlayerAfterThePlayers) {
    player("CASUAL", "ANN");
    player("CASUAL", "BOB");
    profileManager->save();
    writeList(profilesListPath(), {{"65-78-78-", "ANN"}, {"66-79-66-", "BOB"}}, "66-79-66-");
    reload();
    ASSERT_TRUE(profileManager->profile);
    EXPECT_EQ(profileManager->profile->name, "BOB");
}
