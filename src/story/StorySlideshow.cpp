// The slide shows' cross-fades and steps, and the scripts of the five slide-show cutscenes.
#include "story/StorySlideshow.h"

#include <algorithm>
#include <map>

#include "core/DrawState.h"
#include "core/Globals.h"
#include "story/StoryPicture.h"

using namespace eng;

void TStorySlideshow::start() {
    std::map<std::string, Image> loaded;
    back.clear();
    for (const std::string& f : files) {
        if (!loaded.count(f)) loaded[f] = storyPicture(f, true);
        back.push_back(loaded[f]);
    }
    imageA.assign(files.size(), 0);
    dImageA.assign(files.size(), 0);
    if (!files.empty()) imageA[0] = dImageA[0] = 1;
    rate.resize(files.size(), 0.02f);
    state = 0;
    backTime = MilliSecs() + firstWait;
}

void TStorySlideshow::_updateBack() {
    for (size_t i = 0; i < imageA.size(); ++i)
        if (imageA[i] < dImageA[i]) imageA[i] = std::min(dImageA[i], imageA[i] + rate[i] * frameDelta);
    if (state >= static_cast<int>(steps.size()) || MilliSecs() <= backTime) return;
    const TSlideStep& s = steps[state++];
    if (s.dialog) RunDialog(s.dialog);
    for (int k : s.show)
        if (k >= 0 && k < static_cast<int>(dImageA.size())) dImageA[k] = 1;
    for (int k : s.remove)
        if (k >= 0 && k < static_cast<int>(imageA.size())) imageA[k] = dImageA[k] = 0;
    backTime = MilliSecs() + s.wait;
    if (s.end) dFade = 1;
}

void TStorySlideshow::_drawBack() {
    for (size_t i = 0; i < back.size(); ++i) {
        if (imageA[i] <= 0) continue;
        // A picture wholly covered by a later one that has faded all the way in need not be drawn.
        bool covered = false;
        for (size_t j = i + 1; j < back.size() && !covered; ++j) covered = back[j] && imageA[j] >= 1;
        if (!covered) drawScaled(back[i], 512, 384, 1, imageA[i]);
    }
    drawPanele();
}

void TStorySlideshow::Finish() {
    back.clear();
}

// Reading the tablet in the professor's tent: the lamp-lit table, then the tablet's glowing route.
TStoryTablet::TStoryTablet() {
    id = "STORY-TABLET-READ";
    files = {"gfx/story/tablet/image-1.jpg", "gfx/story/tablet/image-2.jpg"};
    steps = {{25, {1}, {}, 2000}, {26, {}, {}, 0, true}};
}

// The camp at the desert's edge, from dusk into the night.
TStoryCamp::TStoryCamp() {
    id = "STORY-CAMP";
    files = {"gfx/story/camp/image-1.jpg", "gfx/story/camp/image-2.jpg"};
    steps = {{27, {1}, {}, 2000}, {28, {}, {}, 0, true}};
}

// The caravan's road into Persia in eight pictures; the courtyard (6) comes back as the ninth.
TStoryGoToIran::TStoryGoToIran() {
    id = "STORY-GO-TO-IRAN";
    for (int i = 0; i < 8; ++i) files.push_back("gfx/story/GoToIran/image" + std::to_string(i) + ".jpg");
    files.push_back(files[6]);
    firstWait = 2000;
    steps = {{32, {1}, {}, 1000}, {33, {2}, {0}, 2000}, {34, {3}, {1}, 2000}, {0, {4}, {2}, 2000},
             {0, {5}, {3}, 2000}, {0, {6}, {4}, 2000},  {0, {7}, {5}, 1000},  {0, {8}, {6}, 2000},
             {0, {}, {}, 2000},   {0, {}, {}, 0, true}};
}

// The temple door taking the picture stone and opening on the hall.
TStoryTempleOpen::TStoryTempleOpen() {
    id = "STORY-TEMPLE-OPEN";
    for (int i = 0; i < 5; ++i) files.push_back("gfx/story/TempleOpen/image" + std::to_string(i) + ".jpg");
    rate = {0.005f, 0.02f, 0.02f, 0.02f, 0.02f};  // the facade comes slowly out of the night
    steps = {{0, {1}, {}, 2000},   {35, {2}, {0}, 2000}, {36, {3}, {1}, 2000},
             {37, {4}, {2}, 2000}, {0, {}, {}, 2000},    {0, {}, {}, 0, true}};
}

// The hall searched: the wall map, its close-up (twice) and the rival's traces.
TStoryTempleCheck::TStoryTempleCheck() {
    id = "STORY-TEMPLE-CHECK";
    for (int i = 0; i < 3; ++i) files.push_back("gfx/story/TempleCheck/image" + std::to_string(i) + ".jpg");
    files.push_back(files[1]);
    rate = {0.005f, 0.02f, 0.02f, 0.02f};
    steps = {{38, {1}, {}, 2000},
             {0, {2}, {0}, 2000},
             {0, {3}, {1}, 2000},
             {39, {}, {}, 2000},
             {0, {}, {}, 0, true}};
}
