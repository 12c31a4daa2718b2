// The GUI viewer: loads the file, runs its items, prints "clicked: ID" for every click.
#include "GuiViewer.h"

#include <cstdio>

#include "Backdrop.h"
#include "gui/Gui.h"
#include "screen/FrameServices.h"

using namespace eng;

void TGuiViewer::prepare() {
    Gui = loadGui(path_);
    alpha = dAlpha = 1;
    wynik.clear();
}

void TGuiViewer::afterFrame() {
    if (KeyHit(27)) {
        wynik = "END";
        dAlpha = 0;
    }
}

void TGuiViewer::update() {
    updateSystem(this, 0);
    _updateAlpha();
    _updateGui();
    if (!Gui->_clicked.empty() && Gui->clickedItem(Gui->_clicked)) {
        std::printf("clicked: %s\n", Gui->_clicked.c_str());
        std::fflush(stdout);
    }
}

void TGuiViewer::draw() {
    drawDeveloperBackdrop();
    _drawGui();
    _drawMouse();
}
