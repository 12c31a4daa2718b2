// The animation table of an animated button: named lists of strip frames and their frame times.
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

class TAnimData {
  public:
    static constexpr int kMaxAnims = 10;

    std::vector<std::vector<int>> frameN;  // frame numbers (from 1) of each animation, in play order
    int anims = 0;                         // number of animations named
    std::vector<std::string> animName;     // the names, upper-cased, one per animation
    int animFrames = 0;                    // the largest frame number (set by liczbaKlatek)
    int64_t animTime = 0;                  // MilliSecs at which the current frame ends
    std::vector<int> frameDelta;           // milliseconds per frame of each animation

    // How many frame numbers animation `a` has; 0 for an animation that does not exist.
    int frames(int a) const;
    // Frame number `i` of animation `a`, or 0 when there is none.
    int frameAt(int a, int i) const;
    // Milliseconds per frame of animation `a`, 0 when it does not exist.
    int delta(int a) const;
    // Appends a frame number to animation `a` (ignored for an animation that does not exist).
    void addFrame(int a, int number);

    // The index of the animation called `name` (letter case ignored). An unknown name is reported
    // once per table and gives 0.
    int getAnimByName(const std::string& name);
    // The index of `name`, or -1; reports nothing.
    int findAnim(const std::string& name) const;
    // The animation called `name`, added in the next free slot if it is new; with every slot taken by
    // other names it is reported and 0 is returned.
    int dodajNazwe(const std::string& name);
    // The largest frame number of all animations, also kept in animFrames.
    int liczbaKlatek();

  private:
    std::set<std::string> _reported;  // unknown names already reported
};
