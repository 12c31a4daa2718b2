// The menu bar (deep-blue lacquer in gold trim) and its drop-down box (translucent night blue, gold border).
#include "theme_menu.h"

#include <algorithm>

#include "Palette.h"
#include "paint/Field.h"
#include "paint/ImageIO.h"
#include "paint/Shape.h"
#include "paint/Style.h"
#include "theme_slice.h"

namespace gen {

using namespace paint;

namespace {

constexpr int kBarH = 30;                  // the whole bar, with its shadow
constexpr int kBarEnd = 14;                // the rounded ends
constexpr int kBarArt = 88;                // painted at this width, then cut
constexpr int kBoxCorner = 12;             // box corners, and the thickness of its edges
constexpr int kBoxLength = 8;              // box edges and centre along their stretched length
constexpr int kBoxArt = 64;                // the box is painted at this size and then cut
constexpr float kBoxFar = kBoxArt - 3.0f;  // the border's right (bottom) edge, 2 px left for the shadow

const char* const kBoxKeys[9] = {"LU", "U", "RU", "R", "RD", "D", "LD", "L", "Middle"};

// A colour by depth into `shape`, reaching the end of the gradient `width` pixels in.
Fill byDepth(const Shape& shape, float width, Gradient g) {
    return Fill([shape, width, g](float x, float y) {
        return g.at(clamp01(-shape.distance({x, y}) / width));
    });
}

Style gilded(Fill fill, float bevelDepth, float outline) {
    Style s;
    s.fill = std::move(fill);
    s.outline = outline;
    s.outlineFill = pal::kOutline;
    s.bevel = Bevel{bevelDepth, 0.6f, 0.45f, true};
    return s;
}

std::string barFile(const char* part) {
    return std::string("gfx/gui/window/bar-") + part + ".png";
}

void menuBar(const Context& ctx) {
    Canvas c(kBarArt, kBarH);
    const Shape body = Shape::rect(1, 1, kBarArt - 2, 26.5f, 10);
    Mask shadow = body.rasterize(kBarArt, kBarH).shifted(0, 2);
    shadow.blur(1.4f);
    shadow.subtract(body.rasterize(kBarArt, kBarH));
    c.paint(shadow, hex(0x0a0510, 0.5f));

    const Shape face = Shape::rect(3, 3, kBarArt - 6, 22.5f, 7.5f);
    drawStyled(c, (body - face.grown(1)).field(kBarArt, kBarH),
               gilded(byDepth(body, 2.0f, {{0, pal::kGold}, {0.5f, pal::kGoldLight}, {1, pal::kGoldDeep}}),
                      2.0f, 1.0f));
    Canvas lacquer(kBarArt, kBarH);
    const Field f = face.field(kBarArt, kBarH);
    lacquer.paint(
        f.coverage(),
        Fill::vertical(
            3, 25.5f,
            {{0, hex(0x3a5fa8)}, {0.45f, pal::kBlue}, {0.55f, pal::kBlueDeep}, {1, pal::kBlueNight}}));
    innerShadow(lacquer, f, 1.0f, 1.0f, hex(0x050a1e, 0.6f));
    // Gloss on the upper half and a thin turquoise glint along the bottom.
    lacquer.paint(Shape::rect(5.5f, 4, kBarArt - 11, 8.5f, 4).rasterize(kBarArt, kBarH, 1.5f),
                  Fill::vertical(4, 12.5f, {{0, hex(0xffffff, 0.28f)}, {1, hex(0xffffff, 0.02f)}}),
                  Blend::Screen);
    lacquer.paint(Shape::line({9, 23.5f}, {kBarArt - 9.0f, 23.5f}, 0.9f).rasterize(kBarArt, kBarH),
                  pal::kTurquoise.fade(0.45f), Blend::Screen);
    c.draw(lacquer, 0, 0);

    checkStripEnds(c, kBarEnd);
    writePng(c.cropped(0, 0, kBarEnd, kBarH), ctx.out(barFile("left")));
    writePng(c.cropped(kBarArt / 2, 0, 1, kBarH), ctx.out(barFile("middle")));
    writePng(c.cropped(kBarArt - kBarEnd, 0, kBarEnd, kBarH), ctx.out(barFile("right")));
}

Shape boxAt(float inset) {
    const float size = kBoxFar - 1 - 2 * inset;
    return Shape::rect(1 + inset, 1 + inset, size, size, std::max(1.5f, 6 - inset));
}

FrameArt boxArt() {
    FrameArt art{Canvas(kBoxArt, kBoxArt), boxAt(1).rasterize(kBoxArt, kBoxArt), nullptr};
    Canvas& c = art.deco;
    Mask shadow = boxAt(0).rasterize(kBoxArt, kBoxArt).shifted(1, 1);
    shadow.blur(1.0f);
    shadow.subtract(boxAt(0).rasterize(kBoxArt, kBoxArt));
    c.paint(shadow, hex(0x05030a, 0.55f));
    drawStyled(c, (boxAt(0.3f) - boxAt(2.3f)).field(kBoxArt, kBoxArt),
               gilded(byDepth(boxAt(0.3f), 2.0f, {{0, pal::kGoldLight}, {1, pal::kGoldDeep}}), 1.0f, 0.7f));
    c.paint(boxAt(4.2f).outline(0.9f).rasterize(kBoxArt, kBoxArt), pal::kTurquoise.fade(0.7f));
    // Small gold diamonds where the turquoise line turns.
    auto diamond = [](float x, float y) {
        return Shape::polygon({{x, y - 2.8f}, {x + 2.8f, y}, {x, y + 2.8f}, {x - 2.8f, y}});
    };
    const float near = 5.2f, far = kBoxFar - 4.2f;
    const Shape studs = diamond(near, near) | diamond(far, near) | diamond(far, far) | diamond(near, far);
    Style stud = gilded(Fill(pal::kGoldLight), 1.0f, 0.7f);
    drawStyled(c, studs.field(kBoxArt, kBoxArt), stud);
    art.fill = [](float, float v) { return mixOklab(hex(0x22386c, 0.9f), hex(0x0d1533, 0.93f), v); };
    return art;
}

}  // namespace

std::vector<std::pair<std::string, std::string>> menuPieceFiles() {
    std::vector<std::pair<std::string, std::string>> files = {
        {"lewo", barFile("left")}, {"srodek", barFile("middle")}, {"prawo", barFile("right")}};
    for (const char* key : kBoxKeys)
        files.emplace_back(key, std::string("gfx/gui/window/box-") + key + ".png");
    return files;
}

std::vector<std::pair<std::string, std::array<int, 3>>> menuColours() {
    return {{"textRGB", {255, 238, 200}}, {"outLineRGB", {46, 21, 8}}, {"backRGB", {242, 177, 52}}};
}

void genMenuPieces(const Context& ctx) {
    menuBar(ctx);
    const auto pieces = sliceFrame(boxArt(), kBoxCorner, kBoxLength);
    const auto files = menuPieceFiles();
    for (int i = 0; i < 9; ++i) writePng(pieces[i], ctx.out(files[3 + i].second));
}

}  // namespace gen
