// Corvalle Lyrabel — the lesson book window.
//
// Sections: page buttons · page background · the window
#include "lessons/lessonbook.h"

#include "lessons/beatspage.h"
#include "lessons/chordpages.h"
#include "lessons/chordspage.h"
#include "lessons/introductionpage.h"
#include "lessons/keyboardinfopage.h"
#include "lessons/notesandstaffpage.h"
#include "lessons/scalepage.h"
#include "lessons/staffpages.h"
#include "lessons/welcomepage.h"

#include <array>
#include <stdexcept>

namespace lessons {

using namespace ui;

// ------------------------------------------------------------- page buttons
// Every button on a lesson page, with the window it opens or the panel it shows.

struct PageButton {
    const char* element;
    const char* caption;
    Rect box;
};

constexpr std::array pageButtons{
    //         element      caption           x    y    w    h
    PageButton{"BitBtn25", "Workpages",     {259, 394,  81, 25}},  // Beats
    PageButton{"BitBtn1",  "Workpages",     {269, 403,  81, 25}},  // Treble
    PageButton{"BitBtn24", "Workpages",     {255, 404,  81, 25}},  // Bass
    PageButton{"BitBtn36", "Workpages",     {252, 406,  84, 23}},  // Notes and Staff
    PageButton{"BitBtn26", "Workpages",     {274, 391,  81, 25}},  // Keyboard Info
    PageButton{"BitBtn28", "Workpages",     {246, 394,  81, 25}},  // Major
    PageButton{"BitBtn29", "Workpages",     {257, 392,  83, 25}},  // Minor
    PageButton{"BitBtn30", "Workpages",     {244, 389,  83, 25}},  // 7th
    PageButton{"BitBtn31", "Workpages",     {255, 391,  81, 25}},  // Major 7th
    PageButton{"BitBtn32", "Workpages",     {259, 393,  81, 25}},  // Minor 7th
    PageButton{"BitBtn33", "Workpage",      {312, 384,  75, 25}},  // Chords
    PageButton{"BitBtn35", "Go To Example", {190, 385, 119, 23}},  // Chords
    PageButton{"BitBtn2",  "Workpage",      {480, 467,  97, 25}},  // Chords, on the example panel
    PageButton{"BitBtn27", "Workpages",     {259, 394,  87, 25}},  // Scale
};

Element pageButton(std::string_view elementName)
{
    for (const PageButton& b : pageButtons) {
        if (elementName == b.element) {
            return button(b.box.x, b.box.y, b.box.w, b.box.h, b.caption)
                .named(b.element)
                .font(tnr(16).bolded().in(red))
                .onClick(std::string(b.element) + "Click");
        }
    }
    throw std::invalid_argument("no lesson page button " + std::string(elementName));
}

// ---------------------------------------------------------- page background

Element pageBackground(int width)
{
    return shape(0, 0, width, pageHeight).filled(purple).pen(purple).aligned(Align::Left);
}

// --------------------------------------------------------------- the window

WindowDef TLessonBook()
{
    WindowDef def;
    def.className = "TLessonBook";
    def.instance = "LessonBook";
    def.title = "Corvalle Lyrabel";
    def.outerWidth = 646;
    def.outerHeight = 612;
    def.colour = purple;
    def.font = msSans(11);
    def.printScaling = PrintScaling::NotPrintable;
    def.elements = {
        notebook(0, -1, 617, 578, {
                     page("&Welcome",        welcomePage()),
                     page("Introduction",    introductionPage()),
                     page("Beats",           beatsPage()),
                     page("Treble",          treblePage()),
                     page("Bass",            bassPage()),
                     page("Notes and Staff", notesAndStaffPage()),
                     page("Keyboard Info",   keyboardInfoPage()),
                     page("Major",           majorPage()),
                     page("Minor",           minorPage()),
                     page("7th",             seventhPage()),
                     page("Major 7th ",      majorSeventhPage()),
                     page("Minor 7th",       minorSeventhPage()),
                     page("Chords",          chordsPage()),
                     page("Scale",           scalePage()),
                 })
            .named("LessonTabs").font(tnr(16).bolded().in(white)).tabsIn(arial(16).bolded()).tabHeight(30),
        versesPanel(),
    };
    return def;
}

}  // namespace lessons
