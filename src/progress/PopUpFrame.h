// The carved frame of pop-ups, the resume question, the flow choice and the options panel.
#pragma once

// Loads the eight frame pieces (once).
void loadPopUpFrame();
// Draws a frame whose interior is `cols` top pieces wide and `rows` side pieces tall, its top-left corner
// at (x, y), at the current alpha and `scale`; the interior is filled with the panel colour.
void drawPopUpFrame(float x, float y, int cols, int rows, float scale = 1);
// The size of such a frame in pixels.
void popUpFrameSize(int cols, int rows, float& w, float& h);
