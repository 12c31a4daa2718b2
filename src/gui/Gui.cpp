// Loading GUI description files into the container, and the container's frame update and drawing.
#include "gui/Gui.h"

#include <strings.h>

#include "core/Globals.h"
#include "engine/Engine.h"
#include "gui/Belka.h"
#include "gui/Button.h"
#include "gui/RGMAnimation.h"
#include "gui/RGMFont.h"
#include "gui/Text.h"
#include "gui/TextEntry.h"
#include "gui/Theme.h"
#include "gui/Window.h"

using namespace eng;

TGuiSounds guiSounds;

namespace {
bool sameId(const std::string& a, const std::string& b) {
    return strcasecmp(a.c_str(), b.c_str()) == 0;
}
}  // namespace

void TGui::clear() {
    _listaObiektow.clear();
    _clicked.clear();
    _over.clear();
}

void TGui::clearClicked() {
    _clicked.clear();
    _over.clear();
}

void TGui::setGuiAlpha(float a) {
    for (auto& item : _listaObiektow) {
        item->_alpha = a;
        item->_dAlpha = a;
    }
}

std::shared_ptr<TGuiObject> TGui::getItem(const std::string& id) const {
    for (const auto& item : _listaObiektow)
        if (sameId(item->_id, id)) return item;
    return nullptr;
}

void TGui::addItem(const std::shared_ptr<TGuiObject>& item) {
    if (item) _listaObiektow.push_back(item);
}

int TGui::clickedItem(const std::string& id) const {
    if (_clicked.empty() || !sameId(_clicked, id)) return 0;
    if (soundsOff != 1 && guiSounds.click) guiSounds.click();
    return 1;
}

void TGui::update() {
    const std::string previousOver = _over;
    _clicked.clear();
    _over.clear();
    for (const auto& item : _listaObiektow) {
        item->update(0, 0);
        if (auto* selector = dynamic_cast<TGuiSelector*>(item.get())) {
            // Menu bars report the command chosen, never their own id.
            if (!selector->_clickedOp.empty()) _clicked = selector->_clickedOp;
            if (!selector->_overOp.empty()) _over = selector->_overOp;
            if (!_clicked.empty()) selector->_clean();
            continue;
        }
        if (item->_clicked == 1) _clicked = item->_id;
        if (item->_over == 1) _over = item->_id;
    }
    // Developers reload the file from disk with Ctrl+L (with the cheat flag on).
    if (cheatsOn && KeyDown(162) && KeyHit(76)) reload();
    if (_over != previousOver && !_over.empty() && soundsOff == 0 && guiSounds.over) guiSounds.over();
}

void TGui::draw() {
    for (const auto& item : _listaObiektow) {
        SetBlend(ALPHABLEND);
        if (item->_v != 0) item->draw(0, 0);
    }
}

void TGui::reload() {
    if (_myPath.empty() || FileType(_myPath) != 1) return;
    Load(_myPath, _offsetX, _offsetY);
}

size_t TGui::_odbierzDeklaracje(const std::vector<std::string>& words, size_t i, TSmallObject& out,
                                int depth) {
    out._typ = Upper(words[i]);
    out._name = i + 1 < words.size() ? words[i + 1] : "";
    size_t start = i + 3;  // after the key, the id and "{"
    if (i + 2 >= words.size() || words[i + 2] != "{") {
        guiError("Nieprawidlowy wpis :" + out._name);
        return std::min(words.size(), i + 2);
    }
    int open = 1;
    size_t j = start;
    for (; j < words.size(); ++j) {
        if (words[j] == "{") ++open;
        if (words[j] == "}" && --open == 0) break;
    }
    if (depth > kMaxGuiDepth) {
        guiError((_myPath.empty() ? "" : _myPath + " : ") + out._typ + " " + out._name +
                 " is nested deeper than " + std::to_string(kMaxGuiDepth) + " levels and is left out");
        out._tokeny.clear();
    } else {
        readEntries(words, start, j, true, out, depth);
    }
    return std::min(words.size(), j + 1);
}

void TGui::readEntries(const std::vector<std::string>& words, size_t from, size_t to, bool nested,
                       TSmallObject& out, int depth) {
    size_t i = from;
    while (i < to) {
        const std::string& key = words[i];
        if (i + 1 >= to) {  // a final key without "=" and a value
            guiError("Nieprawidlowy wpis :" + key);
            break;
        }
        if (words[i + 1] != "=") {
            if (nested && i + 2 < to && words[i + 2] == "{") {
                auto object = std::make_shared<TSmallObject>();
                i = _odbierzDeklaracje(words, i, *object, depth + 1);
                if (depth + 1 <= kMaxGuiDepth) out._tokeny.push_back({nullptr, object});
                continue;
            }
            guiError("Nieprawidlowy wpis :" + words[i + 1]);
        }
        if (i + 2 >= to) {  // no value after the key
            guiError("Nieprawidlowy wpis :" + key);
            break;
        }
        auto entry = std::make_shared<TSimpleEntry>();
        entry->_typ = key;
        entry->_value = words[i + 2];
        out._tokeny.push_back({entry, nullptr});
        i += 3;
    }
}

void TGui::dodajObiekt(const std::string& type, const std::string& id, const TSmallObject& declaration,
                       int offsetX, int offsetY) {
    const std::vector<TSimpleEntry> entries = declaration.entries();
    if (type == "BUTTON") {
        addItem(TButton::createFromList(id, entries, this, offsetX, offsetY));
    } else if (type == "TEXT") {
        addItem(TText::createFromList(id, entries, this, offsetX, offsetY));
    } else if (type == "TEXTENTRY") {
        addItem(TTextEntry::createFromList(id, entries, this));
    } else if (type == "WINDOW") {
        addItem(TWindow::CreateFromList(id, entries, this));
    } else if (type == "ANIM") {
        addItem(TRGMAnimation::createFromList(id, entries));
    } else if (type == "BAR") {
        addItem(TBelka::createFromList(id, entries, declaration, this));
    } else if (type == "FONT") {
        TRGMFont::createFromList(id, entries, this);
    } else if (type == "THEME") {
        TTheme::createFromList(id, entries, this);
    }
}

void TGui::Load(const std::string& path, int offsetX, int offsetY) {
    _listaObiektow.clear();
    _myPath = path;
    _offsetX = offsetX;
    _offsetY = offsetY;
    std::string text;
    if (!TryLoadText(path, text)) {
        guiError("Plik : " + RealPath(path) + " nie istenieje!");
        return;
    }
    beginGuiErrors();
    for (const auto& words : stworzListyTokenow(text)) {
        if (words.empty()) continue;
        const std::string type = Upper(words[0]);
        const std::string id = words.size() > 1 ? words[1] : "";
        if (words.size() < 3) {
            guiError("Nieprawidlowy wpis :" + words[0]);
            continue;
        }
        TSmallObject declaration;
        declaration._typ = type;
        declaration._name = id;
        readEntries(words, 3, words.size(), type == "BAR", declaration);
        dodajObiekt(type, id, declaration, offsetX, offsetY);
    }
    endGuiErrors();
}

std::shared_ptr<TGui> loadGui(const std::string& path, int offsetX, int offsetY) {
    auto gui = std::make_shared<TGui>();
    const std::string local =
        ExtractDir(path) + "/" + languageCode + "/" + StripAll(path) + "." + ExtractExt(path);
    if (FileType(local) == 1) {
        gui->Load(local, offsetX, offsetY);
    } else {
        guiError("Plik : " + RealPath(local) + " nie istenieje!");
    }
    return gui;
}

std::shared_ptr<TGui> newGui() {
    return std::make_shared<TGui>();
}
