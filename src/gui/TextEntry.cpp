// Text entries: typing, blinking and drawing the tail of a long text.
#include "gui/TextEntry.h"

#include <cmath>

#include "gui/RGMFont.h"
#include "gui/Text.h"

using namespace eng;

bool TTextEntry::accepts(int code) {
    // Printable characters only: no control codes, and no double quote, which data files cannot store.
    return code >= 32 && code != 127 && code != '"' && !(code >= 0x80 && code < 0xA0);
}

void TTextEntry::takeChar(int code) {
    if (code == 8) {
        std::vector<uint32_t> codes = DecodeUtf8(_txt);
        if (!codes.empty()) codes.pop_back();
        _txt = EncodeUtf8(codes);
    } else if (code == 13) {
        _clicked = 1;
    } else if (accepts(code) && static_cast<int>(DecodeUtf8(_txt).size()) < _maxZnakow) {
        AppendUtf8(_txt, static_cast<uint32_t>(code));
    }
}

void TTextEntry::updateMe(int, int) {
    // Typing reaches the entry only while it is active.
    if (_a != 0) {
        int code = GetChar();
        if (code != 0) takeChar(code);
    }
    if (MilliSecs() > _czas) {
        _czas = MilliSecs() + _interwal;
        _trigger = _trigger ? 0 : 1;
    }
}

void TTextEntry::draw(float ox, float oy) {
    SetScale(_scale, _scale);
    SetAlpha(_alpha);
    applyColor();
    SetImageFont(_font);
    std::string shown;
    if (TextWidth(_txt) >= dim->w) {
        shown = drawTextTail(_txt, static_cast<int>(dim->x + ox), static_cast<int>(dim->y + oy),
                             static_cast<int>(dim->w));
    } else {
        DrawText(_txt, dim->x + ox, dim->y + oy);
        shown = _txt;
    }
    if (_trigger == 1 && _a != 0)
        DrawRect(dim->x + ox + TextWidth(shown) + 2, dim->y + oy, _curWidth, _curHeight);
}

std::shared_ptr<TTextEntry> TTextEntry::createFromList(const std::string& id,
                                                       const std::vector<TSimpleEntry>& entries, TGui* gui) {
    auto t = std::make_shared<TTextEntry>();
    t->_id = id;
    t->_maxZnakow = 25;
    int x = 0, y = 0;
    float width = 300;
    for (const TSimpleEntry& e : entries) {
        const std::string key = Upper(e._typ);
        if (key == "POSITION") {
            guiPosition(e._value, x, y, width);
        } else if (key == "WIDTH") {
            t->_maxZnakow = std::atoi(e._value.c_str());
        } else if (key == "RGB") {
            t->rgb = guiRGB(e._value);
        } else if (key == "FONT") {
            t->_font = guiFont(e._value, gui);
        } else if (key == "VISIBLE") {
            t->_v = guiBool(e._value);
        } else if (key == "ACTIVE") {
            t->_a = guiBool(e._value);
        }
    }
    ImageFont before = GetImageFont();
    SetImageFont(t->_font);
    t->dim->x = static_cast<float>(x);
    t->dim->y = static_cast<float>(y);
    t->dim->h = static_cast<float>(TextHeight("A"));
    t->dim->w = width;
    t->_curWidth = static_cast<float>(TextWidth("A"));
    t->_curHeight = static_cast<float>(TextHeight("A"));
    SetImageFont(before);
    t->_trigger = 1;
    t->_czas = MilliSecs() + t->_interwal;
    return t;
}
