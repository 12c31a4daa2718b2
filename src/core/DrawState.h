// The drawing state every picture starts from: alpha blending, no scale or turn, opaque white.
#pragma once

void resetDrawState();
