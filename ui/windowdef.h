// Corvalle Lyrabel — a window as data: class, instance, title, look and elements.
#pragma once

#include "element.h"

#include <string>

namespace ui {

enum class PrintScaling { NotPrintable, FitToPage, Proportional };

// The design's windows were measured with an 8 × 30 frame around the client area.
inline constexpr int frameWidth = 8;
inline constexpr int frameHeight = 30;

struct WindowDef {
    std::string className;  // "Tmcmc"
    std::string instance;   // "mcmc": objectName of the window
    std::string title;      // "Major Chord Workpage"
    int outerWidth = 640, outerHeight = 480;
    Colour colour = white;
    Font font = msSans(11);
    PrintScaling printScaling = PrintScaling::FitToPage;
    Elements elements;

    int clientWidth() const { return outerWidth - frameWidth; }
    int clientHeight() const { return outerHeight - frameHeight; }
};

}  // namespace ui
