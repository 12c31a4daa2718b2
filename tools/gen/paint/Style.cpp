// Layering of a styled element: the body is built on its own layer so bevel and glow stay inside it.
#include "paint/Style.h"

#include "paint/Field.h"
#include "paint/Mask.h"

namespace paint {

void drawStyled(Canvas& c, const Field& f, const Style& s) {
    const Mask whole = f.coverage(s.outline);
    if (s.shadow) dropShadow(c, whole, s.shadow->offset, s.shadow->blur, s.shadow->color);
    if (s.glow) outerGlow(c, whole, s.glow->blur, s.glow->color, s.glow->mode);

    Canvas body(c.width(), c.height());
    if (s.outline > 0) body.paint(whole, s.outlineFill);
    Canvas face(c.width(), c.height());
    face.paint(f.coverage(), s.fill);
    if (s.bevel) bevel(face, f, *s.bevel);
    if (s.innerGlow) innerGlow(face, f, s.innerGlow->color, s.innerGlow->size, s.innerGlow->mode);
    body.draw(face, 0, 0);
    c.draw(body, 0, 0);
}

}  // namespace paint
