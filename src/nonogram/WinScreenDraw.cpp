// The win screen's drawing, back to front: the level behind, its darkening, the panel, the buttons, the
// picture, the statistics or the result, the level's name, the sparks and the treasures flying in.
#include <string>

#include "core/DrawState.h"
#include "nonogram/FlyingTresure.h"
#include "nonogram/MainGame.h"
#include "nonogram/WinScreen.h"
#include "progress/Profile.h"
#include "progress/ScreenText.h"

using namespace eng;

namespace {

constexpr TRGB kWhite{255, 255, 255}, kYellow{255, 255, 0}, kRed{255, 0, 0};

std::string timeText(int seconds) {
    return TMainGame::getTimeString(seconds);
}

}  // namespace

void TWinScreen::draw() {
    mainGame->draw();  // in its state WIN the cells are left to the picture copy
    resetDrawState();
    SetColor(0, 0, 0);
    SetAlpha(fade2);
    DrawRect(0, 0, 1024, 768);
    _drawPanel();
    _drawGui();
    if (tab) tab->draw(endAlpha * showA);
    _drawStats();
    _drawInfo();
    _drawLevelName();
    resetDrawState();
    mainGame->fx.particles.draw();
    resetDrawState();
    drawSummaryTresures(*mainGame->level);
    resetDrawState();
    tutorialDraw();
    _drawFade();
    _drawMouse();
}

void TWinScreen::_drawPanel() const {
    if (!img) return;
    resetDrawState();
    const float s = static_cast<float>(Sin(90 * alpha));
    SetScale(s, s);
    SetAlpha(alpha * endAlpha);
    DrawImage(img, 400, 400);
    resetDrawState();
}

void TWinScreen::_drawMyText(const std::string& text, float x, float y, const TRGB& colour, float a) const {
    resetDrawState();
    outlinedText(text, x, y, 3, a * alpha, colour.r, colour.g, colour.b);
    resetDrawState();
}

void TWinScreen::_drawStats() const {
    const float a = scoreA * (1 - showA) * alpha * endAlpha;
    if (a <= 0) return;
    const TProfile& p = mainGame->profile();
    SetImageFont(font2);
    const std::string title = txtStage + " " + std::to_string(p.numerStageu) + " - " + txtLevel + " " +
                              std::to_string(p.numerLevelu);
    _drawMyText(title, 400 - TextWidth(title) / 2.0f, 160, kYellow, a);
    SetImageFont(font);
    const std::string labels[5] = {txtLevelScore, txtMaxCombo, txtMistakes, txtLevelTime, txtTotalScore};
    const std::string values[5] = {std::to_string(levelScore), std::to_string(playTimes),
                                   std::to_string(mistakes), timeText(levelTime),
                                   std::to_string(static_cast<int>(totalScore))};
    const float ys[5] = {220, 260, 300, 340, 400};
    for (int i = 0; i < 5; ++i) {
        SetImageFont(font);
        _drawMyText(labels[i], 440 - TextWidth(labels[i]), ys[i], kWhite, a);
        SetImageFont(font);
        _drawMyText(values[i], 450, ys[i], kYellow, a);
    }
}

void TWinScreen::_drawInfo() const {
    SetImageFont(font);
    const std::string score = txtLevelScore + " " + std::to_string(static_cast<int>(printScore));
    _drawMyText(score, 400 - TextWidth(score) / 2.0f, 530, kWhite, scoreA);
    _drawShowStatsButtons();
}

// The show / hide statistics text glows red under the mouse.
void TWinScreen::_drawShowStatsButtons() const {
    const float common = scoreA * endAlpha * gSpecAlpha;
    const struct {
        const std::string& text;
        float view;
    } both[2] = {{txtShowStats, showA}, {txtHideStats, 1 - showA}};
    for (const auto& b : both) {
        if (b.view <= 0) continue;
        SetImageFont(font);
        const float x = 400 - TextWidth(b.text) / 2.0f;
        _drawMyText(b.text, x, 560, kYellow, common * b.view);
        if (overA <= 0) continue;
        const float glow = overA * b.view * endAlpha * alpha * gSpecAlpha;
        SetImageFont(font);
        SetColor(kRed.r, kRed.g, kRed.b);
        SetAlpha(0.4f * glow);
        DrawText(b.text, x, 560);
        SetBlend(LIGHTBLEND);
        SetAlpha(glow);
        DrawText(b.text, x, 560);
        resetDrawState();
    }
}

void TWinScreen::_drawLevelName() const {
    if (txtName.empty()) return;
    resetDrawState();
    SetImageFont(nameFont);
    SetAlpha(alpha * showA * scoreA);
    SetScale(alpha, alpha);
    const float w = TextWidth(txtName);
    DrawText(txtName, 400 - w / 2 + (1 - alpha) * w / 2, 105 + (1 - alpha) * 100);
    resetDrawState();
}
