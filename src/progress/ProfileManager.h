// The players' profiles: the list of up to five, the active one that the whole game reads and changes, the
// list file, and the profiles screen (choose, create, rename, delete).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "progress/Profile.h"
#include "screen/Ekran.h"

class TRCMFile;
class TProfileManager : public TEkran {
  public:
    static constexpr int kMaxProfiles = 5;

    eng::Image panel;
    std::shared_ptr<TProfile> profile;  // the active profile, or null before a player is chosen
    std::vector<std::shared_ptr<TProfile>> listaProfili;
    std::vector<std::shared_ptr<TProfile>> aktLista;  // the profiles shown
    eng::ImageFont font, font2;
    float per = 0, dPer = 0;
    float startY = 750;
    int sy = 350;
    int startP = 0;
    std::shared_ptr<TProfile> over;
    std::string txtEnterName, txtProfilIstnieje, txtCzySkasowac, txtProfilesNames;

    TProfileManager() { id = "Profile Manager"; }
    void setup() override;
    // Reads the list file and every profile it names. A list that is missing, damaged or names no player
    // is made again from the players' folders, with a message.
    void loadProfiles();
    // Writes every profile and the list file.
    void save();
    // A folder name for a new player called `name`: its id, unless a listed player or a folder on disk
    // already has it.
    std::string freeId(const std::string& name) const;
    // How many listed players can be played (at most five).
    int readablePlayers() const;
    // With no active profile: asks the first name over `menu`; true when a profile was made.
    bool check(TEkran* menu);
    // The name dialog over `screen` for a new profile; null when cancelled.
    std::shared_ptr<TProfile> newProfile(TEkran* screen);
    std::shared_ptr<TProfile> findProfile() const;
    // The profiles screen over `below`; the save-everything step runs when it closes.
    void mainLoop(TEkran* below);

    void goUp();
    void goDown();
    void goNew();
    void goDelete();
    void goRename();
    void goOk();
    // Makes `p` active (a profile whose file could not be read cannot be chosen).
    void choose(const std::shared_ptr<TProfile>& p);
    void rebuildAktLista();
    // "new", "delete" and "rename" follow the list: at most five, never the last one, only with an active
    // one.
    void updateButtonStates();

    void prepare() override;
    void update() override;
    void draw() override;
    void afterFrame() override;
    bool finished() const override { return per == 0 && dPer == 0; }

  private:
    TEkran* below_ = nullptr;
    // Reads the players of the list file; false when it names none that could be listed.
    bool _readList(const TRCMFile& file);
    // Lists the players found in the folders under "Profiles", the last one saved active.
    void _rebuildFromFolders(const std::string& why);
    // Appends a player read from the list or a folder, keeping at most five readable and five unreadable
    // ones; false when `p` was left out.
    bool _take(const std::shared_ptr<TProfile>& p, const std::string& from);
    float guiShift = 0;  // how far below their places the buttons are drawn now
    float _rowY(int i) const;
    void _updateOver();
};

extern std::shared_ptr<TProfileManager> profileManager;

// The player whose journey is played, or null when no player is chosen.
TProfile* activeProfile();
