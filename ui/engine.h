// Corvalle Lyrabel — the element engine: turns an element list into live widgets.
#pragma once

#include "element.h"

#include <QString>

#include <vector>

class QWidget;

namespace ui {

class Canvas;

// Builds `elements` into container `c`. Colour and font are what the
// container passes on; focusable widgets are appended to `focusChain` in
// keyboard order (tab positions within each container). With
// `deferHiddenPages`, notebook pages other than the first are built when
// first shown (or when the window completes its build).
void buildElements(Canvas* c, const Elements& elements, Colour colour, const Font& font,
                   std::vector<QWidget*>& focusChain, bool deferHiddenPages = false);

// Multiplies every position, size and font height by num / den (screens whose
// text scaling is not 96 dpi).
void scaleElements(Elements& elements, int num, int den);
int scaleValue(int v, int num, int den);

// A readable dump of a window's element tree as built: one line per element,
// with kind, name, box in window coordinates, colours and text.
QString dumpElements(QWidget* window);

}  // namespace ui
