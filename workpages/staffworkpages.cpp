// Corvalle Lyrabel — the Treble and Bass reading worksheets: one layout, a table of differences.
//
// Sections: note rows · the three sheets · the two windows · glyphs · sheet and window layout
//
// Both windows show the very same drawings; the Treble window reads every staff
// as treble and the Bass window as bass. Where a value differs between the two
// windows the row holds both, Treble first. Heads are centred on their staff
// position; each stem and its flags follow from the head by the sheet's rule
// (stem length, flag size, second-flag drop); answer fields are placed by hand.
#include "workpages/staffworkpages.h"

#include "diagrams/musicrules.h"
#include "diagrams/staff.h"
#include "ui/workpageframe.h"

#include <array>
#include <cassert>
#include <string>
#include <vector>

namespace workpages {

namespace {

using namespace ui;
using music::NoteValue;

// ---------------------------------------------------------------- note rows

enum Side { TrebleSide = 0, BassSide = 1 };  // column of a two-window value

struct At {
    int x, y;
};

template <typename T>
using PerWindow = std::array<T, 2>;  // {Treble Workpages, Bass Workpages}

// Places counted from the bottom of the staff, as staff positions.
constexpr int line(int n) { return 2 * (n - 1); }
constexpr int space(int n) { return 2 * n - 1; }

// Outlines of a note's flags (first, second); black unless the row says otherwise.
struct FlagPens {
    Colour first = black, second = black;
};
constexpr FlagPens purpleFlags{purple, purple};
constexpr FlagPens purpleThenFuchsia{purple, fuchsia};

struct Note {
    int staff;            // 1..3
    PerWindow<int> headX; // left edge of the 17-px head
    int position;         // staff position, 0 (bottom line) to 8 (top line)
    NoteValue value;
    PerWindow<At> field;  // top-left corner of the answer field
    FlagPens flagPens{};
};

struct Staff {
    PerWindow<int> left;
    int width;
    PerWindow<std::array<int, 5>> tops;  // bar tops, top bar first
};

struct Sheet {
    std::array<Staff, 3> staffs;
    int stemLength;      // stems stand at head left + 16, lower end 4 px below the head's centre
    int flagWidth, flagHeight;
    int secondFlagDrop;  // second flag of a sixteenth, below the first
    std::vector<Note> notes;
};

constexpr NoteValue whole = NoteValue::Whole, half = NoteValue::Half, quarter = NoteValue::Quarter,
                    eighth = NoteValue::Eighth, sixteenth = NoteValue::Sixteenth;

// ----------------------------------------------------------- the three sheets

const std::array<Sheet, 3> sheets{{
    // Sheet 1
    {{{
         //  left (T / B)  width  bar tops, Treble Workpages     bar tops, Bass Workpages
         {{-1, -1}, 625, {{{32, 56, 80, 104, 128}, {32, 56, 80, 104, 128}}}},
         {{-1, -1}, 625, {{{177, 201, 225, 249, 273}, {184, 208, 232, 256, 280}}}},
         {{-1, -1}, 386, {{{313, 337, 361, 385, 408}, {320, 344, 368, 392, 416}}}},
     }},
     /* stem */ 41, /* flag */ 25, 9, /* second flag */ 16,
     {
         // staff  head x       place     value      field, Treble  field, Bass
         {1, {40, 40},   line(2),  half,      {{{64, 96},   {64, 96}}}},
         {1, {112, 112}, space(3), eighth,    {{{136, 64},  {136, 64}}}},
         {1, {192, 192}, line(1),  quarter,   {{{216, 120}, {217, 120}}}},
         {1, {264, 264}, space(2), whole,     {{{288, 88},  {288, 88}}}},
         {1, {320, 320}, line(4),  eighth,    {{{344, 48},  {344, 48}}}},
         {1, {384, 384}, space(1), sixteenth, {{{408, 112}, {408, 112}}}},
         {1, {496, 496}, line(5),  whole,     {{{520, 24},  {520, 24}}}},
         {1, {563, 563}, space(4), whole,     {{{585, 35},  {585, 35}}}},
         {2, {40, 40},   line(4),  half,      {{{63, 193},  {63, 201}}}},
         {2, {88, 88},   line(1),  half,      {{{111, 265}, {111, 272}}}},
         {2, {176, 176}, line(5),  eighth,    {{{199, 169}, {199, 176}}}},
         {2, {224, 224}, space(3), quarter,   {{{247, 209}, {247, 216}}}},
         {2, {304, 304}, space(2), whole,     {{{327, 233}, {327, 240}}}},
         {2, {368, 368}, space(4), sixteenth, {{{391, 185}, {391, 192}}}},
         {2, {448, 448}, space(1), whole,     {{{471, 257}, {471, 264}}}},
         {2, {496, 496}, space(4), whole,     {{{519, 185}, {519, 192}}}},
         {2, {560, 560}, space(3), half,      {{{583, 209}, {583, 216}}}},
         {3, {16, 16},   space(1), half,      {{{39, 375},  {39, 382}}}},
         {3, {72, 72},   space(2), half,      {{{95, 367},  {95, 374}}}},
         {3, {120, 120}, space(3), half,      {{{143, 337}, {144, 345}}}},
         {3, {184, 184}, space(4), half,      {{{207, 313}, {207, 320}}}},
         {3, {240, 240}, line(5),  sixteenth, {{{263, 305}, {264, 313}}}},
         {3, {304, 304}, line(4),  whole,     {{{327, 329}, {327, 336}}}},
     }},
    // Sheet 2
    {{{
         {{2, 2}, 617, {{{13, 37, 61, 85, 109}, {13, 37, 61, 85, 109}}}},
         {{2, 2}, 617, {{{157, 181, 205, 229, 253}, {157, 181, 205, 229, 253}}}},
         {{2, 2}, 374, {{{301, 325, 349, 373, 397}, {301, 325, 349, 373, 397}}}},
     }},
     /* stem */ 49, /* flag */ 25, 7, /* second flag */ 8,
     {
         // staff  head x       place     value      field, Treble  field, Bass    flag outlines
         {1, {11, 11},   space(1), half,      {{{35, 93},   {35, 93}}}},
         {1, {67, 67},   line(5),  whole,     {{{91, 5},    {91, 5}}}},
         {1, {115, 115}, space(2), quarter,   {{{139, 69},  {139, 69}}}},
         {1, {180, 179}, space(3), sixteenth, {{{203, 45},  {203, 45}}},  purpleThenFuchsia},
         {1, {251, 251}, line(1),  eighth,    {{{275, 101}, {275, 101}}}},
         {1, {339, 339}, line(3),  whole,     {{{363, 53},  {363, 53}}}},
         {1, {395, 395}, line(5),  whole,     {{{419, 5},   {419, 5}}}},
         {1, {467, 467}, line(1),  half,      {{{491, 101}, {491, 101}}}},
         {1, {555, 555}, space(2), quarter,   {{{579, 69},  {579, 69}}}},
         {2, {11, 11},   space(1), quarter,   {{{35, 237},  {35, 237}}}},
         {2, {91, 91},   space(2), quarter,   {{{115, 213}, {115, 213}}}},
         {2, {171, 171}, space(3), half,      {{{195, 189}, {195, 189}}}},
         {2, {251, 251}, space(4), whole,     {{{276, 165}, {275, 165}}}},
         {2, {307, 307}, space(2), whole,     {{{331, 213}, {331, 213}}}},
         {2, {379, 379}, line(5),  quarter,   {{{403, 149}, {403, 149}}}},
         {2, {467, 467}, line(1),  quarter,   {{{491, 245}, {491, 245}}}},
         {2, {555, 555}, line(3),  sixteenth, {{{579, 197}, {579, 197}}},  purpleFlags},
         {3, {19, 19},   line(1),  half,      {{{42, 388},  {43, 389}}}},
         {3, {75, 75},   line(2),  quarter,   {{{99, 365},  {99, 365}}}},
         {3, {131, 131}, line(3),  sixteenth, {{{155, 341}, {155, 341}}},  purpleFlags},
         {3, {187, 187}, line(2),  whole,     {{{211, 365}, {211, 365}}}},
         {3, {243, 243}, space(3), whole,     {{{267, 333}, {267, 333}}}},
         {3, {315, 315}, line(2),  quarter,   {{{339, 365}, {339, 365}}}},
     }},
    // Sheet 3
    {{{
         {{-2, -2}, 625, {{{4, 28, 52, 76, 100}, {4, 28, 52, 76, 100}}}},
         {{-2, -2}, 625, {{{156, 180, 204, 228, 252}, {156, 180, 204, 228, 252}}}},
         {{-3, -2}, 371, {{{302, 326, 350, 374, 398}, {308, 332, 356, 380, 404}}}},
     }},
     /* stem */ 49, /* flag */ 24, 9, /* second flag */ 16,
     {
         // staff  head x       place     value      field, Treble  field, Bass
         {1, {39, 39},   space(3), half,      {{{63, 36},   {63, 36}}}},
         {1, {79, 79},   space(1), quarter,   {{{103, 84},  {103, 84}}}},
         {1, {151, 151}, space(2), quarter,   {{{175, 52},  {175, 52}}}},
         {1, {223, 223}, space(1), quarter,   {{{247, 76},  {247, 76}}}},
         {1, {271, 271}, space(4), whole,     {{{295, 4},   {295, 4}}}},
         {1, {319, 319}, line(1),  whole,     {{{343, 92},  {343, 92}}}},
         {1, {367, 367}, line(5),  whole,     {{{391, -4},  {391, -4}}}},
         {1, {431, 431}, line(4),  quarter,   {{{455, 20},  {455, 20}}}},
         {1, {495, 495}, line(3),  half,      {{{519, 44},  {519, 44}}}},
         {1, {559, 559}, line(1),  half,      {{{583, 92},  {583, 92}}}},
         {2, {7, 7},     line(5),  sixteenth, {{{31, 148},  {31, 148}}}},
         {2, {79, 79},   line(5),  whole,     {{{103, 148}, {103, 148}}}},
         {2, {167, 167}, space(4), whole,     {{{191, 156}, {191, 156}}}},
         {2, {231, 231}, space(3), quarter,   {{{255, 180}, {255, 180}}}},
         {2, {263, 263}, line(1),  quarter,   {{{287, 245}, {287, 244}}}},
         {2, {319, 319}, line(2),  quarter,   {{{343, 220}, {344, 220}}}},
         {2, {407, 407}, line(4),  whole,     {{{431, 172}, {431, 172}}}},
         {2, {495, 495}, line(3),  half,      {{{519, 195}, {519, 196}}}},
         {2, {560, 560}, line(4),  half,      {{{584, 172}, {584, 172}}}},
         {3, {22, 23},   line(1),  quarter,   {{{46, 390},  {46, 392}}}},
         {3, {78, 79},   line(3),  quarter,   {{{102, 342}, {103, 348}}}},
         {3, {158, 159}, line(5),  half,      {{{182, 294}, {183, 300}}}},
         {3, {222, 223}, line(3),  half,      {{{246, 342}, {247, 348}}}},
         {3, {310, 311}, line(4),  half,      {{{334, 318}, {335, 324}}}},
     }},
}};

// ------------------------------------------------------------ the two windows

using KeyLines = std::vector<std::string>;  // staff 1, staff 2, staff 3

struct Window {
    Side side;
    const char* className;
    const char* instance;
    const char* title;
    int printWidth;
    bool printRegular;
    int instructionX;                  // sheet 1's instruction label, at y -1
    std::array<At, 3> keyAt;           // answer key of each sheet
    std::array<KeyLines, 3> keys;      // exactly as shown on the "Answers" page
};

const Window trebleWindow{
    TrebleSide, "Tbtb", "btb", "Treble Workpages",
    /* Print */ 33, true,
    /* instruction */ 32,
    {{{416, 316}, {400, 304}, {400, 304}}},
    {{
        {"G  C  E  A  D  F  F  E", "D  E  F  C  A  E  F  E  C", "F  A  C  E  F  D"},
        {"F  F  A  C  E  B  F  E  A", "F  A  C  E  A  F  E  B", "E G  B  G  C  G"},
        {"C  F  A  F  E  E  F  D  B  E", "F  F  E  C  E  G  D  B  D", "E  B  F  B  D"},
    }},
};

const Window bassWindow{
    BassSide, "Tbsb", "bsb", "Bass Workpages",
    /* Print */ 39, false,
    /* instruction */ 42,
    {{{416, 320}, {400, 304}, {400, 304}}},
    {{
        {"B  E  G  C  F  A  A  G", "F  G  A  E  C  G  A  G  E", "A  C  E  G  A  F"},
        {"A  A  C  E  G  D  A  G  C", "A  C  E  G  C  A  G  D", "G  B  D  B  E  B"},
        {"E  A  C  A  G  G  A  F D G", "A  A  G  E  G  B  F  D  F", "G  D  A  D  F"},
    }},
};

// --------------------------------------------------------------------- glyphs

constexpr int headSize = 17;
constexpr int stemBelowCentre = 4;  // a stem ends a few pixels below the head's centre

bool hasStem(NoteValue v) { return v != NoteValue::Whole; }
bool isFilled(NoteValue v) { return v != NoteValue::Whole && v != NoteValue::Half; }
int flagCount(NoteValue v) { return v == NoteValue::Eighth ? 1 : v == NoteValue::Sixteenth ? 2 : 0; }

// Head, stem and flags of one note, in that order, its head centred on row centreY.
Elements noteGlyph(const Sheet& sheet, const Note& n, int headX, int centreY)
{
    Elements out;
    const int radius = headSize / 2;
    out.push_back(shape(headX, centreY - radius, headSize, headSize)
                      .circle().filled(isFilled(n.value) ? black : white).pen(black));
    if (!hasStem(n.value))
        return out;
    const int stemX = headX + headSize - 1;
    const int stemTop = centreY + stemBelowCentre - sheet.stemLength + 1;
    out.push_back(shape(stemX, stemTop, 1, sheet.stemLength));
    const int flags = flagCount(n.value);
    if (flags >= 1)
        out.push_back(shape(stemX, stemTop, sheet.flagWidth, sheet.flagHeight)
                          .filled(black).pen(n.flagPens.first));
    if (flags >= 2)
        out.push_back(shape(stemX, stemTop + sheet.secondFlagDrop, sheet.flagWidth, sheet.flagHeight)
                          .filled(black).pen(n.flagPens.second));
    return out;
}

// Five fuchsia bars at the stated tops (one staff in the design sits a pixel off the pitch).
Elements staffBars(const Staff& s, Side side)
{
    const std::array<int, 5>& tops = s.tops[side];
    Elements bars = diagrams::barStaff(s.left[side], s.width, tops[0], diagrams::BarColouring::Worksheet);
    assert(bars.size() == tops.size());
    for (std::size_t i = 0; i < bars.size() && i < tops.size(); ++i)
        bars[i].box.y = tops[i];
    return bars;
}

// ---------------------------------------------------- sheet and window layout

Elements sheetElements(const Window& w, int sheetIndex)
{
    const Sheet& sheet = sheets[sheetIndex];
    const std::string prefix = "s" + std::to_string(sheetIndex + 1);
    Elements out;
    if (sheetIndex == 0)
        out.push_back(label(w.instructionX, -1,
                            "In the spaces put a letter to tell which line or space the note is on. ")
                          .font(arial(19).in(black)).bg(rgb(0xFFFFD0)));
    for (const Staff& s : sheet.staffs)
        out += staffBars(s, w.side);
    for (const Note& n : sheet.notes) {
        const int top = sheet.staffs[n.staff - 1].tops[w.side][0];
        out += noteGlyph(sheet, n, n.headX[w.side], diagrams::barStaffY(top, n.position));
    }
    int tabPosition = 0;
    for (const Note& n : sheet.notes) {
        const At at = n.field[w.side];
        out.push_back(edit(at.x, at.y, 25, 27)
                          .font(tnr(16).bolded().in(black))
                          .named(prefix + "answer" + std::to_string(tabPosition + 1))
                          .tab(tabPosition));
        ++tabPosition;
    }
    const At key = w.keyAt[sheetIndex];
    out.push_back(smallAnswerKey(key.x, key.y, 200, 97, w.keys[sheetIndex]).tab(tabPosition));
    return out;
}

WindowDef window(const Window& w)
{
    WindowDef def;
    def.className = w.className;
    def.instance = w.instance;
    def.title = w.title;
    def.printScaling = PrintScaling::FitToPage;
    std::vector<Elements> pages;
    for (int i = 0; i < static_cast<int>(sheets.size()); ++i)
        pages.push_back(sheetElements(w, i));
    def.elements.push_back(sheetNotebook(632, 450, std::move(pages)));
    def.elements.push_back(printButton(0, 24, w.printWidth, 25, w.printRegular));
    return def;
}

}  // namespace

WindowDef Tbtb() { return window(trebleWindow); }
WindowDef Tbsb() { return window(bassWindow); }

}  // namespace workpages
