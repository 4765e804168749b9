// Corvalle Lyrabel — the Chord Workpage, `TChordWorkpage`.
//
// Sections: the explanation · the window
//
// Seven chords written as hollow heads without stems on two hatched staffs,
// treble above and bass below; the first is the Chords page's worked example,
// its letters and its answer already typed into the two fields. Some heads are
// drawn before their staff, so its lines cross them, and some after it, so
// they cover the lines: the element order below is the drawing order.
#include "workpages/chordworkpage.h"

#include "diagrams/glyphs.h"
#include "diagrams/keyboard.h"
#include "diagrams/staff.h"
#include "lessons/chordspage.h"
#include "ui/workpageframe.h"

#include <string>
#include <vector>

namespace workpages {

using namespace ui;

namespace {

constexpr Colour cream = rgb(0xFFFFCE);

// ---------------------------------------------------------------- the explanation

// How the example is worked out; the rule reminder of the Chords page stands
// in the middle of step 4.
std::vector<std::string> explanation()
{
    std::vector<std::string> lines{
        "Let's see how the example is done:",
        "1.  Find what line each note is on and write it down.",
        "",
        "2.  The letters to work with are G, B and E.",
        "Each letter counts only once,",
        "even if it is there more than once.",
        "",
        "3.  There are three different letters,",
        "so the chord is to be a major or a minor chord.",
        "",
        "4.  Could it be G major or minor?",
    };
    for (const std::string& line : lessons::chordRulesReminder()) lines.push_back(line);
    lines.insert(lines.end(), {
        "",
        "From G up to B is 4 half steps, and from B up to E is 5 half steps,",
        "so it cannot be G major or G minor,",
        "since neither has a step of 5 half steps.",
        "",
        "5.  Try B:  from B up to E is 5 half steps.",
        "Stop right there, because major and minor chords",
        "never have five half steps between notes.",
        "",
        "6.  So it is E major or E minor:  from E up to G is 3 half steps,",
        "and from G up to B is 4 half steps.",
        "",
        "NOW WE SEE IT'S A:    E Minor",
    });
    return lines;
}

// Staff glyphs: a hollow head without a stem, and a sharp sign whose white
// ground hides the staff lines behind it.
Element head(int x, int y, int w = 9, int h = 11) { return diagrams::noteHead(x, y, w, h, false); }
Element sharp(int x, int y) { return label(x, y, "#").font(tnr(15).bolded().in(black)).bg(white); }

}  // namespace

// ----------------------------------------------------------------- the window

WindowDef TChordWorkpage()
{
    WindowDef def{"TChordWorkpage", "ChordWorkpage", "Chord Workpage"};
    def.font = tnr(16).bolded();
    def.printScaling = PrintScaling::FitToPage;
    def.elements = {
        // element                                                                       settings
        label( 48,   2, "Find the chords below. First find what each note is then decide what chord it is."),
        label( 76,  19, "Note: the notes don't have to be in a certain order to form the chord."),

        // crossed by the treble staff's lines: treble heads of chords 1 to 6 ...
        //    x    y          chord, note
        head( 18,  62),     // 1, G line 2
        head( 18,  72),     // 1, E line 1
        head(103,  46),     // 2, D line 4
        head(103,  58),     // 2, A space 2
        head(191,  50),     // 3, C space 3
        head(191,  59),     // 3, A space 2
        head(278,  54),     // 4, B line 3
        head(278,  63),     // 4, G line 2
        head(362,  51),     // 5, C space 3
        head(363,  67),     // 5, F space 1
        head(461,  43),     // 6, E space 4
        head(461,  60, 10, 8),  // 6, A space 2: the one 10×8 box
        // ... and by the bass staff's lines: bass heads of chords 1 to 3
        head( 19, 126),     // 1, B line 2
        head( 19, 135),     // 1, G line 1
        head(102, 103),     // 2, A line 5
        head(102, 123),     // 2, C space 2
        head(192, 110),     // 3, F line 4
        head(192, 130),     // 3, A space 1
        diagrams::hatchedStaff(diagrams::chordWorkpageTrebleStaff),

        // over the treble staff, crossed by the bass staff
        head(548,  63),     // 7, G line 2 (its sharp sign is drawn after the keyboard)
        head(548,  72),     // 7, E line 1
        head(462, 103),     // 6, A line 5
        head(462, 123),     // 6, C space 2
        head(546, 127),     // 7, B line 2
        head(363, 118),     // 5, D line 3
        diagrams::hatchedStaff(diagrams::chordWorkpageBassStaff),

        // over the bass staff
        head(363, 127),     // 5, B line 2
        sharp(373, 126),    // 5, raises that B
        head(280, 118),     // 4, D line 3
        head(280, 127),     // 4, B line 2

        label( 21, 197, "The above box can be used to remember the notes. The bottom box is for the answers."),
    };
    def.elements += diagrams::Keyboard(diagrams::chordWorkpageKeyboard()).elements();
    def.elements += {
        sharp(558,  59),    // 7, raises the treble G
        label  (611, 335, "^")                            .font(arial(32).in(blue)).bg(white),   // points up at the scroll bar
        edit   (  1, 162, 623, 27).text("GBEB")           .named("notesField"),
        edit   (  0, 219, 624, 27).text("E Minor")        .named("answersField"),
        printButton(0, 0, 41, 25),
        textBox(  3, 247, 621, 96, explanation())         .named("explanationBox").bordered(Border::None).bg(cream)
            .font(arial(16).in(navy)).readonly().scrollBar(),
        textBox(575, 354,  56, 60, {"Click to ", "read ", "more."}).named("hintBox").bordered(Border::None).bg(white)
            .font(tnr(16).bolded().in(blue)).readonly(),
    };
    return def;
}

}  // namespace workpages
