// Drawing buttons: the common drawing state, and the picture and frame-strip types.
#include <algorithm>

#include "gui/Button.h"

using namespace eng;

void TButton::draw(float ox, float oy) {
    if (Upper(_id) == "BONUS6") return;  // this one only takes clicks; its screen draws it
    SetAlpha(_alpha * _buttonAlpha);
    SetScale(_scale * _buttonScale, _scale * _buttonScale);
    if (rgb.r >= 0)
        SetColor(rgb.r, rgb.g, rgb.b);
    else
        SetColor(255, 255, 255);
    switch (_typ) {
        case kSimpleButton:
        case kAnimButton:
        case kBlendButton:
        case kFstepButton:
        case kFstepPicros:
        case kFstepBlendButton:
            _drawPictureType(dim->x + ox, dim->y + oy);
            break;
        default:
            _drawCaptionType(ox, oy);
            break;
    }
    SetBlend(ALPHABLEND);
}

void TButton::_drawPictureType(float x, float y) {
    const float a = _alpha, s = _scale;
    switch (_typ) {
        case kSimpleButton:
            SetAlpha(a);
            DrawImage(_image, x, y, 0);
            break;
        case kAnimButton:
        case kFstepButton:
            SetAlpha(a);
            SetScale(s, s);
            DrawImage(_image, x, y, currentFrame());
            break;
        case kBlendButton:
            SetAlpha(a);
            SetBlend(ALPHABLEND);
            SetScale(s, s);
            DrawImage(_image, x, y, 0);
            SetAlpha(a * _buttonAlpha * 0.25f);
            SetBlend(LIGHTBLEND);
            DrawImage(_image, x, y, 0);
            break;
        case kFstepPicros:
            SetScale(s, s);
            drawPicrosBut(_image, x, y, currentFrame());
            break;
        case kFstepBlendButton:
            SetScale(s, s);
            SetAlpha(a * _oldAlpha);
            DrawImage(_image, x, y, static_cast<int>(_old4StepB));
            SetAlpha(a * _newAlpha);
            DrawImage(_image, x, y, static_cast<int>(_new4StepB));
            break;
        default:
            break;
    }
}

void TButton::drawPicrosBut(const Image& image, float x, float y, int frame) {
    const float w = static_cast<float>(ImageWidth(image)), h = static_cast<float>(ImageHeight(image));
    const float st = std::clamp(stan, 0.0f, 1.0f);
    SetAlpha(_alpha * 0.2f);
    DrawImage(image, x, y, frame);
    SetAlpha(_alpha);
    DrawSubImageRect(image, x, y + h * (1 - st), w, h * st, 0, h * (1 - st), w, h * st,
                     static_cast<float>(ImageWidth(image) / 2), static_cast<float>(ImageHeight(image) / 2),
                     frame);
}
