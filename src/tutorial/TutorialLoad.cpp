// Reading the tutorial's tips from "data/tutorial.dat" and their texts.
#include "core/Globals.h"
#include "files/DataFile.h"
#include "files/FileNumber.h"
#include "files/SplitText.h"
#include "files/TxtFile.h"
#include "gui/MyFont.h"
#include "progress/TutorialIndex.h"
#include "tutorial/Tutorial.h"

using namespace eng;

namespace {

TWords words(const std::string& text) {
    TWords w;
    for (const std::string& part : splitText(Trim(text), " "))
        if (!part.empty()) w.push_back(part);
    return w;
}

std::vector<TWords> wordLists(const TRCMFile& f, const std::string& k, const char* count, const char* item) {
    std::vector<TWords> lists;
    const int n = countItems(f, k + item, 1, readInt(f, k + count));
    for (int j = 1; j <= n; ++j) lists.push_back(words(f.getString(k + item + std::to_string(j))));
    return lists;
}

int fontIndex(const std::string& name) {
    const std::string n = Upper(name);
    if (n == "MEDIUM") return 1;
    if (n == "BIG") return 2;
    if (n == "VERY-SMALL") return 3;
    if (n == "VERY-VERY-SMALL") return 4;
    return 0;
}

}  // namespace

void TTutorial::setup(const std::string& path) {
    _path = path;
    const std::string dir = programPrefix + "gfx/gui/tutorial/";
    for (int i = 0; i < 2; ++i) {
        arrowImages[i] = LoadImage(dir + (i ? "arrow2.png" : "arrow.png"));
        if (arrowImages[i]) MidHandleImage(arrowImages[i]);
    }
    const int sizes[5] = {20, 26, 36, 16, 12};
    for (int i = 0; i < 5; ++i) font[i] = getFont(programPrefix + "gfx/fonts/font.ttf", sizes[i]);
    levelTips.clear();
    generalTips.clear();
    tutorialIndex.tips.clear();
    TRCMFile f;
    if (!f.Load(programPrefix + path)) {
        Warn("cannot read " + path + ": the game has no tutorial tips");
        return;
    }
    _texts = loadTxtFile(programPrefix + f.getString("tutorial::txtFile"));
    const int n = countItems(f, "tutorial::tut", 1, readInt(f, "tutorial::i"));
    for (int i = 1; i <= n; ++i) {
        auto tip = _loadExactTip(i, f);
        (tip->numerLevelu != 0 ? levelTips : generalTips).push_back(tip);
    }
    for (const auto* list : {&levelTips, &generalTips})
        for (const auto& t : *list) tutorialIndex.tips.push_back({t->id, t->numerLevelu, t->rememberMe});
}

std::shared_ptr<TTutorialTip> TTutorial::_loadExactTip(int i, const TRCMFile& f) const {
    const std::string k = "tutorial::tut" + std::to_string(i) + "::";
    auto tip = std::make_shared<TTutorialTip>();
    tip->id = Upper(f.getString(k + "id"));
    tip->title = getLine(_texts, readInt(f, k + "title"));
    tip->txt = Trim(getLine(_texts, readInt(f, k + "txt")));
    tip->txts = splitText(tip->txt, "#ENTER#");
    tip->tryb = readInt(f, k + "tryb");
    tip->skipAble = readInt(f, k + "skipAble");
    tip->screen = Upper(f.getString(k + "screen"));
    tip->numerLevelu = readInt(f, k + "level");
    tip->rememberMe = readInt(f, k + "rememberMe");
    tip->normalWidth = readInt(f, k + "normalWidth");
    if (const std::string img = f.getString(k + "img"); !img.empty()) {
        tip->img = LoadImage(programPrefix + img);
        if (tip->img) MidHandleImage(tip->img);
    }
    tip->font = font[fontIndex(f.getString(k + "font"))];
    const TWords pos = words(f.getString(k + "pos"));
    tip->dim.x = 400;
    tip->dim.y = 300;
    if (pos.size() >= 3 && Upper(pos[0]) == "POSITION") {
        tip->dim.x = static_cast<float>(std::atof(pos[1].c_str()));
        tip->dim.y = static_cast<float>(std::atof(pos[2].c_str()));
    }
    tip->conditions = wordLists(f, k, "conds", "condition");
    tip->allActions = wordLists(f, k, "actions", "action");
    tip->eraseConds = wordLists(f, k, "eraseConds", "eraseCondition");
    return tip;
}

std::shared_ptr<TTutorialTip> TTutorial::_loadExactTip2(const std::string& id) const {
    TRCMFile f;
    if (_path.empty() || !f.Load(programPrefix + _path)) return nullptr;
    const int n = countItems(f, "tutorial::tut", 1, readInt(f, "tutorial::i"));
    for (int i = 1; i <= n; ++i)
        if (Upper(f.getString("tutorial::tut" + std::to_string(i) + "::id")) == Upper(id))
            return _loadExactTip(i, f);
    return nullptr;
}
