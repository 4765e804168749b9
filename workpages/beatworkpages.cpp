// Corvalle Lyrabel — the Beat worksheets, `Tsbbs`: three sheets, one per time
// signature (3/4, 2/2, 3/8), each with three staffs of notes and a field beside
// every note for the number of beats it gets.
//
// Sections: rows · the three sheets · glyphs · sheet and window layout
//
// The notes are the drawings of the Treble and Bass worksheets, sheet by sheet
// in the same order, placed a few pixels apart by hand: every head, stem and
// flag box is stored as drawn. The answer keys are stored as shown; the tests
// check them against the beat rule for the notes as drawn.
#include "workpages/beatworkpages.h"

#include "diagrams/glyphs.h"
#include "diagrams/musicrules.h"
#include "diagrams/staff.h"
#include "ui/workpageframe.h"

#include <array>
#include <string>
#include <vector>

namespace workpages {

namespace {

using namespace ui;
using music::NoteValue;

// ---------------------------------------------------------------------- rows

struct At {
    int x, y;
};

struct Staff {
    int left, width;
    std::array<int, 5> tops;   // bar tops, top bar first
    std::array<int, 5> lefts;  // each bar's left edge (a few are a pixel off the staff's)
};

// A staff whose bars all start at its left edge.
constexpr Staff staff(int left, int width, std::array<int, 5> tops) {
    return {left, width, tops, {left, left, left, left, left}};
}
// The same with one bar moved sideways: bar 0 is the top bar.
constexpr Staff staff(int left, int width, std::array<int, 5> tops, int bar, int barLeft) {
    Staff s = staff(left, width, tops);
    s.lefts[static_cast<std::size_t>(bar)] = barLeft;
    return s;
}

struct Stem {
    int x = 0, top = 0, bottom = 0;  // rows top..bottom inclusive; x == 0: no stem
};

struct Flag {
    int x = 0, y = 0, w = 0, h = 0;  // w == 0: no flag
    Colour pen = black;
};

struct Note {
    int staff;        // 1..3
    NoteValue value;  // sets the head: filled for quarter and shorter
    Rect head;        // 17 wide, 17 to 41 high; the circle is centred in the box
    Stem stem;
    std::array<Flag, 2> flags;
    At field;         // the answer field's top-left corner
};

struct Sheet {
    int top, bottom;  // time signature
    std::array<Staff, 3> staffs;
    std::vector<Note> notes;
    Rect key;
    std::vector<std::string> answers;  // one line per staff, exactly as shown
};

constexpr NoteValue whole = NoteValue::Whole, half = NoteValue::Half, quarter = NoteValue::Quarter,
                    eighth = NoteValue::Eighth, sixteenth = NoteValue::Sixteenth;

constexpr Stem none{};
constexpr Flag f(int x, int y, int w, int h, Colour pen = black) { return {x, y, w, h, pen}; }

// ------------------------------------------------------------ the three sheets

const std::array<Sheet, 3> sheets{{
    // Sheet 1: 3/4, a quarter note gets one beat.
    {3, 4,
     {{
         //     left  width  bar tops
         staff(-1, 625, {32, 56, 80, 104, 128}),
         staff(-1, 625, {179, 203, 227, 251, 275}),
         staff(-1, 386, {315, 339, 363, 387, 411}),
     }},
     {
         // staff value      head box              stem             flags                                      field
         {1, half,      {40, 96, 17, 25},   {56, 72, 112},   {},                                        {64, 96}},
         {1, eighth,    {112, 64, 17, 17},  {128, 32, 72},   {f(128, 29, 25, 9)},                       {136, 64}},
         {1, quarter,   {192, 120, 17, 25}, {208, 96, 136},  {},                                        {216, 120}},
         {1, whole,     {264, 80, 17, 33},  none,            {},                                        {288, 88}},
         {1, eighth,    {320, 48, 17, 25},  {336, 24, 64},   {f(336, 25, 25, 9)},                       {344, 48}},
         {1, sixteenth, {384, 104, 17, 33}, {400, 72, 120},  {f(400, 73, 25, 7), f(400, 88, 25, 9)},    {408, 112}},
         {1, whole,     {496, 24, 17, 25},  none,            {},                                        {520, 24}},
         {1, whole,     {563, 32, 17, 33},  none,            {},                                        {585, 35}},
         {2, half,      {40, 195, 17, 25},  {56, 171, 211},  {},                                        {63, 195}},
         {2, half,      {88, 267, 17, 25},  {104, 243, 283}, {},                                        {111, 267}},
         {2, eighth,    {176, 171, 17, 25}, {192, 147, 187}, {f(192, 147, 25, 9)},                      {199, 171}},
         {2, quarter,   {224, 203, 17, 33}, {240, 179, 219}, {},                                        {247, 211}},
         {2, whole,     {304, 227, 17, 33}, none,            {},                                        {327, 235}},
         {2, sixteenth, {368, 179, 17, 33}, {384, 155, 195}, {f(384, 147, 25, 9), f(384, 163, 25, 9)},  {391, 187}},
         {2, whole,     {448, 251, 17, 33}, none,            {},                                        {471, 259}},
         {2, whole,     {496, 179, 17, 33}, none,            {},                                        {519, 187}},
         {2, half,      {560, 203, 17, 33}, {576, 179, 219}, {},                                        {583, 211}},
         {3, half,      {16, 387, 17, 33},  {32, 371, 411},  {},                                        {39, 377}},
         {3, half,      {72, 363, 17, 33},  {88, 347, 387},  {},                                        {95, 369}},
         {3, half,      {120, 339, 17, 33}, {136, 315, 355}, {},                                        {143, 339}},
         // The top space, completing F A C E from the bottom up as on the Treble
         // sheet; its stem and field already stand where a head at y 315 needs them.
         {3, half,      {184, 315, 17, 33}, {200, 299, 339}, {},                                        {207, 315}},
         {3, sixteenth, {240, 299, 17, 41}, {256, 291, 315}, {f(256, 283, 25, 9), f(256, 299, 25, 9)},  {263, 307}},
         {3, whole,     {304, 323, 17, 41}, none,            {},                                        {327, 331}},
     },
     {416, 323, 200, 97},
     {"2  1/2  1  4  1/2  1/4  4  4", "2  2  1/2  1  4  1/4  4  4  2", "2  2   2  2  1/4  4"}},

    // Sheet 2: 2/2, a half note gets one beat.
    {2, 2,
     {{
         //     left  width  bar tops                    moved bar
         staff(2, 617, {29, 53, 77, 101, 125},       0, 3),
         staff(2, 617, {173, 197, 221, 245, 269}),
         staff(3, 374, {308, 332, 356, 380, 404}),
     }},
     {
         // staff value      head box              stem             flags                                                      field
         {1, half,      {11, 101, 17, 33},  {27, 69, 117},   {},                                                        {35, 109}},
         {1, whole,     {67, 21, 17, 25},   none,            {},                                                        {91, 21}},
         {1, quarter,   {115, 77, 17, 33},  {131, 45, 93},   {},                                                        {139, 85}},
         {1, sixteenth, {178, 54, 17, 33},  {195, 21, 69},   {f(195, 22, 25, 7, purple), f(195, 30, 25, 7, fuchsia)},   {203, 61}},
         {1, eighth,    {251, 117, 17, 25}, {267, 77, 125},  {f(267, 78, 25, 7)},                                       {275, 117}},
         {1, whole,     {339, 69, 17, 25},  none,            {},                                                        {363, 69}},
         {1, whole,     {395, 21, 17, 25},  none,            {},                                                        {419, 21}},
         {1, half,      {467, 117, 17, 25}, {483, 77, 125},  {},                                                        {491, 117}},
         {1, quarter,   {555, 77, 17, 33},  {571, 45, 93},   {},                                                        {579, 85}},
         {2, quarter,   {11, 245, 17, 33},  {27, 213, 261},  {},                                                        {35, 253}},
         {2, quarter,   {91, 221, 17, 33},  {107, 189, 237}, {},                                                        {115, 229}},
         {2, half,      {171, 197, 17, 33}, {187, 165, 213}, {},                                                        {195, 205}},
         {2, whole,     {251, 181, 17, 17}, none,            {},                                                        {274, 181}},
         {2, whole,     {307, 229, 17, 17}, none,            {},                                                        {331, 229}},
         {2, quarter,   {379, 165, 17, 25}, {395, 133, 181}, {},                                                        {403, 165}},
         {2, quarter,   {467, 261, 17, 25}, {483, 229, 277}, {},                                                        {491, 261}},
         {2, sixteenth, {555, 213, 17, 25}, {571, 181, 229}, {f(571, 182, 25, 7, purple), f(571, 190, 25, 7, purple)},  {579, 213}},
         {3, half,      {20, 396, 17, 25},  {36, 364, 412},  {},                                                        {44, 393}},
         {3, quarter,   {76, 372, 17, 25},  {92, 340, 388},  {},                                                        {100, 372}},
         {3, sixteenth, {132, 348, 17, 25}, {148, 316, 364}, {f(148, 317, 25, 7, purple), f(148, 325, 25, 7, purple)},  {156, 348}},
         {3, whole,     {188, 372, 17, 25}, none,            {},                                                        {212, 372}},
         {3, whole,     {244, 340, 17, 17}, none,            {},                                                        {268, 340}},
         {3, quarter,   {316, 372, 17, 25}, {332, 340, 388}, {},                                                        {340, 372}},
     },
     {395, 318, 214, 97},
     {"1  2  1/2  1/8  1/4  2  2  1  1/2", "1/2  1/2  1  2  2  1/2  1/2  1/8", "1  1/2  1/8  2  2  1/2"}},

    // Sheet 3: 3/8, an eighth note gets one beat.
    {3, 8,
     {{
         //     left  width  bar tops                    moved bar
         staff(-4, 625, {27, 51, 75, 99, 123},       0, -3),
         staff(-4, 625, {175, 199, 223, 247, 271}),
         staff(0, 371, {306, 330, 354, 378, 402},    4, -1),
     }},
     {
         // staff value      head box              stem             flags                                      field
         {1, half,      {37, 59, 17, 17},   {53, 19, 67},    {},                                        {61, 59}},
         {1, quarter,   {77, 107, 17, 17},  {93, 67, 115},   {},                                        {101, 107}},
         {1, quarter,   {149, 83, 17, 17},  {165, 43, 91},   {},                                        {173, 75}},
         {1, quarter,   {221, 107, 17, 17}, {237, 67, 115},  {},                                        {245, 99}},
         {1, whole,     {269, 35, 17, 17},  none,            {},                                        {293, 27}},
         {1, whole,     {317, 115, 17, 25}, none,            {},                                        {341, 115}},
         {1, whole,     {367, 19, 17, 25},  none,            {},                                        {389, 19}},
         {1, quarter,   {429, 43, 17, 25},  {445, 7, 55},    {},                                        {453, 43}},
         {1, half,      {493, 67, 17, 25},  {509, 35, 83},   {},                                        {517, 67}},
         {1, half,      {557, 115, 17, 25}, {573, 83, 131},  {},                                        {581, 115}},
         {2, sixteenth, {5, 167, 17, 25},   {21, 136, 184},  {f(22, 135, 24, 9), f(22, 151, 24, 9)},    {29, 167}},
         {2, whole,     {77, 167, 17, 25},  none,            {},                                        {101, 167}},
         {2, whole,     {165, 175, 17, 33}, none,            {},                                        {189, 175}},
         {2, quarter,   {229, 207, 17, 17}, {246, 165, 213}, {},                                        {253, 199}},
         {2, quarter,   {261, 263, 17, 25}, {278, 225, 273}, {},                                        {285, 263}},
         {2, quarter,   {317, 239, 17, 25}, {333, 207, 255}, {},                                        {341, 238}},
         {2, whole,     {405, 183, 17, 41}, none,            {},                                        {429, 191}},
         {2, half,      {493, 215, 17, 25}, {509, 183, 231}, {},                                        {517, 215}},
         {2, half,      {558, 191, 17, 25}, {574, 159, 207}, {},                                        {582, 190}},
         {3, quarter,   {25, 394, 17, 25},  {41, 362, 410},  {},                                        {49, 390}},
         {3, quarter,   {81, 346, 17, 25},  {97, 314, 362},  {},                                        {105, 346}},
         {3, half,      {161, 298, 17, 25}, {179, 271, 315}, {},                                        {185, 298}},
         {3, half,      {225, 346, 17, 25}, {241, 314, 362}, {},                                        {249, 346}},
         {3, half,      {313, 322, 17, 25}, {329, 290, 338}, {},                                        {337, 322}},
     },
     {400, 314, 200, 97},
     {"4  2  2  2  8  8  8  2  4  4", "1/2  8  8  2  2  2  8  4  4", "2  2  4  4  4"}},
}};

// -------------------------------------------------------------------- glyphs

// Head, stem and flags, in that order, as the note row draws them.
Elements noteGlyph(const Note& n)
{
    Elements out{diagrams::noteHead(n.head.x, n.head.y, n.head.w, n.head.h, diagrams::hasFilledHead(n.value))};
    if (n.stem.x != 0)
        out.push_back(shape(n.stem.x, n.stem.top, 1, n.stem.bottom - n.stem.top + 1));
    for (const Flag& fl : n.flags)
        if (fl.w > 0)
            out.push_back(shape(fl.x, fl.y, fl.w, fl.h).filled(black).pen(fl.pen));
    return out;
}

// Five fuchsia bars, each at its own left edge.
Elements staffBars(const Staff& s)
{
    Elements bars = diagrams::barStaff(s.left, s.width, s.tops[0], diagrams::BarColouring::Worksheet);
    for (std::size_t i = 0; i < bars.size() && i < s.tops.size(); ++i) {
        bars[i].box.x = s.lefts[i];
        bars[i].box.y = s.tops[i];
    }
    return bars;
}

// ------------------------------------------------------- sheet and window layout

const Font headingFont = arial(15).bolded().in(black);
constexpr Colour headingColour = rgb(0xFFFFD0);

Elements sheetElements(int sheetIndex)
{
    const Sheet& sheet = sheets[static_cast<std::size_t>(sheetIndex)];
    const std::string prefix = "s" + std::to_string(sheetIndex + 1);
    // The instruction line on every sheet, the first included: the learner
    // meets sheet 1 first, and it needs the instruction most.
    Elements out{
        // element                                                                            at
        label(37, 2, "In the boxes provided tell how many beats the note gets if it has a")
            .font(headingFont).bg(headingColour),
    };
    out += diagrams::timeSignatureLabels(sheet.top, sheet.bottom, 504, 0);
    out.push_back(label(517, 4, "time signature.").font(headingFont).bg(headingColour));
    for (const Staff& s : sheet.staffs)
        out += staffBars(s);
    for (const Note& n : sheet.notes)
        out += noteGlyph(n);
    int tabPosition = 0;
    for (const Note& n : sheet.notes) {
        out.push_back(edit(n.field.x, n.field.y, 25, 27)
                          .font(tnr(16).bolded().in(black))
                          .named(prefix + "answer" + std::to_string(tabPosition + 1))
                          .tab(tabPosition));
        ++tabPosition;
    }
    out.push_back(smallAnswerKey(sheet.key.x, sheet.key.y, sheet.key.w, sheet.key.h, sheet.answers).tab(tabPosition));
    return out;
}

}  // namespace

WindowDef Tsbbs()
{
    WindowDef def{"Tsbbs", "sbbs", "Beat Workpages"};
    def.printScaling = PrintScaling::Proportional;
    std::vector<Elements> pages;
    for (int i = 0; i < static_cast<int>(sheets.size()); ++i)
        pages.push_back(sheetElements(i));
    def.elements = {
        sheetNotebook(632, 451, std::move(pages)),
        printButton(0, 24, 39, 25),
    };
    return def;
}

}  // namespace workpages
