// Skyline rectangle packer: bottom-left placement, lowest resulting top edge first.
#include "engine/Atlas.h"

#include <climits>

namespace eng {

SkylinePacker::SkylinePacker(int width, int height) : width_(width), height_(height) {
    skyline_.push_back({0, 0, width});
}

// The y at which a w x h block placed at skyline node `index` would rest, or -1 if it does not fit.
int SkylinePacker::fit(size_t index, int w, int h) const {
    int x = skyline_[index].x;
    if (x + w > width_) return -1;
    int widthLeft = w;
    int y = skyline_[index].y;
    size_t i = index;
    while (widthLeft > 0) {
        if (i >= skyline_.size()) return -1;
        if (skyline_[i].y > y) y = skyline_[i].y;
        if (y + h > height_) return -1;
        widthLeft -= skyline_[i].w;
        ++i;
    }
    return y;
}

bool SkylinePacker::insert(int w, int h, int& outX, int& outY) {
    int bestY = INT_MAX, bestW = INT_MAX;
    int bestIndex = -1;
    for (size_t i = 0; i < skyline_.size(); ++i) {
        int y = fit(i, w, h);
        if (y < 0) continue;
        if (y + h < bestY || (y + h == bestY && skyline_[i].w < bestW)) {
            bestY = y + h;
            bestW = skyline_[i].w;
            bestIndex = static_cast<int>(i);
            outX = skyline_[i].x;
            outY = y;
        }
    }
    if (bestIndex < 0) return false;

    Node node{outX, outY + h, w};
    skyline_.insert(skyline_.begin() + bestIndex, node);
    // Shrink or remove the nodes the new one covers.
    for (size_t i = bestIndex + 1; i < skyline_.size(); ++i) {
        Node& prev = skyline_[i - 1];
        Node& cur = skyline_[i];
        if (cur.x < prev.x + prev.w) {
            int shrink = prev.x + prev.w - cur.x;
            cur.x += shrink;
            cur.w -= shrink;
            if (cur.w <= 0) {
                skyline_.erase(skyline_.begin() + i);
                --i;
            } else {
                break;
            }
        } else {
            break;
        }
    }
    // Merge neighbours at the same height.
    for (size_t i = 0; i + 1 < skyline_.size(); ++i) {
        if (skyline_[i].y == skyline_[i + 1].y) {
            skyline_[i].w += skyline_[i + 1].w;
            skyline_.erase(skyline_.begin() + i + 1);
            --i;
        }
    }
    return true;
}

}  // namespace eng
