// A developer screen that shows one GUI file on an empty screen and reports the items clicked.
#pragma once

#include <string>

#include "screen/Ekran.h"

class TGuiViewer : public TEkran {
  public:
    explicit TGuiViewer(std::string path) : path_(std::move(path)) { id = "GUI-VIEWER"; }
    void prepare() override;
    void afterFrame() override;  // Escape ends the run
    void update() override;
    void draw() override;

  private:
    std::string path_;
};
