// Corvalle Lyrabel — the Beats page: the chart of the five note and rest values,
// the dot rule, the time signature and the parts of a staff.
//
// Sections: looks · the page
//
// The chart has a column per value, Sixteenth to Whole, rests in the top row
// and notes in the bottom row; under the banner each column from Eighth on says
// it lasts twice as long as the one before. The notes are the lesson glyphs,
// written here element by element because the page declares their heads,
// stems and flags interleaved, and declaration order is paint order.
#include "lessons/beatspage.h"

#include "diagrams/glyphs.h"
#include "diagrams/staff.h"
#include "lessons/lessonbook.h"

namespace lessons {

namespace {

using namespace ui;
using music::NoteValue;
using diagrams::GrandStaffVariant;

// --------------------------------------------------------------------- looks

constexpr Colour pink = rgb(0xFFCEFF);

Element rowTitle(int x, int y, const char* text) {
    return label(x, y, text).font(tnr(27).bolded().in(yellow)).bg(purple);
}
Element chartNote(int x, int y, const char* text) {
    return label(x, y, text).font(arial(13).in(fuchsia)).bg(white);
}
Element staffPart(int x, int y, const char* text) {
    return label(x, y, text).font(tnr(15).bolded().in(yellow)).bg(red);
}
Element bar(int x, int y) {
    return label(x, y, "Bar").font(tnr(15).bolded().in(lime)).bg(navy);
}
Element head(int x, int y, bool filled) { return diagrams::noteHead(x, y, 25, 25, filled); }
Element stem(int x, int y, int h) { return shape(x, y, 1, h); }
Element flag(int x, int y) { return shape(x, y, 25, 9).filled(black).pen(black); }
Element columnRule(int x, int y, int h) { return shape(x, y, 1, h).pen(fuchsia); }

// A caption above the chart: borderless, editable, white bold on fuchsia.
Element caption(int x, int y, int w, const char* text) {
    return textBox(x, y, w, 17, {text}).bordered(Border::None).bg(fuchsia);
}

}  // namespace

// ------------------------------------------------------------------ the page

Elements beatsPage()
{
    return {
        // element                                                         at, size / caption
        pageBackground(),
        shape(624, 0, 40, pageHeight).filled(black).aligned(Align::Client),  // no room left: unseen
        shape(15, 46, 587, 362).filled(white).pen(black, 5),                  // chart box
        rowTitle(1, 79, "Rests"),
        diagrams::restBlock(NoteValue::Whole, 517, 91),                       // hangs from its line
        diagrams::restBlock(NoteValue::Half, 417, 91),                        // stands on its line
        diagrams::restLine(493, 91),
        diagrams::restLine(385, 91),
        diagrams::restPicture(NoteValue::Quarter,   289, 86),
        diagrams::restPicture(NoteValue::Eighth,    173, 75),
        diagrams::restPicture(NoteValue::Sixteenth,  71, 72),
        rowTitle(1, 143, "Notes"),
        head(58, 164, true),                                                  // sixteenth
        head(170, 164, true),                                                 // eighth
        stem(194, 126, 49),
        head(286, 164, true),                                                 // quarter
        stem(310, 124, 49),
        head(407, 165, false),                                                // half
        stem(431, 130, 51),
        flag(195, 124),                                                       // eighth
        head(521, 163, false),                                                // whole
        flag(82, 140),                                                        // sixteenth
        flag(82, 124),
        stem(82, 124, 49),
        chartNote(154, 215, "twice as long"),
        label(56, 35, "Sixteenth            Eighth                 Quarter                     Half                Whole")
            .font(tnr(16).bolded().in(purple)).bg(white),
        columnRule(141, 35, 226),
        columnRule(246, 34, 229),
        columnRule(369, 33, 230),
        columnRule(482, 35, 227),
        chartNote(153, 259, "as sixteenth"),
        chartNote(268, 215, "twice as long"),
        chartNote(268, 260, "as eigth"),
        chartNote(386, 213, "twice as long"),
        chartNote(386, 260, "as quarter"),
        chartNote(500, 212, "twice as long"),
        chartNote(500, 260, "as half"),
        diagrams::grandStaff(GrandStaffVariant::ThreeFour, 21, 275, 105, 117, false),  // clefs and 3 over 4
        shape(49, 277, 27, 54).ellipse().hollow().pen(red, 2),                // rings the 3 over 4
        shape(74, 289, 63, 3).filled(red).pen(red),                           // points to the label
        label(141, 275, "Time signature.").bg(purple),                        // the page's own font
        chartNote(153, 230, "and twice as"),
        chartNote(154, 245, "many beats"),
        chartNote(267, 230, "and twice as"),
        chartNote(268, 245, "many beats"),
        chartNote(386, 228, "and twice as"),
        chartNote(386, 244, "many beats"),
        chartNote(499, 228, "and twice as"),
        chartNote(500, 244, "many beats"),
        staffPart(106, 456, "Treble Clef"),
        staffPart(118, 504, "Bass Clef"),
        diagrams::grandStaff(GrandStaffVariant::ThreeFour, 185, 443, 299, 85, true),
        bar(305, 445),
        bar(437, 444),
        shape(316, 467, 135, 6).filled(pink).pen(navy, 2),                    // measure bracket
        label(358, 460, "Measure").font(tnr(15).bolded().in(pink)).bg(navy),
        label(114, 191, "------------------Length of Sound------------------")
            .font(tnr(21).bolded().in(purple)).bg(white),
        pageButton("BitBtn25"),
        caption(146, 14, 337, "Rests have no sound, but show a period of silence."),
        caption(161, -2, 300, "The top row is rests the bottom row is notes."),
        textBox(130, 293, 466, 108, {
            "When clapping your hands, beating a drum or stamping your",
            "feet to music, the bottom number of the time signature tells",
            "you which note gets one clap, one stamp or one beat.",
            "When the time signature has a bottom number of:",
            "4  -  a quarter note or rest gets one beat.",
            "2  -  a half note or rest gets one beat.",
            "8  -  an eighth note or rest gets one beat.",
            "In the chart above, each note before a given note gets half",
            "as many beats as the note after it, and each note after it",
            "gets twice as many beats as the note before it.",
            "EXAMPLE: In a song in 3/4 time the quarter note gets 1 beat,",
            "the eighth note 1/2 beat, the sixteenth note 1/4 beat, the",
            "half note 2 beats and the whole note 4 beats.",
            "",
            "The top number tells how many beats are in each measure.",
            "The illustration below shows that a measure is the space",
            "between two bars.",
        }).bordered(Border::None).bg(rgb(0xFFFFC4)).font(arial(16).in(black)).readonly().scrollBar(),
        textBox(21, 193, 116, 80, {
            "If any note has a",
            "dot after it, then",
            "give it as many",
            "beats as the note,",
            "plus half as many.",
        }).bordered(Border::None).bg(pink).font(arial(13).in(purple)).readonly(),
    };
}

}  // namespace lessons
