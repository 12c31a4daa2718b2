// The opening story's files: the three backdrops and their pieces in gfx/story/start/, each checked against
// the script in content/data/Story-start.dat and its captions against the band they are shown in.
#include <cmath>
#include <fstream>
#include <regex>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "Entries.h"
#include "Palette.h"
#include "SystemFonts.h"
#include "paint/ImageIO.h"
#include "paint/Noise.h"
#include "paint/Text.h"
#include "story_start_art.h"

namespace gen {

namespace opening {

Canvas padded(const Canvas& c, int margin) {
    return c.cropped(-margin, -margin, c.width() + 2 * margin, c.height() + 2 * margin);
}

Mask cover(const Shape& s, int w, int h) {
    return s.rasterize(w, h, 1.1f);
}

Fill woodGrain(Color light, Color deep, float along, unsigned seed) {
    const Noise n(seed);
    return Fill([=](float x, float y) {
        const float g = n.fbm(x / along, y / 5.0f, 4);
        const float ring = 0.5f + 0.5f * std::sin(g * 26.0f);
        return mixOklab(light, deep,
                        clamp01(0.25f + 0.5f * g + 0.18f * ring + y / kH * 0.25f - x / kW * 0.1f));
    });
}

Canvas turned(const Canvas& c, float degrees) {
    const float a = degrees * kPi / 180, ca = std::abs(std::cos(a)), sa = std::abs(std::sin(a));
    const int w = static_cast<int>(std::ceil(c.width() * ca + c.height() * sa)) + 2;
    const int h = static_cast<int>(std::ceil(c.width() * sa + c.height() * ca)) + 2;
    Canvas out(w, h);
    const Vec2 from{c.width() / 2.0f, c.height() / 2.0f}, to{w / 2.0f, h / 2.0f};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            // Bilinear sample of the premultiplied source at the point turned back.
            const Vec2 s = rotate(Vec2{x + 0.5f, y + 0.5f} - to, -a) + from - Vec2{0.5f, 0.5f};
            const int x0 = static_cast<int>(std::floor(s.x)), y0 = static_cast<int>(std::floor(s.y));
            const float fx = s.x - x0, fy = s.y - y0;
            Pixel acc;
            for (int j = 0; j < 2; ++j)
                for (int i = 0; i < 2; ++i) {
                    const int sx = x0 + i, sy = y0 + j;
                    if (sx < 0 || sy < 0 || sx >= c.width() || sy >= c.height()) continue;
                    const float wgt = (i ? fx : 1 - fx) * (j ? fy : 1 - fy);
                    const Pixel& p = c.at(sx, sy);
                    acc.r += p.r * wgt, acc.g += p.g * wgt, acc.b += p.b * wgt, acc.a += p.a * wgt;
                }
            out.at(x, y) = acc;
        }
    return out;
}

void inkedPart(Canvas& c, const Shape& s, const Fill& f, float outline) {
    c.paint(cover(s.grown(outline), c.width(), c.height()), pal::kOutline.fade(0.9f));
    c.paint(cover(s, c.width(), c.height()), f);
}

namespace {

std::vector<std::string> readLines(const std::filesystem::path& p) {
    std::ifstream in(p);
    if (!in) throw std::runtime_error("cannot read " + p.string());
    std::vector<std::string> lines;
    for (std::string l; std::getline(in, l);) lines.push_back(l);
    return lines;
}

// The script must name only pictures painted here, captions that exist and fit the band in one or two
// lines, and captions that end before their part does (a part ends when its chain of pictures has run).
void checkScript(const Context& ctx, const std::set<std::string>& written) {
    const auto script = readLines(ctx.contentDir / "data/Story-start.dat");
    const auto captions = readLines(ctx.contentDir / "txt/en/story-start.txt");
    const Font font(requireFont(kSerifBold));
    const std::regex img(R"re(^\s*img\s*=\s*"([^"]*)")re"), num(R"(^\s*(\w+)\s*=\s*(-?\d+)\s*$)"),
        part(R"(^\s*part(\d+)\s*\{)");
    struct Part {
        int length = 0, latestCaption = 0;
    };
    std::vector<Part> parts;
    int start = 0;
    for (const std::string& l : script) {
        std::smatch m;
        if (std::regex_search(l, m, part)) parts.emplace_back();
        if (std::regex_search(l, m, img) && !m[1].str().empty() && !written.contains(m[1].str()))
            throw std::runtime_error("the story's script names " + m[1].str() + ", which is not painted");
        if (!std::regex_search(l, m, num) || parts.empty()) continue;
        const std::string key = m[1];
        const int v = std::stoi(m[2]);
        if (key == "time") parts.back().length += v;
        if (key == "startTime") start = v;
        if (key == "lifeTime") parts.back().latestCaption = std::max(parts.back().latestCaption, start + v);
        if (key != "txt") continue;
        if (v < 1 || v > static_cast<int>(captions.size()))
            throw std::runtime_error("the story's script names caption " + std::to_string(v) +
                                     ", which is missing");
        std::string text = captions[v - 1];
        int lines = 0;
        for (size_t from = 0;; ++lines) {
            const size_t cut = text.find("#ENTER#", from);
            const std::string line =
                text.substr(from, cut == std::string::npos ? std::string::npos : cut - from);
            if (font.advance(line, 30) > 960)
                throw std::runtime_error("story caption " + std::to_string(v) + " is too wide: " + line);
            if (cut == std::string::npos) break;
            from = cut + 7;
        }
        if (lines > 1)
            throw std::runtime_error("story caption " + std::to_string(v) + " has more than two lines");
    }
    for (size_t i = 0; i < parts.size(); ++i)
        if (parts[i].latestCaption > parts[i].length)
            throw std::runtime_error("a caption of the story's part " + std::to_string(i + 1) +
                                     " outlasts it");
}

}  // namespace

}  // namespace opening

void genStoryStart(const Context& ctx) {
    using namespace opening;
    const std::string dir = "gfx/story/start/";
    std::set<std::string> written;
    auto png = [&](const Canvas& c, const std::string& name) {
        writePng(c, ctx.out(dir + name));
        written.insert(dir + name);
    };
    auto jpg = [&](const Canvas& c, const std::string& name) {
        writeJpeg(c, ctx.out(dir + name), 92);
        written.insert(dir + name);
    };
    jpg(study(), "study.jpg");
    png(professorFigure(), "professor.png");
    png(tazmiraFigure(false), "tazmira-crowbar.png");
    png(tabletInStraw(), "tablet.png");
    jpg(deskTop(), "desk.jpg");
    png(routeMap(), "map.png");
    png(letter(), "notes.png");
    png(rivalPhoto(), "corvin.png");
    jpg(nileDawn(), "nile.jpg");
    png(tazmiraFigure(true), "tazmira-waving.png");
    png(passingFelucca(), "felucca.png");
    png(birds(), "birds.png");
    checkScript(ctx, written);
}

}  // namespace gen
