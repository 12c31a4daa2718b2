// The hidden-object scenes' shared pictures: every object as it lies in a scene and in the bottom panel
// (in colour and in sepia), the bottom panel, the tick mark and the weather's pictures.
#include <algorithm>
#include <stdexcept>
#include <string>

#include "Entries.h"
#include "ho_items_art.h"
#include "paint/ImageIO.h"

namespace gen {

namespace ho {

namespace {

// Objects are picked by their pixels and the game aims at their middle, so it must be solid.
void requireSolidMiddle(const Canvas& c, const std::string& name) {
    if (c.at(c.width() / 2, c.height() / 2).a < 254.5f / 255.0f)
        throw std::runtime_error("object " + name + " is not solid at its middle");
}

}  // namespace

Canvas objectPicture(Drawing d) {
    Pen p(1.0f);
    d(p);
    return p.finish();
}

Canvas panelPicture(Drawing d) {
    const Canvas natural = objectPicture(d);
    float scale = std::min({1.5f, static_cast<float>(kFitW) / static_cast<float>(natural.width()),
                            static_cast<float>(kFitH) / static_cast<float>(natural.height())});
    Canvas pic;
    // Outlines keep their width when shrunk, so the first guess may come out a pixel too big.
    for (int tries = 0; tries < 4; ++tries) {
        Pen p(scale);
        d(p);
        pic = p.finish();
        if (pic.width() <= kFitW && pic.height() <= kFitH) break;
        scale *= std::min(static_cast<float>(kFitW) / static_cast<float>(pic.width()),
                          static_cast<float>(kFitH) / static_cast<float>(pic.height())) *
                 0.995f;
    }
    Canvas out(kPanelW, kPanelH);
    out.draw(pic, (kPanelW - pic.width()) / 2, (kPanelH - pic.height()) / 2);
    return out;
}

Canvas sepia(const Canvas& c) {
    const Gradient ramp{
        {0, hex(0x2e1a0c)}, {0.35f, hex(0x6e4a2a)}, {0.7f, hex(0xb8925e)}, {1, hex(0xf6e6c0)}};
    Canvas out(c.width(), c.height());
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) {
            const Pixel& p = c.at(x, y);
            if (p.a <= 0) continue;
            const float lum = (0.299f * p.r + 0.587f * p.g + 0.114f * p.b) / p.a;
            const Color col = ramp.at(clamp01(0.06f + 0.92f * lum));
            out.at(x, y) = {col.r * p.a, col.g * p.a, col.b * p.a, p.a};
        }
    return out;
}

}  // namespace ho

void genHiddenObjectItems(const Context& ctx) {
    const std::string dir = "gfx/miniGames/hiddenObjects/";
    for (const auto* list : {&ho::egyptObjects(), &ho::persiaObjects(), &ho::tibetObjects()})
        for (const ho::Object& o : *list) {
            const std::string name = o.name;
            const paint::Canvas item = ho::objectPicture(o.draw);
            ho::requireSolidMiddle(item, name);
            writePng(item, ctx.out(dir + "items/" + name + ".png"));
            const paint::Canvas panel = ho::panelPicture(o.draw);
            writePng(panel, ctx.out(dir + "panel/" + name + ".png"));
            writePng(ho::sepia(panel), ctx.out(dir + "panel/" + name + "-sepia.png"));
        }
    writePng(ho::bottomPanel(), ctx.out(dir + "bottom-panel.png"));
    writePng(ho::tick(), ctx.out(dir + "pick.png"));
    const std::string weather = "gfx/particles/pogoda/";
    for (int i = 0; i < 3; ++i)
        writePng(ho::leaf(i), ctx.out(weather + "lisc" + std::to_string(i + 1) + ".png"));
    writePng(ho::raindrop(), ctx.out(weather + "kropla.png"));
    writePng(ho::lightBall(), ctx.out(weather + "ball.png"));
    writePng(ho::seed(0), ctx.out(weather + "ziarno.png"));
    writePng(ho::seed(1), ctx.out(weather + "ziarno2.png"));
    writePng(ho::seed(2), ctx.out(weather + "ziarno3.png"));
}

}  // namespace gen
