// One dialog of the story: its lines, who speaks each, the portraits, and the event, stage and level it
// belongs to; it lays out the line on show.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/Dim.h"
#include "engine/Engine.h"

class TDialogLine {
  public:
    float a = 0, dA = 0;
    std::string txt;
    int who = 0;  // the speaker's portrait
    int time = 0;
    int actTime = 0;
    TRGB rgb{255, 255, 255};
};

class TDialogText {
  public:
    static constexpr int kMaxPortraits = 6;

    int id = 0;
    std::vector<TDialogLine> lines;
    std::array<eng::Image, kMaxPortraits> image;  // mid-handled portraits
    float x = 0, y = 0;                           // top-left corner of the text
    std::string atBeginOrEnd;
    int stageN = 0, levelN = 0;
    int actLine = 0;  // the line on show
    int special = 0;  // near the bottom, without panel and bars
    float h = 0, w = 0, add = 10;
    int imgDrawX = 0;

    const TDialogLine* line() const {
        return actLine < static_cast<int>(lines.size()) ? &lines[actLine] : nullptr;
    }
    // The portrait of the line's speaker, or null when the line names none of the dialog's portraits.
    eng::Image portrait() const;
    // The first line, laid out in the box starting at `boxX`, `boxW` wide.
    void reset(float boxX, float boxW, const eng::ImageFont& font);
    // The height of every line together.
    void countHeight(const eng::ImageFont& font);
    // Shows the next line; true when the last line was on show already.
    bool NextLine(const eng::ImageFont& font);
    void CountMyY(const eng::ImageFont& font);
    void CountMyX(const eng::ImageFont& font);
    void draw(float alpha, const eng::ImageFont& font, const eng::Image& ring) const;
    void drawSpecial(float alpha, const eng::ImageFont& font) const;

  private:
    void drawLine(float alpha, const eng::ImageFont& font) const;
};
