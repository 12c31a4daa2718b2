// One cell of the nonogram grid: its kind, cover and treasure, the hand and hook moves and their animations.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>

#include "core/Dim.h"
#include "nonogram/TileData.h"

class TLevel;
class TFlyingTresure;
class TFlyingTile;
class TLevelHost;

// A cell's moves and their animations. Fresh: NONE. A right move: the hand on a picture cell (ODKRYJ_1) or
// the hook on an empty one (ODKRYJ_3) lifts the cover; then ODKRYJ_2 (the cover is gone), ODKRYJ_TILES (the
// picture fades in) and ODKRYTY. A wrong move: the hook on a picture cell (ROZBIJ_1) or the hand on an empty
// one (ROZBIJ_3), ending in ROZBITY.
enum class TTileState {
    NONE,
    ODKRYJ_1,
    ODKRYJ_2,
    ODKRYJ_3,
    ODKRYJ_TILES,
    ODKRYTY,
    ROZBIJ_1,
    ROZBIJ_3,
    ROZBITY
};
// "ODKRYJ-1" and so on; "" for NONE.
const char* tileStateName(TTileState state);
std::ostream& operator<<(std::ostream& out, TTileState state);

class TTile : public std::enable_shared_from_this<TTile> {
  public:
    TLevel* _level = nullptr;
    TFlyingTresure* _myTresure = nullptr;  // the treasure flying out of this cell, owned by the level
    TFlyingTile* _flyingTile = nullptr;    // while set, the flying copy draws the cell
    std::shared_ptr<TTileData> td;
    std::shared_ptr<TTileHideGFX> tdHide;
    std::shared_ptr<TTresureData> tresure;  // still under the cell
    float animTime = 0;
    int r = 0, c = 0;
    TDim dim;  // centre of the cell
    int64_t partTime = 0;
    float alpha = 1, scale = 1, rotation = 0;
    int odkryty = 0;  // the cover is gone
    int broken = 0;
    TTileState state = TTileState::NONE;
    float odkrA = 0;  // fade-in of the picture after uncovering
    int64_t revTime = 0;
    int64_t scoreTime = 0;
    int punktuj = 0;
    int punktowane = 0;
    int64_t genTime = 0;
    int noHintLoad = 0;
    float lightUPa = 0, dLightUpA = 0;
    std::string zadanie;    // tutorial task: "UNCOVER", "BROKE" or empty
    std::string poZadaniu;  // "LIGHT-DOWN" or empty
    int turnoff = 0;
    int timeElapsed = 0;  // the start sound of the current animation was played

    int IAmOver() const;
    float getFrame() const;
    eng::Image getImg() const;
    void setZadanie(const std::string& task, const std::string& after);
    void lightMeUp() { dLightUpA = 1; }
    void lightMeDown() { dLightUpA = 0; }
    void drawSPEcOver() const;
    void drawHiden() const;
    void _drawGreyField() const;
    void drawOdkryty() const;
    // Additive light over the cell; `strength` scales it (1 for a lit row or column).
    void drawOverBlend(float strength = 1) const;
    void drawPosibility() const;
    void _drawLightUp() const;
    void draw() const;
    int updateOver() const;
    void update_state_ODKRYJ_1();
    void update_state_ODKRYJ_3();
    void update_state_ROZBIJAJ_DESKE();
    void update_state_ODKRYJ_2();
    void update_state_ODKRYJ_TILES();
    void update_state_ROZBIJ_1();
    void update_state_ROZBIJ_3();
    void update();
    void _updateTutorial_light();
    void _updateTutorial_zadanie();
    void updateTutorial();
    void tutorialEndZadanie();
    std::string getSaveStateData() const;
    void generateOko();
    int isUncovered() const;
    int isCleared() const;
    int isClearedForCaptions() const;
    int uncoverSafe();
    void reveal();
    // The hand; answers 50 when a move started (the next cell of a line starts 50 ms later), else 0.
    int odkryj(int delay);
    // The hook; the mirror of the hand.
    int rozbij(int delay);
    int checkCwiartka() const;
    void setState(TTileState next);
    void setOdkrytyData(int o, int b);
    void setTileData(std::shared_ptr<TTileData> data) { td = std::move(data); }
    void setTileHideData(std::shared_ptr<TTileHideGFX> data) { tdHide = std::move(data); }
    void setTresure(std::shared_ptr<TTresureData> data) { tresure = std::move(data); }
    int isDone() const;
    int isDone2() const;
    int isRevealed() const;
    // True while the cover lifts or breaks: between the first move and the cell's final state.
    bool isAnimating() const;
    void rozbijNaKwadraty() const;

    // Picture cell: a tile kind other than 0.
    bool isPicture() const { return td && td->id != 0; }
    // The cover's frame count, at least 1.
    float hideFrames() const;
    // The level's size index (0 without a level).
    int sizeIndex() const;
    // The size of the cell's picture rectangle: its kind's picture, or the nominal size without one.
    void pictureSize(float& w, float& h) const;

  private:
    TLevelHost* _host() const;        // the screen playing the cell's level, or null
    int _play(int delay, bool hook);  // a move of the hand or the hook
    void _animateCover(float speed);  // the cover lifting, shared by the right moves
    void _sendStone();
    float _speed() const;  // 1, or 0.05 in the debug slow motion
};
