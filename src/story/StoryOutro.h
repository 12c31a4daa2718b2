// The outro: the last pictures of the journey, "A week later" in Cairo with the friends parting and a new
// tablet for the professor, then the credits.
#pragma once

#include <array>
#include <string>

#include "story/Cutscene.h"

class TStoryOutro : public TCutscene {
  public:
    std::array<eng::Image, 7> images;
    eng::Image tazmira, hamid, profesor, profesor2, car, back2;
    eng::ImageFont font;
    std::string txtWeekLater, txtToBeContinue, actText;
    std::array<float, 9> imageA{}, dImageA{};
    float textA = 0, dTextA = 0;
    int stage = 0;
    int64_t nextStage2 = 0;
    float friendsAlpha = 1, profAlpha = 0;
    float scene2A = 0, scene3A = 0, scene4a = 0;
    float TazmiraPer = 0, ProfesorPer = 0, profMovePer = 0, carPer = 0;
    float carX = 0, carY = 0, carScale = 1, backS = 1;
    // The car's road across the second scene, from off the left edge to off the right.
    static constexpr float startCarX = -200, startCarY = 632, endCarX = 1230, endCarY = 632;

    TStoryOutro();
    void setup() override;
    void start() override {}
    void prepare() override;
    // The credits follow the outro.
    std::string next() override;
    void draw() override;
    void _updateBack() override { _updateStage(); }
    void _drawBack() override;
    void _updateStage();
    void _draw_Scene_1();
    void _draw_Scene_3();
    void _draw_Scene_4();
    void _draw_Scene_2();
    void _drawPanele();
    void _drawText();
    // Where the characters stand this frame (their feet's centre).
    float tazmiraX() const;
    float hamidX() const;
    float profesorX() const;

  private:
    void _show(int k) { dImageA[k] = 1; }
    void _remove(int k) { imageA[k] = dImageA[k] = 0; }
};

extern TStoryOutro* storyOutro;
