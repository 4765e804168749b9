// Corvalle Lyrabel — the Treble and Bass lesson pages: one layout, a table per page.
//
// Sections: the page record · Treble page · Bass page · the shared layout
//
// Each page draws its staff's five lines as a bar staff with a letter and a word
// beside every bar, then its four spaces as the gaps of a second bar staff with a
// letter and a word beside every gap. The letters are stored as the page shows
// them; the tests check them against the staff-letter rule.
#include "lessons/staffpages.h"

#include "diagrams/staff.h"
#include "lessons/lessonbook.h"

#include <array>

namespace lessons {

namespace {

using namespace ui;

// ------------------------------------------------------------ the page record

struct At {
    int x, y;
};

// One bar of a lesson bar staff: a 9-px black bar (a 5-px outline fills it).
struct Bar {
    int left, top, width;
};

// A letter tile and the word of the memory sentence on the same row.
struct Naming {
    At letterAt;
    At wordAt;
    const char* letter;
    const char* word;
};

struct StaffPage {
    Rect upperBox, lowerBox;
    int boxPen;
    std::array<Bar, 5> lineBars, spaceBars;  // top bar first
    At lineHeadingAt;
    const char* lineHeading;
    At spaceHeadingAt;
    const char* spaceHeading;
    std::array<Naming, 5> lines;   // bottom line first
    std::array<Naming, 4> spaces;  // bottom space first
    At upperHintAt, lowerHintAt;
    Rect picture;                  // grand-staff picture, 3/4 variant, cut to the box
    Rect ring;
    At soundAt, rememberAt;
    const char* button;
};

// --------------------------------------------------------------- Treble page

const StaffPage treble{
    /* upper box, lower box, outline */ {7, 4, 601, 206}, {7, 214, 601, 201}, 5,
    /* line bars    (left, top, width) */
    {{{144, 55, 329}, {144, 79, 329}, {144, 103, 329}, {144, 127, 329}, {144, 151, 329}}},
    /* space bars   (left, top, width) */
    {{{144, 266, 329}, {144, 290, 329}, {144, 314, 329}, {144, 338, 329}, {144, 362, 329}}},
    /* line heading  */ {216, 12},  "Top Set of Lines",
    /* space heading */ {210, 221}, "Top Set of Spaces",
    {{
        // lines, bottom first: letter at, word at, letter, word
        {{475, 146}, {493, 148}, "E", "Earnings"},
        {{474, 121}, {494, 123}, "G", "gotten"},
        {{474, 96},  {494, 100}, "B", "by"},
        {{474, 73},  {494, 75},  "D", "doing"},
        {{473, 48},  {494, 50},  "F", "farming."},
    }},
    {{
        // spaces, bottom first
        {{474, 345}, {490, 347}, "F", "Farming"},
        {{474, 320}, {493, 322}, "A", "a"},
        {{474, 295}, {491, 297}, "C", "challenging"},
        {{474, 272}, {491, 272}, "E", "endeavor"},
    }},
    /* hints */ {391, 166}, {390, 368},
    /* picture */ {15, 13, 119, 116},
    /* ring: the treble staff with its clef and time signature */ {15, 10, 135, 61},
    /* sound, remember */ {99, 185}, {37, 386},
    /* "Workpages" */ "BitBtn1",
};

// ----------------------------------------------------------------- Bass page

const StaffPage bass{
    /* upper box, lower box, outline */ {11, 5, 585, 206}, {12, 215, 585, 200}, 4,
    /* line bars    (left, top, width) */
    {{{142, 51, 366}, {142, 75, 366}, {142, 99, 366}, {141, 123, 366}, {140, 146, 368}}},
    /* space bars   (left, top, width) */
    {{{99, 262, 409}, {99, 286, 409}, {98, 310, 409}, {99, 334, 409}, {99, 358, 409}}},
    /* line heading  */ {200, 12},  "Bottom Set of Lines",
    /* space heading */ {195, 223}, "Bottom Set of Spaces",
    {{
        // lines, bottom first: letter at, word at, letter, word
        {{508, 141}, {526, 143}, "G", "Girls"},
        {{508, 116}, {527, 119}, "B", "buy"},
        {{508, 93},  {526, 95},  "D", "dresses"},
        {{508, 68},  {526, 70},  "F", "for"},
        {{508, 45},  {525, 48},  "A", "apparel"},
    }},
    {{
        // spaces, bottom first
        {{507, 340}, {526, 342}, "A", "A"},
        {{506, 315}, {526, 317}, "C", "child"},
        {{507, 292}, {525, 293}, "E", "enjoys"},
        {{508, 267}, {526, 268}, "G", "gifts."},
    }},
    /* hints */ {394, 166}, {396, 369},
    /* picture */ {17, 11, 119, 116},
    /* ring: the bass staff with its clef */ {13, 78, 129, 61},
    /* sound, remember */ {100, 188}, {34, 386},
    /* "Workpages" */ "BitBtn24",
};

// --------------------------------------------------------- the shared layout

const Font headingFont = tnr(27).bolded().in(yellow);
const Font letterFont = tnr(19).bolded().in(white);
const Font wordFont = tnr(16).bolded().in(black);

Element box(Rect r, int pen) { return shape(r.x, r.y, r.w, r.h).filled(white).pen(black, pen); }

// A lesson bar staff with each bar where the page has it (the Bass page's bars
// are placed by hand, a pixel or two off a common left edge and pitch).
Elements bars(const std::array<Bar, 5>& staff)
{
    Elements out = diagrams::barStaff(staff[0].left, staff[0].width, staff[0].top, diagrams::BarColouring::Lesson);
    for (std::size_t i = 0; i < out.size() && i < staff.size(); ++i)
        out[i].box = {staff[i].left, staff[i].top, staff[i].width, 9};
    return out;
}

Elements staffPage(const StaffPage& p)
{
    Elements page;
    page.push_back(pageBackground());
    page.push_back(box(p.upperBox, p.boxPen));
    page.push_back(box(p.lowerBox, p.boxPen));
    page += bars(p.lineBars);
    page.push_back(label(p.lineHeadingAt.x, p.lineHeadingAt.y, p.lineHeading).font(headingFont).bg(purple));
    page += bars(p.spaceBars);
    page.push_back(label(p.spaceHeadingAt.x, p.spaceHeadingAt.y, p.spaceHeading).font(headingFont).bg(purple));
    for (const Naming& n : p.lines)
        page.push_back(label(n.letterAt.x, n.letterAt.y, n.letter).font(letterFont).bg(purple));
    for (const Naming& n : p.spaces)
        page.push_back(label(n.letterAt.x, n.letterAt.y, n.letter).font(letterFont).bg(purple));
    for (const Naming& n : p.lines)
        page.push_back(label(n.wordAt.x, n.wordAt.y, n.word).font(wordFont).bg(white));
    for (const Naming& n : p.spaces)
        page.push_back(label(n.wordAt.x, n.wordAt.y, n.word).font(wordFont).bg(white));
    page.push_back(label(p.upperHintAt.x, p.upperHintAt.y, "Start at bottom and read up.").font(wordFont).bg(white));
    page.push_back(label(p.lowerHintAt.x, p.lowerHintAt.y, "Start at bottom and read up.").font(wordFont).bg(white));
    page.push_back(diagrams::grandStaff(diagrams::GrandStaffVariant::ThreeFour,
                                        p.picture.x, p.picture.y, p.picture.w, p.picture.h, false));
    page.push_back(shape(p.ring.x, p.ring.y, p.ring.w, p.ring.h).ellipse().hollow().pen(fuchsia, 3));
    page.push_back(label(p.soundAt.x, p.soundAt.y,
                         "The line or space the note is on tells you the sound of the note.")
                       .font(wordFont).bg(yellow));
    page.push_back(label(p.rememberAt.x, p.rememberAt.y,
                         "Remember: Where the circle of the note is put determines what line the note is on.")
                       .font(wordFont).bg(yellow));
    page.push_back(pageButton(p.button));
    return page;
}

}  // namespace

Elements treblePage() { return staffPage(treble); }
Elements bassPage() { return staffPage(bass); }

}  // namespace lessons
