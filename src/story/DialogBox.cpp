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

void TDialogBox::loadDialogs(const std::string& path, bool pictures) {
    dialogTexts.clear();
    TRCMFile f;
    if (!f.Load(path)) {
        Warn("cannot read " + path + ": the story has no dialogs");
        return;
    }
    const auto texts = loadTxtFile(programPrefix + "txt/#LANG#/dialogs.txt");
    for (int i = 1, n = readInt(f, "dialogs::i"); i <= n; ++i) {
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
        for (int j = 1, m = readInt(f, k + "i"); j <= m; ++j) {
            const auto parts = splitText(f.getString(k + "txt" + std::to_string(j)), " ");
            auto num = [&](size_t p) { return p < parts.size() ? std::atoi(parts[p].c_str()) : 0; };
            TDialogLine l;
            l.txt = Trim(getLine(texts, num(0)));
            l.time = num(1);
            l.who = num(2);
            l.rgb = TRGB{num(3), num(4), num(5)};
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
