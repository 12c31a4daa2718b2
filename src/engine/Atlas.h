// Skyline rectangle packer for the texture atlas pages.
#pragma once

#include <cstddef>
#include <vector>

namespace eng {

class SkylinePacker {
  public:
    SkylinePacker() = default;
    SkylinePacker(int width, int height);
    // Finds room for a w x h block; returns false when the page is full.
    bool insert(int w, int h, int& x, int& y);
    int width() const { return width_; }
    int height() const { return height_; }

  private:
    struct Node {
        int x, y, w;
    };
    int fit(size_t index, int w, int h) const;
    int width_ = 0, height_ = 0;
    std::vector<Node> skyline_;
};

}  // namespace eng
