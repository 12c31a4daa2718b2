// Free-standing GUI animations: a picture strip played by named frame sequences from a schema.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/Engine.h"
#include "gui/GuiObject.h"
#include "gui/GuiParse.h"

struct TRGMAnim {
    std::string id;          // upper-cased name
    std::vector<int> frame;  // frame numbers in play order
    int maxFrames = 0;       // how many frame numbers were given
    int interwal = 0;        // milliseconds per step
    int loop = 0;            // 1: the animation repeats
};

class TRGMAnimation : public TGuiObject {
  public:
    eng::Image gfx;
    int allFrames = 0;  // frames in the strip
    std::vector<std::shared_ptr<TRGMAnim>> animsList;
    std::shared_ptr<TRGMAnim> aktAnim;
    int _frame = 0;  // step counter
    int _maxFrames = 0;
    int64_t _animTime = 0;
    int _wykonano = 0;  // the animation reached its end in the last step

    TRGMAnimation() { _class = kAnimation; }
    void updateMe(int ox, int oy) override;
    void draw(float ox, float oy) override;
    void loadGFX(const std::string& path);
    void interpretujSchemat(const std::string& schema);
    static int _czyZawiera(const std::string& text, const std::vector<std::string>& list);
    void playAnim(const std::shared_ptr<TRGMAnim>& anim);
    void playAnim(const std::string& name);
    // The schema's declarations: each "[HEADER] frames" piece, trimmed.
    static std::vector<std::string> _pobierzDeklaracje(const std::string& schema);
    static std::shared_ptr<TRGMAnimation> createFromList(const std::string& id,
                                                         const std::vector<TSimpleEntry>& entries);
};
