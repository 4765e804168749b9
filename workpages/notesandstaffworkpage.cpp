// Corvalle Lyrabel — the Notes and Staff worksheet, `Tnsawp`: read one voice
// out of four-voice chords on four grand-staff pictures.
//
// Sections: chord rows · the two excerpts · glyphs · the window
//
// Two excerpts, each printed twice. A chord row gives its heads' left edge and
// the staff position of each voice; heads are centred on their position of the
// picture they stand on, and the stems and flags follow from the heads.
#include "workpages/notesandstaffworkpage.h"

#include "diagrams/glyphs.h"
#include "diagrams/staff.h"
#include "ui/workpageframe.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace workpages {

namespace {

using namespace ui;
using music::Clef;
using music::NoteValue;

// ---------------------------------------------------------------- chord rows

// Places counted from the bottom of the staff, as staff positions.
constexpr int line(int n) { return 2 * (n - 1); }
constexpr int space(int n) { return 2 * n - 1; }

enum class Stem {
    Up,       // rises from the lower head's bottom edge
    Down,     // hangs from the upper head's top edge
    Through,  // at head left + 13, through both heads, from 9 px above the upper head
};

// Two voices on one staff sharing a stem: the upper voice (soprano, tenor) and the lower one (alto, bass).
struct Pair {
    int upper, lower;  // staff positions
    Stem stem;
};

struct Chord {
    int trebleX, bassX;  // left edge of the heads
    NoteValue value;
    Pair treble, bass;
};

constexpr NoteValue half = NoteValue::Half, quarter = NoteValue::Quarter, eighth = NoteValue::Eighth;
constexpr Stem up = Stem::Up, down = Stem::Down;

// ------------------------------------------------------------ the two excerpts

// Excerpt A, on pictures A1 and A2.
const std::vector<Chord> excerptA{
    // head x    value     soprano   alto            tenor     bass
    {66,  64,  half,    {line(2),  line(1),  up}, {space(2), space(1), up}},
    {113, 113, quarter, {space(2), space(1), up}, {line(3),  line(2),  up}},  // alto F sharp
    {169, 169, quarter, {line(2),  line(1),  up}, {space(2), space(1), up}},
    {203, 203, quarter, {line(2),  line(1),  up}, {space(2), space(1), up}},
    {236, 236, quarter, {space(3), space(2), up}, {line(4),  line(3),  up}},
};

// Excerpt B as picture B2 shows it; picture B1 ends on two quarter-note chords instead.
const std::vector<Chord> excerptB2{
    // head x    value     soprano   alto              tenor     bass
    {379, 379, quarter, {space(3), space(2), up},   {line(4),  line(3),  down}},
    {412, 412, quarter, {space(2), space(1), up},   {line(3),  line(2),  up}},
    {440, 440, quarter, {space(2), space(1), up},   {line(3),  line(2),  up}},
    {487, 487, eighth,  {space(4), space(3), up},   {line(5),  line(4),  down}},
    {509, 509, eighth,  {space(4), space(3), up},   {line(5),  line(4),  down}},
    {532, 532, eighth,  {line(2),  line(1),  up},   {space(2), space(1), up}},
    {555, 555, eighth,  {space(2), space(1), up},   {space(3), space(2), up}},
    {582, 582, half,    {line(3),  line(2),  up},   {space(3), space(2), up}},
};

std::vector<Chord> excerptB1()
{
    std::vector<Chord> chords = excerptB2;
    chords.back().value = quarter;
    chords.push_back({606, 606, quarter, {space(2), space(1), Stem::Through}, {line(3), line(2), Stem::Through}});
    return chords;
}

// Where a picture stands and which excerpt it shows.
struct Picture {
    Rect box;
    std::vector<Chord> chords;
};

// ------------------------------------------------------------------- glyphs

constexpr int headWidth = 12, headHeight = 10;  // a 10-px circle
constexpr int stemLength = 47;
constexpr int flagWidth = 16, flagHeight = 6;

bool isFilled(NoteValue v) { return v != NoteValue::Whole && v != NoteValue::Half; }

// Top of a head box whose centre lies on the position (half a pixel up where
// the position's centre falls between rows).
int headTop(Clef clef, int position, int pictureTop)
{
    const double centre = diagrams::grandStaffY(clef, position, pictureTop);
    return static_cast<int>(std::floor(centre - (headHeight - 1) / 2.0));
}

// The two heads of a pair, their shared stem and, on an eighth, its flag at the
// stem's free end. A stem cut by the window's top edge keeps its flag on the
// part that shows, at the top edge.
Elements pairGlyph(Clef clef, int x, NoteValue value, const Pair& pair, int pictureTop)
{
    const int upperTop = headTop(clef, pair.upper, pictureTop);
    const int lowerTop = headTop(clef, pair.lower, pictureTop);
    Elements out{diagrams::noteHead(x, upperTop, headWidth, headHeight, isFilled(value)),
                 diagrams::noteHead(x, lowerTop, headWidth, headHeight, isFilled(value))};

    int stemX = x + headWidth - 1, stemTop = 0;
    switch (pair.stem) {
    case Stem::Up: stemTop = lowerTop + headHeight - stemLength; break;
    case Stem::Down: stemTop = upperTop; break;
    case Stem::Through: stemX = x + 13; stemTop = upperTop - 9; break;
    }
    out.push_back(shape(stemX, stemTop, 1, stemLength));

    if (value == NoteValue::Eighth) {
        const int flagTop = pair.stem == Stem::Down ? stemTop + stemLength - flagHeight : std::max(stemTop, 0);
        out.push_back(shape(stemX, flagTop, flagWidth, flagHeight).filled(black).pen(black));
    }
    return out;
}

Elements notesOn(const Picture& p)
{
    Elements out;
    for (const Chord& c : p.chords) {
        out += pairGlyph(Clef::Treble, c.trebleX, c.value, c.treble, p.box.y);
        out += pairGlyph(Clef::Bass, c.bassX, c.value, c.bass, p.box.y);
    }
    return out;
}

Element staffPicture(const Picture& p)
{
    return diagrams::grandStaff(diagrams::GrandStaffVariant::ThreeFour, p.box.x, p.box.y, p.box.w, p.box.h, false);
}

std::string blanks(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

}  // namespace

// ------------------------------------------------------------------ the window

WindowDef Tnsawp()
{
    //                   box                       excerpt
    const Picture a1{{3, 2, 308, 116},   excerptA};
    const Picture b1{{319, 3, 307, 116}, excerptB1()};
    const Picture a2{{3, 191, 308, 116}, excerptA};     // 189 px below A1
    const Picture b2{{315, 192, 307, 116}, excerptB2};  // 189 px below B1, 4 px further left

    const Font question = tnr(21).in(blue);
    const Font answer = arial(16).in(black);

    WindowDef def{"Tnsawp", "nsawp", "Notes and Staff Workpage"};
    def.elements = {staffPicture(a1), staffPicture(b1)};
    def.elements += notesOn(a1);
    def.elements += notesOn(b1);
    def.elements.push_back(staffPicture(a2));
    def.elements.push_back(staffPicture(b2));
    def.elements += notesOn(a2);
    def.elements += notesOn(b2);
    def.elements += {
        // questions, each over its answer field
        //    x    y    caption
        label( 48, 118, "What are the tenor notes?")  .font(question).bg(white),
        label(359, 124, "What are the soprano notes?").font(question).bg(white),
        label( 59, 310, "What are the alto notes?")   .font(question).bg(white),
        label(363, 314, "What are the bass notes?")   .font(question).bg(white),

        // the sharp of excerpt A's second alto note, right of its stem
        label(129,  40, "#").bg(white),
        label(129, 229, "#").bg(white),

        printButton(0, -1, 40, 25),

        // answer fields, in the order Tab visits them
        //   x    y    w    h
        edit( 12, 143, 300, 26).font(answer).named("tenorAnswer"),
        edit(329, 144, 300, 26).font(answer).named("sopranoAnswer"),
        edit(  7, 336, 300, 26).font(answer).named("altoAnswer"),
        edit(321, 336, 300, 26).font(answer).named("bassAnswer"),

        stripAnswerKey({
            "tenor notes answer: C D C C F" + blanks(24) + "soprano notes answer: C A A E E G A B A",
            "alto notes answer: E F# E E A" + blanks(25) + "bass notes answer: D B B F F A C C",
        }),
    };
    return def;
}

}  // namespace workpages
