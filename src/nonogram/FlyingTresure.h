// A collected treasure: its flight from the cell into the chest, its place there, its flight to the win
// summary and its fall out of a burst chest.
#pragma once

#include <cstdint>
#include <memory>

#include "nonogram/TileData.h"

class TTile;
class TLevel;

class TFlyingTresure {
  public:
    std::shared_ptr<TTresureData> tresure;
    std::shared_ptr<TTile> tile;  // the cell it came from; null when restored from a file
    TLevel* level = nullptr;      // the level whose list holds it
    int size = 0;
    float x = 0, y = 0;
    float x1 = 0, y1 = 0;
    float x2 = 0, y2 = 0;  // end of the flight; while lying, its place in the chest
    float mx = 0, my = 0;
    float per = 0;
    int f = 0;
    float a = 1;
    int myEnd = 0;  // lies in the chest
    float s = 1;
    int64_t time = 0;
    int summary = 0;
    int64_t timeSummary = 0;
    int goingDown = 0;
    float downSpeed = 0;
    int sounded = 0;

    void draw() const;
    void updateSummary();
    void updateGoingDown();
    void update();
    void sendDown();
    void generate();
    void lieDown();
    void flyToSummary(int delay);

  private:
    void _bezier(float t);
    void _leaveList();
    void _freeCell();
};

// A treasure coming out of a picture cell; appended to the level's collected treasures.
std::shared_ptr<TFlyingTresure> startFlyingTresure(std::shared_ptr<TTresureData> tresure, int size, int f,
                                                   float x, float y, std::shared_ptr<TTile> tile);
// A place in the chest for the next treasure of `level`: the pile widens up and in from the left.
void chestPlace(const TLevel& level, float& x, float& y);
// Every collected treasure of the level updates once (a copy of the list: some leave it).
void updateFlyingTresures(TLevel& level);
// The treasures in the chest and on their way to it; those well into their flight to the win summary are
// left to the win screen, which draws them over its panel.
void drawFlyingTresures(const TLevel& level);
void drawSummaryTresures(const TLevel& level);
// The chest bursts: every collected treasure falls out of it.
void sendAllDown(TLevel& level);
// Every collected treasure lands at once: one still flying into the chest comes to rest in it.
void placeAllInChest(TLevel& level);
// How many treasures are still falling out of the burst chest.
int treasuresFalling(const TLevel& level);
