// Corvalle Lyrabel — the lesson book: the main window, its fourteen tabs, the
// page buttons that open worksheets, and the two overlay panels.
#pragma once

#include "ui/element.h"
#include "ui/windowdef.h"

#include <string_view>

namespace lessons {

// Size of every lesson page.
inline constexpr int pageWidth = 609;
inline constexpr int pageHeight = 544;

// The purple left-aligned rectangle that starts most lesson pages; it is wider
// than the page, so it covers the page in the same purple.
ui::Element pageBackground(int width = 620);

// A page's "Workpages"/"Workpage"/"Go To Example" button by its element name
// (`BitBtn28`...): caption, place, red bold caption font and click action, from
// the one table of page buttons.
ui::Element pageButton(std::string_view elementName);

// The whole lesson window, `TLessonBook`.
ui::WindowDef TLessonBook();

}  // namespace lessons
