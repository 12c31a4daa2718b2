// Reading the opening story's script and captions into parts, pictures and captions.
#include <cmath>

#include "core/Globals.h"
#include "files/DataFile.h"
#include "files/FileNumber.h"
#include "files/SplitText.h"
#include "files/TxtFile.h"
#include "gui/MyFont.h"
#include "story/StoryPicture.h"
#include "story/StoryStart.h"

using namespace eng;

namespace {

float readFloat(const TRCMFile& f, const std::string& key, int index = 0) {
    const float v = f.getFloat(key, index);
    return std::isfinite(v) ? v : 0.0f;
}

std::unique_ptr<TStoryImage> readImage(const TRCMFile& f, const std::string& k, TStoryPart& part, int j) {
    auto i = std::make_unique<TStoryImage>();
    i->myPart = &part;
    i->n = j;
    i->img = storyPicture(f.getString(k + "img"));
    i->x = readFloat(f, k + "position", 0);
    i->y = readFloat(f, k + "position", 1);
    i->hx = readInt(f, k + "handle", 0);
    i->hy = readInt(f, k + "handle", 1);
    if (i->img) SetImageHandle(i->img, i->hx, i->hy);
    i->rot = readFloat(f, k + "rot");
    i->onTop = readInt(f, k + "onTop");
    i->moveAlong = readInt(f, k + "moveAlong");
    i->txtToRelease = readInt(f, k + "release");
    // A negative duration is as good as none: the motion is done at once.
    i->timeFrame = std::max(0, readInt(f, k + "time"));
    i->typ = readInt(f, k + "typ");
    if (i->typ == 1) {
        i->scale1 = readFloat(f, k + "scale", 0);
        i->scale2 = readFloat(f, k + "scale", 1);
    }
    if (i->typ == 2 || i->typ == 4) {
        i->vx = readFloat(f, k + "vector", 0);
        i->vy = readFloat(f, k + "vector", 1);
    }
    return i;
}

std::unique_ptr<TStoryTxt> readText(const TRCMFile& f, const std::string& k, int t,
                                    const std::shared_ptr<TTxtFile>& lines, const std::string& where) {
    auto c = std::make_unique<TStoryTxt>();
    c->myNumber = t;
    const auto font = splitText(f.getString(k + "font"), "|");
    const int size = font.size() > 1 ? std::atoi(font[1].c_str()) : 0;
    if (!font.empty() && size > 0) c->font = getFont(programPrefix + font[0], size);
    c->txt = splitText(Trim(getLine(lines, readInt(f, k + "txt"))), "#ENTER#");
    if (c->txt.size() > 2)
        Warn(where + ": caption " + std::to_string(t) + " has more than two lines; it is not shown");
    c->cond = readInt(f, k + "cond");
    c->startTime = readInt(f, k + "startTime");
    c->time = std::max(0, readInt(f, k + "lifeTime"));
    return c;
}

}  // namespace

void TStoryStart::loadStory(const std::string& path) {
    storyParts.clear();
    wynik = "";
    TRCMFile f;
    if (!f.Load(programPrefix + path)) {
        Warn("cannot read " + path + ": the opening story is left out");
        return;
    }
    wynik = Trim(f.getString("story::atEnd"));
    const auto lines = loadTxtFile(programPrefix + "txt/#LANG#/story-start.txt");
    const int parts = countItems(f, "story::part", 1, readInt(f, "story::i"));
    for (int p = 1; p <= parts; ++p) {
        const std::string pk = "story::part" + std::to_string(p) + "::";
        auto part = std::make_unique<TStoryPart>();
        part->numer = p;
        const int images = countItems(f, pk + "image", 1, readInt(f, pk + "i"));
        for (int j = 1; j <= images; ++j)
            part->images.push_back(readImage(f, pk + "image" + std::to_string(j) + "::", *part, j));
        const int texts = countItems(f, pk + "text", 1, readInt(f, pk + "texts"));
        for (int t = 1; t <= texts; ++t)
            part->texts.push_back(readText(f, pk + "text" + std::to_string(t) + "::", t, lines, path));
        storyParts.push_back(std::move(part));
    }
}
