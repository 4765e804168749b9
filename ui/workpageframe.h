// Corvalle Lyrabel — the parts every worksheet window shares: sheet notebook,
// "Print" button and the "Cover"/"Answers" answer key, as element generators.
#pragma once

#include "element.h"

#include <string>
#include <vector>

namespace ui {

// Action name bound to every worksheet's "Print" button.
inline constexpr const char* printAction = "BitBtn1Click";

// Sheet notebook client-aligned to the window, stored at (0, 0), w×h; pages "1", "2", ...
// (tab font MS Sans Serif 11 px, pages at (4, 24)).
Element sheetNotebook(int w, int h, std::vector<Elements> sheets);

// `BitBtn1`: caption "Print" in blue Times New Roman 16 px, bold unless `regular`.
Element printButton(int x, int y, int w, int h, bool regular = false);

// Large key (five chord worksheets): 289×294 with the 64-px red cover label;
// `answers` holds the answer page's text boxes (see answerList).
Element largeAnswerKey(int x, int y, Elements answers);
// A read-only answer list for the large key: Times New Roman 21 px bold, sunken.
Element answerList(int x, int y, int w, int h, std::vector<std::string> lines);

// Small key (Beat, Treble and Bass worksheets): w×h (normally 200×97), one
// client-aligned read-only text box, Arial 15 px bold, flat border.
Element smallAnswerKey(int x, int y, int w, int h, std::vector<std::string> lines);

// Strip key (Notes and Staff worksheet): at (1, 370), 625×66; Arial 13 px blue.
Element stripAnswerKey(std::vector<std::string> lines);

}  // namespace ui
