// Buttons of the GUI files: pictures, frame strips and captions that react to the mouse and report clicks.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/Engine.h"
#include "gui/ButtonAnimData.h"
#include "gui/GuiObject.h"
#include "gui/GuiParse.h"

class TGui;

class TButton : public TGuiObject {
  public:
    // Type codes of `_typ`, in the order of the "TYP" names of kTypeNames.
    static constexpr int kSimpleButton = 0, kAnimButton = 1, kBlendButton = 2, kFstepButton = 3,
                         kTextButton = 4, kTextSpec1 = 5, kFstepBlendButton = 6, kFstepPicros = 7,
                         kTextSpec2 = 8, kTextSpec3 = 9, kTextSpec4 = 10, kTextSpec5 = 11, kTextSpec6 = 12,
                         kTextSpec7 = 13, kTextLightButton = 14;
    static constexpr int kTypes = 15;
    static const char* const kTypeNames[kTypes];

    eng::Image _image;              // the picture or strip
    eng::ImageFont _font;           // caption font; null draws with the engine's own font
    int _typ = kSimpleButton;       // type code
    int _dir = 0;                   // strip of an animated button: 0 frames side by side, 1 stacked
    std::shared_ptr<TRGB> outLine;  // caption outline colour; null draws no outline
    float _pomRememberX = 0, _pomRememberY = 0;             // the declared position, load offsets included
    int shadowed = 0;                                       // TEXT_SPEC_BUTTON6 draws a drop shadow
    TAnimData _animData;                                    // the animations of an animated button
    int frames = 0;                                         // frames in the strip
    int aktAnim = 0;                                        // the animation being played
    int aktFrame = 0;                                       // position within its frame list
    int _activeFlag = 0, _overFlag = 0, _unactiveFlag = 0;  // the schema names ACTIVE, OVER, UNACTIVE
    int _animNormal = 0, _animActive = 0, _animOver = 0, _animUnActive = 0;
    float _buttonAlpha = 1, _dButtonAlpha = 1;       // strength of the button's light and its target
    float _buttonScale = 1, _dButtonScale = 1;       // hover scale and its target
    std::string _txt;                                // the caption
    std::vector<float> _textScale;                   // per-letter scale of the letter wave, one per letter
    float _chrN = 0;                                 // where the letter wave is: letter index with a fraction
    int _wykonano = 0;                               // the current animation has completed a cycle
    float _shadowA = 0, _shadowX = 0, _shadowY = 0;  // drop shadow of the plain caption buttons
    float _textHeight = 0;                           // height of "O" in the caption font
    float _bigText = 2.0f;                           // strength of the letter wave
    float _old4StepB = 0, _new4StepB = 0;            // cross-faded four-frame button: old and new frame
    float _oldAlpha = 1, _newAlpha = 1;              // and their alphas
    float dimAdX = 0, dimAdY = 0;                    // caption offset from the centre of a picture button
    float stan = 1.0f;                               // fill level 0..1 of the recharging button

    TButton() { _class = kButton; }

    // The "TYP" name's code (letter case matters), or -1.
    static int typeCode(const std::string& name);
    // A button from a BUTTON declaration's entries; null for an unknown type.
    static std::shared_ptr<TButton> createFromList(const std::string& id,
                                                   const std::vector<TSimpleEntry>& entries, TGui* gui,
                                                   int offsetX, int offsetY);

    void setDeltaTime(int ms, int anim);
    // Reads an animation schema such as "NORMAL(120) 1 2 3 OVER 4 ACTIVE(60) 5 6 UNACTIVE 7" and starts
    // NORMAL.
    void interpretujSchemat(const std::string& schema, int dir);
    void _updatePicrosButton();
    void updateMe(int ox, int oy) override;
    void updateScaleAndAlpha();
    // Chooses the animation to play from the mouse and the activity.
    void sprawdzAnimacje();
    // Steps the current animation by the clock.
    void animUpdate();
    void playAnim(const std::string& name);
    // The strip frame shown now (0 for the types without a strip); never outside the strip.
    int currentFrame() const;

    void draw(float ox, float oy) override;
    // The recharging button: the frame faint, its lower part (stan of its height) at full strength.
    void drawPicrosBut(const eng::Image& image, float x, float y, int frame);
    // The caption letter by letter, each letter scaled by the wave.
    void drawMyTextSpec(const std::string& text, float x, float y);

    // The mouse box from the picture or the caption; call it after moving the button.
    void countDims() override;
    void CountDims() { countDims(); }
    // The mouse box of the letter-wave caption.
    void countDims2() override;

  private:
    void _loadPicture(const std::string& path);
    void _loadStrip(const std::string& path, int count, int dir);
    void _updateWave();
    void _drawPictureType(float x, float y);
    void _drawCaptionType(float ox, float oy);
    // The caption: its outline at the four diagonal offsets (at outlineAlpha), then the caption in rgb.
    void _caption(float x, float y, float alpha, float outlineAlpha);
    // Caption corners: centred with whole-number halves times k, or with exact halves plus the offset.
    void _t1(float ox, float oy, float k, float& x, float& y) const;
    void _t2(float ox, float oy, float& x, float& y) const;
};
