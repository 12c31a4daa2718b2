// A parchment scroll panel that fades in and unrolls downward, and rolls up again.
#pragma once

#include <string>

class TPapirus {
  public:
    int width = 0, height = 0;  // middle columns and rows
    float a = 0, da = 0;        // alpha and its target
    float per = 0, dPer = 0;    // unrolled part and its target
    std::string state;          // "START" or "HIDE"
    float x = 0, y = 0;

    // Loads the nine pieces shared by every scroll (once).
    static void loadPieces();
    int start(float px, float py, int w, int h);
    int hide();
    int update();
    int draw() const;
};
