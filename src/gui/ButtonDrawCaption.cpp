// Drawing the caption buttons: outlined captions, lights, glows, shadows and the letter wave.
#include <cmath>

#include "gui/Button.h"

using namespace eng;

namespace {
constexpr float kDiagonals[4][2] = {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
}  // namespace

void TButton::_t1(float ox, float oy, float k, float& x, float& y) const {
    x = std::trunc(dim->x - static_cast<float>(TextWidth(_txt) / 2) * k + ox);
    y = std::trunc(dim->y - static_cast<float>(TextHeight(_txt) / 2) * k + oy);
}

void TButton::_t2(float ox, float oy, float& x, float& y) const {
    x = std::trunc(dim->x - static_cast<float>(TextWidth(_txt)) * _scale / 2 + ox + dimAdX);
    y = std::trunc(dim->y - static_cast<float>(TextHeight(_txt)) * _scale / 2 + oy + dimAdY);
}

void TButton::_caption(float x, float y, float alpha, float outlineAlpha) {
    if (outLine) {
        SetAlpha(outlineAlpha);
        SetColor(outLine->r, outLine->g, outLine->b);
        for (const auto& d : kDiagonals) DrawText(_txt, x + d[0], y + d[1]);
    }
    SetAlpha(alpha);
    if (rgb.r >= 0) {
        SetColor(rgb.r, rgb.g, rgb.b);
        DrawText(_txt, x, y);
    }
}

void TButton::drawMyTextSpec(const std::string& text, float x, float y) {
    const std::vector<uint32_t> letters = DecodeUtf8(text);
    for (size_t i = 0; i < letters.size(); ++i) {
        const float k = i < _textScale.size() ? _textScale[i] : 1.0f;
        const std::string ch = EncodeUtf8({letters[i]});
        const float w = static_cast<float>(TextWidth(ch));
        SetScale(k, k);
        DrawText(ch, x - w * k / 2, y - _textHeight * k / 2);
        x += w + 3;
    }
}

void TButton::_drawCaptionType(float ox, float oy) {
    const float a = _alpha, s = _scale, k = _scale * _buttonScale;
    float x = 0, y = 0;
    switch (_typ) {
        case kTextButton:
        case kTextLightButton:
            SetScale(k, k);
            SetImageFont(_font);
            SetBlend(ALPHABLEND);
            _t1(ox, oy, k, x, y);
            if (_shadowA != 0) {
                SetAlpha(a * _shadowA);
                SetColor(0, 0, 0);
                DrawText(_txt, x + _shadowX, y + _shadowY);
            }
            _caption(x, y, a, a);
            if (_typ == kTextLightButton && rgb.r >= 0) {
                SetBlend(LIGHTBLEND);
                SetAlpha(a * _dButtonAlpha);
                SetColor(rgb.r, rgb.g, rgb.b);
                DrawText(_txt, x, y);
            }
            break;
        case kTextSpec1:
            SetAlpha(a);
            SetScale(k, k);
            SetImageFont(_font);
            _t1(ox, oy, k, x, y);
            if (outLine) {
                SetColor(outLine->r, outLine->g, outLine->b);
                for (const auto& d : kDiagonals) drawMyTextSpec(_txt, x + d[0], y + d[1]);
            }
            if (rgb.r >= 0) {
                SetColor(rgb.r, rgb.g, rgb.b);
                drawMyTextSpec(_txt, x, y);
            }
            break;
        case kTextSpec2:
        case kTextSpec3:
        case kTextSpec5: {
            SetBlend(ALPHABLEND);
            SetAlpha(a);
            SetScale(s, s);
            SetImageFont(_font);
            SetColor(255, 255, 255);
            if (_typ != kTextSpec5) DrawImage(_image, dim->x + ox, dim->y + oy, 0);
            // The light of a pressed or hovered plate, or the glow that grows with the hover scale.
            SetBlend(LIGHTBLEND);
            SetAlpha(_typ == kTextSpec2 ? a * _buttonAlpha : a * (_buttonScale - 1));
            DrawImage(_image, dim->x + ox, dim->y + oy, 0);
            SetBlend(ALPHABLEND);
            _t2(ox, oy, x, y);
            _caption(x, y, a, _typ == kTextSpec2 ? a * 0.5f : a);
            break;
        }
        case kTextSpec6:
            SetScale(s, s);
            SetImageFont(_font);
            if (shadowed) {
                SetAlpha(a * 0.5f);
                SetColor(0, 0, 0);
                _t1(ox, oy, s, x, y);
                DrawText(_txt, x + 1, y + 1);
            }
            SetAlpha(a);
            SetBlend(ALPHABLEND);
            _t2(ox, oy, x, y);
            _caption(x, y, a, a);
            if (rgb.r >= 0) {
                SetColor(255, 0, 0);
                SetAlpha((_buttonScale - 1) * a);
                DrawText(_txt, x, y);
            }
            break;
        default:  // TEXT_SPEC_BUTTON4 and 7 are hot areas that draw nothing
            break;
    }
}
