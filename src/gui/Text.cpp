// GUI texts: reading their declaration and drawing them with the text box layout.
#include "gui/Text.h"

#include <cmath>

#include "files/TextBox.h"
#include "gui/RGMFont.h"

using namespace eng;

void TText::setAlign(const std::string& name) {
    const std::string n = Upper(Trim(name));
    if (n == "LEFT") _align = 1;
    if (n == "RIGHT") _align = 0;
    if (n == "CENTER") _align = 2;
    if (n == "JUSTIFY") _align = 3;
}

std::string TText::alignName() const {
    switch (_align) {
        case 0:
            return "RIGHT";
        case 2:
            return "CENTER";
        case 3:
            return "JUSTIFY";
        default:
            return "LEFT";
    }
}

float TText::box(float x, float y) {
    return drawTextBox(_txt, static_cast<int>(x), static_cast<int>(y), dim->w, alignName(), 0, _font,
                       static_cast<int>(_adW));
}

float TText::countH() {
    SetScale(_scale, _scale);
    return box(std::trunc(dim->x), std::trunc(dim->y));
}

void TText::draw(float ox, float oy) {
    applyColor();
    if (_alpha == 0) return;
    SetAlpha(_alpha);
    SetScale(_scale, _scale);
    if (_shadow == 1 && shRGB) {
        SetColor(shRGB->r, shRGB->g, shRGB->b);
        box(std::trunc(dim->x + ox + 1), std::trunc(dim->y + oy + 1));
        applyColor();
    }
    const float y = _align == 2 ? std::trunc(dim->y + oy + 1) : std::trunc(dim->y + oy);
    dim->h = box(std::trunc(dim->x + ox), y);
}

std::shared_ptr<TText> TText::createFromList(const std::string& id, const std::vector<TSimpleEntry>& entries,
                                             TGui* gui, int offsetX, int offsetY) {
    auto t = std::make_shared<TText>();
    t->_id = id;
    int x = 0, y = 0;
    float width = 10000000.0f;
    for (const TSimpleEntry& e : entries) {
        const std::string key = Upper(e._typ);
        if (key == "POSITION") {
            guiPosition(e._value, x, y, width);
        } else if (key == "TXT") {
            t->_txt = guiText(e._value);
        } else if (key == "FONT") {
            t->_font = guiFont(e._value, gui);
        } else if (key == "RGB") {
            t->rgb = guiRGB(e._value);
        } else if (key == "SHADOW") {
            t->_shadow = 1;
            t->shRGB = std::make_shared<TRGB>(guiRGB(e._value));
        } else if (key == "ALIGN") {
            t->_align = 1;
            t->setAlign(e._value);
        } else if (key == "VISIBLE") {
            t->_v = guiBool(e._value);
        } else if (key == "ACTIVE") {
            t->_a = guiBool(e._value);
        }
    }
    // A text has no mouse box: only its top-left corner and wrapping width.
    t->dim->x = static_cast<float>(x + offsetX);
    t->dim->y = static_cast<float>(y + offsetY);
    t->dim->w = width;
    return t;
}

std::string drawTextTail(const std::string& text, int x, int y, int maxWidth) {
    const std::vector<uint32_t> codes = DecodeUtf8(text);
    for (size_t i = 0; i <= codes.size(); ++i) {
        const std::string candidate =
            ".." + EncodeUtf8(std::vector<uint32_t>(codes.begin() + i, codes.end()));
        if (TextWidth(candidate) <= maxWidth) {
            DrawText(candidate, static_cast<float>(x), static_cast<float>(y));
            return candidate;
        }
    }
    return "";
}
