// Reading a BUTTON declaration, loading its picture or strip, and its mouse box.
#include "gui/Button.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "core/Globals.h"
#include "files/SplitText.h"
#include "gui/RGMFont.h"

using namespace eng;

const char* const TButton::kTypeNames[kTypes] = {
    "SIMPLE_BUTTON",     "ANIM_BUTTON",       "BLEND_BUTTON",       "FSTEP_BUTTON",
    "TEXT_BUTTON",       "TEXT_SPEC_BUTTON1", "FSTEP_BLEND_BUTTON", "FSTEP_BUTTON_PICROS",
    "TEXT_SPEC_BUTTON2", "TEXT_SPEC_BUTTON3", "TEXT_SPEC_BUTTON4",  "TEXT_SPEC_BUTTON5",
    "TEXT_SPEC_BUTTON6", "TEXT_SPEC_BUTTON7", "TEXT_LIGHT_BUTTON"};

namespace {

// Whole numbers at single blanks: "100  200" reads as 100, 0, 200 (the empty piece counts).
std::vector<int> numbersAtBlanks(const std::string& value) {
    std::vector<int> out;
    for (const std::string& piece : splitText(value, " ")) out.push_back(std::atoi(piece.c_str()));
    out.resize(std::max<size_t>(out.size(), 3), 0);
    return out;
}

std::string withLanguage(std::string path) {
    for (size_t at; (at = path.find("#LANG#")) != std::string::npos;) path.replace(at, 6, languageCode);
    return path;
}

bool isPictureType(int typ) {
    switch (typ) {
        case TButton::kSimpleButton:
        case TButton::kBlendButton:
        case TButton::kTextSpec2:
        case TButton::kTextSpec3:
        case TButton::kTextSpec4:
        case TButton::kTextSpec5:
        case TButton::kTextSpec7:
            return true;
        default:
            return false;
    }
}

}  // namespace

int TButton::typeCode(const std::string& name) {
    for (int t = 0; t < kTypes; ++t)
        if (name == kTypeNames[t]) return t;
    return -1;
}

std::shared_ptr<TButton> TButton::createFromList(const std::string& id,
                                                 const std::vector<TSimpleEntry>& entries, TGui* gui,
                                                 int offsetX, int offsetY) {
    std::string type = "SIMPLE_BUTTON", gfx, schema, txt;
    ImageFont font;
    int x = 0, y = 0, dir = 0, shadow = 0, visible = 1, active = 1;
    TRGB colour;
    std::shared_ptr<TRGB> outline = createRGB(255, 255, 255);
    float adX = 0, adY = 0;
    for (const TSimpleEntry& e : entries) {
        const std::string key = Upper(e._typ);
        if (key == "TYP") {
            type = e._value;
        } else if (key == "POSITION") {
            const auto n = numbersAtBlanks(e._value);
            x = n[0];
            y = n[1];
        } else if (key == "GFX") {
            gfx = withLanguage(e._value);
        } else if (key == "DIR") {
            dir = e._value == "H" ? 0 : 1;
        } else if (key == "SCHEMAT") {
            schema = e._value;
        } else if (key == "RGB") {
            const auto n = numbersAtBlanks(e._value);
            colour = TRGB{n[0], n[1], n[2]};
        } else if (key == "OUTLINE") {
            const auto n = numbersAtBlanks(e._value);
            outline = Upper(Trim(e._value)) == "NONE" ? nullptr : createRGB(n[0], n[1], n[2]);
        } else if (key == "SHADOW") {
            shadow = std::atoi(e._value.c_str());
        } else if (key == "ADDDIM") {
            const auto n = numbersAtBlanks(e._value);
            adX = static_cast<float>(n[0]);
            adY = static_cast<float>(n[1]);
        } else if (key == "TXT") {
            txt = guiText(e._value);
        } else if (key == "FONT") {
            font = guiFont(e._value, gui);
        } else if (key == "VISIBLE") {
            visible = guiBool(e._value);
        } else if (key == "ACTIVE") {
            active = guiBool(e._value);
        }
    }
    const int typ = typeCode(type);
    if (typ < 0) {
        guiError("Unknown button type : '" + type + "' !");
        return nullptr;
    }

    auto b = std::make_shared<TButton>();
    b->_id = id;
    b->dim = createPoint(x + offsetX, y + offsetY);
    b->_v = visible;
    b->_a = active;
    b->_pomRememberX = b->dim->x;
    b->_pomRememberY = b->dim->y;
    b->_typ = typ;
    const bool caption =
        typ == kTextButton || typ == kTextLightButton || typ == kTextSpec1 || typ == kTextSpec6;
    if (caption && colour.r < 0) colour = TRGB{};  // plain captions are white without a colour
    b->rgb = colour;

    if (isPictureType(typ)) b->_loadPicture(programPrefix + gfx);
    if (typ == kAnimButton) {
        if (schema.empty()) guiError("Nieprawidlowy schemat :" + schema);
        b->interpretujSchemat(schema, dir);
        b->_loadStrip(programPrefix + gfx, b->frames, dir);
    }
    if (typ == kFstepButton || typ == kFstepPicros || typ == kFstepBlendButton) {
        b->frames = 4;
        b->_loadStrip(programPrefix + gfx, 4, 0);
    }
    if (caption || typ >= kTextSpec2) {
        b->outLine = outline;
        b->_font = font;
        b->_txt = txt;
    }
    if (typ == kTextButton || typ == kTextLightButton || typ == kTextSpec6) b->countDims();
    if (typ == kTextSpec6) b->shadowed = shadow;
    if (typ == kTextSpec1) {
        SetImageFont(b->_font);
        SetScale(1, 1);
        b->_textHeight = static_cast<float>(TextHeight("O"));
        b->_textScale.assign(DecodeUtf8(b->_txt).size(), 1.0f);
        b->countDims2();
    }
    if (typ >= kTextSpec2 && typ != kTextSpec6 && typ != kTextLightButton) {
        b->dimAdX = adX;
        b->dimAdY = adY;
    }
    return b;
}

void TButton::_loadPicture(const std::string& path) {
    _image = LoadImage(path, MASKEDIMAGE | FILTEREDIMAGE | MIPMAPPEDIMAGE);
    MidHandleImage(_image);
    countDims();
    dim->h = static_cast<float>(ImageHeight(_image));
    dim->w = static_cast<float>(ImageWidth(_image));
}

void TButton::_loadStrip(const std::string& path, int count, int dir) {
    const Pixmap picture = LoadPixmap(path);
    int w = 0, h = 0;
    if (picture) {
        // A strip without frames is one picture; more frames than pixels are each a pixel wide, and
        // only as many as the picture holds are cut.
        const int cells = std::max(1, count);
        w = std::max(1, dir == 0 ? picture->width / cells : picture->width);
        h = std::max(1, dir == 0 ? picture->height : picture->height / cells);
        const int fit = dir == 0 ? picture->width / w : picture->height / h;
        _image = LoadAnimImage(picture, w, h, 0, std::clamp(fit, 1, cells), -1);
        SetImageHandle(_image, static_cast<float>(w / 2), static_cast<float>(h / 2));
    }
    dim->w = static_cast<float>(w);
    dim->h = static_cast<float>(h);
    dim->x1 = dim->x - static_cast<float>(w / 2);
    dim->y1 = dim->y - static_cast<float>(h / 2);
    dim->x2 = dim->x + static_cast<float>(w / 2);
    dim->y2 = dim->y + static_cast<float>(h / 2);
}

void TButton::countDims() {
    if (_typ == kTextButton || _typ == kTextLightButton || _typ == kTextSpec6) {
        SetImageFont(_font);
        SetScale(1, 1);
        dim->w = static_cast<float>(TextWidth(_txt));
        dim->h = static_cast<float>(TextHeight(_txt));
        dim->x1 = dim->x - dim->w / 2;
        dim->y1 = dim->y - dim->h / 2;
        dim->x2 = dim->x + dim->w / 2;
        dim->y2 = dim->y + dim->h / 2;
    } else if (isPictureType(_typ) || _typ == kAnimButton || _typ == kFstepButton || _typ == kFstepPicros ||
               _typ == kFstepBlendButton) {
        float hx = 0, hy = 0;
        GetImageHandle(_image, hx, hy);
        dim->x1 = dim->x - hx;
        dim->y1 = dim->y - hy;
        dim->x2 = dim->x1 + static_cast<float>(ImageWidth(_image));
        dim->y2 = dim->y1 + static_cast<float>(ImageHeight(_image));
    }
}

void TButton::countDims2() {
    SetImageFont(_font);
    SetScale(1, 1);
    float w = 0;
    for (uint32_t letter : DecodeUtf8(_txt)) w += static_cast<float>(TextWidth(EncodeUtf8({letter})) + 3);
    const float h = std::trunc(_textHeight);
    dim->w = w;
    dim->h = h;
    dim->x1 = dim->x - w / 2;
    dim->y1 = dim->y - h;
    dim->x2 = dim->x + w / 2;
    dim->y2 = dim->y;
}
