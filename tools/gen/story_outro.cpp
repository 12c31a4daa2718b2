// The outro's files in gfx/story/outro/: the seven slides, the Cairo scene a week later, its figures and the
// touring car that drives across it.
#include <algorithm>
#include <stdexcept>
#include <string>

#include "Entries.h"
#include "backgrounds_art.h"
#include "paint/ImageIO.h"
#include "story_outro_art.h"

namespace gen {

namespace {

using namespace outro;

constexpr float kFigureHeight = 336;  // Tazmira, feet to helmet; the others by their stature
constexpr int kFootMargin = 8;        // the figures' feet stand this far above their picture's bottom

// The columns and top row any of the canvases paints, so figures to be cross-faded share one frame.
Rect inked(const std::vector<const Canvas*>& cs) {
    Rect r{1e9f, 1e9f, -1, -1};
    for (const Canvas* c : cs)
        for (int y = 0; y < c->height(); ++y)
            for (int x = 0; x < c->width(); ++x)
                if (c->at(x, y).a > 0.004f)
                    r = {std::min(r.x0, static_cast<float>(x)), std::min(r.y0, static_cast<float>(y)),
                         std::max(r.x1, x + 1.0f), std::max(r.y1, y + 1.0f)};
    return r;
}

// The figure on a transparent canvas, feet kFootMargin above the bottom edge, cut to what it paints.
std::vector<Canvas> standing(Who who, const std::vector<Pose>& poses, int facing) {
    const float h = kFigureHeight * stature(who);
    const int w = static_cast<int>(h * 1.6f), ch = static_cast<int>(h * 1.25f);
    std::vector<Canvas> all;
    for (const Pose& p : poses) {
        Canvas c(w, ch);
        figure(c, who, p, {w / 2.0f, static_cast<float>(ch - kFootMargin)}, h, facing);
        all.push_back(std::move(c));
    }
    std::vector<const Canvas*> ptrs;
    for (const Canvas& c : all) ptrs.push_back(&c);
    const Rect r = inked(ptrs).expanded(3);
    std::vector<Canvas> out;
    for (const Canvas& c : all)
        out.push_back(c.cropped(static_cast<int>(r.x0), static_cast<int>(r.y0), static_cast<int>(r.width()),
                                ch - static_cast<int>(r.y0)));
    return out;
}

void checkSize(const Canvas& c, int w, int h, const std::string& name) {
    if (c.width() != w || c.height() != h)
        throw std::runtime_error("story outro: " + name + " came out " + std::to_string(c.width()) + "x" +
                                 std::to_string(c.height()));
}

}  // namespace

void genStoryOutro(const Context& ctx) {
    const std::string dir = "gfx/story/outro/";
    using Painter = Canvas (*)();
    const Painter slides[] = {monasteryDawn, lastDoor,          treasureChamber, heartOfTheKings,
                              rivalBlocked,  treasureEntrusted, sunsetLedge};
    for (int i = 0; i < 7; ++i) {
        const Canvas s = slides[i]();
        const std::string name = "image-" + std::to_string(i) + ".jpg";
        checkSize(s, kW, kSlideH, name);
        writeJpeg(s, ctx.out(dir + name), 90);
    }
    const Canvas back = cairoBack();
    checkSize(back, kW, kH, "back.jpg");
    writeJpeg(back, ctx.out(dir + "back.jpg"), 90);
    const Canvas car = touringCar();
    checkSize(car, 360, 180, "car.png");
    writePng(car, ctx.out(dir + "car.png"));
    Pose wave;
    wave.farArm = 125;
    wave.farElbow = 45;
    wave.nearArm = -4;
    writePng(standing(Who::Tazmira, {wave}, 1)[0], ctx.out(dir + "tazmira.png"));
    Pose guide;
    guide.nearArm = 10;
    guide.nearElbow = 60;
    writePng(standing(Who::Hamid, {guide}, 1)[0], ctx.out(dir + "hamid.png"));
    Pose hat;
    hat.held = Held::Hat;
    hat.nearArm = 30;
    hat.nearElbow = 75;
    Pose found;
    found.held = Held::NewTablet;
    found.nearArm = 55;
    found.nearElbow = 75;
    found.farArm = 62;
    found.farElbow = 70;
    found.smile = false;
    found.surprised = true;
    const std::vector<Canvas> wren = standing(Who::Wren, {hat, found}, -1);
    writePng(wren[0], ctx.out(dir + "profesor.png"));
    writePng(wren[1], ctx.out(dir + "profesor2.png"));
}

}  // namespace gen
