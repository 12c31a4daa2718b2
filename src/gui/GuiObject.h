// The base of every GUI item: visibility, activity, mouse state, fading and scaling.
#pragma once

#include <memory>
#include <string>

#include "core/Dim.h"

class TGuiObject {
  public:
    std::string _id;
    int _v = 1;      // visible: drawn only when not 0
    int _a = 1;      // active: reacts to the mouse and its key only when not 0
    int _class = 0;  // item kind code
    std::shared_ptr<TDim> dim;
    float _alpha = 1.0f, _dAlpha = 1.0f;
    float _scale = 1.0f, _dScale = 1.0f;
    TRGB rgb;  // r = -1: no colour of its own
    int _over = 0, _clicked = 0, _holded = 0;
    float wzr = 0.03f;  // speed of alpha and scale toward their targets, per frame
    int _key = 0;       // key that clicks the item, 0 for none

    // Item kind codes.
    static constexpr int kButton = 0, kWindow = 2, kText = 3, kAnimation = 7, kTextEntry = 9, kBelka = 10,
                         kControl = 11;

    TGuiObject();
    virtual ~TGuiObject() = default;

    void move(float dx, float dy);
    void setPosition(float x, float y);
    void clear();
    // Mouse test against the box, key, the kind's own update, then alpha and scale.
    virtual void update(int ox, int oy);
    void updateClass(int ox, int oy);
    void updateParams();
    void wygasAlpha() { _dAlpha = 0; }
    void wygasScale() { _dScale = 0; }
    void _drawFrame();
    virtual void draw(float ox, float oy) {}
    void setKey(int code) { _key = code; }
    void setRGB(int r, int g, int b) { rgb = TRGB{r, g, b}; }
    // Makes the item's colour current; an item without a colour of its own draws black.
    void applyColor() const;
    void setState(int visible, int active) {
        _v = visible;
        _a = active;
    }
    virtual void countDims() {}
    virtual void countDims2() {}
    // The kind's own per-frame update.
    virtual void updateMe(int ox, int oy) {}
    // A box-less item (a point at the origin, as texts and text entries have) never takes the mouse.
    bool hasBox() const;
};
