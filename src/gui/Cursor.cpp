// Drawing and animating one mouse cursor.
#include "gui/Cursor.h"

#include "core/DrawState.h"

using namespace eng;

void TCursor::draw(float x, float y) const {
    if (!_img) return;
    resetDrawState();
    DrawImage(_img, x, y, _frame > 0 && _maxFrames > 0 ? _frame : 0);
}

void TCursor::update() {
    if (_maxFrames == 0 || _timeDelta == 0) return;
    const int64_t now = MilliSecs();
    if (now < _time) return;
    _time = now + _timeDelta;
    _frame = _frame >= _maxFrames ? 0 : _frame + 1;
}
