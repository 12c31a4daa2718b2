// The dialog box's file, its run over the calling screen, and its bars, panel and lines.
#include "story/DialogBox.h"

#include <algorithm>

#include "core/DeltaTime.h"
#include "core/DrawState.h"
#include "core/Globals.h"
#include "core/ImageLoad.h"
#include "files/DataFile.h"
#include "files/FileNumber.h"
#include "files/SplitText.h"
#include "files/TxtFile.h"
#include "gui/Gui.h"
#include "gui/Mouse.h"
#include "gui/MyFont.h"
#include "screen/FrameServices.h"

using namespace eng;

TDialogBox* dialogBox = nullptr;

void TDialogBox::setup() {
    panel = loadImageOrWarn(programPrefix + "gfx/gui/story/panel.png");
    kolko = loadImageOrWarn(programPrefix + "gfx/gui/story/kolko.png");
    if (kolko) MidHandleImage(kolko);
    fontex = getFont(programPrefix + "gfx/fonts/storyFont.ttf", 16);
    dialogFont = getFont(programPrefix + "gfx/fonts/storyFont.ttf", 18);
    txtClickToContinue = Trim(getLine(loadTxtFile(programPrefix + "txt/#LANG#/dialogBox.txt"), 1));
    loadDialogs(programPrefix + "data/dialogs.dat");
    x = 282;
    y = 234;
    w = 450;
    h = 300;
}

namespace {

// Far above the story's own file (29 dialogs of a few lines each).
constexpr int kMaxDialogs = 1000;
constexpr int kMaxLines = 100;

// The length of a list of the file, reading at most `cap` of it.
int listLength(const TRCMFile& f, const std::string& countKey, const std::string& base, int cap) {
    const int n = countItems(f, base, 1, readInt(f, countKey));
    if (n > cap) Warn(f._path + ": only the first " + std::to_string(cap) + " of \"" + base + "\" are read");
    return std::min(n, cap);
}

// A whole number of a line entry; a piece that is not a number gives 0.
int piece(const std::vector<std::string>& parts, size_t p, const std::string& where) {
    return p < parts.size() ? checkedInt(textToFloat(parts[p]), where) : 0;
}

}  // namespace

void TDialogBox::loadDialogs(const std::string& path, bool pictures) {
    dialogTexts.clear();
    TRCMFile f;
    if (!f.Load(path)) {
        Warn("cannot read " + path + ": the story has no dialogs");
        return;
    }
    const auto texts = loadTxtFile(programPrefix + "txt/#LANG#/dialogs.txt");
    const int dialogs = listLength(f, "dialogs::i", "dialogs::text", kMaxDialogs);
    for (int i = 1; i <= dialogs; ++i) {
        const std::string k = "dialogs::text" + std::to_string(i) + "::";
        auto d = std::make_shared<TDialogText>();
        d->id = readInt(f, k + "id");
        d->atBeginOrEnd = f.getString(k + "atBeginOrEnd");
        d->stageN = readInt(f, k + "stageN");
        d->levelN = readInt(f, k + "levelN");
        d->special = readInt(f, k + "special");
        const int portraits = readInt(f, k + "imgI");
        if (portraits > TDialogText::kMaxPortraits)
            Warn(path + ": dialog " + std::to_string(d->id) +
                 " names more than six portraits; the rest are left out");
        for (int j = 1; pictures && j <= std::min(portraits, TDialogText::kMaxPortraits); ++j) {
            d->image[j - 1] = loadImageOrWarn(programPrefix + f.getString(k + "img" + std::to_string(j)));
            if (d->image[j - 1]) MidHandleImage(d->image[j - 1]);
        }
        const int lines = listLength(f, k + "i", k + "txt", kMaxLines);
        for (int j = 1; j <= lines; ++j) {
            const std::string key = k + "txt" + std::to_string(j);
            const auto parts = splitText(f.getString(key), " ");
            const std::string where = path + ": " + key;
            TDialogLine l;
            l.txt = Trim(getLine(texts, piece(parts, 0, where)));
            l.time = piece(parts, 1, where);
            l.who = piece(parts, 2, where);
            l.rgb = TRGB{piece(parts, 3, where), piece(parts, 4, where), piece(parts, 5, where)};
            if (l.who < 0 || l.who >= std::min(portraits, TDialogText::kMaxPortraits))
                Warn(path + ": a line of dialog " + std::to_string(d->id) +
                     " has no portrait for its speaker");
            d->lines.push_back(l);
        }
        dialogTexts.push_back(d);
    }
}

std::shared_ptr<TDialogText> TDialogBox::getDialogText(int number) const {
    for (const auto& d : dialogTexts)
        if (d->id == number) return d;
    return nullptr;
}

int TDialogBox::findDialog(int stage, int level, const std::string& event) const {
    for (const auto& d : dialogTexts)
        if (d->stageN == stage && d->levelN == level && d->atBeginOrEnd == event) return d->id;
    return 0;
}

bool TDialogBox::prepare(TEkran* screen, int number, int mode) {
    withupdate = mode;
    ekran = screen;
    dialog = getDialogText(number);
    if (!dialog || dialog->lines.empty()) return false;
    dialog->reset(x, w, dialogFont);
    alpha = dAlpha = 0;
    fade = 0;
    dFade = 1;
    fSpeed = 0.02f;
    special = 0;
    state = "START";
    if (dialog->special && screen && screen->Gui && screen->Gui->getItem("skip")) special = 1;
    return true;
}

int TDialogBox::mainLoop(TEkran* screen, int number, int mode) {
    if (!prepare(screen, number, mode)) return 0;
    runLoop();
    dialog = nullptr;
    ekran = nullptr;
    FlushMouse();
    if (mouse) mouse->clear();
    return 0;
}

// Over once the box and the bars have faded out after the last line.
bool TDialogBox::finished() const {
    return alpha <= 0 && dAlpha == 0 && state == "EXIT" && fade <= 0 && dFade == 0;
}

void TDialogBox::update() {
    updateSystem(this, 0);
    if (state == "START") {
        dFade = 1;
        if (fade >= 0.4f) dAlpha = 1;
    } else {
        dAlpha = 0;
        dFade = 0;
    }
    _updateAlpha();
    _updateFade();
    if (special && ekran) ekran->_updateGui();
}

void TDialogBox::afterFrame() {
    if (special && ekran && ekran->Gui && ekran->Gui->clickedItem("skip")) {
        ekran->dFade = 1;
        dAlpha = 0;
        state = "EXIT";
    }
    if (mouse && mouse->leftPressed) control();
}

void TDialogBox::control() {
    if (dialog && dialog->NextLine(dialogFont)) state = "EXIT";
}

void TDialogBox::draw() {
    if (ekran) ekran->draw();
    resetDrawState();
    if (!dialog) return;
    if (!dialog->special) {
        const float s = static_cast<float>(Sin(90 * std::clamp(fade, 0.0f, 1.0f)));
        SetColor(0, 0, 0);
        SetAlpha(0.5f * s);
        DrawRect(0, 0, 1024, 768);
        SetAlpha(fade);
        DrawRect(0, 0, 1024, 200 * s);
        DrawRect(0, 768 - 200 * s, 1024, 200 * s);
        resetDrawState();
        SetAlpha(alpha);
        if (panel) DrawImage(panel, 200, 210);
        dialog->draw(alpha, dialogFont, kolko);
        SetImageFont(fontex);
        SetAlpha(0.7f * alpha);
        DrawText(txtClickToContinue, 532 - TextWidth(txtClickToContinue) / 2.0f, 490);
        resetDrawState();
    } else {
        dialog->drawSpecial(alpha, dialogFont);
    }
    _drawMouse();
}
