// Laying out and drawing a dialog's line with its speaker's portrait.
#include "story/DialogText.h"

#include "core/DrawState.h"
#include "files/TextBox.h"

using namespace eng;

namespace {
constexpr int kSpecialY = 656;  // a special line's middle, above the bottom of the story frame

int textHeight(const std::string& text, float width, const ImageFont& font) {
    SetImageFont(font);
    return layoutTextBox(text, 0, 0, width, "CENTER", TextHeight("A") + 1).height;
}
}  // namespace

Image TDialogText::portrait() const {
    const TDialogLine* l = line();
    if (!l || l->who < 0 || l->who >= kMaxPortraits) return nullptr;
    return image[l->who];
}

void TDialogText::countHeight(const ImageFont& font) {
    h = 0;
    for (size_t i = 0; i < lines.size(); ++i)
        h += static_cast<float>(textHeight(lines[i].txt, w, font)) + (i ? add : 0);
}

void TDialogText::reset(float boxX, float boxW, const ImageFont& font) {
    w = boxW - 20;
    countHeight(font);
    x = boxX + 30;
    actLine = 0;
    CountMyY(font);
    if (special) CountMyX(font);
}

void TDialogText::CountMyY(const ImageFont& font) {
    const TDialogLine* l = line();
    const int height = l ? textHeight(l->txt, w, font) : 0;
    y = static_cast<float>((special ? kSpecialY : 379) - height / 2);
}

void TDialogText::CountMyX(const ImageFont& font) {
    x = 512 - w / 2 + 40;
    const TDialogLine* l = line();
    SetImageFont(font);
    const int width = l ? TextWidth(l->txt) : 0;
    imgDrawX = static_cast<float>(width) >= w ? 260 : 512 - width / 2 - 20;
}

bool TDialogText::NextLine(const ImageFont& font) {
    if (actLine + 1 >= static_cast<int>(lines.size())) return true;
    ++actLine;
    CountMyY(font);
    if (special) CountMyX(font);
    return false;
}

void TDialogText::drawLine(float alpha, const ImageFont& font) const {
    const TDialogLine* l = line();
    if (!l) return;
    resetDrawState();
    SetColor(247, 222, 113);
    SetAlpha(alpha);
    drawTextBox(l->txt, static_cast<int>(x), static_cast<int>(y), w, "CENTER", 0, font, 1);
    SetColor(255, 255, 255);
}

void TDialogText::draw(float alpha, const ImageFont& font, const Image& ring) const {
    drawLine(alpha, font);
    if (const Image p = portrait()) DrawImage(p, 200, 390);
    if (ring) DrawImage(ring, 200, 390);
    resetDrawState();
}

void TDialogText::drawSpecial(float alpha, const ImageFont& font) const {
    // A dark band under the line keeps it readable over a bright picture.
    resetDrawState();
    SetColor(0, 0, 0);
    SetAlpha(0.6f * alpha);
    DrawRect(56, kSpecialY - 50, 912, 100);
    drawLine(alpha, font);
    SetAlpha(alpha);
    if (const Image p = portrait()) DrawImage(p, static_cast<float>(imgDrawX), kSpecialY);
    resetDrawState();
}
