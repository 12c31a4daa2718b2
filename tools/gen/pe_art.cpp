// The chest puzzle's pictures in gfx/miniGames/puzzleExpress/, and the gold, gems, engraving and wood
// they share.
#include "pe_art.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "Entries.h"
#include "awards_art.h"
#include "maingame_chest_art.h"
#include "maingame_hud_art.h"
#include "paint/ImageIO.h"
#include "paint/Mask.h"
#include "paint/Path.h"

namespace gen {

namespace pe {

Shape box(float x, float y, float w, float h, float radius) {
    return Shape::rect(x * kK, y * kK, w * kK, h * kK, radius * kK);
}

Shape outline(std::initializer_list<Vec2> pts) {
    return outline(std::vector<Vec2>(pts));
}

Shape outline(const std::vector<Vec2>& pts) {
    std::vector<Vec2> big;
    for (const Vec2& p : pts) big.push_back(p * kK);
    return Shape::polygon(std::move(big));
}

void goldPart(Canvas& c, const Shape& s, Vec2 m, float r, bool shadow) {
    award::metalPart(c, s, award::kGold, m * kK, r * kK, kK * 0.8f, shadow);
}

void stud(Canvas& c, Vec2 m, float r) {
    goldPart(c, Shape::circle(m * kK, r * kK), m, r);
    c.paint(Shape::circle((m - Vec2{0.35f, 0.4f} * r) * kK, 0.28f * r * kK), hex(0xffffff, 0.7f),
            Blend::Screen);
}

Shape curve(const std::vector<Vec2>& pts, float w0, float w1) {
    Path path;
    path.moveTo(pts.front()).smoothThrough(std::vector<Vec2>(pts.begin() + 1, pts.end()));
    std::vector<Vec2> big;
    std::vector<float> widths;
    const auto& flat = path.points();
    for (size_t i = 0; i < flat.size(); ++i) {
        big.push_back(flat[i] * kK);
        widths.push_back(mixf(w0, w1, static_cast<float>(i) / static_cast<float>(flat.size() - 1)) * kK);
    }
    return Shape::stroke(big, widths);
}

Fill goldFill(Vec2 m, float r) {
    return award::metalFill(award::kGold, m * kK, r * kK);
}

Fill litFill(Color light, Color mid, Color deep, Vec2 m, float r) {
    return Fill::radial((m - Vec2{0.4f, 0.45f} * r) * kK, 1.6f * r * kK,
                        {{0, light}, {0.45f, mid}, {1, deep}});
}

void objectPart(Canvas& c, const Shape& s, const Fill& fill, float depth) {
    hud::part(c, s, fill, 1.1f * kK, depth * kK, 0.55f, 0.45f);
}

void sparkle(Canvas& c, Vec2 m, float r, float strength) {
    c.paint(
        Shape::circle(m * kK, 0.8f * r * kK),
        Fill::radial(m * kK, 0.8f * r * kK, {{0, hex(0xffffff, 0.7f * strength)}, {1, hex(0xffffff, 0.0f)}}),
        Blend::Inside);
    c.paint(Shape::star(m * kK, 4, r * kK, 0.14f * r * kK), hex(0xffffff, 0.95f * strength));
}

void cabochon(Canvas& c, Vec2 m, float r, Color light, Color mid, Color deep) {
    award::gem(c, m * kK, r * kK, light, mid, deep, kK * 0.8f);
}

void engrave(Canvas& c, const Shape& cut, float strength) {
    hud::Layer l(c, cut.bounds().expanded(3 * kK));
    const Mask m = l.mask(cut, 1.2f);
    l.canvas().paint(m.shifted(static_cast<int>(kK), static_cast<int>(kK)), hex(0xfff2d0, 0.35f * strength));
    l.canvas().paint(m, hex(0x2a1206, 0.6f * strength));
    l.put(c, Blend::Inside);
}

Fill wood(Color dark, Color mid, Color light, float tone, uint32_t seed, Vec2 grain) {
    return chest::woodFill(chest::WoodLook{dark, mid, light, 1.0f, grain, seed}, tone);
}

// The game picks a tile by its pixels, so a tile must be solid up to its rounded corners.
void requireSolid(const Canvas& tile, int kind) {
    constexpr int corner = 3;
    const int w = tile.width(), h = tile.height();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const bool inCorner = (x < corner || x >= w - corner) && (y < corner || y >= h - corner);
            if (!inCorner && tile.at(x, y).a < 254.5f / 255.0f)
                throw std::runtime_error("tile " + std::to_string(kind) + " is not solid at " +
                                         std::to_string(x) + ", " + std::to_string(y));
        }
}

}  // namespace pe

void genPuzzleExpressArt(const Context& ctx) {
    const std::string dir = "gfx/miniGames/puzzleExpress/";
    writePng(pe::chest(), ctx.out(dir + "chest.png"));
    writePng(pe::lid(), ctx.out(dir + "chest-Cover.png"));
    writePng(pe::socket(), ctx.out(dir + "tile.png"));
    for (int kind = 1; kind <= 6; ++kind) {
        const paint::Canvas t = pe::tile(kind);
        pe::requireSolid(t, kind);
        writePng(t, ctx.out(dir + "tiles/tile" + std::to_string(kind) + ".png"));
    }
    writePng(pe::pharaohMask(), ctx.out(dir + "objects/mask.png"));
    writePng(pe::oilLamp(), ctx.out(dir + "objects/lamp.png"));
    writePng(pe::singingBowl(), ctx.out(dir + "objects/bowl.png"));
    writePng(pe::papyrusStrip(), ctx.out(dir + "papier.png"));
    writePng(pe::foundRibbon(), ctx.out(dir + "found.png"));
}

}  // namespace gen
