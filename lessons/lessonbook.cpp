// Corvalle Lyrabel — the lesson book window.
//
// Sections: page buttons · page background · the pages · the window
#include "lessons/lessonbook.h"

#include "lessons/chordpages.h"
#include "lessons/staffpages.h"

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

// ---------------------------------------------------------------- the pages
// Pages whose lessons are still to be written carry their background and buttons.

namespace {

Elements welcomePage()
{
    return {
        pageBackground(),
        panel(190, 407, 262, 21).named("Panel1").bg(gray).text("Click Here for A Reason to Sing")
            .font(tnr(19).bolded().italicized().in(rgb(0xFFCEFF))).onClick("Panel1Click"),
    };
}

Elements pageWith(std::vector<const char*> buttons)
{
    Elements page{pageBackground()};
    for (const char* b : buttons)
        page.push_back(pageButton(b));
    return page;
}

Elements chordsPage()
{
    Elements page = pageWith({"BitBtn33", "BitBtn35"});
    page.push_back(panel(0, -1, pageWidth, pageHeight, {
                           pageButton("BitBtn2"),
                           button(473, 515, 75, 25, "").ok().named("BitBtn21")
                               .font(tnr(16).bolded().in(black)).onClick("BitBtn21Click"),
                       })
                       .named("cpexam").bg(purple).noBevel().hidden().aligned(Align::Client));
    return page;
}

// The verses panel, over the notebook's page area.
Element versesPanel()
{
    return panel(3, 30, 614, 403, {
                     button(509, 364, 75, 25, "").ok().named("BitBtn34")
                         .font(tnr(16).bolded().in(windowText)).onClick("BitBtn34Click"),
                 })
        .named("ve2").bg(rgb(0xFFCEFF)).hidden();
}

}  // namespace

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
                     page("Introduction",    pageWith({})),
                     page("Beats",           pageWith({"BitBtn25"})),
                     page("Treble",          treblePage()),
                     page("Bass",            bassPage()),
                     page("Notes and Staff", pageWith({"BitBtn36"})),
                     page("Keyboard Info",   pageWith({"BitBtn26"})),
                     page("Major",           majorPage()),
                     page("Minor",           minorPage()),
                     page("7th",             seventhPage()),
                     page("Major 7th ",      majorSeventhPage()),
                     page("Minor 7th",       minorSeventhPage()),
                     page("Chords",          chordsPage()),
                     page("Scale",           pageWith({"BitBtn27"})),
                 })
            .named("LessonTabs").font(tnr(16).bolded().in(white)).tabsIn(arial(16).bolded()).tabHeight(30),
        versesPanel(),
    };
    return def;
}

}  // namespace lessons
