// The buttons' reaction to the mouse each frame: hover scale, lights, frame choice, the letter wave.
#include <algorithm>
#include <cmath>

#include "core/DeltaTime.h"
#include "core/Globals.h"
#include "gui/Button.h"

using namespace eng;

namespace {

// The frame of a four-frame button: 2 pressed or held over it, 1 over it, 0 active, 3 inactive.
int fourStepFrame(const TButton& b) {
    if (b._over && (b._clicked || b._holded)) return 2;
    if (b._over) return 1;
    return b._a ? 0 : 3;
}

}  // namespace

void TButton::_updatePicrosButton() {
    // Still recharging: the container sees neither hover nor click.
    if (stan < 1) {
        _over = 0;
        _clicked = 0;
        _holded = 0;
    }
}

void TButton::updateMe(int ox, int oy) {
    const bool pressedOrHeld = _clicked || _holded;
    switch (_typ) {
        case kSimpleButton:
        case kTextSpec3:
            _dButtonScale = _over ? (_typ == kSimpleButton ? 1.1f : 1.3f) : 1.0f;
            if (_clicked) _buttonScale = 1;
            break;
        case kTextButton:
        case kTextSpec4:
        case kTextSpec7:
        case kTextSpec5:
        case kTextSpec6:
            _dButtonScale = !_over ? 1.0f : _typ == kTextSpec5 ? 1.3f : _typ == kTextSpec6 ? 2.0f : 1.1f;
            if (pressedOrHeld) _buttonScale = 1;
            break;
        case kTextSpec2:
        case kTextLightButton:
            _dButtonAlpha = _over ? 0.4f : 0.0f;
            if (pressedOrHeld) _buttonAlpha = 0.7f;
            break;
        case kBlendButton:
            _dButtonAlpha = _over ? 1.0f : 0.0f;
            approach(_buttonAlpha, _dButtonAlpha, wzr);
            break;
        case kFstepBlendButton: {
            const float target = static_cast<float>(fourStepFrame(*this));
            if (target != _new4StepB) {
                _old4StepB = _new4StepB;
                _newAlpha = 0;
            }
            _new4StepB = target;
            _newAlpha = std::min(1.0f, _newAlpha + 0.05f * frameDelta);
            break;
        }
        case kFstepPicros:
            _updatePicrosButton();
            break;
        case kAnimButton:
            sprawdzAnimacje();
            animUpdate();
            break;
        case kTextSpec1:
            _updateWave();
            break;
        default:  // FSTEP_BUTTON: the frame follows the mouse state when drawn
            break;
    }
    updateScaleAndAlpha();
}

void TButton::updateScaleAndAlpha() {
    approach(_buttonScale, _dButtonScale, 0.05f);
    approach(_buttonAlpha, _dButtonAlpha, 0.05f);
}

void TButton::_updateWave() {
    const std::vector<uint32_t> letters = DecodeUtf8(_txt);
    const int n = static_cast<int>(letters.size());
    _textScale.assign(letters.size(), 1.0f);
    if (!_over) {
        _chrN = 0;
        return;
    }
    _chrN += 0.08f * frameDelta;
    if (_chrN > static_cast<float>(n)) _chrN = 0;
    int i = static_cast<int>(_chrN);
    if (i < n && letters[i] == ' ') _chrN += 1;
    i = static_cast<int>(_chrN);
    if (i >= n) return;  // the wave has run past the last letter
    const float f = _chrN - static_cast<float>(i), big = _bigText;
    if (f < 0.5f)
        _textScale[i] = 1 + f * big;
    else if (f == 0.5f)
        _textScale[i] = 1.5f + 0.5f * big;
    else
        _textScale[i] = 1.5f - (f - 0.5f) * big;
}

int TButton::currentFrame() const {
    int frame = 0;
    switch (_typ) {
        case kAnimButton:
            frame = _animData.frameAt(aktAnim, aktFrame) - 1;
            break;
        case kFstepButton:
        case kFstepPicros:
            frame = fourStepFrame(*this);
            break;
        case kFstepBlendButton:
            frame = static_cast<int>(_new4StepB);
            break;
        default:
            break;
    }
    return std::clamp(frame, 0, std::max(0, frames - 1));
}
