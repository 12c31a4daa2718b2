// The best scores of this machine's players: a table of fifteen, best first, kept in the per-user folder
// and shown on its own screen.
#pragma once

#include <string>
#include <vector>

#include "engine/Engine.h"
#include "screen/Ekran.h"

class TProfile;

struct TScoreData {
    std::string user;
    int score = 0;
    int numerLevelu = 0;
};

class TScoreTab {
  public:
    static constexpr int kMaxEntries = 15;
    std::string id, title;
    float alpha = 0, dAlpha = 0;
    std::vector<TScoreData> list;  // best first

    // The entry with the smallest score, or null when the table is empty.
    const TScoreData* getLowestScoreData() const;
    // A score enters when the table has room or it beats the lowest; the table stays best first and
    // keeps fifteen, the lowest leaving. False when the score did not enter.
    bool addNewEntry(const std::string& user, int score, int numerLevelu);
};

class THighscores : public TEkran {
  public:
    eng::Image img;
    TScoreTab localHighScores;
    eng::ImageFont tabFont, titleFont;
    std::string txtTitleLocal, txtTitleGlobal;

    THighscores() { id = "HIGHSCORES"; }
    // Reads the table; a missing file is an empty table, a damaged one is reported and read as far as it
    // goes.
    void setup() override;
    bool loadHighScores(const std::string& path);
    bool saveHighScores() const;
    bool saveHighScores(const std::string& path) const;
    // The profile's points enter the table if they are good enough (a flow ended, a profile is reset or
    // deleted).
    bool checkHighScores(const TProfile& p);
    // The table over `behind` until Escape, Enter or a click.
    void mainLoop(TEkran* behind);
    void update() override;
    void draw() override;
    void afterFrame() override;
};

// The per-user file of the table.
std::string highScoresPath();

extern THighscores* highscores;
