// Corvalle Lyrabel — the Chords page and its chord-finding example panel `cpexam`.
//
// Sections: texts · the chord rules reminder · example panel · base page
//
// The base page names the parts of a grand staff and states when each kind of
// chord applies. The panel works one chord through: the notes G, E, B and G
// read from the staff give the letters G, B and E; each letter is tried in turn
// as the chord's first key on a keyboard of its own, and the count that rules
// it out (5 half steps) or names the chord (3 then 4: minor) is captioned.
#include "lessons/chordspage.h"

#include "diagrams/glyphs.h"
#include "diagrams/keyboard.h"
#include "diagrams/staff.h"
#include "lessons/lessonbook.h"

namespace lessons {

using namespace ui;

namespace {

constexpr Colour lilac = rgb(0xFFCCFF);
constexpr Colour pink = rgb(0xFFCEFF);
constexpr Colour cream = rgb(0xFFFFCE);

constexpr Font partName = tnr(15).bolded();       // the names around the staff picture
constexpr Font stepsFont = tnr(16).bolded().in(white);
constexpr Font reminderFont = tnr(16).bolded().in(black);

// ---------------------------------------------------------------------- texts

// When each kind of chord applies; bullets are indented by fourteen spaces.
const std::vector<std::string> findingRules{
    "Suggestion:  When a song does not list its chords and you do not know what chord to play, try this.",
    "     ",
    "              * Go by all four notes: the two notes on the bass clef and the two notes on the treble clef.",
    "         ",
    "              * If there are three different notes, with one note repeating, play a major or minor chord. ",
    "The notes can be in any order as long as they make a major or minor chord.",
    "         ",
    "              * If there are four different notes, play a 7th, a Major 7th or a Minor 7th.",
    "              * Any other chord is a chord not studied in this program.",
    "More chords can be learned on the internet.",
    "         ",
};

// The worked example, one stored line per 19-px row: steps 3, 4 and 5 start on
// rows 14, 18 and 22, level with keyboards A, B and C; rows 6 to 13 lie under
// the reminder box.
const std::vector<std::string> exampleSteps{
    "1.  The notes give us the letters G, B and E to work with.",
    "Count each letter once, even if it is there more than once.",
    "",
    "2.  There are three different letters, so the chord is to be",
    "a major or a minor chord.",
    "", "", "", "", "", "", "", "",
    "3.  Could it be G major or G minor?  From G up to B is",
    "4 half steps, but from B up to E is 5 half steps.  It cannot,",
    "because neither chord has a step of 5 half steps.",
    "",
    "4.  Trying B major or minor:  from B up to E is 5 half steps.",
    "Stop right there, because major and minor chords never",
    "have five half steps between notes.",
    "",
    "5. So it is E major or E minor:  from E up to G is",
    "3 half steps, and from G up to B is 4 half steps.",
    "3 then 4 makes it a minor chord.",
    "",
    "NOW WE SEE IT\"S A:    E Minor",
};

}  // namespace

// ------------------------------------------------------ the chord rules reminder

std::vector<std::string> chordRulesReminder()
{
    // Leading spaces push each rule line toward the middle of its box.
    return {
        "Remember:  For a major chord click on any key,",
        std::string(23, ' ') + "the key 4 half steps above that,",
        std::string(11, ' ') + "and the key 3 half steps above the second key.",
        " ",
        std::string(21, ' ') + "For a minor chord start with any key.",
        std::string(17, ' ') + "Count up 3 half steps for the second key.",
        std::string(1, ' ') + "For the third key count up four half steps from the second key.",
    };
}

namespace {

// -------------------------------------------------------------- example panel

// Keyboard overlays: a key's letter (blue on the keys of the example chord),
// the red marker on a chord key, and a count captioned under or over the keys.
Element keyLetter(int x, int y, const char* letter) { return label(x, y, letter).font(arial(13).bolded().in(black)).bg(white); }
Element chordLetter(int x, int y, const char* letter) { return label(x, y, letter).font(arial(13).bolded().in(blue)).bg(white); }
Element marker(int x, int y) { return shape(x, y, 11, 12).circle().filled(red).pen(black); }
Element stepCaption(int x, int y, const char* text, Colour background) { return label(x, y, text).font(arial(13).in(white)).bg(background); }

Elements examplePanel()
{
    using diagrams::GrandStaffVariant;
    using diagrams::Keyboard;
    using diagrams::noteHead;

    Elements panel{diagrams::grandStaff(GrandStaffVariant::ThreeFour, 10, 6, 125, 118, false)};
    panel += Keyboard(diagrams::chordExamplePanelTop()).elements();
    panel += Keyboard(diagrams::chordExamplePanelMiddle()).elements();
    panel += Keyboard(diagrams::chordExamplePanelBottom()).elements();
    panel += {
        // keyboard A: trying G — G to B is 4 half steps, B to E is 5
        //           x    y   letter
        keyLetter  (  3, 283, "F"),
        chordLetter( 26, 283, "G"),
        keyLetter  ( 50, 283, "A"),
        chordLetter( 73, 282, "B"),
        keyLetter  ( 84, 282, "C"),
        keyLetter  (109, 281, "D"),
        chordLetter(132, 282, "E"),
        marker     ( 26, 299),                          // G
        marker     ( 73, 299),                          // B
        marker     (131, 299),                          // E
        stepCaption( 75, 260, "5 half steps", red),     // B to E

        // keyboard B: trying B — B to E is 5 half steps, so stop
        chordLetter(  4, 362, "B"),
        keyLetter  ( 15, 362, "C"),
        keyLetter  ( 41, 378, "D"),
        chordLetter( 62, 361, "E"),
        keyLetter  ( 74, 361, "F"),
        chordLetter( 96, 361, "G"),
        keyLetter  (120, 361, "A"),
        keyLetter  (144, 361, "B"),
        marker     (  3, 379),                          // B
        marker     ( 60, 377),                          // E
        marker     ( 96, 377),                          // G
        stepCaption(  4, 343, "5 half steps", red),     // B to E

        // keyboard C: trying E — E to G is 3 half steps, G to B is 4: minor
        keyLetter  (  4, 456, "C"),
        keyLetter  ( 28, 456, "D"),
        chordLetter( 51, 456, "E"),
        keyLetter  ( 63, 456, "F"),
        chordLetter( 84, 455, "G"),
        keyLetter  (107, 454, "A"),
        chordLetter(131, 455, "B"),
        marker     ( 49, 472),                          // E
        marker     ( 84, 472),                          // G
        marker     (130, 471),                          // B
        stepCaption( 19, 497, "3 half steps", blue),    // E to G
        stepCaption( 97, 497, "4 half steps", green),   // G to B

        // the example chord on the staff picture: two filled heads sharing a stem per staff
        //         x    y    w   h
        noteHead( 66,  37, 15,  9, true),               // treble G, line 2
        noteHead( 69,  46, 10, 10, true),               // treble E, line 1
        shape   ( 78,  10,  2, 44),                     // stem: white inside a black outline, a 2-px stroke
        noteHead( 64, 105, 12, 10, true),               // bass B, line 2
        noteHead( 65, 112,  9, 14, true),               // bass G, line 1
        shape   ( 74,  79,  2, 47),

        label  ( 40, 518, "When you are done with the example click the OK button:").font(tnr(19).in(black)).bg(pink),
        textBox(156,   5, 451, 498, exampleSteps)      .named("stepsBox").bordered(Border::None).bg(purple).font(stepsFont).readonly(),
        textBox(157, 108, 454, 136, chordRulesReminder()).named("rememberBox").bordered(Border::None).bg(cream).font(reminderFont).readonly(),
        button (473, 515,  75,  25, "").ok().named("BitBtn21").font(tnr(16).bolded().in(black)).onClick("BitBtn21Click"),
        pageButton("BitBtn2"),
    };
    return panel;
}

}  // namespace

// ------------------------------------------------------------------ base page

Elements chordsPage()
{
    using diagrams::GrandStaffVariant;
    return {
        // element                                                  settings
        pageBackground(),
        shape  (   6,  32, 601, 364)                               .filled(white).pen(black, 4),
        diagrams::grandStaff(GrandStaffVariant::ThreeFour, 168, 64, 343, 114, true),
        label  (  88,  80, "Treble Clef")                          .font(partName.in(yellow)).bg(red),
        label  (  96, 144, "Bass Clef")                            .font(partName.in(yellow)).bg(red),
        label  ( 232,  56, "Measure")                              .font(partName.in(lime)).bg(navy),
        label  ( 376,  56, "Measure")                              .font(partName.in(lime)).bg(navy),
        label  ( 304,  56, "Bar")                                  .font(partName.in(lime)).bg(navy),
        label  ( 456,  56, "Bar")                                  .font(partName.in(lime)).bg(navy),
        label  ( 114,  40, "Time Signature")                       .font(partName.in(lime)).bg(navy),
        shape  ( 208,  56,   1,  17)                               .pen(navy, 4),            // pointer to the ring
        shape  ( 200,  72,  25,  41).ellipse().hollow()            .pen(navy, 2),            // rings the 3/4
        shape  (  10, 184, 593, 209)                               .filled(purple).pen(lilac, 4),
        label  ( 217,   4, "For Finding Chords:")                  .font(tnr(21).bolded().in(white)).bg(purple),
        textBox(  17, 192, 579, 193, findingRules).named("rulesBox").bordered(Border::None).bg(lilac).font(tnr(16).in(black)).tab(0),
        pageButton("BitBtn33")                                     .tab(1),
        pageButton("BitBtn35")                                     .tab(3),
        panel  (   0,  -1, pageWidth, pageHeight, examplePanel())  .named("cpexam").bg(purple).noBevel().hidden()
            .aligned(Align::Client).tab(2),
    };
}

}  // namespace lessons
