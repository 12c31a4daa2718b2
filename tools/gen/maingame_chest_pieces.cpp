// The 19 pieces the chest bursts into, cut from the most damaged chest. The game draws piece i with its
// top-left corner at a fixed screen point, so every pixel goes to a piece whose corner lies above and to
// the left of it; within that rule the cuts run like splits in wood, longer along the boards.
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <string>

#include "maingame_chest_art.h"
#include "nonogram/ChestPieces.h"
#include "paint/Field.h"
#include "paint/ImageIO.h"
#include "paint/Mask.h"
#include "paint/Noise.h"

namespace gen::chest {

namespace {

constexpr int kPieces = kChestPieceCount;
// Screen positions of the pieces' top-left corners, piece 1 first, as the game places them.
constexpr std::array<Vec2, kPieces> kCorners = [] {
    std::array<Vec2, kPieces> out{};
    for (int k = 0; k < kPieces; ++k)
        out[k] = {static_cast<float>(kChestPieceCorners[k][0]), static_cast<float>(kChestPieceCorners[k][1])};
    return out;
}();

struct Cut {
    std::vector<int> label;  // piece per canvas pixel, −1 where there is no chest
};

// Distance used for the cut: stretched across so pieces come out wider than tall, like broken boards.
float cutDistance(Vec2 p, Vec2 seed) {
    const Vec2 d = p - seed;
    return std::sqrt(d.x * d.x * 0.55f + d.y * d.y);
}

Cut cutChest(const Mask& solid) {
    const int w = solid.width(), h = solid.height();
    const Noise n(91u);
    std::vector<Vec2> seeds;
    for (const Vec2& c : kCorners) seeds.push_back(c + Vec2{9, 9});
    Cut cut;
    cut.label.assign(static_cast<size_t>(w) * h, -1);
    // A few rounds of moving every seed to the middle of its piece evens the pieces out.
    for (int round = 0; round < 8; ++round) {
        std::vector<Vec2> sum(kPieces);
        std::vector<float> count(kPieces);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const size_t i = static_cast<size_t>(y) * w + x;
                cut.label[i] = -1;
                if (solid.at(x, y) <= 0.0f) continue;
                const Vec2 p = toScreen(x + 0.5f, y + 0.5f);
                const Vec2 q = p + Vec2{(n.fbm(p.x / 12.0f, p.y / 12.0f, 2) - 0.5f) * 14.0f,
                                        (n.fbm(p.x / 12.0f + 40, p.y / 12.0f, 2) - 0.5f) * 9.0f};
                // A piece may not reach left of or above its corner; away from the corner its left and
                // top edges wander further in, so that no cut runs ruler-straight.
                for (int strict = 0; strict < 2 && cut.label[i] < 0; ++strict) {
                    float best = std::numeric_limits<float>::max();
                    for (int k = 0; k < kPieces; ++k) {
                        const float ax = p.x - kCorners[k].x, ay = p.y - kCorners[k].y;
                        if (ax < 0 || ay < 0) continue;
                        if (strict == 0) {
                            const float kf = static_cast<float>(k);
                            const float ox =
                                6.0f * n.value(p.y / 6.0f + kf * 13.0f, kf) * smoothstep(0, 10, ay);
                            const float oy =
                                5.0f * n.value(p.x / 7.0f + kf * 7.0f, kf + 50) * smoothstep(0, 10, ax);
                            if (ax < ox || ay < oy) continue;
                        }
                        const float d = cutDistance(q, seeds[k]);
                        if (d < best) {
                            best = d;
                            cut.label[i] = k;
                        }
                    }
                }
                if (cut.label[i] >= 0) {
                    sum[cut.label[i]] = sum[cut.label[i]] + p;
                    count[cut.label[i]] += 1;
                }
            }
        for (int k = 0; k < kPieces; ++k) {
            if (count[k] <= 0) continue;
            // Each seed drifts to its piece's middle but stays near its corner, so the corner is reached.
            const Vec2 centre = sum[k] / count[k];
            seeds[k] = lerp(kCorners[k] + Vec2{6, 6}, centre, 0.7f);
        }
    }
    return cut;
}

// Crumbs cut off from their piece join the neighbour that surrounds them most, where its corner allows.
void mergeCrumbs(Cut& cut, int w, int h) {
    std::vector<int> comp(cut.label.size(), -1);
    std::vector<std::vector<size_t>> members;
    for (size_t start = 0; start < cut.label.size(); ++start) {
        if (cut.label[start] < 0 || comp[start] >= 0) continue;
        const int id = static_cast<int>(members.size());
        members.emplace_back();
        std::vector<size_t> stack{start};
        comp[start] = id;
        while (!stack.empty()) {
            const size_t i = stack.back();
            stack.pop_back();
            members[id].push_back(i);
            const int x = static_cast<int>(i % w), y = static_cast<int>(i / w);
            const int nx[] = {x - 1, x + 1, x, x}, ny[] = {y, y, y - 1, y + 1};
            for (int k = 0; k < 4; ++k) {
                if (nx[k] < 0 || ny[k] < 0 || nx[k] >= w || ny[k] >= h) continue;
                const size_t j = static_cast<size_t>(ny[k]) * w + nx[k];
                if (comp[j] < 0 && cut.label[j] == cut.label[i]) {
                    comp[j] = id;
                    stack.push_back(j);
                }
            }
        }
    }
    // The largest part of every piece stays; every other part looks for a new owner.
    std::vector<size_t> largest(kPieces, 0);
    for (const auto& m : members) largest[cut.label[m[0]]] = std::max(largest[cut.label[m[0]]], m.size());
    for (const auto& m : members) {
        const int own = cut.label[m[0]];
        if (m.size() == largest[own]) continue;
        std::vector<int> votes(kPieces, 0);
        for (size_t i : m) {
            const int x = static_cast<int>(i % w), y = static_cast<int>(i / w);
            const int nx[] = {x - 1, x + 1, x, x}, ny[] = {y, y, y - 1, y + 1};
            for (int k = 0; k < 4; ++k) {
                if (nx[k] < 0 || ny[k] < 0 || nx[k] >= w || ny[k] >= h) continue;
                const int l = cut.label[static_cast<size_t>(ny[k]) * w + nx[k]];
                if (l >= 0 && l != own) ++votes[l];
            }
        }
        int best = -1;
        for (int l = 0; l < kPieces; ++l) {
            bool allowed = votes[l] > 0;
            for (size_t i = 0; allowed && i < m.size(); ++i) {
                const Vec2 p =
                    toScreen(static_cast<float>(m[i] % w) + 0.5f, static_cast<float>(m[i] / w) + 0.5f);
                allowed = p.x >= kCorners[l].x && p.y >= kCorners[l].y;
            }
            if (allowed && (best < 0 || votes[l] > votes[best])) best = l;
        }
        if (best >= 0)
            for (size_t i : m) cut.label[i] = best;
    }
}

}  // namespace

void writePieces(const Context& ctx, const Canvas& chest) {
    const int w = chest.width(), h = chest.height();
    // Faint cast shadows round the chest are not part of any piece.
    Mask solid = chest.alpha();
    solid.levels(0.2f, 0.5f);
    Cut cut = cutChest(solid);
    mergeCrumbs(cut, w, h);
    for (int k = 0; k < kPieces; ++k) {
        Mask own(w, h);
        for (size_t i = 0; i < cut.label.size(); ++i) own.values()[i] = cut.label[i] == k ? 1.0f : 0.0f;
        Canvas piece = chest;
        Mask keep = own;
        keep.multiply(solid);
        piece.clip(keep);
        // A thin dark rim, so the piece reads against anything while it tumbles down.
        Mask body = own;
        body.multiply(chest.alpha().levels(0.45f, 0.55f));
        const Field f = Field::fromMask(body, 1);
        piece.paint(f.band(-sl(0.9f), 0.0f), pal::kOutline.fade(0.9f), Blend::Inside);
        piece.paint(f.band(-sl(1.8f), -sl(0.9f)), hex(0xffd9a0, 0.18f), Blend::Inside);
        const Canvas small = piece.downsampled(2);
        const int x0 = kChestPieceCorners[k][0] - kOriginX, y0 = kChestPieceCorners[k][1] - kOriginY;
        int x1 = x0, y1 = y0;
        for (int y = y0; y < small.height(); ++y)
            for (int x = x0; x < small.width(); ++x)
                if (small.at(x, y).a > 0.004f) {
                    x1 = std::max(x1, x);
                    y1 = std::max(y1, y);
                }
        writePng(small.cropped(x0, y0, x1 - x0 + 1, y1 - y0 + 1),
                 ctx.out("gfx/particles/chest/part-" + std::to_string(k + 1) + ".png"));
    }
}

}  // namespace gen::chest
