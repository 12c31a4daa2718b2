// The local highscores: the table, its file and its screen.
#include "progress/Highscores.h"

#include <algorithm>

#include "core/DrawState.h"
#include "core/Globals.h"
#include "core/ImageLoad.h"
#include "files/DataFile.h"
#include "files/FileNumber.h"
#include "files/TxtFile.h"
#include "gui/Mouse.h"
#include "gui/MyFont.h"
#include "progress/Profile.h"
#include "progress/ScreenText.h"
#include "screen/FrameServices.h"

using namespace eng;

THighscores* highscores = nullptr;

std::string highScoresPath() {
    return userFolder + "/Data/localHighScores.dat";
}

const TScoreData* TScoreTab::getLowestScoreData() const {
    if (list.empty()) return nullptr;
    return &*std::min_element(list.begin(), list.end(),
                              [](const TScoreData& a, const TScoreData& b) { return a.score < b.score; });
}

bool TScoreTab::addNewEntry(const std::string& user, int score, int numerLevelu) {
    if (score <= 0) return false;
    const TScoreData* lowest = getLowestScoreData();
    if (static_cast<int>(list.size()) >= kMaxEntries && lowest && score <= lowest->score) return false;
    // After the equal scores already there: the earlier player keeps the better rank.
    auto at =
        std::find_if(list.begin(), list.end(), [score](const TScoreData& d) { return d.score < score; });
    list.insert(at, TScoreData{user, score, numerLevelu});
    while (static_cast<int>(list.size()) > kMaxEntries) list.pop_back();
    return true;
}

// ---------------------------------------------------------------- the file

void THighscores::setup() {
    img = loadImageOrWarn(programPrefix + "gfx/gui/highscores/back.jpg");
    auto texts = loadTxtFile(programPrefix + "txt/#LANG#/highscores.txt");
    txtTitleLocal = getLine(texts, 1);
    txtTitleGlobal = getLine(texts, 2);
    const std::string berry = programPrefix + "gfx/fonts/berry.ttf";
    tabFont = getFont(berry, 24);
    titleFont = getFont(berry, 30);
    localHighScores.id = "LOCAL";
    localHighScores.title = txtTitleLocal;
    loadHighScores(highScoresPath());
}

bool THighscores::loadHighScores(const std::string& path) {
    localHighScores.list.clear();
    if (FileType(path) != 1) return false;
    TRCMFile file;
    if (!file.Load(path)) {
        Warn("cannot read the highscores " + path + "; the table starts empty");
        return false;
    }
    const int count = countItems(file, "highScore::high", 1, readInt(file, "highScore::i"));
    std::vector<TScoreData> read;
    for (int j = 1; j <= count; ++j) {
        const std::string key = "highScore::high" + std::to_string(j);
        read.push_back({file.getString(key + "::user"), readInt(file, key + "::scores"),
                        readInt(file, key + "::numerLevelu")});
    }
    // Whatever order the file has, the table is best first and fifteen long.
    std::stable_sort(read.begin(), read.end(),
                     [](const TScoreData& a, const TScoreData& b) { return a.score > b.score; });
    if (static_cast<int>(read.size()) > TScoreTab::kMaxEntries) read.resize(TScoreTab::kMaxEntries);
    localHighScores.list = read;
    return true;
}

bool THighscores::saveHighScores() const {
    return saveHighScores(highScoresPath());
}

bool THighscores::saveHighScores(const std::string& path) const {
    TRCMFile file;
    const auto& list = localHighScores.list;
    file.setFloat("highScore::i", static_cast<double>(list.size()));
    for (size_t j = 0; j < list.size(); ++j) {
        const std::string key = "highScore::high" + std::to_string(j + 1);
        file.setString(key + "::user", list[j].user);
        file.setFloat(key + "::scores", list[j].score);
        file.setFloat(key + "::numerLevelu", list[j].numerLevelu);
    }
    CreateDir(ExtractDir(path), true);
    return file.save(path);
}

bool THighscores::checkHighScores(const TProfile& p) {
    return localHighScores.addNewEntry(p.name, p.score, p.numerLevelu);
}

// ---------------------------------------------------------------- the screen

void THighscores::mainLoop(TEkran* behind) {
    alpha = 0;
    dAlpha = 1;
    fade = dFade = 0;
    runModal(behind);
}

void THighscores::update() {
    updateSystem(this, 0);
    _updateAlpha();
}

void THighscores::afterFrame() {
    if (alpha < 1 || dAlpha == 0) return;
    if (KeyHit(27) || KeyHit(13) || (mouse && mouse->leftPressed)) dAlpha = 0;
}

void THighscores::draw() {
    resetDrawState();
    SetAlpha(alpha);
    if (img) DrawImage(img, 0, 0);
    auto outlined = [this](const std::string& text, float x, float y) {
        outlinedText(text, x, y, 2, alpha, 247, 222, 113);
    };
    SetImageFont(titleFont);
    outlined(localHighScores.title, 511 - TextWidth(localHighScores.title) / 2.0f, 15);
    SetImageFont(tabFont);
    for (size_t k = 0; k < localHighScores.list.size(); ++k) {
        const TScoreData& d = localHighScores.list[k];
        const float y = 60 + 30.0f * k;
        outlined(std::to_string(k + 1), 50, y);
        outlined(std::to_string(d.numerLevelu), 100, y);
        outlined(d.user, 150, y);
        const std::string score = std::to_string(d.score);
        outlined(score, 900 - TextWidth(score), y);
    }
    resetDrawState();
    _drawMouse();
}
