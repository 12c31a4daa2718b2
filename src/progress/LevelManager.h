// The two level flows (casual and hard), their level names and the hard flow's stage table.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "progress/LevelData.h"

class TProfile;

class TLevelManager {
  public:
    static constexpr int kMaxStageEntries = 47;  // the stage screen's room

    std::vector<std::shared_ptr<TLevelData>> casualLevels, hardLevels;
    std::vector<std::string> backgroundsByStages;
    std::vector<std::shared_ptr<TStageData>> stagesList;  // the hard flow's stages
    std::vector<std::string> casualNames, hardNames;

    // Reads both flows, the stage backgrounds and both name lists.
    int setup();
    std::shared_ptr<TStageData> getStageData(int id) const;
    int giveStageData(int stage, int numer);
    int getStageNumberByLevel(const std::string& flowType, int numer) const;
    std::vector<std::shared_ptr<TLevelData>> getCasualLevelsByStage(int stage) const;
    std::vector<std::shared_ptr<TLevelData>> getHardLevelsByStage(int stage) const;
    std::shared_ptr<TLevelData> getCasualLevelData(int stage, int numer) const;
    std::shared_ptr<TLevelData> getHardLevelData(int stage, int numer) const;
    // The n-th name (from 1) of the active profile's flow, or "".
    std::string getNameByLevelData(int n) const;
    std::shared_ptr<TLevelData> getActualLevelData() const;
    // The entry of the profile's flow whose nr is its flowSequence, or null (and a line on standard output).
    std::shared_ptr<TLevelData> getProfileLevelData(const TProfile& profile) const;
    std::string getBackgroundUrl() const;

    // The flow of a flow type ("CASUAL" or "HARD"; any other gives none).
    const std::vector<std::shared_ptr<TLevelData>>* flowOf(const std::string& flowType) const;

    void _setupCasual();
    void _setupHard();
    void _setupBackgroundsByStages();
    void _setupCasualLevelNames();
    void _setupHardLevelNames();

  private:
    void _readFlow(const std::string& name, bool hard, std::vector<std::shared_ptr<TLevelData>>& into);
};

extern TLevelManager levelManager;
